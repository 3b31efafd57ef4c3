#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <optional>

class QPrinter;
class QWidget;

// The file, colour, font, printer and page-setup dialogs. Tests put a scripted one in the seams.
class CommonDialog {
public:
    virtual ~CommonDialog() = default;

    // An empty string when the user cancels.
    virtual QString getSaveFileName(QWidget* parent, const QString& caption, const QString& path,
                                    const QString& filter, QString* selectedFilter);
    virtual QString getOpenFileName(QWidget* parent, const QString& caption, const QString& path,
                                    const QString& filter);
    virtual std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial);
    virtual std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial);
    virtual bool choosePrinter(QWidget* parent, QPrinter& printer);
    virtual bool pageSetup(QWidget* parent, QPrinter& printer);
};

// The dialogs in use: the tests' when they set one, else the desktop's.
CommonDialog& commonDialog();
