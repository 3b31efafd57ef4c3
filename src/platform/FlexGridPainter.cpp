#include "FlexGridPainter.h"

#include "platform/FlexAlignment.h"
#include "platform/FlexGridData.h"
#include "platform/FlexGridLayout.h"
#include "platform/Twips.h"

#include <QPaintDevice>
#include <QPainter>
#include <QTextOption>

#include <algorithm>
#include <cmath>

namespace {

// A grid line is one screen pixel wide; text keeps a small gap from the lines.
constexpr int LineTwips = 15;
constexpr int TextGapTwips = 30;

Qt::Alignment toQtAlignment(int alignment) {
    if (alignment < flexAlignLeftTop || alignment > flexAlignRightBottom) {
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
    static constexpr Qt::AlignmentFlag horizontal[] = {Qt::AlignLeft, Qt::AlignHCenter,
                                                       Qt::AlignRight};
    static constexpr Qt::AlignmentFlag vertical[] = {Qt::AlignTop, Qt::AlignVCenter,
                                                     Qt::AlignBottom};
    return horizontal[alignment / 3] | vertical[alignment % 3];
}

} // namespace

FlexGridPainter::FlexGridPainter(const FlexGridData& data, const QFont& gridFont,
                                 double twipsPerPixel)
    : m_data(data), m_gridFont(gridFont), m_twipsPerPixel(twipsPerPixel) {}

int FlexGridPainter::twipsToPixels(int twips) const {
    return std::max(1, FlexGridLayout::pixels(twips, m_twipsPerPixel));
}

void FlexGridPainter::paint(QPainter& painter, const FlexGridLayout& layout, const QRect& area,
                            Marks marks) const {
    for (const auto& row : layout.rows()) {
        if (row.size <= 0 || row.end() <= area.top() || row.start > area.bottom()) {
            continue;
        }
        for (const auto& col : layout.cols()) {
            if (col.size <= 0 || col.end() <= area.left() || col.start > area.right()) {
                continue;
            }
            paintCell(painter, row.index, col.index,
                      QRect(col.start, row.start, col.size, row.size), marks);
        }
    }
}

void FlexGridPainter::paintTopLeftEdges(QPainter& painter, const QRect& whole) const {
    const int line = twipsToPixels(LineTwips);
    const FlexGridColors& colors = m_data.colors();
    // The top edge runs along the fixed row; the left along the fixed column, if there is one.
    painter.fillRect(QRect(whole.left(), whole.top(), whole.width(), line), colors.gridFixed);
    painter.fillRect(QRect(whole.left(), whole.top() + line, line, whole.height() - line),
                     m_data.fixedCols() > 0 ? colors.gridFixed : colors.grid);
}

void FlexGridPainter::paintCell(QPainter& painter, int row, int col, const QRect& rect,
                                Marks marks) const {
    const bool fixed = m_data.isFixed(row, col);
    const bool current = row == m_data.row() && col == m_data.col();
    const bool highlighted =
        !fixed && m_data.isSelected(row, col) && (current ? marks.current : marks.selection);
    const QColor background = highlighted ? m_data.colors().backSel : m_data.backColorAt(row, col);
    const QColor foreground = highlighted ? m_data.colors().foreSel : m_data.foreColorAt(row, col);

    // Lines run along the right and bottom edges, so neighbours never draw over each other.
    const int line = twipsToPixels(LineTwips);
    const QRect inner(rect.left(), rect.top(), rect.width() - line, rect.height() - line);
    painter.fillRect(inner, background);
    const QColor& lineColor = fixed ? m_data.colors().gridFixed : m_data.colors().grid;
    painter.fillRect(QRect(rect.right() - line + 1, rect.top(), line, rect.height()), lineColor);
    painter.fillRect(QRect(rect.left(), rect.bottom() - line + 1, rect.width(), line), lineColor);

    if (!inner.isValid()) {
        return;
    }
    paintText(painter, row, col, inner, foreground);
    if (marks.focus && current && !fixed) {
        paintFocus(painter, inner, background);
    }
}

void FlexGridPainter::paintText(QPainter& painter, int row, int col, const QRect& inner,
                                const QColor& color) const {
    QString text = m_data.text(row, col);
    if (text.isEmpty()) {
        return;
    }
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const int gap = twipsToPixels(TextGapTwips);
    const QRect box = inner.adjusted(gap, gap / 2, -gap, -gap / 2);

    QTextOption option(toQtAlignment(m_data.alignmentAt(row, col)));
    option.setWrapMode(m_data.wordWrap() ? QTextOption::WrapAtWordBoundaryOrAnywhere
                                         : QTextOption::ManualWrap);
    painter.save();
    painter.setClipRect(inner, Qt::IntersectClip);
    painter.setFont(scaledFont(m_data.fontAt(row, col, m_gridFont), painter));
    painter.setPen(color);
    painter.drawText(QRectF(box), text, option);
    painter.restore();
}

void FlexGridPainter::paintFocus(QPainter& painter, const QRect& inner,
                                 const QColor& background) const {
    QPen pen(background.lightness() < 128 ? Qt::white : Qt::black);
    pen.setStyle(Qt::DotLine);
    pen.setWidth(0);
    painter.save();
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(inner.adjusted(1, 1, -2, -2));
    painter.restore();
}

// Point sizes follow the device's resolution and pixel sizes the screen's; scale either so the
// text keeps its size against the cells when the grid is drawn at another scale (a bitmap at
// 2x, say, or a printer).
QFont FlexGridPainter::scaledFont(const QFont& font, const QPainter& painter) const {
    QFont scaled = font;
    if (font.pointSizeF() > 0) {
        const int deviceDpi = painter.device() ? painter.device()->logicalDpiY() : 0;
        const double factor = deviceDpi > 0 ? 1440.0 / m_twipsPerPixel / deviceDpi : 1.0;
        if (std::abs(factor - 1.0) > 1e-6) {
            scaled.setPointSizeF(font.pointSizeF() * factor);
        }
    } else if (font.pixelSize() > 0) {
        const double factor = Twips::perPixel() / m_twipsPerPixel;
        scaled.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pixelSize() * factor))));
    }
    return scaled;
}
