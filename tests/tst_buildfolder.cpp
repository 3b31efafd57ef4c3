#include "data/DBConnection.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// A school's timetables live in the build folder's db.mdb. These tests build a copy of the
// sources in a folder of their own and check that no later build replaces or removes the file.
class tst_buildfolder : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void aChangedSchemaRebuildsWithoutReplacingTheSchool();
    void aMissingDatabaseIsMadeByTheNextBuild();
    void cleaningTheBuildKeepsTheSchool();

private:
    QString sources() const { return m_dir.filePath(QStringLiteral("src")); }
    QString build() const { return m_dir.filePath(QStringLiteral("build")); }
    QString database() const { return m_dir.filePath(QStringLiteral("build/db.mdb")); }
    bool cmake(const QStringList& arguments);
    bool buildTarget(const QString& target) {
        return cmake({QStringLiteral("--build"), build(), QStringLiteral("--target"), target});
    }
    bool addMarker();
    bool hasMarker();

    QTemporaryDir m_dir;
};

namespace {

const QString Marker = QStringLiteral("Marker school");

} // namespace

bool tst_buildfolder::cmake(const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral(PERIWELL_CMAKE_COMMAND), arguments);
    if (!process.waitForFinished(240000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        qWarning().noquote() << "cmake" << arguments.join(' ') << "failed:\n"
                             << QString::fromLocal8Bit(process.readAll());
        return false;
    }
    return true;
}

bool tst_buildfolder::addMarker() {
    Result<std::unique_ptr<DBConnection>> db = DBConnection::open(database());
    return db && db.value()->run(QStringLiteral("INSERT INTO Tutor (Name) VALUES (?)"), {Marker});
}

bool tst_buildfolder::hasMarker() {
    Result<std::unique_ptr<DBConnection>> db = DBConnection::open(database());
    if (!db)
        return false;
    Result<std::optional<QSqlRecord>> row =
        db.value()->firstRow(QStringLiteral("SELECT COUNT(*) FROM Tutor WHERE Name = ?"), {Marker});
    return row && row.value() && row.value()->value(0).toInt() == 1;
}

void tst_buildfolder::initTestCase() {
    QVERIFY(m_dir.isValid());
    // The whole source tree, but no build folder in it and no history.
    const QDir source(QStringLiteral(PERIWELL_SOURCE_DIR));
    QVERIFY(QDir().mkpath(sources()));
    for (const QFileInfo& entry :
         source.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)) {
        const QString target = sources() + QLatin1Char('/') + entry.fileName();
        if (entry.fileName() == QLatin1String(".git") ||
            QFile::exists(entry.filePath() + QStringLiteral("/CMakeCache.txt")))
            continue;
        if (entry.isDir())
            QVERIFY(cmake({QStringLiteral("-E"), QStringLiteral("copy_directory"), entry.filePath(),
                           target}));
        else
            QVERIFY(QFile::copy(entry.filePath(), target));
    }
    QStringList configure{QStringLiteral("-S"),
                          sources(),
                          QStringLiteral("-B"),
                          build(),
                          QStringLiteral("-DPERIWELL_BUILD_TESTS=OFF"),
                          QStringLiteral("-DCMAKE_BUILD_TYPE=Debug")};
    if (const QString launcher = QStringLiteral(PERIWELL_CXX_LAUNCHER); !launcher.isEmpty())
        configure << QStringLiteral("-DCMAKE_CXX_COMPILER_LAUNCHER=") + launcher;
    QVERIFY(cmake(configure));
    QVERIFY(buildTarget(QStringLiteral("periwell_database")));
    QVERIFY(QFile::exists(database()));
}

void tst_buildfolder::aChangedSchemaRebuildsWithoutReplacingTheSchool() {
    QVERIFY(addMarker());
    QFile schema(sources() + QStringLiteral("/resources/db.sql"));
    QVERIFY(schema.open(QIODevice::ReadWrite));
    QVERIFY(schema.setFileTime(QDateTime::currentDateTime().addSecs(60),
                               QFileDevice::FileModificationTime));
    schema.close();
    QVERIFY(buildTarget(QStringLiteral("periwell_database")));
    QVERIFY(hasMarker());
}

void tst_buildfolder::aMissingDatabaseIsMadeByTheNextBuild() {
    QVERIFY(QFile::remove(database()));
    QVERIFY(buildTarget(QStringLiteral("periwell_database")));
    Result<std::unique_ptr<DBConnection>> db = DBConnection::open(database());
    QVERIFY2(db, qPrintable(db ? QString() : db.error().message));
    QVERIFY(!hasMarker());
}

void tst_buildfolder::cleaningTheBuildKeepsTheSchool() {
    QVERIFY(addMarker());
    QVERIFY(buildTarget(QStringLiteral("clean")));
    QVERIFY(hasMarker());
}

QTEST_GUILESS_MAIN(tst_buildfolder)
#include "tst_buildfolder.moc"
