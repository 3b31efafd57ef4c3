#include "TestData.h"
#include "TestFixture.h"

#include "data/FileFacts.h"
#include "data/Geometry.h"
#include "data/OpenFailure.h"
#include "data/RequiredSchema.h"
#include "data/TimeText.h"

#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

// A folder holding a fresh db.mdb and, with `journal`, the journal of a cut-off change.
bool makeSchoolFolder(const QString& folder, bool journal) {
    const QString path = folder + "/db.mdb";
    if (!QDir().mkdir(folder) || !TestFixture::makeDatabase(path).isEmpty())
        return false;
    if (!journal)
        return true;
    QFile waiting(path + "-journal");
    return waiting.open(QIODevice::WriteOnly) && waiting.write(QByteArray(512, 'j')) == 512;
}

// Runs statements on a connection of its own, closed again before the file is opened by us.
void runRaw(const QString& path, const QStringList& statements) {
    {
        QSqlDatabase raw = QSqlDatabase::addDatabase("QSQLITE", "raw");
        raw.setDatabaseName(path);
        if (!raw.open())
            qFatal("cannot open %s", qPrintable(path));
        for (const QString& sql : statements) {
            QSqlQuery query(raw);
            if (!query.exec(sql))
                qFatal("%s: %s", qPrintable(sql), qPrintable(query.lastError().text()));
        }
        raw.close();
    }
    QSqlDatabase::removeDatabase("raw");
}

// Byte 18 of the header: 1 for the rollback journal, 2 for WAL.
int fileFormatVersion(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(18))
        return -1;
    char byte = 0;
    return file.getChar(&byte) ? byte : -1;
}

QString journalMode(const DBConnection& db) {
    Result<std::optional<QSqlRecord>> row = db.firstRow("PRAGMA journal_mode");
    return row && row.value() ? row.value()->value(0).toString() : QString();
}

// The column names of a table, as a raw connection reads them.
QStringList columnsOf(const QString& path, const QString& table) {
    QStringList columns;
    {
        QSqlDatabase raw = QSqlDatabase::addDatabase("QSQLITE", "columns");
        raw.setDatabaseName(path);
        if (!raw.open())
            qFatal("cannot open %s", qPrintable(path));
        QSqlQuery query(raw);
        if (!query.exec(QStringLiteral("PRAGMA table_info(%1)").arg(table)))
            qFatal("%s", qPrintable(query.lastError().text()));
        while (query.next())
            columns << query.value(1).toString();
    }
    QSqlDatabase::removeDatabase("columns");
    return columns;
}

// Rebuilds a table without one column (an indexed column cannot simply be dropped).
void dropColumn(const QString& path, const QString& table, const QString& column) {
    QStringList kept = columnsOf(path, table);
    kept.removeAll(column);
    runRaw(path,
           {QStringLiteral("CREATE TABLE Rebuilt AS SELECT %1 FROM %2").arg(kept.join(", "), table),
            QStringLiteral("DROP TABLE %1").arg(table),
            QStringLiteral("ALTER TABLE Rebuilt RENAME TO %1").arg(table)});
}

// A file system stand-in where everything is allowed; each case takes one thing away.
FileFacts usableFile() {
    FileFacts facts;
    facts.path = "/school/db.mdb";
    facts.folder = "/school";
    facts.exists = facts.isFile = facts.readable = facts.writable = facts.folderWritable = true;
    return facts;
}

QString nameOf(const DBConnection& db, const QString& table, int id) {
    Result<std::optional<QSqlRecord>> row =
        db.firstRow(QStringLiteral("SELECT Name FROM %1 WHERE ID = ?").arg(table), {id});
    return row && row.value() ? row.value()->value(0).toString() : QStringLiteral("<missing>");
}

} // namespace

