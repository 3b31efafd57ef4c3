#include "frmRecordEditor.h"

#include "app/ErrorReport.h"
#include "app/ListHelpers.h"
#include "app/ModMain.h"
#include "data/RecordEdit.h"
#include "platform/LiteralText.h"
#include "platform/ModalRunner.h"
#include "platform/MsgBox.h"
#include "platform/OkCancelButtons.h"
#include "platform/TextBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// What differs between the four editors, by list.
struct EditorTexts {
    const char* form;
    const char* title;
    const char* emptyName;
};
constexpr EditorTexts Texts[NameLists::Count] = {
    {"frmTutor", "Tutor Details",
     "A Tutor name has not been entered. Please enter a tutor name to continue."},
    {"frmSubject", "Subject Details",
     "A Subject name has not been entered. Please enter a Subject name to continue."},
    {"frmRoom", "Room Details",
     "A Room name has not been entered. Please enter a Room name to continue."},
    {"frmClass", "Class Details",
     "A Class name has not been entered. Please enter a Class name to continue."},
};

} // namespace

frmRecordEditor::frmRecordEditor(ModMain& state, NameLists::List list, QWidget* parent)
    : QDialog(parent), m_state(state), m_list(list) {
    const EditorTexts& texts = Texts[list];
    setObjectName(QLatin1String(texts.form));
    setWindowTitle(QLatin1String(texts.title));

    auto* layout = new QVBoxLayout(this);
    auto* nameLabel = LiteralText::label(QStringLiteral("Name:"), this);
    nameLabel->setObjectName(QStringLiteral("lblName"));
    m_txtName = new TextBox(this);
    m_txtName->setObjectName(QStringLiteral("txtName"));
    m_txtName->setMinimumWidth(260);
    nameLabel->setBuddy(m_txtName);
    layout->addWidget(nameLabel);
    layout->addWidget(m_txtName);
    if (list == NameLists::Tutor) {
        auto* subjectsLabel =
            LiteralText::label(QStringLiteral("Subjects taught by this tutor:"), this);
        subjectsLabel->setObjectName(QStringLiteral("lblSubjects"));
        m_lstSubjects = new QListWidget(this);
        m_lstSubjects->setObjectName(QStringLiteral("lstSubjects"));
        m_lstSubjects->setSelectionMode(QAbstractItemView::MultiSelection);
        subjectsLabel->setBuddy(m_lstSubjects);
        layout->addWidget(subjectsLabel);
        layout->addWidget(m_lstSubjects, 1);
    } else {
        layout->setSizeConstraint(QLayout::SetFixedSize); // one line: nothing to grow
    }

    const OkCancelButtons buttons = OkCancelButtons::make(*this);
    m_cmdOK = buttons.cmdOK;
    m_cmdCancel = buttons.cmdCancel;
    layout->addLayout(buttons.row);

    connect(m_cmdOK, &QPushButton::clicked, this, &frmRecordEditor::cmdOK_Click);
    connect(m_cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool frmRecordEditor::showModal(ModMain& state, NameLists::List list, QWidget* parent) {
    frmRecordEditor editor(state, list, parent);
    if (Result<void> loaded = editor.Form_Load(); !loaded) {
        reportError(QStringLiteral("The details could not be read."), loaded.error(), parent);
        return false;
    }
    return runModal(editor) == QDialog::Accepted;
}

Result<void> frmRecordEditor::Form_Load() {
    const DBConnection& db = m_state.db();
    if (m_lstSubjects) {
        Result<QList<NameLists::Entry>> subjects = NameLists::readAll(db, NameLists::Subject);
        if (!subjects)
            return subjects.error();
        for (const NameLists::Entry& subject : subjects.value()) {
            auto* item = new QListWidgetItem(subject.name, m_lstSubjects);
            item->setData(Qt::UserRole, subject.id);
        }
    }
    const int id = m_state.EditID(m_list);
    if (id != ModMain::NewRecord) {
        Result<std::optional<QString>> name = NameLists::nameOf(db, m_list, id);
        if (!name)
            return name.error();
        m_txtName->setText(name.value().value_or(QString()));
        if (m_lstSubjects) {
            Result<QList<int>> taught = RecordEdit::subjectsOf(db, id);
            if (!taught)
                return taught.error();
            for (int subjectId : taught.value())
                MarkListItemByItemData(*m_lstSubjects, subjectId);
        }
    }
    m_txtName->selectAll();
    return {};
}

QList<int> frmRecordEditor::selectedSubjects() const {
    QList<int> subjects;
    for (int i = 0; m_lstSubjects && i < m_lstSubjects->count(); ++i) {
        if (m_lstSubjects->item(i)->isSelected())
            subjects << m_lstSubjects->item(i)->data(Qt::UserRole).toInt();
    }
    return subjects;
}

void frmRecordEditor::cmdOK_Click() {
    if (m_txtName->text().isEmpty()) {
        MsgBox(QLatin1String(Texts[m_list].emptyName), vb::vbCritical, this);
        m_txtName->setFocus();
        return;
    }
    int& editId = m_state.EditID(m_list);
    RecordEdit::Record record{m_list, std::nullopt, m_txtName->text(), selectedSubjects()};
    if (editId != ModMain::NewRecord)
        record.id = editId;
    Result<int> saved = RecordEdit::save(m_state.db(), record);
    if (!saved) {
        reportError(QStringLiteral("The details could not be saved."), saved.error(), this);
        return;
    }
    editId = saved.value();
    accept();
}
