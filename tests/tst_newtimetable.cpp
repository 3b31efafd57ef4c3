#include "TestData.h"
#include "TestFixture.h"

#include "data/TimetableBuilder.h"
#include "data/TimetableLook.h"
#include "setup/NewTimetablePresets.h"

#include <QTest>

using namespace TestData;

namespace {

int count(const DBConnection& db, const QString& table) {
    return scalar(db, QStringLiteral("SELECT COUNT(*) FROM %1").arg(table));
}

QString writtenRows(const DBConnection& db) {
    return QStringLiteral("%1 timetables, %2 periods, %3 days")
        .arg(count(db, "TimeTableView"))
        .arg(count(db, "XTitle"))
        .arg(count(db, "YTitle"));
}

QStringList rows(const DBConnection& db, const QString& sql, const QVariantList& values) {
    Result<QSqlQuery> query = db.exec(sql, values);
    if (!query)
        qFatal("%s", qPrintable(query.error().message));
    QStringList found;
    while (query.value().next()) {
        QStringList fields;
        for (int i = 0; i < query.value().record().count(); ++i)
            fields << query.value().value(i).toString();
        found << fields.join(' ');
    }
    return found;
}

QStringList periodsOf(const DBConnection& db, int timetableId) {
    return rows(db, "SELECT StartTime, Duration FROM XTitle WHERE TimeTableViewID = ? ORDER BY ID",
                {timetableId});
}

QStringList daysOf(const DBConnection& db, int timetableId) {
    return rows(db, "SELECT DOW FROM YTitle WHERE TimeTableViewID = ? ORDER BY ID", {timetableId});
}

} // namespace

class tst_newtimetable : public QObject {
    Q_OBJECT

private slots:
    void builderCopiesTheStyleAndWritesPeriodsInListOrder();
    void builderWithoutTheStyleWritesNothing();
    void builderFailureWritesNothing();
    void presetHours_data();
    void presetHours();
    void presetDays();
};

void tst_newtimetable::builderCopiesTheStyleAndWritesPeriodsInListOrder() {
    TestFixture f;
    const SmallSchool s = addSmallSchool(f.db());
    const TimetableLook first = *TimetableLooks::readStyle(f.db(), 1).value();
    const TimetableLook second = *TimetableLooks::readStyle(f.db(), 2).value();
    // Later in the list but earlier in the day, then the same time again.
    const NewTimetable plan{ViewKind::Tutor, s.ann, 2, {"Tue", "Mon", "Tue"},
                            {QTime(9, 0), QTime(9, 40), QTime(9, 30), QTime(9, 30)}};
    Result<std::optional<int>> built = TimetableBuilder::build(f.db(), plan);
    QVERIFY2(built, built ? "" : qPrintable(built.error().message));
    QVERIFY(built.value());
    const int id = *built.value();

    QCOMPARE(rows(f.db(),
                  "SELECT ViewBy, '[' || Name || ']', ClassID, TutorID, RoomID, SubjectID, "
                  "FixedRowHeight, FixedColWidth FROM TimeTableView WHERE ID = ?",
                  {id}),
             QStringList{QStringLiteral("Tutor [] 1 %1 1 1 570 1200").arg(s.ann)});
    QCOMPARE(*TimetableLooks::readTimetable(f.db(), id).value(), second);
    QVERIFY(second != first); // so the copy of the chosen one is seen
    QCOMPARE(periodsOf(f.db(), id), (QStringList{"09:00:00 40", "09:40:00 -10", "09:30:00 0"}));
    QCOMPARE(rows(f.db(), "SELECT DISTINCT Width, SpecialID FROM XTitle", {}), QStringList{"1500 1"});
    QCOMPARE(daysOf(f.db(), id), (QStringList{"Tue", "Mon", "Tue"}));
    QCOMPARE(count(f.db(), "Slot"), 0);
}

