#include "ActiveTimetable.h"

#include "ErrorReport.h"
#include "frmTableWindow.h"

ActiveTimetable ActiveTimetable::of(frmTableWindow& window, const DBConnection& db) {
    ActiveTimetable active;
    active.window = &window;
    Result<std::optional<TimetableView>> view = TimetableView::read(db, window.Tag());
    if (!view) {
        reportError(QStringLiteral("The timetable could not be read."), view.error(), &window);
        active.missing = Missing::ReadFailed;
        return active;
    }
    active.view = view.value();
    active.missing = active.view ? Missing::None : Missing::NoRow;
    return active;
}
