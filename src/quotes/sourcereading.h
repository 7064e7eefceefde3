#pragma once

#include "platform/amount.h"
#include "quotes/pagereader.h"
#include "quotes/quotesource.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace td {

// The entry's texts an address template may use.
struct SourceEntry
{
    QString ticker;
    QString place;
    QString wkn;
    QString isin;
    QString name;
};

// The source's address for an entry: {ticker}, {place}, {symbol} (ticker "."
// place; the ticker alone without a place), {wkn}, {isin} and {name}, each
// percent-encoded. Other braces stay as they are.
QString sourceAddress(const QuoteSource& source, const SourceEntry& entry);

// How one field of a source fared on a page.
struct SourceField
{
    enum class State
    {
        NotAsked, // the source has no such key
        Read,
        NoMatch,  // pattern or path found nothing
        NotNumber // found, but not a number where one is needed
    };
    QString key; // "quote", "change", "previous", "wkn", "isin", "currency"
    State state = State::NotAsked;
    QString text; // as found
};

// What a source reads from one page; fed to the evaluation like the bank's.
struct SourceAnswer
{
    bool quoteRead = false; // false: the page is unreadable
    QString quoteText;      // as found; for a JSON number its German text
    Amount quote;
    // The change as found; computed from the previous close, its German
    // text with two decimals. Empty when neither is given.
    QString changeText;
    Amount dayPct;
    std::optional<QString> wkn;
    std::optional<QString> isin;
    std::optional<QString> currency; // empty: the entry's currency stays
    QList<SourceField> fields;       // quote, change, previous, wkn, isin, currency
    // Why the quote is missing, e.g. "'quote' passt nicht"; "" when read.
    QString failure;

    const SourceField* field(QStringView key) const;
};

// Reads a page with the source's patterns (html: against the raw markup, as
// saved, first capture group) or paths (json). A change that is not given,
// or does not match, is taken from the previous close when that reads, else 0.
SourceAnswer readSourcePage(const QuoteSource& source, const QString& page);

// The page's bytes as text: the charset the reply names, else UTF-8 when the
// bytes are valid UTF-8, else windows-1252.
QString decodeSourcePage(const QByteArray& body, const QByteArray& contentType);

// A number text as the source's decimal setting reads it: blanks, "&nbsp;"
// and a trailing "%" are ignored.
std::optional<Amount> sourceNumber(QStringView text, QuoteSource::Decimal decimal);

// The fields for the evaluation, in the bank reader's form.
QuotePageResult toQuotePageResult(const SourceAnswer& answer);

} // namespace td
