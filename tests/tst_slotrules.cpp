#include "TestFixture.h"

#include "data/CellLookup.h"
#include "data/ClashCheck.h"
#include "data/SlotWriter.h"
#include "data/TimetableView.h"

#include <QRegularExpression>
#include <QSqlRecord>
#include <QTest>

namespace {

// Every test world holds these rows besides the placeholders (ids in insertion order).
constexpr int Class7A = 2, Class7B = 3;
constexpr int Smith = 2, Jones = 3;
constexpr int Lab = 2, Hall = 3;
constexpr int Maths = 2, Art = 3;
constexpr int Unavailable = 2, Lunch = 3, Break = 4;

const QString Nine = QStringLiteral("09:00:00");

const QString Head = QStringLiteral("A clash has occured.\r\n\r\n");
const QString SmithBusy =
    QStringLiteral("The Tutor Smith is scheduled elsewhere at this time and \r\n"
                   "cannot be used here. To correct this problem select the Tutor's \r\n"
                   "timetable and make them available. \r\n");
const QString LabBusy = QStringLiteral("The Room Lab is scheduled elsewhere at this time and \r\n"
                                       "cannot be used here. To correct this problem select the "
                                       "Room's \r\ntimetable and make it available.\r\n");
const QString SevenBBusy =
    QStringLiteral("The Class 7B is scheduled elsewhere at this time and \r\n"
                   "cannot be used here. To correct this problem select the Class' \r\n"
                   "timetable and make them available. \r\n");

void addNames(DBConnection& db) {
    const QList<std::pair<QString, QStringList>> lists = {{"Class", {"7A", "7B"}},
                                                          {"Tutor", {"Smith", "Jones"}},
                                                          {"Room", {"Lab", "Hall"}},
                                                          {"Subject", {"Maths", "Art"}}};
    for (const auto& [table, names] : lists) {
        for (const QString& name : names) {
            if (!db.insertRow(table, {{"Name", name}}))
                qFatal("cannot add %s", qPrintable(name));
        }
    }
}

SlotIds ids(int subject, int cls, int tutor, int room, int special = 1) {
    return SlotIds{subject, cls, tutor, room, special};
}

int addSlot(DBConnection& db, const SlotIds& s, const QString& dow = "Mon",
            const QString& start = Nine) {
    Result<int> id = db.insertRow("Slot", {{"SubjectID", s.subjectId},
                                           {"ClassID", s.classId},
                                           {"TutorID", s.tutorId},
                                           {"RoomID", s.roomId},
                                           {"SpecialID", s.specialId},
                                           {"StartTime", start},
                                           {"DOW", dow},
                                           {"Duration", 40}});
    if (!id)
        qFatal("cannot add a slot: %s", qPrintable(id.error().message));
    return id.value();
}

SlotKey cell(ViewKind owner, int ownerId, const QString& dow = "Mon") {
    return SlotKey{QTime(9, 0), dow, 40, owner, ownerId};
}

// Every Slot row as stored, in id order.
QList<SlotRow> allSlots(const DBConnection& db) {
    QList<SlotRow> rows;
    Result<QSqlQuery> query =
        db.exec("SELECT " + SlotRow::selectColumns() + " FROM Slot ORDER BY ID");
    if (!query)
        qFatal("%s", qPrintable(query.error().message));
    while (query.value().next())
        rows << SlotRow::fromRecord(query.value().record());
    return rows;
}

SlotIds stored(const DBConnection& db, int rowId) {
    for (const SlotRow& row : allSlots(db)) {
        if (row.id == rowId)
            return row.ids;
    }
    qWarning("no slot %d", rowId);
    return SlotIds{0, 0, 0, 0, 0};
}

struct Existing {
    SlotIds ids;
    QString dow = "Mon";
    QString start = Nine;
};

struct Statement {
    QString sql;
    QVariantList values;
};

// Records the statements run on a connection while it lives.
class StatementLog {
public:
    StatementLog(DBConnection& db, QList<Statement>& ran) : m_db(db) {
        db.setStatementObserver([&ran](const QString& sql, const QVariantList& values) {
            ran << Statement{sql, values};
        });
    }
    ~StatementLog() { m_db.setStatementObserver({}); }
    StatementLog(const StatementLog&) = delete;
    StatementLog& operator=(const StatementLog&) = delete;

private:
    DBConnection& m_db;
};

// The steps of a statement's query plan that reach Slot rows ("SEARCH Slot USING ...",
// "SCAN Slot"); none for a statement that does not look rows up.
Result<QStringList> slotPlanSteps(const DBConnection& db, const Statement& statement) {
    Result<QSqlQuery> plan = db.exec("EXPLAIN QUERY PLAN " + statement.sql, statement.values);
    if (!plan)
        return plan.error();
    static const QRegularExpression slotStep("^(SEARCH|SCAN) Slot\\b");
    QStringList steps;
    while (plan.value().next()) {
        const QString detail = plan.value().record().value("detail").toString();
        if (slotStep.match(detail).hasMatch())
            steps << detail;
    }
    return steps;
}

// A seek to one row by its id, or through an index whose bounds hold the start and the day.
bool seeksByIdOrTimeAndDay(const QString& step) {
    if (!step.startsWith("SEARCH "))
        return false;
    static const QRegularExpression bounds("\\(([^)]*)\\)$");
    const QString bound = bounds.match(step).captured(1);
    return bound == "rowid=?" || (bound.contains("StartTime=?") && bound.contains("DOW=?"));
}

} // namespace

