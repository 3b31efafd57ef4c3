#include "CellBatch.h"

#include "CellEditor.h"
#include "ErrorReport.h"
#include "ModMain.h"
#include "WindowRedraws.h"
#include "frmMain.h"
#include "frmTableWindow.h"

bool writeCellsAllOrNothing(frmMain& main, frmTableWindow& f, const QString& what,
                            const std::function<bool()>& steps) {
    ModMain& state = main.state();
    // The other windows draw the command's cells once, at its end, as stored.
    WindowRedraws::Batch redrawAtEnd(main.redraws());
    const CellEditor::UndoState undoBefore = main.cellEditor().undoState();
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
    main.cellEditor().restoreUndo(undoBefore);
    main.RefreshTable(f);
    f.ClickMyGrid();
    return false;
}
