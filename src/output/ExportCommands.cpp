#include "ExportCommands.h"

#include "ExportFile.h"
#include "ExportText.h"
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
    saveAs(QStringLiteral("Save As CSV"), QStringLiteral("CSV (*.csv);;Text documents (*.txt)"),
           [](const frmTableWindow& window) -> Result<QByteArray> {
               return csvText(window.g().data()).toUtf8();
           });
}

void ExportCommands::mnuFileSaveAsWebPage_Click() {
    saveAs(QStringLiteral("Save As Web Page"), QStringLiteral("HTML (*.html);;HTM (*.htm)"),
           [](const frmTableWindow& window) -> Result<QByteArray> {
               // Only ASCII is left after the character references.
               return htmlText(window.g().data(), LiteralText::windowTitle(window)).toLatin1();
           });
}

void ExportCommands::mnuFileSaveAsImage_Click() {
    saveAs(QStringLiteral("Save As Image"), QStringLiteral("Bitmap (*.bmp)"),
           [](const frmTableWindow& window) { return ExportFile::bitmap(window.g().picture()); });
}

void ExportCommands::saveAs(const QString& caption, const QString& filter, const Content& content) {
    const frmTableWindow* window = m_main.activeTableWindow();
    if (!window)
        return;
    const QString path =
        commonDialog().getSaveFileName(&m_main, caption, QString(), filter, nullptr);
    if (path.isEmpty())
        return;
    Result<QByteArray> bytes = content(*window);
    Result<void> written =
        bytes ? ExportFile::write(path, bytes.value()) : Result<void>(bytes.error());
    if (!written)
        MsgBox(QStringLiteral("The timetable could not be saved as %1.\n\n%2")
                   .arg(QDir::toNativeSeparators(path), written.error().message),
               vb::vbCritical, &m_main);
}
