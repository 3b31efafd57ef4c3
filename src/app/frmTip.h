#pragma once

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QLabel;
class QPushButton;

// "Tip of the Day": one line of TipOfTheDay.txt at a time. Every showing moves one tip on from
// the one shown last, so the tips come round in turn from one start to the next.
class frmTip : public QDialog {
    Q_OBJECT
public:
    explicit frmTip(QWidget* parent = nullptr);

    // Creates the dialog, shows it modally and lets it go.
    static void showModal(QWidget* parent);

    // Reads the tips of `sFile` and shows the next one; false when there is no such file.
    bool LoadTips(const QString& sFile);
    void DisplayCurrentTip();
    // Moves to the next tip (after the last, the first), stores its number and shows it.
    void ShowNextTip();

    int currentTip() const { return m_currentTip; }
    QLabel& lblTipText() const { return *m_lblTipText; }
    QCheckBox& chkLoadTipsAtStartup() const { return *m_chkLoadTipsAtStartup; }
    QPushButton& cmdNextTip() const { return *m_cmdNextTip; }
    QPushButton& cmdOK() const { return *m_cmdOK; }

private:
    void Form_Load();
    void chkLoadTipsAtStartup_Click();

    QStringList m_tips;
    int m_currentTip = 0;
    QLabel* m_label1 = nullptr;
    QLabel* m_lblTipText = nullptr;
    QCheckBox* m_chkLoadTipsAtStartup = nullptr;
    QPushButton* m_cmdNextTip = nullptr;
    QPushButton* m_cmdOK = nullptr;
};
