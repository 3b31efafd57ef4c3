#include "TreeBars.h"

#include "ClickLabel.h"
#include "ErrorReport.h"
#include "LeftBarPanel.h"
#include "ModMain.h"
#include "NameBox.h"
#include "platform/Cursor.h"
#include "platform/Resources.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>
#include <QTreeWidget>

#include <functional>
#include <utility>

namespace {

struct ListText {
    const char* title;
    const char* caption;
    const char* box;
};

constexpr std::array<ListText, TreeBars::Count> Lists = {{
    {"Tutors", "Tutor name:", "txtTutorName"},
    {"Subjects", "Subject name:", "txtSubjectName"},
    {"Rooms", "Room name:", "txtRoomName"},
    {"Classes", "Class name:", "txtClassName"},
}};

constexpr int BusyRole = Qt::UserRole + 1;
constexpr int KeyRole = Qt::UserRole;

const QIcon& freeIcon() {
    static const QIcon icon = Resources::icon(QStringLiteral("free"));
    return icon;
}

const QIcon& busyIcon() {
    static const QIcon icon = Resources::icon(QStringLiteral("busy"));
    return icon;
}

// The selection changes only by a click on an item (the left button pressed and released on
// it), by the program and by the name boxes: the right button only asks for the pop-up, and
// keys, drags and presses that end elsewhere move nothing, so the lists always show the cell.
class ListInputFilter : public QObject {
public:
    ListInputFilter(QTreeWidget& tree, std::function<void(QTreeWidgetItem*)> clicked,
                    std::function<void(QPoint)> menu)
        : QObject(&tree), m_tree(tree), m_clicked(std::move(clicked)), m_menu(std::move(menu)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton)
                m_pressed = m_tree.itemAt(mouse->position().toPoint());
            return true;
        }
        case QEvent::MouseMove:
            return true;
        case QEvent::MouseButtonRelease: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::RightButton) {
                m_menu(mouse->globalPosition().toPoint());
            } else if (mouse->button() == Qt::LeftButton) {
                QTreeWidgetItem* released = m_tree.itemAt(mouse->position().toPoint());
                QTreeWidgetItem* pressed = std::exchange(m_pressed, nullptr);
                if (released && released == pressed)
                    m_clicked(released);
            }
            return true;
        }
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent*>(event)->key();
            return key != Qt::Key_Tab && key != Qt::Key_Backtab;
        }
        default:
            return QObject::eventFilter(watched, event);
        }
    }

private:
    QTreeWidget& m_tree;
    std::function<void(QTreeWidgetItem*)> m_clicked;
    std::function<void(QPoint)> m_menu;
    QTreeWidgetItem* m_pressed = nullptr;
};

} // namespace

TreeBars::TreeBars(ModMain& state, QWidget* parent) : QWidget(parent), m_state(state) {
    setObjectName(QStringLiteral("picLeftBar"));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Midlight);
    setFixedWidth(Twips::toPixels(LeftBarLayout::BarWidth));
    setMouseTracking(true);
    for (int i = 0; i < Count; ++i)
        buildPanel(i);
    applyLayout();
    // Runs from the start; its first tick that finds the pointer outside the bar stops it.
    m_mouseTimer = new QTimer(this);
    m_mouseTimer->setObjectName(QStringLiteral("tmrLeftBarMouse"));
    m_mouseTimer->setInterval(100);
    connect(m_mouseTimer, &QTimer::timeout, this, &TreeBars::tmrLeftBarMouse_Timer);
    m_mouseTimer->start();
}

TreeBars::~TreeBars() {
    // A box losing the focus while the bar goes away must not write.
    for (const Panel& panel : m_panels)
        panel.box->disconnect(this);
}

