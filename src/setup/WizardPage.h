#pragma once

#include <QDialog>

class QKeyEvent;
class QLabel;
class QPushButton;
class QVBoxLayout;

// Where a wizard run stands: the page to show next and whether the user cancelled. The pages
// change it; the driver reads it after each page has closed.
struct WizardProgress {
    int step = 1;
    bool cancelled = false;
};

// One page of a wizard, with Back, Next and Cancel. Next checks and stores the page's answers,
// moves the counter on and closes; Back moves it back and closes; Cancel marks the run
// cancelled and closes. Any other way of closing (the close box) leaves the counter alone, so
// the driver shows the same page again. Escape does nothing.
class WizardPage : public QDialog {
    Q_OBJECT
public:
    enum class Kind {
        Welcome, // the first page: Back does nothing
        Step,    // a page in the middle
        Last,    // Next reads "Finish"
        SubPage, // opened by a page: Back and Cancel only close it, no button is the default
    };

    QPushButton& cmdBack() const { return *m_cmdBack; }
    QPushButton& cmdNext() const { return *m_cmdNext; }
    QPushButton& cmdCancel() const { return *m_cmdCancel; }
    Kind kind() const { return m_kind; }

    void cmdNext_Click();
    void cmdBack_Click();
    void cmdCancel_Click();

protected:
    WizardPage(WizardProgress& progress, Kind kind, QWidget* parent);

    // Checks the input and stores the answers. False keeps the page open with the counter as
    // it was; the page has told the user why.
    virtual bool storeAnswers() = 0;

    // Opens a sub-page modally; when its Next moved the counter on, this page closes too.
    void showSubPage(WizardPage& subPage);

    // Frame1: the page's own controls go here, under its message.
    QVBoxLayout& body() const { return *m_body; }
    // A label of the page's frame, wrapped to its width.
    QLabel& addLabel(const QString& name, const QString& text);
    // The page's instruction at the top of its frame.
    QLabel& addMessage(const QString& text) { return addLabel(QStringLiteral("lblMessage"), text); }

    WizardProgress& progress() const { return m_progress; }

    void keyPressEvent(QKeyEvent* event) override;

private:
    WizardProgress& m_progress;
    const Kind m_kind;
    QVBoxLayout* m_body = nullptr;
    QPushButton* m_cmdBack = nullptr;
    QPushButton* m_cmdNext = nullptr;
    QPushButton* m_cmdCancel = nullptr;
};