class tst_database : public QObject {
    Q_OBJECT

private slots:
    void freshFileHoldsSeedRows();
    void columnDefaultsFillWhatWritersLeaveOut();
    void idsAreNotReusedAndExceed16Bits();
    void quotedAndAccentedTextRoundTrips_data();
    void quotedAndAccentedTextRoundTrips();
    void storedTimeIsFoundByEquality();
    void badFilesAreRefusedAndLeftUntouched_data();
    void badFilesAreRefusedAndLeftUntouched();
    void lockedFileIsRefusedAfterBusyTimeout();
    void readOnlyFileIsRefused();
    void failedStatementIsAnError();
    void transactionRollsBackUnlessCommitted();
    void innerTransactionIsASavepoint();
    void fileUsesTheRollbackJournal();
    void copyOfTheOpenFileHoldsTheLatestChange();
    void staleIndexIsRefused();
    void missingColumnIsRefusedLikeAMissingTable_data();
    void missingColumnIsRefusedLikeAMissingTable();
    void requiredColumnsCoverTheSchema();
    void refusalSaysWhatHappened_data();
    void refusalSaysWhatHappened();
    void fileFactsFollowTheModeBits_data();
    void fileFactsFollowTheModeBits();
    void linkLoopIsRefusedByName();
    void readOnlyFolderIsNamed_data();
    void readOnlyFolderIsNamed();
    void secondCopyIsRefusedWhileTheFirstHasTheFile();
    void folderWhereALockFileWouldLieIsNoHindrance();
    void programStartedMeanwhileKeepsNoHoldOnTheFile();
};

void tst_database::freshFileHoldsSeedRows() {
    TestFixture f;
    for (const QString table : {"Class", "Tutor", "Room", "Subject"}) {
        QCOMPARE(scalar(f.db(), QStringLiteral("SELECT COUNT(*) FROM %1").arg(table)), 1);
        QCOMPARE(nameOf(f.db(), table, 1), QString());
    }
    QCOMPARE(scalar(f.db(), "SELECT COUNT(*) FROM Special"), 4);
    QCOMPARE(nameOf(f.db(), "Special", 3), QStringLiteral("Lunch"));
    QCOMPARE(nameOf(f.db(), "Special", 2), QStringLiteral("Unavailable"));
    QCOMPARE(nameOf(f.db(), "Special", 4), QStringLiteral("Break"));
    QVERIFY(scalar(f.db(), "SELECT COUNT(*) FROM Style") >= 2);
    QCOMPARE(
        scalar(f.db(), "SELECT COUNT(*) FROM Style WHERE TitleFont = '' OR PeriodFontSize = ''"),
        0);
    for (const QString table :
         {"TimeTableView", "XTitle", "YTitle", "Slot", "SubjectsTaughtByTutor"})
        QCOMPARE(scalar(f.db(), QStringLiteral("SELECT COUNT(*) FROM %1").arg(table)), 0);
}

void tst_database::columnDefaultsFillWhatWritersLeaveOut() {
    TestFixture f;
    Result<int> view = f.db().insertRow("TimeTableView", {{"ViewBy", "Class"}, {"ClassID", 7}});
    QVERIFY(view);
    Result<std::optional<QSqlRecord>> row = f.db().firstRow(
        "SELECT ClassID, RoomID, TutorID, SubjectID, FixedRowHeight, FixedColWidth, Name "
        "FROM timetableview WHERE id = ?",
        {view.value()});
    QVERIFY(row && row.value());
    const QSqlRecord& r = *row.value();
    QCOMPARE(r.value("ClassID").toInt(), 7);
    QCOMPARE(r.value("RoomID").toInt(), 1);
    QCOMPARE(r.value("TutorID").toInt(), 1);
    QCOMPARE(r.value("SubjectID").toInt(), 1);
    QCOMPARE(r.value("FixedRowHeight").toInt(), Geometry::DefaultFixedRowHeight);
    QCOMPARE(r.value("FixedColWidth").toInt(), Geometry::DefaultFixedColWidth);
    QCOMPARE(r.value("Name").toString(), QString());

    Result<int> column = f.db().insertRow(
        "XTitle", {{"TimeTableViewID", view.value()}, {"StartTime", "09:00:00"}, {"Duration", 40}});
    QVERIFY(column);
    QCOMPARE(scalar(f.db(), "SELECT specialid FROM xtitle WHERE id = ?", {column.value()}), 1);
    QCOMPARE(scalar(f.db(), "SELECT width FROM xtitle WHERE id = ?", {column.value()}),
             Geometry::DefaultColWidth);
    Result<int> day =
        f.db().insertRow("YTitle", {{"TimeTableViewID", view.value()}, {"DOW", "Mon"}});
    QVERIFY(day);
    QCOMPARE(scalar(f.db(), "SELECT height FROM ytitle WHERE id = ?", {day.value()}),
             Geometry::DefaultRowHeight);
    Result<int> slot = f.db().insertRow("Slot", {{"SubjectID", 1},
                                                 {"ClassID", 7},
                                                 {"TutorID", 1},
                                                 {"RoomID", 1},
                                                 {"StartTime", "09:00:00"},
                                                 {"DOW", "Mon"},
                                                 {"Duration", 40}});
    QVERIFY(slot);
    QCOMPARE(scalar(f.db(), "SELECT SpecialID FROM slot WHERE id = ?", {slot.value()}), 1);
}

