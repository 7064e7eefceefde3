#pragma once

#include "platform/settingsstore.h"

#include <QString>
#include <QStringList>

namespace td {

// Every outside site is reached through one entry of the settings section
// "Hosts": key = site key, value = "scheme://host[:port]". Tests and offline
// demos point the keys at a loopback server; an absent or unusable value falls
// back to the built-in default.

// The known site keys, in a stable order.
const QStringList& siteKeys();

// The built-in "scheme://host" of a known key; empty for an unknown key.
QString defaultSiteHost(const QString& key);

// The stored value when it is a plain http(s) scheme://host[:port], otherwise
// the default. Normalised: scheme and host in lower case, no trailing "/".
QString siteHost(const SettingsStore& hosts, const QString& key);

// scheme://host[:port] + path + ("?" + query when query is not empty). Path
// and query are used exactly as given: the callers' texts already carry their
// own separators and are sent unencoded. Empty when the key is unknown and no
// usable value is stored for it.
QString siteAddress(const SettingsStore& hosts, const QString& key, const QString& path,
                    const QString& query = {});

// The bank's site search for a quote symbol or a WKN: the quote page.
QString quoteSearchAddress(const SettingsStore& hosts, const QString& searchValue);
// Nasdaq's last-sale page of a ticker.
QString nasdaqLastSaleAddress(const SettingsStore& hosts, const QString& ticker);

} // namespace td
