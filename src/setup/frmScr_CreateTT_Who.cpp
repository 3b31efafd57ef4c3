#include "frmScr_CreateTT_Who.h"

#include "app/ErrorReport.h"
#include "app/ListHelpers.h"
#include "data/NameLists.h"
#include "data/TimetableView.h"
#include "platform/MsgBox.h"
#include "platform/TextBox.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

frmScr_CreateTT_Who::frmScr_CreateTT_Who(WizardProgress& progress, NewTimetableAnswers& answers,
                                         const DBConnection& db, QWidget* parent)
    : WizardPage(progress, Kind::Step, parent), m_answers(answers), m_db(db) {
    setObjectName(QStringLiteral("frmScr_CreateTT_Who"));
    const QString kind = viewKindText(answers.kind);
    setWindowTitle(QStringLiteral("Select or create a %1 for this timetable").arg(kind));
    addMessage(QStringLiteral("Please select the %1 for this timetable.").arg(kind));
    body().addSpacing(8);
    addLabel(QStringLiteral("Label30"), QStringLiteral("Select a %1:").arg(kind));
    m_cboWho = new QComboBox(this);
    m_cboWho->setObjectName(QStringLiteral("cboWho"));
    body().addWidget(m_cboWho);
    body().addSpacing(8);
    addLabel(QStringLiteral("Label31"), QStringLiteral("Or enter a new name:"));
    m_txtWho = new TextBox(this);
    m_txtWho->setObjectName(QStringLiteral("txtWho"));
    body().addWidget(m_txtWho);
    body().addStretch();

    fillList();
    connect(m_txtWho, &QLineEdit::textChanged, this, &frmScr_CreateTT_Who::txtWho_Change);
}

void frmScr_CreateTT_Who::fillList() {
    Result<QList<NameLists::Entry>> entries =
        NameLists::readAll(m_db, NameLists::listOf(m_answers.kind));
    if (!entries)
        reportError(QStringLiteral("The names could not be read."), entries.error(), this);
    else
        for (const NameLists::Entry& entry : entries.value())
            m_cboWho->addItem(entry.name, entry.id);
    m_cboWho->addItem(QStringLiteral("Create new..."), CreateNew);
    // An earlier answer of another kind may match no entry: the first item then, as always.
    m_cboWho->setCurrentIndex(0);
    if (m_answers.whoId != CreateNew)
        SelectListByItemData(*m_cboWho, m_answers.whoId);
}

void frmScr_CreateTT_Who::txtWho_Change() {
    if (!m_txtWho->text().isEmpty())
        SelectListByItemData(*m_cboWho, CreateNew);
}

bool frmScr_CreateTT_Who::storeAnswers() {
    const std::optional<int> owner = chosenOwner();
    if (!owner)
        return false;
    m_answers.whoId = *owner;
    return !hasTimetable(*owner);
}

std::optional<int> frmScr_CreateTT_Who::chosenOwner() {
    const int selected = m_cboWho->currentData().toInt();
    if (selected != CreateNew)
        return selected;
    // Names are taken exactly as typed: case and spaces count.
    const QString typed = m_txtWho->text();
    if (typed.isEmpty()) {
        MsgBox(QStringLiteral("You have not entered a name. Please enter a name to continue."),
               vb::vbCritical, this);
        m_txtWho->setFocus();
        return std::nullopt;
    }
    const int existing = GetItemDataByText(*m_cboWho, typed);
    if (existing != CreateNew) {
        SelectListByItemData(*m_cboWho, existing);
        return existing;
    }
    Result<int> added = NameLists::add(m_db, NameLists::listOf(m_answers.kind), typed);
    if (!added) {
        reportError(QStringLiteral("The name could not be added."), added.error(), this);
        return std::nullopt;
    }
    m_answers.ownerAdded = true;
    // Listed and chosen at once, so a second Next on this page cannot add the name twice.
    const int position = m_cboWho->count() - 1;
    m_cboWho->insertItem(position, typed, added.value());
    m_cboWho->setCurrentIndex(position);
    return added.value();
}

bool frmScr_CreateTT_Who::hasTimetable(int ownerId) {
    Result<QList<int>> timetables = TimetableView::idsOfOwner(m_db, m_answers.kind, ownerId);
    if (!timetables) {
        reportError(QStringLiteral("The stored timetables could not be read."), timetables.error(),
                    this);
        return true;
    }
    if (timetables.value().isEmpty())
        return false;
    MsgBox(QStringLiteral("A timetable already exists for this %1. To view and change the "
                          "timetable select it from the View Table button on the main window.")
               .arg(viewKindText(m_answers.kind)),
           vb::vbCritical, this);
    return true;
}