void tst_database::idsAreNotReusedAndExceed16Bits() {
    TestFixture f;
    Result<int> first = f.db().insertRow("Tutor", {{"Name", "Ann"}});
    QVERIFY(first);
    QVERIFY(f.db().run("DELETE FROM Tutor WHERE ID = ?", {first.value()}));
    Result<int> second = f.db().insertRow("Tutor", {{"Name", "Bob"}});
    QVERIFY(second);
    QVERIFY(second.value() > first.value());

    QVERIFY(f.db().run("UPDATE sqlite_sequence SET seq = 40000 WHERE name = 'Tutor'"));
    Result<int> large = f.db().insertRow("Tutor", {{"Name", "Cy"}});
    QVERIFY(large);
    QCOMPARE(large.value(), 40001);
    QCOMPARE(nameOf(f.db(), "Tutor", 40001), QStringLiteral("Cy"));
}

void tst_database::quotedAndAccentedTextRoundTrips_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("apostrophe") << QStringLiteral("O'Brien");
    QTest::newRow("abbreviation") << QStringLiteral("Int'l");
    QTest::newRow("accent") << QStringLiteral("Zoë");
    QTest::newRow("statement text") << QStringLiteral("x'); DROP TABLE Slot; --");
}

void tst_database::quotedAndAccentedTextRoundTrips() {
    QFETCH(QString, text);
    TestFixture f;
    Result<int> id = f.db().insertRow("Tutor", {{"Name", text}});
    QVERIFY(id);
    QCOMPARE(nameOf(f.db(), "Tutor", id.value()), text);
    QCOMPARE(scalar(f.db(), "SELECT ID FROM Tutor WHERE Name = ?", {text}), id.value());
    QCOMPARE(scalar(f.db(), "SELECT ID FROM Tutor WHERE Name = ?", {text.toLower()}), id.value());

    QVERIFY(f.db().insertRow("YTitle", {{"TimeTableViewID", 1}, {"DOW", text}}));
    QCOMPARE(scalar(f.db(), "SELECT COUNT(*) FROM YTitle WHERE DOW = ?", {text}), 1);
    QCOMPARE(scalar(f.db(), "SELECT COUNT(*) FROM Slot"), 0); // the table is still there
}

void tst_database::storedTimeIsFoundByEquality() {
    TestFixture f;
    const std::optional<QTime> typed = TimeText::parse(QStringLiteral("1:05 PM"));
    QVERIFY(typed);
    QVERIFY(f.db().insertRow("Slot", {{"StartTime", TimeText::canonical(*typed)}, {"DOW", "Mon"}}));
    const std::optional<QTime> again = TimeText::parse(QStringLiteral("13:05"));
    QVERIFY(again);
    QCOMPARE(scalar(f.db(), "SELECT COUNT(*) FROM Slot WHERE StartTime = ? AND DOW = ?",
                    {TimeText::canonical(*again), "Mon"}),
             1);
    QCOMPARE(scalar(f.db(), "SELECT COUNT(*) FROM Slot WHERE StartTime = ? AND DOW = ?",
                    {TimeText::canonical(*again), "mon"}),
             0);
    Result<std::optional<QSqlRecord>> row = f.db().firstRow("SELECT StartTime FROM Slot");
    QVERIFY(row && row.value());
    QCOMPARE(TimeText::display12(*TimeText::parse(row.value()->value(0).toString())),
             QStringLiteral("1:05 PM"));
}

