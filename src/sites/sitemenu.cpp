#include "sites/sitemenu.h"

namespace td {

namespace {

MenuNode site(const char* name, const char* caption, const char* key)
{
    return {MenuNode::Kind::Site,
            QString::fromLatin1(caption),
            QString::fromLatin1(name),
            QString::fromLatin1(key),
            {}};
}

MenuNode separator()
{
    return {MenuNode::Kind::Separator, {}, {}, {}, {}};
}

MenuNode subMenu(const char* caption, QList<MenuNode> children)
{
    return {MenuNode::Kind::SubMenu, QString::fromLatin1(caption), {}, {}, std::move(children)};
}

} // namespace

const QList<MenuNode>& entryMenuSiteItems()
{
    static const QList<MenuNode> items = {
        site("mnuComdirect", "Comdirect IntradayChart", "ComdirectIntradayChart"),
        {MenuNode::Kind::Action, QStringLiteral("Show all"), QStringLiteral("mnuShowCharts"), {}, {}},
        separator(),
        subMenu(
            "Nasdaq (USA)",
            {
                site("mnuNasdaqRealTimeStockQuotes", "Real Time Stock Quotes", "NASDAQRealTimeStockQuotes"),
                site("mnuNasdaqPreMarketTrading", "Pre-Market Trading", "NASDAQPreMarketTrading"),
                site("mnuNasdaqAfterHoursTrading", "After Hours Trading", "NASDAQAfterHoursTrading"),
                site("mnuNasdaqAnalystResearch", "Analyst Research", "NASDAQAnalystResearch"),
                site("mnuNasdaqRealTimeSECFillings", "Real-Time SEC-Fillings", "NASDAQREALTIMESECFILLINGS"),
                site("mnuNasdaqHoldingsSummary", "Holdings Summary", "NASDAQHoldingsSummary"),
                site("mnuNasdaqRevenueEPSSummary", "Revenue / EPS Summary", "NASDAQRevenueEPSSummary"),
            }),
        subMenu("Yahoo!Finance (USA)",
                {
                    site("mnuYBSUMMARY", "Summary", "YBSUMMARY"),
                    site("mnuYBHEADLINES", "Headlines", "YBHEADLINES"),
                    site("mnuYBTechnicalAnalysis", "Technical Analysis", "YBTechnicalAnalysis"),
                    site("mnuYBMESSAGE", "Message Board", "YBMESSAGE"),
                }),
        site("mnuOTCBB", "OTC Bulletin Board (USA)", "OTCBB"),
        separator(),
        separator(),
        subMenu("Search this",
                {
                    site("mnuWOForum", "WO-Forum (D)", "W:OForum"),
                    site("mnuNews", "News (D)", "NewsItem"),
                    site("mnuHY", "Forecast (D)", "Forecast"),
                }),
        {MenuNode::Kind::Inert, QStringLiteral("PCQuote (USA)"), {}, {}, {}},
        site("mnuPCQuoteRealtime", "PCQuote Real-Time (USA)", "PCQuoteRealTime"),
        site("mnuSecform", "Secform4 Real-Time Insider (USA)", "InsiderBuys"),
        site("mnuFINVIZ", "FINVIZ (USA)", "FINVIZ"),
        site("mnuShortSqueeze", "ShortSqueeze (USA)", "ShortSqueeze"),
        site("mnuSeekAlpha", "SeekingAlpha (USA)", "SeekingAlpha"),
        site("mnuStockCharts", "StockCharts (USA)", "StockCharts"),
        site("mnuiMaxBlue", "Options (D)", "maxblueoption"),
        site("mnuSearchItemGoogle", "Google", "GoogleSearchItem"),
    };
    return items;
}

} // namespace td
