#include "loopback/pageserver.h"
#include "platform/browserpane.h"
#include "quotepages.h"
#include "quotes/selectionflow.h"
#include "shell/mainwindow.h"
#include "watchlist/watchlistmodel.h"
#include "windowharness.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

using namespace td;
using namespace td::loopback;
using namespace td::test;

namespace {

const QByteArray kList = "BMW & Co;BMW;ETR;;98,50;True;;;;;;50;;;519000;DE0005190003;0\r\n"
                         "Apple;AAPL;NAS;;;True;;;;;;;;;865985;US0378331005;0\r\n"
                         "NoWkn;NOW;ETR;;;True;;;;;;;;;;XX0000000001;0\r\n";

const QString kBmwSearch = QStringLiteral("/inf/search/all.html?SEARCH_VALUE=BMW.ETR&x=11&y=7");
const QString kBmwSignal = QStringLiteral("/cgi-bin/de/search.pl?isin=DE0005190003&typnr=3");

struct Fixture : ServedWindow
{
    Fixture() : ServedWindow(kList)
    {
        server.setResponse(kBmwSignal, PageResponse::page(signalPage(QStringLiteral(">verkaufen<"))));
        server.setResponse(kBmwSearch, PageResponse::page(quotePage(
                                           {"BMW", "101,20", "EUR", "1,25", "519000", "DE0005190003"})));
    }

    RecordingPane& display(const char* name) { return *platform.panes.recording(QString::fromLatin1(name)); }
};

} // namespace