void tst_database::badFilesAreRefusedAndLeftUntouched_data() {
    QTest::addColumn<QByteArray>("content"); // empty: no file at all
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing") << QByteArray() << QStringLiteral("does not exist");
    QTest::newRow("text file") << QByteArray(2000, 'x') << QStringLiteral("not a database");
    QTest::newRow("other database")
        << QByteArray("other") << QStringLiteral("not a Periwell database");
    QTest::newRow("damaged") << QByteArray("damaged") << QStringLiteral("damaged");
}

void tst_database::badFilesAreRefusedAndLeftUntouched() {
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = dir.filePath("db.mdb");
    if (content == "other") {
        QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other");
        other.setDatabaseName(path);
        QVERIFY(other.open());
        QVERIFY(QSqlQuery(other).exec("CREATE TABLE notes (x)"));
        other.close();
        other = QSqlDatabase();
        QSqlDatabase::removeDatabase("other");
    } else if (content == "damaged") {
        QCOMPARE(TestFixture::makeDatabase(path), QString());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.size() > 8192);
        file.seek(4096); // the second page onwards: table trees
        file.write(QByteArray(int(file.size() - 4096), '\xA5'));
        file.close();
    } else if (!content.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    const QByteArray before = TestData::fileHash(path);

    Result<std::unique_ptr<DBConnection>> opened = DBConnection::open(path);
    QVERIFY(!opened);
    QVERIFY2(opened.error().message.contains(reason), qPrintable(opened.error().message));
    QVERIFY(opened.error().message.contains(QDir::toNativeSeparators(path)));
    QCOMPARE(QFile::exists(path), !content.isEmpty());
    QCOMPARE(TestData::fileHash(path), before);
}

void tst_database::lockedFileIsRefusedAfterBusyTimeout() {
    TestFixture f;
    QVERIFY(f.db().run("BEGIN EXCLUSIVE"));
    Result<std::unique_ptr<DBConnection>> second =
        DBConnection::open(f.dbPath(), DBConnection::Options{100, false});
    QVERIFY(f.db().run("ROLLBACK"));
    QVERIFY(!second);
    QVERIFY2(second.error().message.contains("locked"), qPrintable(second.error().message));
}

void tst_database::readOnlyFileIsRefused() {
    TestFixture f;
    const QByteArray before = TestData::fileHash(f.dbPath());
    Result<std::unique_ptr<DBConnection>> readOnly =
        DBConnection::open(f.dbPath(), DBConnection::Options{100, true});
    QVERIFY(!readOnly);
    QVERIFY2(readOnly.error().message.contains("cannot be written"),
             qPrintable(readOnly.error().message));
    QCOMPARE(TestData::fileHash(f.dbPath()), before);
}

void tst_database::failedStatementIsAnError() {
    TestFixture f;
    Result<void> bad = f.db().run("UPDATE NoSuchTable SET x = 1");
    QVERIFY(!bad);
    QVERIFY(bad.error().message.contains("NoSuchTable"));
    Result<int> insert = f.db().insertRow("Tutor", {{"NoSuchColumn", 1}});
    QVERIFY(!insert);
    Result<std::optional<QSqlRecord>> read = f.db().firstRow("SELECT nothing FROM Tutor");
    QVERIFY(!read);
}

void tst_database::transactionRollsBackUnlessCommitted() {
    TestFixture f;
    {
        Transaction transaction(f.db());
        QVERIFY(transaction.started());
        QVERIFY(f.db().insertRow("Room", {{"Name", "R1"}}));
    }
    QCOMPARE(scalar(f.db(), "SELECT COUNT(*) FROM Room"), 1);
    {
        Transaction transaction(f.db());
        QVERIFY(f.db().insertRow("Room", {{"Name", "R2"}}));
        QVERIFY(transaction.commit());
    }
    QCOMPARE(scalar(f.db(), "SELECT COUNT(*) FROM Room"), 2);
}

