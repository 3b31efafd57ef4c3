#include "frmMain.h"

#include "ClipboardCommands.h"
#include "ErrorReport.h"
#include "MainMenus.h"
#include "MainToolBar.h"
#include "MenuCommands.h"
#include "ModMain.h"
#include "NameBox.h"
#include "PeriodCommands.h"
#include "TreeBars.h"
#include "frmTableWindow.h"
#include "data/CellLookup.h"
#include "data/SlotWriter.h"
#include "data/TimetableView.h"
#include "data/TimeText.h"
#include "data/NumberText.h"
#include "data/TimetableContent.h"
#include "platform/ColorNumber.h"
#include "platform/FlexGrid.h"
#include "platform/HelpViewer.h"
#include "platform/MsgBox.h"
#include "platform/ProgramInfo.h"
#include "platform/RedrawOff.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStatusBar>

namespace {

const QColor White = ColorNumber::toColor(ColorNumber::White);

double fontSizeOr(const QString& text, double fallback) {
    const std::optional<float> size = NumberText::fontSize(text);
    return size ? *size : fallback;
}

} // namespace

frmMain::frmMain(ModMain& state, QWidget* parent) : QMainWindow(parent), m_state(state) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Quorvane Periwell"));
    m_menus = new MainMenus(*this);
    auto* centre = new QWidget(this);
    m_treeBars = new TreeBars(state, centre);
    m_mdiArea = new QMdiArea(centre);
    m_mdiArea->setObjectName(QStringLiteral("mdiArea"));
    auto* layout = new QHBoxLayout(centre);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_treeBars);
    layout->addWidget(m_mdiArea, 1);
    setCentralWidget(centre);
    m_viewTableMenu = new QMenu(this);
    m_viewTableMenu->setObjectName(QStringLiteral("mnuViewTableItems"));
    resize(1100, 750);

    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, &frmMain::activateCurrentWindow);
    connect(m_treeBars, &TreeBars::writeRequested, this, &frmMain::UpdateSlot);
    connect(m_treeBars, &TreeBars::enterPressed, this, &frmMain::nameBoxEnter);
    connect(m_treeBars, &TreeBars::listMenuRequested, this,
            [this](const QPoint& at) { m_menus->mnuLeftMenuRightClick().popup(at); });
    connect(m_menus->item("mnuEditUndo"), &QAction::triggered, this, &frmMain::mnuEditUndo_Click);
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    new MainToolBar(*this);
    new MenuCommands(*this);
    m_periodCommands = new PeriodCommands(*this);
    new ClipboardCommands(*this);
}

frmMain::~frmMain() {
    // Children going away must not call back into a window that is being destroyed.
    m_mdiArea->disconnect(this);
    m_treeBars->disconnect(this);
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
        Result<std::unique_ptr<DBConnection>> db =
            DBConnection::open(ProgramInfo::filePath(QStringLiteral("db.mdb")));
        if (!db)
            return db.error();
        m_state.setDb(std::move(db).value());
    }
    if (Result<void> filled = m_treeBars->PopulateTreeBars(); !filled)
        return filled;
    m_treeBars->hide();
    m_menus->setTimetableCommandsEnabled(false, false);

    Result<QSqlQuery> stored =
        m_state.db().exec(QStringLiteral("SELECT ID FROM TimeTableView ORDER BY Name, ID"));
    if (!stored)
        return stored.error();
    QList<int> ids;
    while (stored.value().next())
        ids << stored.value().value(0).toInt();
    for (int id : ids) {
        if (frmTableWindow* window = LoadTable(id))
            RefreshTable(*window);
    }
    show();
    for (frmTableWindow* window : timetableWindows())
        showTableWindow(*window);
    m_state.StartingUp = false;
    if (frmTableWindow* active = activeTableWindow())
        active->ClickMyGrid();
    m_treeBars->SizeBarsStartup();
    return {};
}

frmTableWindow* frmMain::LoadTable(int timetableId) {
    Result<std::optional<QSqlRecord>> row = m_state.db().firstRow(
        QStringLiteral("SELECT ID, ViewBy, ClassID, RoomID, TutorID FROM TimeTableView WHERE ID = ?"),
        {timetableId});
    if (!row) {
        reportError(QStringLiteral("The timetable could not be opened."), row.error(), this);
        return nullptr;
    }
    if (!row.value())
        return nullptr;
    const QSqlRecord& r = *row.value();
    Result<QString> title = TimetableStore::title(m_state.db(), r.value("ViewBy").toString(),
                                                  r.value("ClassID").toInt(), r.value("TutorID").toInt(),
                                                  r.value("RoomID").toInt());
    if (!title) {
        reportError(QStringLiteral("The timetable could not be opened."), title.error(), this);
        return nullptr;
    }

    auto* window = new frmTableWindow(*this, timetableId);
    QMdiSubWindow* sub = m_mdiArea->addSubWindow(window);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    MenuCommands::leaveCloseKeyToFileClose(*sub);
    window->setWindowTitle(title.value());
    addViewTableItem(timetableId, title.value());
    window->g().setRow(1);
    window->g().setCol(1);
    window->g().setRedraw(true);
    return window;
}

