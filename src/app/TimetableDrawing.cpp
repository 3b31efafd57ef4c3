#include "TimetableDrawing.h"

#include "data/NumberText.h"
#include "data/TimeText.h"
#include "platform/ColorNumber.h"
#include "platform/FlexGrid.h"
#include "platform/KeepSelection.h"
#include "platform/RedrawOff.h"

#include <QLabel>

namespace {

double fontSizeOr(const QString& text, double fallback) {
    const std::optional<float> size = NumberText::fontSize(text);
    return size ? *size : fallback;
}

} // namespace

TimetableColors TimetableColors::of(const TimetableLook& look) {
    TimetableColors colors;
    colors.lessonBack = ColorNumber::toColor(ColorNumber::White);
    colors.periodFore = ColorNumber::fromText(look.periodForeground, Qt::black);
    colors.colHeadFore = ColorNumber::fromText(look.colHeadForeground, Qt::black);
    colors.rowHeadFore = ColorNumber::fromText(look.rowHeadForeground, Qt::black);
    colors.titleFore = ColorNumber::fromText(look.titleForeground, Qt::black);
    colors.unavailableBack = ColorNumber::fromText(look.unavailableBackground, Qt::lightGray);
    colors.unavailableFore = ColorNumber::fromText(look.unavailableForeground, Qt::black);
    return colors;
}

QFont TimetableDrawing::titleFont() const {
    QFont font(m_content.look.titleFont);
    font.setPointSizeF(fontSizeOr(m_content.look.titleFontSize, 14));
    font.setBold(true);
    return font;
}

void TimetableDrawing::drawTitle(QLabel& title) const {
    title.setText(m_content.title);
    title.setFont(titleFont());
    QPalette palette = title.palette();
    palette.setColor(QPalette::WindowText, TimetableColors::of(m_content.look).titleFore);
    title.setPalette(palette);
}

void TimetableDrawing::drawGrid(FlexGrid& g) const {
    const int col = g.Col();
    const int row = g.Row();
    const int colSel = g.ColSel();
    const int rowSel = g.RowSel();
    const double baseSize = g.font().pointSizeF();
    const TimetableColors colors = TimetableColors::of(m_content.look);

    RedrawOff redrawOff(g);
    drawColumnHeaders(g, colors, baseSize);
    drawDays(g, colors, baseSize);
    g.setRowHeight(0, m_content.fixedRowHeight);
    g.setColWidth(0, m_content.fixedColWidth);
    drawCells(g, colors, colors.periodFore, baseSize);
    g.setGridColor(colors.periodFore);
    g.setGridColorFixed(colors.periodFore);

    // Put the user back where they were; a place the grid no longer has is skipped.
    g.setCol(col);
    g.setRow(row);
    g.setColSel(colSel);
    g.setRowSel(rowSel);
}

void TimetableDrawing::drawColumnHeaders(FlexGrid& g, const TimetableColors& colors,
                                         double baseSize) const {
    const TimetableLook& look = m_content.look;
    g.setCols(1);
    g.setRow(0);
    for (int c = 1; c <= m_content.columns.size(); ++c) {
        const PeriodColumn& period = m_content.columns[c - 1];
        g.setCols(c + 1);
        g.setCol(c);
        g.setColData(c, period.id);
        if (period.specialId == 1) {
            g.setText(TimeText::periodHeader(period.start, period.duration));
            g.setCellBackColor(colors.lessonBack);
            g.setCellForeColor(colors.colHeadFore);
        } else {
            g.setText(period.specialName);
            g.setCellBackColor(colors.unavailableBack);
            g.setCellForeColor(colors.unavailableFore);
        }
        g.setCellFontSize(fontSizeOr(look.colHeadFontSize, baseSize));
        g.setCellFontName(look.colHeadFont);
        g.setColWidth(c, period.width);
        g.setColAlignment(c, flexAlignCenterCenter);
        g.setFixedAlignment(c, flexAlignCenterCenter);
    }
}

void TimetableDrawing::drawDays(FlexGrid& g, const TimetableColors& colors, double baseSize) const {
    const TimetableLook& look = m_content.look;
    g.setRows(1);
    g.setCol(0);
    g.setForeColorFixed(colors.rowHeadFore);
    g.setFixedAlignment(0, flexAlignCenterCenter);
    for (int r = 1; r <= m_content.days.size(); ++r) {
        const DayRow& day = m_content.days[r - 1];
        g.setRows(r + 1);
        g.setRow(r);
        g.setText(day.dow.toLower());
        g.setRowData(r, day.id);
        g.setRowHeight(r, day.height);
        g.setCellFontSize(fontSizeOr(look.rowHeadFontSize, baseSize));
        g.setCellFontName(look.rowHeadFont);
    }
}

void TimetableDrawing::redrawCells(FlexGrid& g, const QColor& lessonFore) const {
    const int col = g.Col();
    const int row = g.Row();
    RedrawOff redrawOff(g);
    drawCells(g, TimetableColors::of(m_content.look), lessonFore, g.font().pointSizeF());
    g.setCol(col);
    g.setRow(row);
}

void TimetableDrawing::redrawCell(FlexGrid& g, int row, int col, const DrawnSlot* drawn) const {
    KeepSelection keep(g);
    RedrawOff redrawOff(g);
    if (!drawn) {
        g.clearCell(row, col);
        return;
    }
    g.setRow(row);
    g.setCol(col);
    const TimetableColors colors = TimetableColors::of(m_content.look);
    drawSlot(g, *drawn, colors, colors.periodFore, g.font().pointSizeF());
}

void TimetableDrawing::drawCells(FlexGrid& g, const TimetableColors& colors,
                                 const QColor& lessonFore, double baseSize) const {
    g.setWordWrap(true);
    for (int r = 1; r <= m_content.days.size(); ++r) {
        for (int c = 1; c <= m_content.columns.size(); ++c) {
            const DrawnSlot* drawn =
                m_content.slotAt(m_content.columns[c - 1].start, m_content.days[r - 1].dow);
            if (!drawn)
                continue;
            g.setRow(r);
            g.setCol(c);
            drawSlot(g, *drawn, colors, lessonFore, baseSize);
        }
    }
}

void TimetableDrawing::drawSlot(FlexGrid& g, const DrawnSlot& drawn, const TimetableColors& colors,
                                const QColor& lessonFore, double baseSize) const {
    const TimetableLook& look = m_content.look;
    if (drawn.specialId >= 2 && drawn.specialId <= 4) {
        g.setText(QString());
        g.setCellBackColor(colors.unavailableBack);
    } else {
        g.setText(TimetableStore::formatSlotText(drawn.tutor, drawn.subject, drawn.room,
                                                 drawn.className, m_content.viewBy));
        g.setCellBackColor(colors.lessonBack);
    }
    g.setCellFontSize(fontSizeOr(look.periodFontSize, baseSize));
    g.setCellForeColor(lessonFore);
    g.setCellFontName(look.periodFont);
}