void TreeBars::buildPanel(int index) {
    const ListText& text = Lists[index];
    Panel& p = m_panels[index];
    p.panel =
        new LeftBarPanel(index, QString::fromLatin1(text.title), QString::fromLatin1(text.caption),
                         QString::fromLatin1(text.box), this);
    p.box = &p.panel->box();
    p.tree = &p.panel->tree();
    auto* input = new ListInputFilter(
        *p.tree,
        [this, index](QTreeWidgetItem* item) {
            treeBar(index).setCurrentItem(item);
            treeBar_NodeClick(index);
        },
        [this](QPoint at) { emit listMenuRequested(at); });
    p.tree->viewport()->installEventFilter(input);
    p.tree->installEventFilter(input);

    connect(&p.panel->lblShow(), &ClickLabel::clicked, this,
            [this, index] { lblShow_Click(index); });
    connect(&p.panel->picShow(), &ClickLabel::clicked, this,
            [this, index] { picShow_Click(index); });
    connect(p.box, &QLineEdit::textEdited, this, [this, index] { FindMatch(index); });
    connect(p.box, &NameBox::keyPressed, this,
            [this, index](int key, bool hadText) { nameBox_KeyDown(index, key, hadText); });
    connect(p.box, &NameBox::enterPressed, this, [this, index] { emit enterPressed(index); });
    connect(p.box, &NameBox::gotFocus, p.box, &QLineEdit::selectAll);
    connect(p.box, &NameBox::lostFocus, this, [this, index] { nameBoxLeft(index); });
}

QWidget& TreeBars::picSep(int index) const {
    return *m_panels[index].panel;
}

ClickLabel& TreeBars::lblShow(int index) const {
    return m_panels[index].panel->lblShow();
}

ClickLabel& TreeBars::picShow(int index) const {
    return m_panels[index].panel->picShow();
}

void TreeBars::showPanelsFor(std::optional<ViewKind> kind, QWidget& focusHeir) {
    for (int i = 0; i < Count; ++i) {
        const bool shown = !kind || i != NameLists::listOf(*kind);
        if (!shown)
            handFocusBeforeHiding(*m_panels[i].panel, focusHeir);
        m_panels[i].panel->setVisible(shown);
    }
}

void TreeBars::handFocusBeforeHiding(const QWidget& going, QWidget& heir) {
    // Left to Qt, the focus of a hidden widget moves on along the focus chain, which runs from
    // the last list into the first timetable window: that window would activate itself.
    if (going.isAncestorOf(QApplication::focusWidget()))
        heir.setFocus(Qt::OtherFocusReason);
}

void TreeBars::lblShow_Click(int index) {
    readVisibility();
    const bool expanded = m_layout.lblShow_Click(index, heightInTwips());
    if (!expanded)
        handFocusBeforeHiding(*m_panels[index].tree, *m_panels[index].box);
    m_panels[index].panel->showExpanded(expanded);
    applyLayout();
    emit panelToggled(index, expanded);
}

void TreeBars::picShow_Click(int index) {
    lblShow_Click(index);
}

void TreeBars::SizeBarsStartup() {
    readVisibility();
    m_layout.SizeBarsStartup();
    applyLayout();
}

void TreeBars::ResizeLeftBar() {
    readVisibility();
    m_layout.ResizeLeftBar(heightInTwips());
    applyLayout();
}

void TreeBars::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ResizeLeftBar();
}

void TreeBars::mousePressEvent(QMouseEvent* event) {
    m_layout.LeftBarMouseDown = true;
    event->accept();
}

void TreeBars::mouseReleaseEvent(QMouseEvent* event) {
    m_layout.LeftBarMouseDown = false;
    event->accept();
}

void TreeBars::mouseMoveEvent(QMouseEvent* event) {
    if (m_layout.picLeftBar_MouseMove(event->position().y() * Twips::perPixel())) {
        setCursor(Qt::SizeVerCursor);
        m_mouseTimer->start();
    }
}

