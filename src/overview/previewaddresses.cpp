#include "overview/previewaddresses.h"

#include "sites/sitehosts.h"

#include <QStringList>

namespace td {

QString finvizScreenerAddress(const SettingsStore& hosts, const QString& tickers)
{
    return siteAddress(hosts, QStringLiteral("finviz"), QStringLiteral("/screener.ashx"),
                       QStringLiteral("v=212&t=") + tickers + QStringLiteral("&o=company"));
}

QString joinedTickers(const QList<PreviewEntry>& entries)
{
    QStringList tickers;
    for (const PreviewEntry& entry : entries)
        tickers.append(entry.ticker);
    return tickers.join(u',');
}

QString usTickersOfChooser(const QList<ChooserItem>& items)
{
    QString tickers;
    for (qsizetype i = 0; i < items.size(); ++i) {
        const QStringList fields = items[i].tag.split(u';');
        const QString place = fields.value(1);
        if (place != u"NAS" && place != u"AME" && place != u"NYS")
            continue;
        tickers += fields.value(0);
        if (i != items.size() - 1)
            tickers += u',';
    }
    return tickers;
}

QString idNotation(const QString& address)
{
    const QString marker = QStringLiteral("ID_NOTATION=");
    const qsizetype at = address.indexOf(marker, 0, Qt::CaseInsensitive);
    if (at < 0)
        return {};
    QString identifier = address.mid(at + marker.size(), 30);
    // What follows the next "&" belongs to other parameters, not to the identifier.
    const qsizetype end = identifier.indexOf(u'&');
    if (end >= 0)
        identifier.truncate(end);
    return identifier.trimmed();
}

QString noIdNotationMessage(const QString& identifier)
{
    return QStringLiteral("no ID_NOTATION found\r\nID_NOTATION:\r\n") + identifier;
}

QString histChartAddress(const SettingsStore& hosts, const QString& identifier)
{
    QString query = QStringLiteral("ID_NOTATION=") + identifier;
    if (!identifier.isEmpty()) {
        query += QStringLiteral(
            "&timeSpan=1Y&chartType=candle&openerPageId=aktien.detail.chart_kd.middle&BRANCHEN_FILTER=false"
            "&ID_NOTATION_INDEX=&interactivequotes=false&fixAverage0=18&fixAverage1=38&useFixAverage=false"
            "&freeAverage0=38&freeAverage1=100&freeAverage2=200&chartIndicator=BB"
            "&indicatorsBelowChart=VOLUME_ALL&indicatorsBelowChart=RSI&indicatorsBelowChart=MOM"
            "&indicatorsBelowChart=MACD&indicatorsBelowChart=FST&indicatorsBelowChart=SST");
    }
    return siteAddress(hosts, QStringLiteral("comdirect"), QStringLiteral("/inf/aktien/detail/chart_kd.html"),
                       query);
}

QString indexSnippetAddress(const SettingsStore& hosts)
{
    return siteAddress(hosts, QStringLiteral("comdirect-charts"),
                       QStringLiteral("/html/is_snippet_chartmodul.html"));
}

} // namespace td
