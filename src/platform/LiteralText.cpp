#include "LiteralText.h"

#include <QLabel>
#include <QRegularExpression>

namespace LiteralText {

namespace {

const QString Placeholder = QStringLiteral("[*]");
const QString EscapedPlaceholder = QStringLiteral("[*][*]");

} // namespace

QLabel* label(const QString& text, QWidget* parent) {
    auto* made = new QLabel(parent);
    made->setTextFormat(Qt::PlainText);
    made->setText(text);
    return made;
}

QString oneLine(const QString& text) {
    // A CR LF pair is one line break.
    static const QRegularExpression breaks(QStringLiteral("\r\n|[\t\r\n\\x{2028}\\x{2029}]"));
    QString flat = text;
    return flat.replace(breaks, QStringLiteral(" "));
}

QString menuText(const QString& text) {
    return oneLine(text).replace(QLatin1Char('&'), QLatin1String("&&"));
}

void setWindowTitle(QWidget& window, const QString& title) {
    QString escaped = title;
    window.setWindowTitle(escaped.replace(Placeholder, EscapedPlaceholder));
}

QString windowTitle(const QWidget& window) {
    return window.windowTitle().replace(EscapedPlaceholder, Placeholder);
}

} // namespace LiteralText
