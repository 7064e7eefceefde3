#include "watchlist/listfile.h"

#include <QTest>

using namespace td;

class TestListFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void closeStep_data();
    void closeStep();
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

QTEST_APPLESS_MAIN(TestListFile)
#include "tst_listfile.moc"