Q_DECLARE_METATYPE(QList<Existing>)
Q_DECLARE_METATYPE(SlotIds)

// Readable failures: found by QCOMPARE through argument-dependent lookup.
char* toString(const SlotIds& s) {
    return qstrdup(
        qPrintable(QStringLiteral("{subject %1, class %2, tutor %3, room %4, special %5}")
                       .arg(s.subjectId)
                       .arg(s.classId)
                       .arg(s.tutorId)
                       .arg(s.roomId)
                       .arg(s.specialId)));
}

char* toString(const SlotRow& row) {
    QScopedArrayPointer<char> ids(toString(row.ids));
    return qstrdup(qPrintable(QStringLiteral("#%1 %2").arg(row.id).arg(ids.data())));
}

class tst_slotrules : public QObject {
    Q_OBJECT

private slots:
    void clashCheck_data();
    void clashCheck();
    void nothingToCheckRunsNoQuery();

    void timetableViewIsReadById();
    void cellLookupFindsTheFirstOwnRow();
    void cellLookupOfMissingDayOrPeriodIsEmpty();

    void newLessonAddsOneRow();
    void ownRowIsUpdatedInPlace();
    void clashWritesNothing();
    void lessonTakesOverFreeRow_data();
    void lessonTakesOverFreeRow();
    void emptyOrSpecialWriteNeverTakesOver_data();
    void emptyOrSpecialWriteNeverTakesOver();
    void takeoverThatDoubleBooksIsAClash();
    void rowTakenOverIsNotItsOwnClash_data();
    void rowTakenOverIsNotItsOwnClash();
    void placeholderNeverHidesALesson_data();
    void placeholderNeverHidesALesson();

    void undoRestoresTheRowWritten_data();
    void undoRestoresTheRowWritten();
    void undoThatNowClashesWritesNothing();
    void failedWriteIsAnErrorAndLeavesNothing_data();
    void failedWriteIsAnErrorAndLeavesNothing();

    void writeAndUndoSeekSlotRowsByTimeAndDay_data();
    void writeAndUndoSeekSlotRowsByTimeAndDay();
};

