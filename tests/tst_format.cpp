#include "TestData.h"
#include "TestFixture.h"

#include "app/ClickLabel.h"
#include "app/StylePreview.h"
#include "app/frmMain.h"
#include "app/frmTableWindow.h"
#include "data/TimetableLook.h"
#include "output/frmFormatTimeTable.h"
#include "output/frmStylePicker.h"
#include "platform/ColorNumber.h"
#include "platform/CommonDialog.h"
#include "platform/FlexGrid.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <functional>

using namespace TestData;

namespace {

// How many pixels of the picture have exactly this colour.
int pixelsOf(const QImage& picture, const QColor& colour) {
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    const QRgb wanted = colour.rgb();
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == wanted;
    return count;
}

QColor colourOf(const QString& number) {
    return ColorNumber::fromText(number, QColor());
}

// Every style row, failing the test run on an error.
QList<NamedStyle> styles(const DBConnection& db) {
    Result<QList<NamedStyle>> read = TimetableLooks::readStyles(db);
    if (!read)
        qFatal("%s", qPrintable(read.error().message));
    return read.value();
}

TimetableLook lookOf(const DBConnection& db, int timetableId) {
    Result<std::optional<TimetableLook>> look = TimetableLooks::readTimetable(db, timetableId);
    if (!look || !look.value())
        qFatal("no look for timetable %d", timetableId);
    return *look.value();
}

// Answers the colour dialog from a script (nothing is a cancel) and keeps the colours it opened on.
class ColourDialog : public CommonDialog {
public:
    std::optional<QColor> answer;
    QList<QColor> openedOn;

    std::optional<QColor> chooseColor(QWidget*, const QColor& initial) override {
        openedOn << initial;
        return answer;
    }
};

// Opens a dialog of type T from its menu item and hands it to `drive`; false when none showed.
template <typename T>
bool runDialog(TestFixture& f, const QString& item, const std::function<void(T&)>& drive) {
    bool shown = false;
    seams().modal = [&](QDialog& dialog) {
        auto* wanted = qobject_cast<T*>(&dialog);
        if (!wanted || shown)
            return int(QDialog::Rejected);
        shown = true;
        drive(*wanted);
        return dialog.result();
    };
    f.trigger(item);
    return shown;
}

bool runFormat(TestFixture& f, const std::function<void(frmFormatTimeTable&)>& drive) {
    return runDialog<frmFormatTimeTable>(f, "mnuFormatFormat", drive);
}

bool runPicker(TestFixture& f, const std::function<void(frmStylePicker&)>& drive) {
    return runDialog<frmStylePicker>(f, "mnuFormatStyle", drive);
}

// Picks an entry from the box's list as the user does.
void choose(QComboBox& box, const QString& text) {
    const int index = box.findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    box.setCurrentIndex(index);
    emit box.activated(index);
}

void typeInto(QComboBox& box, const QString& text) {
    box.lineEdit()->selectAll();
    QTest::keyClicks(box.lineEdit(), text);
    QTest::keyClick(box.lineEdit(), Qt::Key_Return);
}

// An installed family other than `font`.
QString anotherFont(const QString& font) {
    for (const QString& family : QFontDatabase::families())
        if (family != font)
            return family;
    return {};
}

struct Opened {
    int id = 0;
    frmTableWindow* window = nullptr;
};

// A class timetable with one lesson, open in the active window.
Opened openSmallTimetable(TestFixture& f) {
    const SmallSchool school = addSmallSchool(f.db());
    const int id = addTimetable(f.db(), "Class", school.c7A, {"Mon", "Tue"},
                                {{"09:00:00"}, {"12:00:00", 60, 3}});
    addSlot(f.db(), {"09:00:00", "Mon", school.c7A, school.ann, school.r1, school.maths});
    return {id, f.openTimetable(id)};
}

void setColumn(TestFixture& f, int id, const QString& column, const QString& value) {
    QVERIFY(
        f.db()
            .run(QString("UPDATE TimeTableView SET %1 = ? WHERE ID = ?").arg(column), {value, id})
            .ok());
}

// The row as stored, every column, to see that nothing else moved.
QVariantList wholeRow(const DBConnection& db, int id) {
    Result<std::optional<QSqlRecord>> row =
        db.firstRow("SELECT * FROM TimeTableView WHERE ID = ?", {id});
    QVariantList values;
    if (row && row.value())
        for (int i = 0; i < row.value()->count(); ++i)
            values << row.value()->value(i);
    return values;
}

} // namespace

