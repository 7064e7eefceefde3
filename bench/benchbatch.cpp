// The batch rows: a batch check of many entries against pages that answer at
// once, and one whose pages take their time.
#include "benchinputs.h"
#include "benchrows.h"
#include "benchwindow.h"

#include "watchlist/tickerfile.h"
#include "watchlist/watchlistmodel.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPushButton>
#include <QSpinBox>

#include <cstdio>

namespace td::bench {

namespace {

struct BatchSetup
{
    explicit BatchSetup(int count, int delayMs)
        : list(tickerListFile(count, true)), entries(parseTickerFile(list, false).entries), bw(list)
    {
        for (const WatchEntry& e : entries) {
            const QString target = searchTarget(e);
            targets.append(target);
            bw.server.setResponse(target, loopback::PageResponse::page(quotePageFor(e)).delayed(delayMs));
        }
    }

    void setParallelPages(int pages)
    {
        bw.window->findChild<QSpinBox*>(QStringLiteral("spnParallelPages"))->setValue(pages);
    }

    // Runs the batch the way the button does; returns when it has finished.
    void runBatch()
    {
        bw.server.clearRequests();
        bw.window->findChild<QPushButton*>(QStringLiteral("cmdCheckAllQuotes"))->click();
        if (bw.server.requests().size() != entries.size())
            qFatal("the batch asked for %d pages of %d", int(bw.server.requests().size()),
                   int(entries.size()));
        const WatchEntry& last = bw.window->items().entries().constLast();
        if (last.columns[ColCur] != u"EUR")
            qFatal("the batch did not evaluate the last entry");
    }

    QByteArray list;
    QList<WatchEntry> entries;
    BenchWindow bw;
    QStringList targets;
};

// The least a batch does: the same pages fetched one after the other.
void bareGets(QNetworkAccessManager& network, const loopback::PageServer& server, const QStringList& targets)
{
    for (const QString& target : targets) {
        QNetworkReply* reply = network.get(QNetworkRequest(QUrl(server.url(target))));
        QEventLoop loop;
        QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        loop.exec();
        if (reply->readAll().isEmpty())
            qFatal("bare GET of %s failed", qPrintable(target));
        delete reply;
    }
}

// Pages that take 0.3 s each, one at a time and several at once; the floor
// is the slow pages' time alone, shared evenly among the pages in flight.
QList<BenchRow> parallelRows()
{
    constexpr int kSlowPageMs = 300;
    QList<BenchRow> rows;
    {
        BatchSetup setup(50, kSlowPageMs);
        const double floor = 50.0 / 6 * kSlowPageMs;
        const double sequential = bestMs(1, [&] { setup.runBatch(); });
        setup.setParallelPages(6);
        const double parallel = bestMs(1, [&] { setup.runBatch(); });
        rows.append({QStringLiteral("Parallel check, 50 pages of 0.3 s, 6 at once"),
                     QStringLiteral("50 / 6 x 0.3 s"),
                     QStringLiteral("ms"),
                     parallel,
                     floor,
                     BenchRow::Goal::TimesFloor,
                     1.2,
                     {}});
        rows.append({QStringLiteral("  the same, one page at a time"), QStringLiteral("50 / 6 x 0.3 s"),
                     QStringLiteral("ms"), sequential, floor, BenchRow::Goal::Report, 0,
                     QStringLiteral("%1 x floor; 6 at once is %2 x faster")
                         .arg(sequential / floor, 0, 'f', 2)
                         .arg(sequential / parallel, 0, 'f', 2)});
    }
    {
        BatchSetup setup(40, kSlowPageMs);
        const double sequential = bestMs(1, [&] { setup.runBatch(); });
        setup.setParallelPages(4);
        const double parallel = bestMs(1, [&] { setup.runBatch(); });
        rows.append({QStringLiteral("Parallel check, 40 pages of 0.3 s, 4 at once"),
                     QStringLiteral("the same, one page at a time"), QStringLiteral("ms"), parallel,
                     sequential, BenchRow::Goal::Report, 0,
                     QStringLiteral("%1 x faster; %2 x the floor of 40 / 4 x 0.3 s")
                         .arg(sequential / parallel, 0, 'f', 2)
                         .arg(parallel / (40.0 / 4 * kSlowPageMs), 0, 'f', 2)});
    }
    return rows;
}

} // namespace

QList<BenchRow> batchRows()
{
    QList<BenchRow> rows;
    {
        BatchSetup setup(1000, 0);
        QNetworkAccessManager network;
        QList<double> batch;
        QList<double> hidden;
        QList<double> floor;
        // Alternating, so all see the same machine load. The hidden window
        // does everything but paint, which tells the painting's share.
        for (int run = 0; run < 3; ++run) {
            floor.append(bestMs(1, [&] { bareGets(network, setup.bw.server, setup.targets); }));
            batch.append(bestMs(1, [&] { setup.runBatch(); }));
            setup.bw.window->hide();
            hidden.append(bestMs(1, [&] { setup.runBatch(); }));
            setup.bw.window->show();
        }
        for (QList<double>* times : {&batch, &hidden, &floor})
            std::sort(times->begin(), times->end());
        rows.append({QStringLiteral("Batch check, 1,000 ticked entries"),
                     QStringLiteral("1,000 sequential bare GETs"),
                     QStringLiteral("ms"),
                     batch[0],
                     floor[0],
                     BenchRow::Goal::TimesFloor,
                     1.5,
                     {}});
        rows.append({QStringLiteral("  the same, window hidden (no painting)"),
                     QStringLiteral("1,000 sequential bare GETs"), QStringLiteral("ms"), hidden[0], floor[0],
                     BenchRow::Goal::Report, 0,
                     QStringLiteral("%1 x floor; the difference to the shown window is the list's repainting")
                         .arg(hidden[0] / floor[0], 0, 'f', 2)});
    }
    {
        BatchSetup setup(20, 200);
        const double cpuBefore = threadCpuMs();
        const double wall = bestMs(1, [&] { setup.runBatch(); });
        const double cpu = threadCpuMs() - cpuBefore;
        rows.append(
            {QStringLiteral("Main-thread CPU, batch of 20 slow pages"),
             QStringLiteral("wall time of that batch"), QStringLiteral("ms"), cpu, wall,
             BenchRow::Goal::Share, 5,
             QStringLiteral("pages answer after 200 ms; the loopback server shares the main thread")});
    }
    rows += parallelRows();
    return rows;
}

} // namespace td::bench