void tst_slotrules::clashCheck_data() {
    QTest::addColumn<QString>("viewBy");
    QTest::addColumn<int>("room");
    QTest::addColumn<int>("tutor");
    QTest::addColumn<int>("cls");
    QTest::addColumn<QList<Existing>>("existing");
    QTest::addColumn<QString>("message"); // empty: no clash

    const auto lessonOf7B = QList<Existing>{{ids(Maths, Class7B, Smith, Hall)}};
    QTest::newRow("class, nothing chosen") << "Class" << 1 << 1 << Class7A << lessonOf7B << "";
    QTest::newRow("class, tutor elsewhere")
        << "Class" << 1 << Smith << Class7A << lessonOf7B << Head + SmithBusy;
    QTest::newRow("class, tutor and room elsewhere: tutor first")
        << "Class" << Lab << Smith << Class7A << QList<Existing>{{ids(Maths, Class7B, Smith, Lab)}}
        << Head + SmithBusy + LabBusy;
    QTest::newRow("class, two rows each add a paragraph")
        << "Class" << Lab << Smith << Class7A
        << QList<Existing>{{ids(1, 1, 1, Lab, Lunch)}, {ids(Maths, Class7B, Smith, Hall)}}
        << Head + LabBusy + SmithBusy;
    QTest::newRow("tutor's empty period excuses")
        << "Class" << 1 << Smith << Class7A << QList<Existing>{{ids(1, 1, Smith, 1)}} << "";
    QTest::newRow("tutor's empty period with a subject excuses")
        << "Class" << 1 << Smith << Class7A << QList<Existing>{{ids(Art, 1, Smith, 1)}} << "";
    QTest::newRow("tutor unavailable blocks")
        << "Class" << 1 << Smith << Class7A << QList<Existing>{{ids(1, 1, Smith, 1, Unavailable)}}
        << Head + SmithBusy;
    QTest::newRow("tutor at lunch blocks")
        << "Class" << 1 << Smith << Class7A << QList<Existing>{{ids(1, 1, Smith, 1, Lunch)}}
        << Head + SmithBusy;
    QTest::newRow("tutor on break blocks a room timetable")
        << "Room" << Lab << Smith << 1 << QList<Existing>{{ids(1, 1, Smith, 1, Break)}}
        << Head + SmithBusy;
    QTest::newRow("own class's rows are never reported")
        << "Class" << Lab << Smith << Class7A
        << QList<Existing>{{ids(Maths, Class7A, Smith, Lab)}, {ids(Art, Class7A, Smith, Lab)}}
        << "";
    QTest::newRow("other day text")
        << "Class" << 1 << Smith << Class7A
        << QList<Existing>{{ids(Maths, Class7B, Smith, Hall), "Wk 1 Mon"}} << "";
    QTest::newRow("other start time")
        << "Class" << 1 << Smith << Class7A
        << QList<Existing>{{ids(Maths, Class7B, Smith, Hall), "Mon", "10:00:00"}} << "";
    QTest::newRow("slot naming a missing subject is invisible")
        << "Class" << 1 << Smith << Class7A << QList<Existing>{{ids(99, Class7B, Smith, Hall)}}
        << "";
    QTest::newRow("tutor timetable, class elsewhere")
        << "Tutor" << 1 << Smith << Class7B << QList<Existing>{{ids(Maths, Class7B, Jones, Hall)}}
        << Head + SevenBBusy;
    QTest::newRow("tutor timetable, class then room")
        << "Tutor" << Lab << Smith << Class7B << QList<Existing>{{ids(Maths, Class7B, Jones, Lab)}}
        << Head + SevenBBusy + LabBusy;
    QTest::newRow("room timetable, tutor's empty period excuses")
        << "Room" << Lab << Smith << 1 << QList<Existing>{{ids(1, 1, Smith, 1)}} << "";
    QTest::newRow("room timetable, class then tutor")
        << "Room" << Lab << Smith << Class7B << QList<Existing>{{ids(Art, Class7B, Smith, Hall)}}
        << Head + SevenBBusy + SmithBusy;
    QTest::newRow("unknown kind never clashes")
        << "class" << 1 << Smith << Class7A << lessonOf7B << "";
}

void tst_slotrules::clashCheck() {
    QFETCH(QString, viewBy);
    QFETCH(int, room);
    QFETCH(int, tutor);
    QFETCH(int, cls);
    QFETCH(QList<Existing>, existing);
    QFETCH(QString, message);
    TestFixture f;
    addNames(f.db());
    for (const Existing& row : existing)
        addSlot(f.db(), row.ids, row.dow, row.start);

    Result<ClashCheck> check = CheckForClash(f.db(), viewBy, room, tutor, cls, QTime(9, 0), "Mon");
    QVERIFY2(check, check ? "" : qPrintable(check.error().message));
    QCOMPARE(check.value().message, message);
    QCOMPARE(check.value().clash, !message.isEmpty());
}

void tst_slotrules::nothingToCheckRunsNoQuery() {
    TestFixture f;
    QVERIFY(f.db().run("ALTER TABLE Slot RENAME TO SlotAway"));
    const QTime nine(9, 0);
    QVERIFY(CheckForClash(f.db(), "Class", 1, 1, Class7A, nine, "Mon"));
    QVERIFY(CheckForClash(f.db(), "Room", Lab, 1, 1, nine, "Mon"));
    QVERIFY(CheckForClash(f.db(), "Timetable", Lab, Smith, Class7A, nine, "Mon"));
    QVERIFY(!CheckForClash(f.db(), "Class", Lab, 1, Class7A, nine, "Mon")); // a query fails
}

