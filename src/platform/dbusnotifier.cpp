#include "platform/dbusnotifier.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QLoggingCategory>
#include <QVariantMap>

#include <utility>

Q_LOGGING_CATEGORY(lcNotify, "tickerdeck.notify")

namespace td {

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
// The installed icon and desktop file (src/app).
const QString kIconName = QStringLiteral("tickerdeck");
const QString kDesktopEntry = QStringLiteral("tickerdeck");

} // namespace

DBusNotifier::DBusNotifier(QObject* parent) : Notifier(parent) {}

DBusNotifier::DBusNotifier(const QDBusConnection& bus, QObject* parent) : Notifier(parent), m_bus(bus) {}

bool DBusNotifier::ensureConnected()
{
    if (!m_bus)
        m_bus = QDBusConnection::sessionBus();
    if (!m_bus->isConnected()) {
        logOnce(QStringLiteral("no session bus"));
        return false;
    }
    if (!m_subscribed) {
        m_bus->connect(kService, kPath, kInterface, QStringLiteral("ActionInvoked"), this,
                       SLOT(onActionInvoked(uint, QString)));
        m_bus->connect(kService, kPath, kInterface, QStringLiteral("NotificationClosed"), this,
                       SLOT(onClosed(uint, uint)));
        m_subscribed = true;
    }
    return true;
}

void DBusNotifier::notify(quint64 entryId, const QString& summary, const QString& body)
{
    if (!ensureConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Notify"));
    const QVariantMap hints{{QStringLiteral("desktop-entry"), kDesktopEntry},
                            {QStringLiteral("urgency"), QVariant::fromValue(uchar(1))}};
    call << QStringLiteral("Tickerdeck") << uint(0) << kIconName << summary << body
         << QStringList{QStringLiteral("default"), QStringLiteral("Anzeigen")} << hints << int(-1);
    // Without an owner of the name the bus answers at once with an error;
    // a service that hangs runs into the call's own time-out.
    auto* watcher = new QDBusPendingCallWatcher(m_bus->asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, entryId] {
        watcher->deleteLater();
        const QDBusPendingReply<uint> reply = *watcher;
        if (reply.isError()) {
            logOnce(reply.error().message());
            return;
        }
        m_entries.insert(reply.value(), entryId);
    });
}

void DBusNotifier::onActionInvoked(uint id, const QString& actionKey)
{
    const auto it = m_entries.constFind(id);
    if (it == m_entries.cend() || actionKey != u"default")
        return;
    Q_EMIT activated(it.value());
}

void DBusNotifier::onClosed(uint id, uint)
{
    m_entries.remove(id);
}

void DBusNotifier::logOnce(const QString& reason)
{
    if (std::exchange(m_logged, true))
        return;
    qCWarning(lcNotify, "Desktop notifications are not shown: %s", qPrintable(reason));
}

} // namespace td
