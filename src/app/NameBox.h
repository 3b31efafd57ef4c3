#pragma once

#include "platform/TextBox.h"

// A name box of the left bar: reports Enter, Backspace/Delete and a real loss of focus (not one
// caused by a menu, a pop-up or another window) to its owner.
class NameBox : public TextBox {
    Q_OBJECT
public:
    explicit NameBox(QWidget* parent = nullptr);

signals:
    void enterPressed();
    // A key other than Enter, before the box acts on it.
    void keyPressed(int key, bool hadText);
    void gotFocus();
    void lostFocus();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};
