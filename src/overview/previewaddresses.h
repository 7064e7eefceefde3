#pragma once

#include "overview/previewrules.h"
#include "platform/settingsstore.h"

#include <QList>
#include <QString>

namespace td {

// FINVIZ's screener for tickers already joined with ",": query
// "v=212&t=" tickers "&o=company", tickers unencoded.
QString finvizScreenerAddress(const SettingsStore& hosts, const QString& tickers);
// The FinanceVisualization page: every entry's ticker, empty ones keeping
// their place ("AAPL,,MSFT").
QString joinedTickers(const QList<PreviewEntry>& entries);
// "all" (cmdFinVizAll): the tickers of the chooser items at "NAS", "AME" or
// "NYS", each followed by "," unless it is the chooser's last item.
QString usTickersOfChooser(const QList<ChooserItem>& items);

// The identifier "hist" reads from tab 0's address: what follows
// "ID_NOTATION=" (any case), at most 30 characters, ending before the next
// "&", trimmed. Empty when the address has none.
QString idNotation(const QString& address);
// The box shown when the identifier is empty.
QString noIdNotationMessage(const QString& identifier);
// The bank's one-year candle chart page; without an identifier only
// "ID_NOTATION=" is sent.
QString histChartAddress(const SettingsStore& hosts, const QString& identifier);

// The index window's page: the chart host's index snippet.
QString indexSnippetAddress(const SettingsStore& hosts);

} // namespace td
