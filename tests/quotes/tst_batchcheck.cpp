#include "loopback/pageserver.h"
#include "overview/progressbar.h"
#include "platform/browserpane.h"
#include "quotepages.h"
#include "quotes/batchcheck.h"
#include "quotes/selectionflow.h"
#include "shell/mainwindow.h"
#include "watchlist/watchlistmodel.h"
#include "windowharness.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeView>

using namespace td;
using namespace td::loopback;
using namespace td::test;

namespace {

// Buying 10,00 throughout; the server quotes each symbol at 10,50 (+5 %).
QByteArray listOf(const QList<std::pair<const char*, bool>>& entries)
{
    QByteArray file;
    for (const auto& [ticker, ticked] : entries)
        file += QByteArray(ticker) + ";" + ticker + ";ETR;;10,00;" + (ticked ? "True" : "False") +
                ";;;;;;100;;;;;0\r\n";
    return file;
}

QString searchFor(const QString& ticker)
{
    return QStringLiteral("/inf/search/all.html?SEARCH_VALUE=") + ticker + QStringLiteral(".ETR&x=11&y=7");
}

PageResponse quoteFor(const QString& ticker)
{
    return PageResponse::page(
        quotePage({ticker, QStringLiteral("10,50"), QStringLiteral("EUR"), QStringLiteral("1,25"),
                   QStringLiteral("WKN") + ticker.left(3), QStringLiteral("DE000") + ticker.left(7)}));
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

    QStringList searches() const
    {
        QStringList out;
        for (const QString& t : server.targets()) {
            if (t.startsWith(u"/inf/search/"))
                out << t;
        }
        return out;
    }
};

} // namespace

class TestBatchCheck : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void batchEvaluatesOnlyTickedEntries();
    void nothingTickedStillPaintsToHundred();
    void secondPressCancelsAfterTheCurrentEntry();
    void hangingPageEndsAtTheTimeout();
    void firstActivationBatchReadsItsPages();
    void batchReadsSearchLayoutAfterARetryByWkn();
    void backgroundCheckEvaluatesOnItsTimer();
    void intervalBoxes_data();
    void intervalBoxes();
    void stopListAfterABatch();
};

void TestBatchCheck::batchEvaluatesOnlyTickedEntries()
{
    Fixture f(listOf({{"AAA", true}, {"BBB", false}, {"CCC", true}}));
    MainWindow& w = f.start();
    QSignalSpy progress(w.ui().picAllProgress, &ProgressBar::progressDrawn);
    w.ui().cmdCheckAllQuotes->click();
    QCOMPARE(f.searches(), (QStringList{searchFor("AAA"), searchFor("CCC")}));
    QCOMPARE(w.items().entry(0).columns[ColQuote], QStringLiteral("10,50"));
    QCOMPARE(w.items().entry(0).columns[ColValue], QStringLiteral("1.050"));
    QCOMPARE(w.items().entry(0).columns[ColBPct], QStringLiteral("5,00"));
    QCOMPARE(w.items().entry(0).columns[ColWkn], QStringLiteral("WKNAAA"));
    QCOMPARE(w.items().entry(0).icon, EntryIcon::Plus);
    QCOMPARE(w.items().entry(1).columns[ColQuote], QString());
    QCOMPARE(w.items().entry(2).columns[ColQuote], QStringLiteral("10,50"));
    QCOMPARE(w.ui().cmdCheckAllQuotes->text(), QStringLiteral("!"));
    QVERIFY(w.ui().but_Exit->isEnabled());
    QVERIFY(timer(w, QStringLiteral("tmrTime")).isActive());
    QList<int> values;
    for (const auto& call : progress)
        values << call.at(0).toInt();
    QCOMPARE(values, (QList<int>{33, 67, 100, 0}));
    QVERIFY(!w.ui().progressFrame->isVisible());
}

void TestBatchCheck::nothingTickedStillPaintsToHundred()
{
    Fixture f(listOf({{"AAA", false}, {"BBB", false}}));
    MainWindow& w = f.start();
    QSignalSpy progress(w.ui().picAllProgress, &ProgressBar::progressDrawn);
    w.ui().cmdCheckAllQuotes->click();
    QVERIFY(f.searches().isEmpty());
    QCOMPARE(progress.size(), 3);
    QCOMPARE(progress.at(1).at(0).toInt(), 100);
}

void TestBatchCheck::secondPressCancelsAfterTheCurrentEntry()
{
    Fixture f(listOf({{"AAA", true}, {"BBB", true}, {"CCC", true}}));
    f.server.setResponse(searchFor("AAA"), quoteFor("AAA").delayed(1500));
    MainWindow& w = f.start();
    QTimer::singleShot(200, &w, [&w] { w.ui().cmdCheckAllQuotes->click(); });
    w.ui().cmdCheckAllQuotes->click();
    QCOMPARE(w.ui().cmdCheckAllQuotes->text(), QStringLiteral("!"));
    QCOMPARE(f.searches(), QStringList{searchFor("AAA")});
    // The page that arrives after the cancel is read into nobody.
    QTest::qWait(1600);
    for (const WatchEntry& e : w.items().entries())
        QCOMPARE(e.columns[ColQuote], QString());
}

