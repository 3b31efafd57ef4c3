#include "WizardScript.h"

#include "platform/Seams.h"
#include "setup/WizardPage.h"

#include <QDialog>
#include <QPushButton>
#include <QTest>

WizardScript::WizardScript(int callLimit) : m_callLimit(callLimit), m_before(seams().modal) {
    seams().modal = [this](QDialog& dialog) { return respond(dialog); };
}

WizardScript::~WizardScript() {
    seams().modal = m_before;
}

WizardScript& WizardScript::then(Action action) {
    m_actions << std::move(action);
    return *this;
}

int WizardScript::respond(QDialog& dialog) {
    shown << dialog.objectName();
    bool closed = false;
    const QMetaObject::Connection watch =
        QObject::connect(&dialog, &QDialog::finished, &dialog, [&closed] { closed = true; });
    if (m_actions.isEmpty() || shown.size() > m_callLimit) {
        ++unexpected;
        if (auto* page = qobject_cast<WizardPage*>(&dialog))
            page->cmdCancel().click();
        QObject::disconnect(watch);
        return QDialog::Rejected;
    }
    m_actions.takeFirst()(dialog);
    QObject::disconnect(watch);
    if (!closed)
        stayedOpen << dialog.objectName();
    return dialog.result();
}

void press(QDialog& dialog, const char* button) {
    auto* found = dialog.findChild<QPushButton*>(QLatin1String(button));
    QVERIFY2(found, button);
    found->click();
}
