#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// "About": the names, what the program is for, the maker's web page (the link and the picture
// open it), the legal notice, OK and System Info.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

    // Creates the box, shows it modally and lets it go.
    static void showModal(QWidget* parent);

    // There is no system-information tool to start on this platform: says so.
    void StartSysInfo();

    QLabel& Label2() const { return *m_label2; }
    QLabel& Picture4() const { return *m_picture4; }
    QPushButton& cmdOK() const { return *m_cmdOK; }
    QPushButton& cmdSysInfo() const { return *m_cmdSysInfo; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void openWebPage();

    QLabel* m_label2 = nullptr;
    QLabel* m_picture4 = nullptr;
    QPushButton* m_cmdOK = nullptr;
    QPushButton* m_cmdSysInfo = nullptr;
};
