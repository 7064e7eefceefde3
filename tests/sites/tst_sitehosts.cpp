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
    void unusableValueFallsBack_data();
    void unusableValueFallsBack();
    void everyKeyHasAUsableDefault();
};

void TstSiteHosts::address_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored"); // "-" for no stored value
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("expected");

    QTest::newRow("default with query")
        << "happyyuppie"
        << "-"
        << "/cgi-bin/de/search.pl"
        << "isin=DE0005190003&typnr=3"
        << "https://www.happyyuppie.com/cgi-bin/de/search.pl?isin=DE0005190003&typnr=3";
    QTest::newRow("empty query adds no question mark")
        << "comdirect-charts"
        << "-"
        << "/html/is_snippet_chartmodul.html"
        << ""
        << "https://isht.comdirect.de/html/is_snippet_chartmodul.html";
    QTest::newRow("maker server stays on a reserved name") << "maker-home"
                                                           << "-"
                                                           << "/version.txt"
                                                           << ""
                                                           << "https://www.tickerdeck.example/version.txt";
    QTest::newRow("loopback override with port")
        << "comdirect"
        << "http://127.0.0.1:8123"
        << "/inf/search/all.html"
        << "SEARCH_VALUE=BMW.ETR&x=11&y=7"
        << "http://127.0.0.1:8123/inf/search/all.html?SEARCH_VALUE=BMW.ETR&x=11&y=7";
    QTest::newRow("override normalised") << "dab"
                                         << "  HTTP://LocalHost:9000/ "
                                         << "/p"
                                         << ""
                                         << "http://localhost:9000/p";
    QTest::newRow("query kept as written") << "google"
                                           << "-"
                                           << "/search"
                                           << "q=A B&c=%41+ä"
                                           << "https://www.google.de/search?q=A B&c=%41+ä";
    QTest::newRow("unknown key") << "no-such-site"
                                 << "-"
                                 << "/x"
                                 << "y=1"
                                 << "";
}

void TstSiteHosts::address()
{
    QFETCH(QString, key);
    QFETCH(QString, stored);
    QFETCH(QString, path);
    QFETCH(QString, query);
    QFETCH(QString, expected);

    MemorySettingsStore hosts;
    if (stored != u"-")
        hosts.write(key, stored);
    QCOMPARE(siteAddress(hosts, key, path, query), expected);
}

void TstSiteHosts::unusableValueFallsBack_data()
{
    QTest::addColumn<QString>("stored");

    QTest::newRow("empty") << "";
    QTest::newRow("blank") << "   ";
    QTest::newRow("no scheme") << "127.0.0.1:8080";
    QTest::newRow("other scheme") << "ftp://127.0.0.1";
    QTest::newRow("file") << "file:///etc";
    QTest::newRow("script") << "javascript://alert(1)";
    QTest::newRow("no host") << "http://";
    QTest::newRow("with path") << "http://127.0.0.1/evil";
    QTest::newRow("with query") << "http://127.0.0.1?a=1";
    QTest::newRow("with fragment") << "http://127.0.0.1#x";
    QTest::newRow("with user") << "http://user@127.0.0.1";
    QTest::newRow("port out of range") << "http://127.0.0.1:99999";
    QTest::newRow("blank inside") << "http://local host";
}

void TstSiteHosts::unusableValueFallsBack()
{
    QFETCH(QString, stored);
    MemorySettingsStore hosts;
    hosts.write(QStringLiteral("nasdaq"), stored);
    QCOMPARE(siteAddress(hosts, QStringLiteral("nasdaq"), QStringLiteral("/aspx/nasdaqlastsale.aspx")),
             QStringLiteral("https://www.nasdaq.com/aspx/nasdaqlastsale.aspx"));
}

void TstSiteHosts::everyKeyHasAUsableDefault()
{
    QCOMPARE(siteKeys().size(), 28);
    const MemorySettingsStore empty;
    for (const QString& key : siteKeys()) {
        const QString host = defaultSiteHost(key);
        // A default must itself pass the check a stored value gets.
        MemorySettingsStore stored;
        stored.write(key, host);
        QCOMPARE(siteHost(stored, key), host);
        QCOMPARE(siteHost(empty, key), host);
        if (key.startsWith(u"maker-"))
            QVERIFY2(QUrl(host).host().endsWith(u".example"), qPrintable(key));
    }
}

QTEST_APPLESS_MAIN(TstSiteHosts)
#include "tst_sitehosts.moc"
