#pragma once

#include "quotes/evaluation.h"
#include "quotes/quotesource.h"

#include <QString>

#include <optional>

namespace td {

// Why a quote page is loaded; it picks the reading rules and who evaluates.
enum class QuotePurpose
{
    Selection, // the first try for a selected entry: the search for Ticker.Place
    WknRetry,  // the selection's second try, by WKN: another page layout
    Batch,
    Background,
};

// One quote page load for one entry. The entry is named by its id, which
// stays valid while the list is sorted or edited under the load.
struct QuoteRequest
{
    quint64 entryId = 0;
    QuotePurpose purpose = QuotePurpose::Selection;
    QString address;
    // The user-written source the page comes from and is read by; none: the
    // bank, read by its fixed layouts.
    std::optional<QuoteSource> source = std::nullopt;
    QString symbol = {}; // the entry's Ticker.Place, for a source's unreadable page
};

// What one page gave for its request.
struct QuoteAnswer
{
    QuoteRequest request;
    // A quote was read and is to be evaluated; otherwise `why` says why not.
    bool read = false;
    QString why;
    // The pane's error for the page (the HTTP status, or a transfer failure); 0: none.
    int errorCode = 0;
    QuoteFigures figures;
    // The page was a quote page (">Kursdaten<"): the selection tries by WKN otherwise.
    bool hasKursdaten = false;
    // Nothing may be taken from the page, not even its codes.
    bool dropped = false;
    // The page shows a WKN or ISIN other than the entry's own.
    bool otherInstrument = false;
    std::optional<QString> wkn;
    std::optional<QString> isin;
};

// Reads a loaded page for its request: by the request's source, else with
// the bank layout its purpose needs.
QuoteAnswer readQuoteAnswer(const QuoteRequest& request, const QString& markup);

// "Quelle 'name': what", how every failure of a user-written source reads.
QString sourceFailure(const QString& sourceName, const QString& what);

// What the entry holding these codes may take from its answer: nothing from
// another instrument's page, and codes only with a quote, since a search
// result without one may be any instrument's page.
QuoteAnswer fittedToEntry(QuoteAnswer answer, const QString& heldWkn, const QString& heldIsin);

} // namespace td
