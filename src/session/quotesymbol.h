#pragma once

#include <QString>

namespace td {

// The symbol the bank's site search and its charts take: Ticker "." Place.
inline QString quoteSymbol(const QString& ticker, const QString& place)
{
    return ticker + u'.' + place;
}

} // namespace td
