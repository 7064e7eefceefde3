#include "platform/settingsstore.h"
#include "sites/resourcepane.h"
#include "sites/sitecatalogue.h"
#include "sites/sitehosts.h"
#include "sites/sitemenu.h"

#include <QTest>

using namespace td;

namespace {

// Every field distinct and the name with a blank, so a swapped field shows.
SiteValues sampleValues()
{
    SiteValues v;
    v.name = QStringLiteral("Acme Corp");
    v.ticker = QStringLiteral("TKR");
    v.place = QStringLiteral("PLC");
    v.wkn = QStringLiteral("W123");
    v.currentAddress = QStringLiteral("http://pane.test/now?x=1");
    v.today = QDate(2025, 12, 1);
    v.historyMonths = 6;
    return v;
}

// Each [Hosts] key on a host named after it, so a wrong site shows.
const MemorySettingsStore& hosts()
{
    static const MemorySettingsStore store = [] {
        MemorySettingsStore s;
        for (const QString& key : siteKeys())
            s.write(key, QStringLiteral("http://") + key + QStringLiteral(".test"));
        return s;
    }();
    return store;
}

TabFlags flags(const QString& bits)
{
    TabFlags f{};
    for (int i = 0; i < kPreviewTabCount; ++i)
        f[i] = bits.at(i) == u'1';
    return f;
}

struct Expected
{
    const char* key;
    int tab;
    bool once;
    const char* address;
    const char* fallback = "";
};

const char* const kTechnical =
    "http://comdirect-info.test/html/detail/main.html?hist=6m&sSym=TKR.PLC&DEBUG=0&asc=lin&avg1=38&avg2=100"
    "&avg3=200&avgtype=simple&cmpId=3628,1&dsc=abs&iJcfcode=48199&ind=BB&ind0=VOLUME&ind1=MACD&ind2=RSI"
    "&ind3=FST&ind4=MOM&ind5=WILLIAMS&more=1&sCat=STK&sPageType=extended&sTab=chart&type=candle";

// The catalogue in walking order.
const QList<Expected> kRows = {
    {"W:OForum", 2, true, "http://wallstreet-online.test/community/search.php?instrument=W123"},
    {"YBSUMMARY", 3, true, "http://yahoo.test/q?s=TKR"},
    {"YBMESSAGE", 3, true, "http://yahoo-boards.test/mb/TKR"},
    {"YBHEADLINES", 3, true, "http://yahoo.test/q/h?s=TKR"},
    {"YBTechnicalAnalysis", 3, true,
     "http://yahoo.test/q/ta?s=TKR&t=1y&l=off&z=m&q=c&p=b,v,m50,m20&a=m26-12-9,r14,fs&c="},
    {"NASDAQ", 1, true, "http://nasdaq.test/asp/quotes_sec.asp?mode=frameset&symbol=TKR"},
    {"NASDAQREALTIMESECFILLINGS", 1, true,
     "http://nasdaq.test/asp/quotes_sec.asp?mode=frameset&symbol=TKR&page=filings&selected=TKR"},
    {"NASDAQAfterHoursTrading", 1, true,
     "http://nasdaq.test/aspxcontent/ExtendedTradingTrades.aspx?selected=TKR&mkttype=after"},
    {"NASDAQPreMarketTrading", 1, true,
     "http://nasdaq.test/aspxcontent/ExtendedTradingTrades.aspx?selected=TKR&mkttype=pre"},
    {"NASDAQAnalystResearch", 1, true,
     "http://nasdaq.test/earnings/analyst_summary.asp?symbol=TKR&selected=TKR"},
    {"NASDAQRealTimeStockQuotes", 1, true,
     "http://nasdaq.test/aspx/nasdaqlastsale.aspx?symbol=TKR&selected=TKR"},
    {"NASDAQRevenueEPSSummary", 1, true,
     "http://nasdaq.test/aspx/RevenueEPSSummary.aspx?mode=&kind=&symbol=TKR&FormType=&mkttype=&pathname="
     "&page=redpage&selected=TKR"},
    {"NASDAQHoldingsSummary", 1, true,
     "http://nasdaq.test/asp/Holdings.asp?mode=&kind=&symbol=TKR&FormType=&mkttype=&pathname="
     "&page=holdingssummary&selected=TKR"},
    {"PCQuoteRealTime", 0, false, "http://pcquote.test/stocks/quote.php?symbol=TKR"},
    {"InsiderBuys", 6, true, "http://secform4.test/insider/showhistory.php?cik=TKR"},
    {"ComdirectIntradayChart", 0, true,
     "http://comdirect.test/inf/search/all.html?SEARCH_VALUE=TKR.PLC&x=11&y=7",
     "http://comdirect.test/inf/search/all.html?SEARCH_VALUE=W123&x=11&y=7"},
    {"SEARCH", 0, false,
     "http://comdirect-info.test/html/search/main.html?ad=&koop=&sCat=ALL&sSearchterm=TKR"},
    {"maxblueoption", 0, false,
     "http://maxblue.test/?directJump=http://maxblue-options.test/is-asp/"
     "mare0015.html?wosid=&basiswert=TKR.PLC"},
    {"Resources", 0, false, "http://commodities-watcher.test/commodities-watcher/index.html"},
    {"Indices", 0, false, "http://boerse-stuttgart.test/index.html"},
    {"Glossary", 0, false, "http://euwax.test/glossar/glossar_window.php?unten=a"},
    {"calendar", 0, false, "http://welt.test/termine_uebersicht.asp?datum=01.12.2025"},
    {"News", 9, false, "http://finanznachrichten.test/nachrichten/index.asp"},
    {"NewsItem", 9, true, "http://finanznachrichten.test/suche/suchergebnis.asp?words=W123"},
    {"Forecast", 0, false, "http://happyyuppie.test/cgi-bin/de/search.pl?string=W123"},
    {"GoogleSearchItem", 7, true, "http://google.test/search?num=100&hl=de&q=Acme Corp"},
    {"GoogleFinance", 8, true, "http://google-finance.test/finance?q=TKR"},
    {"SeekingAlpha", 0, false, "http://seekingalpha.test/symbol/TKR?source=search_general&s=TKR"},
    {"ShortSqueeze", 5, true, "http://shortsqueeze.test/?symbol=TKR"},
    {"StockCharts", 0, false, "http://stockcharts.test/h-sc/ui?s=TKR"},
    {"OTCBB", 0, false, "http://otcbb.test/asp/quote_module.asp?symbol=TKR"},
    {"FINVIZ", 4, true, "http://finviz.test/screener.ashx?v=342&t=TKR&o=company"},
    {"OTHER", 0, false, "http://pane.test/now?x=1"},
    {"TECHNICAL", 0, false, kTechnical},
};

} // namespace

class TstSiteCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void row_data();
    void row();
    void catalogueHasExactlyTheseRows();
    void valuesGoInAsTheyStand_data();
    void valuesGoInAsTheyStand();
    void request_data();
    void request();
    void tabPage_data();
    void tabPage();
    void tabClickSelectsItsOwnTab();
    void instrumentPage_data();
    void instrumentPage();
    void calendar_data();
    void calendar();
    void everyMenuSiteOpensARow();
    void insertedFieldsInOrder();
};

void TstSiteCatalogue::row_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < kRows.size(); ++i)
        QTest::newRow(kRows[i].key) << i;
}

void TstSiteCatalogue::row()
{
    QFETCH(int, index);
    const Expected& e = kRows[index];
    TabFlags loaded{};
    const SiteRow* r = takeSiteRow(QString::fromLatin1(e.key), loaded);
    QVERIFY(r);
    QCOMPARE(r->tab, e.tab);
    QCOMPARE(r->once, e.once);
    QCOMPARE(buildAddress(r->page, sampleValues(), hosts()), QString::fromLatin1(e.address));
    QCOMPARE(buildAddress(r->fallback, sampleValues(), hosts()), QString::fromLatin1(e.fallback));
}

void TstSiteCatalogue::catalogueHasExactlyTheseRows()
{
    QStringList expected;
    for (const Expected& e : kRows)
        expected.append(QString::fromLatin1(e.key));
    QStringList actual;
    for (const SiteRow& r : siteCatalogue())
        actual.append(r.key);
    QCOMPARE(actual, expected);
}

