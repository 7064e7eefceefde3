#pragma once

#include <QList>
#include <QString>

#include <chrono>
#include <functional>

namespace td::bench {

// One line of the table: our figure, the figure it is held against, and the
// goal. Times are milliseconds, memory megabytes, shares percent.
struct BenchRow
{
    enum class Goal
    {
        TimesFloor, // ours <= limit x floor
        Absolute,   // ours < limit
        Share,      // ours (percent of the reference) <= limit
        Above,      // ours - floor <= limit
        Report,     // no goal
    };

    QString measure;
    QString floorText;
    QString unit;
    double ours = 0;
    double floor = 0;
    Goal goal = Goal::Report;
    double limit = 0;
    QString note;

    double ratio() const { return floor > 0 ? ours / floor : 0; }
    bool met() const;
    QString goalText() const;
};

// Shortest wall time of `runs` calls, in milliseconds: other processes only
// ever add time, so the minimum is the figure that repeats. `prepare` runs
// before each call, outside the clock.
double bestMs(int runs, const std::function<void()>& body, const std::function<void()>& prepare = {});

// CPU time the calling thread has used so far, in milliseconds.
double threadCpuMs();

// Median of `runs` fresh child processes of `program`, each started with
// `arguments` and printing a line "<label> <kB>"; in megabytes. A child that
// fails or prints no figure ends the bench.
double childMedianMb(const QString& program, const QStringList& arguments, const QByteArray& label,
                     int timeoutMs, int runs = 3);

void printTable(const QList<BenchRow>& rows);
bool writeJson(const QList<BenchRow>& rows, const QString& path);

} // namespace td::bench