void frmMain::showTableWindow(frmTableWindow& f) {
    QMdiSubWindow* sub = qobject_cast<QMdiSubWindow*>(f.parentWidget());
    if (!sub)
        return;
    const QSize frame = sub->size() - f.size();
    const QSize wanted = f.sizeHint() + frame;
    const QSize room = m_mdiArea->viewport()->size();
    sub->resize(std::min(wanted.width(), std::max(room.width(), 200)),
                std::min(wanted.height(), std::max(room.height(), 150)));
    sub->show();
}

void frmMain::addViewTableItem(int timetableId, const QString& title) {
    const QString key = QStringLiteral("k%1").arg(timetableId);
    for (const QAction* action : m_viewTableMenu->actions()) {
        if (action->data().toString() == key)
            return; // the first item of a timetable stays
    }
    auto* action = new QAction(title, m_viewTableMenu);
    action->setData(key);
    action->setObjectName(key);
    const QList<QAction*> existing = m_viewTableMenu->actions();
    m_viewTableMenu->insertAction(existing.isEmpty() ? nullptr : existing.first(), action);
}

void frmMain::RefreshTable(frmTableWindow& f) {
    Result<std::optional<TimetableContent>> content = TimetableStore::read(m_state.db(), f.Tag());
    if (!content) {
        reportError(QStringLiteral("The timetable could not be drawn."), content.error(), this);
        return;
    }
    if (!content.value())
        return;
    drawTimetable(f, *content.value());
}

void frmMain::drawTimetable(frmTableWindow& f, const TimetableContent& content) {
    FlexGrid& g = f.g();
    const int col = g.Col();
    const int row = g.Row();
    const int colSel = g.ColSel();
    const int rowSel = g.RowSel();
    const TimetableLook& look = content.look;
    const double baseSize = g.font().pointSizeF();

    RedrawOff redrawOff(g);
    FlagGuard quiet(m_state.GridEventsEnabled, false);

    QFont titleFont(look.titleFont);
    titleFont.setPointSizeF(fontSizeOr(look.titleFontSize, 14));
    titleFont.setBold(true);
    f.lblTitle().setText(content.title);
    f.lblTitle().setFont(titleFont);
    QPalette titlePalette = f.lblTitle().palette();
    titlePalette.setColor(QPalette::WindowText, ColorNumber::fromText(look.titleForeground, Qt::black));
    f.lblTitle().setPalette(titlePalette);
    f.setWindowTitle(content.title);

    const QColor unavailableBack = ColorNumber::fromText(look.unavailableBackground, Qt::lightGray);
    const QColor unavailableFore = ColorNumber::fromText(look.unavailableForeground, Qt::black);
    const QColor periodFore = ColorNumber::fromText(look.periodForeground, Qt::black);

    g.setCols(1);
    g.setRow(0);
    for (int c = 1; c <= content.columns.size(); ++c) {
        const PeriodColumn& period = content.columns[c - 1];
        g.setCols(c + 1);
        g.setCol(c);
        g.setColData(c, period.id);
        if (period.specialId == 1) {
            g.setText(TimeText::periodHeader(period.start, period.duration));
            g.setCellBackColor(White);
            g.setCellForeColor(ColorNumber::fromText(look.colHeadForeground, Qt::black));
        } else {
            g.setText(period.specialName);
            g.setCellBackColor(unavailableBack);
            g.setCellForeColor(unavailableFore);
        }
        g.setCellFontSize(fontSizeOr(look.colHeadFontSize, baseSize));
        g.setCellFontName(look.colHeadFont);
        g.setColWidth(c, period.width);
        g.setColAlignment(c, flexAlignCenterCenter);
        g.setFixedAlignment(c, flexAlignCenterCenter);
    }

    g.setRows(1);
    g.setCol(0);
    g.setForeColorFixed(ColorNumber::fromText(look.rowHeadForeground, Qt::black));
    g.setFixedAlignment(0, flexAlignCenterCenter);
    for (int r = 1; r <= content.days.size(); ++r) {
        const DayRow& day = content.days[r - 1];
        g.setRows(r + 1);
        g.setRow(r);
        g.setText(day.dow.toLower());
        g.setRowData(r, day.id);
        g.setRowHeight(r, day.height);
        g.setCellFontSize(fontSizeOr(look.rowHeadFontSize, baseSize));
        g.setCellFontName(look.rowHeadFont);
    }
    g.setRowHeight(0, look.fixedRowHeight);
    g.setColWidth(0, look.fixedColWidth);

    g.setWordWrap(true);
    for (int r = 1; r <= content.days.size(); ++r) {
        for (int c = 1; c <= content.columns.size(); ++c) {
            const DrawnSlot* drawn = content.slotAt(content.columns[c - 1].start, content.days[r - 1].dow);
            if (!drawn)
                continue;
            g.setRow(r);
            g.setCol(c);
            if (drawn->specialId >= 2 && drawn->specialId <= 4) {
                g.setText(QString());
                g.setCellBackColor(unavailableBack);
            } else {
                g.setText(FormatSlotText(drawn->tutor, drawn->subject, drawn->room, drawn->className,
                                         content.viewBy));
                g.setCellBackColor(White);
            }
            g.setCellFontSize(fontSizeOr(look.periodFontSize, baseSize));
            g.setCellForeColor(periodFore);
            g.setCellFontName(look.periodFont);
        }
    }
    g.setGridColor(periodFore);
    g.setGridColorFixed(periodFore);

    // Put the user back where they were; a place the grid no longer has is skipped.
    g.setCol(col);
    g.setRow(row);
    g.setColSel(colSel);
    g.setRowSel(rowSel);
}

