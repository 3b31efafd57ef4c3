#include "TestData.h"
#include "TestFixture.h"

#include "data/NameLists.h"

#include <QTest>

using namespace TestData;
using NameLists::Entry;

Q_DECLARE_METATYPE(NameLists::List)

namespace {

QStringList namesOf(const QList<Entry>& entries) {
    QStringList names;
    for (const Entry& entry : entries)
        names << entry.name;
    return names;
}

QList<Entry> entriesOf(const DBConnection& db, NameLists::List list,
                       NameLists::Placeholder placeholder = NameLists::Placeholder::LeftOut) {
    Result<QList<Entry>> entries = NameLists::readAll(db, list, placeholder);
    if (!entries)
        qFatal("%s", qPrintable(entries.error().message));
    return entries.value();
}

} // namespace

class tst_lists : public QObject {
    Q_OBJECT

private slots:
    void everyListReadsByNameWithoutCaseThenId_data();
    void everyListReadsByNameWithoutCaseThenId();
    void addedAndRenamedNamesAreStoredAsTyped();
    void timetablesOfAnOwnerAreItsOwnKindOnly();
};

void tst_lists::everyListReadsByNameWithoutCaseThenId_data() {
    QTest::addColumn<NameLists::List>("list");
    QTest::addColumn<QString>("table");
    QTest::newRow("tutors") << NameLists::Tutor << "Tutor";
    QTest::newRow("subjects") << NameLists::Subject << "Subject";
    QTest::newRow("rooms") << NameLists::Room << "Room";
    QTest::newRow("classes") << NameLists::Class << "Class";
}

void tst_lists::everyListReadsByNameWithoutCaseThenId() {
    QFETCH(NameLists::List, list);
    QFETCH(QString, table);
    TestFixture f;
    QCOMPARE(NameLists::tableName(list), table);
    const int zed = addName(f.db(), table, "Zed");
    const int lowerAl = addName(f.db(), table, "al");
    addName(f.db(), table, "O'Neil");
    addName(f.db(), table, "bob");
    addName(f.db(), table, "o'hara");
    const int upperAl = addName(f.db(), table, "Al");
    addName(f.db(), table, "'Quoted'");

    const QList<Entry> entries = entriesOf(f.db(), list);
    QCOMPARE(namesOf(entries),
             QStringList({"'Quoted'", "al", "Al", "bob", "o'hara", "O'Neil", "Zed"}));
    QCOMPARE(entries[1].id, lowerAl); // the same name without case: the older row first
    QCOMPARE(entries[2].id, upperAl);
    QCOMPARE(entries.last().id, zed);

    const QList<Entry> withPlaceholder = entriesOf(f.db(), list, NameLists::Placeholder::Included);
    QCOMPARE(withPlaceholder.size(), entries.size() + 1);
    QCOMPARE(withPlaceholder.first(), (Entry{1, QString()}));
    QCOMPARE(withPlaceholder.mid(1), entries);
}

void tst_lists::addedAndRenamedNamesAreStoredAsTyped() {
    TestFixture f;
    const int before = addName(f.db(), "Room", "R1");
    Result<int> added = NameLists::add(f.db(), NameLists::Room, "St. John's \"Lab\"");
    QVERIFY(added);
    QVERIFY(added.value() > before);
    QVERIFY(NameLists::rename(f.db(), NameLists::Room, before, "Room 1; DROP TABLE Room"));
    QCOMPARE(
        entriesOf(f.db(), NameLists::Room),
        QList<Entry>({{before, "Room 1; DROP TABLE Room"}, {added.value(), "St. John's \"Lab\""}}));
    QVERIFY(entriesOf(f.db(), NameLists::Tutor).isEmpty());
}

void tst_lists::timetablesOfAnOwnerAreItsOwnKindOnly() {
    TestFixture f;
    const int classId = addName(f.db(), "Class", "7A");
    const int tutorId = addName(f.db(), "Tutor", "Ann");
    QCOMPARE(classId, tutorId); // the same number in two lists must not mix them up
    const int first = addTimetable(f.db(), "Class", classId, {"Mon"}, {{"09:00:00"}});
    const int tutors = addTimetable(f.db(), "Tutor", tutorId, {"Mon"}, {{"09:00:00"}});
    const int second = addTimetable(f.db(), "Class", classId, {"Tue"}, {{"09:00:00"}});
    addTimetable(f.db(), "Class", addName(f.db(), "Class", "7B"), {"Mon"}, {{"09:00:00"}});

    QCOMPARE(NameLists::timetablesOf(f.db(), NameLists::Class, classId).value(),
             QList<int>({first, second}));
    QCOMPARE(NameLists::timetablesOf(f.db(), NameLists::Tutor, tutorId).value(),
             QList<int>({tutors}));
    QCOMPARE(NameLists::timetablesOf(f.db(), NameLists::Room, classId).value(), QList<int>());
    QCOMPARE(NameLists::timetablesOf(f.db(), NameLists::Subject, classId).value(), QList<int>());
}

QTEST_MAIN(tst_lists)
#include "tst_lists.moc"