void tst_slotrules::timetableViewIsReadById() {
    TestFixture f;
    Result<int> id = f.db().insertRow("TimeTableView", {{"ViewBy", "Room"}, {"RoomID", Hall}});
    QVERIFY(id);
    Result<std::optional<TimetableView>> view = TimetableView::read(f.db(), id.value());
    QVERIFY(view && view.value());
    QCOMPARE(view.value()->kind(), std::optional(ViewKind::Room));
    QCOMPARE(view.value()->ownerId(), Hall);
    QCOMPARE(view.value()->classId, 1);

    Result<std::optional<TimetableView>> missing = TimetableView::read(f.db(), id.value() + 1);
    QVERIFY(missing);
    QVERIFY(!missing.value());
    QCOMPARE((TimetableView{1, "ROOM", 1, Hall, 1, 1}.ownerId()), 1);
}

void tst_slotrules::cellLookupFindsTheFirstOwnRow() {
    TestFixture f;
    addNames(f.db());
    const TimetableView view{7, "Tutor", 1, 1, Smith, 1};
    Result<int> day = f.db().insertRow("YTitle", {{"TimeTableViewID", 7}, {"DOW", "Wk 1 Mon"}});
    Result<int> period = f.db().insertRow(
        "XTitle", {{"TimeTableViewID", 7}, {"StartTime", "13:05:00"}, {"Duration", 50}});
    QVERIFY(day && period);
    addSlot(f.db(), ids(Maths, Class7A, Jones, 1), "Wk 1 Mon", "13:05:00"); // another tutor
    addSlot(f.db(), ids(Maths, Class7A, Smith, 1), "Mon", "13:05:00");      // another day
    const int first = addSlot(f.db(), ids(Art, Class7B, Smith, Lab), "Wk 1 Mon", "13:05:00");
    addSlot(f.db(), ids(Maths, 1, Smith, 1), "Wk 1 Mon", "13:05:00");

    Result<std::optional<CellSlot>> found =
        CellLookup::lookup(f.db(), view, day.value(), period.value());
    QVERIFY(found && found.value());
    const CellSlot& slot = *found.value();
    QCOMPARE(slot.key.start, QTime(13, 5));
    QCOMPARE(slot.key.dow, QStringLiteral("Wk 1 Mon"));
    QCOMPARE(slot.key.duration, 50);
    QCOMPARE(slot.key.owner, ViewKind::Tutor);
    QCOMPARE(slot.key.ownerId, Smith);
    QVERIFY(slot.row);
    QCOMPARE(*slot.row, (SlotRow{first, ids(Art, Class7B, Smith, Lab)}));

    const TimetableView bad{7, "Teacher", 1, 1, Smith, 1};
    QVERIFY(!CellLookup::lookup(f.db(), bad, day.value(), period.value()));
}

void tst_slotrules::cellLookupOfMissingDayOrPeriodIsEmpty() {
    TestFixture f;
    const TimetableView view{7, "Class", Class7A, 1, 1, 1};
    Result<int> day = f.db().insertRow("YTitle", {{"TimeTableViewID", 7}, {"DOW", "Mon"}});
    Result<int> period =
        f.db().insertRow("XTitle", {{"TimeTableViewID", 7}, {"StartTime", Nine}, {"Duration", 40}});
    QVERIFY(day && period);
    for (auto [dayId, periodId] :
         {std::pair{day.value() + 5, period.value()}, std::pair{day.value(), period.value() + 5}}) {
        Result<std::optional<CellSlot>> found = CellLookup::lookup(f.db(), view, dayId, periodId);
        QVERIFY(found);
        QVERIFY(!found.value());
    }
    Result<std::optional<CellSlot>> empty =
        CellLookup::lookup(f.db(), view, day.value(), period.value());
    QVERIFY(empty && empty.value());
    QVERIFY(!empty.value()->row);
}

void tst_slotrules::newLessonAddsOneRow() {
    TestFixture f;
    addNames(f.db());
    addSlot(f.db(), ids(Art, Class7B, Jones, Hall)); // unrelated lesson at the same time

    Result<SlotWriteOutcome> out =
        SlotWriter(f.db()).write(cell(ViewKind::Class, Class7A), ids(Maths, 99, Smith, Lab));
    QVERIFY(out && out.value().wrote());
    QVERIFY(!out.value().tookOver);
    QCOMPARE(out.value().written, ids(Maths, Class7A, Smith, Lab));
    Result<std::optional<QSqlRecord>> row = f.db().firstRow(
        "SELECT " + SlotRow::selectColumns() + ", StartTime, DOW, Duration FROM Slot WHERE ID = ?",
        {out.value().rowId});
    QVERIFY(row && row.value());
    QCOMPARE(SlotRow::fromRecord(*row.value()).ids, ids(Maths, Class7A, Smith, Lab));
    QCOMPARE(row.value()->value("StartTime").toString(), Nine);
    QCOMPARE(row.value()->value("DOW").toString(), QStringLiteral("Mon"));
    QCOMPARE(row.value()->value("Duration").toInt(), 40);
    QCOMPARE(allSlots(f.db()).size(), 2);
}

