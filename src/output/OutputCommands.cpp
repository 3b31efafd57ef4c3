#include "OutputCommands.h"

#include "ExportCommands.h"
#include "PrintCommands.h"
#include "app/MainMenus.h"
#include "app/frmMain.h"
#include "frmCapacityReport.h"
#include "frmFind.h"
#include "frmFormatTimeTable.h"
#include "frmReplace.h"
#include "frmStylePicker.h"

#include <memory>

namespace {

// Shows the open dialog, or the one `make` makes (null: there is none to show). A dialog goes
// away when it closes, so the next one starts afresh.
template <typename Dialog, typename Make> void showModeless(QPointer<Dialog>& open, Make make) {
    if (!open || !open->isVisible()) {
        open = make();
        if (!open)
            return;
        QObject::connect(open.data(), &QDialog::finished, open.data(), &QObject::deleteLater);
    }
    open->show();
    open->raise();
    open->activateWindow();
}

} // namespace

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
    main.menus().connectItem(QStringLiteral("mnuEditFind"), this,
                             &OutputCommands::mnuEditFind_Click);
    main.menus().connectItem(QStringLiteral("mnuEditReplace"), this,
                             &OutputCommands::mnuEditReplace_Click);
    m_printCommands = new PrintCommands(main, this);
    main.menus().connectItem(QStringLiteral("mnuFilePageSetup"), m_printCommands,
                             &PrintCommands::DoPageSetup);
    main.menus().connectItem(QStringLiteral("mnuFilePrint"), m_printCommands,
                             &PrintCommands::DoPrint);
    main.menus().connectItem(QStringLiteral("mnuFilePrintPreview"), m_printCommands,
                             &PrintCommands::mnuFilePrintPreview_Click);
}

frmFind* OutputCommands::find() const {
    return m_find;
}

frmReplace* OutputCommands::replace() const {
    return m_replace;
}

void OutputCommands::mnuEditFind_Click() {
    showModeless(m_find, [this] { return new frmFind(m_main); });
}

void OutputCommands::mnuEditReplace_Click() {
    showModeless(m_replace, [this]() -> frmReplace* {
        auto made = std::make_unique<frmReplace>(m_main);
        return made->Form_Load() ? made.release() : nullptr;
    });
}

void OutputCommands::tableWindowClosing() {
    if (m_find)
        m_find->close();
}
