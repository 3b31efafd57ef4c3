#include "TestFixture.h"

#include "data/NumberText.h"
#include "data/TimeText.h"
#include "platform/ColorNumber.h"
#include "platform/ModalRunner.h"
#include "platform/SettingsStore.h"
#include "platform/Twips.h"

#include <QDialog>
#include <QTest>

class tst_platform : public QObject {
    Q_OBJECT

private slots:
    void msgBoxGoesThroughTheResponder();
    void modalRunnerHandsTheDialogToTheTest();
    void settingsRoundTripWithDefaults();
    void timeTexts_data();
    void timeTexts();
    void badTimeTextIsRefused();
    void periodHeaders_data();
    void periodHeaders();
    void colourNumbers();
    void badNumberTextGivesNothing();
    void twipsAtStandardDpi();
};

void tst_platform::msgBoxGoesThroughTheResponder() {
    TestFixture f;
    f.boxes.answers = {vb::vbNo};
    QCOMPARE(MsgBox("Carry on?", vb::vbYesNoCancel + vb::vbQuestion), int(vb::vbNo));
    QCOMPARE(MsgBox("Bad input", vb::vbCritical), int(vb::vbOK));
    QCOMPARE(f.boxes.calls.size(), 2);
    QCOMPARE(f.boxes.calls[0].caption, QStringLiteral("Periwell"));
    QCOMPARE(f.boxes.calls[0].text, QStringLiteral("Carry on?"));
    QCOMPARE(f.boxes.calls[0].buttons, int(vb::vbYesNoCancel));
    QCOMPARE(f.boxes.calls[0].icon, int(vb::vbQuestion));
    QCOMPARE(f.boxes.calls[1].buttons, int(vb::vbOKOnly));
    QCOMPARE(f.boxes.calls[1].icon, int(vb::vbCritical));
}

void tst_platform::modalRunnerHandsTheDialogToTheTest() {
    TestFixture f;
    QDialog dialog;
    dialog.setObjectName("frmProbe");
    QString seen;
    seams().modal = [&](QDialog& shown) {
        seen = shown.objectName();
        return int(QDialog::Accepted);
    };
    QCOMPARE(runModal(dialog), int(QDialog::Accepted));
    QCOMPARE(seen, QStringLiteral("frmProbe"));
}

void tst_platform::settingsRoundTripWithDefaults() {
    TestFixture f;
    QCOMPARE(SettingsStore::GetSetting("Velmora", "Config", "FirstRun", "True"),
             QStringLiteral("True"));
    SettingsStore::SaveSetting("Velmora", "Config", "FirstRun", "False");
    QCOMPARE(SettingsStore::GetSetting("Velmora", "Config", "FirstRun", "True"),
             QStringLiteral("False"));
    // Another application name is another store.
    QCOMPARE(SettingsStore::GetSetting("periwell", "Config", "FirstRun", "x"), QStringLiteral("x"));
    QVERIFY(SettingsStore::folder().startsWith(f.folder()));
}

void tst_platform::timeTexts_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("afternoon") << "1:05 PM"
                               << "13:05:00"
                               << "1:05 PM";
    QTest::newRow("24-hour") << "13:05"
                             << "13:05:00"
                             << "1:05 PM";
    QTest::newRow("stored form") << "09:00:00"
                                 << "09:00:00"
                                 << "9:00 AM";
    QTest::newRow("noon") << "12:00 pm"
                          << "12:00:00"
                          << "12:00 PM";
    QTest::newRow("midnight") << "12:15AM"
                              << "00:15:00"
                              << "12:15 AM";
    QTest::newRow("with seconds") << "8:30:00 AM"
                                  << "08:30:00"
                                  << "8:30 AM";
}

void tst_platform::timeTexts() {
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    const std::optional<QTime> time = TimeText::parse(typed);
    QVERIFY(time);
    QCOMPARE(TimeText::canonical(*time), stored);
    QCOMPARE(TimeText::display12(*time), shown);
}

void tst_platform::badTimeTextIsRefused() {
    for (const QString text : {"", "9", "25:00", "13:00 PM", "0:30 AM", "9:60", "nine"})
        QVERIFY2(!TimeText::parse(text), qPrintable(text));
}

void tst_platform::periodHeaders_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<QString>("header");
    QTest::newRow("morning") << "09:00:00" << 40 << "9:00 - 9:40";
    QTest::newRow("over one") << "12:30:00" << 60 << "12:30 - 1:30";
    QTest::newRow("over noon") << "11:30:00" << 40 << "11:30 - 12:10";
}

void tst_platform::periodHeaders() {
    QFETCH(QString, start);
    QFETCH(int, minutes);
    QFETCH(QString, header);
    QCOMPARE(TimeText::periodHeader(*TimeText::parse(start), minutes), header);
}

void tst_platform::colourNumbers() {
    QCOMPARE(ColorNumber::toColor(255), QColor(255, 0, 0));
    QCOMPARE(ColorNumber::toColor(0xFF0000), QColor(0, 0, 255));
    QCOMPARE(ColorNumber::fromText("16777215", Qt::black), QColor(Qt::white));
    QCOMPARE(ColorNumber::fromText("", Qt::gray), QColor(Qt::gray));
    QCOMPARE(ColorNumber::fromText("red", Qt::gray), QColor(Qt::gray));
    QCOMPARE(ColorNumber::fromColor(QColor(1, 2, 3)), std::uint32_t(0x030201));
    QVERIFY(ColorNumber::fromText("-2147483643", Qt::red).isValid()); // a system colour
}

void tst_platform::badNumberTextGivesNothing() {
    QCOMPARE(NumberText::fontSize("8.5").value_or(0), 8.5f);
    QVERIFY(!NumberText::fontSize(""));
    QVERIFY(!NumberText::fontSize("0"));
    QVERIFY(!NumberText::fontSize("big"));
    QCOMPARE(NumberText::twips("1500").value_or(0), 1500);
    QVERIFY(!NumberText::twips("-3"));
    QVERIFY(!NumberText::twips("nan"));
    QVERIFY(!NumberText::twips("inf"));
    QVERIFY(!NumberText::twips("99999999999"));
    QCOMPARE(NumberText::minutes("40").value_or(-1), 40);
    QVERIFY(!NumberText::minutes("99999999999"));
    QVERIFY(!NumberText::minutes("-5"));
    QVERIFY(!NumberText::minutes("nan"));
    QVERIFY(!NumberText::colourNumber("99999999999"));
}

void tst_platform::twipsAtStandardDpi() {
    const double perPixel = Twips::perPixel();
    QVERIFY(perPixel > 0);
    QCOMPARE(Twips::toPixels(Twips::fromPixels(100)), 100);
}

QTEST_MAIN(tst_platform)
#include "tst_platform.moc"
