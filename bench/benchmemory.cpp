// The memory row: each figure comes from its own child process, so neither
// measurement inherits the other's heap.
#include "benchrows.h"
#include "benchwindow.h"

#include "watchlist/tickerfile.h"
#include "watchlist/watchlistmodel.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>

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

double childMb(const QString& program, const QString& mode, const QString& listPath)
{
    QProcess child;
    child.start(program, {QStringLiteral("--rss-child"), mode, listPath});
    if (!child.waitForFinished(120000) || child.exitCode() != 0)
        qFatal("rss child %s failed: %s", qPrintable(mode), child.readAllStandardError().constData());
    for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
        if (line.startsWith("rss "))
            return line.mid(4).toDouble() / 1024.0;
    }
    qFatal("rss child %s printed no figure", qPrintable(mode));
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
    QList<double> empty;
    QList<double> loaded;
    for (int run = 0; run < 3; ++run) {
        empty.append(childMb(program, QStringLiteral("empty"), listPath));
        loaded.append(childMb(program, QStringLiteral("loaded"), listPath));
    }
    std::sort(empty.begin(), empty.end());
    std::sort(loaded.begin(), loaded.end());
    return {QStringLiteral("Resident set with %1 entries").arg(kListSize),
            QStringLiteral("empty list"),
            QStringLiteral("MB"),
            loaded[1],
            empty[1],
            BenchRow::Goal::Above,
            40,
            {}};
}

} // namespace td::bench
