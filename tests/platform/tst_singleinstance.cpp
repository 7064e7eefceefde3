// One running copy: a later start hands its file over, even after a crash.
#include "platform/singleinstance.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace td;

namespace {

// What a killed copy leaves: a socket file that nobody listens on.
void leaveStaleSocket(const QString& path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    qstrncpy(address.sun_path, QFile::encodeName(path).constData(), sizeof address.sun_path);
    QVERIFY(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0);
    ::close(fd);
    QVERIFY(QFile::exists(path));
}

} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void handOver_data()
    {
        QTest::addColumn<bool>("crashedBefore");
        QTest::addColumn<QString>("path");
        QTest::newRow("a file") << false << "/home/u/my lists/ä b.tic";
        QTest::newRow("no file: raise") << false << "";
        QTest::newRow("after a crashed copy") << true << "/x.tic";
    }
    void handOver()
    {
        QFETCH(bool, crashedBefore);
        QFETCH(QString, path);
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("socket"));
        if (crashedBefore)
            leaveStaleSocket(name);
        SingleInstance later(name);
        QCOMPARE(later.handOver(path, 2000), SingleInstance::HandOver::NoneRunning);

        SingleInstance running(name);
        QVERIFY(running.listen());
        QSignalSpy handed(&running, &SingleInstance::handed);
        QCOMPARE(later.handOver(path, 2000), SingleInstance::HandOver::Delivered);
        QTRY_COMPARE_WITH_TIMEOUT(handed.size(), 1, 2000);
        QCOMPARE(handed[0][0].toString(), path);
        // A live copy is never taken for a crashed one.
        QVERIFY(!SingleInstance(name).listen());
    }
    void namesFollowUserAndSettingsFolder()
    {
        const QString name =
            SingleInstance::nameFor(QStringLiteral("1000"), QStringLiteral("/home/u/.config"));
        QCOMPARE(SingleInstance::nameFor(QStringLiteral("1000"), QStringLiteral("/home/u/.config")), name);
        QVERIFY(SingleInstance::nameFor(QStringLiteral("1000"), QStringLiteral("/tmp/demo")) != name);
        QVERIFY(SingleInstance::nameFor(QStringLiteral("1001"), QStringLiteral("/home/u/.config")) != name);
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