class tst_format : public QObject {
    Q_OBJECT
private slots:
    void seededStylesMatchTheStoredPictures();
    void laterPositionsShowTheStylesOwnColours();
    void stylesAreReadInIdOrder();
    void formatSaveWritesTwelveColumnsOnly();
    void formatShowsEachElementAndOkWithoutChangesWritesNothing();
    void fontChoiceChangesOnlyThatElement_data();
    void fontChoiceChangesOnlyThatElement();
    void fontWithQuoteAndUninstalledFontRoundTrip();
    void sizeFromTheListIsStoredTypedTextIsNot();
    void colourChosenCancelledAndDialogCancelled();
    void emptyAndBadStoredTexts();
    void formatWithoutTimetableRow();
    void pickerCopiesTheWholeStyleAndRedraws();
    void pickerPreviewFollowsTheListPosition();
    void pickerWithNoStyles();
    void noActiveWindowNoDialog();
};

void tst_format::seededStylesMatchTheStoredPictures() {
    TestFixture f;
    const QList<NamedStyle> seeded = styles(f.db());
    QVERIFY(seeded.size() >= 2);

    // The pictures follow the list position, whatever the look.
    // The blue one: blue grid lines and a pale blue lunch column on white.
    const QImage blue = StylePreview::picture(0, seeded[1].look).toImage();
    QCOMPARE(blue.size(), QSize(142, 64));
    const TimetableLook& first = seeded[0].look;
    QVERIFY(colourOf(first.periodForeground).blue() > 2 * colourOf(first.periodForeground).red());
    QVERIFY(colourOf(first.unavailableBackground).lightness() > 200);
    QVERIFY(pixelsOf(blue, colourOf(first.unavailableBackground)) > 400);
    QVERIFY(pixelsOf(blue, colourOf(first.periodForeground)) > 400);

    // Black on white, with a black lunch column whose text stays readable.
    const QImage black = StylePreview::picture(1, seeded[0].look).toImage();
    QCOMPARE(black.size(), QSize(142, 68));
    const TimetableLook& second = seeded[1].look;
    for (const QString& colour :
         {second.titleForeground, second.colHeadForeground, second.rowHeadForeground,
          second.periodForeground, second.unavailableBackground})
        QCOMPARE(colourOf(colour), QColor(Qt::black));
    QCOMPARE(colourOf(second.unavailableForeground), QColor(Qt::white));
    QVERIFY(pixelsOf(black, Qt::black) > 1000);
    QVERIFY(pixelsOf(black, Qt::white) > 3000);
}

void tst_format::laterPositionsShowTheStylesOwnColours() {
    TimetableLook look;
    look.periodForeground = QString::number(ColorNumber::fromColor(QColor(0, 160, 0)));
    look.unavailableBackground = QString::number(ColorNumber::fromColor(QColor(200, 0, 0)));
    look.titleFont = "No Such Font";
    look.periodFontSize = "huge";

    const QImage drawn = StylePreview::picture(2, look).toImage();
    QCOMPARE(drawn.size(), StylePreview::SampleSize);
    QCOMPARE(drawn.convertToFormat(QImage::Format_RGB32), StylePreview::sample(look));
    QVERIFY(pixelsOf(drawn, QColor(0, 160, 0)) > 400);
    QVERIFY(pixelsOf(drawn, QColor(200, 0, 0)) > 400);

    // Empty and unreadable colours draw in the timetable's own fallbacks.
    const QImage plain = StylePreview::picture(5, TimetableLook{}).toImage();
    QVERIFY(pixelsOf(plain, Qt::lightGray) > 400);
    QVERIFY(pixelsOf(plain, Qt::black) > 400);

    QVERIFY(StylePreview::picture(-1, look).isNull());
}

