#include "BenchSchool.h"

#include "SchoolGenerator.h"

#include "app/ModMain.h"
#include "app/frmMain.h"
#include "data/DBConnection.h"
#include "platform/Seams.h"
#include "wiring/CommandWiring.h"

#include <QFile>

QTemporaryDir* schoolFolder() {
    static QTemporaryDir folder;
    static const bool made = [] {
        const QString error = SchoolGenerator::generate(folder.filePath("db.mdb"));
        if (!error.isEmpty())
            qFatal("cannot make the school: %s", qPrintable(error));
        return true;
    }();
    Q_UNUSED(made);
    seams().programFolder = folder.path();
    seams().settingsFolder = folder.filePath("settings");
    return &folder;
}

std::unique_ptr<frmMain> startedWindow(ModMain& shared, benchmark::State& state) {
    auto window = std::make_unique<frmMain>(shared);
    wireCommands(*window);
    if (!window->MDIForm_Load()) {
        state.SkipWithError("start-up failed");
        return nullptr;
    }
    return window;
}

bool useCopyOfSchool(ModMain& shared, benchmark::State& state) {
    const QString copy = schoolFolder()->filePath("changed.mdb");
    QFile::remove(copy);
    if (!QFile::copy(schoolFolder()->filePath("db.mdb"), copy)) {
        state.SkipWithError("cannot copy the school");
        return false;
    }
    Result<std::unique_ptr<DBConnection>> db = DBConnection::open(copy);
    if (!db) {
        state.SkipWithError(qPrintable(db.error().message));
        return false;
    }
    shared.setDb(std::move(db).value());
    return true;
}
