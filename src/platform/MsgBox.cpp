#include "MsgBox.h"

#include "Seams.h"

#include <QApplication>
#include <QMessageBox>

namespace {

QMessageBox::Icon iconOf(int icon) {
    switch (icon) {
    case vb::vbCritical:
        return QMessageBox::Critical;
    case vb::vbQuestion:
        return QMessageBox::Question;
    case vb::vbExclamation:
        return QMessageBox::Warning;
    case vb::vbInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButtons buttonsOf(int buttons) {
    switch (buttons) {
    case vb::vbOKCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case vb::vbYesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case vb::vbYesNo:
        return QMessageBox::Yes | QMessageBox::No;
    default:
        return QMessageBox::Ok;
    }
}

int answerOf(int button) {
    switch (button) {
    case QMessageBox::Yes:
        return vb::vbYes;
    case QMessageBox::No:
        return vb::vbNo;
    case QMessageBox::Cancel:
        return vb::vbCancel;
    default:
        return vb::vbOK;
    }
}

} // namespace

int MsgBox(const QString& text, int style, QWidget* parent) {
    const MsgBoxCall call{ApplicationTitle, text, style & 0x0F, style & 0x70};
    if (seams().msgBox)
        return seams().msgBox(call);

    QMessageBox box(iconOf(call.icon), call.caption, call.text, buttonsOf(call.buttons),
                    parent ? parent : QApplication::activeWindow());
    // Texts carry names and file lines: never guess markup in them.
    box.setTextFormat(Qt::PlainText);
    // A box with Cancel closes on Escape with Cancel; one without, with its only or last button.
    if (call.buttons == vb::vbOKOnly)
        box.setEscapeButton(QMessageBox::Ok);
    return answerOf(box.exec());
}
