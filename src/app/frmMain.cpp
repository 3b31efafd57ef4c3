#include "frmMain.h"

#include "ActiveTimetable.h"
#include "CellEditor.h"
#include "ClipboardCommands.h"
#include "DialogCommands.h"
#include "DraggedSizes.h"
#include "ErrorReport.h"
#include "MainMenus.h"
#include "MainToolBar.h"
#include "MenuCommands.h"
#include "ModMain.h"
#include "PeriodCommands.h"
#include "TimetableDrawing.h"
#include "TreeBars.h"
#include "WindowRedraws.h"
#include "data/TimetableContent.h"
#include "data/TimetableView.h"
#include "frmTableWindow.h"
#include "platform/FlexGrid.h"
#include "platform/HelpViewer.h"
#include "platform/LiteralText.h"
#include "platform/MsgBox.h"
#include "platform/ProgramInfo.h"
#include "platform/ScrollingMenuStyle.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QSignalBlocker>
#include <QStatusBar>

#include <vector>

frmMain::frmMain(ModMain& state, QWidget* parent) : QMainWindow(parent), m_state(state) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Quorvane Periwell"));
    m_menus = new MainMenus(*this);
    auto* centre = new QWidget(this);
    m_treeBars = new TreeBars(state, centre);
    m_mdiArea = new QMdiArea(centre);
    m_mdiArea->setObjectName(QStringLiteral("mdiArea"));
    // A window that lies partly outside the workspace can always be scrolled into view.
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    auto* layout = new QHBoxLayout(centre);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_treeBars);
    layout->addWidget(m_mdiArea, 1);
    setCentralWidget(centre);
    m_viewTableMenu = new QMenu(this);
    m_viewTableMenu->setObjectName(QStringLiteral("mnuViewTableItems"));
    // One item per timetable opened: hundreds at a large school.
    ScrollingMenuStyle::applyTo(*m_viewTableMenu);
    resize(1100, 750);

    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, &frmMain::activateCurrentWindow);
    m_redraws = std::make_unique<WindowRedraws>(*this);
    m_cellEditor = new CellEditor(*this);
    // A refill leaves the lists without the cell's items: load them again before the next click.
    connect(m_treeBars, &TreeBars::refilled, this, [this] {
        if (frmTableWindow* f = activeTableWindow())
            f->ClickMyGrid();
    });
    connect(m_treeBars, &TreeBars::listMenuRequested, this,
            [this](const QPoint& at) { m_menus->mnuLeftMenuRightClick().popup(at); });
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    m_toolBar = new MainToolBar(*this);
    new MenuCommands(*this);
    m_periodCommands = new PeriodCommands(*this);
    new ClipboardCommands(*this);
    new DialogCommands(*this);
}

frmMain::~frmMain() {
    // Children going away must not call back into a window that is being destroyed.
    m_mdiArea->disconnect(this);
    for (QMdiSubWindow* sub : m_mdiArea->subWindowList())
        sub->disconnect(this);
    m_treeBars->disconnect(this);
    m_treeBars->disconnect(m_cellEditor);
}

Result<void> frmMain::MDIForm_Load() {
    m_state.StartingUp = true;
    m_state.GridEventsEnabled = true;
    m_state.TreeClickWritesSlot = true;
    m_state.KeepSpecialID = false;
    m_state.CreateTTShowWelcome = true;
    m_state.CreateTTViewBy = QStringLiteral("Class");
    m_state.AutoFillShowWelcome = true;
    m_loaded = true;

    if (!m_state.hasDb()) {
        DBConnection::Options options;
        options.oneCopyOnly = true;
        Result<std::unique_ptr<DBConnection>> db =
            DBConnection::open(ProgramInfo::filePath(QStringLiteral("db.mdb")), options);
        if (!db)
            return db.error();
        m_state.setDb(std::move(db).value());
    }
    if (Result<void> filled = m_treeBars->PopulateTreeBars(); !filled)
        return filled;
    m_treeBars->hide();
    m_menus->setTimetableCommandsEnabled(false, false);

    Result<QList<int>> stored = TimetableView::allIds(m_state.db());
    if (!stored)
        return stored.error();
    for (int id : stored.value()) {
        if (frmTableWindow* window = LoadTable(id))
            RefreshTable(*window);
    }
    showWithQuietActivations();
    // Where the workspace put them, as they always reopened.
    for (frmTableWindow* window : timetableWindows())
        showAtItsSize(*window);
    m_state.StartingUp = false;
    if (frmTableWindow* active = activeTableWindow())
        active->ClickMyGrid();
    m_treeBars->SizeBarsStartup();
    return {};
}

void frmMain::showWithQuietActivations() {
    // Showing the frame shows every timetable window in the order they were opened, and each
    // one activates itself; every activation repaints the title bar of every other window, so
    // one after the other they cost the square of their number. All but the last activate
    // without telling the area; the last one's activation is the one the area and this window
    // see, and it deactivates the others in one go. Order, stacking, places and the active
    // window stay those of activating each in turn.
    const QList<QMdiSubWindow*> subs = m_mdiArea->subWindowList(QMdiArea::CreationOrder);
    std::vector<QSignalBlocker> quiet;
    quiet.reserve(subs.size());
    for (QMdiSubWindow* sub : subs) {
        if (sub != subs.constLast())
            quiet.emplace_back(sub);
    }
    show();
}

