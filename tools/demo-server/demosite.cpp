#include "demosite.h"

#include "chartimage.h"
#include "platform/textfile.h"
#include "sites/resourcepane.h"
#include "sites/sitecatalogue.h"
#include "sourcepages.h"

#include <QUrlQuery>

#include <array>

namespace td::demo {

namespace {

const QByteArray kHtml = "text/html; charset=windows-1252";

HttpReply htmlReply(const QString& page)
{
    return {200, kHtml, encodeWindows1252(page)};
}

QString queryValue(const QUrlQuery& query, const QString& key)
{
    return query.queryItemValue(key, QUrl::FullyDecoded);
}

// The chart services name their symbol in different fields.
QString chartSymbol(const QUrlQuery& query)
{
    for (const char* key : {"sSym", "sym1", "lSyms", "symbol", "sSearchterm"}) {
        const QString value = queryValue(query, QString::fromLatin1(key));
        if (!value.isEmpty())
            return value;
    }
    return {};
}

bool isChartImagePath(const QString& path)
{
    return path.endsWith(u"/popup_intrachart") || path.endsWith(u"/detailchart") ||
           path == u"/charts/big.chart";
}

bool isChartPagePath(const QString& path)
{
    return path == u"/html/search/main.html" || path == u"/html/detail/main.html" ||
           path == u"/html/is_snippet_chartmodul.html";
}

// Paths of the research sites, the resources and the quick search: "{" in a
// template starts a value, so the fixed part before it must match.
bool matchesTemplate(const QString& path, bool hasQuery, const SitePage& page)
{
    if (page.host.isEmpty())
        return false;
    const QString fixed = page.path.section(u'?', 0, 0);
    const qsizetype brace = fixed.indexOf(u'{');
    if (brace >= 0)
        return brace > 1 && path.startsWith(fixed.left(brace));
    if (fixed == u"/")
        return hasQuery;
    return path == fixed;
}

bool isResearchPath(const QString& path, bool hasQuery)
{
    const auto matches = [&](const SitePage& page) {
        return matchesTemplate(path, hasQuery, page);
    };
    for (const SiteRow& row : siteCatalogue()) {
        if (matches(row.page))
            return true;
    }
    for (const PreviewTab& tab : previewTabs()) {
        if (matches(tab.page))
            return true;
    }
    for (const SearchDestination& d : searchDestinations()) {
        if (matches(d.page))
            return true;
    }
    for (const QString& name : resourceNames()) {
        if (matches(*resourcePage(name)))
            return true;
    }
    return false;
}

} // namespace

QString signalWord(const QString& isin)
{
    static const std::array<QString, 5> kWords = {QStringLiteral("kaufen"), QStringLiteral("akkumulieren"),
                                                  QStringLiteral("halten"), QStringLiteral("reduzieren"),
                                                  QStringLiteral("verkaufen")};
    if (isin.isEmpty())
        return {};
    return kWords[stableHash(isin.toUpper()) % kWords.size()];
}

DemoSite::DemoSite(QuoteBook& book, QString quoteLayout, QString versionText, QByteArray tickerList)
    : m_book(book), m_quoteLayout(std::move(quoteLayout)), m_versionText(std::move(versionText)),
      m_tickerList(std::move(tickerList))
{
}

HttpReply DemoSite::answer(const QUrl& target)
{
    const QString path = target.path();
    const QUrlQuery query(target);
    if (std::optional<HttpReply> reply = answerSourcePage(m_book, target))
        return *reply;
    if (path == u"/inf/search/all.html")
        return siteSearch(queryValue(query, QStringLiteral("SEARCH_VALUE")).trimmed());
    // The forecast search shares the signal page's path; only the signal asks by ISIN.
    if (path == u"/cgi-bin/de/search.pl" && query.hasQueryItem(QStringLiteral("isin")))
        return signalPage(queryValue(query, QStringLiteral("isin")).trimmed());
    if (isChartImagePath(path))
        return chartImage(chartSymbol(query));
    if (isChartPagePath(path))
        return chartPage(chartSymbol(query));
    if (path == u"/screener.ashx")
        return screenerPage(queryValue(query, QStringLiteral("t")));
    if (path == u"/version.txt")
        return {200, "text/plain; charset=us-ascii", m_versionText.toLatin1() + "\r\n"};
    if (path == u"/TDCK.exe")
        return {200, "application/octet-stream",
                "Tickerdeck demo program file: a stand-in, not a program.\r\n"};
    if (path == u"/tic/all.tic")
        return {200, "application/octet-stream", m_tickerList};
    if (path.startsWith(u"/bilder/tdck/tdck") && path.endsWith(u".jpg")) {
        bool ok = false;
        const int number = path.mid(17, path.size() - 21).toInt(&ok);
        if (ok && number >= 1 && number <= 25)
            return {200, "image/png", bannerPng(number)};
    }
    if (isResearchPath(path, target.hasQuery()))
        return htmlReply(QStringLiteral("<HTML><HEAD><TITLE>Demo</TITLE></HEAD><BODY><H1>") +
                         target.toString(QUrl::RemoveScheme | QUrl::RemoveAuthority).toHtmlEscaped() +
                         QStringLiteral("</H1></BODY></HTML>"));
    return {404, {}, {}};
}

HttpReply DemoSite::siteSearch(const QString& searchValue)
{
    Instrument* in = m_book.find(searchValue);
    if (!in) {
        // A result list, not a quote page: no price data in it.
        return htmlReply(QStringLiteral("<HTML><HEAD><TITLE>Suche</TITLE></HEAD><BODY><H1>Suchergebnis</H1>"
                                        "<P>Keine Treffer f&uuml;r &quot;") +
                         searchValue.toHtmlEscaped() + QStringLiteral("&quot;.</P></BODY></HTML>"));
    }
    m_book.drift(*in);
    const double change = (in->price - in->previousClose) * 100.0 / in->previousClose;
    QString page = m_quoteLayout;
    page.replace(QStringLiteral("@NAME@"), in->name.toHtmlEscaped());
    page.replace(QStringLiteral("@QUOTE@"), germanPrice(in->price));
    page.replace(QStringLiteral("@CURRENCY@"), in->currency.toHtmlEscaped());
    page.replace(QStringLiteral("@CHANGE@"), germanPercent(change));
    page.replace(QStringLiteral("@WKN@"), in->wkn.toHtmlEscaped());
    page.replace(QStringLiteral("@ISIN@"), in->isin.toHtmlEscaped());
    return htmlReply(page);
}

HttpReply DemoSite::signalPage(const QString& isin) const
{
    const QString word = signalWord(isin);
    QString page =
        QStringLiteral("<HTML><HEAD><TITLE>Prognose</TITLE></HEAD><BODY><TABLE><TR><TD>ISIN</TD><TD>") +
        isin.toHtmlEscaped() + QStringLiteral("</TD></TR>");
    if (!word.isEmpty())
        page += QStringLiteral("<TR><TD>Signal</TD><TD><B>") + word + QStringLiteral("</B></TD></TR>");
    page += QStringLiteral("</TABLE></BODY></HTML>");
    return htmlReply(page);
}

HttpReply DemoSite::chartPage(const QString& symbol) const
{
    QUrlQuery imageQuery;
    imageQuery.addQueryItem(QStringLiteral("sSym"), symbol);
    const QString image = QStringLiteral("/charts/big.chart?") + imageQuery.toString(QUrl::FullyEncoded);
    return htmlReply(QStringLiteral("<HTML><HEAD><TITLE>Chart</TITLE></HEAD><BODY><H3>") +
                     symbol.toHtmlEscaped() + QStringLiteral("</H3><IMG src=\"") + image.toHtmlEscaped() +
                     QStringLiteral("\" border=\"0\"></BODY></HTML>"));
}

// The screener's chart view: one chart per ticker, in the order asked.
HttpReply DemoSite::screenerPage(const QString& tickers) const
{
    QString page = QStringLiteral("<HTML><HEAD><TITLE>Screener</TITLE></HEAD><BODY><H3>Screener: ") +
                   tickers.toHtmlEscaped() + QStringLiteral("</H3>");
    for (const QString& ticker : tickers.split(u',', Qt::SkipEmptyParts)) {
        QUrlQuery imageQuery;
        imageQuery.addQueryItem(QStringLiteral("sSym"), ticker);
        const QString image = QStringLiteral("/charts/big.chart?") + imageQuery.toString(QUrl::FullyEncoded);
        page += QStringLiteral("<DIV style=\"display:inline-block; margin:4px\"><B>") +
                ticker.toHtmlEscaped() + QStringLiteral("</B><BR><IMG src=\"") + image.toHtmlEscaped() +
                QStringLiteral("\"></DIV>");
    }
    return htmlReply(page + QStringLiteral("</BODY></HTML>"));
}

HttpReply DemoSite::chartImage(const QString& symbol)
{
    const Instrument* in = m_book.find(symbol);
    return {200, "image/png", chartPng(symbol, in ? in->price : 0.0)};
}

} // namespace td::demo
