// The D-Bus notifier against a real bus: a private session bus from
// dbus-run-session with a stand-in notification service on it.
#include "platform/dbusnotifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDeadlineTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

using namespace td;

namespace {

const QRegularExpression kNotShown(QStringLiteral("notifications are not shown"));

// The stand-in on its own bus, driven over its standard input and output.
class StandIn
{
public:
    explicit StandIn(const QStringList& arguments = {})
    {
        m_process.start(QStringLiteral("dbus-run-session"),
                        QStringList{QStringLiteral("--"), QStringLiteral(TD_NOTIFICATION_STANDIN)} +
                            arguments);
    }
    ~StandIn()
    {
        m_process.closeWriteChannel();
        QSignalSpy finished(&m_process, &QProcess::finished);
        if (m_process.state() != QProcess::NotRunning && !finished.wait(5000)) {
            m_process.kill();
            m_process.waitForFinished(1000);
        }
    }
    QString line()
    {
        const QDeadlineTimer deadline(10000);
        QSignalSpy output(&m_process, &QProcess::readyReadStandardOutput);
        while (!m_process.canReadLine() && !deadline.hasExpired())
            output.wait(int(deadline.remainingTime()));
        return QString::fromUtf8(m_process.readLine()).chopped(1);
    }
    void send(const QByteArray& command) { m_process.write(command + '\n'); }
    QDBusConnection connect()
    {
        const QString ready = line();
        return QDBusConnection::connectToBus(ready.mid(4), QStringLiteral("standin"));
    }

private:
    QProcess m_process;
};

int notifyLogLines = 0;
QtMessageHandler testlibHandler = nullptr;

void countNotifyLog(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (QLatin1String(context.category) == u"tickerdeck.notify")
        ++notifyLogLines;
    testlibHandler(type, context, text);
}

} // namespace

class TestDBusNotifier : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("dbus-run-session")).isEmpty())
            QSKIP("dbus-run-session is not installed");
    }
    void cleanup() { QDBusConnection::disconnectFromBus(QStringLiteral("standin")); }

    void callsNotifyAndReportsTheDefaultAction()
    {
        StandIn standIn;
        DBusNotifier notifier(standIn.connect());
        QSignalSpy activated(&notifier, &Notifier::activated);
        notifier.notify(42, QStringLiteral("BMW  +7,17 %"), QStringLiteral("Kurs &lt;b&gt;"));
        notifier.notify(43, QStringLiteral("SAP  -5,00 %"), QString());
        QCOMPARE(standIn.line().split(u'\t'),
                 QStringList({"Notify", "susssasa{sv}i", "Tickerdeck", "0", "tickerdeck", "BMW  +7,17 %",
                              "Kurs &lt;b&gt;", "default,Anzeigen",
                              "desktop-entry=QString:tickerdeck;urgency=uchar:1", "-1"}));
        QCOMPARE(standIn.line().section(u'\t', 5, 5), QStringLiteral("SAP  -5,00 %"));
        // Another action and an unknown notification select nothing.
        standIn.send("invoke 2 other");
        standIn.send("invoke 7 default");
        standIn.send("invoke 2 default");
        standIn.send("invoke 1 default");
        QTRY_COMPARE(activated.count(), 2);
        QCOMPARE(activated.at(0).at(0).toULongLong(), 43u);
        QCOMPARE(activated.at(1).at(0).toULongLong(), 42u);
    }

    // Nobody owns the name at first: one line in the log, then the service
    // comes and the notifier works.
    void withoutServiceLogsOnce()
    {
        StandIn standIn({QStringLiteral("--unnamed")});
        QDBusConnection bus = standIn.connect();
        DBusNotifier notifier(bus);
        QSignalSpy activated(&notifier, &Notifier::activated);
        QTest::ignoreMessage(QtWarningMsg, kNotShown);
        QTest::failOnWarning(kNotShown);
        notifyLogLines = 0;
        testlibHandler = qInstallMessageHandler(countNotifyLog);
        for (quint64 id = 1; id <= 3; ++id)
            notifier.notify(id, QStringLiteral("lost"), QString());
        QTRY_COMPARE(notifyLogLines, 1);
        standIn.send("acquire");
        QCOMPARE(standIn.line(), QStringLiteral("acquired"));
        notifier.notify(9, QStringLiteral("shown"), QString());
        // The bus answers a call to a missing name after a look for a service
        // to start, so the later two may still reach the service.
        int calls = 1;
        while (standIn.line().section(u'\t', 5, 5) == u"lost")
            ++calls;
        standIn.send(QByteArray("invoke ") + QByteArray::number(calls) + " default");
        QTRY_COMPARE(activated.count(), 1);
        qInstallMessageHandler(testlibHandler);
        QCOMPARE(activated.at(0).at(0).toULongLong(), 9u);
    }

    void withoutBusLogsOnce()
    {
        DBusNotifier notifier(QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"),
                                                            QStringLiteral("none")));
        QTest::ignoreMessage(QtWarningMsg, kNotShown);
        QTest::failOnWarning(kNotShown);
        notifier.notify(1, QStringLiteral("lost"), QString());
        notifier.notify(2, QStringLiteral("lost"), QString());
    }
};

QTEST_GUILESS_MAIN(TestDBusNotifier)
#include "tst_dbusnotifier.moc"
