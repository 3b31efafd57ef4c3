#include "OutputCommands.h"

#include "ExportCommands.h"
#include "PrintCommands.h"
#include "app/MainMenus.h"
#include "app/frmMain.h"
#include "frmCapacityReport.h"
#include "frmFormatTimeTable.h"
#include "frmStylePicker.h"

OutputCommands::OutputCommands(frmMain& main) : QObject(&main), m_main(main) {
    setObjectName(QStringLiteral("OutputCommands"));
    main.menus().connectItem(QStringLiteral("mnuFormatFormat"), this,
                             [&main] { frmFormatTimeTable::showModal(main); });
    main.menus().connectItem(QStringLiteral("mnuFormatStyle"), this,
                             [&main] { frmStylePicker::showModal(main); });
    main.menus().connectItem(QStringLiteral("mnuToolsCapacityReport"), this,
                             [&main] { frmCapacityReport::showModal(main); });
    auto* exports = new ExportCommands(main, this);
    main.menus().connectItem(QStringLiteral("mnuFileSaveAsCSV"), exports,
                             &ExportCommands::mnuFileSaveAsCSV_Click);
    main.menus().connectItem(QStringLiteral("mnuFileSaveAsWebPage"), exports,
                             &ExportCommands::mnuFileSaveAsWebPage_Click);
    main.menus().connectItem(QStringLiteral("mnuFileSaveAsImage"), exports,
                             &ExportCommands::mnuFileSaveAsImage_Click);
    m_printCommands = new PrintCommands(main, this);
    main.menus().connectItem(QStringLiteral("mnuFilePageSetup"), m_printCommands,
                             &PrintCommands::DoPageSetup);
    main.menus().connectItem(QStringLiteral("mnuFilePrint"), m_printCommands,
                             &PrintCommands::DoPrint);
    main.menus().connectItem(QStringLiteral("mnuFilePrintPreview"), m_printCommands,
                             &PrintCommands::mnuFilePrintPreview_Click);
}
