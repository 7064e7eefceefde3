#pragma once

#include "watchlist/watchentry.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace td::bench {

// A ticker-list file of `count` made-up but realistic entries: unique
// tickers, German amounts, about a fifth never fetched (quote columns empty).
QByteArray tickerListFile(int count, bool allTicked);

// The address path and query the batch check asks for an entry.
QString searchTarget(const WatchEntry& entry);

// The quote page the bank would answer for an entry (the fixture template).
QByteArray quotePageFor(const WatchEntry& entry);

// Writes bytes to a file; false on failure.
bool writeBytes(const QString& path, const QByteArray& bytes);

} // namespace td::bench