class TestSelection : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void selectionLoadsInOrder()
    {
        Fixture f;
        MainWindow& w = f.start();
        f.click(0);
        QCOMPARE(f.server.targets(), (QStringList{kBmwSignal, kBmwSearch}));
        QCOMPARE(widget<QLineEdit>(w, "txtQuote")->text(), QStringLiteral("98,50"));
        QCOMPARE(w.items().highlightRow(), 0);
        QCOMPARE(td::test::selection(w).session().iLastIndex, 1);
        QCOMPARE(widget<QLabel>(w, "lblAktInfo")->text(),
                 QStringLiteral("BMW & Co; BMW; ETR; ; 98,50; 101,20; 1,25; 2,70; 2,74; EUR"));
        QCOMPARE(widget<QLabel>(w, "picHandelssignal")->text(), QStringLiteral("verkaufen"));
        QVERIFY(widget<QLabel>(w, "picHandelssignalSymbol_4")->isVisibleTo(&w));
        QVERIFY(!widget<QLabel>(w, "picHandelssignalSymbol_0")->isVisibleTo(&w));
        // Status page, then the chart snippet.
        // The update box of the start-up check shows there before the entry's pages.
        QStringList quotePane = f.display("wbrRealTimeQuote").addresses.mid(1);
        quotePane.removeIf(
            [](const QString& page) { return page.contains(QStringLiteral("this version: ")); });
        QCOMPARE(quotePane.size(), 2);
        QVERIFY(quotePane[0].contains(QStringLiteral(">receive data<br>BMW.ETR [Quote]<")));
        QVERIFY(quotePane[1].contains(f.server.baseUrl() +
                                      QStringLiteral("/dab_neu/charts/popup_intrachart?type=time&"
                                                     "tsOffset=0&sym1=BMW.ETR&scrmbl=&lg=de&ct=de")));
        QVERIFY(f.display("wbrRealTimeChart")
                    .addresses.last()
                    .contains(QStringLiteral("type=intra&sym1=BMW.ETR&")));
        QVERIFY(widget<QTabWidget>(w, "tabData")->isVisibleTo(&w));
    }
    // The history, technical and signal tabs show the entry, in the span chosen.
    void dataTabsShowTheEntry_data()
    {
        QTest::addColumn<int>("span"); // -1: as started
        QTest::addColumn<QString>("pane");
        QTest::addColumn<QString>("address"); // its beginning
        QTest::newRow("history")
            << -1 << "wbrHistorie"
            << "/dab_neu/charts/detailchart?hist=12&log=0&type=1&sym1=BMW.ETR&lg=de&ct=de";
        QTest::newRow("history, 36 months") << 5 << "wbrHistorie"
                                            << "/dab_neu/charts/detailchart?hist=36&";
        QTest::newRow("technical") << -1 << "wbrTechnicalChart"
                                   << "/html/detail/main.html?hist=12m&sSym=BMW.ETR&";
        QTest::newRow("technical, 1 month") << 0 << "wbrTechnicalChart"
                                            << "/html/detail/main.html?hist=1m&";
        QTest::newRow("signal") << -1 << "wbrHY" << kBmwSignal;
    }
    void dataTabsShowTheEntry()
    {
        QFETCH(int, span);
        QFETCH(QString, pane);
        QFETCH(QString, address);
        Fixture f;
        MainWindow& w = f.start();
        f.click(0);
        if (span >= 0)
            emit widget<QComboBox>(w, "cboHis")->activated(span);
        const QStringList& loads = f.platform.panes.recording(pane)->addresses;
        const QString shown = loads.value(loads.size() - 1);
        QVERIFY2(shown.startsWith(f.server.baseUrl() + address), qPrintable(shown));
    }
    void retryByWkn_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("searches"); // by symbol, then by WKN
        const auto row = [](const char* tag, int row, const char* symbol, const char* wkn) {
            const QString search = QStringLiteral("/inf/search/all.html?SEARCH_VALUE=%1&x=11&y=7");
            QTest::newRow(tag) << row << QStringList{search.arg(symbol), search.arg(wkn)};
        };
        row("with WKN", 1, "AAPL.NAS", "865985");
        row("empty WKN still searches", 2, "NOW.ETR", "");
        // The wait for the page ends at the time-out.
        row("quote page hangs", 0, "BMW.ETR", "519000");
    }
    void retryByWkn()
    {
        QFETCH(int, row);
        Fixture f;
        f.server.setFallback(
            [](const PageRequest&) { return PageResponse::page(searchResultWithoutQuote()); });
        f.server.setResponse(kBmwSearch, PageResponse::hang());
        MainWindow& w = f.start();
        f.click(row);
        QVERIFY(f.server.waitForRequests(3));
        QTEST(f.server.targets().mid(1, 2), "searches");
        QTRY_VERIFY(pane(w, QStringLiteral("wbrStockContent")).tag().isEmpty());
    }
    void mobileModeLoadsOnlyCharts()
    {
        Fixture f;
        MainWindow& w = f.start();
        widget<QCheckBox>(w, "chkMobile_0")->setChecked(true);
        f.click(0);
        QVERIFY(f.server.targets().isEmpty());
        QVERIFY(f.display("wbrRealTimeChart").addresses.last().contains(QStringLiteral("sym1=BMW.ETR")));
        QTRY_VERIFY(pane(w, QStringLiteral("wbrStockContent"))
                        .documentMarkup()
                        .contains(QStringLiteral("MOBILE OPTION ACTIVE")));
    }
    void reselectingLoadsOnlyWhatChanged_data()
    {
        QTest::addColumn<int>("span"); // -1: the shown entry is clicked again
        QTest::addColumn<QStringList>("targets");
        QTest::newRow("the shown entry again") << -1 << QStringList{};
        QTest::newRow("history box: another span") << 5 << QStringList{kBmwSignal};
        QTest::newRow("history box: the span already chosen") << 3 << QStringList{kBmwSignal};
    }
    void reselectingLoadsOnlyWhatChanged()
    {
        QFETCH(int, span);
        Fixture f;
        f.server.setFallback([](const PageRequest&) {
            return PageResponse::page(quotePage({"Any", "1,00", "USD", "0,00", "000001", "US0000000001"}));
        });
        MainWindow& w = f.start();
        QCOMPARE(widget<QComboBox>(w, "cboHis")->currentIndex(), 3);
        f.click(1);
        f.click(0);
        f.server.clearRequests();
        const int chartLoads = f.display("wbrRealTimeChart").addresses.size();
        if (span < 0) {
            f.click(0);
            QCOMPARE(w.items().highlightRow(), 0);
        } else {
            // What a click into the drop-down list does.
            widget<QComboBox>(w, "cboHis")->setCurrentIndex(span);
            emit widget<QComboBox>(w, "cboHis")->activated(span);
            QCOMPARE(td::test::selection(w).session().bytHistoryChoice, span);
        }
        QTEST(f.server.targets(), "targets");
        QCOMPARE(f.display("wbrRealTimeChart").addresses.size(), chartLoads);
    }
    void nasdaqPaneFollowsThePlace()
    {
        Fixture f;
        MainWindow& w = f.start();
        f.click(1);
        widget<QPushButton>(w, "cmdNAS")->click();
        QCOMPARE(widget<QPushButton>(w, "cmdNAS")->property("tag").toString(), QStringLiteral("0"));
        const QString nasdaq =
            f.server.baseUrl() + QStringLiteral("/aspx/nasdaqlastsale.aspx?symbol=AAPL&selected=AAPL");
        QCOMPARE(f.display("wbrRealTimeNASDAQ").addresses.last(), nasdaq);
        widget<QCheckBox>(w, "chkLockTab")->setChecked(true); // keeps the pane through the selection itself
        f.click(1);
        f.click(0);
        QCOMPARE(widget<QPushButton>(w, "cmdNAS")->property("tag").toString(), QStringLiteral("-1"));
        QCOMPARE(f.display("wbrRealTimeNASDAQ").addresses.last(), QStringLiteral("about:blank"));
    }
    void batchRunningRefusesClicks()
    {
        Fixture f;
        MainWindow& w = f.start();
        duringBatch(w, f.platform, [&] {
            f.click(0);
            selection(w).onListDoubleClick();
        });
        QCOMPARE(f.platform.dialogs.shown.size(), 2);
        QCOMPARE(f.platform.dialogs.shown[0].text,
                 QStringLiteral("batch is running. cancel before itemclick."));
        QCOMPARE(f.platform.dialogs.shown[1].text,
                 QStringLiteral("batch is running. cancel before doubleclick."));
        QVERIFY(f.server.targets().isEmpty());
    }
    void entryTextsAreEscaped_data()
    {
        QTest::addColumn<QString>("ticker");
        QTest::addColumn<QString>("escaped");
        QTest::newRow("markup") << "\"><script>x</script>"
                                << "&quot;&gt;&lt;script&gt;x&lt;/script&gt;";
        QTest::newRow("ampersand") << "A&B" << QStringLiteral("A&amp;B");
    }
    // A ticker from a shared list reaches the status pages, the "no data" page and
    // the chart snippets as text only, and those panes run no script.
    void entryTextsAreEscaped()
    {
        QFETCH(QString, ticker);
        QFETCH(QString, escaped);
        ServedWindow f("Shared;" + ticker.toLatin1() + ";ETR;;;True;;;;;;;;;;;0\r\n");
        MainWindow& w = f.start();
        f.click(0);
        Q_EMIT pane(w, QStringLiteral("wbrRealTimeChart")).navigateError(QStringLiteral("http://x"), 500);
        for (const QString& name : {QStringLiteral("wbrRealTimeQuote"), QStringLiteral("wbrRealTimeChart")}) {
            QCOMPARE(f.platform.panes.kind(name), PaneKind::Snippet);
            QStringList pages = f.platform.panes.recording(name)->addresses.filter(QStringLiteral("about:<"));
            pages.removeIf(
                [](const QString& page) { return page.contains(QStringLiteral("this version: ")); });
            QVERIFY(pages.size() >= 2);
            for (const QString& page : pages)
                QVERIFY2(page.contains(escaped) && !page.contains(ticker), qPrintable(page));
        }
        QVERIFY(f.platform.panes.recording(QStringLiteral("wbrRealTimeChart"))
                    ->addresses.last()
                    .contains(QStringLiteral("color:red\">currently no data<br>") + escaped +
                              QStringLiteral(" [Chart]<")));
    }
};

QTEST_MAIN(TestSelection)
#include "tst_selection.moc"
