#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace td {

// "--test-source NAME TICKER [PLACE]": loads the source's address for that
// entry and prints the address, the HTTP status and every field as read or
// "no match". Returns 0 when a quote was read, 1 when the page gave none, 2
// for an unknown or broken source, a missing file or wrong arguments. `args`
// are the option's values: NAME, TICKER and an optional PLACE. Needs a
// QCoreApplication; no window and no web engine.
int runSourceTest(const QString& sourcesFile, const QStringList& args, QTextStream& out,
                  int timeoutMs = 20000);

} // namespace td