void tst_slotrules::ownRowIsUpdatedInPlace() {
    TestFixture f;
    addNames(f.db());
    const int own = addSlot(f.db(), ids(Maths, Class7A, Smith, Lab));

    Result<SlotWriteOutcome> out =
        SlotWriter(f.db()).write(cell(ViewKind::Class, Class7A), ids(Maths, 1, 1, Lab, Lunch));
    QVERIFY(out && out.value().wrote());
    QCOMPARE(out.value().rowId, own);
    QCOMPARE(allSlots(f.db()), (QList<SlotRow>{{own, ids(Maths, Class7A, 1, Lab, Lunch)}}));
    QVERIFY(isSpecialPeriod(allSlots(f.db()).first()));
    QCOMPARE(out.value().undo.before, ids(Maths, Class7A, Smith, Lab));
}

void tst_slotrules::clashWritesNothing() {
    TestFixture f;
    addNames(f.db());
    addSlot(f.db(), ids(Art, Class7B, Smith, Hall));
    addSlot(f.db(), ids(Maths, Class7A, Jones, Lab));
    const QList<SlotRow> before = allSlots(f.db());

    Result<SlotWriteOutcome> out =
        SlotWriter(f.db()).write(cell(ViewKind::Class, Class7A), ids(Maths, 1, Smith, Lab));
    QVERIFY(out);
    QVERIFY(!out.value().wrote());
    QCOMPARE(out.value().clash.message, Head + SmithBusy);
    QCOMPARE(allSlots(f.db()), before);
}

void tst_slotrules::lessonTakesOverFreeRow_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<SlotIds>("freeRow");
    QTest::addColumn<SlotIds>("chosen");
    QTest::addColumn<SlotIds>("written");

    QTest::newRow("class chooses the tutor")
        << int(ViewKind::Class) << ids(Maths, 1, Smith, 1) << ids(Art, 1, Smith, 1)
        << ids(Maths, Class7A, Smith, 1);
    QTest::newRow("class chooses a subject alone")
        << int(ViewKind::Class) << ids(Maths, 1, Smith, 1) << ids(Art, 1, 1, 1)
        << ids(Maths, Class7A, Smith, 1);
    QTest::newRow("tutor chooses the room of a room's row")
        << int(ViewKind::Tutor) << ids(Art, 1, 1, Lab) << ids(1, 1, 1, Lab)
        << ids(Art, 1, Smith, Lab);
    QTest::newRow("room chooses the class") << int(ViewKind::Room) << ids(Art, Class7B, 1, 1)
                                            << ids(1, Class7B, 1, 1) << ids(Art, Class7B, 1, Hall);
}

void tst_slotrules::lessonTakesOverFreeRow() {
    QFETCH(int, kind);
    QFETCH(SlotIds, freeRow);
    QFETCH(SlotIds, chosen);
    QFETCH(SlotIds, written);
    const auto owner = ViewKind(kind);
    TestFixture f;
    addNames(f.db());
    addSlot(f.db(), ids(1, 1, 1, 1, Unavailable)); // not an ordinary period: never taken over
    const int freeId = addSlot(f.db(), freeRow);
    const SlotIds chosenWithOwner = chosen.withResource(owner, 1);

    Result<SlotWriteOutcome> out =
        SlotWriter(f.db()).write(cell(owner, written.resource(owner)), chosenWithOwner);
    QVERIFY2(out, out ? "" : qPrintable(out.error().message));
    QVERIFY(out.value().wrote());
    QVERIFY(out.value().tookOver);
    QCOMPARE(out.value().rowId, freeId);
    QCOMPARE(out.value().written, written);
    QCOMPARE(stored(f.db(), freeId), written);
    QCOMPARE(allSlots(f.db()).size(), 2);
}

void tst_slotrules::emptyOrSpecialWriteNeverTakesOver_data() {
    QTest::addColumn<int>("special");
    QTest::newRow("clear") << 1;
    QTest::newRow("unavailable") << Unavailable;
    QTest::newRow("lunch") << Lunch;
    QTest::newRow("break") << Break;
}

