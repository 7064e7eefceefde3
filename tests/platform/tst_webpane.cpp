// What needs the real web engine: images and scripts in the program's own
// documents, failures and superseded loads as the engine reports them.
#include "loopback/pageserver.h"
#include "paneevents.h"
#include "platform/fetchpane.h"
#include "platform/panefactory.h"
#include "platform/webpane.h"

#include <QNetworkAccessManager>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace td;
using namespace td::loopback;
using namespace td::test;

Q_DECLARE_METATYPE(td::PaneKind)

class TstWebPane : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        const QByteArray png =
            QByteArray::fromBase64("iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVR42"
                                   "mNk+M9QDwADhgGAWjR9awAAAABJRU5ErkJggg==");
        m_server.setFallback([png](const PageRequest&) { return PageResponse::page(png, "image/png"); });
        m_server.setResponse(QStringLiteral("/missing"), PageResponse::error(404, "<html>gone</html>"));
        m_server.setResponse(QStringLiteral("/hang"), PageResponse::hang());
        m_server.setResponse(QStringLiteral("/slow"), PageResponse::page("<p>slow</p>").delayed(300));
        m_server.setResponse(QStringLiteral("/box"),
                             PageResponse::page("<p>update</p><img src=\"/banner.png\">"));
        m_pane = std::make_unique<WebPane>(QStringLiteral("wbrRealTimeQuote"));
        m_pane->setSilent(true);
        m_pane->widget()->resize(300, 200);
        m_pane->setVisible(true);
    }
    void init() { m_server.clearRequests(); }
    void chartSnippetLoadsItsImage()
    {
        PaneEvents log(*m_pane);
        const QString address =
            QStringLiteral("about:<html><body><a href=\"%1\" target=\"_blank\"><img src=\"%2\" "
                           "border=\"0\"></a>")
                .arg(m_server.url(QStringLiteral("/search")), m_server.url(QStringLiteral("/chart")));
        m_pane->navigate(address);
        QVERIFY(log.waitForCompletion());
        QCOMPARE(log.events, QStringList{completeEvent(address)});
        QCOMPARE(m_server.targets(), QStringList{"/chart"});
        QCOMPARE(m_pane->locationUrl(), address);
    }
    // The overview pages are files without an extension, with charts from the web.
    void pageFileShowsAsHtmlAndReloadsAfresh()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("~charts"));
        const auto write = [&path, this](const char* chart) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("<html><body><img src=\"" + m_server.url(QString::fromLatin1(chart)).toUtf8() +
                       "\"></body></html>\r\n");
        };
        write("/first");
        PaneEvents log(*m_pane);
        m_pane->navigate(path);
        QVERIFY(log.waitForCompletion());
        QTRY_COMPARE(m_server.targets(), QStringList{"/first"});
        write("/second");
        m_pane->refresh();
        QTRY_COMPARE(m_server.targets(), (QStringList{"/first", "/second"}));
    }
    void snippetPanesRunNoScript_data()
    {
        QTest::addColumn<PaneKind>("kind");
        QTest::addColumn<bool>("scriptRuns");
        QTest::newRow("display pane") << PaneKind::Display << true;
        QTest::newRow("snippet pane") << PaneKind::Snippet << false;
    }
    void snippetPanesRunNoScript()
    {
        QFETCH(PaneKind, kind);
        QtPaneFactory factory;
        QObject owner;
        BrowserPane* pane = factory.create(QStringLiteral("wbrRealTimeChart"), kind, &owner);
        pane->setSilent(true);
        PaneEvents log(*pane);
        // The script's image comes before the plain one: the load ends after both.
        pane->navigate(QStringLiteral("about:<html><body><script>document.write('<img src=\"%1\">')</script>"
                                      "<img src=\"%2\"></body></html>")
                           .arg(m_server.url(QStringLiteral("/script.png")),
                                m_server.url(QStringLiteral("/plain.png"))));
        QVERIFY(log.waitForCompletion());
        QVERIFY(m_server.targets().contains(QStringLiteral("/plain.png")));
        QTEST(m_server.targets().contains(QStringLiteral("/script.png")), "scriptRuns");
    }
    void failureCompletes()
    {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const QString refused = QStringLiteral("http://127.0.0.1:%1/x").arg(closed.serverPort());
        closed.close();
        for (const QString& address : {refused, m_server.url(QStringLiteral("/missing"))}) {
            PaneEvents log(*m_pane);
            m_pane->navigate(address);
            QVERIFY(log.waitForCompletion());
            QCOMPARE(log.events, (QStringList{QStringLiteral("error %1 %2").arg(log.lastCode).arg(address),
                                              completeEvent(address)}));
            QVERIFY(address == refused ? log.lastCode < 0 : log.lastCode == 404);
        }
    }
    // Only the newest navigation completes, whether the older one hangs or
    // answers after it.
    void newerNavigationSupersedes()
    {
        for (const QString& older : {QStringLiteral("/hang"), QStringLiteral("/slow")}) {
            m_server.clearRequests();
            QSignalSpy completions(m_pane.get(), &BrowserPane::documentComplete);
            m_pane->navigate(m_server.url(older));
            QVERIFY(m_server.waitForRequests(1, 10000));
            const QString newer = QStringLiteral("about:<p>after %1</p>").arg(older);
            m_pane->navigate(newer);
            QVERIFY(completions.wait(15000));
            QCOMPARE(completions.takeFirst().at(0).toString(), newer);
            QVERIFY(!completions.wait(600)); // past the slow answer
        }
    }
    void shownFetchPaneLoadsRelativeImages()
    {
        QNetworkAccessManager network;
        FetchPane pane(QStringLiteral("wbrStockContent"), network, 2000);
        PaneEvents log(pane);
        pane.navigate(m_server.url(QStringLiteral("/box")));
        QVERIFY(log.waitForCompletion());
        QCOMPARE(m_server.targets(), QStringList{"/box"});
        pane.setVisible(true);
        QVERIFY(m_server.waitForRequests(2, 10000));
        QCOMPARE(m_server.targets(), (QStringList{"/box", "/banner.png"}));
    }

private:
    PageServer m_server;
    // One view for most tests: each new view starts a renderer process.
    std::unique_ptr<WebPane> m_pane;
};

QTEST_MAIN(TstWebPane)
#include "tst_webpane.moc"
