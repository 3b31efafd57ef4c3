#include "TestData.h"
#include "TestFixture.h"

#include "app/ClickLabel.h"
#include "app/LeftBarLayout.h"
#include "app/MainMenus.h"
#include "app/TreeBars.h"
#include "app/frmMain.h"
#include "platform/Resources.h"
#include "platform/Seams.h"
#include "platform/Twips.h"

#include <QAction>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using namespace TestData;

namespace {

using L = LeftBarLayout;
using Ints = QList<int>;

// Bits of a mask by list index: bit 0 Tutors ... bit 3 Classes.
void setVisibleMask(L& layout, int mask) {
    for (int i = 0; i < L::Count; ++i)
        layout.setVisible(i, mask & (1 << i));
}

Ints tops(const L& layout) {
    Ints result;
    for (int i = 0; i < L::Count; ++i)
        result << layout.panel(i).top;
    return result;
}

Ints heights(const L& layout) {
    Ints result;
    for (int i = 0; i < L::Count; ++i)
        result << layout.panel(i).height;
    return result;
}

// The bar 900 twips below the frame's top (under a toolbar), 9000 high, at 15 twips a pixel.
const QRectF Bar(0, 900, L::BarWidth, 9000);
constexpr double Tpp = 15;
constexpr int BarHeight = 9000;

// One tick with the cursor at `barY` twips inside the bar.
L::TimerStep tickAt(L& layout, double barY) {
    const QPointF inBar(40, barY / Tpp);
    return layout.tmrLeftBarMouse_Timer(inBar + QPointF(0, Bar.top() / Tpp), inBar, Bar, Tpp, Tpp,
                                        BarHeight);
}

const char* const ViewItems[TreeBars::Count] = {"mnuViewShowTutors", "mnuViewShowSubjects",
                                                "mnuViewShowRooms", "mnuViewShowClasses"};
const char* const Titles[TreeBars::Count] = {"Tutors", "Subjects", "Rooms", "Classes"};

QImage arrowImage(const char* name) {
    return Resources::icon(QString::fromLatin1(name)).pixmap(QSize(7, 7)).toImage();
}

// A timetable for a new owner of that kind, open and active in the main window.
int openTimetableOf(TestFixture& f, const QString& viewBy, const QString& owner) {
    const int id = addTimetable(f.db(), viewBy, addName(f.db(), viewBy, owner), {"Mon", "Tue"},
                                {{"09:00:00"}, {"10:00:00"}});
    f.openTimetable(id);
    return id;
}

// The panel's place in pixels against the model's twips.
bool placedAsModel(TreeBars& bars, int index) {
    const L::Panel& p = bars.layoutModel().panel(index);
    const QRect place = bars.picSep(index).geometry();
    return place.top() == Twips::toPixels(p.top) && place.height() == Twips::toPixels(p.height) &&
           place.left() == Twips::toPixels(L::PanelLeft);
}

} // namespace

class tst_leftbar : public QObject {
    Q_OBJECT

private slots:
    void stacking_data();
    void stacking();
    void toggleHeights();
    void expandingALowTreeRaisesIt();
    void negativeHeightsAreSkipped();
    void hoverOverAGap();
    void dragTicks();
    void splitIndexFollowsTheBands();

    void barAtStart();
    void togglingWhileTheBarIsHidden();
    void toggles_data();
    void toggles();
    void layoutAfterActivation_data();
    void layoutAfterActivation();
    void dragThroughTheCursorSeam();
    void smallWindowShowsNoError();
};