void tst_database::innerTransactionIsASavepoint() {
    TestFixture f;
    const auto rooms = [&f] { return scalar(f.db(), "SELECT COUNT(*) FROM Room"); };
    {
        Transaction outer(f.db());
        QVERIFY(f.db().insertRow("Room", {{"Name", "kept"}}));
        {
            Transaction inner(f.db());
            QVERIFY(inner.started());
            QVERIFY(f.db().insertRow("Room", {{"Name", "failed step"}}));
        } // the inner step failed: only it is undone
        QCOMPARE(rooms(), 2);
        {
            Transaction inner(f.db());
            QVERIFY(f.db().insertRow("Room", {{"Name", "inner"}}));
            QVERIFY(inner.commit());
        }
        QCOMPARE(f.db().transactionDepth(), 1);
        QVERIFY(outer.commit());
    }
    QCOMPARE(rooms(), 3);
    QCOMPARE(f.db().transactionDepth(), 0);
    {
        Transaction outer(f.db());
        Transaction inner(f.db());
        QVERIFY(f.db().insertRow("Room", {{"Name", "lost with the outer one"}}));
        QVERIFY(inner.commit());
    }
    QCOMPARE(rooms(), 3);
    // Nothing is left open: a second connection can write.
    QVERIFY(f.openSecond()->insertRow("Room", {{"Name", "other"}}));
}

void tst_database::fileUsesTheRollbackJournal() {
    TestFixture f;
    QCOMPARE(journalMode(f.db()), QStringLiteral("delete"));
    QCOMPARE(scalar(f.db(), "PRAGMA synchronous"), 2); // FULL

    QTemporaryDir dir;
    const QString path = dir.filePath("db.mdb");
    QCOMPARE(TestFixture::makeDatabase(path), QString());
    runRaw(path, {"PRAGMA journal_mode = WAL"});
    QCOMPARE(fileFormatVersion(path), 2);
    {
        Result<std::unique_ptr<DBConnection>> opened = DBConnection::open(path);
        QVERIFY2(opened, opened ? "" : qPrintable(opened.error().message));
        QCOMPARE(journalMode(*opened.value()), QStringLiteral("delete"));
    }
    QCOMPARE(fileFormatVersion(path), 1);
    QVERIFY(!QFile::exists(path + "-wal"));
}

void tst_database::copyOfTheOpenFileHoldsTheLatestChange() {
    TestFixture f;
    QVERIFY(f.db().insertRow("Tutor", {{"Name", "Latest"}}));
    const QString copy = f.folder() + "/backup.mdb";
    QVERIFY(QFile::copy(f.dbPath(), copy));
    Result<std::unique_ptr<DBConnection>> backup = DBConnection::open(copy);
    QVERIFY2(backup, backup ? "" : qPrintable(backup.error().message));
    QCOMPARE(scalar(*backup.value(), "SELECT COUNT(*) FROM Tutor WHERE Name = 'Latest'"), 1);
}

void tst_database::staleIndexIsRefused() {
    QTemporaryDir dir;
    const QString path = dir.filePath("db.mdb");
    QCOMPARE(TestFixture::makeDatabase(path), QString());
    QStringList statements;
    for (int i = 0; i < 20; ++i)
        statements << QStringLiteral("INSERT INTO Slot (ClassID, TutorID, StartTime, DOW) "
                                     "VALUES (%1, 1, '09:00:00', 'Mon')")
                          .arg(i + 2);
    // The index now claims to be on another column: its entries no longer match the table.
    statements << "PRAGMA writable_schema = ON"
               << "UPDATE sqlite_master SET sql = 'CREATE INDEX Slot_Class ON Slot (TutorID, "
                  "StartTime, DOW)' WHERE name = 'Slot_Class'";
    runRaw(path, statements);
    const QByteArray before = TestData::fileHash(path);

    Result<std::unique_ptr<DBConnection>> opened = DBConnection::open(path);
    QVERIFY(!opened);
    QVERIFY2(opened.error().message.contains("damaged"), qPrintable(opened.error().message));
    QCOMPARE(TestData::fileHash(path), before);
}

