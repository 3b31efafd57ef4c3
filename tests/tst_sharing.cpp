#include "LeftBarDriver.h"
#include "TestData.h"
#include "TestFixture.h"

#include "app/Startup.h"
#include "app/frmMain.h"
#include "app/frmTableWindow.h"
#include "platform/FlexGrid.h"
#include "platform/SettingsStore.h"
#include "wiring/CommandWiring.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <cerrno>
#include <cstdarg>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace TestData;
using namespace LeftBarDriver;

namespace {

// While set, every write SQLite makes fails as on a disk with no room left.
std::atomic<bool> diskFull{false};

class DiskFull {
public:
    DiskFull() { diskFull = true; }
    ~DiskFull() { diskFull = false; }
    DiskFull(const DiskFull&) = delete;
    DiskFull& operator=(const DiskFull&) = delete;
};

// While not 0, every open-file-description lock fails with this error, as on a drive that
// cannot lock.
std::atomic<int> lockError{0};

class LocksFail {
public:
    explicit LocksFail(int error) { lockError = error; }
    ~LocksFail() { lockError = 0; }
    LocksFail(const LocksFail&) = delete;
    LocksFail& operator=(const LocksFail&) = delete;
};

} // namespace

// SQLite writes through the C library's pwrite64; this binary exports its own, which the engine
// finds first.
extern "C" ssize_t pwrite64(int fd, const void* buffer, size_t count, off64_t offset) {
    using Write = ssize_t (*)(int, const void*, size_t, off64_t);
    static const auto real = reinterpret_cast<Write>(dlsym(RTLD_NEXT, "pwrite64"));
    if (diskFull) {
        errno = ENOSPC;
        return -1;
    }
    return real(fd, buffer, count, offset);
}

// The program locks through fcntl; SQLite calls fcntl64, which this leaves alone.
extern "C" int fcntl(int fd, int command, ...) {
    using Control = int (*)(int, int, ...);
    static const auto real = reinterpret_cast<Control>(dlsym(RTLD_NEXT, "fcntl"));
    va_list arguments;
    va_start(arguments, command);
    void* argument = va_arg(arguments, void*);
    va_end(arguments);
    if (command == F_OFD_SETLK && lockError != 0) {
        errno = lockError;
        return -1;
    }
    return real(fd, command, argument);
}

namespace {

int runSplashForReal(QDialog& dialog) {
    return dialog.objectName() == QLatin1String("frmSplash") ? dialog.exec()
                                                             : int(QDialog::Rejected);
}

void markStartsQuiet() {
    SettingsStore::SaveSetting("Velmora", "Config", "FirstRun", "False");
    SettingsStore::SaveSetting("periwell", "Options", "Show Tips at Startup", "0");
}

// Two class timetables, one with a lesson at Monday 9:00.
struct School : SmallSchool {
    int tt7A = 0, tt7B = 0;
};

School makeSchool(TestFixture& f) {
    School s{addSmallSchool(f.db())};
    const QStringList days{"Mon", "Tue"};
    const QList<Period> periods{{"09:00:00", 40}, {"09:40:00", 40}};
    s.tt7A = addTimetable(f.db(), "Class", s.c7A, days, periods);
    s.tt7B = addTimetable(f.db(), "Class", s.c7B, days, periods);
    addSlot(f.db(), {"09:00:00", "Mon", s.c7A, s.ann, s.r1, s.maths});
    markStartsQuiet();
    seams().modal = runSplashForReal;
    return s;
}

// Makes each timetable window the active one in turn, as a user's clicks do.
void activateEach(frmMain& window) {
    for (QMdiSubWindow* sub : window.mdiArea()->subWindowList()) {
        window.mdiArea()->setActiveSubWindow(sub);
        window.activateCurrentWindow();
    }
}

// A copy of the program in a process of its own, on the given folder, started through
// `launcher` (a command that ends by running the arguments it is given) when there is one.
class ProgramCopy {
public:
    explicit ProgramCopy(const QString& folder, QStringList launcher = {}) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        m_process.setProcessEnvironment(environment);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        launcher << PERIWELL_COPY << folder;
        m_process.start(launcher.takeFirst(), launcher);
    }
    ~ProgramCopy() {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished();
        }
    }
    ProgramCopy(const ProgramCopy&) = delete;
    ProgramCopy& operator=(const ProgramCopy&) = delete;

    // True once the copy's main window has taken over; false when it ended or took too long.
    bool waitUntilRunning() {
        QElapsedTimer clock;
        clock.start();
        while (!m_output.contains("running\n") && clock.elapsed() < 30000) {
            if (m_process.state() == QProcess::NotRunning)
                return false;
            m_process.waitForReadyRead(200);
            m_output += m_process.readAllStandardOutput();
        }
        return m_output.contains("running\n");
    }
    bool waitForExit() {
        const bool ended = m_process.waitForFinished(30000);
        m_output += m_process.readAllStandardOutput();
        return ended && m_process.exitStatus() == QProcess::NormalExit;
    }
    void kill() {
        m_process.kill();
        m_process.waitForFinished();
    }
    bool running() const { return m_process.state() == QProcess::Running; }
    int exitCode() const { return m_process.exitCode(); }
    QStringList boxes() const {
        QStringList shown;
        for (const QByteArray& line : m_output.split('\n')) {
            if (line.startsWith("box: "))
                shown << QString::fromUtf8(line.mid(5));
        }
        return shown;
    }