void tst_leftbar::stacking_data() {
    QTest::addColumn<int>("visible");
    QTest::addColumn<Ints>("wantedTops");
    QTest::addColumn<Ints>("wantedHeights");
    // Hidden panels keep their first place: the design stacks all four collapsed.
    QTest::newRow("all four") << 0b1111 << Ints{-30, 1225, 2480, 3735}
                              << Ints{1215, 1215, 1215, 5265};
    QTest::newRow("Class timetable")
        << 0b0111 << Ints{-30, 1225, 2480, 3735} << Ints{1215, 1215, 6520, 1215};
    QTest::newRow("Tutor timetable")
        << 0b1110 << Ints{-30, -30, 1225, 2480} << Ints{1215, 1215, 1215, 6520};
    QTest::newRow("Room timetable")
        << 0b1011 << Ints{-30, 1225, 2480, 2480} << Ints{1215, 1215, 1215, 6520};
    QTest::newRow("one panel") << 0b0010 << Ints{-30, -30, 2480, 3735}
                               << Ints{1215, 9030, 1215, 1215};
    QTest::newRow("none") << 0 << Ints{-30, 1225, 2480, 3735} << Ints{1215, 1215, 1215, 1215};
}

void tst_leftbar::stacking() {
    QFETCH(int, visible);
    L layout;
    setVisibleMask(layout, visible);
    layout.SizeBarsStartup();
    layout.ResizeLeftBar(BarHeight);
    QFETCH(Ints, wantedTops);
    QFETCH(Ints, wantedHeights);
    QCOMPARE(tops(layout), wantedTops);
    QCOMPARE(heights(layout), wantedHeights);
}

void tst_leftbar::toggleHeights() {
    L layout;
    layout.ResizeLeftBar(BarHeight);
    QVERIFY(layout.lblShow_Click(1, BarHeight));
    QCOMPARE(layout.panel(1).height, 1140 + 1035 + 40);
    QCOMPARE(layout.panel(2).top, layout.panel(1).bottom() + 40);
    QVERIFY(!layout.lblShow_Click(1, BarHeight));
    QCOMPARE(layout.panel(1).height, 870 + 195 + 100);
    QCOMPARE(layout.panel(2).top, -30 + 1215 + 40 + 1165 + 40);
    layout.SizeBarsStartup();
    QCOMPARE(layout.panel(1).height, 1215);

    // The last panel fills the bar whatever its state.
    QVERIFY(layout.lblShow_Click(3, BarHeight));
    QCOMPARE(layout.panel(3).bottom(), BarHeight);
    QCOMPARE(layout.panel(3).treeHeight, BarHeight - layout.panel(3).top - 1140 - 150);
    QVERIFY(!layout.lblShow_Click(3, BarHeight));
    QCOMPARE(layout.panel(3).bottom(), BarHeight);
}

void tst_leftbar::expandingALowTreeRaisesIt() {
    L layout;
    QCOMPARE(layout.panel(0).treeHeight, 900);
    layout.lblShow_Click(0, BarHeight);
    QCOMPARE(layout.panel(0).height, 2215);
    QCOMPARE(layout.panel(0).treeHeight, 925);
    // Stacking by contents then keeps the tree's height and adds the wider margin.
    layout.SizeBarsStartup();
    QCOMPARE(layout.panel(0).height, 1140 + 925 + 150);

    // A taller tree is kept as it is when the panel opens.
    L tall;
    tall.lblShow_Click(3, BarHeight);
    const int stretchedTree = tall.panel(3).treeHeight;
    QVERIFY(stretchedTree > 1035);
    tall.lblShow_Click(3, BarHeight);
    tall.setVisible(3, false);
    tall.lblShow_Click(3, BarHeight);
    QCOMPARE(tall.panel(3).height, 1140 + stretchedTree + 40);
}

void tst_leftbar::negativeHeightsAreSkipped() {
    L layout;
    layout.lblShow_Click(0, BarHeight);
    const L::Panel before = layout.panel(3);
    // A bar lower than the top of its last panel: that panel and its tree keep their heights,
    // the others are still stacked.
    layout.lblShow_Click(1, 2000);
    QCOMPARE(layout.panel(3).height, before.height);
    QCOMPARE(layout.panel(3).treeHeight, before.treeHeight);
    QCOMPARE(layout.panel(2).top, layout.panel(1).bottom() + 40);
    QCOMPARE(layout.panel(3).top, layout.panel(2).bottom() + 40);
    // A collapsed panel's tree keeps its height too.
    QCOMPARE(layout.panel(2).treeHeight, 900);
}

