#include "platform/windowregistry.h"

namespace td {

void WindowRegistry::add(QWidget* window, const QString& kind)
{
    if (!window)
        return;
    m_entries.append({window, kind});
    connect(window, &QObject::destroyed, this, [this] {
        prune();
        emit changed();
    });
    emit changed();
}

void WindowRegistry::prune() const
{
    m_entries.removeIf([](const Entry& e) { return e.window.isNull(); });
}

QList<QWidget*> WindowRegistry::windows() const
{
    prune();
    QList<QWidget*> result;
    for (const Entry& e : std::as_const(m_entries))
        result.append(e.window);
    return result;
}

QWidget* WindowRegistry::firstOfKind(const QString& kind) const
{
    prune();
    for (const Entry& e : std::as_const(m_entries)) {
        if (e.kind == kind)
            return e.window;
    }
    return nullptr;
}

QString WindowRegistry::kindOf(const QWidget* window) const
{
    for (const Entry& e : std::as_const(m_entries)) {
        if (e.window == window)
            return e.kind;
    }
    return {};
}

void WindowRegistry::closeAll()
{
    const QList<QWidget*> open = windows();
    for (QWidget* w : open)
        w->close();
}

} // namespace td
