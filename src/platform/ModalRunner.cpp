#include "ModalRunner.h"

#include "Seams.h"

#include <QDialog>

void blockOwnerOnly(QDialog& dialog) {
    if (dialog.parentWidget())
        dialog.setWindowModality(Qt::WindowModal);
}

int runModal(QDialog& dialog) {
    blockOwnerOnly(dialog);
    if (seams().modal)
        return seams().modal(dialog);
    return dialog.exec();
}
