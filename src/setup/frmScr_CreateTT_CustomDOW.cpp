#include "frmScr_CreateTT_CustomDOW.h"

#include "platform/MsgBox.h"
#include "platform/TextBox.h"

#include <QLineEdit>

frmScr_CreateTT_CustomDOW::frmScr_CreateTT_CustomDOW(WizardProgress& progress,
                                                     NewTimetableAnswers& answers, QWidget* parent)
    : CustomListPage(
          progress,
          Texts{QStringLiteral("frmScr_CreateTT_CustomDOW"),
                QStringLiteral("Choose the days include"),
                QStringLiteral("Enter the days to include in the timetable."),
                QStringLiteral("Enter the day to include then click Add."),
                QStringLiteral("Include the following days:"), QStringLiteral("lstDOW"),
                QStringLiteral("No day has been selected to remove. Please select a day to "
                               "remove and then try again."),
                QStringLiteral("No days have been entered. Please enter some days to include "
                               "and try again."),
                1},
          parent),
      m_answers(answers) {
    m_txtAdd = new TextBox(this);
    m_txtAdd->setObjectName(QStringLiteral("txtAdd"));
    setInput(m_txtAdd);
}

std::optional<QString> frmScr_CreateTT_CustomDOW::takeEntry() {
    // Any text is a day, exactly as typed; it is matched exactly against the lessons' days.
    const QString day = m_txtAdd->text();
    if (day.isEmpty()) {
        MsgBox(
            QStringLiteral("No day has been entered. Please enter a day name and then try again."),
            vb::vbCritical, this);
        return std::nullopt;
    }
    m_txtAdd->clear();
    return day;
}

void frmScr_CreateTT_CustomDOW::storeEntries(const QStringList& entries) {
    m_answers.days = entries;
}
