#pragma once

#include <QLineEdit>

// A one-line text box that takes a typed or pasted text whole: Qt's own line edit cuts it at
// 32,767 characters without a word, and a cut name would be stored as if it were the whole.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);
};
