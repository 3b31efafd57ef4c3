#include "NameBox.h"

#include <QFocusEvent>
#include <QKeyEvent>

NameBox::NameBox(QWidget* parent) : TextBox(parent) {}

void NameBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit enterPressed();
        return;
    }
    emit keyPressed(event->key(), !text().isEmpty());
    TextBox::keyPressEvent(event);
}

void NameBox::focusInEvent(QFocusEvent* event) {
    TextBox::focusInEvent(event);
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        emit gotFocus();
}

void NameBox::focusOutEvent(QFocusEvent* event) {
    TextBox::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        emit lostFocus();
}
