#include "pageserver.h"
#include "platform/fetchpane.h"

#include <QNetworkAccessManager>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>
#include <QWebEngineView>

using namespace td;
using namespace td::test;

namespace {

// The pane's signals in the order they came.
struct EventLog
{
    explicit EventLog(BrowserPane& pane)
    {
        QObject::connect(&pane, &BrowserPane::navigateError, [this](const QString& url, int code) {
            events.append(QStringLiteral("error %1 %2").arg(code).arg(url));
            lastCode = code;
        });
        QObject::connect(&pane, &BrowserPane::documentComplete,
                         [this](const QString& url) { events.append(QStringLiteral("complete ") + url); });
    }
    int completions() const { return static_cast<int>(events.filter(QStringLiteral("complete ")).size()); }
    bool waitForCompletion(int count = 1) const
    {
        return QTest::qWaitFor([&] { return completions() >= count; }, 5000);
    }

    QStringList events;
    int lastCode = 0;
};

} // namespace

class TstFetchPane : public QObject
{
    Q_OBJECT

private slots:
    void markup_data();
    void markup();
    void requestSentAsWritten();
    void redirectGivesFinalAddress();
    void failureCompletesEmpty_data();
    void failureCompletesEmpty();
    void newerNavigationSupersedes_data();
    void newerNavigationSupersedes();
    void aboutDocumentCompletesLater_data();
    void aboutDocumentCompletesLater();
    void goBackReturnsToPreviousPage();
    void shownWithoutWebEngineOnOffscreen();

private:
    QNetworkAccessManager m_network;
};

void TstFetchPane::markup_data()
{
    QTest::addColumn<QByteArray>("contentType");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("expected");

    QTest::newRow("windows-1252 by default, tags and entities as written")
        << QByteArray("text/html")
        << QByteArray("<HTML><BODY><TD CLASS=x>Kurs&nbsp;12,50&amp;</TD>\xE4\x80</BODY></HTML>")
        << QStringLiteral("<HTML><BODY><TD CLASS=x>Kurs&nbsp;12,50&amp;</TD>ä€</BODY></HTML>");
    QTest::newRow("utf-8 in content type")
        << QByteArray("text/html; charset=UTF-8") << QByteArray("<p>\xC3\xA4&nbsp;</p>")
        << QStringLiteral("<p>ä&nbsp;</p>");
    QTest::newRow("utf-8 in quoted content type")
        << QByteArray("text/html;charset=\"utf-8\"") << QByteArray("\xC3\xA4") << QStringLiteral("ä");
    QTest::newRow("meta charset") << QByteArray("text/html")
                                  << QByteArray("<html><head><META CHARSET=\"utf-8\"></head>\xC3\xA4</html>")
                                  << QStringLiteral("<html><head><META CHARSET=\"utf-8\"></head>ä</html>");
    QTest::newRow("meta http-equiv")
        << QByteArray("")
        << QByteArray("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\xC3\xA4")
        << QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">ä");
    QTest::newRow("header wins over meta")
        << QByteArray("text/html; charset=windows-1252") << QByteArray("<meta charset=utf-8>\xC3\xA4")
        << QStringLiteral("<meta charset=utf-8>Ã¤");
    QTest::newRow("latin-1 label reads like windows-1252")
        << QByteArray("text/html; charset=ISO-8859-1") << QByteArray("\x80\xE4") << QStringLiteral("€ä");
    QTest::newRow("unknown charset") << QByteArray("text/html; charset=x-unknown") << QByteArray("\xE4")
                                     << QStringLiteral("ä");
    QTest::newRow("byte order mark") << QByteArray("text/html") << QByteArray("\xEF\xBB\xBF<p>\xC3\xA4</p>")
                                     << QStringLiteral("<p>ä</p>");
    QTest::newRow("charset word in the text is no declaration")
        << QByteArray("text/html") << QByteArray("<p>charset=utf-8</p>\xE4")
        << QStringLiteral("<p>charset=utf-8</p>ä");
}

