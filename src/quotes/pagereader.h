#pragma once

#include "platform/amount.h"

#include <QString>

#include <optional>

namespace td {

// Codes found in the master-data block ("Stammdaten"); each only when the
// block gives one.
struct MasterData
{
    std::optional<QString> wkn;
    std::optional<QString> isin;
};

// What the quote pane reads from one page.
struct QuotePageResult
{
    QString sQuoteText;  // the quote as cut out of the page, currency included
    Amount quote;        // goes to cSelQuote(0)
    QString sChangeText; // day-change text; in the WKN layout the previous close
    Amount dayPct;       // goes to cSelDayPct(0)
    std::optional<QString> wkn;
    std::optional<QString> isin;
    bool dropped = false;  // WKN layout with an unreadable quote: nothing is taken
    bool evaluate = false; // a quote text was read and the page was not dropped
    bool hasKursdaten = false;
};

// What the background pane reads from one page.
struct BackgroundPageResult
{
    QString sBgQuoteText;
    Amount cBgQuote;
    QString sBgChangeText;
    Amount cBgDayPct;
    std::optional<QString> wkn;
    std::optional<QString> isin;
    bool hasKursdaten = false;
    bool quoteRead = false; // cBgQuote came from the page, not left at 0
};

// Reads the bank's quote page markup by its fixed markers and offsets. With
// retryByWkn false the page is the search result for Ticker.Place, with true
// the page found by the search for the WKN, which has another layout.
QuotePageResult readQuotePage(const QString& page, bool retryByWkn);

// The background pane's reading: the search layout without its fallbacks,
// then the "keyelement_kurs_update" layout when a step failed.
BackgroundPageResult readBackgroundPage(const QString& page);

MasterData readMasterData(const QString& page);

// A page that shows a WKN or ISIN other than the one the entry already holds
// is the page of another instrument: nothing on it belongs to the entry.
// Codes are compared without blanks around them and without regard to case.
bool showsOtherInstrument(const QString& entryWkn, const QString& entryIsin, const MasterData& page);

// The WKN layout's day change: (quote - previous) * 100 / previous, the
// difference in fixed point and the division in double, rounded to two
// decimals with ties to even. Nothing for a previous close of 0 or overflow.
std::optional<Amount> dayChangeFromPreviousClose(Amount quote, Amount previous);

} // namespace td
