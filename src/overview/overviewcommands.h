#pragma once

#include "session/chartselection.h"
#include "watchlist/watchentry.h"

#include <QList>
#include <QString>

namespace td {

// The preview window's kinds that are overview pages; any other kind is a
// site key.
inline const QString kChartOverview = QStringLiteral("ChartOverview");
inline const QString kBenchmark = QStringLiteral("Benchmark");
inline const QString kFinanceVisualization = QStringLiteral("FinanceVisualization");
inline const QString kIndicesSmallWindow = QStringLiteral("INDICESSMALLWINDOW");

// The four kinds above, compared exactly.
bool isOverviewPageKind(const QString& kind);

// The buttons that collect entries for a new preview window.
enum class OverviewCommand
{
    Charts,    // cmdGo, from lstItems (index 0) or lstStop (index 1)
    Benchmark, // cmdBenchmark, from lstItems
    FinViz,    // cmdFV, from lstItems
};

// The kind the command's window opens with.
QString overviewKind(OverviewCommand command);

// Charts: ticked. Benchmark: Qty not empty, ticked or not. FinViz: ticked
// and Place exactly "NAS", "AME" or "NYS".
bool qualifiesFor(OverviewCommand command, const WatchEntry& entry);

// Replaces the selection with the qualifying entries in list order: the
// texts as they stand, Buying into cSelQuote, Quote into cSelDayPct, B-%
// into cSelBuyPct and, for the benchmark only, Value and +|- into cSelValue
// and cSelChange. A figure whose text is empty or not a number stays 0.
// Charts and FinViz keep the old cSelValue and cSelChange under the new
// entries. Without a qualifying entry the selection is one empty entry.
void fillChartSelection(ChartSelection& selection, const QList<WatchEntry>& entries, OverviewCommand command);

// cmdShowIndex before it opens the index window: ticker and place of element
// 0 emptied, everything else kept.
void clearIndexWindowSymbol(ChartSelection& selection);

// cmdValueOnly keeps "0" or "-1" in its tag, "0" at start. A press recolours
// the entries whose Value is empty: window text when the tag reads true,
// grey 0xC0C0C0 otherwise; then the tag becomes its bitwise complement.
inline constexpr std::uint32_t kValueOnlyGrey = 0xC0C0C0;
inline const QString kValueOnlyStartTag = QStringLiteral("0");
bool isValueOnlyTarget(const WatchEntry& entry);
// True when this press greys (the tag does not read true).
bool valueOnlyGreys(const QString& tag);
QString nextValueOnlyTag(const QString& tag);

} // namespace td