void TstFetchPane::markup()
{
    QFETCH(QByteArray, contentType);
    QFETCH(QByteArray, body);
    QFETCH(QString, expected);

    PageServer server;
    server.setResponse(QStringLiteral("/page"), PageResponse::page(body, contentType));
    FetchPane pane(QStringLiteral("wbrStockContent"), m_network, 2000);
    EventLog log(pane);
    pane.navigate(server.url(QStringLiteral("/page")));
    QVERIFY(log.waitForCompletion());
    QCOMPARE(log.events, QStringList{QStringLiteral("complete ") + server.url(QStringLiteral("/page"))});
    QCOMPARE(pane.documentMarkup(), expected);
}

void TstFetchPane::requestSentAsWritten()
{
    PageServer server;
    server.setFallback([](const PageRequest&) { return PageResponse::page("<p>>Kursdaten<</p>"); });
    FetchPane pane(QStringLiteral("wbrStockContent"), m_network, 2000);
    EventLog log(pane);
    pane.navigate(server.url(QStringLiteral("/inf/search/all.html?SEARCH_VALUE=BMW.ETR&x=11&y=7")));
    QVERIFY(log.waitForCompletion());
    QCOMPARE(server.requests().size(), 1);
    QCOMPARE(server.requests().first().method, QByteArray("GET"));
    QCOMPARE(server.requests().first().path, QStringLiteral("/inf/search/all.html"));
    QCOMPARE(server.requests().first().query, QStringLiteral("SEARCH_VALUE=BMW.ETR&x=11&y=7"));
}

void TstFetchPane::redirectGivesFinalAddress()
{
    PageServer server;
    server.setResponse(QStringLiteral("/search?isin=X"),
                       PageResponse::redirect(QStringLiteral("/found?id=1")));
    server.setResponse(QStringLiteral("/found?id=1"), PageResponse::page(">halten<"));
    FetchPane pane(QStringLiteral("wbrHandelssignal"), m_network, 2000);
    EventLog log(pane);
    pane.navigate(server.url(QStringLiteral("/search?isin=X")));
    QVERIFY(log.waitForCompletion());
    const QString final = server.url(QStringLiteral("/found?id=1"));
    QCOMPARE(log.events, QStringList{QStringLiteral("complete ") + final});
    QCOMPARE(pane.locationUrl(), final);
    QCOMPARE(pane.documentMarkup(), QStringLiteral(">halten<"));
}

void TstFetchPane::failureCompletesEmpty_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("code"); // 0: any negative code

    QTest::newRow("404") << "404" << 404;
    QTest::newRow("500") << "500" << 500;
    QTest::newRow("closed without answer") << "refuse" << 0;
    QTest::newRow("nobody listening") << "closed port" << 0;
    QTest::newRow("no answer within the time-out") << "hang" << 0;
    QTest::newRow("no address") << "empty" << 0;
    QTest::newRow("unknown scheme") << "scheme" << 0;
}

void TstFetchPane::failureCompletesEmpty()
{
    QFETCH(QString, kind);
    QFETCH(int, code);

    PageServer server;
    server.setResponse(QStringLiteral("/ok"), PageResponse::page("old page"));
    server.setResponse(QStringLiteral("/404"), PageResponse::error(404, "<html>gone</html>"));
    server.setResponse(QStringLiteral("/500"), PageResponse::error(500, "<html>broken</html>"));
    server.setResponse(QStringLiteral("/refuse"), PageResponse::refuse());
    server.setResponse(QStringLiteral("/hang"), PageResponse::hang());
    QString address = server.url(u'/' + kind);
    if (kind == u"closed port") {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        address = QStringLiteral("http://127.0.0.1:%1/x").arg(closed.serverPort());
    } else if (kind == u"empty") {
        address.clear();
    } else if (kind == u"scheme") {
        address = QStringLiteral("nosuch://127.0.0.1/x");
    }

    FetchPane pane(QStringLiteral("wbrVersion"), m_network, 300);
    EventLog log(pane);
    pane.navigate(server.url(QStringLiteral("/ok")));
    QVERIFY(log.waitForCompletion());
    log.events.clear();

    pane.navigate(address);
    QCOMPARE(log.completions(), 0);
    QVERIFY(log.waitForCompletion());
    QCOMPARE(log.events.size(), 2);
    QVERIFY2(log.events[0].startsWith(u"error ") && log.events[0].endsWith(address),
             qPrintable(log.events[0]));
    QCOMPARE(log.events[1], QStringLiteral("complete ") + address);
    if (code != 0)
        QCOMPARE(log.lastCode, code);
    else
        QVERIFY(log.lastCode < 0);
    QCOMPARE(pane.documentMarkup(), QString());
    QCOMPARE(pane.locationUrl(), address);
}