private:
    QProcess m_process;
    QByteArray m_output;
};

// Another way to the school folder's db.mdb, made in `spare`: the program folder to start a
// copy on and the launcher that copy needs; no folder where this system cannot make the way.
struct OtherPath {
    QString folder;
    QStringList launcher;
};

OtherPath makeOtherPath(const QString& how, const QString& school, const QString& spare) {
    const QString other = spare + "/other";
    if (how == "link to a folder above it") {
        const QFileInfo folder(school);
        return QFile::link(folder.absolutePath(), other)
                   ? OtherPath{other + "/" + folder.fileName(), {}}
                   : OtherPath{};
    }
    if (how == "path through ..")
        return QDir().mkdir(school + "/sub") ? OtherPath{school + "/sub/..", {}} : OtherPath{};
    if (!QDir().mkdir(other))
        return {};
    if (how == "bind mount") {
        if (QProcess::execute("unshare", {"-m", "true"}) != 0)
            return {};
        return {other,
                {"unshare", "-m", "sh", "-c", "mount --bind \"$0\" \"$1\" && shift && exec \"$@\"",
                 school, other}};
    }
    const QByteArray file = QFile::encodeName(school + "/db.mdb");
    const QByteArray alias = QFile::encodeName(other + "/db.mdb");
    const bool made = how == "hard link" ? ::link(file, alias) == 0 : ::symlink(file, alias) == 0;
    return made ? OtherPath{other, {}} : OtherPath{};
}

// Runs what it is given as the unprivileged user "nobody".
const QStringList asAnotherUser{"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups",
                                "--"};

// True when that user can run the program on the file at `path`.
bool anotherUserCanRun(const QString& path) {
    return QProcess::execute(asAnotherUser.first(), asAnotherUser.mid(1)
                                                        << "sh"
                                                        << "-c"
                                                        << "test -x \"$0\" && test -w \"$1\""
                                                        << PERIWELL_COPY << path) == 0;
}

} // namespace

class tst_sharing : public QObject {
    Q_OBJECT

private slots:
    void secondCopyIsRefusedAndTheFirstGoesOn();
    void secondCopyOnAnotherPathIsRefused_data();
    void secondCopyOnAnotherPathIsRefused();
    void everyUserWhoMayChangeTheFileGetsIn();
    void fileThatCannotBeLockedIsRefusedWithTheReason();
    void readerOfTheFileHoldsNothingUp();
    void fullDiskStillShowsEveryTimetable();
};

