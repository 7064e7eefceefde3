#pragma once

#include "watchlist/watchentry.h"

#include <QLocale>
#include <QString>

namespace td {

// The info window's text: name, symbol, identifiers, buying data, quote, value
// and change, then the quote's age, CR LF between lines. Optional lines are
// left out whole; the currency follows each figure without a blank.
QString infoText(const WatchEntry& entry, const QDateTime& now, const QLocale& locale = QLocale::system());

// The hover box's short form: name, symbol, WKN and ISIN, then the quote's age.
QString hoverText(const WatchEntry& entry, const QDateTime& now, const QLocale& locale = QLocale::system());

// When the quote was read ("Kurs von 14:05:09", the date too when not from
// `now`'s day) and whether the last read failed; empty before any read.
QString quoteAgeLine(const QuoteAge& age, const QDateTime& now, const QLocale& locale = QLocale::system());

// The info text as a small HTML page for the export, every line escaped.
QString infoHtmlPage(const QString& text);

} // namespace td
