#include "AutoFillChoicePage.h"

#include "platform/LiteralText.h"
#include "platform/MsgBox.h"

#include <QItemSelectionModel>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

AutoFillChoicePage::AutoFillChoicePage(WizardProgress& progress, const Texts& texts,
                                       const QList<NameLists::Entry>& entries,
                                       const QSet<int>& preselected, QList<int>& chosen,
                                       QWidget* parent)
    : WizardPage(progress, Kind::Step, parent), m_nothingChosen(texts.nothingChosen),
      m_chosen(chosen) {
    setObjectName(texts.formName);
    setWindowTitle(texts.title);
    addMessage(texts.message);
    m_list = new QListWidget(this);
    m_list->setObjectName(texts.listName);
    m_list->setSelectionMode(QAbstractItemView::MultiSelection);
    auto* caption = LiteralText::label(texts.listCaption, this);
    caption->setBuddy(m_list);
    body().addWidget(caption);
    body().addWidget(m_list, 1);

    bool anySelected = false;
    for (const NameLists::Entry& entry : entries) {
        auto* row = new QListWidgetItem(entry.name, m_list);
        row->setData(Qt::UserRole, entry.id);
        const bool selected = preselected.contains(entry.id);
        row->setSelected(selected);
        anySelected = anySelected || selected;
    }
    if (!anySelected)
        m_list->selectAll();
    m_list->selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}

bool AutoFillChoicePage::storeAnswers() {
    QList<int> ids;
    for (int i = 0; i < m_list->count(); ++i) {
        if (m_list->item(i)->isSelected())
            ids << m_list->item(i)->data(Qt::UserRole).toInt();
    }
    // A fill needs somewhere and someone for every lesson.
    if (ids.isEmpty()) {
        MsgBox(m_nothingChosen, vb::vbCritical, this);
        return false;
    }
    m_chosen = ids;
    return true;
}

const AutoFillChoicePage::Texts& AutoFillChoicePage::roomTexts() {
    static const Texts texts{
        QStringLiteral("frmScr_AutoFill_Rooms"),
        QStringLiteral("Choose the rooms to use in the timetable"),
        QStringLiteral("Choose the rooms you would like to include in this timetable."),
        QStringLiteral("lstRooms"),
        QStringLiteral("Select the rooms to include:"),
        QStringLiteral("Please select some Rooms to fill the timetable with."),
    };
    return texts;
}

const AutoFillChoicePage::Texts& AutoFillChoicePage::tutorTexts() {
    static const Texts texts{
        QStringLiteral("frmScr_AutoFill_Tutors"),
        QStringLiteral("Choose the Tutors to include in the timetable"),
        QStringLiteral("Choose the tutors you would like to include in this timetable."),
        QStringLiteral("lstTutors"),
        QStringLiteral("Select the Tutors to include:"),
        QStringLiteral("Please select some Tutors to fill the timetable with."),
    };
    return texts;
}
