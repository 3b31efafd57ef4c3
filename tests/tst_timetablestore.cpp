#include "TestData.h"
#include "TestFixture.h"

#include "data/TimetableContent.h"
#include "data/TimetableLook.h"

#include <QTest>

using namespace TestData;

class tst_timetablestore : public QObject {
    Q_OBJECT

private slots:
    void titles_data();
    void titles();
    void slotTextLeavesOutTheOwnKind_data();
    void slotTextLeavesOutTheOwnKind();
    void readsColumnsDaysAndCells();
    void missingTimetableIsNothing();
    void geometryRoundTripsExactly();
    void geometryWritesOnlyChangedSizes_data();
    void geometryWritesOnlyChangedSizes();
    void lookCopiedFromAStyleWhole();
    void savedLookRoundTrips();
};

namespace {

// Every column different, and text that would break a statement pasted together.
TimetableLook oddLook() {
    TimetableLook look;
    look.titleFont = "O'Brien \"Display\"";
    look.titleFontSize = "15.5";
    look.titleForeground = "255";
    look.colHeadFont = "Col'; DROP TABLE Slot; --";
    look.colHeadFontSize = "7";
    look.colHeadForeground = "65280";
    look.rowHeadFont = "Row \"Sans\"";
    look.rowHeadFontSize = "11";
    look.rowHeadForeground = "16711680";
    look.periodFont = "It's";
    look.periodFontSize = "6";
    look.periodForeground = "128";
    look.unavailableBackground = "32768";
    look.unavailableForeground = "8388608";
    return look;
}

int addStyle(const DBConnection& db, const TimetableLook& look) {
    QList<DBConnection::Field> fields{{"Name", "Odd"}};
    for (int i = 0; i < TimetableLook::columns().size(); ++i)
        fields.append({TimetableLook::columns()[i], look.values()[i]});
    Result<int> id = db.insertRow("Style", fields);
    if (!id)
        qFatal("%s", qPrintable(id.error().message));
    return id.value();
}

TimetableLook lookOf(const DBConnection& db, int timetableId) {
    Result<std::optional<TimetableLook>> look = TimetableLooks::readTimetable(db, timetableId);
    if (!look || !look.value())
        qFatal("timetable %d has no look", timetableId);
    return *look.value();
}

} // namespace

void tst_timetablestore::titles_data() {
    QTest::addColumn<QString>("viewBy");
    QTest::addColumn<bool>("ownerExists");
    QTest::addColumn<QString>("title");
    QTest::newRow("class") << "Class" << true << "Class 7A";
    QTest::newRow("tutor") << "Tutor" << true << "Tutor O'Brien";
    QTest::newRow("room") << "Room" << true << "Room R1";
    QTest::newRow("missing owner") << "Class" << false << "";
    QTest::newRow("unknown kind") << "class" << true << "";
}

void tst_timetablestore::titles() {
    QFETCH(QString, viewBy);
    QFETCH(bool, ownerExists);
    QFETCH(QString, title);
    TestFixture f;
    const int classId = addName(f.db(), "Class", "7A");
    const int tutorId = addName(f.db(), "Tutor", "O'Brien");
    const int roomId = addName(f.db(), "Room", "R1");
    Result<QString> made =
        TimetableStore::title(f.db(), viewBy, ownerExists ? classId : 99, tutorId, roomId);
    QVERIFY(made);
    QCOMPARE(made.value(), title);
}

void tst_timetablestore::slotTextLeavesOutTheOwnKind_data() {
    QTest::addColumn<QString>("viewBy");
    QTest::addColumn<QString>("text");
    QTest::newRow("class") << "Class"
                           << "Ann\r\nMaths\r\nR1";
    QTest::newRow("tutor") << "Tutor"
                           << "7A\r\nMaths\r\nR1";
    QTest::newRow("room") << "Room"
                          << "Ann\r\nMaths\r\n7A";
    QTest::newRow("letter case counts") << "room"
                                        << "";
}