void tst_leftbar::hoverOverAGap() {
    L layout;
    // Between the bottom of a panel and the bottom of the next one.
    QVERIFY(layout.picLeftBar_MouseMove(1200));
    QVERIFY(layout.picLeftBar_MouseMove(2450));
    QVERIFY(!layout.picLeftBar_MouseMove(1100));
    // The last panel has no gap below it.
    QVERIFY(!layout.picLeftBar_MouseMove(9500));
    // During a drag a move only records its place.
    layout.LeftBarMouseDown = true;
    QVERIFY(!layout.picLeftBar_MouseMove(1300));
    QCOMPARE(layout.LeftBarLastY, 1300.0);
    QCOMPARE(layout.panel(0).height, 1215);
    layout.LeftBarMouseDown = false;
    // The same place again does nothing, even over a gap.
    QVERIFY(!layout.picLeftBar_MouseMove(1300));
}

void tst_leftbar::dragTicks() {
    L layout;
    layout.ResizeLeftBar(BarHeight);
    // Hovering without the button held resizes nothing.
    QVERIFY(tickAt(layout, 1200).inside);
    QCOMPARE(layout.panel(0).height, 1215);

    layout.LeftBarMouseDown = true;
    struct Tick {
        double barY;
        int height;
    };
    // Grows to 1600; from above 1500 it may shrink to 1200; below 1500 it only grows again.
    for (const Tick& tick : {Tick{1200, 1230}, Tick{1570, 1600}, Tick{1170, 1200}, Tick{870, 1200},
                             Tick{1270, 1300}}) {
        const L::TimerStep step = tickAt(layout, tick.barY);
        QVERIFY(step.inside && step.resized);
        QCOMPARE(layout.panel(0).height, tick.height);
        QCOMPARE(layout.panel(1).top, layout.panel(0).bottom() + 40);
    }
    QCOMPARE(layout.LeftBarSplitIndex, 0);

    // Dragging a tall panel's gap above that panel's top would make it negative: skipped.
    layout.LeftBarSplitIndex = 1;
    layout.lblShow_Click(1, BarHeight);
    QCOMPARE(layout.panel(1).height, 2215);
    QVERIFY(tickAt(layout, layout.panel(1).top - 700).resized);
    QCOMPARE(layout.LeftBarSplitIndex, 1);
    QCOMPARE(layout.panel(1).height, 2215);

    // Out of the bar (its left edge is outside too): the tick stops there and resizes nothing.
    const L::TimerStep out =
        layout.tmrLeftBarMouse_Timer(QPointF(0, 100), QPointF(0, 40), Bar, Tpp, Tpp, BarHeight);
    QVERIFY(!out.inside && !out.resized);
    QCOMPARE(layout.panel(1).height, 2215);
}

void tst_leftbar::splitIndexFollowsTheBands() {
    L layout;
    layout.ResizeLeftBar(BarHeight);
    struct Case {
        double barY;
        int index;
    };
    // The band of gap i reaches 200 twips into the panel above and the one below; outside
    // every band the index stays.
    for (const Case& c : {Case{2300, 1}, Case{1000, 0}, Case{1410, 0}, Case{1800, 0}, Case{2280, 1},
                          Case{3540, 2}, Case{5000, 2}}) {
        tickAt(layout, c.barY);
        QCOMPARE(layout.LeftBarSplitIndex, c.index);
    }
}

