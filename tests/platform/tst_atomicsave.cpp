// A save is all or nothing: a process killed at any moment of it leaves the
// old list or the new one, whole; a save that cannot be done says why.
#include "platform/textfile.h"
#include "watchlist/tickerfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <cstdio>

using namespace td;

namespace {

const char* const kChildFlag = "--save-child";

// A full list whose every line differs between the two versions.
QByteArray listVersion(int version)
{
    QList<WatchEntry> entries;
    entries.reserve(kMaxEntries);
    for (int i = 0; i < kMaxEntries; ++i) {
        const QString line =
            QString::asprintf("Eintrag %d v%d;T%d;ETR;01.02.2024;%d,50;True;%d,25;1,5;;;EUR;10;;;%d;DE%d;0",
                              i, version, i, 100 + version, i % 500, i, i);
        entries.append(parseTickerLine(line, false));
    }
    return formatTickerFile(entries);
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The child saves the two versions in turn until it is killed.
int saveChild(const QString& path)
{
    const QByteArray versions[2] = {listVersion(1), listVersion(2)};
    std::printf("ready\n");
    std::fflush(stdout);
    for (int n = 1;; ++n) {
        if (!writeFileAtomically(path, versions[n % 2]).ok)
            return 3;
    }
}

} // namespace

class TestAtomicSave : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void killedSaveLeavesOldOrNew()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("list.tic"));
        const QByteArray oldList = listVersion(1);
        const QByteArray newList = listVersion(2);
        QVERIFY(oldList.size() > 1000000);
        QVERIFY(writeFileAtomically(path, oldList).ok);
        const quint32 seed = QRandomGenerator::global()->generate();
        qInfo("kill moments from seed %u", seed);
        QRandomGenerator random(seed);
        QElapsedTimer clock;
        clock.start();
        int trials = 0;
        int sawNew = 0;
        // At least 20 trials, more while time allows.
        while (trials < 20 || (trials < 40 && clock.elapsed() < 8000)) {
            QProcess child;
            child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kChildFlag), path});
            QVERIFY(child.waitForReadyRead(30000));
            QCOMPARE(child.readLine().trimmed(), QByteArray("ready"));
            QThread::usleep(random.bounded(60000));
            child.kill();
            QVERIFY(child.waitForFinished(30000));
            QCOMPARE(child.exitStatus(), QProcess::CrashExit);
            const QByteArray now = readAll(path);
            if (now != oldList && now != newList)
                QFAIL(qPrintable(QStringLiteral("trial %1: the file holds %2 bytes of neither version")
                                     .arg(trials + 1)
                                     .arg(now.size())));
            sawNew += now == newList;
            ++trials;
        }
        qInfo("%d trials, %d ended on the version being written first", trials, sawNew);
    }
    void failedSaveSaysWhy_data()
    {
        QTest::addColumn<QString>("path"); // below the test folder unless absolute
        // Tests run as root, where a folder without write permission is still
        // written to; these fail for every user.
        QTest::newRow("folder is a file") << "plain.txt/list.tic";
        QTest::newRow("target is a folder") << "folder";
        QTest::newRow("no such folder") << "missing/deeper/list.tic";
        QTest::newRow("kernel file system") << "/proc/tickerdeck-list.tic";
    }
    void failedSaveSaysWhy()
    {
        QFETCH(QString, path);
        QTemporaryDir dir;
        QVERIFY(writeFileAtomically(dir.filePath(QStringLiteral("plain.txt")), "kept").ok);
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
        const TextFileResult result = writeFileAtomically(QDir(dir.path()).filePath(path), "Name;T;ETR\r\n");
        QVERIFY(!result.ok);
        QVERIFY2(!result.error.isEmpty(), "a failed save must carry the system's reason");
        QCOMPARE(readAll(dir.filePath(QStringLiteral("plain.txt"))), QByteArray("kept"));
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("folder"))).isDir());
    }
};

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], kChildFlag) == 0)
        return saveChild(QString::fromLocal8Bit(argv[2]));
    TestAtomicSave test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_atomicsave.moc"
