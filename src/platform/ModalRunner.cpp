#include "ModalRunner.h"

#include "Seams.h"

#include <QDialog>

int runModal(QDialog& dialog) {
    if (dialog.parentWidget())
        dialog.setWindowModality(Qt::WindowModal);
    if (seams().modal)
        return seams().modal(dialog);
    return dialog.exec();
}
