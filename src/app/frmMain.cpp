#include "frmMain.h"

#include "ErrorReport.h"
#include "ModMain.h"
#include "frmTableWindow.h"
#include "data/TimeText.h"
#include "data/NumberText.h"
#include "data/TimetableContent.h"
#include "platform/ColorNumber.h"
#include "platform/FlexGrid.h"
#include "platform/ProgramInfo.h"
#include "platform/RedrawOff.h"

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

namespace {

const QColor White = ColorNumber::toColor(ColorNumber::White);

double fontSizeOr(const QString& text, double fallback) {
    const std::optional<float> size = NumberText::fontSize(text);
    return size ? *size : fallback;
}

} // namespace

frmMain::frmMain(ModMain& state, QWidget* parent) : QMainWindow(parent), m_state(state) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Quorvane Periwell"));
    m_mdiArea = new QMdiArea(this);
    m_mdiArea->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(m_mdiArea);
    m_viewTableMenu = new QMenu(this);
    m_viewTableMenu->setObjectName(QStringLiteral("mnuViewTableItems"));
    resize(1100, 750);
}

Result<void> frmMain::MDIForm_Load() {
    m_state.StartingUp = true;
    m_state.GridEventsEnabled = true;
    m_state.TreeClickWritesSlot = true;
    m_state.KeepSpecialID = false;
    m_state.CreateTTShowWelcome = true;
    m_state.CreateTTViewBy = QStringLiteral("Class");
    m_state.AutoFillShowWelcome = true;
    m_loaded = true;

    if (!m_state.hasDb()) {
        Result<std::unique_ptr<DBConnection>> db =
            DBConnection::open(ProgramInfo::filePath(QStringLiteral("db.mdb")));
        if (!db)
            return db.error();
        m_state.setDb(std::move(db).value());
    }

    Result<QSqlQuery> stored =
        m_state.db().exec(QStringLiteral("SELECT ID FROM TimeTableView ORDER BY Name, ID"));
    if (!stored)
        return stored.error();
    QList<int> ids;
    while (stored.value().next())
        ids << stored.value().value(0).toInt();
    for (int id : ids) {
        if (frmTableWindow* window = LoadTable(id))
            RefreshTable(*window);
    }
    show();
    for (QMdiSubWindow* sub : m_mdiArea->subWindowList(QMdiArea::CreationOrder))
        sub->show();
    m_state.StartingUp = false;
    return {};
}

frmTableWindow* frmMain::LoadTable(int timetableId) {
    Result<std::optional<QSqlRecord>> row = m_state.db().firstRow(
        QStringLiteral("SELECT ID, ViewBy, ClassID, RoomID, TutorID FROM TimeTableView WHERE ID = ?"),
        {timetableId});
    if (!row) {
        reportError(QStringLiteral("The timetable could not be opened."), row.error(), this);
        return nullptr;
    }
    if (!row.value())
        return nullptr;
    const QSqlRecord& r = *row.value();
    Result<QString> title = TimetableStore::title(m_state.db(), r.value("ViewBy").toString(),
                                                  r.value("ClassID").toInt(), r.value("TutorID").toInt(),
                                                  r.value("RoomID").toInt());
    if (!title) {
        reportError(QStringLiteral("The timetable could not be opened."), title.error(), this);
        return nullptr;
    }

    auto* window = new frmTableWindow(timetableId);
    QMdiSubWindow* sub = m_mdiArea->addSubWindow(window);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(title.value());
    addViewTableItem(timetableId, title.value());
    window->g().setRow(1);
    window->g().setCol(1);
    window->g().setRedraw(true);
    return window;
}

void frmMain::addViewTableItem(int timetableId, const QString& title) {
    const QString key = QStringLiteral("k%1").arg(timetableId);
    for (const QAction* action : m_viewTableMenu->actions()) {
        if (action->data().toString() == key)
            return; // the first item of a timetable stays
    }
    auto* action = new QAction(title, m_viewTableMenu);
    action->setData(key);
    action->setObjectName(key);
    const QList<QAction*> existing = m_viewTableMenu->actions();
    m_viewTableMenu->insertAction(existing.isEmpty() ? nullptr : existing.first(), action);
}

void frmMain::RefreshTable(frmTableWindow& f) {
    Result<std::optional<TimetableContent>> content = TimetableStore::read(m_state.db(), f.Tag());
    if (!content) {
        reportError(QStringLiteral("The timetable could not be drawn."), content.error(), this);
        return;
    }
    if (!content.value())
        return;
    drawTimetable(f, *content.value());
}

