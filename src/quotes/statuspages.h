#pragma once

#include <QString>

namespace td {

// "about:" documents the main window shows in its panes while pages load.
QString receiveDataPage(const QString& text);
QString noDataPage(const QString& text);

// A chart image that links to the bank's search result for the symbol.
// Ends after "</a>": the pane does not need the closing tags.
QString chartSnippetPage(const QString& searchAddress, const QString& chartAddress);

inline const QString kEmptyPage = QStringLiteral("about:<html><body></body></html>");

} // namespace td