void frmMain::SaveTable(frmTableWindow& f) {
    const FlexGrid& g = f.g();
    TimetableGeometry geometry;
    geometry.fixedRowHeight = g.RowHeight(0);
    geometry.fixedColWidth = g.ColWidth(0);
    for (int c = 1; c < g.Cols(); ++c)
        geometry.columnWidths.append({g.ColData(c), g.ColWidth(c)});
    for (int r = 1; r < g.Rows(); ++r)
        geometry.rowHeights.append({g.RowData(r), g.RowHeight(r)});
    if (Result<void> saved = TimetableStore::saveGeometry(m_state.db(), f.Tag(), geometry); !saved)
        reportError(QStringLiteral("The sizes of the timetable's rows and columns could not be stored."),
                    saved.error(), this);
}

QString frmMain::FormatSlotText(const QString& sTutor, const QString& sSubject, const QString& sRoom,
                                const QString& sClass, const QString& sViewBy) {
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

void frmMain::activateCurrentWindow() {
    frmTableWindow* current = activeTableWindow();
    if (!current || current == m_activated)
        return;
    m_activated = current;
    current->Form_Activate();
}

void frmMain::tableWindowClosing(frmTableWindow& f) {
    m_menus->item("mnuEditUndo")->setEnabled(false);
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

void frmMain::UpdateSlot(int) {
    frmTableWindow* f = activeTableWindow();
    if (!f)
        return;
    FlexGrid& g = f->g();
    if (g.Row() < 1 || g.Col() < 1)
        return;
    Result<std::optional<TimetableView>> view = TimetableView::read(m_state.db(), f->Tag());
    if (!view) {
        reportError(QStringLiteral("The timetable could not be read."), view.error(), this);
        return;
    }
    if (!view.value() || !view.value()->kind())
        return;
    Result<std::optional<SlotKey>> key =
        CellLookup::keyForCell(m_state.db(), *view.value(), g.RowData(g.Row()), g.ColData(g.Col()));
    if (!key) {
        reportError(QStringLiteral("The period could not be read."), key.error(), this);
        return;
    }
    if (!key.value())
        return;

    SlotIds chosen;
    chosen.tutorId = m_treeBars->selectedId(TreeBars::Tutors);
    chosen.subjectId = m_treeBars->selectedId(TreeBars::Subjects);
    chosen.roomId = m_treeBars->selectedId(TreeBars::Rooms);
    chosen.classId = m_treeBars->selectedId(TreeBars::Classes);
    chosen.specialId = m_state.CurrentSpecialID;
    Result<SlotWriteOutcome> outcome = SlotWriter(m_state.db()).write(*key.value(), chosen);
    m_state.WriteFailed = !outcome;
    if (!outcome) {
        reportError(QStringLiteral("The period could not be written."), outcome.error(), this);
        f->ClickMyGrid();
        return;
    }
    if (!outcome.value().wrote()) {
        MsgBox(outcome.value().clash.message, vb::vbCritical, this);
        f->ClickMyGrid();
        return;
    }
    m_state.Undo = outcome.value().undo;
    m_menus->item("mnuEditUndo")->setEnabled(true);
    if (outcome.value().tookOver) {
        const SlotIds& written = outcome.value().written;
        FlagGuard selecting(m_state.TreeClickWritesSlot, false);
        m_treeBars->SelectTreeBarNodeById(TreeBars::Tutors, written.tutorId);
        m_treeBars->SelectTreeBarNodeById(TreeBars::Subjects, written.subjectId);
        m_treeBars->SelectTreeBarNodeById(TreeBars::Rooms, written.roomId);
        m_treeBars->SelectTreeBarNodeById(TreeBars::Classes, written.classId);
    }
    m_state.TreeClickWritesSlot = true;
    DisplayCurrentSlot();
}

void frmMain::DisplayCurrentSlot() {
    frmTableWindow* f = activeTableWindow();
    if (!f)
        return;
    Result<std::optional<TimetableView>> view = TimetableView::read(m_state.db(), f->Tag());
    Result<std::optional<TimetableLook>> look = TimetableStore::readLook(m_state.db(), f->Tag());
    if (!view || !look) {
        reportError(QStringLiteral("The timetable could not be read."), !view ? view.error() : look.error(), this);
        return;
    }
    if (!view.value() || !look.value())
        return;
    FlexGrid& g = f->g();
    if (m_state.CurrentSpecialID == 1) {
        g.setCellBackColor(White);
        g.setCellForeColor(ColorNumber::fromText(look.value()->colHeadForeground, Qt::black));
        g.setText(FormatSlotText(m_treeBars->selectedName(TreeBars::Tutors),
                                 m_treeBars->selectedName(TreeBars::Subjects),
                                 m_treeBars->selectedName(TreeBars::Rooms),
                                 m_treeBars->selectedName(TreeBars::Classes), view.value()->viewBy));
    } else {
        g.setText(QString());
        g.setCellBackColor(ColorNumber::fromText(look.value()->unavailableBackground, Qt::lightGray));
        g.setCellForeColor(ColorNumber::fromText(look.value()->unavailableForeground, Qt::black));
    }
    f->ClickMyGrid();
}

void frmMain::mnuEditUndo_Click() {
    frmTableWindow* f = activeTableWindow();
    if (!f || !m_state.Undo)
        return;
    m_menus->item("mnuEditUndo")->setEnabled(false);
    Result<ClashCheck> undone = SlotWriter(m_state.db()).undo(*m_state.Undo);
    if (!undone) {
        reportError(QStringLiteral("The last change could not be undone."), undone.error(), this);
        return;
    }
    if (undone.value().clash) {
        MsgBox(undone.value().message, vb::vbCritical, this);
        return;
    }
    m_state.Undo.reset();
    // The undone row may belong to another cell than the current one: redraw the whole grid.
    RefreshTable(*f);
    f->ClickMyGrid();
}

void frmMain::SelectNextCell(frmTableWindow& f) {
    FlexGrid& g = f.g();
    RedrawOff redrawOff(g);
    if (g.Col() < g.Cols() - 1) {
        g.setCol(g.Col() + 1);
    } else if (g.Row() < g.Rows() - 1) {
        g.setRow(g.Row() + 1);
        g.setCol(1);
    } else {
        g.setCol(1);
        g.setRow(1);
    }
}

void frmMain::nameBoxEnter(int index) {
    m_treeBars->NameBoxDeleting = false;
    frmTableWindow* f = activeTableWindow();
    if (!f)
        return;
    Result<std::optional<TimetableView>> view = TimetableView::read(m_state.db(), f->Tag());
    if (!view || !view.value() || !view.value()->kind())
        return;
    // The Enter walk per kind: the next box, -1 for nothing, Finish after the last box.
    constexpr int Finish = 9;
    constexpr int walk[3][TreeBars::Count] = {
        /* Class */ {TreeBars::Subjects, TreeBars::Rooms, Finish, -1},
        /* Tutor */ {-1, TreeBars::Rooms, TreeBars::Classes, Finish},
        /* Room */ {TreeBars::Subjects, TreeBars::Classes, -1, Finish},
    };
    const ViewKind kind = *view.value()->kind();
    const int next = walk[static_cast<int>(kind)][index];
    if (next == -1)
        return;
    if (next != Finish) {
        m_treeBars->nameBox(next).setFocus(Qt::TabFocusReason);
        return;
    }
    m_treeBars->nameBoxLeft(index);
    SelectNextCell(*f);
    m_treeBars->nameBox(kind == ViewKind::Tutor ? TreeBars::Subjects : TreeBars::Tutors).setFocus(Qt::TabFocusReason);
}

void frmMain::FirstRun() {
    const int answer = MsgBox(
        QStringLiteral("We've noticed that this is the first time you have launched Quorvane Periwell. You may "
                       "find it useful to follow the getting started tutorial. Would you like to view it now?"),
        vb::vbQuestion + vb::vbYesNoCancel, this);
    if (answer == vb::vbYes) {
        HelpViewer::showContext(3, this);
        return;
    }
    MsgBox(QStringLiteral("Would you like to run the 'New Timetable Wizard' now?"), vb::vbQuestion + vb::vbYesNoCancel,
           this);
}
