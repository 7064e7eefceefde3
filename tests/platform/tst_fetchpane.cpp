#include "loopback/pageserver.h"
#include "paneevents.h"
#include "platform/fetchpane.h"
#include "platform/panefactory.h"
#include "platform/settingsstore.h"

#include <QNetworkAccessManager>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QWebEngineView>

using namespace td;
using namespace td::loopback;
using namespace td::test;

class TstFetchPane : public QObject
{
    Q_OBJECT
private slots:
    void decode_data()
    {
        QTest::addColumn<QByteArray>("contentType");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* tag, const char* type, const char* body, const char* expected) {
            QTest::newRow(tag) << QByteArray(type) << QByteArray(body) << QString::fromUtf8(expected);
        };
        row("windows-1252 by default, entities as written", "text/html",
            "<TD>Kurs&nbsp;12,50&amp;</TD>\xE4\x80", "<TD>Kurs&nbsp;12,50&amp;</TD>ä€");
        row("utf-8 in quoted content type", "text/html;charset=\"utf-8\"", "\xC3\xA4", "ä");
        row("meta http-equiv in capitals, no header", "",
            "<META HTTP-EQUIV=Content-Type CONTENT=\"text/html; CHARSET=UTF-8\">\xC3\xA4",
            "<META HTTP-EQUIV=Content-Type CONTENT=\"text/html; CHARSET=UTF-8\">ä");
        row("latin-1 label reads like windows-1252", "text/html; charset=ISO-8859-1", "\x80\xE4", "€ä");
        row("unknown charset", "text/html; charset=x-unknown", "\xE4", "ä");
        row("byte order mark", "text/html", "\xEF\xBB\xBF<p>\xC3\xA4</p>", "<p>ä</p>");
        row("charset word in the text is no declaration", "text/html", "<p>charset=utf-8</p>\xE4",
            "<p>charset=utf-8</p>ä");
    }
    void decode()
    {
        QFETCH(QByteArray, contentType);
        QFETCH(QByteArray, body);
        QTEST(decodePage(body, contentType), "expected");
    }
    void fetchFollowsRedirectAndHeaderCharset()
    {
        PageServer server;
        const QString search = QStringLiteral("/inf/search/all.html?SEARCH_VALUE=BMW.ETR&x=11&y=7");
        server.setResponse(search, PageResponse::redirect(QStringLiteral("/found?id=1")));
        // The header wins over the page's own declaration.
        server.setResponse(
            QStringLiteral("/found?id=1"),
            PageResponse::page("<meta charset=utf-8>\xC3\xA4", "text/html; charset=windows-1252"));
        FetchPane pane(QStringLiteral("wbrStockContent"), m_network, 2000);
        PaneEvents log(pane);
        pane.navigate(server.url(search));
        QVERIFY(log.waitForCompletion());
        const QString final = server.url(QStringLiteral("/found?id=1"));
        QCOMPARE(log.events, QStringList{completeEvent(final)});
        QCOMPARE(pane.locationUrl(), final);
        QCOMPARE(pane.documentMarkup(), QStringLiteral("<meta charset=utf-8>Ã¤"));
        QCOMPARE(server.requests().first().method, QByteArray("GET"));
        QCOMPARE(server.requests().first().target, search);
    }
    // A failed load completes empty. Shown on offscreen, a read-back pane is a
    // text view, never a web engine.
    void completesLater_data()
    {
        QTest::addColumn<QString>("path"); // "": no address at all
        QTest::addColumn<int>("code");     // error code; 0: any negative one; 200: none
        QTest::addColumn<QString>("markup");
        QTest::newRow("404") << "/404" << 404 << "";
        QTest::newRow("no answer within the time-out") << "/hang" << int(BrowserPane::kTimedOut) << "";
        // A byte every 100 ms never trips the gap time-out; the page has 10 s.
        QTest::newRow("trickling past the time-out") << "/trickle" << int(BrowserPane::kTimedOut) << "";
        QTest::newRow("over 4 MB") << "/huge" << int(BrowserPane::kPageTooLarge) << "";
        QTest::newRow("no address") << "" << 0 << "";
        QTest::newRow("about document")
            << "about:<body leftMargin=55>receive data<br>" << 200 << "<body leftMargin=55>receive data<br>";
        QTest::newRow("about:blank") << "about:blank" << 200 << "";
    }
    void completesLater()
    {
        QFETCH(QString, path);
        QFETCH(int, code);
        QFETCH(QString, markup);
        PageServer server;
        server.setResponse(QStringLiteral("/ok"), PageResponse::page("old page"));
        server.setResponse(QStringLiteral("/404"), PageResponse::error(404, "<html>gone</html>"));
        server.setResponse(QStringLiteral("/hang"), PageResponse::hang());
        server.setResponse(QStringLiteral("/trickle"), PageResponse::trickle(QByteArray(100, 'x'), 100));
        server.setResponse(QStringLiteral("/huge"), PageResponse::page(QByteArray(kPageReadLimit + 1, 'x')));
        const QString address = path.startsWith(u'/') ? server.url(path) : path;
        FetchPane pane(QStringLiteral("wbrVersion"), m_network, 300);
        PaneEvents log(pane);
        pane.navigate(server.url(QStringLiteral("/ok")));
        QVERIFY(log.waitForCompletion());
        log.events.clear();
        pane.navigate(address);
        QCOMPARE(log.completions(), 0);
        QVERIFY(log.waitForCompletion());
        QStringList events{completeEvent(address)};
        if (code != 200)
            events.prepend(QStringLiteral("error %1 %2").arg(log.lastCode).arg(address));
        QCOMPARE(log.events, events);
        QVERIFY(code == 200 || (code != 0 ? log.lastCode == code : log.lastCode < 0));
        QCOMPARE(pane.documentMarkup(), markup);
        QCOMPARE(pane.locationUrl(), address);
        QVERIFY(!pane.isVisible());
        pane.setVisible(true);
        QVERIFY(pane.isVisible());
        QVERIFY(!pane.widget()->findChild<QWebEngineView*>());
        auto* text = pane.widget()->findChild<QPlainTextEdit*>();
        QVERIFY(text);
        QCOMPARE(text->toPlainText(), markup);
    }
    void newerNavigationSupersedes_data()
    {
        QTest::addColumn<QString>("older");
        QTest::newRow("slow page") << "/slow";
        QTest::newRow("hanging page") << "/hang";
        QTest::newRow("about document") << "about:<p>older</p>";
    }
    void newerNavigationSupersedes()
    {
        QFETCH(QString, older);
        PageServer server;
        server.setResponse(QStringLiteral("/slow"), PageResponse::page("older").delayed(150));
        server.setResponse(QStringLiteral("/hang"), PageResponse::hang());
        server.setResponse(QStringLiteral("/new"), PageResponse::page("newer"));
        FetchPane pane(QStringLiteral("wbrStockContent"), m_network, 400);
        PaneEvents log(pane);
        const bool web = older.startsWith(u'/');
        pane.navigate(web ? server.url(older) : older);
        if (web)
            QVERIFY(server.waitForRequests(1));
        pane.navigate(server.url(QStringLiteral("/new")));
        QVERIFY(log.waitForCompletion());
        QSignalSpy late(&pane, &BrowserPane::documentComplete);
        QVERIFY(!late.wait(600)); // past the older answer and the time-out
        QCOMPARE(log.events, QStringList{completeEvent(server.url(QStringLiteral("/new")))});
        QCOMPARE(pane.documentMarkup(), QStringLiteral("newer"));
    }
    void goBackReturnsToPreviousPage()
    {
        PageServer server;
        server.setResponse(QStringLiteral("/a"), PageResponse::page("A"));
        server.setResponse(QStringLiteral("/b"), PageResponse::page("B"));
        FetchPane pane(QStringLiteral("wbrRealTimeRessources"), m_network, 2000);
        PaneEvents log(pane);
        pane.goBack(); // nothing to go back to
        pane.navigate(server.url(QStringLiteral("/a")));
        QVERIFY(log.waitForCompletion(1));
        pane.navigate(server.url(QStringLiteral("/b")));
        QVERIFY(log.waitForCompletion(2));
        pane.goBack();
        QVERIFY(log.waitForCompletion(3));
        QCOMPARE(pane.documentMarkup(), QStringLiteral("A"));
        pane.refresh();
        QVERIFY(log.waitForCompletion(4));
        QCOMPARE(server.targets(), (QStringList{"/a", "/b", "/a", "/a"}));
    }
    void pageTimeout_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("expected");
        QTest::newRow("set") << " 5000 " << 5000;
        QTest::newRow("zero") << "0" << 30000;
        QTest::newRow("not a number") << "abc" << 30000;
    }
    void pageTimeout()
    {
        QFETCH(QString, stored);
        MemorySettingsStore settings;
        settings.write(QStringLiteral("PageTimeout"), stored);
        QTEST(pageTimeoutMs(settings), "expected");
    }
    void realFactoryMakesEachKind()
    {
        QtPaneFactory factory(1000);
        QObject owner;
        BrowserPane* readBack = factory.create(QStringLiteral("wbrVersion"), PaneKind::ReadBack, &owner);
        BrowserPane* display = factory.create(QStringLiteral("wbrHY"), PaneKind::Display, &owner);
        QVERIFY(qobject_cast<FetchPane*>(readBack));
        // Making a display pane must not start the web engine.
        QVERIFY(!display->isVisible());
    }

private:
    QNetworkAccessManager m_network;
};

QTEST_MAIN(TstFetchPane)
#include "tst_fetchpane.moc"
