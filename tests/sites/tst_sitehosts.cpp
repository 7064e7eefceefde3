#include "platform/settingsstore.h"
#include "sites/sitehosts.h"

#include <QTest>

using namespace td;

class TstSiteHosts : public QObject
{
    Q_OBJECT

private slots:
    void address_data();
    void address();
    void everyDefaultPassesTheCheck();
};

void TstSiteHosts::address_data()
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

void TstSiteHosts::address()
{
    QFETCH(QString, key);
    QFETCH(QString, stored);
    QFETCH(QString, query);
    QFETCH(QString, expected);
    MemorySettingsStore hosts;
    if (stored != u"-")
        hosts.write(key, stored);
    QCOMPARE(siteAddress(hosts, key, QStringLiteral("/p"), query),
             expected.replace(u'@', defaultSiteHost(key)));
}

// A built-in host that the check of stored values refused would never be used.
void TstSiteHosts::everyDefaultPassesTheCheck()
{
    for (const QString& key : siteKeys()) {
        MemorySettingsStore stored;
        stored.write(key, defaultSiteHost(key));
        QCOMPARE(siteHost(stored, key), defaultSiteHost(key));
    }
}

QTEST_APPLESS_MAIN(TstSiteHosts)
#include "tst_sitehosts.moc"
