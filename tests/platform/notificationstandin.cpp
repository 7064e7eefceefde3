// Stands in for the desktop's notification service on a private session
// bus. Prints "bus <address>" once it is ready, then one line per Notify
// call: the signature and every argument, tab-separated. Commands on
// standard input: "acquire" (own the name, when started with --unnamed) and
// "invoke <id> <action>" (emit ActionInvoked). Ends when the input closes.
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QFile>
#include <QSocketNotifier>
#include <QStringList>

#include <cstdio>
#include <unistd.h>

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");

void say(const QString& line)
{
    std::fputs(qPrintable(line + u'\n'), stdout);
    std::fflush(stdout);
}

// "key=Type:value" for each entry, in key order.
QString describe(const QVariant& value)
{
    if (value.metaType() == QMetaType::fromType<QStringList>())
        return value.toStringList().join(u',');
    if (value.metaType() != QMetaType::fromType<QDBusArgument>())
        return value.toString();
    QVariantMap map;
    value.value<QDBusArgument>() >> map;
    QStringList entries;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        const QVariant& v = it.value();
        // A byte would print as its character.
        const bool byte = v.metaType() == QMetaType::fromType<uchar>();
        entries << it.key() + u'=' + QString::fromLatin1(v.typeName()) + u':' +
                       (byte ? QString::number(v.toUInt()) : v.toString());
    }
    return entries.join(u';');
}

class StandIn final : public QDBusVirtualObject
{
public:
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override
    {
        if (message.member() != u"Notify")
            return false;
        QStringList fields{message.member(), message.signature()};
        for (const QVariant& argument : message.arguments())
            fields << describe(argument);
        say(fields.join(u'\t'));
        connection.send(message.createReply(QVariant::fromValue(++m_lastId)));
        return true;
    }
    QString introspect(const QString&) const override { return {}; }

private:
    uint m_lastId = 0;
};

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QDBusConnection bus = QDBusConnection::sessionBus();
    StandIn standIn;
    if (!bus.registerVirtualObject(kPath, &standIn)) {
        say(QStringLiteral("error no session bus"));
        return 1;
    }
    if (!app.arguments().contains(QStringLiteral("--unnamed")))
        bus.registerService(kService);
    say(QStringLiteral("bus ") + QString::fromLocal8Bit(qgetenv("DBUS_SESSION_BUS_ADDRESS")));

    QFile input;
    if (!input.open(STDIN_FILENO, QIODevice::ReadOnly | QIODevice::Unbuffered))
        return 1;
    QSocketNotifier reader(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&reader, &QSocketNotifier::activated, &app, [&] {
        const QByteArray line = input.readLine();
        if (line.isEmpty()) {
            app.quit();
            return;
        }
        const QStringList words = QString::fromUtf8(line).trimmed().split(u' ');
        if (words.value(0) == u"acquire") {
            bus.registerService(kService);
            say(QStringLiteral("acquired"));
        } else if (words.value(0) == u"invoke" && words.size() == 3) {
            QDBusMessage signal =
                QDBusMessage::createSignal(kPath, kService, QStringLiteral("ActionInvoked"));
            signal << words[1].toUInt() << words[2];
            bus.send(signal);
        }
    });
    return app.exec();
}
