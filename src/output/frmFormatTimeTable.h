#pragma once

#include <QColor>
#include <QDialog>
#include <QPointer>

class ClickLabel;
class QComboBox;
class QListWidget;
class QPushButton;
class QString;
class frmMain;
class frmTableWindow;

// "Timetable Format": the font, size and colour of a timetable's title, column headers, row
// headers and periods, one element at a time. The values being edited live in the shared
// FormatEditValues.
class frmFormatTimeTable : public QDialog {
    Q_OBJECT
public:
    // Numbers of the elements in lstElement.
    enum Element { Title = 0, ColumnHeaders, RowHeaders, Periods, ElementCount };

    frmFormatTimeTable(frmMain& main, frmTableWindow& window, QWidget* parent = nullptr);

    // Shows the dialog for the active timetable window; nothing without one.
    static void showModal(frmMain& main);

    QListWidget& lstElement() const { return *m_lstElement; }
    QComboBox& cboFont() const { return *m_cboFont; }
    QComboBox& cboSize() const { return *m_cboSize; }
    ClickLabel& picForegroundColour() const { return *m_picForegroundColour; }
    QColor foregroundColour() const { return m_foregroundColour; }
    QPushButton& cmdOK() const { return *m_cmdOK; }
    QPushButton& cmdCancel() const { return *m_cmdCancel; }

    // Reads the timetable's formatting into FormatEditValues and shows the title's. A timetable
    // without a row leaves the lists empty; false when the read failed (shown to the user).
    bool Form_Load();
    void lstElement_Click();
    void cboFont_Click(int index);
    void cboSize_Click(int index);
    void picForegroundColour_Click();
    void cmdOK_Click();
    void cmdCancel_Click();

private:
    enum Column { Font = 0, Size, Colour };
    // The edited value of a column of the selected element, or null when none is selected.
    QString* selectedValue(Column column) const;
    void setForegroundColour(const QColor& colour);

    frmMain& m_main;
    QPointer<frmTableWindow> m_window;
    bool m_hasRow = false;
    QColor m_foregroundColour;
    QListWidget* m_lstElement = nullptr;
    QComboBox* m_cboFont = nullptr;
    QComboBox* m_cboSize = nullptr;
    ClickLabel* m_picForegroundColour = nullptr;
    QPushButton* m_cmdOK = nullptr;
    QPushButton* m_cmdCancel = nullptr;
};