void tst_format::stylesAreReadInIdOrder() {
    TestFixture f;
    QVERIFY(f.db().run("DELETE FROM Style WHERE ID > 2").ok());
    QVERIFY(f.db().run("INSERT INTO Style (ID, Name) VALUES (9, 'A''s first by name')").ok());
    QVERIFY(f.db().run("INSERT INTO Style (ID, Name, TitleFont) VALUES (7, 'Zed', 'It''s')").ok());

    const QList<NamedStyle> read = styles(f.db());
    QStringList seen;
    for (const NamedStyle& style : read)
        seen << QString("%1 %2").arg(style.id).arg(style.name);
    QCOMPARE(seen, QStringList({"1 Blue", "2 Black on White", "7 Zed", "9 A's first by name"}));
    QCOMPARE(read[2].look.titleFont, QString("It's"));
    QCOMPARE(read[2].look, TimetableLooks::readStyle(f.db(), 7).value().value());
}

void tst_format::formatSaveWritesTwelveColumnsOnly() {
    TestFixture f;
    const SmallSchool school = addSmallSchool(f.db());
    const int id = addTimetable(f.db(), "Class", school.c7A, {"Mon"}, {{"09:00:00"}});
    const int other = addTimetable(f.db(), "Class", school.c7B, {"Mon"}, {{"09:00:00"}});
    const TimetableLook before = lookOf(f.db(), id);

    FormatValues values;
    for (int i = 0; i < FormatColumnCount; ++i)
        values[i] = QString("v%1 'q'").arg(i);
    values[1] = QString(); // never bound as null: the columns are NOT NULL
    QVERIFY(TimetableLooks::saveFormat(f.db(), id, values).ok());

    const TimetableLook after = lookOf(f.db(), id);
    FormatValues expected = values;
    expected[1] = "";
    QCOMPARE(after.formatValues(), expected);
    QCOMPARE(after.unavailableBackground, before.unavailableBackground);
    QCOMPARE(after.unavailableForeground, before.unavailableForeground);
    QCOMPARE(lookOf(f.db(), other), before);
}

void tst_format::formatShowsEachElementAndOkWithoutChangesWritesNothing() {
    TestFixture f;
    const Opened opened = openSmallTimetable(f);
    setColumn(f, opened.id, "PeriodForeground", "255");
    const QVariantList before = wholeRow(f.db(), opened.id);
    const TimetableLook look = lookOf(f.db(), opened.id);

    QStringList elements, sizes;
    QString caption;
    QList<QStringList> shown;
    QVERIFY(runFormat(f, [&](frmFormatTimeTable& d) {
        caption = d.windowTitle();
        for (int i = 0; i < d.lstElement().count(); ++i)
            elements << d.lstElement().item(i)->text();
        for (int i = 0; i < d.cboSize().count(); ++i)
            sizes << d.cboSize().itemText(i);
        // The title first, then each element as the user clicks it.
        for (int e = 0; e < 4; ++e) {
            if (e > 0)
                d.lstElement().setCurrentRow(e);
            shown << QStringList{d.cboFont().currentText(), d.cboSize().currentText(),
                                 QString::number(ColorNumber::fromColor(d.foregroundColour()))};
        }
        QCOMPARE(d.cboFont().count(), QFontDatabase::families().size());
        d.cmdOK().click();
    }));

    QCOMPARE(caption, QString("Timetable Format"));
    QCOMPARE(elements, QStringList({"Title", "Column Headers", "Row Headers", "Periods"}));
    QCOMPARE(sizes, QStringList({"8", "9", "10", "11", "12", "14", "16", "24"}));
    const FormatValues values = look.formatValues();
    for (int e = 0; e < 4; ++e)
        QCOMPARE(shown[e], QStringList({values[3 * e], values[3 * e + 1], values[3 * e + 2]}));
    QCOMPARE(f.state.FormatEditValues, values);
    QCOMPARE(wholeRow(f.db(), opened.id), before);
    QVERIFY(f.boxes.calls.isEmpty());
}

