#pragma once

#include "CustomListPage.h"
#include "NewTimetableAnswers.h"

class QLineEdit;

// The days page's Custom...: day labels of the user's own, any text, in the order added.
class frmScr_CreateTT_CustomDOW : public CustomListPage {
    Q_OBJECT
public:
    frmScr_CreateTT_CustomDOW(WizardProgress& progress, NewTimetableAnswers& answers,
                              QWidget* parent);

    QLineEdit& txtAdd() const { return *m_txtAdd; }

protected:
    std::optional<QString> takeEntry() override;
    void storeEntries(const QStringList& entries) override;

private:
    NewTimetableAnswers& m_answers;
    QLineEdit* m_txtAdd = nullptr;
};
