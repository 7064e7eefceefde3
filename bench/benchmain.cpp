// tickerdeck-bench: the program's own code against the machine's floor.
// Prints one table and writes the figures as JSON (--json PATH).
#include "benchinputs.h"
#include "benchrows.h"

#include <QApplication>
#include <QTemporaryDir>

#include <cstdio>

using namespace td::bench;

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();

    if (args.value(1) == u"--rss-child")
        return rssChild(args.value(2) == u"loaded", args.value(3));
    if (args.value(1) == u"--pss-child")
        return pssChild(args.value(2));

    QString jsonPath;
    if (const qsizetype at = args.indexOf(QStringLiteral("--json")); at > 0)
        jsonPath = args.value(at + 1);

    // --only list|batch|memory|processes|page runs one group, for profiling.
    const QString only = args.value(args.indexOf(QStringLiteral("--only")) + 1);
    const auto wanted = [&](QStringView group) {
        return !args.contains(u"--only") || only == group;
    };

    QTemporaryDir work;
    if (!work.isValid())
        qFatal("no temporary folder");
    const QString listPath = work.path() + QStringLiteral("/list.tic");
    writeBytes(listPath, tickerListFile(kListSize, false));
    QList<BenchRow> rows;
    if (wanted(u"list"))
        rows.append(listRows(listPath, work.path()));
    if (wanted(u"batch"))
        rows.append(batchRows());
    if (wanted(u"memory"))
        rows.append(memoryRow(app.applicationFilePath(), listPath));
    if (wanted(u"processes"))
        rows.append(processMemoryRows(app.applicationFilePath()));
    if (wanted(u"page"))
        rows.append(pageRow());

    printTable(rows);
    if (!jsonPath.isEmpty() && !writeJson(rows, jsonPath)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(jsonPath));
        return 1;
    }
    return 0;
}
