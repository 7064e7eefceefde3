#pragma once

#include "watchlist/watchentry.h"

#include <QString>

namespace td {

// The info window's text: name, symbol, identifiers, buying data, quote, value
// and change, CR LF between lines. Optional lines are left out whole; the
// currency follows each figure without a blank.
QString infoText(const WatchEntry& entry);

// The hover box's short form: name, symbol, WKN and ISIN.
QString hoverText(const WatchEntry& entry);

// The info text as a small HTML page for the export, every line escaped.
QString infoHtmlPage(const QString& text);

} // namespace td
