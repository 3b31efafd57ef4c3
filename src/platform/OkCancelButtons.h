#pragma once

#include <QString>

class QHBoxLayout;
class QPushButton;
class QWidget;

// A dialog's cmdOK (the default button, pressed by Enter) and cmdCancel, right-aligned in a row
// for the dialog's layout.
struct OkCancelButtons {
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
    QHBoxLayout* row = nullptr;

    static OkCancelButtons make(QWidget& dialog, const QString& okCaption = QStringLiteral("OK"));
};