frmTableWindow* frmMain::LoadTable(int timetableId) {
    Result<std::optional<TimetableView>> row = TimetableView::read(m_state.db(), timetableId);
    if (!row) {
        reportError(QStringLiteral("The timetable could not be opened."), row.error(), this);
        return nullptr;
    }
    if (!row.value())
        return nullptr;
    const TimetableView& view = *row.value();
    Result<QString> title =
        TimetableStore::title(m_state.db(), view.viewBy, view.classId, view.tutorId, view.roomId);
    if (!title) {
        reportError(QStringLiteral("The timetable could not be opened."), title.error(), this);
        return nullptr;
    }

    auto* window = new frmTableWindow(*this, timetableId);
    QMdiSubWindow* sub = m_mdiArea->addSubWindow(window);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    MenuCommands::leaveCloseKeyToFileClose(*sub);
    // The sizes the user dragged are stored as soon as they work in another window.
    connect(sub, &QMdiSubWindow::windowStateChanged, this,
            [this, shown = QPointer<frmTableWindow>(window)](Qt::WindowStates before,
                                                             Qt::WindowStates now) {
                if (shown && before.testFlag(Qt::WindowActive) && !now.testFlag(Qt::WindowActive))
                    SaveTable(*shown);
            });
    LiteralText::setWindowTitle(*window, title.value());
    addViewTableItem(timetableId, title.value());
    window->g().setRow(1);
    window->g().setCol(1);
    window->g().setRedraw(true);
    return window;
}

void frmMain::showTableWindow(frmTableWindow& f) {
    QMdiSubWindow* front = m_mdiArea->currentSubWindow();
    showAtItsSize(f);
    QMdiSubWindow* sub = qobject_cast<QMdiSubWindow*>(f.parentWidget());
    if (sub && !sub->isMaximized())
        sub->move(nextCascadePlace(front, sub->size(), f.y()));
}

void frmMain::showAtItsSize(frmTableWindow& f) {
    QMdiSubWindow* sub = qobject_cast<QMdiSubWindow*>(f.parentWidget());
    if (!sub)
        return;
    // Beside a maximised window a new one opens maximised too, as the workspace shows windows
    // then; sizing it afterwards would leave it maximised in name only, without its frame.
    if (QMdiSubWindow* current = m_mdiArea->currentSubWindow(); current && current->isMaximized()) {
        // Restored, it comes back at the size it would have opened at; the frame is the style's.
        sub->resize(fittedToWorkspace(sub->sizeHint()));
        sub->showMaximized();
        return;
    }
    // Until its first show the window has no layout, and so no frame to measure around it.
    sub->show();
    if (QLayout* layout = sub->layout())
        layout->activate();
    const QSize frame = sub->size() - f.size();
    sub->resize(fittedToWorkspace(f.sizeHint() + frame));
}

QPoint frmMain::nextCascadePlace(const QMdiSubWindow* front, const QSize& size, int step) const {
    if (!front || front->isHidden() || front->isMinimized())
        return {0, 0};
    const QPoint next = front->pos() + QPoint(step, step);
    const QRect workspace = m_mdiArea->viewport()->rect();
    return workspace.contains(QRect(next, size)) ? next : QPoint(0, 0);
}

QSize frmMain::fittedToWorkspace(const QSize& wanted) const {
    const QSize room = m_mdiArea->viewport()->size();
    return {std::min(wanted.width(), std::max(room.width(), 200)),
            std::min(wanted.height(), std::max(room.height(), 150))};
}

void frmMain::addViewTableItem(int timetableId, const QString& title) {
    QPointer<QAction>& item = m_viewTableItems[timetableId];
    if (item)
        return; // the first item of a timetable stays
    const QString key = QStringLiteral("k%1").arg(timetableId);
    auto* action = new QAction(LiteralText::menuText(title), m_viewTableMenu);
    item = action;
    action->setData(key);
    action->setObjectName(key);
    const QList<QAction*> existing = m_viewTableMenu->actions();
    m_viewTableMenu->insertAction(existing.isEmpty() ? nullptr : existing.first(), action);
}

void frmMain::timetablesDeleted(const QList<int>& timetableIds) {
    // The active window last: closing it activates another, which should not be one that goes.
    frmTableWindow* active = activeTableWindow();
    QList<frmTableWindow*> closing;
    for (frmTableWindow* window : timetableWindows()) {
        if (timetableIds.contains(window->Tag()) && window != active)
            closing << window;
    }
    if (active && timetableIds.contains(active->Tag()))
        closing << active;
    for (frmTableWindow* window : closing)
        window->parentWidget()->close();
    for (QAction* action : m_viewTableMenu->actions()) {
        if (timetableIds.contains(action->data().toString().mid(1).toInt()))
            delete action;
    }
}

