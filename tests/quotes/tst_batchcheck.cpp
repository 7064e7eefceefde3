#include "loopback/pageserver.h"
#include "overview/progressbar.h"
#include "platform/browserpane.h"
#include "quotepages.h"
#include "shell/mainwindow.h"
#include "watchlist/watchlistmodel.h"
#include "windowharness.h"

#include <QCheckBox>
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

// Buying 10,00 throughout; the server quotes each symbol at 10,50 (+5 %).
// `figures` gives every entry a quote of 9,00 from an earlier check.
QByteArray listOf(const QList<std::pair<const char*, bool>>& entries, bool figures = false)
{
    QByteArray file;
    for (const auto& [ticker, ticked] : entries)
        file += QByteArray(ticker) + ";" + ticker + ";ETR;;10,00;" + (ticked ? "True" : "False") +
                (figures ? ";9,00;1,00;-1,00;-10,00;EUR;100;900;-100;;;0\r\n" : ";;;;;;100;;;;;0\r\n");
    return file;
}

QString searchFor(const QString& ticker)
{
    return QStringLiteral("/inf/search/all.html?SEARCH_VALUE=") + ticker + QStringLiteral(".ETR&x=11&y=7");
}

PageResponse quoteFor(const QString& ticker, const QString& quote = QStringLiteral("10,50"))
{
    return PageResponse::page(
        quotePage({ticker, quote, "EUR", "1,25", "WKN" + ticker.left(3), "DE000" + ticker.left(7)}));
}

struct Fixture : ServedWindow
{
    explicit Fixture(const QByteArray& list) : ServedWindow(list)
    {
        server.setFallback([](const PageRequest& request) {
            const QString value = request.query.section(u'&', 0, 0).section(u'=', 1).section(u'.', 0, 0);
            if (request.path == u"/inf/search/all.html")
                return quoteFor(value);
            return PageResponse::error(404);
        });
    }

    QStringList searches() const { return server.targets().filter(QStringLiteral("/inf/search/")); }
    QPushButton& button(bool background)
    {
        return control<QPushButton>(*window, background ? QStringLiteral("cmdCheckAllQuotesHintergrund")
                                                        : QStringLiteral("cmdCheckAllQuotes"));
    }
    const WatchEntry& entry(int row) { return window->items().entry(row); }
};

} // namespace

