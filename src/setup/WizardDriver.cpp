#include "WizardDriver.h"

#include "platform/ModalRunner.h"

#include <QtGlobal>

WizardDriver::WizardDriver(int pageCount, PageMaker makePage)
    : m_pageCount(pageCount), m_makePage(std::move(makePage)) {}

bool WizardDriver::run(bool showWelcome) {
    m_progress = WizardProgress{showWelcome ? 1 : 2, false};
    while (!m_progress.cancelled) {
        if (m_progress.step == m_pageCount + 1)
            return true;
        std::unique_ptr<WizardPage> page = m_progress.step >= 1 && m_progress.step <= m_pageCount
                                               ? m_makePage(m_progress.step, m_progress)
                                               : nullptr;
        if (!page) {
            qWarning("wizard: no page for step %d", m_progress.step);
            return false;
        }
        runModal(*page);
    }
    return false;
}
