#pragma once

#include <QDialog>

class QTimer;

// The window shown while the program starts: its names, pictures and legal notice. Its fast
// timer asks for the main window to be loaded; the slow timer, a click or any key closes it.
class frmSplash : public QDialog {
    Q_OBJECT
public:
    explicit frmSplash(QWidget* parent = nullptr);

    QTimer& Timer1() const { return *m_timer1; }
    QTimer& Timer2() const { return *m_timer2; }

signals:
    // Timer2's tick: load the main window (a second request does nothing there).
    void loadMainRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void buildFrame();

    QTimer* m_timer1 = nullptr;
    QTimer* m_timer2 = nullptr;
};
