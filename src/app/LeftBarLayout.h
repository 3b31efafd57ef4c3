#pragma once

#include <QPointF>
#include <QRectF>

#include <array>

// The left bar's geometry in twips, without widgets: where each of the four panels sits, how
// high it and its tree are, and the state of a splitter drag. The bar widget copies each
// panel's shown/hidden flag in, runs a step and places its widgets from the result.
class LeftBarLayout {
public:
    static constexpr int Count = 4;

    // The designed places inside a panel and the bar's fixed width.
    static constexpr int BarWidth = 2385;
    static constexpr int PanelLeft = -30;
    static constexpr int FirstTop = -30;
    static constexpr int Gap = 40;
    static constexpr int LinkTop = 870;
    static constexpr int LinkHeight = 195;
    static constexpr int TreeTop = 1140;
    static constexpr int TreeDesignHeight = 900;
    static constexpr int MinExpandedTree = 1035;
    static constexpr int StackMargin = 150;    // below the tree or link when stacking
    static constexpr int ExpandMargin = 40;    // below the tree right after opening
    static constexpr int CollapseMargin = 100; // below the link right after closing
    static constexpr int GrowOnlyBelow = 1500; // a panel lower than this only grows by a drag
    static constexpr int SplitBand = 200;      // how far the drag band reaches into each panel

    struct Panel {
        bool visible = true; // the panel's own flag, not whether the screen shows it
        bool expanded = false;
        int top = 0;
        int height = 0;
        int treeHeight = TreeDesignHeight;
        int bottom() const { return top + height; }
    };

    // What a tick of the mouse timer decided.
    struct TimerStep {
        bool inside = false; // the cursor is over the bar; when not, the timer stops
        bool resized = false;
    };

    LeftBarLayout();

    const Panel& panel(int index) const { return m_panels[index]; }
    void setVisible(int index, bool visible) { m_panels[index].visible = visible; }

    // Opens a closed panel or closes an open one and re-stacks; returns the new state.
    bool lblShow_Click(int index, int barHeight);
    // Stacks the shown panels with heights taken from their contents.
    void SizeBarsStartup();
    // Stacks the shown panels with their own heights; the last one reaches the bar's bottom.
    void ResizeLeftBar(int barHeight);

    // A mouse move over the bar where no panel covers it, at `y` twips. True when the pointer
    // should show the vertical resize shape and the timer should run.
    bool picLeftBar_MouseMove(double y);
    // One tick of the mouse timer: `inMain` is the cursor in pixels of the bar's parent, `inBar`
    // in pixels of the bar, `bar` the bar's place in twips of its parent.
    TimerStep tmrLeftBarMouse_Timer(QPointF inMain, QPointF inBar, const QRectF& bar,
                                    double twipsPerPixelX, double twipsPerPixelY, int barHeight);

    bool LeftBarMouseDown = false;
    double LeftBarLastY = 0;
    int LeftBarSplitIndex = 0;

private:
    int lastVisible() const;
    void dragTo(double barY);

    std::array<Panel, Count> m_panels;
};
