#include "loopback/pageserver.h"
#include "quotepages.h"
#include "quotes/selectionflow.h"
#include "shell/mainwindow.h"
#include "watchlist/watchlistmodel.h"
#include "windowharness.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>

using namespace td;
using namespace td::loopback;
using namespace td::test;

namespace {

const QByteArray kList = "Held;HLD;ETR;01.02.2024;10,00;True;;;;;;100;;;;;0\r\n"
                         "Watched;WAT;NYS;;;True;;;;;;;;;;;-1\r\n";

QString searchFor(const QString& symbol)
{
    return QStringLiteral("/inf/search/all.html?SEARCH_VALUE=") + symbol + QStringLiteral("&x=11&y=7");
}

struct Fixture : ServedWindow
{
    Fixture() : ServedWindow(kList)
    {
        serve(QStringLiteral("HLD.ETR"), QStringLiteral("10,50"), QStringLiteral("-1,25"),
              QStringLiteral("EUR"));
        serve(QStringLiteral("WAT.NYS"), QStringLiteral("99,1234"), QStringLiteral("0,00"),
              QStringLiteral("USD"));
    }

    void serve(const QString& symbol, const QString& quote, const QString& change, const QString& currency)
    {
        server.setResponse(searchFor(symbol), PageResponse::page(quotePage(
                                                  {symbol, quote, currency, change, QStringLiteral("A0B1C2"),
                                                   QStringLiteral("DE000A0B1C23")})));
    }

    QColor colour(int row, int column) const
    {
        return window->items().data(window->items().index(row, column), Qt::ForegroundRole).value<QColor>();
    }
};

const QColor kGreen(0, 128, 0);
const QColor kRed(192, 0, 0);

} // namespace

class TestQuoteReading : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void selectingAHeldPositionFillsItsRow();
    void selectingAWatchedEntry();
    void thresholdListsTheEntryOnceOutsideABatch();
    void saveWritesTheFetchedFigures();
};

void TestQuoteReading::selectingAHeldPositionFillsItsRow()
{
    Fixture f;
    MainWindow& w = f.start();
    f.click(0);
    const WatchEntry& e = w.items().entry(0);
    QCOMPARE(e.columns[ColQuote], QStringLiteral("10,50"));
    QCOMPARE(e.columns[ColPct], QStringLiteral("-1,25"));
    QCOMPARE(e.columns[ColBChg], QStringLiteral("0,50"));
    QCOMPARE(e.columns[ColBPct], QStringLiteral("5,00"));
    QCOMPARE(e.columns[ColCur], QStringLiteral("EUR"));
    QCOMPARE(e.columns[ColValue], QStringLiteral("1.050"));
    QCOMPARE(e.columns[ColPlusMinus], QStringLiteral("50"));
    QCOMPARE(e.columns[ColWkn], QStringLiteral("A0B1C2"));
    QCOMPARE(e.columns[ColIsin], QStringLiteral("DE000A0B1C23"));
    QCOMPARE(e.icon, EntryIcon::PlusMinus);
    QCOMPARE(f.colour(0, ColPct), kRed);
    QCOMPARE(f.colour(0, ColQuote), kRed);
    QCOMPARE(f.colour(0, ColBPct), kGreen);
    QCOMPARE(f.colour(0, ColPlusMinus), kGreen);
    // Fetched figures are no edit of the list.
    QVERIFY(!w.state().bListChanged);
    QCOMPARE(w.stopList().size(), 0); // threshold 20 not reached
}

void TestQuoteReading::selectingAWatchedEntry()
{
    Fixture f;
    MainWindow& w = f.start();
    f.click(1);
    const WatchEntry& e = w.items().entry(1);
    QCOMPARE(e.columns[ColQuote], QStringLiteral("99,1234"));
    QCOMPARE(e.columns[ColCur], QStringLiteral("USD"));
    QCOMPARE(e.columns[ColValue], QString());
    QCOMPARE(e.columns[ColBChg], QString());
    QCOMPARE(e.icon, EntryIcon::QPlus);
    QVERIFY(e.important); // evaluation keeps the mark
}

void TestQuoteReading::thresholdListsTheEntryOnceOutsideABatch()
{
    Fixture f;
    f.platform.settings.write(QStringLiteral("MaxMinChange"), QStringLiteral("5"));
    MainWindow& w = f.start();
    f.click(0);
    QCOMPARE(w.stopList().size(), 1);
    const WatchEntry& stop = w.stopList().entry(0);
    QCOMPARE(stop.name(), QStringLiteral("Held"));
    QCOMPARE(stop.sourcePosition, 1);
    QCOMPARE(stop.columns[ColBPct], QStringLiteral("5,00"));
    QCOMPARE(stop.columns[ColCur], QStringLiteral("EUR"));
    QVERIFY(w.items().entry(0).styles[ColBPct].bold);
    QVERIFY(!w.ui().tabData->tabIcon(3).isNull());
    f.click(1);
    f.click(0); // the same entry again: already listed
    QCOMPARE(w.stopList().size(), 1);

    // A click on the stop-list entry selects its watch-list entry.
    f.click(1);
    selection(w).onStopItemClick(0);
    QCOMPARE(w.currentRow(), 0);
    QCOMPARE(w.items().highlightRow(), 0);
}

void TestQuoteReading::saveWritesTheFetchedFigures()
{
    Fixture f;
    MainWindow& w = f.start();
    f.click(0);
    w.ui().cmdSaveList->click();
    QFile file(w.ui().txt_TickerFile->text());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readLine(),
             QByteArray("Held;HLD;ETR;01.02.2024;10,00;True;10,50;-1,25;0,50;5,00;EUR;100;1.050;50;A0B1C2;"
                        "DE000A0B1C23;0\r\n"));
}

QTEST_MAIN(TestQuoteReading)
#include "tst_quotereading.moc"