class TestBatchCheck : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Ticked entries at +5 % reach a threshold of 5 and go to the stop list.
    void batchEvaluatesOnlyTickedEntries()
    {
        Fixture f(listOf({{"AAA", true}, {"BBB", false}, {"CCC", true}}));
        f.platform.settings.write(QStringLiteral("MaxMinChange"), QStringLiteral("5"));
        MainWindow& w = f.start();
        QSignalSpy progress(widget<ProgressBar>(w, "picAllProgress"), &ProgressBar::progressDrawn);
        widget<QPushButton>(w, "cmdCheckAllQuotes")->click();
        QCOMPARE(f.searches(), (QStringList{searchFor("AAA"), searchFor("CCC")}));
        QCOMPARE(f.entry(0).columns[ColWkn], QStringLiteral("WKNAAA"));
        QCOMPARE(widget<QPushButton>(w, "cmdCheckAllQuotes")->text(), QStringLiteral("!"));
        QVERIFY(widget<QPushButton>(w, "but_Exit")->isEnabled());
        // Every entry, ticked or not, is a step of the progress bar.
        QList<int> values;
        for (const auto& call : progress)
            values << call.at(0).toInt();
        QCOMPARE(values, (QList<int>{33, 67, 100, 0}));
        QVERIFY(!widget<QFrame>(w, "Frame1_9")->isVisible());
        QCOMPARE(w.stopList().size(), 2);
        QCOMPARE(widget<QTabWidget>(w, "tabData")->currentIndex(), 3);
        QCOMPARE(w.stopList().entry(1).sourcePosition, 3);
        // A second run empties the stop list first, so nothing is listed twice.
        widget<QPushButton>(w, "cmdCheckAllQuotes")->click();
        QCOMPARE(w.stopList().size(), 2);
    }
    void timersRestAroundABatch_data()
    {
        QTest::addColumn<bool>("autoRefresh");
        QTest::newRow("auto refresh on") << true;
        QTest::newRow("auto refresh off") << false;
    }
    // Neither refresh nor title clock runs during a batch; the refresh resumes only when on.
    void timersRestAroundABatch()
    {
        QFETCH(bool, autoRefresh);
        Fixture f(listOf({{"AAA", true}, {"BBB", true}}));
        f.platform.settings.write(QStringLiteral("AutoRefresh"), QString::number(int(autoRefresh)));
        MainWindow& w = f.start();
        QTimer& refresh = timer(w, QStringLiteral("tmrRefresh"));
        QTimer& clock = timer(w, QStringLiteral("tmrTime"));
        QCOMPARE(refresh.isActive(), autoRefresh);
        int runningDuringBatch = 0;
        connect(&f.server, &PageServer::requestReceived, &w,
                [&] { runningDuringBatch += int(refresh.isActive()) + int(clock.isActive()); });
        widget<QPushButton>(w, "cmdCheckAllQuotes")->click();
        QCOMPARE(f.searches().size(), 2);
        QCOMPARE(runningDuringBatch, 0);
        QCOMPARE(refresh.isActive(), autoRefresh);
        QVERIFY(clock.isActive());
    }
    void startUpBatch_data()
    {
        QTest::addColumn<QString>("autoGet");
        QTest::addColumn<int>("searches");
        QTest::newRow("AutoGetOnlineQuotes on: one batch after the list loaded") << "1" << 2;
        QTest::newRow("off") << "0" << 0;
    }
    void startUpBatch()
    {
        QFETCH(QString, autoGet);
        QFETCH(int, searches);
        Fixture f(listOf({{"AAA", true}, {"BBB", true}}));
        f.platform.settings.write(QStringLiteral("AutoGetOnlineQuotes"), autoGet);
        MainWindow w(f.platform.context);
        activate(w);
        QCOMPARE(f.searches().size(), searches);
        QCOMPARE(w.items().entry(1).columns[ColQuote], searches > 0 ? QStringLiteral("10,50") : QString());
    }
    void batchReadsSearchLayoutAfterARetryByWkn()
    {
        Fixture f(listOf({{"AAA", true}, {"BBB", true}}));
        f.server.setResponse(searchFor("AAA"), PageResponse::page(searchResultWithoutQuote()));
        MainWindow& w = f.start();
        f.click(0);
        QTRY_VERIFY(pane(w, QStringLiteral("wbrStockContent")).tag().isEmpty());
        widget<QPushButton>(w, "cmdCheckAllQuotes")->click();
        QCOMPARE(f.entry(1).columns[ColQuote], QStringLiteral("10,50"));
    }
    void unreadablePagesChangeNothing_data()
    {
        QTest::addColumn<bool>("background");
        QTest::addColumn<QStringList>("failing"); // entries whose page gives no quote
        QTest::addColumn<QString>("summary");     // "" leaves the info line as it was
        for (const bool background : {false, true}) {
            const char* check = background ? "background" : "batch";
            QTest::addRow("%s: every page read", check) << background << QStringList{} << "";
            QTest::addRow("%s: 404, reset, garbage, no quote, time-out", check)
                << background << QStringList{"BBB", "CCC", "DDD", "EEE", "GGG"}
                << "5 von 6 Kursen konnten nicht gelesen werden";
            QTest::addRow("%s: an unticked entry is not counted", check)
                << background << QStringList{"BBB", "FFF"} << "1 von 6 Kursen konnten nicht gelesen werden";
        }
    }
    // A page that gives no quote changes nothing in its entry: no quote of 0, no
    // alarm, no tick; the check goes on and the info line says how many were not read.
    void unreadablePagesChangeNothing()
    {
        QFETCH(bool, background);
        QFETCH(QStringList, failing);
        QFETCH(QString, summary);
        QList<std::pair<const char*, bool>> entries; // FFF is not ticked
        for (const char* ticker : {"AAA", "BBB", "CCC", "DDD", "EEE", "FFF", "GGG"})
            entries.append({ticker, qstrcmp(ticker, "FFF") != 0});
        Fixture f(listOf(entries, true));
        const QHash<QString, PageResponse> failures = {
            {"BBB", PageResponse::error(404)},
            {"CCC", PageResponse::refuse()},
            {"DDD", PageResponse::page("\x01\xff<html>>Kursdaten<", "application/octet-stream")},
            {"EEE", quoteFor("EEE", "k.A.")},
            {"FFF", PageResponse::error(404)},
            {"GGG", PageResponse::hang()}};
        for (const QString& ticker : failing)
            f.server.setResponse(searchFor(ticker), failures.value(ticker));
        MainWindow& w = f.start();
        const QList<WatchEntry> before = w.items().entries();
        widget<QLineEdit>(w, "txt_ShowAllQuotesHintergrund")->setText(QStringLiteral("0"));
        QLabel& info = control<QLabel>(w, QStringLiteral("lblAktInfo"));
        info.setText(QStringLiteral("before"));
        f.button(background).click();
        for (int row = 0; row < before.size(); ++row) {
            const WatchEntry& e = f.entry(row);
            if (failing.contains(e.name()) || !before[row].checked) {
                for (int column = ColQuote; column <= ColIsin; ++column)
                    QCOMPARE(e.columns[column], before[row].columns[column]);
                QCOMPARE(e.checked, before[row].checked);
            } else {
                QCOMPARE(e.columns[ColQuote], QStringLiteral("10,50"));
            }
        }
        QCOMPARE(w.stopList().size(), 0);
        QCOMPARE(info.text(), summary.isEmpty() ? QStringLiteral("before") : summary);
    }
    void pageOfAnotherInstrument_data()
    {
        QTest::addColumn<bool>("background");
        QTest::newRow("batch") << false;
        QTest::newRow("background") << true;
    }
    // Every search answered with one company's page: an entry whose codes differ
    // takes nothing from it, and the summary says why.
    void pageOfAnotherInstrument()
    {
        QFETCH(bool, background);
        Fixture f("A <b>;AAA;ETR;;10,00;True;;;;;USD;100;;;111111;;0\r\n"   // another WKN
                  "B;BBB;ETR;;10,00;True;;;;;USD;100;;;;US0000000001;0\r\n" // another ISIN
                  "C;CCC;ETR;;10,00;True;;;;;USD;100;;; wknoth ;;0\r\n");   // the page's WKN
        f.server.setFallback([](const PageRequest&) {
            return PageResponse::page(quotePage({"Other", "10,50", "EUR", "1,25", "WKNOTH", "DE000OTHER01"}));
        });
        MainWindow& w = f.start();
        const QList<WatchEntry> before = w.items().entries();
        widget<QLineEdit>(w, "txt_ShowAllQuotesHintergrund")->setText(QStringLiteral("1"));
        f.button(background).click();
        for (int row : {0, 1}) {
            for (int column = ColQuote; column <= ColIsin; ++column)
                QCOMPARE(f.entry(row).columns[column], before[row].columns[column]);
        }
        QCOMPARE(f.entry(2).columns[ColCur], QStringLiteral("EUR"));
        QLabel& info = control<QLabel>(w, QStringLiteral("lblAktInfo"));
        QCOMPARE(info.text(),
                 QStringLiteral("2 von 3 Kursen konnten nicht gelesen werden, davon 2: anderes Wertpapier"));
        QVERIFY2(info.toolTip().contains(QStringLiteral("Anderes Wertpapier: A &lt;b&gt;, B")),
                 qPrintable(info.toolTip()));
    }
    void cancelling_data()
    {
        QTest::addColumn<bool>("background");
        QTest::addColumn<bool>("whileEvaluationWaits"); // else: while the first page loads
        QTest::newRow("batch, while a page loads") << false << false;
        QTest::newRow("background, while a page loads") << true << false;
        QTest::newRow("background, while an evaluation waits for its timer") << true << true;
    }
    // A second press cancels. Nothing is written into any entry after that: not
    // the page still in flight, not the evaluation still waiting; no further page loads.
    void cancelling()
    {
        QFETCH(bool, background);
        QFETCH(bool, whileEvaluationWaits);
        Fixture f(listOf({{"AAA", true}, {"BBB", false}, {"CCC", true}, {"DDD", false}}));
        if (!whileEvaluationWaits)
            f.server.setResponse(searchFor("AAA"), quoteFor("AAA").delayed(300));
        MainWindow& w = f.start();
        if (background)
            widget<QLineEdit>(w, "txt_ShowAllQuotesHintergrund")->setText(QStringLiteral("5000"));
        QPushButton& run = f.button(background);
        QTimer& evaluation = timer(w, QStringLiteral("tmrShowAllQuotes"));
        BrowserPane& checkPane =
            pane(w, background ? QStringLiteral("wbrQuoteAll") : QStringLiteral("wbrStockContent"));
        QSignalSpy completions(&checkPane, &BrowserPane::documentComplete);
        whenTrue(
            w, [&] { return whileEvaluationWaits ? evaluation.isActive() : !f.server.requests().isEmpty(); },
            [&] { run.click(); });
        run.click();
        QCOMPARE(run.text(), QStringLiteral("!"));
        QVERIFY(!evaluation.isActive());
        QTRY_COMPARE(completions.size(), 1);
        for (int row = 0; row < w.items().size(); ++row) {
            QCOMPARE(f.entry(row).columns[ColQuote], QString());
            if (row > 0 || !whileEvaluationWaits) // a page read before the cancel keeps its codes
                QCOMPARE(f.entry(row).columns[ColWkn], QString());
        }
        QCOMPARE(f.searches(), QStringList{searchFor("AAA")});
    }
    void intervalBoxes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("refusal"); // "" when accepted
        QTest::addColumn<int>("interval");
        const QString over = QStringLiteral("Nicht über 1 Minute (60.000 Millisekunden)");
        const QString under = QStringLiteral("Nicht unter 1 Sekunde (1.000 Millisekunden)");
        QTest::newRow("one minute accepted") << "60000"
                                             << "" << 60000;
        QTest::newRow("over one minute refused") << "60001" << over << 60000;
        QTest::newRow("leading number") << "1500ms"
                                        << "" << 1500;
        QTest::newRow("decimal ties to even") << "2500.5"
                                              << "" << 2500;
        QTest::newRow("1 ms refused") << "1" << under << 1000;
        QTest::newRow("empty is 0, off") << ""
                                         << "" << 0;
    }
    void intervalBoxes()
    {
        QFETCH(QString, text);
        QFETCH(QString, refusal);
        QFETCH(int, interval);
        Fixture f(listOf({}));
        MainWindow& w = f.start();
        for (QLineEdit* box :
             {widget<QLineEdit>(w, "txtRealTimeRefresh"),
              widget<QLineEdit>(w, "txt_ShowAllQuotesHintergrund"), widget<QLineEdit>(w, "txtAutoReload")}) {
            box->setText(QStringLiteral("5000"));
            f.platform.dialogs.shown.clear();
            box->setText(text);
            QCOMPARE(f.platform.dialogs.shown.size(), refusal.isEmpty() ? 0 : 1);
            if (!refusal.isEmpty()) {
                QCOMPARE(f.platform.dialogs.shown[0].text, refusal);
                QCOMPARE(box->text(), QString::number(interval));
            }
        }
        QCOMPARE(timer(w, QStringLiteral("tmrRefresh")).interval(), interval);
        QCOMPARE(timer(w, QStringLiteral("tmrShowAllQuotes")).interval(), interval);
    }
    void pagesThatEndACheckEarly_data()
    {
        QTest::addColumn<bool>("background");
        QTest::addColumn<QString>("pages"); // per entry: h hangs, r refused, b over 4 MB, q a quote
        QTest::addColumn<int>("searched");
        QTest::addColumn<QString>("info");
        for (const bool background : {false, true}) {
            const char* check = background ? "background" : "batch";
            QTest::addRow("%s: three time-outs in a row give up", check)
                << background << "qhhhq" << 4 << "Abbruch: 127.0.0.1 antwortet nicht";
            QTest::addRow("%s: an answer between time-outs", check)
                << background << "hhqhh" << 5 << "4 von 5 Kursen konnten nicht gelesen werden";
            QTest::addRow("%s: refusals are no time-outs", check)
                << background << "rrrrr" << 5 << "5 von 5 Kursen konnten nicht gelesen werden";
            QTest::addRow("%s: a page over 4 MB", check)
                << background << "qbqqq" << 5
                << "1 von 5 Kursen konnten nicht gelesen werden (Seite zu groß)";
        }
    }
    void pagesThatEndACheckEarly()
    {
        QFETCH(bool, background);
        QFETCH(QString, pages);
        const QList<const char*> tickers{"AAA", "BBB", "CCC", "DDD", "EEE"};
        Fixture f(listOf({{"AAA", true}, {"BBB", true}, {"CCC", true}, {"DDD", true}, {"EEE", true}}));
        for (int i = 0; i < tickers.size(); ++i) {
            const QChar page = pages[i];
            f.server.setResponse(searchFor(tickers[i]),
                                 page == u'h'   ? PageResponse::hang()
                                 : page == u'r' ? PageResponse::refuse()
                                 : page == u'b' ? PageResponse::page(QByteArray(4 * 1024 * 1024 + 1, ' '))
                                                : quoteFor(tickers[i]));
        }
        f.platform.panes.setTimeout(300);
        MainWindow& w = f.start();
        widget<QLineEdit>(w, "txt_ShowAllQuotesHintergrund")->setText(QStringLiteral("0"));
        f.button(background).click();
        QStringList searched = f.searches();
        searched.removeDuplicates(); // the network retries a refused request once
        QTEST(int(searched.size()), "searched");
        QTEST(control<QLabel>(w, QStringLiteral("lblAktInfo")).text(), "info");
        QCOMPARE(f.button(background).text(), QStringLiteral("!"));
    }
    void closingDuringACheckEndsTheProgram_data()
    {
        QTest::addColumn<QString>("check");
        QTest::newRow("batch") << "batch";
        QTest::newRow("batch at start-up") << "start-up";
        QTest::newRow("background") << "background";
    }
    // The server never answers. Closing the window ends the check, and the
    // program's event loop returns instead of waiting on with no window.
    void closingDuringACheckEndsTheProgram()
    {
        QFETCH(QString, check);
        Fixture f(listOf({{"AAA", true}, {"BBB", true}}));
        f.server.setFallback([](const PageRequest&) { return PageResponse::hang(); });
        f.platform.settings.write(QStringLiteral("AutoGetOnlineQuotes"), check == u"start-up" ? "1" : "0");
        if (check == u"start-up")
            f.window = std::make_unique<MainWindow>(f.platform.context);
        else
            f.start();
        MainWindow& w = *f.window;
        QPushButton& run = f.button(check == u"background");
        QString runningTip;
        whenTrue(
            w, [&] { return !f.searches().isEmpty(); },
            [&] {
                runningTip = run.toolTip() + u'|' + run.accessibleName();
                w.close();
            });
        if (check == u"start-up")
            QTimer::singleShot(0, &w, [&] { w.show(); });
        else
            QTimer::singleShot(0, &run, &QPushButton::click);
        QTimer bound;
        connect(&bound, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
        bound.start(15000);
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!w.isVisible());
        QCOMPARE(run.text(), QStringLiteral("!"));
        const QString cancels = check == u"background"
                                    ? QStringLiteral("Kursabfrage im Hintergrund abbrechen")
                                    : QStringLiteral("Kursabfrage abbrechen");
        QCOMPARE(runningTip, cancels + u'|' + cancels);
    }
};

QTEST_MAIN(TestBatchCheck)
#include "tst_batchcheck.moc"
