#include "platform/settingsstore.h"
#include "sites/sitehosts.h"

#include <QTest>
#include <QUrl>

using namespace td;

class TstSiteHosts : public QObject
{
    Q_OBJECT

private slots:
    void address_data();
    void address();
    void everyKeyHasAUsableDefault();
};

void TstSiteHosts::address_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored"); // "-" for no stored value
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char* tag, const char* key, const char* stored, const char* path,
                        const char* query, const char* expected) {
        QTest::newRow(tag) << key << stored << path << query << expected;
    };
    row("default with query", "happyyuppie", "-", "/cgi-bin/de/search.pl", "isin=DE0005190003&typnr=3",
        "https://www.happyyuppie.com/cgi-bin/de/search.pl?isin=DE0005190003&typnr=3");
    row("empty query adds no question mark", "comdirect-charts", "-", "/html/is_snippet_chartmodul.html", "",
        "https://isht.comdirect.de/html/is_snippet_chartmodul.html");
    row("maker server on a reserved name", "maker-home", "-", "/version.txt", "",
        "https://www.tickerdeck.example/version.txt");
    row("loopback override with port", "comdirect", "http://127.0.0.1:8123", "/inf/search/all.html",
        "SEARCH_VALUE=BMW.ETR&x=11&y=7",
        "http://127.0.0.1:8123/inf/search/all.html?SEARCH_VALUE=BMW.ETR&x=11&y=7");
    row("override normalised", "dab", "  HTTP://LocalHost:9000/ ", "/p", "", "http://localhost:9000/p");
    row("query kept as written", "google", "-", "/search", "q=A B&c=%41+ä",
        "https://www.google.de/search?q=A B&c=%41+ä");
    row("unknown key", "no-such-site", "-", "/x", "y=1", "");
    // Unusable stored values fall back to the default.
    for (const char* stored :
         {"", "   ", "127.0.0.1:8080", "ftp://127.0.0.1", "javascript://alert(1)", "http://",
          "http://127.0.0.1/evil", "http://127.0.0.1?a=1", "http://127.0.0.1#x", "http://user@127.0.0.1",
          "http://127.0.0.1:99999", "http://local host"})
        row((QByteArray("unusable: ") + stored).constData(), "nasdaq", stored, "/a.aspx", "",
            "https://www.nasdaq.com/a.aspx");
}

void TstSiteHosts::address()
{
    QFETCH(QString, key);
    QFETCH(QString, stored);
    QFETCH(QString, path);
    QFETCH(QString, query);
    MemorySettingsStore hosts;
    if (stored != u"-")
        hosts.write(key, stored);
    QTEST(siteAddress(hosts, key, path, query), "expected");
}

void TstSiteHosts::everyKeyHasAUsableDefault()
{
    QCOMPARE(siteKeys().size(), 29);
    for (const QString& key : siteKeys()) {
        // A default must itself pass the check a stored value gets.
        const QString host = defaultSiteHost(key);
        MemorySettingsStore stored;
        stored.write(key, host);
        QCOMPARE(siteHost(stored, key), host);
        if (key.startsWith(u"maker-"))
            QVERIFY2(QUrl(host).host().endsWith(u".example"), qPrintable(key));
    }
}

QTEST_APPLESS_MAIN(TstSiteHosts)
#include "tst_sitehosts.moc"