void tst_slotrules::emptyOrSpecialWriteNeverTakesOver() {
    QFETCH(int, special);
    TestFixture f;
    addNames(f.db());
    const int tutorsLesson = addSlot(f.db(), ids(Maths, 1, Smith, 1));

    Result<SlotWriteOutcome> out =
        SlotWriter(f.db()).write(cell(ViewKind::Class, Class7A), ids(1, 1, 1, 1, special));
    QVERIFY(out && out.value().wrote());
    QVERIFY(!out.value().tookOver);
    QCOMPARE(allSlots(f.db()),
             (QList<SlotRow>{{tutorsLesson, ids(Maths, 1, Smith, 1)},
                             {out.value().rowId, ids(1, Class7A, 1, 1, special)}}));
}

void tst_slotrules::takeoverThatDoubleBooksIsAClash() {
    TestFixture f;
    addNames(f.db());
    addSlot(f.db(), ids(Maths, 1, Smith, 1));        // Smith's own free period
    addSlot(f.db(), ids(Art, Class7B, Smith, Hall)); // yet Smith teaches 7B then
    const QList<SlotRow> before = allSlots(f.db());

    Result<SlotWriteOutcome> out =
        SlotWriter(f.db()).write(cell(ViewKind::Class, Class7A), ids(Art, 1, 1, 1));
    QVERIFY(out);
    QCOMPARE(out.value().clash.message, Head + SmithBusy);
    QCOMPARE(allSlots(f.db()), before);
}

void tst_slotrules::rowTakenOverIsNotItsOwnClash_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<SlotIds>("freeRow");
    QTest::addColumn<SlotIds>("chosen");
    QTest::addColumn<SlotIds>("written");
    QTest::newRow("class chooses a subject over a tutor's row with a room")
        << int(ViewKind::Class) << ids(Maths, 1, Smith, Lab) << ids(Art, 1, 1, 1)
        << ids(Maths, Class7A, Smith, Lab);
    QTest::newRow("class chooses the tutor of a row with a room")
        << int(ViewKind::Class) << ids(Maths, 1, Smith, Lab) << ids(1, 1, Smith, 1)
        << ids(Maths, Class7A, Smith, Lab);
    QTest::newRow("room chooses the class of a row with a tutor")
        << int(ViewKind::Room) << ids(Art, Class7B, Smith, 1) << ids(1, Class7B, 1, 1)
        << ids(Art, Class7B, Smith, Hall);
}

void tst_slotrules::rowTakenOverIsNotItsOwnClash() {
    QFETCH(int, kind);
    QFETCH(SlotIds, freeRow);
    QFETCH(SlotIds, chosen);
    QFETCH(SlotIds, written);
    const auto owner = ViewKind(kind);
    TestFixture f;
    addNames(f.db());
    const int freeId = addSlot(f.db(), freeRow);

    Result<SlotWriteOutcome> out =
        SlotWriter(f.db()).write(cell(owner, written.resource(owner)), chosen);
    QVERIFY2(out, out ? "" : qPrintable(out.error().message));
    QCOMPARE(out.value().clash.message, QString());
    QVERIFY(out.value().tookOver);
    QCOMPARE(allSlots(f.db()), (QList<SlotRow>{{freeId, written}}));
}

void tst_slotrules::placeholderNeverHidesALesson_data() {
    QTest::addColumn<QList<Existing>>("existing");
    QTest::newRow("tutor's placeholder") << QList<Existing>{{ids(1, 1, Smith, 1)}};
    QTest::newRow("tutor's placeholder with a subject") << QList<Existing>{{ids(Art, 1, Smith, 1)}};
    QTest::newRow("tutor's and room's placeholders")
        << QList<Existing>{{ids(1, 1, 1, Lab)}, {ids(1, 1, Smith, 1)}};
    QTest::newRow("the class's own empty row and a placeholder")
        << QList<Existing>{{ids(1, 1, Smith, 1)}, {ids(1, Class7A, 1, 1)}};
}

