#include "benchreport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace td::bench {

bool BenchRow::met() const
{
    switch (goal) {
    case Goal::TimesFloor:
        return ours <= limit * floor;
    case Goal::Absolute:
        return ours < limit;
    case Goal::Share:
        return floor > 0 && ours * 100.0 / floor <= limit;
    case Goal::Above:
        return ours - floor <= limit;
    case Goal::Report:
        return true;
    }
    return false;
}

QString BenchRow::goalText() const
{
    switch (goal) {
    case Goal::TimesFloor:
        return QStringLiteral("<= %1 x floor").arg(limit);
    case Goal::Absolute:
        return QStringLiteral("< %1 %2").arg(limit).arg(unit);
    case Goal::Share:
        return QStringLiteral("<= %1 %").arg(limit);
    case Goal::Above:
        return QStringLiteral("<= %1 %2 above").arg(limit).arg(unit);
    case Goal::Report:
        return QStringLiteral("report");
    }
    return {};
}

double bestMs(int runs, const std::function<void()>& body, const std::function<void()>& prepare)
{
    QList<double> times;
    for (int i = 0; i < runs; ++i) {
        if (prepare)
            prepare();
        const auto start = std::chrono::steady_clock::now();
        body();
        const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
        times.append(took.count());
    }
    return times.isEmpty() ? 0 : *std::min_element(times.begin(), times.end());
}

double threadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

namespace {

QString number(double v)
{
    return v >= 100 ? QString::number(v, 'f', 0) : QString::number(v, 'f', v >= 10 ? 1 : 2);
}

QString comparison(const BenchRow& r)
{
    switch (r.goal) {
    case BenchRow::Goal::TimesFloor:
        return QStringLiteral("%1 x").arg(r.ratio(), 0, 'f', 2);
    case BenchRow::Goal::Share:
        return QStringLiteral("%1 %").arg(r.floor > 0 ? r.ours * 100.0 / r.floor : 0, 0, 'f', 1);
    case BenchRow::Goal::Above:
        return QStringLiteral("%1%2 %3").arg(r.ours >= r.floor ? u"+" : u"", number(r.ours - r.floor),
                                             r.unit);
    case BenchRow::Goal::Absolute:
    case BenchRow::Goal::Report:
        return QStringLiteral("-");
    }
    return {};
}

} // namespace

double childMedianMb(const QString& program, const QStringList& arguments, const QByteArray& label,
                     int timeoutMs, int runs)
{
    QList<double> figures;
    for (int run = 0; run < runs; ++run) {
        QProcess child;
        child.start(program, arguments);
        if (!child.waitForFinished(timeoutMs) || child.exitCode() != 0)
            qFatal("child %s failed: %s", qPrintable(arguments.join(u' ')),
                   child.readAllStandardError().constData());
        const QByteArray prefix = label + ' ';
        const QList<QByteArray> lines = child.readAllStandardOutput().split('\n');
        const auto line = std::find_if(lines.begin(), lines.end(),
                                       [&](const QByteArray& l) { return l.startsWith(prefix); });
        if (line == lines.end())
            qFatal("child %s printed no figure", qPrintable(arguments.join(u' ')));
        figures.append(line->mid(prefix.size()).toDouble() / 1024.0);
    }
    std::sort(figures.begin(), figures.end());
    return figures[figures.size() / 2];
}

void printTable(const QList<BenchRow>& rows)
{
    const QStringList head = {QStringLiteral("Measure"),  QStringLiteral("Ours"), QStringLiteral("Floor"),
                              QStringLiteral("Compared"), QStringLiteral("Goal"), QStringLiteral("Met")};
    QList<QStringList> lines{head};
    for (const BenchRow& r : rows) {
        const QString floor = r.floorText.isEmpty()
                                  ? QStringLiteral("-")
                                  : QStringLiteral("%1 %2 (%3)").arg(number(r.floor), r.unit, r.floorText);
        lines.append({r.measure, number(r.ours) + u' ' + r.unit, floor, comparison(r), r.goalText(),
                      r.goal == BenchRow::Goal::Report
                          ? QStringLiteral("-")
                          : (r.met() ? QStringLiteral("yes") : QStringLiteral("NO"))});
    }
    QList<qsizetype> widths(head.size(), 0);
    for (const QStringList& l : lines) {
        for (qsizetype i = 0; i < l.size(); ++i)
            widths[i] = std::max(widths[i], l[i].size());
    }
    for (qsizetype n = 0; n < lines.size(); ++n) {
        QString text = QStringLiteral("|");
        for (qsizetype i = 0; i < lines[n].size(); ++i)
            text += u' ' + lines[n][i].leftJustified(widths[i]) + QStringLiteral(" |");
        std::printf("%s\n", qPrintable(text));
        if (n == 0) {
            QString rule = QStringLiteral("|");
            for (qsizetype w : widths)
                rule += QString(w + 2, u'-') + u'|';
            std::printf("%s\n", qPrintable(rule));
        }
    }
    for (const BenchRow& r : rows) {
        if (!r.note.isEmpty())
            std::printf("note: %s: %s\n", qPrintable(r.measure), qPrintable(r.note));
    }
    std::fflush(stdout);
}

bool writeJson(const QList<BenchRow>& rows, const QString& path)
{
    QJsonArray array;
    for (const BenchRow& r : rows) {
        QJsonObject o{{QStringLiteral("measure"), r.measure},
                      {QStringLiteral("unit"), r.unit},
                      {QStringLiteral("ours"), r.ours},
                      {QStringLiteral("goal"), r.goalText()}};
        if (!r.floorText.isEmpty()) {
            o.insert(QStringLiteral("floor"), r.floor);
            o.insert(QStringLiteral("floorMeasure"), r.floorText);
        }
        if (r.goal == BenchRow::Goal::TimesFloor)
            o.insert(QStringLiteral("ratio"), r.ratio());
        if (r.goal != BenchRow::Goal::Report)
            o.insert(QStringLiteral("met"), r.met());
        if (!r.note.isEmpty())
            o.insert(QStringLiteral("note"), r.note);
        array.append(o);
    }
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    return file.write(QJsonDocument(QJsonObject{{QStringLiteral("rows"), array}}).toJson()) > 0;
}

} // namespace td::bench
