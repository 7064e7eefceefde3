#pragma once

#include "benchreport.h"

namespace td::bench {

inline constexpr int kListSize = 32767;

// Load, save and sort of a full list in the main window's own model and view.
// The list file holds kListSize entries; workDir takes the saved files.
QList<BenchRow> listRows(const QString& listPath, const QString& workDir);
// Reading one quote page and evaluating it.
BenchRow pageRow();
// The batch check on a loopback server: its speed, and its main-thread CPU
// while the pages take their time.
QList<BenchRow> batchRows();
// Resident set with a full list against the same program with an empty one,
// each measured in a child process of this executable.
BenchRow memoryRow(const QString& program, const QString& listPath);
// The child's side: prints "rss <kB>" and returns the exit code.
int rssChild(bool loaded, const QString& listPath);

// Proportional set size of the program and every process it started, the
// web engine's included: the main window alone and with a preview window
// whose ten tabs are loaded, each against a plain program showing as much.
QList<BenchRow> processMemoryRows(const QString& program);
// The child's side: prints "pss <kB>" and returns the exit code.
int pssChild(const QString& mode);

} // namespace td::bench
