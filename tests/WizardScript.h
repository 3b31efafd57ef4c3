#pragma once

#include <QList>
#include <QStringList>

#include <functional>

class QDialog;

// Answers the modal dialogs of a wizard from a script, one action per dialog shown, in the
// order they are shown (a sub-page comes inside its page's action). A dialog beyond the script
// or the call limit is cancelled and counted, so a page that refuses Next cannot loop for ever.
// While it lives it answers in place of whatever answered before (such as a TestFixture).
class WizardScript {
public:
    using Action = std::function<void(QDialog&)>;

    explicit WizardScript(int callLimit = 60);
    ~WizardScript();

    WizardScript& then(Action action);

    QStringList shown;      // objectName of every dialog shown, in order
    QStringList stayedOpen; // dialogs whose action left them open
    int unexpected = 0;     // dialogs shown beyond the script or the limit

    bool finished() const { return m_actions.isEmpty(); }

private:
    int respond(QDialog& dialog);

    QList<Action> m_actions;
    int m_callLimit;
    std::function<int(QDialog&)> m_before; // given back at the end: a fixture's own answers
};

// Clicks the named button of a dialog; fails the test when it has none.
void press(QDialog& dialog, const char* button);
