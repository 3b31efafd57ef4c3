#include "LiteralText.h"

#include <QLabel>

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

QString menuText(const QString& text) {
    QString escaped = text;
    return escaped.replace(QLatin1Char('&'), QLatin1String("&&"));
}

void setWindowTitle(QWidget& window, const QString& title) {
    QString escaped = title;
    window.setWindowTitle(escaped.replace(Placeholder, EscapedPlaceholder));
}

QString windowTitle(const QWidget& window) {
    return window.windowTitle().replace(EscapedPlaceholder, Placeholder);
}

} // namespace LiteralText
