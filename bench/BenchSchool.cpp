#include "BenchSchool.h"

#include "app/ModMain.h"
#include "app/frmMain.h"
#include "data/DBConnection.h"
#include "platform/Seams.h"
#include "wiring/CommandWiring.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <map>

namespace {

// A school's folder: a temporary one, or one kept in PERIWELL_BENCH_SCHOOLS so that later runs
// (of this build or another) use the very same file without making it again.
QString madeSchool(int factor) {
    static std::map<int, std::unique_ptr<QTemporaryDir>> temporary;
    const QString kept = qEnvironmentVariable("PERIWELL_BENCH_SCHOOLS");
    QString folder;
    if (kept.isEmpty()) {
        std::unique_ptr<QTemporaryDir>& made = temporary[factor];
        if (!made)
            made = std::make_unique<QTemporaryDir>();
        folder = made->path();
    } else {
        folder = QStringLiteral("%1/size-%2").arg(kept).arg(factor);
        QDir().mkpath(folder);
    }
    const QString file = folder + QStringLiteral("/db.mdb");
    if (!QFile::exists(file)) {
        const QString error = SchoolGenerator::generate(file, schoolSize(factor));
        if (!error.isEmpty())
            qFatal("cannot make the school: %s", qPrintable(error));
    }
    return folder;
}

} // namespace

SchoolGenerator::Size schoolSize(int factor) {
    return SchoolGenerator::Size::scaledBy(factor);
}

QString schoolFolder(int factor) {
    const QString folder = madeSchool(factor);
    seams().programFolder = folder;
    seams().settingsFolder = folder + QStringLiteral("/settings");
    return folder;
}

void atSchoolSizes(benchmark::internal::Benchmark* benchmark) {
    benchmark->ArgName("size");
    const QString sizes = qEnvironmentVariable("PERIWELL_BENCH_SIZES", QStringLiteral("1"));
    for (const QString& size : sizes.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        if (const int factor = size.trimmed().toInt(); factor > 0)
            benchmark->Arg(factor);
    }
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
    // Beside the program's folder, which another run may be using at the same time.
    static QTemporaryDir copies;
    const QString copy = copies.filePath(QStringLiteral("changed.mdb"));
    QFile::remove(copy);
    if (!QFile::copy(seams().programFolder + QStringLiteral("/db.mdb"), copy)) {
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