void tst_database::missingColumnIsRefusedLikeAMissingTable_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("column"); // empty: the whole table is gone
    for (const RequiredSchema::Table& table : RequiredSchema::tables()) {
        QTest::addRow("%s", qPrintable(table.name)) << table.name << QString();
        for (const QString& column : table.columns)
            QTest::addRow("%s.%s", qPrintable(table.name), qPrintable(column))
                << table.name << column;
    }
}

void tst_database::missingColumnIsRefusedLikeAMissingTable() {
    QFETCH(QString, table);
    QFETCH(QString, column);
    QTemporaryDir dir;
    const QString path = dir.filePath("db.mdb");
    QCOMPARE(TestFixture::makeDatabase(path), QString());
    if (column.isEmpty())
        runRaw(path, {QStringLiteral("DROP TABLE %1").arg(table)});
    else
        dropColumn(path, table, column);
    const QByteArray before = TestData::fileHash(path);

    Result<std::unique_ptr<DBConnection>> opened = DBConnection::open(path);
    QVERIFY(!opened);
    const QString& message = opened.error().message;
    QVERIFY2(message.contains(QDir::toNativeSeparators(path)), qPrintable(message));
    QVERIFY2(message.contains(QStringLiteral("table ") + table), qPrintable(message));
    if (!column.isEmpty())
        QVERIFY2(message.contains(QStringLiteral("column ") + column), qPrintable(message));
    QCOMPARE(TestData::fileHash(path), before);
}

void tst_database::requiredColumnsCoverTheSchema() {
    // Every column of a fresh file is one the program uses, but for one kept for old files.
    const QSet<QString> unused{"YTitle.ExamDate"};
    TestFixture f;
    QSet<QString> required;
    QStringList tables;
    for (const RequiredSchema::Table& table : RequiredSchema::tables()) {
        tables << table.name.toLower();
        for (const QString& column : table.columns)
            required.insert(table.name + "." + column);
    }
    Result<QSqlQuery> stored = f.db().exec("SELECT name FROM sqlite_master WHERE type = 'table' "
                                           "AND name <> 'sqlite_sequence' ORDER BY name");
    QVERIFY(stored);
    int seen = 0;
    while (stored.value().next()) {
        const QString table = stored.value().value(0).toString();
        QVERIFY2(tables.contains(table.toLower()), qPrintable(table));
        ++seen;
        for (const QString& column : columnsOf(f.dbPath(), table)) {
            const QString name = table + "." + column;
            QVERIFY2(required.contains(name) != unused.contains(name), qPrintable(name));
        }
    }
    QCOMPARE(seen, tables.size());
}

void tst_database::refusalSaysWhatHappened_data() {
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("engineText");
    QTest::addColumn<QString>("reason");
    QTest::newRow("no read permission") << "unreadable"
                                        << "unable to open database file"
                                        << "You have no permission to read the file";
    QTest::newRow("hot journal in a read-only folder")
        << "journal, read-only folder"
        << "disk I/O error"
        << "The last change to the file was cut off, and Periwell cannot undo it because the "
           "folder "
           "/school is read-only";
    QTest::newRow("read-only folder") << "read-only folder"
                                      << "unable to open database file"
                                      << "The folder /school is read-only";
    QTest::newRow("read-only file") << "read-only file"
                                    << "attempt to write a readonly database"
                                    << "The file is read-only";
    QTest::newRow("a journal in a folder that can be changed")
        << "journal"
        << "attempt to write a readonly database"
        << "The file cannot be written";
    QTest::newRow("the engine knows better") << "read-only folder"
                                             << "file is not a database"
                                             << "The file is not a database.";
    QTest::newRow("locked") << "read-only file"
                            << "database is locked"
                            << "The database is locked by another program.";
    QTest::newRow("anything else, in the engine's words") << ""
                                                          << "out of memory"
                                                          << "out of memory";
}