void tst_format::fontChoiceChangesOnlyThatElement_data() {
    QTest::addColumn<int>("element");
    QTest::newRow("title") << 0;
    QTest::newRow("column headers") << 1;
    QTest::newRow("row headers") << 2;
    QTest::newRow("periods") << 3;
}

void tst_format::fontChoiceChangesOnlyThatElement() {
    QFETCH(int, element);
    TestFixture f;
    const Opened opened = openSmallTimetable(f);
    const TimetableLook before = lookOf(f.db(), opened.id);
    const QString font = anotherFont(before.formatValues()[3 * element]);
    QVERIFY(!font.isEmpty());

    QVERIFY(runFormat(f, [&](frmFormatTimeTable& d) {
        d.lstElement().setCurrentRow(element);
        choose(d.cboFont(), font);
        // Looking at the other elements stores nothing.
        d.lstElement().setCurrentRow((element + 1) % 4);
        d.cmdOK().click();
    }));

    FormatValues expected = before.formatValues();
    expected[3 * element] = font;
    const TimetableLook after = lookOf(f.db(), opened.id);
    QCOMPARE(after.formatValues(), expected);
    QCOMPARE(after.unavailableBackground, before.unavailableBackground);
    if (element == 0)
        QCOMPARE(opened.window->lblTitle().font().family(), font);
    if (element == 3) {
        FlexGrid& g = opened.window->g();
        g.setRow(1);
        g.setCol(1);
        QCOMPARE(g.CellFontName(), font);
    }
}

void tst_format::fontWithQuoteAndUninstalledFontRoundTrip() {
    TestFixture f;
    const Opened opened = openSmallTimetable(f);
    setColumn(f, opened.id, "TitleFont", "O'Brien \"Sans\"; --");
    setColumn(f, opened.id, "PeriodFont", "Nobody's Font");

    QString titleShown;
    QVERIFY(runFormat(f, [&](frmFormatTimeTable& d) {
        titleShown = d.cboFont().currentText();
        d.lstElement().setCurrentRow(3);
        typeInto(d.cboFont(), "Typed Font");
        d.cmdOK().click();
    }));

    // Shown as text although the font list holds neither; written back as it was.
    QCOMPARE(titleShown, QString("O'Brien \"Sans\"; --"));
    const TimetableLook after = lookOf(f.db(), opened.id);
    QCOMPARE(after.titleFont, QString("O'Brien \"Sans\"; --"));
    QCOMPARE(after.periodFont, QString("Nobody's Font"));
}

void tst_format::sizeFromTheListIsStoredTypedTextIsNot() {
    TestFixture f;
    const Opened opened = openSmallTimetable(f);
    const TimetableLook before = lookOf(f.db(), opened.id);

    int sizesAfterTyping = 0;
    QVERIFY(runFormat(f, [&](frmFormatTimeTable& d) {
        d.lstElement().setCurrentRow(1);
        choose(d.cboSize(), "24");
        d.lstElement().setCurrentRow(2);
        typeInto(d.cboSize(), "13");
        sizesAfterTyping = d.cboSize().count();
        d.cmdOK().click();
    }));

    QCOMPARE(sizesAfterTyping, 8);
    const TimetableLook after = lookOf(f.db(), opened.id);
    QCOMPARE(after.colHeadFontSize, QString("24"));
    QCOMPARE(after.rowHeadFontSize, before.rowHeadFontSize);
}

