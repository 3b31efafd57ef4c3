#pragma once

#include "data/NameLists.h"
#include "data/SlotIds.h"

#include <QDialog>
#include <QList>

#include <optional>

class FlexGrid;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class TimetableSlots;
class frmMain;
class frmTableWindow;

// "Find and Replace": puts one tutor, subject, room or class in the place of another in every
// cell of the active timetable window. Each cell is written as a click on the list item writes
// it, clash check and undo included. Modeless, one instance, owned by the main window.
class frmReplace : public QDialog {
    Q_OBJECT
public:
    explicit frmReplace(frmMain& main);

    // Offers the kinds the active timetable window can replace and fills the lists for the
    // first. False when there is no active timetable to go by: the dialog is not to be shown.
    bool Form_Load();

    QComboBox& cboType() const { return *m_cboType; }
    QListWidget& lstFind() const { return *m_lstFind; }
    QListWidget& lstReplace() const { return *m_lstReplace; }
    QPushButton& cmdOK() const { return *m_cmdOK; }
    QPushButton& cmdCancel() const { return *m_cmdCancel; }

    void cboType_Click();
    void cmdOK_Click();
    void cmdCancel_Click();
    // Writes the replacement into every cell of `f` (the active window) whose row holds the
    // item found, then closes.
    void FindAndReplace(frmTableWindow& f);

private:
    struct Match {
        int row = 0;
        int col = 0;
        SlotIds ids; // the cell's stored items, loaded into the lists before its write
    };
    std::optional<NameLists::List> chosenList() const;
    // The cells whose lesson holds `findId`, in grid order; nothing when a day or a period of
    // the grid is not stored.
    static std::optional<QList<Match>> findMatches(const FlexGrid& g, const TimetableSlots& stored,
                                                   NameLists::List list, int findId);
    // False once a write failed (reported already).
    bool replaceCells(frmTableWindow& f, const QList<Match>& matches, NameLists::List list,
                      int replaceId);

    frmMain& m_main;
    QLabel* m_lblType = nullptr;
    QComboBox* m_cboType = nullptr;
    QLabel* m_lblFind = nullptr;
    QListWidget* m_lstFind = nullptr;
    QLabel* m_lblReplace = nullptr;
    QListWidget* m_lstReplace = nullptr;
    QPushButton* m_cmdOK = nullptr;
    QPushButton* m_cmdCancel = nullptr;
};
