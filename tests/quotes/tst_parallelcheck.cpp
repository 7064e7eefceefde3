#include "loopback/pageserver.h"
#include "overview/progressbar.h"
#include "quotepages.h"
#include "shell/mainwindow.h"
#include "watchlist/watchlistmodel.h"
#include "windowharness.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

using namespace td;
using namespace td::loopback;
using namespace td::test;

namespace {

// One entry per letter of `ticks`: "x" ticked, "-" not. Buying at 10,00; each
// holds the WKN of its own page.
QByteArray listOf(const QString& ticks)
{
    QByteArray file;
    for (int i = 0; i < ticks.size(); ++i) {
        const QByteArray ticker = QByteArray(3, char('A' + i));
        file += ticker + ";" + ticker + ";ETR;;10,00;" + (ticks[i] == u'x' ? "True" : "False") +
                ";;;;;;100;;;WKN" + ticker + ";;0\r\n";
    }
    return file;
}

// The server's answer for the entry at `row`.
struct Served : ServedWindow
{
    Served(const QString& ticks, int pages, std::function<PageResponse(int row)> answer)
        : ServedWindow(listOf(ticks))
    {
        server.setFallback([answer](const PageRequest& request) {
            const QString ticker = request.query.section(u'=', 1).left(3);
            if (request.path != u"/inf/search/all.html" || ticker.isEmpty())
                return PageResponse::error(404);
            return answer(ticker[0].unicode() - 'A');
        });
        platform.settings.write(QStringLiteral("ParallelPages"), QString::number(pages));
    }
    MainWindow& run() { return start(); }
};

PageResponse quoteFor(int row)
{
    const QString ticker(3, QChar('A' + row));
    return PageResponse::page(quotePage({ticker, "10,50", "EUR", "1,25", "WKN" + ticker, "DE000" + ticker}));
}

} // namespace

class TestParallelCheck : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void answersOutOfOrderAreEvaluatedInListOrder_data()
    {
        QTest::addColumn<int>("pages");
        QTest::newRow("one page at a time") << 1;
        QTest::newRow("three at once") << 3;
        QTest::newRow("five at once") << 5;
    }
    // Later entries answer sooner, so pages loaded together come back in
    // reverse; the list, the stop list and the progress bar still go in list order.
    void answersOutOfOrderAreEvaluatedInListOrder()
    {
        QFETCH(int, pages);
        Served f(QStringLiteral("xx-xxxxx"), pages,
                 [](int row) { return quoteFor(row).delayed((8 - row) * 60); });
        f.platform.settings.write(QStringLiteral("MaxMinChange"), QStringLiteral("5"));
        MainWindow& w = f.run();
        QCOMPARE(control<QSpinBox>(w, QStringLiteral("spnParallelPages")).value(), pages);
        QList<int> changed;
        connect(&w.items(), &WatchListModel::dataChanged, &w, [&](const QModelIndex& first) {
            if (changed.isEmpty() || changed.last() != first.row())
                changed << first.row();
        });
        QSignalSpy progress(&control<ProgressBar>(w, QStringLiteral("picAllProgress")),
                            &ProgressBar::progressDrawn);
        control<QPushButton>(w, QStringLiteral("cmdCheckAllQuotes")).click();
        QCOMPARE(changed, (QList<int>{0, 1, 3, 4, 5, 6, 7}));
        QList<int> drawn;
        for (const auto& call : progress)
            drawn << call.at(0).toInt();
        QCOMPARE(drawn, (QList<int>{12, 25, 38, 50, 62, 75, 88, 100, 0}));
        QList<int> stopped;
        for (int i = 0; i < w.stopList().size(); ++i)
            stopped << w.stopList().entry(i).sourcePosition;
        QCOMPARE(stopped, (QList<int>{1, 2, 4, 5, 6, 7, 8}));
        QVERIFY(f.server.mostInFlight() <= pages);
        QCOMPARE(f.server.mostInFlight() > 1, pages > 1);
        QCOMPARE(w.items().entry(7).columns[ColQuote], QStringLiteral("10,50"));
    }
    // A cancel aborts every page in flight; none of them writes into its
    // entry and no further page is asked for.
    void cancelAbortsEveryPageInFlight()
    {
        Served f(QStringLiteral("xxxxx"), 3, [](int) { return PageResponse::hang(); });
        f.platform.panes.setTimeout(60000);
        MainWindow& w = f.run();
        QPushButton& run = control<QPushButton>(w, QStringLiteral("cmdCheckAllQuotes"));
        whenTrue(
            w, [&] { return f.server.inFlight() == 3; }, [&] { run.click(); });
        run.click();
        QCOMPARE(run.text(), QStringLiteral("!"));
        // The server never answers: only an aborted transfer ends its requests.
        QTRY_COMPARE(f.server.inFlight(), 0);
        QCOMPARE(f.server.requests().size(), 3);
        for (int row = 0; row < w.items().size(); ++row)
            QCOMPARE(w.items().entry(row).columns[ColQuote], QString());
    }
    void failureSummaryCountsAsSequential_data()
    {
        QTest::addColumn<QString>(
            "pages"); // per entry: h hangs, b over 4 MB, o another instrument, q a quote
        QTest::addColumn<QString>("info");
        QTest::newRow("three time-outs in a row give up") << "qhhhq"
                                                          << "Abbruch: 127.0.0.1 antwortet nicht";
        QTest::newRow("an answer between time-outs") << "hhqhh"
                                                     << "4 von 5 Kursen konnten nicht gelesen werden";
        QTest::newRow("a page over 4 MB and another instrument")
            << "qboqq"
            << "2 von 5 Kursen konnten nicht gelesen werden, davon 1: anderes Wertpapier (Seite zu groß)";
    }
    void failureSummaryCountsAsSequential()
    {
        QFETCH(QString, pages);
        Served f(QStringLiteral("xxxxx"), 3, [pages](int row) {
            const QChar page = pages[row];
            return page == u'h'   ? PageResponse::hang()
                   : page == u'b' ? PageResponse::page(QByteArray(4 * 1024 * 1024 + 1, ' '))
                   : page == u'o' ? quoteFor(row + 1)
                                  : quoteFor(row);
        });
        f.platform.panes.setTimeout(300);
        MainWindow& w = f.run();
        control<QPushButton>(w, QStringLiteral("cmdCheckAllQuotes")).click();
        QTEST(control<QLabel>(w, QStringLiteral("lblAktInfo")).text(), "info");
    }
};

QTEST_MAIN(TestParallelCheck)
#include "tst_parallelcheck.moc"
