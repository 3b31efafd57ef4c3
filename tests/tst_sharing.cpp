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
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>
#include <QTest>

#include <atomic>
#include <cerrno>
#include <dlfcn.h>
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

// A copy of the program in a process of its own, on the fixture's folder.
class ProgramCopy {
public:
    explicit ProgramCopy(const QString& folder) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        m_process.setProcessEnvironment(environment);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(PERIWELL_COPY, {folder});
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

} // namespace

class tst_sharing : public QObject {
    Q_OBJECT

private slots:
    void secondCopyIsRefusedAndTheFirstGoesOn();
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