void TestBatchCheck::hangingPageEndsAtTheTimeout()
{
    Fixture f(listOf({{"AAA", true}, {"BBB", true}}));
    f.server.setResponse(searchFor("AAA"), PageResponse::hang());
    MainWindow& w = f.start();
    w.ui().cmdCheckAllQuotes->click();
    QCOMPARE(f.searches(), (QStringList{searchFor("AAA"), searchFor("BBB")}));
    QCOMPARE(w.items().entry(0).columns[ColQuote], QString());
    QCOMPARE(w.items().entry(1).columns[ColQuote], QStringLiteral("10,50"));
}

void TestBatchCheck::firstActivationBatchReadsItsPages()
{
    Fixture f(listOf({{"AAA", true}}));
    f.platform.settings.write(QStringLiteral("AutoGetOnlineQuotes"), QStringLiteral("1"));
    MainWindow& w = f.start();
    QCOMPARE(w.items().entry(0).columns[ColQuote], QStringLiteral("10,50"));
    QCOMPARE(w.ui().cmdCheckAllQuotes->text(), QStringLiteral("!"));
}

void TestBatchCheck::batchReadsSearchLayoutAfterARetryByWkn()
{
    Fixture f(listOf({{"AAA", true}, {"BBB", true}}));
    f.server.setResponse(searchFor("AAA"), PageResponse::page(searchResultWithoutQuote()));
    MainWindow& w = f.start();
    f.click(0);
    QTRY_VERIFY(pane(w, QStringLiteral("wbrStockContent")).tag().isEmpty());
    w.ui().cmdCheckAllQuotes->click();
    QCOMPARE(w.items().entry(1).columns[ColQuote], QStringLiteral("10,50"));
}

void TestBatchCheck::backgroundCheckEvaluatesOnItsTimer()
{
    Fixture f(listOf({{"AAA", true}, {"BBB", false}, {"CCC", true}}));
    MainWindow& w = f.start();
    w.ui().txt_ShowAllQuotesHintergrund->setText(QStringLiteral("30"));
    QCOMPARE(timer(w, QStringLiteral("tmrShowAllQuotes")).interval(), 30);
    w.ui().cmdCheckAllQuotesHintergrund->click();
    QCOMPARE(f.searches(), (QStringList{searchFor("AAA"), searchFor("CCC")}));
    QCOMPARE(w.items().entry(0).columns[ColQuote], QStringLiteral("10,50"));
    QCOMPARE(w.items().entry(0).columns[ColWkn], QStringLiteral("WKNAAA"));
    QCOMPARE(w.items().entry(2).columns[ColCur], QStringLiteral("EUR"));
    QCOMPARE(w.items().entry(1).columns[ColQuote], QString());
    QVERIFY(!timer(w, QStringLiteral("tmrShowAllQuotes")).isActive());
    QCOMPARE(w.ui().cmdCheckAllQuotesHintergrund->text(), QStringLiteral("!"));
}

void TestBatchCheck::intervalBoxes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<int>("interval");
    QTest::newRow("one minute accepted") << "60000" << false << 60000;
    QTest::newRow("over one minute refused") << "60001" << true << 60000;
    QTest::newRow("leading number") << "1500ms" << false << 1500;
    QTest::newRow("decimal ties to even") << "2500.5" << false << 2500;
}

void TestBatchCheck::intervalBoxes()
{
    QFETCH(QString, text);
    QFETCH(bool, refused);
    QFETCH(int, interval);
    Fixture f(listOf({}));
    MainWindow& w = f.start();
    for (QLineEdit* box :
         {w.ui().txtRealTimeRefresh, w.ui().txt_ShowAllQuotesHintergrund, w.ui().txtAutoReload}) {
        f.platform.dialogs.shown.clear();
        box->setText(QStringLiteral("1"));
        box->setText(text);
        QCOMPARE(f.platform.dialogs.shown.size(), refused ? 1 : 0);
        if (refused) {
            QCOMPARE(f.platform.dialogs.shown[0].text,
                     QStringLiteral("Nicht über 1 Minute (60.000 Millisekunden)"));
            QCOMPARE(box->text(), QStringLiteral("60000"));
        }
    }
    QCOMPARE(timer(w, QStringLiteral("tmrRefresh")).interval(), interval);
    QCOMPARE(timer(w, QStringLiteral("tmrShowAllQuotes")).interval(), interval);
}

void TestBatchCheck::stopListAfterABatch()
{
    Fixture f(listOf({{"AAA", true}, {"BBB", true}}));
    f.platform.settings.write(QStringLiteral("MaxMinChange"), QStringLiteral("5"));
    MainWindow& w = f.start();
    w.ui().cmdCheckAllQuotes->click();
    QCOMPARE(w.stopList().size(), 2);
    QCOMPARE(w.ui().tabData->currentIndex(), 3);
    QCOMPARE(w.stopList().entry(1).sourcePosition, 2);
    // A second run empties the stop list first, so nothing is listed twice.
    w.ui().cmdCheckAllQuotes->click();
    QCOMPARE(w.stopList().size(), 2);
}

QTEST_MAIN(TestBatchCheck)
#include "tst_batchcheck.moc"
