#pragma once

#include "data/NameLists.h"

#include <QDialog>

#include <array>

class QFrame;
class QListWidget;
class QPushButton;
class QTabBar;
class frmMain;

// "Manage Tutors, Subjects, Rooms and Classes": one tab per list, each with the list and its
// Add, Edit, Delete and Close buttons. Add and Edit open the list's record editor; Delete
// removes a record with every reference to it and closes the windows of the timetables that
// went with it. However the dialog closes, the left bar's lists and the active timetable are
// brought up to date.
class frmManage : public QDialog {
    Q_OBJECT
public:
    explicit frmManage(frmMain& main);

    // Creates the dialog on a tab (0 Tutors, 1 Subjects, 2 Rooms, 3 Classes) and shows it modally.
    static void showModal(frmMain& main, int tab);

    // Shows the tab of the list with that index, its first item selected when none is.
    void SelectTab(int Index);
    int CurrentFrameIndex() const { return m_currentFrameIndex; }

    QTabBar& tsMain() const { return *m_tsMain; }
    QFrame& Frame1(int index) const { return *m_frames[index].frame; }
    QListWidget& list(NameLists::List list) const { return *m_frames[list].list; }

    void cmdAdd_Click(NameLists::List list);
    void cmdEdit_Click(NameLists::List list);
    void cmdDelete_Click(NameLists::List list);
    void cmdCancel_Click();

    // Closing by any way ends here: the main window is refreshed after the dialog has gone.
    void done(int result) override;

private:
    struct Frame {
        QFrame* frame = nullptr;
        QListWidget* list = nullptr;
    };
    void buildFrame(NameLists::List list);
    QPushButton* addButton(QFrame& frame, const QString& name, const char* caption);
    void Form_Load();
    void tsMain_Click();
    // Clears and refills the list from the database; false when the read failed (shown).
    bool refill(NameLists::List list);
    // Shows the list's editor, then refills the list and selects the record of the edit id.
    void openEditor(NameLists::List list);
    // Puts the id of the list's selected record into its edit id; false when none is selected.
    bool takeSelected(NameLists::List list);
    void refreshMain();

    frmMain& m_main;
    QTabBar* m_tsMain = nullptr;
    std::array<Frame, NameLists::Count> m_frames;
    int m_currentFrameIndex = 0;
    bool m_changed = false; // a record was stored or deleted while the dialog was open
};