void tst_sharing::secondCopyIsRefusedAndTheFirstGoesOn() {
    TestFixture f;
    makeSchool(f);
    const QByteArray before = fileHash(f.dbPath());
    {
        ProgramCopy first(f.folder());
        QVERIFY(first.waitUntilRunning());

        ProgramCopy second(f.folder());
        QVERIFY(second.waitForExit());
        QVERIFY(second.exitCode() != 0);
        const QStringList boxes = second.boxes();
        QCOMPARE(boxes.size(), 1);
        QVERIFY2(boxes[0].contains(QDir::toNativeSeparators(f.dbPath())), qPrintable(boxes[0]));
        QVERIFY2(boxes[0].contains("open in another copy of Periwell"), qPrintable(boxes[0]));
        QVERIFY(first.running());
        QVERIFY(first.boxes().isEmpty());
        // Neither the refused copy nor the first one, showing its timetables, wrote anything.
        QCOMPARE(fileHash(f.dbPath()), before);

        // A copy that dies without closing leaves nothing in the way of the next start.
        first.kill();
    }
    ProgramCopy next(f.folder());
    QVERIFY(next.waitUntilRunning());
    QVERIFY(next.boxes().isEmpty());
}

void tst_sharing::secondCopyOnAnotherPathIsRefused_data() {
    QTest::addColumn<QString>("how");
    for (const char* how : {"link to the file", "link to a folder above it", "hard link",
                            "path through ..", "bind mount"})
        QTest::newRow(how) << QString(how);
}

void tst_sharing::secondCopyOnAnotherPathIsRefused() {
    QFETCH(QString, how);
    TestFixture f;
    makeSchool(f);
    QTemporaryDir spare;
    const OtherPath other = makeOtherPath(how, f.folder(), spare.path());
    if (other.folder.isEmpty())
        QSKIP("this system cannot make that path");
    const QByteArray before = fileHash(f.dbPath());

    ProgramCopy first(f.folder());
    QVERIFY(first.waitUntilRunning());
    ProgramCopy second(other.folder, other.launcher);
    QVERIFY(second.waitForExit());
    QVERIFY(second.exitCode() != 0);
    const QStringList boxes = second.boxes();
    QCOMPARE(boxes.size(), 1);
    QVERIFY2(boxes[0].contains("open in another copy of Periwell"), qPrintable(boxes[0]));
    QVERIFY(first.running());
    // An outside reader still reads and may take SQLite's write lock.
    std::unique_ptr<DBConnection> reader = f.openSecond();
    QCOMPARE(scalar(*reader, "SELECT COUNT(*) FROM Slot"), 1);
    QVERIFY(reader->run("BEGIN IMMEDIATE"));
    QVERIFY(reader->run("ROLLBACK"));
    QCOMPARE(fileHash(f.dbPath()), before);
}

void tst_sharing::everyUserWhoMayChangeTheFileGetsIn() {
    TestFixture f;
    makeSchool(f);
    // A shared school folder: every user may change the file and make its journal.
    QCOMPARE(chmod(QFile::encodeName(f.folder()).constData(), 0777), 0);
    QCOMPARE(chmod(QFile::encodeName(f.dbPath()).constData(), 0666), 0);
    if (!anotherUserCanRun(f.dbPath()))
        QSKIP("the program cannot run as another user here");
    {
        // A user who lets no one else open the files they make.
        ProgramCopy first(f.folder(), {"sh", "-c", "umask 077 && exec \"$@\"", "sh"});
        QVERIFY(first.waitUntilRunning());
        ProgramCopy second(f.folder(), asAnotherUser);
        QVERIFY(second.waitForExit());
        const QStringList boxes = second.boxes();
        QCOMPARE(boxes.size(), 1);
        QVERIFY2(boxes[0].contains("open in another copy of Periwell"), qPrintable(boxes[0]));
        first.kill();
    }
    ProgramCopy next(f.folder(), asAnotherUser);
    QVERIFY(next.waitUntilRunning());
    QVERIFY2(next.boxes().isEmpty(), qPrintable(next.boxes().value(0)));
}