void TstFetchPane::newerNavigationSupersedes_data()
{
    QTest::addColumn<QString>("older");

    QTest::newRow("slow page") << "/slow";
    QTest::newRow("hanging page") << "/hang";
    QTest::newRow("about document") << "about:<p>older</p>";
}

void TstFetchPane::newerNavigationSupersedes()
{
    QFETCH(QString, older);

    PageServer server;
    server.setResponse(QStringLiteral("/slow"), PageResponse::page("older").delayed(150));
    server.setResponse(QStringLiteral("/hang"), PageResponse::hang());
    server.setResponse(QStringLiteral("/new"), PageResponse::page("newer"));
    FetchPane pane(QStringLiteral("wbrStockContent"), m_network, 400);
    EventLog log(pane);

    const QString olderAddress = older.startsWith(u'/') ? server.url(older) : older;
    pane.navigate(olderAddress);
    if (older.startsWith(u'/'))
        QVERIFY(server.waitForRequests(1));
    pane.navigate(server.url(QStringLiteral("/new")));
    QVERIFY(log.waitForCompletion());
    QTest::qWait(600); // past the older answer and the time-out
    QCOMPARE(log.events, QStringList{QStringLiteral("complete ") + server.url(QStringLiteral("/new"))});
    QCOMPARE(pane.documentMarkup(), QStringLiteral("newer"));
}

void TstFetchPane::aboutDocumentCompletesLater_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("markup");

    QTest::newRow("document") << "about:<html><body leftMargin=55>receive data<br></body></html>"
                              << "<html><body leftMargin=55>receive data<br></body></html>";
    QTest::newRow("blank") << "about:blank"
                           << "";
}

void TstFetchPane::aboutDocumentCompletesLater()
{
    QFETCH(QString, address);
    QFETCH(QString, markup);

    PageServer server;
    FetchPane pane(QStringLiteral("wbrStockContent"), m_network, 2000);
    EventLog log(pane);
    pane.navigate(address);
    QCOMPARE(log.completions(), 0);
    QVERIFY(log.waitForCompletion());
    QCOMPARE(log.events, QStringList{QStringLiteral("complete ") + address});
    QCOMPARE(pane.documentMarkup(), markup);
    QCOMPARE(pane.locationUrl(), address);
    QVERIFY(server.requests().isEmpty());
}

void TstFetchPane::goBackReturnsToPreviousPage()
{
    PageServer server;
    server.setResponse(QStringLiteral("/a"), PageResponse::page("A"));
    server.setResponse(QStringLiteral("/b"), PageResponse::page("B"));
    FetchPane pane(QStringLiteral("wbrRealTimeRessources"), m_network, 2000);
    EventLog log(pane);
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

void TstFetchPane::shownWithoutWebEngineOnOffscreen()
{
    FetchPane pane(QStringLiteral("wbrStockContent"), m_network, 2000);
    EventLog log(pane);
    pane.navigate(QStringLiteral("about:<b>update</b>"));
    QVERIFY(log.waitForCompletion());
    QWidget* widget = pane.widget();
    QVERIFY(!pane.isVisible());
    pane.setVisible(true);
    QVERIFY(pane.isVisible());
    QVERIFY(!widget->findChild<QWebEngineView*>());
    auto* text = widget->findChild<QPlainTextEdit*>();
    QVERIFY(text);
    QCOMPARE(text->toPlainText(), QStringLiteral("<b>update</b>"));
    pane.setVisible(false);
    QVERIFY(!pane.isVisible());
}

QTEST_MAIN(TstFetchPane)
#include "tst_fetchpane.moc"