void tst_newtimetable::builderWithoutTheStyleWritesNothing() {
    TestFixture f;
    const NewTimetable plan{ViewKind::Class, 1, 999, {"Mon"}, {QTime(9, 0), QTime(10, 0)}};
    Result<std::optional<int>> built = TimetableBuilder::build(f.db(), plan);
    QVERIFY(built);
    QVERIFY(!built.value());
    QCOMPARE(writtenRows(f.db()), QStringLiteral("0 timetables, 0 periods, 0 days"));
    QCOMPARE(f.db().transactionDepth(), 0);
}

void tst_newtimetable::builderFailureWritesNothing() {
    TestFixture f;
    // The last of the three writes fails, after the others have gone in.
    QVERIFY(f.db().run("CREATE TRIGGER no_days BEFORE INSERT ON YTitle "
                       "BEGIN SELECT RAISE(ABORT, 'disk says no'); END"));
    const NewTimetable plan{ViewKind::Class, 1, 1, {"Mon"}, {QTime(9, 0), QTime(10, 0)}};
    Result<std::optional<int>> built = TimetableBuilder::build(f.db(), plan);
    QVERIFY(!built);
    QVERIFY2(built.error().message.contains("disk says no"), qPrintable(built.error().message));
    QCOMPARE(writtenRows(f.db()), QStringLiteral("0 timetables, 0 periods, 0 days"));
    QCOMPARE(f.db().transactionDepth(), 0);
}

void tst_newtimetable::presetHours_data() {
    QTest::addColumn<int>("hours");
    QTest::addColumn<int>("increment");
    QTest::addColumn<QStringList>("boundaries");
    const auto hourly = [](int from, int to) {
        QStringList list;
        for (int h = from; h <= to; ++h)
            list << QTime(h, 0).toString("HH:mm");
        return list;
    };
    QTest::newRow("8 to 3, 60") << 0 << 0 << hourly(8, 15);
    QTest::newRow("7 to 4, 60") << 1 << 0 << hourly(7, 16);
    QTest::newRow("8 to 4, 60") << 2 << 0 << hourly(8, 16);
    QTest::newRow("9 to 5, 60") << 3 << 0 << hourly(9, 17);
    // The hour from 14:00 to 15:00 is no whole period: the last boundary is 14:00.
    QTest::newRow("8 to 3, 120") << 0 << 1 << QStringList{"08:00", "10:00", "12:00", "14:00"};
    QTest::newRow("7 to 4, 120") << 1 << 1
                                 << QStringList{"07:00", "09:00", "11:00", "13:00", "15:00"};
    QTest::newRow("8 to 4, 120") << 2 << 1
                                 << QStringList{"08:00", "10:00", "12:00", "14:00", "16:00"};
    QTest::newRow("9 to 5, 120") << 3 << 1
                                 << QStringList{"09:00", "11:00", "13:00", "15:00", "17:00"};
    QTest::newRow("out of range") << 4 << 0 << QStringList{};
}

void tst_newtimetable::presetHours() {
    QFETCH(int, hours);
    QFETCH(int, increment);
    QFETCH(QStringList, boundaries);
    QStringList made;
    for (QTime time : NewTimetablePresets::boundaries(hours, increment))
        made << time.toString("HH:mm");
    QCOMPARE(made, boundaries);
}

void tst_newtimetable::presetDays() {
    QCOMPARE(NewTimetablePresets::days(0), (QStringList{"Mon", "Tue", "Wed", "Thu", "Fri"}));
    QCOMPARE(NewTimetablePresets::days(1).size(), 7);
    QCOMPARE(NewTimetablePresets::days(1).last(), QStringLiteral("Sun"));
    QCOMPARE(NewTimetablePresets::days(2),
             (QStringList{"Wk 1 Mon", "Wk 1 Tue", "Wk 1 Wed", "Wk 1 Thu", "Wk 1 Fri", "Wk 2 Mon",
                          "Wk 2 Tue", "Wk 2 Wed", "Wk 2 Thu", "Wk 2 Fri"}));
}

QTEST_MAIN(tst_newtimetable)
#include "tst_newtimetable.moc"