void tst_sharing::fileThatCannotBeLockedIsRefusedWithTheReason() {
    TestFixture f;
    makeSchool(f);
    const QByteArray before = fileHash(f.dbPath());
    LocksFail noLocks(ENOLCK);
    ModMain shared;
    Result<std::unique_ptr<frmMain>> started = StartUp(shared, wireCommands);
    QVERIFY(!started);
    const QString told = started.error().message;
    QVERIFY2(told.contains(QDir::toNativeSeparators(f.dbPath())), qPrintable(told));
    QVERIFY2(told.contains(QString::fromLocal8Bit(strerror(ENOLCK))), qPrintable(told));
    QVERIFY2(told.contains("a drive that allows locking"), qPrintable(told));
    QCOMPARE(fileHash(f.dbPath()), before);
}

void tst_sharing::readerOfTheFileHoldsNothingUp() {
    TestFixture f;
    makeSchool(f);
    const QByteArray before = fileHash(f.dbPath());
    // A backup or a report holding a read transaction on the file.
    std::unique_ptr<DBConnection> reader = f.openSecond();
    QVERIFY(reader->run("BEGIN"));
    QCOMPARE(scalar(*reader, "SELECT COUNT(*) FROM Slot"), 1);

    QElapsedTimer clock;
    clock.start();
    {
        ModMain shared;
        Result<std::unique_ptr<frmMain>> started = StartUp(shared, wireCommands);
        QVERIFY2(started, started ? "" : qPrintable(started.error().message));
        QCOMPARE(started.value()->timetableWindows().size(), 2);
        activateEach(*started.value());
        activateEach(*started.value());
        started.value()->mdiArea()->closeAllSubWindows();
    }
    QVERIFY2(f.boxes.calls.isEmpty(), qPrintable(f.boxes.calls.value(0).text));
    // Less than one busy timeout (3 s) for the whole start, though each write would wait one out.
    QVERIFY2(clock.elapsed() < 3000, "start-up waited for the reader");
    QVERIFY(reader->run("ROLLBACK"));
    QCOMPARE(fileHash(f.dbPath()), before);
}

void tst_sharing::fullDiskStillShowsEveryTimetable() {
    TestFixture f;
    const School s = makeSchool(f);
    const QByteArray before = fileHash(f.dbPath());
    {
        DiskFull full;
        ModMain shared;
        Result<std::unique_ptr<frmMain>> started = StartUp(shared, wireCommands);
        QVERIFY2(started, started ? "" : qPrintable(started.error().message));
        frmMain& window = *started.value();
        const QList<frmTableWindow*> windows = window.timetableWindows();
        QCOMPARE(windows.size(), 2);
        activateEach(window);
        QVERIFY2(f.boxes.calls.isEmpty(), qPrintable(f.boxes.calls.value(0).text));
        frmTableWindow* w7A = windows[0]->Tag() == s.tt7A ? windows[0] : windows[1];
        QCOMPARE(w7A->g().TextMatrix(1, 1), QStringLiteral("Ann\r\nMaths\r\nR1"));

        // Only an edit needs room on the disk, and it says so once.
        window.mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(w7A->parentWidget()));
        window.activateCurrentWindow();
        selectCells(w7A->g(), 1, 2);
        clickItem(window.picLeftBar(), TreeBars::Tutors, "Bob");
        QCOMPARE(f.boxes.calls.size(), 1);
        QVERIFY2(f.boxes.last().text.contains("disk is full"), qPrintable(f.boxes.last().text));
        QCOMPARE(w7A->g().TextMatrix(1, 2), QString());
        window.mdiArea()->closeAllSubWindows();
        QCOMPARE(f.boxes.calls.size(), 1);
    }
    QCOMPARE(fileHash(f.dbPath()), before);
}

QTEST_MAIN(tst_sharing)
#include "tst_sharing.moc"
