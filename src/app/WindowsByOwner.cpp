#include "WindowsByOwner.h"

#include "frmTableWindow.h"

void WindowsByOwner::add(frmTableWindow& window, const TimetableOwner& owner) {
    QList<QPointer<frmTableWindow>>& windows = m_windows[owner];
    if (!windows.contains(&window))
        windows.append(&window);
}

void WindowsByOwner::remove(frmTableWindow& window) {
    const std::optional<TimetableOwner> owner = window.drawn().owner();
    if (!owner)
        return;
    const auto found = m_windows.find(*owner);
    if (found == m_windows.end())
        return;
    found.value().removeAll(&window);
    if (found.value().isEmpty())
        m_windows.erase(found);
}

QList<frmTableWindow*> WindowsByOwner::of(const TimetableOwner& owner) const {
    QList<frmTableWindow*> open;
    for (const QPointer<frmTableWindow>& window : m_windows.value(owner)) {
        if (window)
            open << window.data();
    }
    return open;
}
