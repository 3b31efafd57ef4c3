#include "NameBox.h"

#include <QFocusEvent>
#include <QKeyEvent>

NameBox::NameBox(QWidget* parent) : QLineEdit(parent) {}

void NameBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit enterPressed();
        return;
    }
    emit keyPressed(event->key(), !text().isEmpty());
    QLineEdit::keyPressEvent(event);
}

void NameBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        emit gotFocus();
}

void NameBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        emit lostFocus();
}
