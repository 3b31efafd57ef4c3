#include "TestFixture.h"

#include "SchemaScript.h"
#include "app/MainMenus.h"
#include "app/frmMain.h"
#include "app/frmTableWindow.h"
#include "platform/FlexGrid.h"
#include "setup/WizardPage.h"

#include <QAction>
#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>

#include <QDir>
#include <QTest>

#include <climits>

int MsgBoxRecorder::respond(const MsgBoxCall& call) {
    calls << call;
    if (!answers.isEmpty())
        return answers.takeFirst();
    return call.buttons == vb::vbOKOnly || call.buttons == vb::vbOKCancel ? vb::vbOK : vb::vbYes;
}

TestFixture::TestFixture() {
    if (!m_dir.isValid())
        qFatal("cannot make a temporary folder");
    seams().programFolder = m_dir.path();
    seams().settingsFolder = m_dir.filePath(QStringLiteral("settings"));
    seams().executableName = QStringLiteral("periwell");
    seams().commonDialog = &m_cancellingDialogs;
    seams().msgBox = [this](const MsgBoxCall& call) { return boxes.respond(call); };
    seams().modal = [this](QDialog& dialog) {
        dialogs << dialog.objectName();
        // A wizard shows a page again when it merely closes: only its Cancel ends the run.
        if (auto* page = qobject_cast<WizardPage*>(&dialog))
            page->cmdCancel().click();
        return int(QDialog::Rejected);
    };
    const QString error = makeDatabase(dbPath());
    if (!error.isEmpty())
        qFatal("cannot make the test database: %s", qPrintable(error));
    Result<std::unique_ptr<DBConnection>> opened = DBConnection::open(dbPath());
    if (!opened)
        qFatal("cannot open the test database: %s", qPrintable(opened.error().message));
    state.setDb(std::move(opened).value());
}

TestFixture::~TestFixture() = default;

frmMain& TestFixture::main() {
    if (!m_main) {
        m_main = std::make_unique<frmMain>(state);
        m_commands = wireCommands(*m_main);
        if (Result<void> loaded = m_main->MDIForm_Load(); !loaded)
            qFatal("the main window did not load: %s", qPrintable(loaded.error().message));
        // Focus moves only inside the active window, as on a desktop.
        m_main->activateWindow();
        if (!QTest::qWaitForWindowActive(m_main.get()))
            qWarning("the main window did not become active");
    }
    return *m_main;
}

SetupCommands& TestFixture::setupCommands() {
    main();
    return *m_commands.setup;
}

OutputCommands& TestFixture::outputCommands() {
    main();
    return *m_commands.output;
}

frmTableWindow* TestFixture::openTimetable(int timetableId) {
    frmTableWindow* window = main().LoadTable(timetableId);
    if (!window)
        return nullptr;
    main().RefreshTable(*window);
    main().showTableWindow(*window);
    main().mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(window->parentWidget()));
    main().activateCurrentWindow();
    return window;
}

frmTableWindow* TestFixture::activateOpen(int timetableId) {
    for (frmTableWindow* window : main().timetableWindows()) {
        if (window->Tag() != timetableId)
            continue;
        auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget());
        sub->show();
        main().mdiArea()->setActiveSubWindow(sub);
        main().activateCurrentWindow();
        return main().activeTableWindow() == window ? window : nullptr;
    }
    return nullptr;
}

bool TestFixture::trigger(const QString& item) {
    QAction* action = main().menus().item(item);
    if (!action || !action->isEnabled())
        return false;
    action->trigger();
    return true;
}

QString TestFixture::dbPath() const {
    return m_dir.filePath(QStringLiteral("db.mdb"));
}

std::unique_ptr<DBConnection> TestFixture::openSecond(DBConnection::Options options) const {
    Result<std::unique_ptr<DBConnection>> opened = DBConnection::open(dbPath(), options);
    if (!opened)
        qFatal("cannot open a second connection: %s", qPrintable(opened.error().message));
    return std::move(opened).value();
}

QString TestFixture::makeDatabase(const QString& path) {
    return SchemaScript::createDatabase(QStringLiteral(PERIWELL_DB_SQL), path);
}

void selectCells(FlexGrid& grid, int row, int col, int rowSel, int colSel) {
    grid.setRow(row);
    grid.setCol(col);
    grid.setRowSel(rowSel < 0 ? row : rowSel);
    grid.setColSel(colSel < 0 ? col : colSel);
}

int scalar(const DBConnection& db, const QString& sql, const QVariantList& values) {
    Result<std::optional<QSqlRecord>> row = db.firstRow(sql, values);
    if (!row || !row.value()) {
        qWarning("scalar query failed: %s", qPrintable(row ? sql : row.error().message));
        return INT_MIN;
    }
    return row.value()->value(0).toInt();
}
