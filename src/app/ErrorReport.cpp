#include "ErrorReport.h"

#include "platform/MsgBox.h"

void reportError(const QString& what, const Error& error, QWidget* parent) {
    MsgBox(what + QStringLiteral("\n\n") + error.message, vb::vbCritical, parent);
}
