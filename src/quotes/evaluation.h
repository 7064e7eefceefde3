#pragma once

#include "platform/amount.h"
#include "watchlist/watchentry.h"

#include <QString>

#include <optional>

namespace td {

// The figures read from a quote page: the foreground's cSelQuote(0),
// cSelDayPct(0) and sQuoteText, or the background's cBgQuote, cBgDayPct and
// sBgQuoteText.
struct QuoteFigures
{
    Amount quote;
    Amount dayPct;
    QString quoteText;
    // Cur comes from the text after the quote on the bank's pages; a
    // user-written source gives it as a field of its own, or leaves Cur alone.
    bool currencyFromText = true;
    std::optional<QString> currency = std::nullopt; // when not from the text
};

struct EvaluationOptions
{
    bool quoteBold = false; // chkAktQuoteColorBold
    QString thresholdText;  // txtMaxMinChange, percent
    bool markMinMaxChange = false;
    // The run state of the check that feeds this evaluation: cmdCheckAllQuotes
    // showing "0" for the foreground, cmdCheckAllQuotesHintergrund for the
    // background twin.
    bool batchRunning = false;
};

struct EvaluationResult
{
    WatchEntry entry;   // new columns, styles, icon and checked state
    bool alarm = false; // the change since buying reached the threshold
    QString currency;   // the entry's new column 9
};

// vEvaluateQuote without its window parts. Each step whose conversion,
// division or arithmetic fails leaves its column as it was.
//
// The window does not call it while start-up runs (the background twin has
// no such guard). Around the call, in this order:
//  1. write result.entry into the list row (columns,
//     styles, icon, checked); let pending events run once;
//  2. if result.alarm: when no batch runs and the stop list is not empty,
//     search the stop list from its first entry for an entry whose text
//     equals the entry's name exactly, stopping at the first match; let
//     pending events run once; if there was no match (always so during a
//     batch, which emptied the stop list), add makeStopEntry(result.entry,
//     position) and show the "stop" image on the
//     stop-list tab.
// makeStopEntry already carries the new currency in column 9, which the
// evaluation's last step would copy into oStopCopy.
EvaluationResult evaluateQuote(const WatchEntry& entry, const QuoteFigures& figures,
                               const EvaluationOptions& options);

// vEvaluateQuoteBackground: the same with columns 5 to 9 starting as "n/a",
// so a step that fails shows "n/a". WKN and ISIN stay untouched. The caller
// applies the result as above with the background button's run state.
EvaluationResult evaluateQuoteBackground(const WatchEntry& entry, const QuoteFigures& figures,
                                         const EvaluationOptions& options);

// After the buying price was edited: B-Chg and B-%, their colours and the
// icon from the Quote and Buying columns as they stand, by the evaluation's
// rules. Nothing changes unless both are set; the alarm is left to the next
// quote.
WatchEntry withBuyingChange(WatchEntry entry);

// The stop-list entry for an evaluated watch-list entry at the given
// position (from 1): name, icon, columns 1 to 9, styles of columns 5 to 8,
// checked state.
WatchEntry makeStopEntry(const WatchEntry& evaluated, int position);

// The currency after the quote: the text after "&nbsp;", else after the
// first blank, trimmed; "" when the quote text has neither.
QString currencyFromQuoteText(const QString& quoteText);

} // namespace td
