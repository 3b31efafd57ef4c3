#include "frmScr_CreateTT_CustomHours.h"

#include "data/TimeText.h"
#include "platform/MsgBox.h"

#include <QComboBox>

namespace {

constexpr int QuartersPerDay = 24 * 4;
constexpr int EightInTheMorning = 8 * 4;

} // namespace

frmScr_CreateTT_CustomHours::frmScr_CreateTT_CustomHours(WizardProgress& progress,
                                                         NewTimetableAnswers& answers,
                                                         QWidget* parent)
    : CustomListPage(
          progress,
          Texts{QStringLiteral("frmScr_CreateTT_CustomHours"),
                QStringLiteral("Enter the hours to include"),
                QStringLiteral("Select the hours to include in the timetable."),
                QStringLiteral("Select the hour to include then click Add."),
                QStringLiteral("Include the following hours:"), QStringLiteral("lstHour"),
                QStringLiteral("No hour has been selected to remove. Please select an hour to "
                               "remove and then try again."),
                QStringLiteral("No hours have been entered. Please enter at least two times "
                               "and try again."),
                2},
          parent),
      m_answers(answers) {
    m_cboHour = new QComboBox(this);
    m_cboHour->setObjectName(QStringLiteral("cboHour"));
    m_cboHour->setEditable(true);
    // Typed text is added to the hour list only through Add, never to the choices.
    m_cboHour->setInsertPolicy(QComboBox::NoInsert);
    for (int quarter = 0; quarter < QuartersPerDay; ++quarter)
        m_cboHour->addItem(TimeText::display12(QTime(quarter / 4, quarter % 4 * 15)));
    m_cboHour->setCurrentIndex(EightInTheMorning);
    setInput(m_cboHour);
}

std::optional<QString> frmScr_CreateTT_CustomHours::takeEntry() {
    const std::optional<QTime> hour = TimeText::parse(m_cboHour->currentText());
    if (!hour) {
        MsgBox(QStringLiteral("The hour entered is not a valid time. Please enter a valid time "
                              "and then try again."),
               vb::vbCritical, this);
        return std::nullopt;
    }
    return TimeText::display12(*hour);
}

void frmScr_CreateTT_CustomHours::storeEntries(const QStringList& entries) {
    m_answers.times.clear();
    for (const QString& entry : entries)
        m_answers.times << TimeText::parse(entry).value_or(QTime(0, 0));
}
