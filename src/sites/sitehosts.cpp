#include "sites/sitehosts.h"

#include <QUrl>

#include <utility>

namespace td {

namespace {

struct SiteDefault
{
    QString key;
    QString host;
};

// Third parties get their public hosts. The maker's own servers and the
// numeric commodities page get reserved documentation names, so that nothing
// reaches a stranger until an address is configured.
const QList<SiteDefault>& defaults()
{
    static const QList<SiteDefault> table = {
        {QStringLiteral("comdirect"), QStringLiteral("https://www.comdirect.de")},
        {QStringLiteral("comdirect-info"), QStringLiteral("https://www.comdirect.de")},
        {QStringLiteral("comdirect-charts"), QStringLiteral("https://isht.comdirect.de")},
        {QStringLiteral("dab"), QStringLiteral("https://www.dab-bank.de")},
        {QStringLiteral("nasdaq"), QStringLiteral("https://www.nasdaq.com")},
        {QStringLiteral("yahoo"), QStringLiteral("https://finance.yahoo.com")},
        {QStringLiteral("yahoo-boards"), QStringLiteral("https://messages.finance.yahoo.com")},
        {QStringLiteral("finviz"), QStringLiteral("https://finviz.com")},
        {QStringLiteral("google"), QStringLiteral("https://www.google.de")},
        {QStringLiteral("google-finance"), QStringLiteral("https://www.google.com")},
        {QStringLiteral("wallstreet-online"), QStringLiteral("https://www.wallstreet-online.de")},
        {QStringLiteral("finanznachrichten"), QStringLiteral("https://www.finanznachrichten.de")},
        {QStringLiteral("happyyuppie"), QStringLiteral("https://www.happyyuppie.com")},
        {QStringLiteral("shortsqueeze"), QStringLiteral("https://shortsqueeze.com")},
        {QStringLiteral("secform4"), QStringLiteral("https://www.secform4.com")},
        {QStringLiteral("seekingalpha"), QStringLiteral("https://seekingalpha.com")},
        {QStringLiteral("stockcharts"), QStringLiteral("https://stockcharts.com")},
        {QStringLiteral("otcbb"), QStringLiteral("https://www.otcbb.com")},
        {QStringLiteral("pcquote"), QStringLiteral("https://www.pcquote.com")},
        {QStringLiteral("maxblue"), QStringLiteral("https://www.maxblue.de")},
        {QStringLiteral("maxblue-options"), QStringLiteral("https://www.maxblue.de")},
        {QStringLiteral("commodities-watcher"), QStringLiteral("http://192.0.2.10")},
        {QStringLiteral("boerse-stuttgart"), QStringLiteral("https://www.boerse-stuttgart.de")},
        {QStringLiteral("euwax"), QStringLiteral("https://www.euwax.de")},
        {QStringLiteral("welt"), QStringLiteral("https://www.welt.de")},
        {QStringLiteral("boerse-go"), QStringLiteral("https://www.boerse-go.de")},
        {QStringLiteral("maker-home"), QStringLiteral("https://www.tickerdeck.example")},
        {QStringLiteral("maker-download"), QStringLiteral("https://download.tickerdeck.example")},
        {QStringLiteral("maker-web"), QStringLiteral("https://web.tickerdeck.example")},
    };
    return table;
}

// A stored value is taken only as a bare http(s) origin: anything with a path,
// query, user name or another scheme (file:, javascript:) is refused.
QString normalisedOrigin(const QString& value)
{
    const QString text = value.trimmed();
    if (!text.contains(u"://"))
        return {};
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty() || !url.userInfo().isEmpty())
        return {};
    if (url.scheme() != u"http" && url.scheme() != u"https")
        return {};
    if ((!url.path().isEmpty() && url.path() != u"/") || url.hasQuery() || url.hasFragment())
        return {};
    return url.adjusted(QUrl::RemovePath).toString(QUrl::FullyEncoded);
}

} // namespace

const QStringList& siteKeys()
{
    static const QStringList keys = [] {
        QStringList list;
        for (const SiteDefault& site : defaults())
            list.append(site.key);
        return list;
    }();
    return keys;
}

QString defaultSiteHost(const QString& key)
{
    for (const SiteDefault& site : defaults()) {
        if (site.key == key)
            return site.host;
    }
    return {};
}

QString siteHost(const SettingsStore& hosts, const QString& key)
{
    const QString stored = normalisedOrigin(hosts.read(key, QString()));
    return stored.isEmpty() ? defaultSiteHost(key) : stored;
}

QString siteAddress(const SettingsStore& hosts, const QString& key, const QString& path, const QString& query)
{
    const QString host = siteHost(hosts, key);
    if (host.isEmpty())
        return {};
    QString address = host + path;
    if (!query.isEmpty())
        address += u'?' + query;
    return address;
}

QString quoteSearchAddress(const SettingsStore& hosts, const QString& searchValue)
{
    return siteAddress(hosts, QStringLiteral("comdirect"), QStringLiteral("/inf/search/all.html"),
                       QStringLiteral("SEARCH_VALUE=") + searchValue + QStringLiteral("&x=11&y=7"));
}

QString nasdaqLastSaleAddress(const SettingsStore& hosts, const QString& ticker)
{
    return siteAddress(hosts, QStringLiteral("nasdaq"), QStringLiteral("/aspx/nasdaqlastsale.aspx"),
                       QStringLiteral("symbol=") + ticker + QStringLiteral("&selected=") + ticker);
}

} // namespace td
