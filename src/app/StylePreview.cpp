#include "StylePreview.h"

#include "TimetableDrawing.h"
#include "data/NumberText.h"
#include "platform/Resources.h"

#include <QFont>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

// The stored pictures, by list position.
const char* const StoredPictures[] = {"style-blue", "style-black-on-white"};
constexpr int StoredCount = int(std::size(StoredPictures));

constexpr int DayCount = 5;
constexpr int PeriodCount = 5;
constexpr int LunchPeriod = 2;
const char* const Days[DayCount] = {"mon", "tue", "wed", "thu", "fri"};
const char* const PeriodHeaders[PeriodCount] = {"9:00", "9:40", "Lunch", "1:00", "1:40"};
const char* const Lessons[DayCount][PeriodCount] = {
    {"Maths", "Eng", "", "Art", "Sci"}, {"Eng", "Maths", "", "Sci", "PE"},
    {"Sci", "Art", "", "Maths", "Eng"}, {"PE", "Sci", "", "Eng", "Maths"},
    {"Art", "Maths", "", "PE", "Eng"},
};

constexpr int TitleHeight = 14;
constexpr int RowHeaderWidth = 22;
constexpr int HeaderHeight = 10;
// A point of the timetable is this many pixels of the sample, so sizes keep their proportions.
constexpr double PixelsPerPoint = 0.7;

QFont sampleFont(const QString& family, const QString& sizeText, double fallbackPoints,
                 int maxPixels) {
    const double points = NumberText::fontSize(sizeText).value_or(float(fallbackPoints));
    QFont font(family);
    font.setPixelSize(std::clamp(int(std::lround(points * PixelsPerPoint)), 5, maxPixels));
    return font;
}

// Where the n-th of `count` equal parts of [start, end] begins, on whole pixels.
int split(int start, int end, int n, int count) {
    return start + int(std::lround(double(end - start) * n / count));
}

void drawCellText(QPainter& p, const QRect& cell, const QString& text) {
    p.drawText(cell.adjusted(1, 0, 0, 0), Qt::AlignCenter, text);
}

} // namespace

namespace StylePreview {

QPixmap picture(int listPosition, const TimetableLook& look) {
    if (listPosition < 0)
        return {};
    if (listPosition < StoredCount)
        return Resources::picture(QString::fromLatin1(StoredPictures[listPosition]));
    return QPixmap::fromImage(sample(look));
}

QImage sample(const TimetableLook& look, QSize size) {
    const TimetableColors colors = TimetableColors::of(look);
    QImage image(size, QImage::Format_RGB32);
    image.fill(colors.lessonBack);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);

    QFont title = sampleFont(look.titleFont, look.titleFontSize, 14, TitleHeight - 2);
    title.setBold(true);
    p.setFont(title);
    p.setPen(colors.titleFore);
    p.drawText(QRect(0, 0, size.width(), TitleHeight), Qt::AlignCenter, QStringLiteral("Class 7A"));

    // The grid's lines are on these pixels: one more column and row than there are cells.
    const int right = size.width() - 1;
    const int bottom = size.height() - 1;
    auto colX = [&](int c) {
        return c == 0 ? 0 : split(RowHeaderWidth, right, c - 1, PeriodCount);
    };
    auto rowY = [&](int r) {
        return r == 0 ? TitleHeight : split(TitleHeight + HeaderHeight, bottom, r - 1, DayCount);
    };
    auto cell = [&](int r, int c) {
        return QRect(QPoint(colX(c) + 1, rowY(r) + 1), QPoint(colX(c + 1) - 1, rowY(r + 1) - 1));
    };

    p.fillRect(
        QRect(cell(0, LunchPeriod + 1).topLeft(), cell(DayCount, LunchPeriod + 1).bottomRight()),
        colors.unavailableBack);

    p.setFont(sampleFont(look.colHeadFont, look.colHeadFontSize, 9, HeaderHeight - 2));
    for (int c = 1; c <= PeriodCount; ++c) {
        p.setPen(c - 1 == LunchPeriod ? colors.unavailableFore : colors.colHeadFore);
        drawCellText(p, cell(0, c), QString::fromLatin1(PeriodHeaders[c - 1]));
    }
    const int dayHeight = rowY(2) - rowY(1);
    p.setFont(sampleFont(look.rowHeadFont, look.rowHeadFontSize, 9, dayHeight));
    p.setPen(colors.rowHeadFore);
    for (int r = 1; r <= DayCount; ++r)
        drawCellText(p, cell(r, 0), QString::fromLatin1(Days[r - 1]));
    p.setFont(sampleFont(look.periodFont, look.periodFontSize, 8, dayHeight));
    p.setPen(colors.periodFore);
    for (int r = 1; r <= DayCount; ++r)
        for (int c = 1; c <= PeriodCount; ++c)
            drawCellText(p, cell(r, c), QString::fromLatin1(Lessons[r - 1][c - 1]));

    // The grid lines take the periods' colour, as on the timetable itself.
    p.setPen(colors.periodFore);
    for (int c = 0; c <= PeriodCount + 1; ++c)
        p.drawLine(colX(c), TitleHeight, colX(c), bottom);
    for (int r = 0; r <= DayCount + 1; ++r)
        p.drawLine(0, rowY(r), right, rowY(r));
    return image;
}

} // namespace StylePreview