void tst_timetablestore::slotTextLeavesOutTheOwnKind() {
    QFETCH(QString, viewBy);
    QFETCH(QString, text);
    QCOMPARE(TimetableStore::formatSlotText("Ann", "Maths", "R1", "7A", viewBy), text);
    if (!text.isEmpty())
        QCOMPARE(TimetableStore::formatSlotText("", "", "", "", viewBy),
                 QStringLiteral("\r\n\r\n"));
}

void tst_timetablestore::readsColumnsDaysAndCells() {
    TestFixture f;
    const int classId = addName(f.db(), "Class", "7A");
    const int tutorId = addName(f.db(), "Tutor", "Ann");
    const int subjectId = addName(f.db(), "Subject", "Maths");
    const int id = addTimetable(f.db(), "Class", classId, {"Wed", "Mon", "Wk 1 Mon"},
                                {{"11:30:00", 40, 1},
                                 {"09:00:00", 40, 1},
                                 {"12:10:00", 60, 3},
                                 {"14:00:00", 40, 9}}); // 9: no such kind of period
    addSlot(f.db(), {"09:00:00", "Mon", classId, tutorId, 1, subjectId, 1});
    addSlot(f.db(), {"09:00:00", "Mon", classId, 1, 1, 1, 2}); // a second row: never shown
    addSlot(f.db(), {"11:30:00", "Wk 1 Mon", classId, 1, 1, 1, 4});
    addSlot(f.db(), {"11:30:00", "Mon", addName(f.db(), "Class", "7B"), tutorId, 1, 1, 1});

    Result<std::optional<TimetableContent>> read = TimetableStore::read(f.db(), id);
    QVERIFY(read && read.value());
    const TimetableContent& content = *read.value();
    QCOMPARE(content.title, QStringLiteral("Class 7A"));
    QCOMPARE(content.ownerId, classId);
    QCOMPARE(content.columns.size(), 3);
    QCOMPARE(content.columns[0].start, QTime(9, 0));
    QCOMPARE(content.columns[1].start, QTime(11, 30));
    QCOMPARE(content.columns[2].specialName, QStringLiteral("Lunch"));
    QCOMPARE(content.days.size(), 3);
    QCOMPARE(content.days[0].dow, QStringLiteral("Wed"));
    QCOMPARE(content.days[2].dow, QStringLiteral("Wk 1 Mon"));
    QCOMPARE(content.fixedColWidth, 1200);

    const DrawnSlot* lesson = content.slotAt(QTime(9, 0), "Mon");
    QVERIFY(lesson);
    QCOMPARE(lesson->tutor, QStringLiteral("Ann"));
    QCOMPARE(lesson->subject, QStringLiteral("Maths"));
    QCOMPARE(lesson->room, QString());
    QCOMPARE(lesson->specialId, 1);
    QCOMPARE(content.slotAt(QTime(11, 30), "Wk 1 Mon")->specialId, 4);
    QVERIFY(!content.slotAt(QTime(11, 30), "Mon")); // 7B's lesson
    QVERIFY(!content.slotAt(QTime(9, 0), "mon"));
}

void tst_timetablestore::missingTimetableIsNothing() {
    TestFixture f;
    Result<std::optional<TimetableContent>> read = TimetableStore::read(f.db(), 42);
    QVERIFY(read);
    QVERIFY(!read.value());
}

void tst_timetablestore::geometryRoundTripsExactly() {
    TestFixture f;
    const int id = addTimetable(f.db(), "Room", addName(f.db(), "Room", "R1"), {"Mon", "Tue"},
                                {{"09:00:00"}, {"10:00:00"}});
    const QList<int> columns = columnIds(f.db(), id);
    const QList<int> days = dayIds(f.db(), id);
    TimetableGeometry geometry{
        613, 1237, {{columns[0], 1501}, {columns[1], 2999}}, {{days[0], 1049}, {days[1], 17}}};
    QVERIFY(TimetableStore::saveGeometry(f.db(), id, geometry));
    const TimetableContent content = *TimetableStore::read(f.db(), id).value();
    QCOMPARE(content.fixedRowHeight, 613);
    QCOMPARE(content.fixedColWidth, 1237);
    QCOMPARE(content.columns[0].width, 1501);
    QCOMPARE(content.columns[1].width, 2999);
    QCOMPARE(content.days[0].height, 1049);
    QCOMPARE(content.days[1].height, 17);
}

