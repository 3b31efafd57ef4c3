#pragma once

#include "WizardPage.h"
#include "data/NameLists.h"

#include <QList>
#include <QSet>

class QListWidget;

// The Auto Fill page that chooses the rooms, or the tutors, a fill may use.
class AutoFillChoicePage : public WizardPage {
    Q_OBJECT
public:
    struct Texts {
        QString formName;
        QString title;
        QString message;
        QString listName;
        QString listCaption;
        QString nothingChosen; // why Next is refused
    };

    // Lists the entries, selecting those in `preselected`, or all of them when that selects
    // none. Next stores the selected ids, in the list's order, in `chosen`.
    AutoFillChoicePage(WizardProgress& progress, const Texts& texts,
                       const QList<NameLists::Entry>& entries, const QSet<int>& preselected,
                       QList<int>& chosen, QWidget* parent);

    QListWidget& list() const { return *m_list; }

    static const Texts& roomTexts();
    static const Texts& tutorTexts();

protected:
    bool storeAnswers() override;

private:
    const QString m_nothingChosen;
    QList<int>& m_chosen;
    QListWidget* m_list = nullptr;
};
