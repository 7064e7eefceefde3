// Quote loads through user-written sources: the batch, the background check
// and the selection read the chosen source, and `places` sends an entry to
// another one; the bank is not asked.
#include "loopback/pageserver.h"
#include "quotes/quotesource.h"
#include "shell/mainwindow.h"
#include "watchlist/watchlistmodel.h"
#include "windowharness.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace td;
using namespace td::loopback;
using namespace td::test;

namespace {

// AAA is read from the html page, BBB (place NYS) from the json service, and
// CCC's page gives no quote. Every entry held 9,00 EUR before.
const QByteArray kList = "AAA;AAA;ETR;;10,00;True;9,00;1,00;-1,00;-10,00;EUR;100;900;-100;;;0\r\n"
                         "BBB;BBB;NYS;;10,00;True;9,00;1,00;-1,00;-10,00;EUR;100;900;-100;;;0\r\n"
                         "CCC;CCC;ETR;;10,00;True;9,00;1,00;-1,00;-10,00;EUR;100;900;-100;;;0\r\n";

QByteArray sourcesFor(const QString& base)
{
    return "[page]\n"
           "url=" +
           base.toUtf8() +
           "/kurs/{ticker}.html\n"
           "quote=<span class=\"kurs\">([0-9.,]+)</span>\n"
           "change=<span class=\"diff\">([-+0-9,]+) ?%</span>\n"
           "currency=<span class=\"cur\">([A-Z]{3})</span>\n"
           "\n[feed]\n"
           "url=" +
           base.toUtf8() +
           "/api?s={symbol}\n"
           "format=json\n"
           "quote=r.0.price\n"
           "previous=r.0.prev\n"
           "wkn=r.0.wkn\n"
           "places=nys\n";
}

PageResponse serve(const PageRequest& request)
{
    if (request.path == u"/kurs/AAA.html")
        return PageResponse::page("<p><span class=\"kurs\">1.234,50</span> <span class=\"cur\">USD</span>"
                                  " <span class=\"diff\">+2,50 %</span></p>");
    if (request.path == u"/kurs/CCC.html")
        return PageResponse::page("<p>Wartungsarbeiten</p>");
    if (request.path == u"/api" && request.query == u"s=BBB.NYS")
        return PageResponse::page(R"({"r":[{"price":10.5,"prev":10,"wkn":"WKNBBB"}]})", "application/json");
    return PageResponse::error(404);
}

} // namespace

class TestSourceWiring : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void checksReadUserSources_data()
    {
        QTest::addColumn<QString>("check");
        QTest::newRow("batch") << "cmdCheckAllQuotes";
        QTest::newRow("background") << "cmdCheckAllQuotesHintergrund";
        QTest::newRow("selection") << "";
    }
    void checksReadUserSources()
    {
        QFETCH(QString, check);
        ServedWindow f(kList);
        f.server.setFallback(serve);
        f.platform.writeFile(QStringLiteral("quotesources.ini"), sourcesFor(f.server.baseUrl()));
        f.platform.settings.write(QStringLiteral("QuoteSource"), QStringLiteral("page"));
        MainWindow& w = f.start();
        control<QLineEdit>(w, QStringLiteral("txt_ShowAllQuotesHintergrund")).setText(QStringLiteral("0"));
        QLabel& info = control<QLabel>(w, QStringLiteral("lblAktInfo"));
        if (check.isEmpty()) {
            for (int row = 0; row < 3; ++row)
                f.click(row);
        } else {
            control<QPushButton>(w, check).click();
        }

        const auto column = [&w](int row, int col) {
            return w.items().entry(row).columns[col];
        };
        QCOMPARE(column(0, ColQuote), QStringLiteral("1234,50"));
        QCOMPARE(column(0, ColPct), QStringLiteral("2,50"));
        QCOMPARE(column(0, ColCur), QStringLiteral("USD"));
        // The change from the previous close; no currency field leaves Cur.
        QCOMPARE(column(1, ColQuote), QStringLiteral("10,50"));
        QCOMPARE(column(1, ColPct), QStringLiteral("5,00"));
        QCOMPARE(column(1, ColCur), QStringLiteral("EUR"));
        QCOMPARE(column(1, ColWkn), QStringLiteral("WKNBBB"));
        QCOMPARE(column(2, ColQuote), QStringLiteral("9,00"));
        QCOMPARE(column(2, ColCur), QStringLiteral("EUR"));
        // No bank search, and no retry by WKN for a source.
        QCOMPARE(f.server.targets().filter(QStringLiteral("/inf/search/")), QStringList());
        QVERIFY(
            QFile::exists(f.platform.programDir.path() + QStringLiteral("/unreadable/page@CCC.ETR.html")));
        if (!check.isEmpty()) {
            QCOMPARE(info.text(), QStringLiteral("1 von 3 Kursen konnten nicht gelesen werden "
                                                 "(Quelle 'page': 'quote' passt nicht)"));
            QVERIFY2(info.toolTip().contains(QStringLiteral("unreadable")), qPrintable(info.toolTip()));
        }
    }

    // A broken source is named once, with its file and line; the others still load.
    void brokenSourceIsNamed()
    {
        ServedWindow f(kList);
        f.server.setFallback(serve);
        f.platform.writeFile(QStringLiteral("quotesources.ini"),
                             sourcesFor(f.server.baseUrl()) + "\n[bad]\nquote=(\n");
        f.platform.settings.write(QStringLiteral("QuoteSource"), QStringLiteral("page"));
        MainWindow& w = f.start();
        f.click(0);
        f.click(1);
        QStringList named;
        for (const MessageRequest& shown : f.platform.dialogs.shown)
            if (shown.title == u"Kursquellen")
                named << shown.text;
        QCOMPARE(named.size(), 1);
        QVERIFY2(named[0].endsWith(QStringLiteral("quotesources.ini:15: Quelle 'bad': 'url' fehlt")),
                 qPrintable(named[0]));
        QCOMPARE(w.items().entry(0).columns[ColQuote], QStringLiteral("1234,50"));
    }

    // The options list the file's sources; the edit button creates a missing
    // file before it opens it, and the example in it is no working source.
    void optionsChooseAndEdit()
    {
        ServedWindow f(kList);
        const QString file = f.platform.writeFile(QStringLiteral("quotesources.ini"), sourcesFor("http://x"));
        MainWindow& w = f.start();
        auto& chooser = control<QComboBox>(w, QStringLiteral("cboQuoteSource"));
        QCOMPARE(chooser.currentText(), QStringLiteral("bank"));
        QCOMPARE(chooser.count(), 3);
        chooser.setCurrentIndex(2);
        emit chooser.activated(2);
        QCOMPARE(f.platform.settings.read(QStringLiteral("QuoteSource"), {}), QStringLiteral("feed"));

        QVERIFY(QFile::remove(file));
        control<QPushButton>(w, QStringLiteral("cmdEditQuoteSources")).click();
        QCOMPARE(f.platform.urls.opened, QList<QUrl>{QUrl::fromLocalFile(file)});
        const QuoteSourceFile example = readQuoteSourceFile(file);
        QVERIFY(example.sources.isEmpty() && example.problems.isEmpty());
        QVERIFY(QFileInfo(file).size() > 0);
    }
};

QTEST_MAIN(TestSourceWiring)
#include "tst_sourcewiring.moc"
