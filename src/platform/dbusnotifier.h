#pragma once

#include "platform/notifier.h"

#include <QDBusConnection>
#include <QHash>

#include <optional>

namespace td {

// Notifications through the desktop's notification service on the session
// bus. Calls are asynchronous; without a bus or a service nothing is shown
// and the first failure alone is logged.
class DBusNotifier final : public Notifier
{
    Q_OBJECT
public:
    // The session bus, connected at the first notification.
    explicit DBusNotifier(QObject* parent = nullptr);
    explicit DBusNotifier(const QDBusConnection& bus, QObject* parent = nullptr);

    void notify(quint64 entryId, const QString& summary, const QString& body) override;

private Q_SLOTS:
    void onActionInvoked(uint id, const QString& actionKey);
    void onClosed(uint id, uint reason);

private:
    bool ensureConnected();
    void logOnce(const QString& reason);

    std::optional<QDBusConnection> m_bus;
    bool m_subscribed = false;
    bool m_logged = false;
    QHash<uint, quint64> m_entries; // notification id -> entry
};

} // namespace td
