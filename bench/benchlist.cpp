// The list rows: load, save and sort a full list, and reading one page.
#include "benchinputs.h"
#include "benchrows.h"
#include "benchwindow.h"

#include "platform/textfile.h"
#include "quotes/evaluation.h"
#include "quotes/pagereader.h"
#include "watchlist/tickerfile.h"
#include "watchlist/watchlistmodel.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <unistd.h>

namespace td::bench {

namespace {

constexpr int kRuns = 7;

void loadInto(WatchListModel& items, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    TickerFileContent content = parseTickerFile(file.readAll(), false, kMaxEntries - items.size());
    items.appendAll(std::move(content.entries));
    // The view's share of the work.
    QCoreApplication::processEvents();
}

// The least any reader does: one read, then every line and field boundary
// found in one pass over the bytes.
qsizetype bareSplit(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray bytes = file.readAll();
    qsizetype lines = 0;
    qsizetype fieldChars = 0;
    qsizetype fieldStart = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == ';' || c == '\n') {
            fieldChars += i - fieldStart;
            fieldStart = i + 1;
            lines += c == '\n';
        }
    }
    return lines + fieldChars;
}

} // namespace

QList<BenchRow> listRows(const QString& listPath, const QString& workDir)
{
    BenchWindow bw;
    MainWindow& w = *bw.window;
    WatchListModel& items = w.items();

    volatile qsizetype sink = 0;
    const auto clearList = [&] {
        items.clear();
        QCoreApplication::processEvents();
    };
    const double floorLoad = bestMs(kRuns, [&] { sink = sink + bareSplit(listPath); });
    const double load = bestMs(
        kRuns, [&] { loadInto(items, listPath); }, clearList);
    if (items.size() != kListSize)
        qFatal("loaded %d entries", items.size());
    const QList<WatchEntry> fileOrder = items.entries();

    const QByteArray formatted = formatTickerFile(items.entries());
    const QString floorPath = workDir + QStringLiteral("/floor.tic");
    const QString savePath = workDir + QStringLiteral("/saved.tic");
    // The floor a crash-safe save cannot go below: the same bytes into a
    // temporary file, synced, then renamed over the list.
    const double floorSave = bestMs(kRuns, [&] {
        const QString temporary = floorPath + QStringLiteral(".new");
        QFile file(temporary);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(formatted) != formatted.size() || ::fsync(file.handle()) != 0)
            qFatal("floor write failed");
        file.close();
        if (::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(floorPath).constData()) != 0)
            qFatal("floor rename failed");
    });
    const double save = bestMs(kRuns, [&] {
        if (!writeFileAtomically(savePath, formatTickerFile(items.entries())).ok)
            qFatal("save failed");
    });

    // Each run sorts the list in file order descending, then that ascending.
    double sortDown = 1e9;
    double sortUp = 1e9;
    for (int run = 0; run < 5; ++run) {
        items.clear();
        items.appendAll(fileOrder);
        QCoreApplication::processEvents();
        for (double* best : {&sortDown, &sortUp}) {
            *best = std::min(*best, bestMs(1, [&] {
                w.vSortByColumn(ColQuote);
                QCoreApplication::processEvents();
            }));
        }
    }

    QList<BenchRow> rows;
    rows.append({QStringLiteral("Load %1 entries into the list").arg(kListSize),
                 QStringLiteral("read + split lines/fields"),
                 QStringLiteral("ms"),
                 load,
                 floorLoad,
                 BenchRow::Goal::TimesFloor,
                 3,
                 {}});
    rows.append({QStringLiteral("Save them"), QStringLiteral("same bytes: temporary file, sync, rename"),
                 QStringLiteral("ms"), save, floorSave, BenchRow::Goal::TimesFloor, 3,
                 QStringLiteral("%1 bytes").arg(formatted.size())});
    rows.append({QStringLiteral("Sort by Quote, slower direction"),
                 {},
                 QStringLiteral("ms"),
                 std::max(sortDown, sortUp),
                 0,
                 BenchRow::Goal::Absolute,
                 150,
                 QStringLiteral("descending %1 ms, ascending %2 ms")
                     .arg(sortDown, 0, 'f', 1)
                     .arg(sortUp, 0, 'f', 1)});
    return rows;
}

BenchRow pageRow()
{
    QList<WatchEntry> entries = parseTickerFile(tickerListFile(200, true), false).entries;
    QList<QString> pages;
    for (const WatchEntry& e : entries)
        pages.append(decodeWindows1252(quotePageFor(e)));
    EvaluationOptions options;
    options.thresholdText = QStringLiteral("10");
    volatile int sink = 0;
    const double ms = bestMs(kRuns, [&] {
        for (qsizetype i = 0; i < pages.size(); ++i) {
            const QuotePageResult page = readQuotePage(pages[i], false);
            const EvaluationResult r =
                evaluateQuote(entries[i], {page.quote, page.dayPct, page.sQuoteText}, options);
            sink = sink + static_cast<int>(r.entry.icon);
        }
    });
    return {QStringLiteral("Read one quote page and evaluate it"),
            {},
            QStringLiteral("us"),
            ms * 1000.0 / static_cast<double>(pages.size()),
            0,
            BenchRow::Goal::Report,
            0,
            QStringLiteral("%1-byte page, search layout").arg(pages.first().size())};
}

} // namespace td::bench
