// The memory row: each figure comes from its own child process, so neither
// measurement inherits the other's heap.
#include "benchrows.h"
#include "benchwindow.h"

#include "watchlist/tickerfile.h"
#include "watchlist/watchlistmodel.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

namespace td::bench {

namespace {

qint64 residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

} // namespace

int rssChild(bool loaded, const QString& listPath)
{
    BenchWindow bw;
    if (loaded) {
        QFile file(listPath);
        if (!file.open(QIODevice::ReadOnly))
            return 1;
        TickerFileContent content = parseTickerFile(file.readAll(), false);
        bw.window->items().appendAll(std::move(content.entries));
        if (bw.window->items().size() != kListSize)
            return 1;
    }
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    std::printf("rss %lld\n", static_cast<long long>(residentKb()));
    return 0;
}

BenchRow memoryRow(const QString& program, const QString& listPath)
{
    const auto median = [&](const QString& mode) {
        return childMedianMb(program, {QStringLiteral("--rss-child"), mode, listPath}, "rss", 120000);
    };
    const double empty = median(QStringLiteral("empty"));
    const double loaded = median(QStringLiteral("loaded"));
    return {QStringLiteral("Resident set with %1 entries").arg(kListSize),
            QStringLiteral("empty list"),
            QStringLiteral("MB"),
            loaded,
            empty,
            BenchRow::Goal::Above,
            40,
            {}};
}

} // namespace td::bench
