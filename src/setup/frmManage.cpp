#include "frmManage.h"

#include "app/CellEditor.h"
#include "app/ErrorReport.h"
#include "app/ListHelpers.h"
#include "app/ModMain.h"
#include "app/TreeBars.h"
#include "app/WindowRedraws.h"
#include "app/frmMain.h"
#include "app/frmTableWindow.h"
#include "data/RecordDelete.h"
#include "frmRecordEditor.h"
#include "platform/LiteralText.h"
#include "platform/ModalRunner.h"
#include "platform/MsgBox.h"
#include "platform/WindowCaption.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

namespace {

// What differs between the four tabs, by list.
struct FrameTexts {
    const char* tab;
    const char* label;
    const char* list;
    const char* add;
    const char* addCaption;
    const char* edit;
    const char* editCaption;
    const char* remove;
    const char* removeCaption;
    const char* confirmation;
    const char* what; // names the record in a failure
};
constexpr FrameTexts Texts[NameLists::Count] = {
    {"&Tutors", "Tutors", "lstTutors", "cmdOK", "&Add Tutor", "cmdEditTutor", "&Edit Tutor",
     "cmdDeleteTutor", "&Delete Tutor", "Delete selected tutor?", "tutor"},
    {"&Subjects", "Subjects", "lstSubjects", "cmdAddSubject", "&Add Subject", "cmdEditSubject",
     "&Edit Subject", "cmdDeleteSubject", "&Delete Subject", "Delete selected Subject?", "subject"},
    {"&Rooms", "Rooms", "lstRooms", "cmdAddRoom", "&Add Room", "cmdEditRoom", "&Edit Room",
     "cmdDeleteRoom", "&Delete Room", "Delete selected Room?", "room"},
    {"&Classes", "Classes", "lstClasses", "cmdAddClass", "&Add Class", "cmdEditClass",
     "&Edit Class", "cmdDeleteClass", "&Delete Class", "Delete selected Class?", "class"},
};

} // namespace

frmManage::frmManage(frmMain& main) : QDialog(&main), m_main(main) {
    setObjectName(QStringLiteral("frmManage"));
    setWindowTitle(QStringLiteral("Manage Tutors, Subjects, Rooms and Classes"));

    m_tsMain = new QTabBar(this);
    m_tsMain->setObjectName(QStringLiteral("tsMain"));
    m_tsMain->setDrawBase(false);
    // Every title whole: the bar then asks for room for all four, and the dialog grows to fit.
    m_tsMain->setElideMode(Qt::ElideNone);
    m_tsMain->setUsesScrollButtons(false);
    for (const FrameTexts& texts : Texts)
        m_tsMain->addTab(QLatin1String(texts.tab));
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(0);
    layout->addWidget(m_tsMain);
    for (NameLists::List list : NameLists::All) {
        buildFrame(list);
        layout->addWidget(m_frames[list].frame, 1);
    }
    connect(m_tsMain, &QTabBar::currentChanged, this, &frmManage::tsMain_Click);
    Form_Load();
    WindowCaption::keepCaptionWhole(*this);
}

void frmManage::buildFrame(NameLists::List list) {
    const FrameTexts& texts = Texts[list];
    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1%1").arg(int(list)));
    frame->setFrameShape(QFrame::StyledPanel);
    auto* label = LiteralText::label(QLatin1String(texts.label), frame);
    label->setObjectName(QStringLiteral("Label2%1").arg(int(list)));
    auto* names = new QListWidget(frame);
    names->setObjectName(QLatin1String(texts.list));
    names->setMinimumSize(240, 260);
    label->setBuddy(names);

    QPushButton* add = addButton(*frame, QLatin1String(texts.add), texts.addCaption);
    QPushButton* edit = addButton(*frame, QLatin1String(texts.edit), texts.editCaption);
    QPushButton* remove = addButton(*frame, QLatin1String(texts.remove), texts.removeCaption);
    QPushButton* close = addButton(*frame, QStringLiteral("cmdCancel%1").arg(int(list)), "Cl&ose");
    connect(add, &QPushButton::clicked, this, [this, list] { cmdAdd_Click(list); });
    connect(edit, &QPushButton::clicked, this, [this, list] { cmdEdit_Click(list); });
    connect(remove, &QPushButton::clicked, this, [this, list] { cmdDelete_Click(list); });
    connect(close, &QPushButton::clicked, this, &frmManage::cmdCancel_Click);

    auto* grid = new QGridLayout(frame);
    grid->addWidget(label, 0, 0);
    grid->addWidget(names, 1, 0, 5, 1);
    grid->addWidget(add, 1, 1);
    grid->addWidget(edit, 2, 1);
    grid->addWidget(remove, 3, 1);
    grid->setRowStretch(4, 1);
    grid->addWidget(close, 5, 1);
    m_frames[list] = Frame{frame, names};
}