void tst_database::refusalSaysWhatHappened() {
    QFETCH(QString, fault);
    QFETCH(QString, engineText);
    QFETCH(QString, reason);
    FileFacts facts = usableFile();
    facts.readable = !fault.contains("unreadable");
    facts.journalWaiting = fault.contains("journal");
    facts.folderWritable = !fault.contains("read-only folder");
    facts.writable = !fault.contains("read-only file");
    const QString told = OpenFailure::reason(facts, engineText);
    QVERIFY2(told.startsWith(reason), qPrintable(told));
}

void tst_database::fileFactsFollowTheModeBits_data() {
    QTest::addColumn<int>("fileMode");
    QTest::addColumn<int>("folderMode");
    QTest::addColumn<bool>("journal");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<bool>("writable");
    QTest::addColumn<bool>("folderWritable");
    QTest::newRow("ordinary") << 0644 << 0755 << false << true << true << true;
    QTest::newRow("no read permission") << 0200 << 0755 << false << false << true << true;
    QTest::newRow("read-only file") << 0444 << 0755 << false << true << false << true;
    QTest::newRow("read-only folder") << 0644 << 0555 << false << true << true << false;
    QTest::newRow("journal in a read-only folder") << 0644 << 0555 << true << true << true << false;
}

void tst_database::fileFactsFollowTheModeBits() {
    QFETCH(int, fileMode);
    QFETCH(int, folderMode);
    QFETCH(bool, journal);
    QFETCH(bool, readable);
    QFETCH(bool, writable);
    QFETCH(bool, folderWritable);
    QTemporaryDir dir;
    const QString folder = dir.filePath("school");
    const QString path = folder + "/db.mdb";
    QVERIFY(makeSchoolFolder(folder, journal));
    QCOMPARE(chmod(QFile::encodeName(path).constData(), mode_t(fileMode)), 0);
    QCOMPARE(chmod(QFile::encodeName(folder).constData(), mode_t(folderMode)), 0);
    const FileFacts facts = FileFacts::of(path);
    chmod(QFile::encodeName(folder).constData(), 0755); // so the temporary folder can go
    QVERIFY(facts.exists && facts.isFile && !facts.linkLoop);
    QCOMPARE(facts.readable, readable);
    QCOMPARE(facts.writable, writable);
    QCOMPARE(facts.folderWritable, folderWritable);
    QCOMPARE(facts.journalWaiting, journal);
}

void tst_database::linkLoopIsRefusedByName() {
    QTemporaryDir dir;
    const QString path = dir.filePath("db.mdb");
    QVERIFY(QFile::link(dir.filePath("other.mdb"), path));
    QVERIFY(QFile::link(path, dir.filePath("other.mdb")));
    Result<std::unique_ptr<DBConnection>> opened = DBConnection::open(path);
    QVERIFY(!opened);
    QVERIFY2(opened.error().message.contains("loop of links"), qPrintable(opened.error().message));
    QVERIFY(opened.error().message.contains(QDir::toNativeSeparators(path)));

    const QString dangling = dir.filePath("gone.mdb");
    QVERIFY(QFile::link(dir.filePath("nowhere.mdb"), dangling));
    opened = DBConnection::open(dangling);
    QVERIFY(!opened);
    QVERIFY2(opened.error().message.contains("link to " +
                                             QDir::toNativeSeparators(dir.filePath("nowhere.mdb"))),
             qPrintable(opened.error().message));
}

void tst_database::readOnlyFolderIsNamed_data() {
    QTest::addColumn<bool>("journal");
    QTest::addColumn<QString>("opened"); // how the file is reached
    QTest::addColumn<QString>("reason");
    QTest::newRow("read-only folder") << false << "school/db.mdb"
                                      << "is read-only. Periwell writes a journal";
    QTest::newRow("cut-off change in a read-only folder")
        << true << "school/db.mdb"
        << "The last change to the file was cut off";
    QTest::newRow("cut-off change, the file reached by a link")
        << true << "link.mdb"
        << "The last change to the file was cut off";
    QTest::newRow("cut-off change, the folder reached by a link")
        << true << "linked/db.mdb"
        << "The last change to the file was cut off";
}

