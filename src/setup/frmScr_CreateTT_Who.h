#pragma once

#include "NewTimetableAnswers.h"
#include "WizardPage.h"
#include "data/DBConnection.h"

#include <optional>

class QComboBox;
class QLineEdit;

// Step 4: whose timetable it is. A typed name that no entry has exactly becomes a new class,
// tutor or room at once; an owner that has a timetable of this kind already is refused.
class frmScr_CreateTT_Who : public WizardPage {
    Q_OBJECT
public:
    frmScr_CreateTT_Who(WizardProgress& progress, NewTimetableAnswers& answers,
                        const DBConnection& db, QWidget* parent);

    QComboBox& cboWho() const { return *m_cboWho; }
    QLineEdit& txtWho() const { return *m_txtWho; }

    // The item value of "Create new...", the last item of the list.
    static constexpr int CreateNew = -1;

protected:
    bool storeAnswers() override;

private:
    void fillList();
    void txtWho_Change();
    // The chosen owner's id, adding a row for a new name; nothing when the user must be asked
    // again (told already).
    std::optional<int> chosenOwner();
    // True when this owner has a timetable of the kind already (the user is told).
    bool hasTimetable(int ownerId);

    NewTimetableAnswers& m_answers;
    const DBConnection& m_db;
    QComboBox* m_cboWho = nullptr;
    QLineEdit* m_txtWho = nullptr;
};
