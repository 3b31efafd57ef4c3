#pragma once

#include "data/NameLists.h"

#include <QDialog>

class ModMain;
class QLineEdit;
class QListWidget;
class QPushButton;

// The editor of one tutor, subject, room or class ("Tutor Details" and so on): adds a record
// or renames one, and for a tutor also records the subjects he teaches. Which record is told
// by the list's edit id in ModMain (NewRecord to add one); OK on a new record leaves its id
// there. Cancel, Escape and the close box write nothing.
class frmRecordEditor : public QDialog {
    Q_OBJECT
public:
    frmRecordEditor(ModMain& state, NameLists::List list, QWidget* parent = nullptr);

    // Shows the editor of the list modally; a read that fails at opening is shown instead.
    // True when OK stored the record.
    static bool showModal(ModMain& state, NameLists::List list, QWidget* parent);

    QLineEdit& txtName() const { return *m_txtName; }
    // A tutor's subjects; null in the other editors.
    QListWidget* lstSubjects() const { return m_lstSubjects; }
    QPushButton& cmdOK() const { return *m_cmdOK; }
    QPushButton& cmdCancel() const { return *m_cmdCancel; }

    void cmdOK_Click();

private:
    Result<void> Form_Load();
    QList<int> selectedSubjects() const;

    ModMain& m_state;
    const NameLists::List m_list;
    QLineEdit* m_txtName = nullptr;
    QListWidget* m_lstSubjects = nullptr;
    QPushButton* m_cmdOK = nullptr;
    QPushButton* m_cmdCancel = nullptr;
};