QPushButton* frmManage::addButton(QFrame& frame, const QString& name, const char* caption) {
    auto* button = new QPushButton(QLatin1String(caption), &frame);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

void frmManage::showModal(frmMain& main, int tab) {
    frmManage dialog(main);
    dialog.SelectTab(tab);
    runModal(dialog);
}

void frmManage::Form_Load() {
    m_currentFrameIndex = 0;
    for (NameLists::List list : NameLists::All) {
        m_frames[list].frame->setVisible(list == m_currentFrameIndex);
        if (!refill(list))
            return;
    }
}

void frmManage::SelectTab(int Index) {
    if (Index < 0 || Index >= NameLists::Count)
        return;
    // Also for the tab shown already, so that its first item is selected as on the others.
    const QSignalBlocker quiet(m_tsMain);
    m_tsMain->setCurrentIndex(Index);
    tsMain_Click();
}

void frmManage::tsMain_Click() {
    const int index = m_tsMain->currentIndex();
    if (index < 0)
        return;
    m_frames[m_currentFrameIndex].frame->hide();
    m_frames[index].frame->show();
    m_frames[index].frame->raise();
    m_currentFrameIndex = index;
    QListWidget& names = *m_frames[index].list;
    if (names.count() > 0 && names.selectedItems().isEmpty()) {
        names.setCurrentRow(0);
        if (isVisible())
            names.setFocus();
    }
}

bool frmManage::refill(NameLists::List list) {
    QListWidget& names = *m_frames[list].list;
    names.clear();
    Result<QList<NameLists::Entry>> entries = NameLists::readAll(m_main.state().db(), list);
    if (!entries) {
        reportError(QStringLiteral("The list could not be read."), entries.error(), this);
        return false;
    }
    for (const NameLists::Entry& entry : entries.value()) {
        auto* item = new QListWidgetItem(entry.name, &names);
        item->setData(Qt::UserRole, entry.id);
    }
    return true;
}

void frmManage::openEditor(NameLists::List list) {
    if (frmRecordEditor::showModal(m_main.state(), list, this))
        m_changed = true;
    // The edit id now names the record saved or edited; a cancelled Add selects nothing.
    if (refill(list))
        SelectListByItemData(*m_frames[list].list, m_main.state().EditID(list));
}

void frmManage::cmdAdd_Click(NameLists::List list) {
    m_main.state().EditID(list) = ModMain::NewRecord;
    openEditor(list);
}

bool frmManage::takeSelected(NameLists::List list) {
    const QList<QListWidgetItem*> selected = m_frames[list].list->selectedItems();
    if (selected.isEmpty())
        return false;
    m_main.state().EditID(list) = selected.first()->data(Qt::UserRole).toInt();
    return true;
}

void frmManage::cmdEdit_Click(NameLists::List list) {
    if (takeSelected(list))
        openEditor(list);
}

void frmManage::cmdDelete_Click(NameLists::List list) {
    if (!takeSelected(list))
        return;
    const int editId = m_main.state().EditID(list);
    if (MsgBox(QLatin1String(Texts[list].confirmation), vb::vbQuestion + vb::vbYesNoCancel, this) !=
        vb::vbYes)
        return;
    Result<QList<int>> deleted = RecordDelete::deleteRecord(m_main.state().db(), list, editId);
    if (!deleted) {
        reportError(
            QStringLiteral("The %1 could not be deleted.").arg(QLatin1String(Texts[list].what)),
            deleted.error(), this);
        return;
    }
    // Only now that the deletion has landed: a failed one leaves every window as it was.
    m_changed = true;
    m_main.timetablesDeleted(deleted.value());
    m_main.cellEditor().dropUndo();
    QListWidget& names = *m_frames[list].list;
    if (refill(list) && names.count() > 0)
        names.setCurrentRow(0);
}

void frmManage::cmdCancel_Click() {
    reject();
}

void frmManage::done(int result) {
    QDialog::done(result);
    refreshMain();
}

void frmManage::refreshMain() {
    if (Result<void> filled = m_main.picLeftBar().PopulateTreeBars(); !filled)
        reportError(QStringLiteral("The lists could not be read."), filled.error(), &m_main);
    frmTableWindow* active = m_main.activeTableWindow();
    // A rename or a deletion may show in any open timetable; without one, a redraw of every
    // window would make a large school wait for nothing.
    if (m_changed)
        m_main.redraws().redrawAll();
    else if (active)
        m_main.RefreshTable(*active);
    if (!active)
        return;
    // The refilled lists hold no cell's items: a click would write "none" into the cell.
    active->ClickMyGrid();
}