void frmMain::drawTimetable(frmTableWindow& f, const TimetableContent& content) {
    FlexGrid& g = f.g();
    const int col = g.Col();
    const int row = g.Row();
    const int colSel = g.ColSel();
    const int rowSel = g.RowSel();
    const TimetableLook& look = content.look;
    const double baseSize = g.font().pointSizeF();

    RedrawOff redrawOff(g);
    FlagGuard quiet(m_state.GridEventsEnabled, false);

    QFont titleFont(look.titleFont);
    titleFont.setPointSizeF(fontSizeOr(look.titleFontSize, 14));
    titleFont.setBold(true);
    f.lblTitle().setText(content.title);
    f.lblTitle().setFont(titleFont);
    QPalette titlePalette = f.lblTitle().palette();
    titlePalette.setColor(QPalette::WindowText, ColorNumber::fromText(look.titleForeground, Qt::black));
    f.lblTitle().setPalette(titlePalette);
    f.setWindowTitle(content.title);

    const QColor unavailableBack = ColorNumber::fromText(look.unavailableBackground, Qt::lightGray);
    const QColor unavailableFore = ColorNumber::fromText(look.unavailableForeground, Qt::black);
    const QColor periodFore = ColorNumber::fromText(look.periodForeground, Qt::black);

    g.setCols(1);
    g.setRow(0);
    for (int c = 1; c <= content.columns.size(); ++c) {
        const PeriodColumn& period = content.columns[c - 1];
        g.setCols(c + 1);
        g.setCol(c);
        g.setColData(c, period.id);
        if (period.specialId == 1) {
            g.setText(TimeText::periodHeader(period.start, period.duration));
            g.setCellBackColor(White);
            g.setCellForeColor(ColorNumber::fromText(look.colHeadForeground, Qt::black));
        } else {
            g.setText(period.specialName);
            g.setCellBackColor(unavailableBack);
            g.setCellForeColor(unavailableFore);
        }
        g.setCellFontSize(fontSizeOr(look.colHeadFontSize, baseSize));
        g.setCellFontName(look.colHeadFont);
        g.setColWidth(c, period.width);
        g.setColAlignment(c, flexAlignCenterCenter);
        g.setFixedAlignment(c, flexAlignCenterCenter);
    }

    g.setRows(1);
    g.setCol(0);
    g.setForeColorFixed(ColorNumber::fromText(look.rowHeadForeground, Qt::black));
    g.setFixedAlignment(0, flexAlignCenterCenter);
    for (int r = 1; r <= content.days.size(); ++r) {
        const DayRow& day = content.days[r - 1];
        g.setRows(r + 1);
        g.setRow(r);
        g.setText(day.dow.toLower());
        g.setRowData(r, day.id);
        g.setRowHeight(r, day.height);
        g.setCellFontSize(fontSizeOr(look.rowHeadFontSize, baseSize));
        g.setCellFontName(look.rowHeadFont);
    }
    g.setRowHeight(0, look.fixedRowHeight);
    g.setColWidth(0, look.fixedColWidth);

    g.setWordWrap(true);
    for (int r = 1; r <= content.days.size(); ++r) {
        for (int c = 1; c <= content.columns.size(); ++c) {
            const CellSlot* slot = content.slotAt(content.columns[c - 1].start, content.days[r - 1].dow);
            if (!slot)
                continue;
            g.setRow(r);
            g.setCol(c);
            if (slot->specialId >= 2 && slot->specialId <= 4) {
                g.setText(QString());
                g.setCellBackColor(unavailableBack);
            } else {
                g.setText(FormatSlotText(slot->tutor, slot->subject, slot->room, slot->className,
                                         content.viewBy));
                g.setCellBackColor(White);
            }
            g.setCellFontSize(fontSizeOr(look.periodFontSize, baseSize));
            g.setCellForeColor(periodFore);
            g.setCellFontName(look.periodFont);
        }
    }
    g.setGridColor(periodFore);
    g.setGridColorFixed(periodFore);

    // Put the user back where they were; a place the grid no longer has is skipped.
    g.setCol(col);
    g.setRow(row);
    g.setColSel(colSel);
    g.setRowSel(rowSel);
}

void frmMain::SaveTable(frmTableWindow& f) {
    const FlexGrid& g = f.g();
    TimetableGeometry geometry;
    geometry.fixedRowHeight = g.RowHeight(0);
    geometry.fixedColWidth = g.ColWidth(0);
    for (int c = 1; c < g.Cols(); ++c)
        geometry.columnWidths.append({g.ColData(c), g.ColWidth(c)});
    for (int r = 1; r < g.Rows(); ++r)
        geometry.rowHeights.append({g.RowData(r), g.RowHeight(r)});
    if (Result<void> saved = TimetableStore::saveGeometry(m_state.db(), f.Tag(), geometry); !saved)
        reportError(QStringLiteral("The sizes of the timetable's rows and columns could not be stored."),
                    saved.error(), this);
}

QString frmMain::FormatSlotText(const QString& sTutor, const QString& sSubject, const QString& sRoom,
                                const QString& sClass, const QString& sViewBy) {
    return TimetableStore::formatSlotText(sTutor, sSubject, sRoom, sClass, sViewBy);
}

QList<frmTableWindow*> frmMain::timetableWindows() const {
    QList<frmTableWindow*> windows;
    for (QMdiSubWindow* sub : m_mdiArea->subWindowList(QMdiArea::CreationOrder)) {
        if (auto* window = qobject_cast<frmTableWindow*>(sub->widget()))
            windows << window;
    }
    return windows;
}

bool frmMain::AnyTimeTablesLoaded() const {
    return !timetableWindows().isEmpty();
}

frmTableWindow* frmMain::activeTableWindow() const {
    QMdiSubWindow* sub = m_mdiArea->currentSubWindow();
    return sub ? qobject_cast<frmTableWindow*>(sub->widget()) : nullptr;
}

QMdiSubWindow* frmMain::subWindowOf(const frmTableWindow& f) const {
    for (QMdiSubWindow* sub : m_mdiArea->subWindowList()) {
        if (sub->widget() == &f)
            return sub;
    }
    return nullptr;
}

void frmMain::FirstRun() {}
