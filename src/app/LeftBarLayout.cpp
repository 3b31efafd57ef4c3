#include "LeftBarLayout.h"

#include <cmath>

namespace {

// A height never goes below zero: a step that would make it negative (a bar too short for its
// panels, a drag above the panel's top) is skipped and the rest of the layout goes on.
void setHeight(int& height, double value) {
    if (value >= 0)
        height = static_cast<int>(std::lround(value));
}

} // namespace

LeftBarLayout::LeftBarLayout() {
    SizeBarsStartup();
}

bool LeftBarLayout::lblShow_Click(int index, int barHeight) {
    Panel& p = m_panels[index];
    p.expanded = !p.expanded;
    if (p.expanded) {
        if (p.treeHeight < MinExpandedTree)
            p.treeHeight = MinExpandedTree;
        p.height = TreeTop + p.treeHeight + ExpandMargin;
    } else {
        p.height = LinkTop + LinkHeight + CollapseMargin;
    }
    ResizeLeftBar(barHeight);
    return p.expanded;
}

void LeftBarLayout::SizeBarsStartup() {
    int bottom = -1;
    for (Panel& p : m_panels) {
        if (!p.visible)
            continue;
        p.top = bottom == -1 ? FirstTop : bottom + Gap;
        p.height =
            p.expanded ? TreeTop + p.treeHeight + StackMargin : LinkTop + LinkHeight + StackMargin;
        bottom = p.bottom();
    }
}

void LeftBarLayout::ResizeLeftBar(int barHeight) {
    int bottom = -1;
    for (Panel& p : m_panels) {
        if (!p.visible)
            continue;
        p.top = bottom == -1 ? FirstTop : bottom + Gap;
        setHeight(p.treeHeight, p.height - TreeTop - StackMargin);
        bottom = p.bottom();
    }
    const int last = lastVisible();
    if (last < 0)
        return;
    Panel& p = m_panels[last];
    setHeight(p.height, barHeight - p.top);
    setHeight(p.treeHeight, p.height - TreeTop - StackMargin);
}

int LeftBarLayout::lastVisible() const {
    for (int i = Count - 1; i >= 0; --i) {
        if (m_panels[i].visible)
            return i;
    }
    return -1;
}

bool LeftBarLayout::picLeftBar_MouseMove(double y) {
    if (y == LeftBarLastY)
        return false;
    // During a drag only the position is kept: the timer does the resizing.
    if (LeftBarMouseDown) {
        LeftBarLastY = y;
        return false;
    }
    for (int i = 0; i < Count - 1; ++i) {
        if (m_panels[i].bottom() <= y && y <= m_panels[i + 1].bottom())
            return true;
    }
    return false;
}

LeftBarLayout::TimerStep
LeftBarLayout::tmrLeftBarMouse_Timer(QPointF inMain, QPointF inBar, const QRectF& bar,
                                     double twipsPerPixelX, double twipsPerPixelY, int barHeight) {
    const double left = bar.left() / twipsPerPixelX;
    const double right = (bar.left() + bar.width()) / twipsPerPixelX;
    const double top = bar.top() / twipsPerPixelY;
    const double bottom = (bar.top() + bar.height()) / twipsPerPixelY;
    TimerStep step;
    step.inside =
        left < inMain.x() && inMain.x() < right && top < inMain.y() && inMain.y() < bottom;
    if (!step.inside)
        return step;
    // Every separator is tested and the last match wins.
    for (int i = 0; i < Count - 1; ++i) {
        const double from = (m_panels[i].bottom() - SplitBand) / twipsPerPixelY;
        const double to = (m_panels[i + 1].top + SplitBand) / twipsPerPixelY;
        if (from <= inBar.y() && inBar.y() <= to)
            LeftBarSplitIndex = i;
    }
    if (LeftBarMouseDown) {
        dragTo(inBar.y() * twipsPerPixelY);
        ResizeLeftBar(barHeight);
        step.resized = true;
    }
    return step;
}

void LeftBarLayout::dragTo(double barY) {
    Panel& p = m_panels[LeftBarSplitIndex];
    const double target = barY - p.top;
    // A low panel only grows, so a drag cannot squeeze it to nothing.
    if (p.height < GrowOnlyBelow) {
        if (target > p.height)
            setHeight(p.height, target);
        return;
    }
    setHeight(p.height, target);
}
