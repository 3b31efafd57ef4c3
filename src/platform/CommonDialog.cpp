#include "CommonDialog.h"

#include "Seams.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>

QString CommonDialog::getSaveFileName(QWidget* parent, const QString& caption, const QString& path,
                                      const QString& filter, QString* selectedFilter) {
    return QFileDialog::getSaveFileName(parent, caption, path, filter, selectedFilter);
}

QString CommonDialog::getOpenFileName(QWidget* parent, const QString& caption, const QString& path,
                                      const QString& filter) {
    return QFileDialog::getOpenFileName(parent, caption, path, filter);
}

std::optional<QColor> CommonDialog::chooseColor(QWidget* parent, const QColor& initial) {
    const QColor chosen = QColorDialog::getColor(initial, parent);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

std::optional<QFont> CommonDialog::chooseFont(QWidget* parent, const QFont& initial) {
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, initial, parent);
    if (!ok)
        return std::nullopt;
    return chosen;
}

bool CommonDialog::choosePrinter(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool CommonDialog::pageSetup(QWidget* parent, QPrinter& printer) {
    QPageSetupDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

CommonDialog& commonDialog() {
    static CommonDialog desktop;
    return seams().commonDialog ? *seams().commonDialog : desktop;
}
