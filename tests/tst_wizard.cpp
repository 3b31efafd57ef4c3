#include "TestFixture.h"
#include "WizardScript.h"
#include "setup/WizardDriver.h"
#include "setup/WizardPage.h"
#include "setup/WizardWelcomePage.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

// A page that takes or refuses Next as told, and can open a sub-page of its own.
class ProbePage : public WizardPage {
public:
    ProbePage(WizardProgress& progress, Kind kind, int step, bool* refuse = nullptr)
        : WizardPage(progress, kind, nullptr), m_refuse(refuse) {
        setObjectName(QStringLiteral("page%1").arg(step));
    }
    void openSubPage() {
        ProbePage sub(progress(), Kind::SubPage, 0);
        sub.setObjectName(QStringLiteral("sub"));
        showSubPage(sub);
    }

protected:
    bool storeAnswers() override { return !m_refuse || !*m_refuse; }

private:
    bool* m_refuse;
};

constexpr int Pages = 3;

struct ProbeWizard {
    bool showWelcome = true;
    bool refuse = false;
    WizardDriver driver{
        Pages, [this](int step, WizardProgress& progress) -> std::unique_ptr<WizardPage> {
            if (step == 1)
                return std::make_unique<WizardWelcomePage>(
                    progress, showWelcome,
                    WizardWelcomePage::Texts{"page1", "Welcome", "Hello", "Words"}, nullptr);
            const auto kind = step == Pages ? WizardPage::Kind::Last : WizardPage::Kind::Step;
            return std::make_unique<ProbePage>(progress, kind, step, &refuse);
        }};
};

WizardScript::Action pressing(const char* button) {
    return [button](QDialog& page) { press(page, button); };
}

void openSub(QDialog& page) {
    static_cast<ProbePage&>(page).openSubPage();
}

void hitEscape(QDialog& page) {
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(&page, &escape);
}

} // namespace

class tst_wizard : public QObject {
    Q_OBJECT

private slots:
    void protocol_data();
    void protocol();
    void welcomeOffStartsAtTheSecondPageAndBackStillReachesIt();
    void buttonsOfEachKindOfPage();
};

void tst_wizard::protocol_data() {
    QTest::addColumn<QList<WizardScript::Action>>("actions");
    QTest::addColumn<bool>("finished");
    QTest::addColumn<QStringList>("shown");

    const auto next = pressing("cmdNext");
    const auto back = pressing("cmdBack");
    const auto cancel = pressing("cmdCancel");
    const WizardScript::Action closeBox = [](QDialog& page) { page.close(); };
    QTest::newRow("next to the end")
        << QList{next, next, next} << true << QStringList{"page1", "page2", "page3"};
    QTest::newRow("back steps one page")
        << QList{next, back, next, next, next} << true
        << QStringList{"page1", "page2", "page1", "page2", "page3"};
    QTest::newRow("cancel on the last page")
        << QList{next, next, cancel} << false << QStringList{"page1", "page2", "page3"};
    QTest::newRow("back does nothing on the welcome page")
        << QList<WizardScript::Action>{[](QDialog& page) {
                                           press(page, "cmdBack");
                                           page.close();
                                       },
                                       next, next, next}
        << true << QStringList{"page1", "page1", "page2", "page3"};
    QTest::newRow("the close box shows the page again")
        << QList{next, closeBox, next, next} << true
        << QStringList{"page1", "page2", "page2", "page3"};
    QTest::newRow("escape leaves the page open")
        << QList<WizardScript::Action>{next,
                                       [](QDialog& page) {
                                           QSignalSpy closed(&page, &QDialog::finished);
                                           hitEscape(page);
                                           QCOMPARE(closed.count(), 0);
                                           press(page, "cmdNext");
                                       },
                                       next}
        << true << QStringList{"page1", "page2", "page3"};
    QTest::newRow("a sub-page's next closes its page too")
        << QList<WizardScript::Action>{next, openSub, next, next} << true
        << QStringList{"page1", "page2", "sub", "page3"};
    QTest::newRow("a sub-page's back and cancel keep its page")
        << QList<WizardScript::Action>{next,
                                       [](QDialog& page) {
                                           openSub(page);
                                           openSub(page);
                                           press(page, "cmdNext");
                                       },
                                       back, cancel, next}
        << true << QStringList{"page1", "page2", "sub", "sub", "page3"};
}

void tst_wizard::protocol() {
    QFETCH(QList<WizardScript::Action>, actions);
    QFETCH(bool, finished);
    QFETCH(QStringList, shown);
    TestFixture f;
    ProbeWizard wizard;
    WizardScript script;
    for (const WizardScript::Action& action : actions)
        script.then(action);
    QCOMPARE(wizard.driver.run(wizard.showWelcome), finished);
    QCOMPARE(script.shown, shown);
    QVERIFY(script.finished());
    QCOMPARE(script.unexpected, 0);
}

void tst_wizard::welcomeOffStartsAtTheSecondPageAndBackStillReachesIt() {
    TestFixture f;
    ProbeWizard wizard;
    {
        WizardScript script;
        script.then([](QDialog& page) {
            auto& welcome = static_cast<WizardWelcomePage&>(page);
            QVERIFY(welcome.chkDisplayNext().isChecked());
            welcome.chkDisplayNext().setChecked(false);
            press(page, "cmdNext");
        });
        script.then(pressing("cmdCancel"));
        QVERIFY(!wizard.driver.run(wizard.showWelcome));
        QVERIFY(!wizard.showWelcome);
    }
    WizardScript script;
    script.then(pressing("cmdBack"));
    script.then([](QDialog& page) {
        // Ticked again, and ticking it never turns the greeting back on.
        QVERIFY(static_cast<WizardWelcomePage&>(page).chkDisplayNext().isChecked());
        press(page, "cmdNext");
    });
    script.then(pressing("cmdNext")).then(pressing("cmdNext"));
    QVERIFY(wizard.driver.run(wizard.showWelcome));
    QCOMPARE(script.shown, (QStringList{"page2", "page1", "page2", "page3"}));
    QVERIFY(!wizard.showWelcome);
}

void tst_wizard::buttonsOfEachKindOfPage() {
    WizardProgress progress;
    ProbePage step(progress, WizardPage::Kind::Step, 2);
    ProbePage last(progress, WizardPage::Kind::Last, 3);
    ProbePage sub(progress, WizardPage::Kind::SubPage, 0);
    QCOMPARE(step.cmdNext().text(), QStringLiteral("&Next"));
    QVERIFY(step.cmdNext().isDefault());
    QCOMPARE(last.cmdNext().text(), QStringLiteral("&Finish"));
    QVERIFY(!sub.cmdNext().isDefault());
    // A refused Next keeps the page open and the counter where it was.
    bool refuse = true;
    ProbePage refusing(progress, WizardPage::Kind::Step, 2, &refuse);
    progress.step = 2;
    refusing.show();
    refusing.cmdNext().click();
    QVERIFY(refusing.isVisible());
    QCOMPARE(progress.step, 2);
}

QTEST_MAIN(tst_wizard)
#include "tst_wizard.moc"
