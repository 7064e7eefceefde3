#include "sites/sitecatalogue.h"

namespace td {

namespace {

SitePage page(const char* host, const char* path)
{
    return {QString::fromLatin1(host), QString::fromLatin1(path)};
}

SiteRow row(const char* key, int tab, bool once, SitePage page)
{
    return {QString::fromLatin1(key), tab, once, std::move(page), {}, false};
}

const SiteRow& rowOf(const QString& key)
{
    for (const SiteRow& r : siteCatalogue()) {
        if (r.key == key)
            return r;
    }
    static const SiteRow none;
    return none;
}

} // namespace

const SitePage& bankSymbolSearchPage()
{
    static const SitePage p = page("comdirect", "/inf/search/all.html?SEARCH_VALUE={Symbol}&x=11&y=7");
    return p;
}

const SitePage& bankWknSearchPage()
{
    static const SitePage p = page("comdirect", "/inf/search/all.html?SEARCH_VALUE={WKN}&x=11&y=7");
    return p;
}

const SitePage& technicalChartPage()
{
    static const SitePage p = page(
        "comdirect-info",
        "/html/detail/main.html?hist={Months}m&sSym={Symbol}&DEBUG=0&asc=lin&avg1=38&avg2=100&avg3=200"
        "&avgtype=simple&cmpId=3628,1&dsc=abs&iJcfcode=48199&ind=BB&ind0=VOLUME&ind1=MACD&ind2=RSI&ind3=FST"
        "&ind4=MOM&ind5=WILLIAMS&more=1&sCat=STK&sPageType=extended&sTab=chart&type=candle");
    return p;
}

const QList<SiteRow>& siteCatalogue()
{
    static const QList<SiteRow> rows = [] {
        constexpr bool once = true;
        constexpr bool always = false;
        QList<SiteRow> r = {
            row("W:OForum", 2, once, page("wallstreet-online", "/community/search.php?instrument={WKN}")),
            row("YBSUMMARY", 3, once, page("yahoo", "/q?s={Ticker}")),
            row("YBMESSAGE", 3, once, page("yahoo-boards", "/mb/{Ticker}")),
            row("YBHEADLINES", 3, once, page("yahoo", "/q/h?s={Ticker}")),
            row("YBTechnicalAnalysis", 3, once,
                page("yahoo", "/q/ta?s={Ticker}&t=1y&l=off&z=m&q=c&p=b,v,m50,m20&a=m26-12-9,r14,fs&c=")),
            row("NASDAQ", 1, once, page("nasdaq", "/asp/quotes_sec.asp?mode=frameset&symbol={Ticker}")),
            row("NASDAQREALTIMESECFILLINGS", 1, once,
                page("nasdaq",
                     "/asp/quotes_sec.asp?mode=frameset&symbol={Ticker}&page=filings&selected={Ticker}")),
            row("NASDAQAfterHoursTrading", 1, once,
                page("nasdaq", "/aspxcontent/ExtendedTradingTrades.aspx?selected={Ticker}&mkttype=after")),
            row("NASDAQPreMarketTrading", 1, once,
                page("nasdaq", "/aspxcontent/ExtendedTradingTrades.aspx?selected={Ticker}&mkttype=pre")),
            row("NASDAQAnalystResearch", 1, once,
                page("nasdaq", "/earnings/analyst_summary.asp?symbol={Ticker}&selected={Ticker}")),
            row("NASDAQRealTimeStockQuotes", 1, once,
                page("nasdaq", "/aspx/nasdaqlastsale.aspx?symbol={Ticker}&selected={Ticker}")),
            row("NASDAQRevenueEPSSummary", 1, once,
                page("nasdaq", "/aspx/RevenueEPSSummary.aspx?mode=&kind=&symbol={Ticker}&FormType=&mkttype="
                               "&pathname=&page=redpage&selected={Ticker}")),
            row("NASDAQHoldingsSummary", 1, once,
                page("nasdaq", "/asp/Holdings.asp?mode=&kind=&symbol={Ticker}&FormType=&mkttype=&pathname="
                               "&page=holdingssummary&selected={Ticker}")),
            row("PCQuoteRealTime", 0, always, page("pcquote", "/stocks/quote.php?symbol={Ticker}")),
            row("InsiderBuys", 6, once, page("secform4", "/insider/showhistory.php?cik={Ticker}")),
            row("ComdirectIntradayChart", 0, once, bankSymbolSearchPage()),
            row("SEARCH", 0, always,
                page("comdirect-info", "/html/search/main.html?ad=&koop=&sCat=ALL&sSearchterm={Ticker}")),
            // The option search's own address goes in as it stands, unencoded.
            row("maxblueoption", 0, always,
                page("maxblue", "/?directJump={Host:maxblue-options}/is-asp/mare0015.html?wosid=&basiswert="
                                "{Symbol}")),
            row("Resources", 0, always, page("commodities-watcher", "/commodities-watcher/index.html")),
            row("Indices", 0, always, page("boerse-stuttgart", "/index.html")),
            row("Glossary", 0, always, page("euwax", "/glossar/glossar_window.php?unten=a")),
            row("calendar", 0, always, page("welt", "/termine_uebersicht.asp?datum={Date}")),
            row("News", 9, always, page("finanznachrichten", "/nachrichten/index.asp")),
            row("NewsItem", 9, once, page("finanznachrichten", "/suche/suchergebnis.asp?words={WKN}")),
            row("Forecast", 0, always, page("happyyuppie", "/cgi-bin/de/search.pl?string={WKN}")),
            row("GoogleSearchItem", 7, once, page("google", "/search?num=100&hl=de&q={Name}")),
            row("GoogleFinance", 8, once, page("google-finance", "/finance?q={Ticker}")),
            row("SeekingAlpha", 0, always,
                page("seekingalpha", "/symbol/{Ticker}?source=search_general&s={Ticker}")),
            row("ShortSqueeze", 5, once, page("shortsqueeze", "/?symbol={Ticker}")),
            row("StockCharts", 0, always, page("stockcharts", "/h-sc/ui?s={Ticker}")),
            row("OTCBB", 0, always, page("otcbb", "/asp/quote_module.asp?symbol={Ticker}")),
            row("FINVIZ", 4, once, page("finviz", "/screener.ashx?v=342&t={Ticker}&o=company")),
            row("OTHER", 0, always, page("", "{Current}")),
            row("TECHNICAL", 0, always, technicalChartPage()),
        };
        for (SiteRow& each : r) {
            if (each.key == u"ComdirectIntradayChart")
                each.fallback = bankWknSearchPage();
            each.titleFromAddress = each.key == kOtherKey;
        }
        return r;
    }();
    return rows;
}

const SiteRow* takeSiteRow(const QString& key, TabFlags& loaded)
{
    for (const SiteRow& r : siteCatalogue()) {
        if (r.key != key)
            continue;
        if (r.once) {
            if (loaded[r.tab])
                continue;
            loaded[r.tab] = true;
        }
        return &r;
    }
    return nullptr;
}

const std::array<PreviewTab, kPreviewTabCount>& previewTabs()
{
    static const std::array<PreviewTab, kPreviewTabCount> tabs = [] {
        const auto tab = [](const char* caption, const char* key) {
            PreviewTab t;
            t.caption = QString::fromLatin1(caption);
            t.clickKey = QString::fromLatin1(key);
            if (t.clickKey != u"Kursinformationen")
                t.page = rowOf(t.clickKey).page;
            return t;
        };
        std::array<PreviewTab, kPreviewTabCount> t = {
            tab("COM", "Kursinformationen"), tab("NAS", "NASDAQRealTimeStockQuotes"),
            tab("W:O", "W:OForum"),          tab("YMB", "YBMESSAGE"),
            tab("FVis", "FINVIZ"),           tab("SHT", "ShortSqueeze"),
            tab("SEC", "InsiderBuys"),       tab("GOS", "GoogleSearchItem"),
            tab("GOF", "GoogleFinance"),     tab("NEW", "NewsItem"),
        };
        t[0].page = bankSymbolSearchPage();
        t[0].fallback = bankWknSearchPage();
        t[2].page = page("wallstreet-online", "/community/search.php?instrument={WKNOrTicker}");
        t[2].viaUrlBox = true;
        return t;
    }();
    return tabs;
}

QList<int> autoLoadTabs(const TabFlags& loadChecked, TabFlags& loaded)
{
    QList<int> tabs;
    for (int i = 0; i < kPreviewTabCount; ++i) {
        if (loadChecked[i] && !loaded[i]) {
            loaded[i] = true;
            tabs.append(i);
        }
    }
    return tabs;
}

bool reachedInstrumentPage(const QString& tabAddress)
{
    return tabAddress.contains(u"ID_NOTATION=", Qt::CaseInsensitive);
}

} // namespace td
