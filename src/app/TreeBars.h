#pragma once

#include "LeftBarLayout.h"
#include "TreeItemsById.h"
#include "data/NameLists.h"
#include "data/Result.h"

#include <QSet>
#include <QWidget>

#include <array>
#include <optional>

class ClickLabel;
class LeftBarPanel;
class ModMain;
class NameBox;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

// The left bar's four lists (Tutors, Subjects, Rooms, Classes) with their name boxes. An item's
// key is "K" and its row id; the first item of every list is "<Blank>" (id 1, none).
// The list index is the same everywhere: 0 Tutors, 1 Subjects, 2 Rooms, 3 Classes.
// The lists are stacked panels, each opened and closed from its link; the gaps between them
// are dragged to change a panel's height.
class TreeBars : public QWidget {
    Q_OBJECT
public:
    using Index = NameLists::List;
    static constexpr Index Tutors = NameLists::Tutor;
    static constexpr Index Subjects = NameLists::Subject;
    static constexpr Index Rooms = NameLists::Room;
    static constexpr Index Classes = NameLists::Class;
    static constexpr int Count = NameLists::Count;

    explicit TreeBars(ModMain& state, QWidget* parent = nullptr);
    ~TreeBars() override;

    QTreeWidget& treeBar(int index) const { return *m_panels[index].tree; }
    NameBox& nameBox(int index) const { return *m_panels[index].box; }
    QWidget& picSep(int index) const;
    ClickLabel& lblShow(int index) const;
    ClickLabel& picShow(int index) const;
    QTimer& tmrLeftBarMouse() const { return *m_mouseTimer; }
    const LeftBarLayout& layoutModel() const { return m_layout; }
    bool isExpanded(int index) const { return m_layout.panel(index).expanded; }

    // Clears and refills the four lists from the database, then reports `refilled`.
    Result<void> PopulateTreeBars();
    QTreeWidgetItem* AddTreeBarItem(int index, const QString& s, int id);

    static int nodeId(const QTreeWidgetItem* node);
    // The id of the list's selected item; 1 (none) when nothing is selected.
    int selectedId(int index) const;
    // The text of the selected item; "" when nothing or "<Blank>" is selected.
    QString selectedName(int index) const;

    // The first item whose text equals `text` exactly; null when none.
    QTreeWidgetItem* FindTreeNodeByText(int index, const QString& text) const;
    // Selects the first item with this id and runs its click handling; nothing when none has it.
    void SelectTreeBarNodeById(int index, int id);
    // Runs the click handling of an item (selected by the caller) as if the user clicked it.
    void ClickMyTreeBar(int index, QTreeWidgetItem* node);

    // Completes the box's text from its list.
    void FindMatch(int index);
    // The leave handling of a name box: selects (or adds) the item it names and writes it.
    void nameBoxLeft(int index);

    // Marks the given ids busy and every other item of the list free.
    void setBusy(int index, const QSet<int>& busyIds);
    static bool isBusy(const QTreeWidgetItem* node);

    // Shows the panels of the lists a timetable of `kind` edits and hides the one of its own
    // kind (none for an unknown kind). A hidden panel's focus goes to `focusHeir`.
    void showPanelsFor(std::optional<ViewKind> kind, QWidget& focusHeir);

    // Opens or closes panel `index` (the link, the arrow and the View menu all come here).
    void lblShow_Click(int index);
    void picShow_Click(int index);
    // Stacks the shown panels with heights taken from their contents.
    void SizeBarsStartup();
    // Stacks the shown panels with their own heights and stretches the last one to the bottom.
    void ResizeLeftBar();
    // Follows the mouse while it is over the bar; a drag changes a panel's height here only.
    void tmrLeftBarMouse_Timer();

    bool AutoCompleteOn = true;
    bool NameBoxDeleting = false;

signals:
    // A panel was opened (true) or closed.
    void panelToggled(int index, bool expanded);
    // A click (the user's or the program's) that should write the current cell.
    void writeRequested(int index);
    // Enter in a name box.
    void enterPressed(int index);
    // The right button was released over a list.
    void listMenuRequested(const QPoint& globalPosition);
    // The lists were refilled and hold no cell's items.
    void refilled();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    struct Panel {
        LeftBarPanel* panel = nullptr;
        QTreeWidget* tree = nullptr;
        NameBox* box = nullptr;
        TreeItemsById items;
        // The ids whose items show the busy mark, but for items added since (`unmarkedIds`).
        QSet<int> busyIds;
        QSet<int> unmarkedIds;
    };
    void buildPanel(int index);
    void treeBar_NodeClick(int index);
    int heightInTwips() const;
    // Copies the panels' shown/hidden flags into the layout, and the layout back to the panels.
    void readVisibility();
    void applyLayout();
    void nameBox_KeyDown(int index, int key, bool hadText);
    void markBusy(int index, int id, bool busy);
    static void handFocusBeforeHiding(const QWidget& going, QWidget& heir);

    ModMain& m_state;
    std::array<Panel, Count> m_panels;
    LeftBarLayout m_layout;
    QTimer* m_mouseTimer = nullptr;
};
