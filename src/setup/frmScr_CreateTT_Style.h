#pragma once

#include "NewTimetableAnswers.h"
#include "WizardPage.h"
#include "data/DBConnection.h"
#include "data/TimetableLook.h"

class QLabel;
class QListWidget;

// Step 2: the preset style whose fonts and colours the new timetable takes, with a preview.
class frmScr_CreateTT_Style : public WizardPage {
    Q_OBJECT
public:
    frmScr_CreateTT_Style(WizardProgress& progress, NewTimetableAnswers& answers,
                          const DBConnection& db, QWidget* parent);

    QListWidget& lstStyle() const { return *m_lstStyle; }
    QLabel& picPreview() const { return *m_picPreview; }

protected:
    bool storeAnswers() override;

private:
    void fillList(const DBConnection& db);
    void lstStyle_Click();

    NewTimetableAnswers& m_answers;
    QList<NamedStyle> m_styles; // in list order
    QListWidget* m_lstStyle = nullptr;
    QLabel* m_picPreview = nullptr;
};
