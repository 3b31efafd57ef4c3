#include "PrintKit.h"

#include "PageSurface.h"
#include "platform/FlexGrid.h"
#include "platform/Twips.h"

#include <QImage>
#include <QPrinter>

#include <algorithm>
#include <cmath>

namespace {

// Page measures are sums of decimal inches: an edge exactly on the limit must still count.
constexpr double Tolerance = 1e-9;

// The scale, 1 at most, at which the grid drawn with `pixelsPerTwip` fits into `room`. Each row
// and column is rounded to whole pixels, so a first guess may overshoot a little: try again.
double fitScale(const FlexGrid& grid, double pixelsPerTwip, const QSizeF& room) {
    double scale = 1;
    for (int attempt = 0; attempt < 3; ++attempt) {
        const QSize drawn = grid.paintedSize(pixelsPerTwip * scale);
        if (drawn.width() <= room.width() && drawn.height() <= room.height())
            break;
        scale *= std::min(room.width() / drawn.width(), room.height() / drawn.height());
    }
    return scale;
}

} // namespace

double PrintKit::screenPixelsPerInch() {
    return 1440.0 / Twips::perPixel();
}

bool PrintKit::BeginPrintPage(PageSurface* target, bool toPrinter, double pageWidth,
                              double pageHeight) {
    m_toPrinter = toPrinter;
    m_pageWidth = pageWidth;
    m_pageHeight = pageHeight;
    const QRectF printable = m_printer.pageRect(QPrinter::Inch);
    m_offsetX = (pageWidth - printable.width()) / 2;
    m_offsetY = (pageHeight - printable.height()) / 2;
    if (toPrinter) {
        m_target = nullptr;
        return m_painter.begin(&m_printer);
    }
    m_target = target;
    fitSurface(*target);
    return m_painter.begin(&target->page());
}

void PrintKit::fitSurface(PageSurface& target) {
    const double ppi = screenPixelsPerInch();
    const double heightRatio = target.height() / ppi / m_pageHeight;
    const double widthRatio = target.width() / ppi / m_pageWidth;
    QSize size = target.size();
    if (heightRatio < widthRatio) {
        m_zoom = heightRatio;
        size.setWidth(qRound(m_zoom * m_pageWidth * ppi));
    } else {
        m_zoom = widthRatio;
        size.setHeight(qRound(m_zoom * m_pageHeight * ppi));
    }
    target.resizePage(size);
}

double PrintKit::pixelsPerInch() const {
    return m_toPrinter ? m_printer.resolution() : m_zoom * screenPixelsPerInch();
}

QRectF PrintKit::deviceRect(double x, double y, double width, double height) const {
    const double ppi = pixelsPerInch();
    const double left = m_toPrinter ? x - m_offsetX : x;
    const double top = m_toPrinter ? y - m_offsetY : y;
    return {left * ppi, top * ppi, width * ppi, height * ppi};
}

QRectF PrintKit::printableRect() const {
    return {m_offsetX, m_offsetY, m_pageWidth - 2 * m_offsetX, m_pageHeight - 2 * m_offsetY};
}

bool PrintKit::fitsPrintable(double x, double y, double width, double height) const {
    return x >= m_offsetX - Tolerance && y >= m_offsetY - Tolerance && width >= 0 && height >= 0 &&
           x + width <= m_pageWidth - m_offsetX + Tolerance &&
           y + height <= m_pageHeight - m_offsetY + Tolerance;
}

void PrintKit::PrintBox(double x, double y, double width, double height) {
    m_painter.drawRect(deviceRect(x, y, width, height));
}

void PrintKit::PrintLine(double x1, double y1, double x2, double y2) {
    const QRectF span = deviceRect(x1, y1, x2 - x1, y2 - y1);
    m_painter.drawLine(span.topLeft(), span.bottomRight());
}

void PrintKit::PrintPictureBox(const QImage& picture, double x, double y, double width,
                               double height) {
    if (!fitsPrintable(x, y, width, height) || picture.isNull())
        return;
    const QRectF exact = deviceRect(x, y, width, height);
    const QRect destination(qRound(exact.left()), qRound(exact.top()), qRound(exact.width()),
                            qRound(exact.height()));
    m_painter.drawImage(destination, picture);
}

void PrintKit::PrintGrid(const FlexGrid& grid) {
    const QRectF printable = printableRect();
    const QRectF room =
        deviceRect(printable.x(), printable.y(), printable.width(), printable.height());
    const double ownSize = pixelsPerInch() / 1440;
    m_painter.save();
    m_painter.translate(room.topLeft());
    grid.paintAll(m_painter, ownSize * fitScale(grid, ownSize, room.size()));
    m_painter.restore();
}

bool PrintKit::EndPrintPage() {
    const bool finished = m_painter.end();
    if (m_target)
        m_target->update();
    return finished;
}
