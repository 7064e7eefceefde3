#include "platform/textfile.h"
#include "quotes/pagereader.h"
#include "watchlist/tickerfile.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

namespace {

struct Fetched
{
    int status = 0;
    QByteArray contentType;
    QByteArray body;
};

} // namespace

class TestDemoServer : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void quotePageReadsBack_data();
    void quotePageReadsBack();
    void signalPage_data();
    void signalPage();
    void otherAnswers();

private:
    Fetched get(const QString& pathAndQuery);

    QProcess m_server;
    QNetworkAccessManager m_net;
    QString m_base;
};

void TestDemoServer::initTestCase()
{
    m_net.setProxy(QNetworkProxy::NoProxy);
    m_server.setProgram(QStringLiteral(TD_DEMO_SERVER));
    m_server.setArguments({QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--list"),
                           QStringLiteral(TD_SAMPLE_LIST), QStringLiteral("--version-text"),
                           QStringLiteral("9.8.765.0859"), QStringLiteral("--seed"), QStringLiteral("7")});
    m_server.start();
    QVERIFY2(m_server.waitForStarted(), qPrintable(m_server.errorString()));
    QTRY_VERIFY_WITH_TIMEOUT(m_server.canReadLine() || m_server.state() == QProcess::NotRunning, 10000);
    const QString line = QString::fromLatin1(m_server.readLine()).trimmed();
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("^listening on (http://127\\.0\\.0\\.1:\\d+)$")).match(line);
    QVERIFY2(match.hasMatch(), qPrintable(line + QString::fromLocal8Bit(m_server.readAllStandardError())));
    m_base = match.captured(1);
}

void TestDemoServer::cleanupTestCase()
{
    m_server.kill();
    m_server.waitForFinished();
}

Fetched TestDemoServer::get(const QString& pathAndQuery)
{
    QNetworkReply* reply = m_net.get(QNetworkRequest(QUrl(m_base + pathAndQuery)));
    QEventLoop loop;
    connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    loop.exec();
    Fetched fetched;
    if (reply->isFinished()) {
        fetched.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        fetched.contentType = reply->header(QNetworkRequest::ContentTypeHeader).toByteArray();
        fetched.body = reply->readAll();
    }
    reply->deleteLater();
    return fetched;
}

void TestDemoServer::quotePageReadsBack_data()
{
    QTest::addColumn<QString>("searchValue");
    QTest::addColumn<QString>("wkn");
    QTest::addColumn<QString>("isin");
    QTest::newRow("by symbol") << "BMW.ETR"
                               << "519000"
                               << "DE0005190003";
    QTest::newRow("by symbol, other case") << "bmw.etr"
                                           << "519000"
                                           << "DE0005190003";
    QTest::newRow("by WKN") << "519000"
                            << "519000"
                            << "DE0005190003";
    QTest::newRow("no buying price") << "SIE.ETR"
                                     << "723610"
                                     << "DE0007236101";
}

// The program reads the pages back as it reads the bank's.
void TestDemoServer::quotePageReadsBack()
{
    QFETCH(QString, searchValue);
    const Fetched fetched =
        get(QStringLiteral("/inf/search/all.html?SEARCH_VALUE=") + searchValue + QStringLiteral("&x=11&y=7"));
    QCOMPARE(fetched.status, 200);
    const td::QuotePageResult read = td::readQuotePage(td::decodeWindows1252(fetched.body), false);
    QVERIFY(read.hasKursdaten && read.evaluate);
    QVERIFY2(read.quote.toDouble() > 0, qPrintable(read.sQuoteText));
    QTEST(read.wkn.value_or(QString()), "wkn");
    QTEST(read.isin.value_or(QString()), "isin");
}

void TestDemoServer::signalPage_data()
{
    QTest::addColumn<QString>("isin");
    QTest::addColumn<int>("markers");
    QTest::newRow("German share") << "DE0005190003" << 1;
    QTest::newRow("no ISIN") << "" << 0;
}

// One signal word per page, the same on every request.
void TestDemoServer::signalPage()
{
    QFETCH(QString, isin);
    const QString path = QStringLiteral("/cgi-bin/de/search.pl?isin=") + isin + QStringLiteral("&typnr=3");
    const QByteArray first = get(path).body;
    int found = 0;
    for (const char* marker : {">kaufen<", ">akkumulieren<", ">halten<", ">reduzieren<", ">verkaufen<"})
        found += first.contains(marker) ? 1 : 0;
    QTEST(found, "markers");
    QCOMPARE(get(path).body, first);
}

void TestDemoServer::otherAnswers()
{
    for (const char* chart :
         {"/dab_neu/charts/popup_intrachart?type=intra&sym1=BMW.ETR&scrmbl=&lg=de&ct=de",
          "/dab_neu/charts/detailchart?hist=6&log=0&type=1&sym1=SAP.ETR&lg=de&ct=de",
          "/charts/big.chart?hist=1d&type=CONNECTLINE&ind0=VOLUME&&currency=&&lSyms=KO.NYS&lColors=0x6060ff"
          "&sSym=KO.NYS"}) {
        const Fetched fetched = get(QString::fromLatin1(chart));
        QVERIFY2(fetched.status == 200 && fetched.contentType == "image/png", chart);
        QVERIFY2(fetched.body.startsWith("\x89PNG\r\n\x1a\n"), chart);
    }
    QCOMPARE(get(QStringLiteral("/version.txt")).body.trimmed(), QByteArray("9.8.765.0859"));
    // The maker's downloads: a list that loads, a program file, a banner.
    const QByteArray list = get(QStringLiteral("/tic/all.tic")).body;
    QVERIFY(!td::parseTickerFile(list, false).entries.isEmpty() && list.endsWith("\r\n"));
    QCOMPARE(get(QStringLiteral("/TDCK.exe")).status, 200);
    QVERIFY(get(QStringLiteral("/bilder/tdck/tdck25.jpg")).body.startsWith("\x89PNG"));
    const Fetched unknown = get(QStringLiteral("/inf/search/all.html?SEARCH_VALUE=NOPE.XXX&x=11&y=7"));
    QCOMPARE(unknown.status, 200);
    QVERIFY(!unknown.body.isEmpty() && !unknown.body.contains(">Kursdaten<"));
    // The screener's chart view names each ticker asked for, in order.
    const QByteArray screener = get(QStringLiteral("/screener.ashx?v=212&t=AAPL,,MSFT&o=company")).body;
    QVERIFY(screener.indexOf("<B>AAPL</B>") >= 0 &&
            screener.indexOf("<B>AAPL</B>") < screener.indexOf("<B>MSFT</B>"));
    QCOMPARE(get(QStringLiteral("/")).status, 404);
    QCOMPARE(get(QStringLiteral("/inf/other.html")).status, 404);
}

QTEST_GUILESS_MAIN(TestDemoServer)
#include "tst_demoserver.moc"
