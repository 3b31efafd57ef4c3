#include "Startup.h"

#include "ModMain.h"
#include "frmMain.h"
#include "platform/MsgBox.h"
#include "platform/ProgramInfo.h"

#include <QApplication>

int Main(ModMain& state) {
    Result<std::unique_ptr<DBConnection>> db = DBConnection::open(ProgramInfo::filePath(QStringLiteral("db.mdb")));
    if (!db) {
        MsgBox(db.error().message, vb::vbCritical);
        return 1;
    }
    state.setDb(std::move(db).value());

    frmMain window(state);
    window.show();
    return QApplication::exec();
}