void tst_format::colourChosenCancelledAndDialogCancelled() {
    TestFixture f;
    const Opened opened = openSmallTimetable(f);
    setColumn(f, opened.id, "PeriodForeground", "65280");
    const TimetableLook before = lookOf(f.db(), opened.id);
    ColourDialog colours;
    seams().commonDialog = &colours;

    // A cancelled colour dialog stores nothing; a chosen colour is stored as 00BBGGRR.
    QColor swatch;
    QVERIFY(runFormat(f, [&](frmFormatTimeTable& d) {
        d.lstElement().setCurrentRow(0);
        emit d.picForegroundColour().clicked();
        d.lstElement().setCurrentRow(3);
        colours.answer = QColor(0x12, 0x34, 0x56);
        emit d.picForegroundColour().clicked();
        swatch = d.foregroundColour();
        d.cmdOK().click();
    }));
    QCOMPARE(colours.openedOn,
             QList<QColor>({colourOf(before.titleForeground), QColor(0, 255, 0)}));
    QCOMPARE(swatch, QColor(0x12, 0x34, 0x56));
    TimetableLook expected = before;
    expected.periodForeground = QString::number(0x563412);
    QCOMPARE(lookOf(f.db(), opened.id), expected);
    FlexGrid& g = opened.window->g();
    g.setRow(1);
    g.setCol(1);
    QCOMPARE(g.CellForeColor(), std::optional<QColor>(QColor(0x12, 0x34, 0x56)));

    // Cancel after a change writes nothing and keeps the look; the edit stays in the values.
    const QString titleFont = expected.titleFont;
    QVERIFY(runFormat(f, [&](frmFormatTimeTable& d) {
        colours.answer = QColor(Qt::red);
        emit d.picForegroundColour().clicked();
        choose(d.cboFont(), anotherFont(titleFont));
        d.cmdCancel().click();
    }));
    QCOMPARE(lookOf(f.db(), opened.id), expected);
    QCOMPARE(f.state.FormatEditValues[2], QString("255"));
    QCOMPARE(opened.window->lblTitle().font().family(), titleFont);
}

void tst_format::emptyAndBadStoredTexts() {
    TestFixture f;
    const Opened opened = openSmallTimetable(f);
    setColumn(f, opened.id, "TitleForeground", "");
    setColumn(f, opened.id, "TitleFontSize", "");
    setColumn(f, opened.id, "ColHeadForeground", "blue");
    setColumn(f, opened.id, "ColHeadFontSize", "big");
    setColumn(f, opened.id, "RowHeadForeground", QString::number(0x8000000Fu)); // button face
    const QVariantList before = wholeRow(f.db(), opened.id);

    QList<QColor> swatches;
    QVERIFY(runFormat(f, [&](frmFormatTimeTable& d) {
        for (int e = 0; e < 3; ++e) {
            d.lstElement().setCurrentRow(e);
            swatches << d.foregroundColour();
        }
        d.cmdOK().click();
    }));

    QCOMPARE(swatches, QList<QColor>({QColor(Qt::black), QColor(Qt::black),
                                      ColorNumber::toColor(0x8000000Fu)}));
    QCOMPARE(wholeRow(f.db(), opened.id), before);
    QVERIFY(f.boxes.calls.isEmpty());
}

void tst_format::formatWithoutTimetableRow() {
    TestFixture f;
    const Opened opened = openSmallTimetable(f);
    f.state.FormatEditValues[0] = "Left over";
    QVERIFY(f.db().run("DELETE FROM TimeTableView WHERE ID = ?", {opened.id}).ok());

    int elements = -1, fonts = -1;
    QVERIFY(runFormat(f, [&](frmFormatTimeTable& d) {
        elements = d.lstElement().count();
        fonts = d.cboFont().count();
        d.cmdOK().click();
    }));
    QCOMPARE(elements, 0);
    QCOMPARE(fonts, 0);
    QCOMPARE(f.state.FormatEditValues[0], QString("Left over"));
    QVERIFY(f.boxes.calls.isEmpty());
}

