#pragma once

#include <QByteArray>
#include <QString>

namespace td::fuzz {

// Each check feeds one input through a reader and returns what went wrong
// ("" when nothing did). Memory and undefined-behaviour faults are left to
// the sanitizers; these catch results that break the reader's own promises.
// The fuzz targets and the regression test share them.

// Ticker-list bytes: read, write back and read again.
QString checkTickerFile(const QByteArray& data);
// Quote page bytes: both layouts, the background reading, the master data,
// and the evaluation of what was read.
QString checkQuotePage(const QByteArray& data);
// Signal page bytes, both panes.
QString checkSignalPage(const QByteArray& data);
// Lines: a ticker line (the entry), the quote text, the day change, the
// threshold, flags. The evaluation of those against each other.
QString checkEvaluation(const QByteArray& data);
// Link-file bytes: one item per line, valid items only with allowed
// addresses, and the valid lines written back read the same.
QString checkLinkFile(const QByteArray& data);

// Lines: an address for the chart history's identifier, then ticker lines.
// The identifier's bounds, and the overview pages of those entries: entry
// texts never add markup.
QString checkOverviewPage(const QByteArray& data);

// Version file bytes: the reading and the update box that shows it.
QString checkVersionFile(const QByteArray& data);

// What a later start hands the running copy: the path read, and the path
// sent again reads the same.
QString checkHandedLine(const QByteArray& data);
// Quote-sources file bytes: every source kept works, and the sources written
// back read the same.
QString checkQuoteSources(const QByteArray& data);
// Source keys, a line "----", then page bytes: both formats read the page, and
// what is read keeps the answer's promises; the address built from the
// page's first line stays one address.
QString checkSourcePage(const QByteArray& data);

} // namespace td::fuzz
