#include "ExportCommands.h"

#include "ExportFile.h"
#include "ExportText.h"
#include "FileNames.h"
#include "app/frmMain.h"
#include "app/frmTableWindow.h"
#include "platform/CommonDialog.h"
#include "platform/FlexGrid.h"
#include "platform/LiteralText.h"
#include "platform/MsgBox.h"

#include <QDir>
#include <QImage>

ExportCommands::ExportCommands(frmMain& main, QObject* parent) : QObject(parent), m_main(main) {
    setObjectName(QStringLiteral("ExportCommands"));
}

void ExportCommands::mnuFileSaveAsCSV_Click() {
    saveAs({QStringLiteral("Save As CSV"), QStringLiteral("CSV (*.csv);;Text documents (*.txt)"),
            QStringLiteral("csv")},
           [](const frmTableWindow& window) -> Result<QByteArray> {
               return csvText(window.g().data()).toUtf8();
           });
}

void ExportCommands::mnuFileSaveAsWebPage_Click() {
    saveAs({QStringLiteral("Save As Web Page"), QStringLiteral("HTML (*.html);;HTM (*.htm)"),
            QStringLiteral("htm")},
           [](const frmTableWindow& window) -> Result<QByteArray> {
               // Only ASCII is left after the character references.
               return htmlText(window.g().data(), LiteralText::windowTitle(window)).toLatin1();
           });
}

void ExportCommands::mnuFileSaveAsImage_Click() {
    saveAs(
        {QStringLiteral("Save As Image"), QStringLiteral("Bitmap (*.bmp)"), QStringLiteral("bmp")},
        [](const frmTableWindow& window) { return ExportFile::bitmap(window.g().picture()); });
}

void ExportCommands::saveAs(const FileType& type, const Content& content) {
    const frmTableWindow* window = m_main.activeTableWindow();
    if (!window)
        return;
    QString chosenFilter;
    const QString typed = commonDialog().getSaveFileName(&m_main, type.caption, QString(),
                                                         type.filter, &chosenFilter);
    if (typed.isEmpty())
        return;
    const QString path = FileNames::withExtension(
        typed, FileNames::filterExtension(chosenFilter).value_or(type.extension));
    Result<QByteArray> bytes = content(*window);
    Result<void> written =
        bytes ? ExportFile::write(path, bytes.value()) : Result<void>(bytes.error());
    if (!written)
        MsgBox(QStringLiteral("The timetable could not be saved as %1.\n\n%2")
                   .arg(QDir::toNativeSeparators(path), written.error().message),
               vb::vbCritical, &m_main);
}
