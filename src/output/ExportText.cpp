#include "ExportText.h"

#include "platform/FlexGridData.h"

#include <QStringList>

namespace {

const QString LineEnd = QStringLiteral("\r\n");

QString asciiHtml(const QString& text) {
    QString html;
    html.reserve(text.size());
    for (const char32_t code : text.toUcs4()) {
        if (code == '&')
            html += QStringLiteral("&amp;");
        else if (code == '<')
            html += QStringLiteral("&lt;");
        else if (code == '>')
            html += QStringLiteral("&gt;");
        else if (code < 0x80)
            html += QChar(char16_t(code));
        else
            html += QStringLiteral("&#%1;").arg(quint32(code));
    }
    return html;
}

QString htmlCell(const FlexGridData& grid, int row, int col) {
    const bool header = row == 0 || col == 0;
    const QString text = asciiHtml(grid.text(row, col)).replace(LineEnd, QStringLiteral("<br>"));
    return QStringLiteral("<TD><center>") + (header ? QStringLiteral("<b>") : QString()) + text +
           (header ? QStringLiteral("</b>") : QString()) + QStringLiteral("</center></TD>");
}

} // namespace

QString csvText(const FlexGridData& grid) {
    QString csv;
    for (int r = 0; r < grid.rows(); ++r) {
        QStringList cells;
        for (int c = 0; c < grid.cols(); ++c)
            cells << QString(grid.text(r, c)).replace(LineEnd, QStringLiteral(";"));
        csv += cells.join(QStringLiteral(", ")) + LineEnd;
    }
    return csv;
}

QString htmlText(const FlexGridData& grid, const QString& title) {
    const QString safeTitle = asciiHtml(title);
    QStringList lines = {
        QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">"),
        QStringLiteral("<HTML>"),
        QStringLiteral("<HEAD>"),
        QStringLiteral("<TITLE>") + safeTitle + QStringLiteral("</TITLE>"),
        QStringLiteral("</HEAD>"),
        QStringLiteral("<BODY>"),
        QStringLiteral("<table><tr><td><center><b>") + safeTitle +
            QStringLiteral("</b></center></td></tr><tr><td>"),
        QStringLiteral("<TABLE border=1>"),
    };
    for (int r = 0; r < grid.rows(); ++r) {
        lines << QStringLiteral("<TR>");
        for (int c = 0; c < grid.cols(); ++c)
            lines << htmlCell(grid, r, c);
        lines << QStringLiteral("</TR>");
    }
    lines << QStringLiteral("</TABLE>") << QStringLiteral("</td></tr></table>")
          << QStringLiteral("</BODY>") << QStringLiteral("</HTML>");
    return lines.join(LineEnd) + LineEnd;
}