void tst_slotrules::placeholderNeverHidesALesson() {
    QFETCH(QList<Existing>, existing);
    TestFixture f;
    addNames(f.db());
    for (const Existing& row : existing)
        addSlot(f.db(), row.ids, row.dow, row.start);
    const SlotWriter writer(f.db());

    // A paste: tutor and room at once.
    Result<SlotWriteOutcome> out =
        writer.write(cell(ViewKind::Class, Class7A), ids(Maths, 1, Smith, Lab));
    QVERIFY2(out && out.value().wrote(), out ? "" : qPrintable(out.error().message));
    const SlotRow lesson{out.value().rowId, ids(Maths, Class7A, Smith, Lab)};
    QCOMPARE(allSlots(f.db()), QList<SlotRow>{lesson});
    for (ViewKind resource : {ViewKind::Tutor, ViewKind::Room}) {
        Result<std::optional<SlotRow>> shown =
            CellLookup::ownRow(f.db(), cell(resource, lesson.ids.resource(resource)));
        QVERIFY(shown && shown.value());
        QCOMPARE(*shown.value(), lesson);
    }

    // Smith is busy now for every other class.
    Result<SlotWriteOutcome> second =
        writer.write(cell(ViewKind::Class, Class7B), ids(Art, 1, Smith, 1));
    QVERIFY(second);
    QCOMPARE(second.value().clash.message, Head + SmithBusy);
}

void tst_slotrules::undoRestoresTheRowWritten_data() {
    QTest::addColumn<QList<Existing>>("existing");
    QTest::addColumn<SlotIds>("chosen");
    QTest::addColumn<bool>("addsBlankRow");

    QTest::newRow("own row") << QList<Existing>{{ids(Maths, Class7A, Jones, Hall, Lunch)}}
                             << ids(Art, 1, Smith, Lab) << false;
    QTest::newRow("cell without a row") << QList<Existing>{} << ids(Art, 1, Smith, Lab) << true;
    QTest::newRow("taken-over tutor's lesson")
        << QList<Existing>{{ids(Maths, 1, Smith, 1), "Tue"}, {ids(Maths, 1, Smith, 1)}}
        << ids(Art, 1, Smith, 1) << false;
    QTest::newRow("taken-over room's row, subject alone")
        << QList<Existing>{{ids(Maths, 1, 1, Hall)}} << ids(Art, 1, 1, 1) << false;
}

void tst_slotrules::undoRestoresTheRowWritten() {
    QFETCH(QList<Existing>, existing);
    QFETCH(SlotIds, chosen);
    QFETCH(bool, addsBlankRow);
    TestFixture f;
    addNames(f.db());
    for (const Existing& row : existing)
        addSlot(f.db(), row.ids, row.dow, row.start);
    const SlotKey key = cell(ViewKind::Class, Class7A);
    Result<std::optional<SlotRow>> cellBefore = CellLookup::ownRow(f.db(), key);
    QVERIFY(cellBefore);
    QList<SlotRow> expected = allSlots(f.db());

    const SlotWriter writer(f.db());
    Result<SlotWriteOutcome> out = writer.write(key, chosen);
    QVERIFY(out && out.value().wrote());
    Result<ClashCheck> undone = writer.undo(out.value().undo);
    QVERIFY2(undone, undone ? "" : qPrintable(undone.error().message));
    QVERIFY(!undone.value().clash);

    if (addsBlankRow)
        expected << SlotRow{out.value().rowId, SlotIds::blankSlot(ViewKind::Class, Class7A)};
    QCOMPARE(allSlots(f.db()), expected);
    Result<std::optional<SlotRow>> cellAfter = CellLookup::ownRow(f.db(), key);
    QVERIFY(cellAfter);
    const bool showsEmpty = !cellAfter.value() || isBlankSlot(*cellAfter.value(), key.owner);
    QCOMPARE(showsEmpty, !cellBefore.value() || isBlankSlot(*cellBefore.value(), key.owner));
    if (cellBefore.value())
        QCOMPARE(cellAfter.value(), cellBefore.value());
}

void tst_slotrules::undoThatNowClashesWritesNothing() {
    TestFixture f;
    addNames(f.db());
    addSlot(f.db(), ids(Maths, Class7A, Jones, 1));
    const SlotWriter writer(f.db());
    Result<SlotWriteOutcome> out =
        writer.write(cell(ViewKind::Class, Class7A), ids(Maths, 1, Smith, 1));
    QVERIFY(out && out.value().wrote());
    QVERIFY(writer.write(cell(ViewKind::Class, Class7B), ids(Art, 1, Jones, 1)));
    const QList<SlotRow> before = allSlots(f.db());

    Result<ClashCheck> undone = writer.undo(out.value().undo);
    QVERIFY(undone && undone.value().clash);
    QCOMPARE(undone.value().message, Head + QString(SmithBusy).replace("Smith", "Jones"));
    QCOMPARE(allSlots(f.db()), before);
}