void frmMain::RefreshTable(frmTableWindow& f) {
    Result<std::optional<TimetableContent>> content = TimetableStore::read(m_state.db(), f.Tag());
    if (!content) {
        reportError(QStringLiteral("The timetable could not be drawn."), content.error(), this);
        return;
    }
    if (!content.value())
        return;
    drawTimetable(f, std::move(*content.value()));
}

void frmMain::drawTimetable(frmTableWindow& f, TimetableContent content) {
    FlagGuard quiet(m_state.GridEventsEnabled, false);
    // Sizes the user set and has not stored yet outlive the redraw.
    const DraggedSizes dragged = DraggedSizes::of(f.g(), f.drawn());
    const TimetableDrawing drawing(content);
    drawing.drawTitle(f.lblTitle());
    LiteralText::setWindowTitle(f, content.title);
    drawing.drawGrid(f.g());
    dragged.applyTo(f.g());
    if (const std::optional<TimetableOwner> owner = content.owner())
        m_redraws->windows().add(f, *owner);
    f.setDrawn(std::move(content));
}

void frmMain::SaveTable(frmTableWindow& f) {
    const FlexGrid& g = f.g();
    if (!DraggedSizes::differ(g, f.drawn()))
        return;
    if (Result<void> saved =
            TimetableStore::saveGeometry(m_state.db(), f.Tag(), DraggedSizes::geometryOf(g));
        !saved) {
        reportError(
            QStringLiteral("The sizes of the timetable's rows and columns could not be stored."),
            saved.error(), this);
        return;
    }
    DraggedSizes::keep(g, f.drawn());
}

QString frmMain::FormatSlotText(const QString& sTutor, const QString& sSubject,
                                const QString& sRoom, const QString& sClass,
                                const QString& sViewBy) {
    return TimetableStore::formatSlotText(sTutor, sSubject, sRoom, sClass, sViewBy);
}

QList<frmTableWindow*> frmMain::timetableWindows() const {
    QList<frmTableWindow*> windows;
    for (QMdiSubWindow* sub : m_mdiArea->subWindowList(QMdiArea::CreationOrder)) {
        if (auto* window = qobject_cast<frmTableWindow*>(sub->widget()))
            windows << window;
    }
    return windows;
}

bool frmMain::AnyTimeTablesLoaded() const {
    return !timetableWindows().isEmpty();
}

frmTableWindow* frmMain::activeTableWindow() const {
    QMdiSubWindow* sub = m_mdiArea->currentSubWindow();
    return sub ? qobject_cast<frmTableWindow*>(sub->widget()) : nullptr;
}

ActiveTimetable frmMain::activeTimetable(IfNoTimetable ifNone) {
    frmTableWindow* window = activeTableWindow();
    if (window)
        return ActiveTimetable::of(*window, m_state.db());
    if (ifNone == IfNoTimetable::TellUser)
        MsgBox(QStringLiteral(
                   "You are not currently viewing a timetable. Select a timetable and try again."),
               vb::vbCritical, this);
    return {};
}

void frmMain::activateCurrentWindow() {
    if (m_activating)
        return; // the running activation puts its own window back
    frmTableWindow* current = activeTableWindow();
    if (!current || current == m_activated)
        return;
    const QPointer<frmTableWindow> chosen = current;
    {
        FlagGuard activating(m_activating, true);
        m_activated = current;
        current->Form_Activate();
    }
    // The lists show the chosen window's cell: it stays current, whatever its activation did.
    if (chosen && m_activated == chosen && activeTableWindow() != chosen)
        m_mdiArea->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(chosen->parentWidget()));
}

void frmMain::tableWindowClosing(frmTableWindow& f) {
    m_redraws->windows().remove(f);
    emit tableWindowAboutToClose();
    m_cellEditor->disableUndo();
    const bool othersRemain = timetableWindows().size() > 1;
    // Another open window keeps the bar and its commands: the next activation refreshes them.
    if (othersRemain && activeTableWindow() != &f)
        return;
    if (m_activated == &f)
        m_activated = nullptr;
    if (!othersRemain) {
        m_treeBars->hide();
        m_menus->setTimetableCommandsEnabled(false, false);
    }
}

void frmMain::FirstRun() {
    const int answer = MsgBox(QStringLiteral("We've noticed that this is the first time you have "
                                             "launched Quorvane Periwell. You may "
                                             "find it useful to follow the getting started "
                                             "tutorial. Would you like to view it now?"),
                              vb::vbQuestion + vb::vbYesNoCancel, this);
    if (answer == vb::vbYes) {
        HelpViewer::showContext(3, this);
        emit newTimetableWizardRequested();
        return;
    }
    if (MsgBox(QStringLiteral("Would you like to run the 'New Timetable Wizard' now?"),
               vb::vbQuestion + vb::vbYesNoCancel, this) == vb::vbYes)
        emit newTimetableWizardRequested();
}
