#include "loopback/pageserver.h"
#include "quotepages.h"
#include "quotes/selectionflow.h"
#include "shell/mainwindow.h"
#include "watchlist/watchlistmodel.h"
#include "windowharness.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>

using namespace td;
using namespace td::loopback;
using namespace td::test;

namespace {

QByteArray fixture(const char* name)
{
    QFile file(QStringLiteral(TD_FIXTURES_DIR "/quotes/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QByteArray kList = "Held;HLD;ETR;01.02.2024;10,00;True;;;;;;100;;;;;0\r\n"
                         "Watched;WAT;NYS;;;True;;;;;;;;;;;-1\r\n";

struct Fixture : ServedWindow
{
    Fixture() : ServedWindow(kList)
    {
        server.setFallback([](const PageRequest&) {
            return PageResponse::page(quotePage({"Any", "10,50", "EUR", "-1,25", "A0B1C2", "DE000A0B1C23"}));
        });
        server.setResponse(
            QStringLiteral("/late"),
            PageResponse::page(quotePage({"Late", "77,00", "EUR", "0,00", "A0B1C2", "DE000A0B1C23"})));
    }
};

} // namespace

class TestQuoteReading : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The page's figures and codes go into the selected entry's row. They are no
    // edit of the list that needs a question, but closing writes them.
    void selectingAnEntryFillsItsRowAndCloseSavesIt()
    {
        Fixture f;
        MainWindow& w = f.start();
        f.click(0);
        QCOMPARE(w.items().entry(1).columns[ColQuote], QString());
        const QString path = widget<QLineEdit>(w, "txt_TickerFile")->text();
        QVERIFY(w.close());
        QVERIFY(f.platform.dialogs.shown.isEmpty());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(
            file.readLine(),
            QByteArray("Held;HLD;ETR;01.02.2024;10,00;True;10,50;-1,25;0,50;5,00;EUR;100;1.050;50;A0B1C2;"
                       "DE000A0B1C23;0\r\n"));
    }
    void thresholdListsTheEntryOnceOutsideABatch()
    {
        Fixture f;
        f.platform.settings.write(QStringLiteral("MaxMinChange"), QStringLiteral("5"));
        MainWindow& w = f.start();
        f.click(0);
        QCOMPARE(w.stopList().size(), 1);
        QCOMPARE(w.stopList().entry(0).name(), QStringLiteral("Held"));
        QCOMPARE(w.stopList().entry(0).sourcePosition, 1);
        QVERIFY(!widget<QTabWidget>(w, "tabData")->tabIcon(3).isNull());
        f.click(1);
        f.click(0); // the same entry again: already listed
        QCOMPARE(w.stopList().size(), 1);
        // A click on the stop-list entry selects its watch-list entry.
        f.click(1);
        selection(w).onStopItemClick(0);
        QCOMPARE(w.currentRow(), 0);
        QCOMPARE(w.items().highlightRow(), 0);
    }
    // A page the quote pane loads without a request is read into no entry,
    // and its completion still clears the tag a wait may hang on.
    void pageNobodyAskedForReadsNothing()
    {
        Fixture f;
        MainWindow& w = f.start();
        f.click(0);
        BrowserPane& quotePane = pane(w, QStringLiteral("wbrStockContent"));
        QSignalSpy completions(&quotePane, &BrowserPane::documentComplete);
        quotePane.setTag(QStringLiteral("Load"));
        quotePane.navigate(f.server.url(QStringLiteral("/late")));
        QVERIFY(completions.wait());
        QCOMPARE(w.items().entry(0).columns[ColQuote], QStringLiteral("10,50"));
        QVERIFY(quotePane.tag().isEmpty());
    }
    // The retry by WKN is not waited for; its answer goes to the entry that
    // asked, though the list was sorted and another entry made current.
    void retryAnswerFollowsItsEntryThroughASort()
    {
        ServedWindow f("Alpha;ALP;ETR;;;True;;;;;;;;;519000;;0\r\nZulu;ZUL;ETR;;;True;;;;;;;;;ZUL001;;0\r\n");
        f.server.setFallback([](const PageRequest&) { return PageResponse::page("<html>no quote</html>"); });
        f.server.setResponse(QStringLiteral("/inf/search/all.html?SEARCH_VALUE=519000&x=11&y=7"),
                             PageResponse::page(fixture("wkn_layout.html")).delayed(300));
        MainWindow& w = f.start();
        f.click(0);
        QVERIFY(pane(w, QStringLiteral("wbrStockContent")).tag() == u"Load");
        w.vSortByColumn(ColName); // descending first
        QCOMPARE(w.items().entry(1).name(), QStringLiteral("Alpha"));
        w.setCurrentRow(0); // another entry is current when the answer comes
        QTRY_VERIFY(!w.items().entry(1).columns[ColQuote].isEmpty());
        QCOMPARE(w.items().entry(0).columns[ColQuote], QString());
    }
    // Once a selection's pages are read, a later completion of the signal pane
    // changes nothing, but still clears the tag a wait may hang on.
    void signalPaneReadsOnePagePerSelection()
    {
        Fixture f;
        f.server.setResponse(QStringLiteral("/cgi-bin/de/search.pl?isin=&typnr=3"),
                             PageResponse::page(signalPage(QStringLiteral(">verkaufen<"))));
        f.server.setResponse(QStringLiteral("/other"),
                             PageResponse::page(signalPage(QStringLiteral(">kaufen<"))));
        MainWindow& w = f.start();
        f.click(0);
        BrowserPane& signalPane = pane(w, QStringLiteral("wbrHandelssignal"));
        QSignalSpy completions(&signalPane, &BrowserPane::documentComplete);
        signalPane.setTag(QStringLiteral("LOAD"));
        signalPane.navigate(f.server.url(QStringLiteral("/other")));
        QVERIFY(completions.wait());
        QCOMPARE(control<QLabel>(w, QStringLiteral("picHandelssignal")).text(), QStringLiteral("verkaufen"));
        QVERIFY(signalPane.tag().isEmpty());
    }
};

QTEST_MAIN(TestQuoteReading)
#include "tst_quotereading.moc"
