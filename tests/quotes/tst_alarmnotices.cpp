#include "loopback/pageserver.h"
#include "quotepages.h"
#include "shell/mainwindow.h"
#include "watchlist/watchlistmodel.h"
#include "windowharness.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTest>

using namespace td;
using namespace td::loopback;
using namespace td::test;

namespace {

// Bought at 10,00; a threshold of 5 % is crossed by AAA (+10 %) and CCC
// (-10 %), not by BBB (+2 %).
const QByteArray kList = "AAA;AAA;ETR;;10,00;True;;;;;;100;;;;;0\r\n"
                         "BBB;BBB;ETR;;10,00;True;;;;;;100;;;;;0\r\n"
                         "CCC;CCC;ETR;;10,00;True;;;;;;100;;;;;0\r\n";

struct Fixture : ServedWindow
{
    explicit Fixture(const QString& notify) : ServedWindow(kList)
    {
        server.setFallback([](const PageRequest& request) {
            const QString ticker = request.query.section(u'&', 0, 0).section(u'=', 1).section(u'.', 0, 0);
            const QString quote = ticker == u"AAA"   ? QStringLiteral("11,00")
                                  : ticker == u"BBB" ? QStringLiteral("10,20")
                                                     : QStringLiteral("9,00");
            return PageResponse::page(
                quotePage({ticker, quote, "EUR", "1,25", "WKN" + ticker, "DE000" + ticker}));
        });
        platform.settings.write(QStringLiteral("MaxMinChange"), QStringLiteral("5"));
        platform.settings.write(QStringLiteral("Notify"), notify);
    }
    void runBatch() { control<QPushButton>(*window, QStringLiteral("cmdCheckAllQuotes")).click(); }
    QList<quint64> notified() const
    {
        QList<quint64> ids;
        for (const RecordingNotifier::Call& call : platform.notifier.calls)
            ids << call.entryId;
        return ids;
    }
};

} // namespace

class TestAlarmNotices : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void batchNotifiesEntriesThatCross_data()
    {
        QTest::addColumn<QString>("notify");
        QTest::addColumn<QList<int>>("rows");
        QTest::newRow("Notify on: the two that cross") << "1" << QList<int>{0, 2};
        QTest::newRow("Notify off: none") << "0" << QList<int>{};
    }
    void batchNotifiesEntriesThatCross()
    {
        QFETCH(QString, notify);
        QFETCH(QList<int>, rows);
        Fixture f(notify);
        MainWindow& w = f.start();
        f.runBatch();
        QList<quint64> expected;
        for (int row : rows)
            expected << w.items().idAt(row);
        QCOMPARE(f.notified(), expected);
        // Still past the threshold: the next batch stays quiet.
        f.runBatch();
        QCOMPARE(f.notified(), expected);
    }

    void clickOnANotice_data()
    {
        QTest::addColumn<int>("notice"); // index of the recorded call; -1 the count notice
        QTest::addColumn<bool>("entryGone");
        QTest::addColumn<int>("selectedRow"); // -1: the selection stays
        QTest::newRow("an entry's notice selects it") << 1 << false << 2;
        QTest::newRow("the count notice only raises") << -1 << false << -1;
        QTest::newRow("entry deleted since: nothing") << 1 << true << -1;
    }
    void clickOnANotice()
    {
        QFETCH(int, notice);
        QFETCH(bool, entryGone);
        QFETCH(int, selectedRow);
        Fixture f(QStringLiteral("1"));
        MainWindow& w = f.start();
        f.runBatch();
        QCOMPARE(f.platform.notifier.calls.size(), 2);
        const quint64 id = notice < 0 ? 0 : f.platform.notifier.calls.at(notice).entryId;
        if (entryGone)
            w.items().remove(w.items().rowOfId(id));
        const int rowBefore = w.currentRow();
        const int highlightBefore = w.items().highlightRow();
        w.showMinimized();
        f.platform.notifier.activate(id);
        QCoreApplication::processEvents();
        QCOMPARE(w.isMinimized(), entryGone);
        QCOMPARE(w.currentRow(), selectedRow < 0 ? rowBefore : selectedRow);
        QCOMPARE(w.items().highlightRow(), selectedRow < 0 ? highlightBefore : selectedRow);
        // The selection evaluates the entry again; it is still in alarm.
        QCOMPARE(f.platform.notifier.calls.size(), 2);
    }
};

QTEST_MAIN(TestAlarmNotices)
#include "tst_alarmnotices.moc"