void TstSiteCatalogue::valuesGoInAsTheyStand_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("wkn");
    QTest::addColumn<QString>("expected");
    QTest::newRow("name untouched") << "GoogleSearchItem"
                                    << " a&b {Ticker} ä%20 "
                                    << "W123"
                                    << "http://google.test/search?num=100&hl=de&q= a&b {Ticker} ä%20 ";
    QTest::newRow("empty WKN sent empty") << "W:OForum"
                                          << "Acme Corp"
                                          << ""
                                          << "http://wallstreet-online.test/community/search.php?instrument=";
}

void TstSiteCatalogue::valuesGoInAsTheyStand()
{
    QFETCH(QString, key);
    SiteValues v = sampleValues();
    QFETCH(QString, name);
    QFETCH(QString, wkn);
    v.name = name;
    v.wkn = wkn;
    TabFlags loaded{};
    const SiteRow* r = takeSiteRow(key, loaded);
    QVERIFY(r);
    QTEST(buildAddress(r->page, v, hosts()), "expected");
}

void TstSiteCatalogue::request_data()
{
    QTest::addColumn<QString>("checked"); // chkLoad of tabs 0..9
    QTest::addColumn<QString>("loaded");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QList<int>>("autoLoaded");
    QTest::addColumn<int>("tab"); // -1: no row applies
    QTest::addColumn<QString>("loadedAfter");
    const QString none(10, u'0');
    const QString all(10, u'1');
    QTest::newRow("summary after auto-loaded board")
        << "0001000000" << none << "YBSUMMARY" << QList<int>{3} << -1 << "0001000000";
    QTest::newRow("summary on a loaded tab") << none << "0001000000"
                                             << "YBSUMMARY" << QList<int>{} << -1 << "0001000000";
    QTest::newRow("summary after the reset")
        << none << none << "YBSUMMARY" << QList<int>{} << 3 << "0001000000";
    QTest::newRow("all boxes off") << none << none << "FINVIZ" << QList<int>{} << 4 << "0000100000";
    QTest::newRow("all boxes on") << all << none << "FINVIZ" << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9} << -1
                                  << all;
    QTest::newRow("loaded tabs not reloaded") << all << "1010000000"
                                              << "NASDAQ" << QList<int>{1, 3, 4, 5, 6, 7, 8, 9} << -1 << all;
    QTest::newRow("unticked tab stays unloaded")
        << "0100000000" << none << "ComdirectIntradayChart" << QList<int>{1} << 0 << "1100000000";
    QTest::newRow("chart after auto-loaded tab 0")
        << "1000000000" << none << "ComdirectIntradayChart" << QList<int>{0} << -1 << "1000000000";
    QTest::newRow("always row on loaded tabs")
        << none << all << "PCQuoteRealTime" << QList<int>{} << 0 << all;
    QTest::newRow("always row leaves its flag") << none << none << "calendar" << QList<int>{} << 0 << none;
    QTest::newRow("always row on tab 9") << none << all << "News" << QList<int>{} << 9 << all;
    QTest::newRow("once row on tab 9") << none << none << "NewsItem" << QList<int>{} << 9 << "0000000001";
    QTest::newRow("tab 0 click key has no row")
        << "0010000000" << none << "Kursinformationen" << QList<int>{2} << -1 << "0010000000";
    QTest::newRow("keys are case-sensitive") << none << none << "ybsummary" << QList<int>{} << -1 << none;
    QTest::newRow("empty key") << none << none << "" << QList<int>{} << -1 << none;
}

void TstSiteCatalogue::request()
{
    QFETCH(QString, checked);
    QFETCH(QString, loaded);
    QFETCH(QString, key);
    QFETCH(int, tab);
    QFETCH(QString, loadedAfter);
    TabFlags flagsNow = flags(loaded);
    QTEST(autoLoadTabs(flags(checked), flagsNow), "autoLoaded");
    const SiteRow* r = takeSiteRow(key, flagsNow);
    QCOMPARE(r ? r->tab : -1, tab);
    QVERIFY(flagsNow == flags(loadedAfter));
}