void tst_slotrules::failedWriteIsAnErrorAndLeavesNothing_data() {
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<SlotIds>("existing");
    QTest::addColumn<SlotIds>("chosen");
    QTest::newRow("new row refused")
        << "BEFORE INSERT" << ids(Maths, 1, Jones, 1) << ids(Art, 1, Smith, Lab);
    QTest::newRow("own row refused")
        << "BEFORE UPDATE" << ids(Maths, Class7A, 1, 1) << ids(Art, 1, Smith, Lab);
    QTest::newRow("takeover refused")
        << "BEFORE UPDATE" << ids(Maths, 1, Smith, 1) << ids(Art, 1, Smith, 1);
}

void tst_slotrules::failedWriteIsAnErrorAndLeavesNothing() {
    QFETCH(QString, trigger);
    QFETCH(SlotIds, existing);
    QFETCH(SlotIds, chosen);
    TestFixture f;
    addNames(f.db());
    addSlot(f.db(), existing);
    const QList<SlotRow> before = allSlots(f.db());
    QVERIFY(f.db().run("CREATE TRIGGER refuse " + trigger +
                       " ON Slot BEGIN SELECT RAISE(ABORT, 'slot refused'); END"));

    const SlotWriter writer(f.db());
    const SlotKey key = cell(ViewKind::Class, Class7A);
    Result<SlotWriteOutcome> out = writer.write(key, chosen);
    QVERIFY(!out);
    QVERIFY2(out.error().message.contains("slot refused"), qPrintable(out.error().message));
    QCOMPARE(allSlots(f.db()), before);

    // The failed write left no transaction open behind it.
    QVERIFY(f.db().run("DROP TRIGGER refuse"));
    QVERIFY(writer.write(key, chosen));
    Result<ClashCheck> gone = writer.undo(SlotUndo{key, 999, ids(1, Class7A, 1, 1)});
    QVERIFY(!gone);
}

void tst_slotrules::writeAndUndoSeekSlotRowsByTimeAndDay_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("ownerId");
    QTest::addColumn<QList<Existing>>("existing");
    QTest::addColumn<SlotIds>("chosen");
    QTest::newRow("class's new lesson")
        << int(ViewKind::Class) << Class7A << QList<Existing>{} << ids(Maths, 1, Smith, Lab);
    QTest::newRow("tutor's own row updated")
        << int(ViewKind::Tutor) << Smith << QList<Existing>{{ids(Maths, 1, Smith, 1)}}
        << ids(Art, Class7B, 1, Lab);
    QTest::newRow("room takes over a class's free row")
        << int(ViewKind::Room) << Hall << QList<Existing>{{ids(Art, Class7B, 1, 1)}}
        << ids(1, Class7B, 1, 1);
    QTest::newRow("class's lesson replaces two placeholders")
        << int(ViewKind::Class) << Class7A
        << QList<Existing>{{ids(1, 1, 1, Lab)}, {ids(1, 1, Smith, 1)}} << ids(Maths, 1, Smith, Lab);
}

// A write's speed depends on every lookup of Slot rows being bounded by one start and day (a
// few rows), never following a resource's rows or scanning the table: a busy resource owns
// thousands. Reading the plans checks that on any machine, however loaded; bench/ times it.
void tst_slotrules::writeAndUndoSeekSlotRowsByTimeAndDay() {
    QFETCH(int, kind);
    QFETCH(int, ownerId);
    QFETCH(QList<Existing>, existing);
    QFETCH(SlotIds, chosen);
    TestFixture f;
    addNames(f.db());
    for (const Existing& row : existing)
        addSlot(f.db(), row.ids, row.dow, row.start);

    QList<Statement> ran;
    {
        const StatementLog log(f.db(), ran);
        const SlotWriter writer(f.db());
        Result<SlotWriteOutcome> out = writer.write(cell(ViewKind(kind), ownerId), chosen);
        QVERIFY2(out && out.value().wrote(), out ? "clash" : qPrintable(out.error().message));
        Result<ClashCheck> undone = writer.undo(out.value().undo);
        QVERIFY(undone && !undone.value().clash);
    }

    int slotLookups = 0;
    for (const Statement& statement : ran) {
        Result<QStringList> steps = slotPlanSteps(f.db(), statement);
        QVERIFY2(steps, steps ? "" : qPrintable(steps.error().message));
        for (const QString& step : steps.value()) {
            QVERIFY2(seeksByIdOrTimeAndDay(step), qPrintable(statement.sql + "\n  " + step));
            ++slotLookups;
        }
    }
    // At least the cell's own row and the clash checks of the write and the undo.
    QVERIFY2(slotLookups >= 3, qPrintable(QString::number(slotLookups)));
}

QTEST_MAIN(tst_slotrules)
#include "tst_slotrules.moc"
