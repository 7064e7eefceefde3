#pragma once

#include "watchlist/watchentry.h"

#include <QByteArray>
#include <QList>

namespace td {

// Positions are 16-bit: a watch list holds at most this many entries.
inline constexpr int kMaxEntries = 32767;

// One line of a ticker-list file: 17 fields separated by ";".
WatchEntry parseTickerLine(QStringView line, bool autoCheck);
QString formatTickerLine(const WatchEntry& entry);

struct TickerFileContent
{
    QList<WatchEntry> entries;
    int linesOverLimit = 0; // lines not taken because the list was full
};

// Reads the entries of a file's bytes (windows-1252; lines end in CR LF, LF
// or CR). Empty lines are skipped; at most `capacity` entries are taken.
TickerFileContent parseTickerFile(const QByteArray& bytes, bool autoCheck, int capacity = kMaxEntries);
// The entries a file's bytes hold, without reading them.
int countTickerEntries(const QByteArray& bytes);

// The whole file: every line, the last included, ends in CR LF.
QByteArray formatTickerFile(const QList<WatchEntry>& entries);

// The format has no escaping: a ";" would shift the fields and a line break
// would split the entry, so neither is ever written.
QString sanitizeField(QString text);

} // namespace td
