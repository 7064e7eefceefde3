#include "platform/settingsstore.h"
#include "sites/resourcepane.h"
#include "sites/sitehosts.h"

#include <QTest>

using namespace td;

namespace {

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

} // namespace

class TstResourcePane : public QObject
{
    Q_OBJECT

private slots:
    void quickSearch_data();
    void quickSearch();
    void placeholder_data();
    void placeholder();
    void resource_data();
    void resource();
    void listHeights();
    void growth_data();
    void growth();
};

void TstResourcePane::quickSearch_data()
{
    QTest::addColumn<QString>("destination");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    const QString t = QStringLiteral(" Acme & Co ");
    QTest::newRow("Comdirect")
        << "Comdirect" << t << "http://comdirect.test/inf/search/all.html?SEARCH_VALUE= Acme & Co &x=11&y=7";
    QTest::newRow("Google") << "Google" << t << "http://google.test/search?q= Acme & Co ";
    QTest::newRow("GoogleFinance") << "GoogleFinance" << t
                                   << "http://google-finance.test/finance?q= Acme & Co ";
    QTest::newRow("News") << "News" << t
                          << "http://finanznachrichten.test/suche/suchergebnis.asp?words= Acme & Co ";
    QTest::newRow("W:O") << "W:O" << t
                         << "http://wallstreet-online.test/suche?q= Acme & Co &suche=instrument";
    QTest::newRow("placeholder searched") << "Google"
                                          << "Google"
                                          << "http://google.test/search?q=Google";
    QTest::newRow("case-sensitive") << "google" << t << "";
}

void TstResourcePane::quickSearch()
{
    QFETCH(QString, destination);
    QFETCH(QString, text);
    QTEST(quickSearchAddress(destination, text, hosts()), "expected");
    // A stored destination the menu does not offer gives way to the default.
    QCOMPARE(restoredSearchDestination(destination),
             searchDestination(destination) ? destination : "Comdirect");
}

void TstResourcePane::placeholder_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("afterChoosingNews");
    QTest::addColumn<QString>("afterFocusOut"); // "-": unchanged
    QTest::newRow("placeholder") << "W:O"
                                 << "News"
                                 << "-";
    QTest::newRow("search text") << "BMW"
                                 << "BMW"
                                 << "-";
    QTest::newRow("not exactly a name") << "Google "
                                        << "Google "
                                        << "-";
    QTest::newRow("empty") << ""
                           << ""
                           << "News";
}

void TstResourcePane::placeholder()
{
    QFETCH(QString, text);
    const QString news = QStringLiteral("News");
    QTEST(quickSearchTextAfterChoice(text, news), "afterChoosingNews");
    QTEST(quickSearchTextAfterFocusOut(text, news).value_or(QStringLiteral("-")), "afterFocusOut");
}

void TstResourcePane::resource_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Resources") << "Resources"
                               << "http://boerse-go.test/commodities";
    QTest::newRow("Indices") << "Indices"
                             << "http://boerse-stuttgart.test/main.html";
    QTest::newRow("Glossary") << "Glossary"
                              << "http://euwax.test/glossar/glossar_window.php?unten=a";
    QTest::newRow("Calendar") << "Calendar"
                              << "http://welt.test/termine_uebersicht.asp?datum=09.7.2025";
    QTest::newRow("News") << "News"
                          << "http://finanznachrichten.test/nachrichten/index.asp";
    QTest::newRow("AdHoc") << "AdHoc"
                           << "http://finanznachrichten.test/nachrichten/ad-hoc-mitteilungen.asp";
    QTest::newRow("GoogleFinance") << "GoogleFinance"
                                   << "http://google-finance.test/finance";
    QTest::newRow("catalogue spelling") << "calendar"
                                        << "";
}

void TstResourcePane::resource()
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

void TstResourcePane::listHeights()
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

void TstResourcePane::growth_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("grown"); // 0: keeps its height; the screen is 15000 high
    QTest::newRow("at the limit") << 7200 << 1000 << 14000;
    QTest::newRow("above the limit") << 7201 << 1000 << 0;
    QTest::newRow("already reaching down") << 5000 << 10000 << 0;
    QTest::newRow("top below the screen") << 5000 << 16000 << 0;
}

void TstResourcePane::growth()
{
    QFETCH(int, height);
    QFETCH(int, top);
    QTEST(grownWindowHeight(height, top, 15000).value_or(0), "grown");
}

QTEST_APPLESS_MAIN(TstResourcePane)
#include "tst_resourcepane.moc"