void tst_database::readOnlyFolderIsNamed() {
    // The engine cannot write (a read-only open stands in for a user who may not), and the
    // folder's mode bits say why.
    QFETCH(bool, journal);
    QFETCH(QString, opened);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString folder = dir.filePath("school");
    const QString path = folder + "/db.mdb";
    QVERIFY(makeSchoolFolder(folder, journal));
    QVERIFY(QFile::link(path, dir.filePath("link.mdb")));
    QVERIFY(QFile::link(folder, dir.filePath("linked")));
    const QByteArray before = TestData::fileHash(path);
    QCOMPARE(chmod(QFile::encodeName(folder).constData(), 0555), 0);
    Result<std::unique_ptr<DBConnection>> refused =
        DBConnection::open(dir.filePath(opened), DBConnection::Options{100, true});
    chmod(QFile::encodeName(folder).constData(), 0755);
    QVERIFY(!refused);
    const QString told = refused.error().message;
    QVERIFY2(told.contains(reason), qPrintable(told));
    // The box names the file as it was given, and the folder and journal where they really are.
    QVERIFY2(told.contains(QDir::toNativeSeparators(dir.filePath(opened)) + "\n"),
             qPrintable(told));
    QVERIFY2(told.contains(QDir::toNativeSeparators(folder + " ")), qPrintable(told));
    if (journal)
        QVERIFY2(told.contains(QDir::toNativeSeparators(path + "-journal")), qPrintable(told));
    QCOMPARE(TestData::fileHash(path), before);
}

void tst_database::secondCopyIsRefusedWhileTheFirstHasTheFile() {
    TestFixture f;
    DBConnection::Options program;
    program.oneCopyOnly = true;
    {
        Result<std::unique_ptr<DBConnection>> first = DBConnection::open(f.dbPath(), program);
        QVERIFY2(first, first ? "" : qPrintable(first.error().message));
        const QByteArray before = TestData::fileHash(f.dbPath());
        Result<std::unique_ptr<DBConnection>> second = DBConnection::open(f.dbPath(), program);
        QVERIFY(!second);
        QVERIFY2(second.error().message.contains("open in another copy of Periwell"),
                 qPrintable(second.error().message));
        QVERIFY(second.error().message.contains(QDir::toNativeSeparators(f.dbPath())));
        QCOMPARE(TestData::fileHash(f.dbPath()), before);
        // Other readers, such as a backup, still get in.
        QCOMPARE(scalar(*f.openSecond(), "SELECT COUNT(*) FROM Special"), 4);
        QVERIFY(first.value()->insertRow("Room", {{"Name", "R1"}}));
    }
    Result<std::unique_ptr<DBConnection>> again = DBConnection::open(f.dbPath(), program);
    QVERIFY2(again, again ? "" : qPrintable(again.error().message));
}

void tst_database::folderWhereALockFileWouldLieIsNoHindrance() {
    TestFixture f;
    QVERIFY(QDir().mkdir(f.dbPath() + "-lock"));
    DBConnection::Options program;
    program.oneCopyOnly = true;
    Result<std::unique_ptr<DBConnection>> first = DBConnection::open(f.dbPath(), program);
    QVERIFY2(first, first ? "" : qPrintable(first.error().message));
    Result<std::unique_ptr<DBConnection>> second = DBConnection::open(f.dbPath(), program);
    QVERIFY(!second);
    QVERIFY2(second.error().message.contains("open in another copy of Periwell"),
             qPrintable(second.error().message));
}

void tst_database::programStartedMeanwhileKeepsNoHoldOnTheFile() {
    // A program started while the file is open (a web browser for help, say) outlives it.
    TestFixture f;
    DBConnection::Options program;
    program.oneCopyOnly = true;
    QProcess started;
    {
        Result<std::unique_ptr<DBConnection>> first = DBConnection::open(f.dbPath(), program);
        QVERIFY2(first, first ? "" : qPrintable(first.error().message));
        started.start("sleep", {"60"});
        QVERIFY(started.waitForStarted());
    }
    Result<std::unique_ptr<DBConnection>> next = DBConnection::open(f.dbPath(), program);
    started.kill();
    started.waitForFinished();
    QVERIFY2(next, next ? "" : qPrintable(next.error().message));
}

QTEST_MAIN(tst_database)
#include "tst_database.moc"
