#pragma once

#include "WizardPage.h"

#include <QStringList>

#include <optional>

class QHBoxLayout;
class QListWidget;
class QPushButton;

// A sub-page on which the user builds a list of their own: an entry box with Add, the list in
// the order entered (duplicates allowed) with Remove, and Next, which takes the list when it
// holds enough entries.
class CustomListPage : public WizardPage {
    Q_OBJECT
public:
    struct Texts {
        QString formName, title, message, addCaption, listCaption, listName;
        QString noSelection; // Remove with nothing selected
        QString tooFew;      // Next with fewer than `minimum` entries
        int minimum = 1;
    };

    QListWidget& list() const { return *m_list; }
    QPushButton& cmdAdd() const { return *m_cmdAdd; }
    QPushButton& cmdRemove() const { return *m_cmdRemove; }

    void cmdAdd_Click();
    void cmdRemove_Click();

protected:
    CustomListPage(WizardProgress& progress, const Texts& texts, QWidget* parent);

    // Places the box in which the user enters an entry, left of Add.
    void setInput(QWidget* input);

    // The entry to append from the input, which it clears as needed; nothing when refused
    // (the user has been told).
    virtual std::optional<QString> takeEntry() = 0;
    // Stores the entries, in list order, as the wizard's answers.
    virtual void storeEntries(const QStringList& entries) = 0;

private:
    bool storeAnswers() override;

    const Texts m_texts;
    QWidget* m_input = nullptr;
    QHBoxLayout* m_entryRow = nullptr;
    QListWidget* m_list = nullptr;
    QPushButton* m_cmdAdd = nullptr;
    QPushButton* m_cmdRemove = nullptr;
};
