#pragma once

#include "data/TimetableLook.h"

#include <QDialog>
#include <QList>
#include <QPointer>

class QLabel;
class QListWidget;
class QPushButton;
class frmMain;
class frmTableWindow;

// "Style Picker": gives a timetable the whole look of one preset style.
class frmStylePicker : public QDialog {
    Q_OBJECT
public:
    frmStylePicker(frmMain& main, frmTableWindow& window, const QList<NamedStyle>& styles,
                   QWidget* parent = nullptr);

    // Shows the dialog for the active timetable window; nothing without one.
    static void showModal(frmMain& main);

    QListWidget& lstStyle() const { return *m_lstStyle; }
    QLabel& picPreview() const { return *m_picPreview; }
    QLabel& lblMessage() const { return *m_lblMessage; }
    QPushButton& cmdOK() const { return *m_cmdOK; }
    QPushButton& cmdCancel() const { return *m_cmdCancel; }

    void lstStyle_Click();
    void cmdOK_Click();
    void cmdCancel_Click();

private:
    void Form_Load();

    frmMain& m_main;
    QPointer<frmTableWindow> m_window;
    QList<NamedStyle> m_styles;
    QListWidget* m_lstStyle = nullptr;
    QLabel* m_picPreview = nullptr;
    QLabel* m_lblMessage = nullptr;
    QPushButton* m_cmdOK = nullptr;
    QPushButton* m_cmdCancel = nullptr;
};
