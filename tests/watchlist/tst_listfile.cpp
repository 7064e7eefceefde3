#include "platform/textfile.h"
#include "watchlist/listfile.h"

#include <QTemporaryDir>
#include <QTest>

using namespace td;

class TestListFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void closeStep_data();
    void closeStep();
    void afterLoad_data();
    void afterLoad();
    void fileHolds_data();
    void fileHolds();
};

void TestListFile::closeStep_data()
{
    QTest::addColumn<bool>("changed");
    QTest::addColumn<int>("entries");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("own"); // the list's own file
    QTest::addColumn<int>("linesNotLoaded");
    QTest::addColumn<int>("step");
    const int close = int(CloseStep::Close);
    const int silent = int(CloseStep::SaveSilently);
    const int ask = int(CloseStep::Ask);
    QTest::newRow("own file") << false << 2 << " /t/a.tic "
                              << "/t/a.tic" << 0 << silent;
    QTest::newRow("own file, spelled otherwise") << false << 2 << "/t/./a.tic"
                                                 << "/t/a.tic" << 0 << silent;
    QTest::newRow("box names another file") << false << 2 << "/t/b.tic"
                                            << "/t/a.tic" << 0 << ask;
    QTest::newRow("another file, nothing to write") << false << 0 << "/t/b.tic"
                                                    << "/t/a.tic" << 0 << close;
    QTest::newRow("no own file") << false << 1 << "/t/b.tic"
                                 << "" << 0 << ask;
    QTest::newRow("empty box") << false << 2 << " "
                               << "/t/a.tic" << 0 << close;
    QTest::newRow("part of its file") << false << 2 << "/t/a.tic"
                                      << "/t/a.tic" << 3 << close;
    QTest::newRow("changed") << true << 0 << ""
                             << "" << 0 << ask;
}

void TestListFile::closeStep()
{
    QFETCH(bool, changed);
    QFETCH(int, entries);
    QFETCH(QString, box);
    QFETCH(QString, own);
    QFETCH(int, linesNotLoaded);
    const ListFileState list{{own, linesNotLoaded, false}, changed};
    QTEST(int(td::closeStep(list, entries, box)), "step");
    QCOMPARE(linesLostBySave(list.origin, box), box.trimmed() == own ? linesNotLoaded : 0);
}

void TestListFile::afterLoad_data()
{
    QTest::addColumn<bool>("cleared");
    QTest::addColumn<bool>("fileRead");
    QTest::addColumn<int>("entriesBefore");
    QTest::addColumn<QString>("own");
    QTest::addColumn<bool>("changed");
    QTest::newRow("read into an empty list") << true << true << 0 << "/t/new.tic" << false;
    QTest::newRow("appended to other entries") << false << true << 2 << "/t/new.tic" << true;
    QTest::newRow("cleared, nothing read") << true << false << 0 << "" << false;
    QTest::newRow("kept, nothing read") << false << false << 2 << "/t/old.tic" << true;
}

void TestListFile::afterLoad()
{
    QFETCH(bool, cleared);
    QFETCH(bool, fileRead);
    QFETCH(int, entriesBefore);
    const ListFileState before{{QStringLiteral("/t/old.tic")}, true};
    const ListFileState after = stateAfterLoad(before, QStringLiteral(" /t/new.tic "),
                                               {cleared, fileRead, entriesBefore, fileRead ? 4 : 0, false});
    QTEST(after.origin.path, "own");
    QTEST(after.changed, "changed");
    QCOMPARE(after.origin.linesNotLoaded, fileRead ? 4 : 0);
}

void TestListFile::fileHolds_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("holds");
    QTest::newRow("same bytes") << "list.tic" << QByteArray("A;B\r\n") << true;
    QTest::newRow("one byte differs") << "list.tic" << QByteArray("A;C\r\n") << false;
    QTest::newRow("file is longer") << "list.tic" << QByteArray("A;B") << false;
    QTest::newRow("no such file") << "gone.tic" << QByteArray() << false;
    QTest::newRow("a folder") << "." << QByteArray() << false;
}

void TestListFile::fileHolds()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    QVERIFY(writeFileAtomically(dir.filePath(QStringLiteral("list.tic")), "A;B\r\n").ok);
    QTEST(td::fileHolds(dir.filePath(name), bytes), "holds");
}

QTEST_APPLESS_MAIN(TestListFile)
#include "tst_listfile.moc"
