#include "loopback/pageserver.h"
#include "platform/fetchpane.h"
#include "platform/panefactory.h"
#include "platform/webpane.h"
#include "windowharness.h"

#include <QNetworkAccessManager>
#include <QTcpServer>
#include <QTest>

#include <memory>

using namespace td;
using namespace td::loopback;
using namespace td::test;

namespace {

struct EventLog
{
    explicit EventLog(BrowserPane& pane)
    {
        QObject::connect(&pane, &BrowserPane::navigateError, &context, [this](const QString& url, int code) {
            events.append(QStringLiteral("error ") + url);
            lastCode = code;
        });
        QObject::connect(&pane, &BrowserPane::documentComplete, &context,
                         [this](const QString& url) { events.append(QStringLiteral("complete ") + url); });
    }
    int completions() const { return static_cast<int>(events.filter(QStringLiteral("complete ")).size()); }
    bool waitForCompletion(int count = 1) const
    {
        return QTest::qWaitFor([&] { return completions() >= count; }, 15000);
    }

    QObject context; // ends the connections with the log
    QStringList events;
    int lastCode = 0;
};

const QByteArray kPng = QByteArray::fromBase64(
    "iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVR42mNk+M9QDwADhgGAWjR9awAAAABJRU5ErkJggg==");

} // namespace

class TstWebPane : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void chartSnippetLoadsItsImage();
    void failureCompletes();
    void newerNavigationSupersedes();
    void shownFetchPaneLoadsRelativeImages();
    void selectingAnEntryLoadsItsChartSnippets();

private:
    // One view for the tests: each new view starts a renderer process.
    std::unique_ptr<WebPane> m_pane;
};

void TstWebPane::initTestCase()
{
    m_pane = std::make_unique<WebPane>(QStringLiteral("wbrRealTimeQuote"));
    m_pane->setSilent(true);
    m_pane->widget()->resize(300, 200);
    m_pane->setVisible(true);
}

void TstWebPane::chartSnippetLoadsItsImage()
{
    PageServer server;
    server.setFallback([](const PageRequest&) { return PageResponse::page(kPng, "image/png"); });
    WebPane& pane = *m_pane;
    EventLog log(pane);

    const QString chart = QStringLiteral(
        "/dab_neu/charts/popup_intrachart?type=time&tsOffset=0&sym1=BMW.ETR&scrmbl=&lg=de&ct=de");
    const QString address =
        QStringLiteral("about:<html><body leftMargin=8 topMargin=0 marginheight=0 marginwidth=0 scroll='no'>"
                       "<a href=\"%1\" target=\"_blank\"><img src=\"%2\" border=\"0\"></a>")
            .arg(server.url(QStringLiteral("/inf/search/all.html?SEARCH_VALUE=BMW.ETR&x=11&y=7")),
                 server.url(chart));
    pane.navigate(address);
    QVERIFY(log.waitForCompletion());
    QCOMPARE(log.events, QStringList{QStringLiteral("complete ") + address});
    QVERIFY(server.waitForRequests(1, 10000));
    QCOMPARE(server.targets(), QStringList{chart});
    QCOMPARE(pane.locationUrl(), address);

    pane.navigate(QStringLiteral("about:blank"));
    QVERIFY(log.waitForCompletion(2));
    QCOMPARE(log.events.last(), QStringLiteral("complete about:blank"));
}

void TstWebPane::failureCompletes()
{
    PageServer server;
    server.setResponse(QStringLiteral("/missing"), PageResponse::error(404, "<html>gone</html>"));
    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost));
    const QString refused = QStringLiteral("http://127.0.0.1:%1/x").arg(closed.serverPort());
    closed.close();

    for (const QString& address : {refused, server.url(QStringLiteral("/missing"))}) {
        EventLog log(*m_pane);
        m_pane->navigate(address);
        QVERIFY(log.waitForCompletion());
        QCOMPARE(log.events,
                 (QStringList{QStringLiteral("error ") + address, QStringLiteral("complete ") + address}));
        QVERIFY(address == refused ? log.lastCode < 0 : log.lastCode == 404);
    }
}

// Only the newest navigation completes, whether the older one hangs or
// answers after it.
void TstWebPane::newerNavigationSupersedes()
{
    PageServer server;
    server.setResponse(QStringLiteral("/hang"), PageResponse::hang());
    server.setResponse(QStringLiteral("/slow"), PageResponse::page("<p>slow</p>").delayed(300));
    for (const QString& older : {QStringLiteral("/hang"), QStringLiteral("/slow")}) {
        EventLog log(*m_pane);
        m_pane->navigate(server.url(older));
        if (older == u"/hang")
            QVERIFY(server.waitForRequests(1, 10000));
        const QString newer = QStringLiteral("about:<p>after %1</p>").arg(older);
        m_pane->navigate(newer);
        QVERIFY(log.waitForCompletion());
        QTest::qWait(500);
        QCOMPARE(log.events, QStringList{QStringLiteral("complete ") + newer});
    }
}

void TstWebPane::shownFetchPaneLoadsRelativeImages()
{
    PageServer server;
    server.setResponse(QStringLiteral("/box"), PageResponse::page("<p>update</p><img src=\"/banner.png\">"));
    server.setResponse(QStringLiteral("/banner.png"), PageResponse::page(kPng, "image/png"));
    QNetworkAccessManager network;
    FetchPane pane(QStringLiteral("wbrStockContent"), network, 2000);
    EventLog log(pane);
    pane.navigate(server.url(QStringLiteral("/box")));
    QVERIFY(log.waitForCompletion());
    QCOMPARE(server.targets(), QStringList{"/box"});
    pane.setVisible(true);
    QVERIFY(server.waitForRequests(2, 10000));
    QCOMPARE(server.targets(), (QStringList{"/box", "/banner.png"}));
}

// The whole way: a click into the main window's list, real panes, and the
// chart service on the loopback server.
void TstWebPane::selectingAnEntryLoadsItsChartSnippets()
{
    ServedWindow served("BMW;BMW;ETR;;;True;;;;;;;;;519000;DE0005190003;0\r\n");
    served.server.setFallback([](const PageRequest& request) {
        return request.path.endsWith(u"popup_intrachart") ? PageResponse::page(kPng, "image/png")
                                                          : PageResponse::error(404);
    });
    QtPaneFactory panes(5000);
    TestPlatform& p = served.platform;
    PlatformContext context{p.settings, p.hosts, p.dialogs,           p.clipboard,  p.processes,
                            p.clock,    panes,   p.programDir.path(), p.downloader, p.urls};
    MainWindow window(context);
    activate(window);
    served.server.clearRequests();
    EventLog log(pane(window, QStringLiteral("wbrRealTimeQuote")));
    clickEntry(window, 0);
    QVERIFY(QTest::qWaitFor(
        [&] {
            return served.server.targets().contains(QStringLiteral(
                "/dab_neu/charts/popup_intrachart?type=time&tsOffset=0&sym1=BMW.ETR&scrmbl=&lg=de&ct=de"));
        },
        15000));
    QVERIFY(log.waitForCompletion());
    QVERIFY(log.events.last().contains(QStringLiteral("popup_intrachart?type=time")));
}

QTEST_MAIN(TstWebPane)
#include "tst_webpane.moc"
