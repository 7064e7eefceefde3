#include "platform/settingsstore.h"
#include "sites/resourcepane.h"
#include "sites/sitecatalogue.h"
#include "sites/sitehosts.h"
#include "sites/sitemenu.h"

#include <QTest>

using namespace td;

namespace {

// Every field distinct and the name with a blank, so a swapped field shows.
const SiteValues kSample{.name = "Acme Corp",
                         .ticker = "TKR",
                         .place = "PLC",
                         .wkn = "W123",
                         .searchText = {},
                         .currentAddress = "http://pane.test/now?x=1",
                         .today = QDate(2025, 12, 1),
                         .historyMonths = 6};

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

} // namespace

class TstSiteCatalogue : public QObject
{
    Q_OBJECT

private slots:
    // Rows that pin the addresses: every field, the fallback, a nested address, the date.
    void row_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<bool>("once");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("fallback");
        const auto row = [](const char* key, int tab, bool once, const char* address,
                            const char* fallback = "") {
            QTest::newRow(key) << tab << once << QString::fromUtf8(address) << QString::fromUtf8(fallback);
        };
        row("W:OForum", 2, true, "http://wallstreet-online.test/community/search.php?instrument=W123");
        row("YBTechnicalAnalysis", 3, true,
            "http://yahoo.test/q/ta?s=TKR&t=1y&l=off&z=m&q=c&p=b,v,m50,m20&a=m26-12-9,r14,fs&c=");
        row("NASDAQREALTIMESECFILLINGS", 1, true,
            "http://nasdaq.test/asp/quotes_sec.asp?mode=frameset&symbol=TKR&page=filings&selected=TKR");
        row("InsiderBuys", 6, true, "http://secform4.test/insider/showhistory.php?cik=TKR");
        row("ComdirectIntradayChart", 0, true,
            "http://comdirect.test/inf/search/all.html?SEARCH_VALUE=TKR.PLC&x=11&y=7",
            "http://comdirect.test/inf/search/all.html?SEARCH_VALUE=W123&x=11&y=7");
        row("maxblueoption", 0, false,
            "http://maxblue.test/?directJump=http://maxblue-options.test/is-asp/"
            "mare0015.html?wosid=&basiswert=TKR.PLC");
        row("calendar", 0, false, "http://welt.test/termine_uebersicht.asp?datum=01.12.2025");
        row("GoogleSearchItem", 7, true, "http://google.test/search?num=100&hl=de&q=Acme Corp");
        row("OTHER", 0, false, "http://pane.test/now?x=1");
    }
    void row()
    {
        TabFlags loaded{};
        const SiteRow* r = takeSiteRow(QString::fromLatin1(QTest::currentDataTag()), loaded);
        QVERIFY(r);
        QTEST(r->tab, "tab");
        QTEST(r->once, "once");
        QTEST(buildAddress(r->page, kSample, hosts()), "address");
        QTEST(buildAddress(r->fallback, kSample, hosts()), "fallback");
    }

    // A row's page (key set) or else a preview tab's, with these values going in as they stand.
    void page_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("wkn");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("fallback");
        const QString n = QStringLiteral("Acme Corp");
        const QString w = QStringLiteral("W123");
        const QString bank = QStringLiteral("http://comdirect.test/inf/search/all.html?SEARCH_VALUE=");
        const QString wo = QStringLiteral("http://wallstreet-online.test/community/search.php?instrument=");
        const QString odd = QStringLiteral(" a&b {Ticker} ä%20 ");
        QTest::newRow("tab 0") << QString() << 0 << n << w << bank + "TKR.PLC&x=11&y=7"
                               << bank + "W123&x=11&y=7";
        QTest::newRow("tab 2 by WKN") << QString() << 2 << n << w << wo + w << QString();
        QTest::newRow("tab 2 by Ticker") << QString() << 2 << n << QString() << wo + "TKR" << QString();
        QTest::newRow("empty WKN sent empty") << "W:OForum" << 0 << n << QString() << wo << QString();
        QTest::newRow("name untouched") << "GoogleSearchItem" << 0 << odd << w
                                        << "http://google.test/search?num=100&hl=de&q=" + odd << QString();
    }
    void page()
    {
        QFETCH(QString, key);
        QFETCH(int, tab);
        QFETCH(QString, name);
        QFETCH(QString, wkn);
        SiteValues v = kSample;
        v.name = name;
        v.wkn = wkn;
        TabFlags loaded{};
        const SiteRow* r = takeSiteRow(key, loaded);
        QCOMPARE(r != nullptr, !key.isEmpty());
        const PreviewTab& t = previewTabs()[tab];
        QTEST(buildAddress(r ? r->page : t.page, v, hosts()), "expected");
        QTEST(buildAddress(r ? r->fallback : t.fallback, v, hosts()), "fallback");
        if (!r)
            QCOMPARE(t.viaUrlBox, tab == 2);
    }

    void request_data()
    {
        QTest::addColumn<QString>("checked"); // chkLoad of tabs 0..9
        QTest::addColumn<QString>("loaded");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QList<int>>("autoLoaded");
        QTest::addColumn<int>("tab"); // -1: no row applies
        QTest::addColumn<QString>("loadedAfter");
        const QString none(10, u'0');
        const QString all(10, u'1');
        QTest::newRow("all boxes on")
            << all << none << "FINVIZ" << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9} << -1 << all;
        QTest::newRow("loaded tabs not reloaded")
            << all << "1010000000"
            << "NASDAQ" << QList<int>{1, 3, 4, 5, 6, 7, 8, 9} << -1 << all;
        QTest::newRow("unticked tab stays unloaded")
            << "0100000000" << none << "ComdirectIntradayChart" << QList<int>{1} << 0 << "1100000000";
        QTest::newRow("always row on loaded tabs")
            << none << all << "PCQuoteRealTime" << QList<int>{} << 0 << all;
        QTest::newRow("always row leaves its flag")
            << none << none << "calendar" << QList<int>{} << 0 << none;
        QTest::newRow("once row on tab 9") << none << none << "NewsItem" << QList<int>{} << 9 << "0000000001";
        QTest::newRow("tab 0 click key has no row")
            << "0010000000" << none << "Kursinformationen" << QList<int>{2} << -1 << "0010000000";
        QTest::newRow("keys are case-sensitive") << none << none << "ybsummary" << QList<int>{} << -1 << none;
    }
    void request()
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

    void instrumentPage_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("found");
        QTest::newRow("upper") << "https://b.test/inf/aktien/detail/uebersicht.html?ID_NOTATION=9385" << true;
        QTest::newRow("lower") << "https://b.test/inf/x.html?id_notation=1" << true;
        QTest::newRow("mixed") << "https://b.test/x?a=1&Id_NoTaTiOn=1" << true;
        QTest::newRow("search list") << "https://b.test/inf/search/all.html?SEARCH_VALUE=BMW.ETR&x=11&y=7"
                                     << false;
    }
    void instrumentPage()
    {
        QFETCH(QString, address);
        QTEST(reachedInstrumentPage(address), "found");
    }

    // Dates in the pages are checked by row() ("01.12.2025") and resource() ("09.7.2025").
    void calendarWithoutDate() { QCOMPARE(calendarDate(QDate()), QString()); }

    void everyTabClickAndMenuSiteOpensARow()
    {
        for (int i = 1; i < kPreviewTabCount; ++i) {
            TabFlags loaded{};
            const SiteRow* r = takeSiteRow(previewTabs()[i].clickKey, loaded);
            QVERIFY2(r && r->tab == i, qPrintable(previewTabs()[i].clickKey));
        }
        QList<MenuNode> pending = entryMenuSiteItems();
        while (!pending.isEmpty()) {
            const MenuNode node = pending.takeFirst();
            pending += node.children;
            TabFlags loaded{};
            if (node.kind == MenuNode::Kind::Site)
                QVERIFY2(takeSiteRow(node.key, loaded), qPrintable(node.key));
        }
    }

    void quickSearch_data()
    {
        QTest::addColumn<QString>("destination");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* destination, const char* text, const char* expected) {
            QTest::newRow(destination) << destination << text << expected;
        };
        const char* t = " Acme & Co ";
        row("Comdirect", t, "http://comdirect.test/inf/search/all.html?SEARCH_VALUE= Acme & Co &x=11&y=7");
        row("Google", t, "http://google.test/search?q= Acme & Co ");
        row("GoogleFinance", t, "http://google-finance.test/finance?q= Acme & Co ");
        row("News", t, "http://finanznachrichten.test/suche/suchergebnis.asp?words= Acme & Co ");
        row("W:O", t, "http://wallstreet-online.test/suche?q= Acme & Co &suche=instrument");
        row("google", t, ""); // case-sensitive
    }
    void quickSearch()
    {
        QFETCH(QString, destination);
        QFETCH(QString, text);
        QTEST(quickSearchAddress(destination, text, hosts()), "expected");
        // A stored destination the menu does not offer gives way to the default.
        QCOMPARE(restoredSearchDestination(destination),
                 searchDestination(destination) ? destination : "Comdirect");
    }

    void placeholder_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("afterChoosingNews");
        QTest::addColumn<QString>("afterFocusOut"); // "-": unchanged
        const auto row = [](const char* tag, const char* text, const char* afterChoice,
                            const char* afterOut) {
            QTest::newRow(tag) << text << afterChoice << afterOut;
        };
        row("placeholder", "W:O", "News", "-");
        row("not exactly a name", "Google ", "Google ", "-");
        row("empty", "", "", "News");
    }
    void placeholder()
    {
        QFETCH(QString, text);
        const QString news = QStringLiteral("News");
        QTEST(quickSearchTextAfterChoice(text, news), "afterChoosingNews");
        QTEST(quickSearchTextAfterFocusOut(text, news).value_or(QStringLiteral("-")), "afterFocusOut");
    }

    void resource_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* name, const char* expected) {
            QTest::newRow(name) << name << expected;
        };
        row("Resources", "http://boerse-go.test/commodities"); // not the catalogue's "Resources"
        row("Calendar", "http://welt.test/termine_uebersicht.asp?datum=09.7.2025");
        row("AdHoc", "http://finanznachrichten.test/nachrichten/ad-hoc-mitteilungen.asp");
        row("calendar", ""); // the catalogue's spelling
    }
    void resource()
    {
        QFETCH(QString, name);
        QFETCH(QString, expected);
        const SitePage* page = resourcePage(name);
        QCOMPARE(page != nullptr, !expected.isEmpty());
        SiteValues v;
        v.today = QDate(2025, 7, 9);
        if (page)
            QCOMPARE(buildAddress(*page, v, hosts()), expected);
    }

    void listHeights()
    {
        const QStringList& items = resourceListItems();
        QCOMPARE(items.value(0), QString(20, u' '));
        QCOMPARE(resourceListHeight(0), 7200);
        QVERIFY(!resourceListHeight(-1) && !resourceListHeight(items.size()));
        for (qsizetype i = 1; i < items.size(); ++i) {
            QVERIFY2(resourcePage(items[i]), qPrintable(items[i]));
            QCOMPARE(resourceListHeight(i), 10000);
        }
    }

    void growth_data()
    {
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("grown"); // 0: keeps its height; the screen is 15000 high
        QTest::newRow("at the limit") << 7200 << 1000 << 14000;
        QTest::newRow("above the limit") << 7201 << 1000 << 0;
        QTest::newRow("already reaching down") << 5000 << 10000 << 0;
        QTest::newRow("top below the screen") << 5000 << 16000 << 0;
    }
    void growth()
    {
        QFETCH(int, height);
        QFETCH(int, top);
        QTEST(grownWindowHeight(height, top, 15000).value_or(0), "grown");
    }

    void hostAddress_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("stored"); // "-" for no stored value
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("expected"); // "@" stands for the built-in host
        const auto row = [](const char* tag, const char* key, const char* stored, const char* query,
                            const char* expected) {
            QTest::newRow(tag) << key << stored << query << expected;
        };
        row("loopback with port", "comdirect", "http://127.0.0.1:8123", "SEARCH_VALUE=BMW.ETR&x=11&y=7",
            "http://127.0.0.1:8123/p?SEARCH_VALUE=BMW.ETR&x=11&y=7");
        row("empty query adds no question mark", "comdirect", "http://127.0.0.1:8123", "",
            "http://127.0.0.1:8123/p");
        row("normalised", "dab", "  HTTP://LocalHost:9000/ ", "", "http://localhost:9000/p");
        row("query kept as written", "google", "-", "q=A B&c=%41+ä", "@/p?q=A B&c=%41+ä");
        row("unknown key", "no-such-site", "-", "y=1", "");
        // Unusable stored values fall back to the built-in host.
        for (const char* stored :
             {"", "   ", "127.0.0.1:8080", "ftp://127.0.0.1", "javascript://alert(1)", "http://",
              "http://127.0.0.1/evil", "http://127.0.0.1?a=1", "http://127.0.0.1#x", "http://user@127.0.0.1",
              "http://127.0.0.1:99999", "http://local host"})
            row((QByteArray("unusable: ") + stored).constData(), "nasdaq", stored, "", "@/p");
    }
    void hostAddress()
    {
        QFETCH(QString, key);
        QFETCH(QString, stored);
        QFETCH(QString, query);
        QFETCH(QString, expected);
        MemorySettingsStore store;
        if (stored != u"-")
            store.write(key, stored);
        QCOMPARE(siteAddress(store, key, QStringLiteral("/p"), query),
                 expected.replace(u'@', defaultSiteHost(key)));
    }

    // A built-in host that the check of stored values refused could not be configured back.
    void everyDefaultPassesTheCheck()
    {
        for (const QString& key : siteKeys()) {
            MemorySettingsStore stored; // under a site with another default, so a refusal shows
            stored.write(QStringLiteral("nasdaq"), defaultSiteHost(key));
            QCOMPARE(siteHost(stored, QStringLiteral("nasdaq")), defaultSiteHost(key));
        }
    }
};

QTEST_APPLESS_MAIN(TstSiteCatalogue)
#include "tst_sitecatalogue.moc"