void tst_leftbar::barAtStart() {
    TestFixture f;
    TreeBars& bars = f.main().picLeftBar();
    QVERIFY(bars.isHidden());
    QCOMPARE(bars.width(), Twips::toPixels(2385));
    auto* timer = f.main().findChild<QTimer*>(QStringLiteral("tmrLeftBarMouse"));
    QVERIFY(timer);
    QCOMPARE(timer->interval(), 100);
    for (int i = 0; i < TreeBars::Count; ++i) {
        QCOMPARE(bars.lblShow(i).text(), QStringLiteral("Show ") + Titles[i]);
        QCOMPARE(bars.picShow(i).pixmap().toImage(), arrowImage("arrow-down"));
        QVERIFY(bars.treeBar(i).isHidden());
        QVERIFY(!f.main().menus().item(ViewItems[i])->isChecked());
        QCOMPARE(bars.lblShow(i).cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(bars.picShow(i).cursor().shape(), Qt::PointingHandCursor);
    }
}

void tst_leftbar::togglingWhileTheBarIsHidden() {
    TestFixture f;
    frmMain& main = f.main();
    TreeBars& bars = main.picLeftBar();
    QVERIFY(bars.isHidden());
    // The panels count as shown by their own flag, although nothing of the bar is on screen.
    QVERIFY(f.trigger(QStringLiteral("mnuViewShowTutors")));
    const L& layout = bars.layoutModel();
    QCOMPARE(layout.panel(0).height, 2215);
    QCOMPARE(layout.panel(1).top, layout.panel(0).bottom() + 40);
    QCOMPARE(layout.panel(3).top, layout.panel(2).bottom() + 40);
}

void tst_leftbar::toggles_data() {
    QTest::addColumn<QString>("how");
    for (const char* how : {"link", "arrow", "menu"})
        QTest::newRow(how) << QString::fromLatin1(how);
}

void tst_leftbar::toggles() {
    QFETCH(QString, how);
    TestFixture f;
    frmMain& main = f.main();
    openTimetableOf(f, "Class", "7A");
    TreeBars& bars = main.picLeftBar();
    for (int i = 0; i < TreeBars::Count; ++i) {
        QAction* item = main.menus().item(ViewItems[i]);
        for (const bool open : {true, false}) {
            if (how == "link")
                QTest::mouseClick(&bars.lblShow(i), Qt::LeftButton);
            else if (how == "arrow")
                QTest::mouseClick(&bars.picShow(i), Qt::LeftButton);
            else
                item->trigger();
            QCOMPARE(bars.isExpanded(i), open);
            QCOMPARE(item->isChecked(), open);
            QCOMPARE(bars.lblShow(i).text(),
                     QString::fromLatin1(open ? "Hide " : "Show ") + Titles[i]);
            QCOMPARE(bars.picShow(i).pixmap().toImage(),
                     arrowImage(open ? "arrow-up" : "arrow-down"));
            QCOMPARE(bars.treeBar(i).isHidden(), !open);
            for (int p = 0; p < TreeBars::Count; ++p)
                QVERIFY(placedAsModel(bars, p));
        }
    }
}

void tst_leftbar::layoutAfterActivation_data() {
    QTest::addColumn<QString>("viewBy");
    QTest::addColumn<int>("hidden");
    QTest::addColumn<int>("last");
    QTest::newRow("Class") << "Class" << int(TreeBars::Classes) << int(TreeBars::Rooms);
    QTest::newRow("Tutor") << "Tutor" << int(TreeBars::Tutors) << int(TreeBars::Classes);
    QTest::newRow("Room") << "Room" << int(TreeBars::Rooms) << int(TreeBars::Classes);
}

void tst_leftbar::layoutAfterActivation() {
    QFETCH(QString, viewBy);
    QFETCH(int, hidden);
    QFETCH(int, last);
    TestFixture f;
    frmMain& main = f.main();
    TreeBars& bars = main.picLeftBar();
    openTimetableOf(f, viewBy == "Class" ? "Tutor" : "Class", "Other");
    // A panel opened and collapsed again is 1165 high until the next activation stacks it.
    QTest::mouseClick(&bars.lblShow(TreeBars::Subjects), Qt::LeftButton);
    QTest::mouseClick(&bars.lblShow(TreeBars::Subjects), Qt::LeftButton);
    QCOMPARE(bars.layoutModel().panel(TreeBars::Subjects).height, 1165);
    // The panel of the new timetable's own kind is shown here; it keeps this place.
    const L::Panel kept = bars.layoutModel().panel(hidden);
    openTimetableOf(f, viewBy, "Owner");

    const L& layout = bars.layoutModel();
    QVERIFY(bars.picSep(hidden).isHidden());
    int bottom = -1;
    for (int i = 0; i < TreeBars::Count; ++i) {
        QVERIFY(placedAsModel(bars, i));
        if (i == hidden)
            continue;
        QCOMPARE(layout.panel(i).top, bottom == -1 ? -30 : bottom + 40);
        if (i != last)
            QCOMPARE(layout.panel(i).height, 1215);
        bottom = layout.panel(i).bottom();
    }
    QCOMPARE(layout.panel(last).bottom(), Twips::fromPixels(bars.height()));
    QVERIFY(bars.picSep(last).geometry().bottom() >= bars.height() - 2);
    QCOMPARE(layout.panel(hidden).top, kept.top);
    QCOMPARE(layout.panel(hidden).height, kept.height);
}

void tst_leftbar::dragThroughTheCursorSeam() {
    TestFixture f;
    frmMain& main = f.main();
    openTimetableOf(f, "Class", "7A");
    TreeBars& bars = main.picLeftBar();
    QTimer& timer = bars.tmrLeftBarMouse();
    timer.stop();
    const L& layout = bars.layoutModel();
    const int gapY = Twips::toPixels(layout.panel(0).bottom() + 20);
    const QPoint gap(60, gapY);
    QPoint cursor = gap;
    seams().cursorPos = [&] { return bars.mapToGlobal(cursor); };

    QMouseEvent hover(QEvent::MouseMove, gap, bars.mapToGlobal(gap), Qt::NoButton, {}, {});
    QApplication::sendEvent(&bars, &hover);
    QVERIFY(timer.isActive());
    QCOMPARE(bars.cursor().shape(), Qt::SizeVerCursor);

    QTest::mousePress(&bars, Qt::LeftButton, {}, gap);
    cursor = gap + QPoint(0, 40);
    bars.tmrLeftBarMouse_Timer();
    QCOMPARE(layout.panel(0).height, Twips::fromPixels(cursor.y()) - layout.panel(0).top);
    QVERIFY(placedAsModel(bars, 0));
    QVERIFY(placedAsModel(bars, 1));
    const int dragged = layout.panel(0).height;

    // Leaving the bar ends the drag: the timer stops and moves with the button down do not
    // start it again.
    cursor = QPoint(bars.width() + 30, gapY + 60);
    bars.tmrLeftBarMouse_Timer();
    QVERIFY(!timer.isActive());
    QCOMPARE(bars.cursor().shape(), Qt::ArrowCursor);
    QMouseEvent held(QEvent::MouseMove, gap, bars.mapToGlobal(gap), Qt::NoButton, Qt::LeftButton,
                     {});
    QApplication::sendEvent(&bars, &held);
    QVERIFY(!timer.isActive());
    QCOMPARE(layout.panel(0).height, dragged);
    QTest::mouseRelease(&bars, Qt::LeftButton, {}, gap);
}

void tst_leftbar::smallWindowShowsNoError() {
    TestFixture f;
    frmMain& main = f.main();
    openTimetableOf(f, "Class", "7A");
    TreeBars& bars = main.picLeftBar();
    QTest::mouseClick(&bars.lblShow(0), Qt::LeftButton);
    main.resize(320, 160);
    QTest::mouseClick(&bars.lblShow(1), Qt::LeftButton);
    QVERIFY(f.boxes.calls.isEmpty());
    for (int i = 0; i < TreeBars::Count; ++i) {
        QVERIFY(bars.layoutModel().panel(i).height >= 0);
        QVERIFY(bars.layoutModel().panel(i).treeHeight >= 0);
    }
}

QTEST_MAIN(tst_leftbar)
#include "tst_leftbar.moc"
