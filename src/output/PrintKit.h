#pragma once

#include <QPainter>
#include <QRect>
#include <QRectF>

class FlexGrid;
class PageSurface;
class QImage;
class QPrinter;

// Draws one page measured in inches from its top-left corner, either on the printer or on a
// page surface that stands for it. Call begin, any number of box, line and picture calls, then
// end. On the printer, page inches are moved by the unprintable border; on a surface the page
// is zoomed to fit the surface, keeping its proportions.
class PrintKit {
public:
    explicit PrintKit(QPrinter& printer) : m_printer(printer) {}

    // False when the printer could not start a document.
    bool BeginPrintPage(PageSurface* target, bool toPrinter, double pageWidth, double pageHeight);
    void PrintBox(double x, double y, double width, double height);
    void PrintLine(double x1, double y1, double x2, double y2);
    // The picture stretched into the rectangle; nothing when the rectangle leaves the
    // printable part of the page or has a negative size.
    void PrintPictureBox(const QImage& picture, double x, double y, double width, double height);
    // The whole grid from the top-left corner of the printable part of the page: at its own
    // size (a twip on screen is a twip on paper) when it fits there, else scaled down to fit,
    // keeping its proportions.
    void PrintGrid(const FlexGrid& grid);
    // Finishes the page (on the printer: sends the document). False when that failed.
    bool EndPrintPage();

    double PrintOffsetX() const { return m_offsetX; }
    double PrintOffsetY() const { return m_offsetY; }
    double PrintZoom() const { return m_zoom; }

    // Where a page rectangle in inches lands on the target, in its device pixels.
    QRectF deviceRect(double x, double y, double width, double height) const;
    // True when the rectangle lies within the printable part of the page.
    bool fitsPrintable(double x, double y, double width, double height) const;

    // Screen pixels per inch, the unit of a surface's size.
    static double screenPixelsPerInch();

private:
    void fitSurface(PageSurface& target);
    // The printable part of the page, in page inches.
    QRectF printableRect() const;
    double pixelsPerInch() const;

    QPrinter& m_printer;
    PageSurface* m_target = nullptr;
    QPainter m_painter;
    bool m_toPrinter = false;
    double m_pageWidth = 0;
    double m_pageHeight = 0;
    double m_offsetX = 0;
    double m_offsetY = 0;
    double m_zoom = 1;
};
