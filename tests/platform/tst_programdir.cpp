#include "platform/programdir.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace td;

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestProgramDir : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void choice_data()
    {
        QTest::addColumn<bool>("takesFiles");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<bool>("hasDataDir");
        QTest::addColumn<bool>("expectDataDir");
        QTest::newRow("build tree") << true << false << true << false;
        QTest::newRow("read-only portable copy") << false << false << true << true;
        QTest::newRow("installed, read-only") << false << true << true << true;
        QTest::newRow("installed in a writable prefix") << true << true << true << true;
        QTest::newRow("no data folder named") << false << false << false << false;
    }
    void choice()
    {
        QFETCH(bool, takesFiles);
        QFETCH(bool, installed);
        QFETCH(bool, hasDataDir);
        QFETCH(bool, expectDataDir);
        QTemporaryDir root;
        const QString exe = root.filePath("bin");
        const QString shipped = installed ? root.filePath("share/tickerdeck/tic") : exe + "/tic";
        writeFile(shipped + "/default.tic", "shipped list\r\n");
        writeFile(shipped + "/links.own", "shipped links\r\n");
        const QString data = root.filePath("home/data");
        if (!takesFiles)
            QFile::setPermissions(exe, QFile::ReadOwner | QFile::ExeOwner);
        // Root writes into any folder, so the probe's answer is given where it would mislead.
        const bool probed = folderAcceptsFiles(exe);
        if (::geteuid() != 0)
            QCOMPARE(probed, takesFiles);
        const QString dir = prepareProgramDir(
            {exe, takesFiles, installed ? shipped : QString(), hasDataDir ? data : QString()});
        QFile::setPermissions(exe, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(dir, expectDataDir ? data : exe);
        QCOMPARE(QFileInfo::exists(data), expectDataDir);
        QCOMPARE(readFile(dir + "/tic/default.tic"), QByteArray("shipped list\r\n"));
        QCOMPARE(readFile(dir + "/tic/links.own"), QByteArray("shipped links\r\n"));
    }
    void seedingKeepsTheUsersFiles()
    {
        QTemporaryDir root;
        const QString shipped = root.filePath("shipped");
        const QString tic = root.filePath("data/tic");
        writeFile(shipped + "/default.tic", "shipped list\r\n");
        writeFile(shipped + "/links.intern", "shipped links\r\n");
        writeFile(tic + "/default.tic", "my own list\r\n");
        QCOMPARE(seedFolder(shipped, tic), 1);
        QCOMPARE(readFile(tic + "/default.tic"), QByteArray("my own list\r\n"));
        QCOMPARE(readFile(tic + "/links.intern"), QByteArray("shipped links\r\n"));
        QCOMPARE(seedFolder(shipped, tic), 0);
    }
    void probe()
    {
        QTemporaryDir root;
        const QString file = root.filePath("plain");
        writeFile(file, "x");
        QVERIFY(folderAcceptsFiles(root.path()));
        QVERIFY(!folderAcceptsFiles(file + "/below"));
        QVERIFY(!folderAcceptsFiles(root.filePath("missing")));
        QCOMPARE(QDir(root.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"plain"});
    }
};

QTEST_APPLESS_MAIN(TestProgramDir)
#include "tst_programdir.moc"