void tst_timetablestore::geometryWritesOnlyChangedSizes_data() {
    QTest::addColumn<int>("fixedRowHeight");
    QTest::addColumn<int>("secondWidth");
    QTest::addColumn<int>("firstHeight");
    QTest::addColumn<int>("rowsWritten");
    QTest::newRow("as stored") << 570 << 1500 << 1050 << 0;
    QTest::newRow("one width") << 570 << 2000 << 1050 << 1;
    QTest::newRow("header") << 600 << 1500 << 1050 << 1;
    QTest::newRow("header and a height") << 600 << 1500 << 900 << 2;
}

void tst_timetablestore::geometryWritesOnlyChangedSizes() {
    QFETCH(int, fixedRowHeight);
    QFETCH(int, secondWidth);
    QFETCH(int, firstHeight);
    QFETCH(int, rowsWritten);
    TestFixture f;
    const int id = addTimetable(f.db(), "Room", addName(f.db(), "Room", "R1"), {"Mon", "Tue"},
                                {{"09:00:00"}, {"10:00:00"}});
    const QList<int> columns = columnIds(f.db(), id);
    const QList<int> days = dayIds(f.db(), id);
    TimetableGeometry geometry{fixedRowHeight,
                               1200,
                               {{columns[0], 1500}, {columns[1], secondWidth}},
                               {{days[0], firstHeight}, {days[1], 1050}}};
    const int before = scalar(f.db(), "SELECT total_changes()");
    QVERIFY(TimetableStore::saveGeometry(f.db(), id, geometry));
    QCOMPARE(scalar(f.db(), "SELECT total_changes()") - before, rowsWritten);
    const TimetableContent content = *TimetableStore::read(f.db(), id).value();
    QCOMPARE(content.fixedRowHeight, fixedRowHeight);
    QCOMPARE(content.columns[1].width, secondWidth);
    QCOMPARE(content.days[0].height, firstHeight);
}

void tst_timetablestore::lookCopiedFromAStyleWhole() {
    TestFixture f;
    const int classId = addName(f.db(), "Class", "7A");
    const int target = addTimetable(f.db(), "Class", classId, {"Mon"}, {{"09:00:00"}});
    const int other = addTimetable(f.db(), "Class", classId, {"Tue"}, {{"09:00:00"}});
    const TimetableLook untouched = lookOf(f.db(), other);
    const int styleId = addStyle(f.db(), oddLook());
    QCOMPARE(TimetableLooks::readStyle(f.db(), styleId).value(),
             std::optional<TimetableLook>(oddLook()));

    Result<bool> copied = TimetableLooks::copyStyle(f.db(), styleId, target);
    QVERIFY(copied);
    QVERIFY(copied.value());
    QCOMPARE(lookOf(f.db(), target), oddLook());
    QCOMPARE(lookOf(f.db(), other), untouched);

    // A style that is gone leaves the timetable's look as it was.
    Result<bool> missing = TimetableLooks::copyStyle(f.db(), styleId + 1, other);
    QVERIFY(missing);
    QVERIFY(!missing.value());
    QCOMPARE(lookOf(f.db(), other), untouched);
}

void tst_timetablestore::savedLookRoundTrips() {
    TestFixture f;
    const int classId = addName(f.db(), "Class", "7A");
    const int target = addTimetable(f.db(), "Class", classId, {"Mon"}, {{"09:00:00"}});
    const int other = addTimetable(f.db(), "Class", classId, {"Tue"}, {{"09:00:00"}});
    const TimetableLook untouched = lookOf(f.db(), other);
    QVERIFY(TimetableLooks::save(f.db(), target, oddLook()));
    QCOMPARE(lookOf(f.db(), target), oddLook());
    QCOMPARE(lookOf(f.db(), other), untouched);
    Result<std::optional<TimetableContent>> content = TimetableStore::read(f.db(), target);
    QVERIFY(content && content.value());
    QCOMPARE(content.value()->look, oddLook());
}

QTEST_MAIN(tst_timetablestore)
#include "tst_timetablestore.moc"