void tst_format::pickerCopiesTheWholeStyleAndRedraws() {
    TestFixture f;
    const Opened opened = openSmallTimetable(f);
    setColumn(f, opened.id, "FixedRowHeight", "777");
    setColumn(f, opened.id, "FixedColWidth", "1999");
    const QVariantList before = wholeRow(f.db(), opened.id);
    const NamedStyle third = styles(f.db())[2];

    QStringList seen;
    QString message, caption;
    QVERIFY(runPicker(f, [&](frmStylePicker& d) {
        caption = d.windowTitle();
        message = d.lblMessage().text();
        for (int i = 0; i < d.lstStyle().count(); ++i)
            seen << d.lstStyle().item(i)->text();
        d.lstStyle().setCurrentRow(2);
        d.cmdOK().click();
    }));

    QCOMPARE(caption, QString("Style Picker"));
    QCOMPARE(message, QString("Choose the style of your timetable."));
    QCOMPARE(seen, QStringList({"Blue", "Black on White", "Sunrise"}));
    QCOMPARE(lookOf(f.db(), opened.id), third.look);
    // Ids, kind, name and the header sizes stay as they were.
    const QVariantList after = wholeRow(f.db(), opened.id);
    const QSqlRecord columns = f.db().firstRow("SELECT * FROM TimeTableView").value().value();
    for (int i = 0; i < columns.count(); ++i)
        if (!TimetableLook::columns().contains(columns.fieldName(i)))
            QCOMPARE(after[i], before[i]);
    QCOMPARE(opened.window->lblTitle().palette().color(QPalette::WindowText),
             colourOf(third.look.titleForeground));
}

void tst_format::pickerPreviewFollowsTheListPosition() {
    TestFixture f;
    const Opened opened = openSmallTimetable(f);
    // Style 2 first in the list: the picture follows the position, not the id.
    QVERIFY(f.db().run("DELETE FROM Style WHERE ID = 1").ok());
    const QList<NamedStyle> rows = styles(f.db());
    const QVariantList before = wholeRow(f.db(), opened.id);

    QList<QImage> previews;
    QVERIFY(runPicker(f, [&](frmStylePicker& d) {
        previews << d.picPreview().pixmap().toImage();
        for (int row : {1, 0}) {
            d.lstStyle().setCurrentRow(row);
            previews << d.picPreview().pixmap().toImage();
        }
        d.cmdCancel().click();
    }));
    QCOMPARE(previews[0], StylePreview::picture(0, rows[0].look).toImage());
    QCOMPARE(previews[1], StylePreview::picture(1, rows[1].look).toImage());
    QCOMPARE(previews[1].size(), QSize(142, 68));
    QCOMPARE(previews[2], previews[0]);
    QCOMPARE(wholeRow(f.db(), opened.id), before);

    // A third position shows a sample in that style's colours.
    QVERIFY(f.db().run("INSERT INTO Style (Name) VALUES ('Plain')").ok());
    const TimetableLook plain = styles(f.db()).last().look;
    QImage third;
    QVERIFY(runPicker(f, [&](frmStylePicker& d) {
        d.lstStyle().setCurrentRow(2);
        third = d.picPreview().pixmap().toImage().convertToFormat(QImage::Format_RGB32);
        d.cmdCancel().click();
    }));
    QCOMPARE(third, StylePreview::sample(plain));
}

void tst_format::pickerWithNoStyles() {
    TestFixture f;
    const Opened opened = openSmallTimetable(f);
    QVERIFY(f.db().run("DELETE FROM Style").ok());
    const QVariantList before = wholeRow(f.db(), opened.id);

    int count = -1;
    bool previewEmpty = false;
    int result = -1;
    QVERIFY(runPicker(f, [&](frmStylePicker& d) {
        count = d.lstStyle().count();
        previewEmpty = d.picPreview().pixmap().isNull();
        d.cmdOK().click();
        result = d.result();
    }));
    QCOMPARE(count, 0);
    QVERIFY(previewEmpty);
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(wholeRow(f.db(), opened.id), before);
    QVERIFY(f.boxes.calls.isEmpty());
}

void tst_format::noActiveWindowNoDialog() {
    TestFixture f;
    frmFormatTimeTable::showModal(f.main());
    frmStylePicker::showModal(f.main());
    QVERIFY(f.dialogs.isEmpty());
    QVERIFY(f.boxes.calls.isEmpty());
}

QTEST_MAIN(tst_format)
#include "tst_format.moc"
