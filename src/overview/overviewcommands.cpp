#include "overview/overviewcommands.h"

#include "platform/amount.h"

namespace td {

namespace {

Amount figure(const QString& text)
{
    if (text.isEmpty())
        return {};
    return parseGerman(text).value_or(Amount());
}

} // namespace

bool isOverviewPageKind(const QString& kind)
{
    return kind == kChartOverview || kind == kBenchmark || kind == kFinanceVisualization ||
           kind == kIndicesSmallWindow;
}

QString overviewKind(OverviewCommand command)
{
    switch (command) {
    case OverviewCommand::Charts:
        return kChartOverview;
    case OverviewCommand::Benchmark:
        return kBenchmark;
    case OverviewCommand::FinViz:
        return kFinanceVisualization;
    }
    return {};
}

bool qualifiesFor(OverviewCommand command, const WatchEntry& entry)
{
    switch (command) {
    case OverviewCommand::Charts:
        return entry.checked;
    case OverviewCommand::Benchmark:
        return !entry.columns[ColQty].isEmpty();
    case OverviewCommand::FinViz: {
        const QString& place = entry.columns[ColPlace];
        return entry.checked && (place == u"NAS" || place == u"AME" || place == u"NYS");
    }
    }
    return false;
}

void fillChartSelection(ChartSelection& selection, const QList<WatchEntry>& entries, OverviewCommand command)
{
    const bool benchmark = command == OverviewCommand::Benchmark;
    ChartSelection filled; // one empty entry, kept when none qualifies
    if (!benchmark) {
        filled.cSelValue = selection.cSelValue;
        filled.cSelChange = selection.cSelChange;
    }
    int n = 0;
    for (const WatchEntry& e : entries) {
        if (!qualifiesFor(command, e))
            continue;
        if (n == 0) {
            filled.sSelName.clear();
            filled.sSelTicker.clear();
            filled.sSelPlace.clear();
            filled.sSelWKN.clear();
            filled.sSelISIN.clear();
            filled.cSelQuote.clear();
            filled.cSelDayPct.clear();
            filled.cSelBuyPct.clear();
            if (benchmark) {
                filled.cSelValue.clear();
                filled.cSelChange.clear();
            }
        }
        filled.sSelName.append(e.columns[ColName]);
        filled.sSelTicker.append(e.columns[ColTicker]);
        filled.sSelPlace.append(e.columns[ColPlace]);
        filled.sSelWKN.append(e.columns[ColWkn]);
        filled.sSelISIN.append(e.columns[ColIsin]);
        filled.cSelQuote.append(figure(e.columns[ColBuying]));
        filled.cSelDayPct.append(figure(e.columns[ColQuote]));
        // B-% is stored only when its value is not 0: the converted value
        // either way ("0,50" is a value, not the leading 0 of a text).
        filled.cSelBuyPct.append(figure(e.columns[ColBPct]));
        if (benchmark) {
            filled.cSelValue.append(figure(e.columns[ColValue]));
            filled.cSelChange.append(figure(e.columns[ColPlusMinus]));
        }
        ++n;
    }
    // The kept figures are cut or padded to the entries, so the lists stay parallel.
    const qsizetype count = filled.sSelTicker.size();
    filled.cSelValue.resize(count);
    filled.cSelChange.resize(count);
    selection = filled;
}

void clearIndexWindowSymbol(ChartSelection& selection)
{
    if (selection.sSelTicker.isEmpty())
        selection.sSelTicker.append(QString());
    if (selection.sSelPlace.isEmpty())
        selection.sSelPlace.append(QString());
    selection.sSelTicker[0].clear();
    selection.sSelPlace[0].clear();
}

bool isValueOnlyTarget(const WatchEntry& entry)
{
    return entry.columns[ColValue].isEmpty();
}

bool valueOnlyGreys(const QString& tag)
{
    return !parseBoolean(tag).value_or(false);
}

QString nextValueOnlyTag(const QString& tag)
{
    const auto number = parseGerman(tag);
    if (!number)
        return tag;
    const qint64 whole = number->roundedToEven(0).raw() / Amount::Scale;
    return QString::number(~whole);
}

} // namespace td