void TreeBars::tmrLeftBarMouse_Timer() {
    const QPoint screen = Cursor::pos();
    const QWidget* frame = parentWidget();
    const QPointF inFrame = frame ? frame->mapFromGlobal(screen) : QPointF(screen);
    const double perPixel = Twips::perPixel();
    const QRectF bar(x() * perPixel, y() * perPixel, width() * perPixel, height() * perPixel);
    readVisibility();
    const LeftBarLayout::TimerStep step = m_layout.tmrLeftBarMouse_Timer(
        inFrame, mapFromGlobal(screen), bar, perPixel, perPixel, heightInTwips());
    if (!step.inside) {
        unsetCursor();
        m_mouseTimer->stop();
        return;
    }
    if (step.resized)
        applyLayout();
}

int TreeBars::heightInTwips() const {
    return Twips::fromPixels(height());
}

void TreeBars::readVisibility() {
    // The panel's own flag: isVisible() is false for all while the bar itself is hidden.
    for (int i = 0; i < Count; ++i)
        m_layout.setVisible(i, !m_panels[i].panel->isHidden());
}

void TreeBars::applyLayout() {
    for (int i = 0; i < Count; ++i)
        m_panels[i].panel->place(m_layout.panel(i));
}

Result<void> TreeBars::PopulateTreeBars() {
    for (int index = 0; index < Count; ++index) {
        treeBar(index).clear();
        m_panels[index].items.clear();
        m_panels[index].busyIds.clear();
        m_panels[index].unmarkedIds.clear();
        QTreeWidgetItem* blank = AddTreeBarItem(index, QStringLiteral("<Blank>"), 1);
        if (index == Subjects)
            treeBar(index).setCurrentItem(blank);
        Result<QList<NameLists::Entry>> entries =
            NameLists::readAll(m_state.db(), NameLists::All[index]);
        if (!entries)
            return entries.error();
        for (const NameLists::Entry& entry : entries.value())
            AddTreeBarItem(index, entry.name, entry.id);
    }
    emit refilled();
    return {};
}

QTreeWidgetItem* TreeBars::AddTreeBarItem(int index, const QString& s, int id) {
    auto* node = new QTreeWidgetItem(&treeBar(index), QStringList{s});
    node->setData(0, KeyRole, QStringLiteral("K%1").arg(id));
    node->setData(0, BusyRole, false);
    node->setIcon(0, freeIcon());
    Panel& panel = m_panels[index];
    panel.items.add(id, node);
    // Free until the next marks, which must then look at this id's items again.
    if (panel.busyIds.contains(id))
        panel.unmarkedIds.insert(id);
    return node;
}

int TreeBars::nodeId(const QTreeWidgetItem* node) {
    return node ? node->data(0, KeyRole).toString().mid(1).toInt() : 1;
}

int TreeBars::selectedId(int index) const {
    const QList<QTreeWidgetItem*> selected = treeBar(index).selectedItems();
    return selected.isEmpty() ? 1 : nodeId(selected.first());
}

QString TreeBars::selectedName(int index) const {
    const QList<QTreeWidgetItem*> selected = treeBar(index).selectedItems();
    if (selected.isEmpty() || nodeId(selected.first()) == 1)
        return {};
    return selected.first()->text(0);
}

QTreeWidgetItem* TreeBars::FindTreeNodeByText(int index, const QString& text) const {
    const QTreeWidget& tree = treeBar(index);
    for (int i = 0; i < tree.topLevelItemCount(); ++i) {
        if (tree.topLevelItem(i)->text(0) == text)
            return tree.topLevelItem(i);
    }
    return nullptr;
}

void TreeBars::SelectTreeBarNodeById(int index, int id) {
    QTreeWidgetItem* node = m_panels[index].items.first(id);
    if (!node)
        return;
    treeBar(index).setCurrentItem(node);
    ClickMyTreeBar(index, node);
}

void TreeBars::ClickMyTreeBar(int index, QTreeWidgetItem*) {
    treeBar_NodeClick(index);
}