void TstSiteCatalogue::tabPage_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("wkn");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("fallback");
    const QString w = QStringLiteral("W123");
    QTest::newRow("0") << 0 << w << "http://comdirect.test/inf/search/all.html?SEARCH_VALUE=TKR.PLC&x=11&y=7"
                       << "http://comdirect.test/inf/search/all.html?SEARCH_VALUE=W123&x=11&y=7";
    QTest::newRow("2 by WKN") << 2 << w
                              << "http://wallstreet-online.test/community/search.php?instrument=W123"
                              << "";
    QTest::newRow("2 by Ticker") << 2 << ""
                                 << "http://wallstreet-online.test/community/search.php?instrument=TKR"
                                 << "";
}

void TstSiteCatalogue::tabPage()
{
    QFETCH(int, tab);
    QFETCH(QString, wkn);
    SiteValues v = sampleValues();
    v.wkn = wkn;
    const PreviewTab& t = previewTabs()[tab];
    QTEST(buildAddress(t.page, v, hosts()), "expected");
    QTEST(buildAddress(t.fallback, v, hosts()), "fallback");
    QCOMPARE(t.viaUrlBox, tab == 2);
}

void TstSiteCatalogue::tabClickSelectsItsOwnTab()
{
    for (int i = 1; i < kPreviewTabCount; ++i) {
        TabFlags loaded{};
        const SiteRow* r = takeSiteRow(previewTabs()[i].clickKey, loaded);
        QVERIFY2(r && r->tab == i, qPrintable(previewTabs()[i].clickKey));
    }
}

void TstSiteCatalogue::instrumentPage_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("found");
    QTest::newRow("upper") << "https://b.test/inf/aktien/detail/uebersicht.html?ID_NOTATION=9385" << true;
    QTest::newRow("lower") << "https://b.test/inf/x.html?id_notation=1" << true;
    QTest::newRow("mixed") << "https://b.test/x?a=1&Id_NoTaTiOn=1" << true;
    QTest::newRow("search list") << "https://b.test/inf/search/all.html?SEARCH_VALUE=BMW.ETR&x=11&y=7"
                                 << false;
}

void TstSiteCatalogue::instrumentPage()
{
    QFETCH(QString, address);
    QTEST(reachedInstrumentPage(address), "found");
}

void TstSiteCatalogue::calendar_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("text");
    QTest::newRow("1 December 2025") << QDate(2025, 12, 1) << "01.12.2025";
    QTest::newRow("9 July 2025") << QDate(2025, 7, 9) << "09.7.2025";
    QTest::newRow("31 October 2026") << QDate(2026, 10, 31) << "31.10.2026";
}

void TstSiteCatalogue::calendar()
{
    QFETCH(QDate, date);
    QFETCH(QString, text);
    QCOMPARE(calendarDate(date), text);
    SiteValues v;
    v.today = date;
    TabFlags loaded{};
    const QString datum = QStringLiteral("datum=") + text;
    QVERIFY(buildAddress(takeSiteRow(QStringLiteral("calendar"), loaded)->page, v, hosts()).endsWith(datum));
    QVERIFY(buildAddress(*resourcePage(QStringLiteral("Calendar")), v, hosts()).endsWith(datum));
}

void TstSiteCatalogue::everyMenuSiteOpensARow()
{
    QStringList keys;
    QList<MenuNode> pending = entryMenuSiteItems();
    while (!pending.isEmpty()) {
        const MenuNode node = pending.takeFirst();
        pending += node.children;
        if (node.kind == MenuNode::Kind::Site)
            keys.append(node.key);
    }
    QCOMPARE(keys.size(), 24);
    for (const QString& key : keys) {
        TabFlags loaded{};
        QVERIFY2(takeSiteRow(key, loaded), qPrintable(key));
    }
}

void TstSiteCatalogue::insertedFieldsInOrder()
{
    TabFlags loaded{};
    const SiteRow* chart = takeSiteRow(QStringLiteral("ComdirectIntradayChart"), loaded);
    QCOMPARE(insertedFields(chart->page) + insertedFields(chart->fallback),
             (QList<SiteField>{SiteField::Symbol, SiteField::Wkn}));
    QCOMPARE(insertedFields(technicalChartPage()), (QList<SiteField>{SiteField::Months, SiteField::Symbol}));
    QCOMPARE(insertedFields(takeSiteRow(QStringLiteral("News"), loaded)->page), QList<SiteField>{});
}

QTEST_APPLESS_MAIN(TstSiteCatalogue)
#include "tst_sitecatalogue.moc"
