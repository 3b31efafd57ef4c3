#pragma once

#include "CustomListPage.h"
#include "NewTimetableAnswers.h"

class QComboBox;

// The hours page's Custom...: period boundaries of the user's own, chosen or typed, in the
// order added. Only a time of day is added, shown in one 12-hour form.
class frmScr_CreateTT_CustomHours : public CustomListPage {
    Q_OBJECT
public:
    frmScr_CreateTT_CustomHours(WizardProgress& progress, NewTimetableAnswers& answers,
                                QWidget* parent);

    QComboBox& cboHour() const { return *m_cboHour; }

protected:
    std::optional<QString> takeEntry() override;
    void storeEntries(const QStringList& entries) override;

private:
    NewTimetableAnswers& m_answers;
    QComboBox* m_cboHour = nullptr;
};
