#include "CellBatch.h"

#include "ErrorReport.h"
#include "MainMenus.h"
#include "ModMain.h"
#include "frmMain.h"
#include "frmTableWindow.h"

#include <QAction>

bool writeCellsAllOrNothing(frmMain& main, frmTableWindow& f, const QString& what,
                            const std::function<bool()>& steps) {
    ModMain& state = main.state();
    QAction* undoItem = main.menus().item(QStringLiteral("mnuEditUndo"));
    const std::optional<SlotUndo> undoBefore = state.Undo;
    const bool undoEnabledBefore = undoItem->isEnabled();
    {
        Transaction transaction(state.db());
        if (!transaction.started()) {
            reportError(what, transaction.started().error(), &main);
            return false;
        }
        if (steps()) {
            Result<void> committed = transaction.commit();
            if (committed)
                return true;
            reportError(what, committed.error(), &main);
        }
    } // rolled back: none of the command's cells stays
    // The rows the undo record points at were rolled back with the rest.
    state.Undo = undoBefore;
    undoItem->setEnabled(undoEnabledBefore);
    main.RefreshTable(f);
    f.ClickMyGrid();
    return false;
}