void TreeBars::treeBar_NodeClick(int index) {
    if (!m_state.KeepSpecialID)
        m_state.CurrentSpecialID = 1;
    if (m_state.TreeClickWritesSlot)
        emit writeRequested(index);
    // The echo is not typing: it never runs the completion, so the box shows the clicked item.
    nameBox(index).setText(selectedName(index));
}

void TreeBars::FindMatch(int index) {
    if (!AutoCompleteOn)
        return;
    NameBox& box = nameBox(index);
    if (box.text().isEmpty() || NameBoxDeleting) {
        NameBoxDeleting = false;
        return;
    }
    const QTreeWidget& tree = treeBar(index);
    for (int i = 0; i < tree.topLevelItemCount(); ++i) {
        const QTreeWidgetItem* node = tree.topLevelItem(i);
        if (!node->text(0).startsWith(box.text(), Qt::CaseInsensitive))
            continue;
        const int caret = box.cursorPosition();
        const QString completed = nodeId(node) == 1 ? QString() : node->text(0);
        {
            FlagGuard quiet(AutoCompleteOn, false);
            box.setText(completed);
        }
        if (completed.size() >= caret)
            box.setSelection(caret, completed.size() - caret);
        return;
    }
}

void TreeBars::nameBox_KeyDown(int, int key, bool hadText) {
    if (key == Qt::Key_Backspace || key == Qt::Key_Delete) {
        if (hadText)
            NameBoxDeleting = true;
        return;
    }
    NameBoxDeleting = false;
}

void TreeBars::nameBoxLeft(int index) {
    NameBox& box = nameBox(index);
    const QString text = box.text();
    QTreeWidget& tree = treeBar(index);
    QTreeWidgetItem* node = FindTreeNodeByText(index, text);
    if (!text.isEmpty() && !node) {
        Result<int> id = NameLists::add(m_state.db(), NameLists::All[index], text);
        if (!id) {
            reportError(QStringLiteral("The name \"%1\" could not be added.").arg(text), id.error(),
                        this);
            return;
        }
        QTreeWidgetItem* added = AddTreeBarItem(index, text, id.value());
        tree.setCurrentItem(added);
        ClickMyTreeBar(index, added);
        return;
    }
    // Only a box that names another item than the selected one (or was emptied) changes the
    // cell: clicking in and out again writes nothing.
    const QList<QTreeWidgetItem*> selected = tree.selectedItems();
    const QTreeWidgetItem* current = selected.isEmpty() ? nullptr : selected.first();
    const bool unchanged =
        text.isEmpty() ? nodeId(current) == 1 : current && current->text(0) == text;
    if (!unchanged) {
        if (node) {
            tree.setCurrentItem(node);
        } else {
            tree.clearSelection();
            tree.setCurrentItem(nullptr);
        }
        ClickMyTreeBar(index, node);
    }
    box.selectAll();
}

void TreeBars::setBusy(int index, const QSet<int>& busyIds) {
    // Only the ids that change, and those with an item added since the last marks, are looked
    // at: one period's marks follow the last ones at the cost of what differs.
    Panel& panel = m_panels[index];
    for (int id : std::as_const(panel.busyIds)) {
        if (!busyIds.contains(id))
            markBusy(index, id, false);
    }
    for (int id : busyIds) {
        if (!panel.busyIds.contains(id) || panel.unmarkedIds.contains(id))
            markBusy(index, id, true);
    }
    panel.busyIds = busyIds;
    panel.unmarkedIds.clear();
}

void TreeBars::markBusy(int index, int id, bool busy) {
    for (QTreeWidgetItem* node : m_panels[index].items.items(id)) {
        if (node->data(0, BusyRole).toBool() == busy)
            continue;
        node->setData(0, BusyRole, busy);
        node->setIcon(0, busy ? busyIcon() : freeIcon());
    }
}

bool TreeBars::isBusy(const QTreeWidgetItem* node) {
    return node->data(0, BusyRole).toBool();
}
