#include "platform/textfile.h"
#include "quotes/pagereader.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <cmath>

namespace {

struct Fetched
{
    int status = 0;
    QByteArray contentType;
    QByteArray body;
};

const QStringList kSignalMarkers = {QStringLiteral(">kaufen<"), QStringLiteral(">akkumulieren<"),
                                    QStringLiteral(">halten<"), QStringLiteral(">reduzieren<"),
                                    QStringLiteral(">verkaufen<")};

} // namespace

class TestDemoServer : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void quotePageReadsBack_data();
    void quotePageReadsBack();
    void unknownSymbolHasNoPriceData();
    void signalPage_data();
    void signalPage();
    void chartImages_data();
    void chartImages();
    void versionFile();
    void otherPathsAreNotFound();

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
    QTest::addColumn<double>("previousClose");
    QTest::addColumn<QString>("wkn");
    QTest::addColumn<QString>("isin");
    // BMW and Apple carry a buying price, which is where their walk starts.
    QTest::newRow("by symbol") << "BMW.ETR" << 98.5 << "519000"
                               << "DE0005190003";
    QTest::newRow("by symbol, other case") << "bmw.etr" << 98.5 << "519000"
                                           << "DE0005190003";
    QTest::newRow("by WKN") << "519000" << 98.5 << "519000"
                            << "DE0005190003";
    QTest::newRow("USD entry") << "AAPL.NAS" << 170.25 << "865985"
                               << "US0378331005";
    QTest::newRow("no buying price") << "SIE.ETR" << 0.0 << "723610"
                                     << "DE0007236101";
}

void TestDemoServer::quotePageReadsBack()
{
    QFETCH(QString, searchValue);
    QFETCH(double, previousClose);
    const Fetched fetched =
        get(QStringLiteral("/inf/search/all.html?SEARCH_VALUE=") + searchValue + QStringLiteral("&x=11&y=7"));
    QCOMPARE(fetched.status, 200);
    const QString page = td::decodeWindows1252(fetched.body);
    const td::QuotePageResult read = td::readQuotePage(page, false);
    QVERIFY(read.hasKursdaten);
    QVERIFY(read.evaluate);
    QTEST(read.wkn.value_or(QString()), "wkn");
    QTEST(read.isin.value_or(QString()), "isin");
    const double quote = read.quote.toDouble();
    QVERIFY(quote > 0);
    if (previousClose > 0) {
        // The walk moves at most 1 % a request and each row is a handful of requests.
        QVERIFY2(std::abs(quote / previousClose - 1.0) < 0.06, qPrintable(read.sQuoteText));
        const double expectedChange = (quote - previousClose) * 100.0 / previousClose;
        QVERIFY2(std::abs(read.dayPct.toDouble() - expectedChange) <= 0.0051, qPrintable(read.sChangeText));
    }
}

void TestDemoServer::unknownSymbolHasNoPriceData()
{
    const Fetched fetched = get(QStringLiteral("/inf/search/all.html?SEARCH_VALUE=NOPE.XXX&x=11&y=7"));
    QCOMPARE(fetched.status, 200);
    QVERIFY(!fetched.body.isEmpty());
    QVERIFY(!fetched.body.contains(">Kursdaten<"));
}

void TestDemoServer::signalPage_data()
{
    QTest::addColumn<QString>("isin");
    QTest::addColumn<bool>("hasSignal");
    QTest::newRow("German share") << "DE0005190003" << true;
    QTest::newRow("US share") << "US0378331005" << true;
    QTest::newRow("no ISIN") << "" << false;
}

void TestDemoServer::signalPage()
{
    QFETCH(QString, isin);
    QFETCH(bool, hasSignal);
    const QString path = QStringLiteral("/cgi-bin/de/search.pl?isin=") + isin + QStringLiteral("&typnr=3");
    const QString first = QString::fromLatin1(get(path).body);
    int found = 0;
    for (const QString& marker : kSignalMarkers)
        found += first.contains(marker) ? 1 : 0;
    QCOMPARE(found, hasSignal ? 1 : 0);
    QCOMPARE(QString::fromLatin1(get(path).body), first);
}

void TestDemoServer::chartImages_data()
{
    QTest::addColumn<QString>("pathAndQuery");
    QTest::newRow("DAB intraday")
        << "/dab_neu/charts/popup_intrachart?type=intra&sym1=BMW.ETR&scrmbl=&lg=de&ct=de";
    QTest::newRow("DAB history")
        << "/dab_neu/charts/detailchart?hist=6&log=0&type=1&sym1=SAP.ETR&lg=de&ct=de";
    QTest::newRow("big chart")
        << "/charts/big.chart?hist=1d&type=CONNECTLINE&ind0=VOLUME&&currency=&&lSyms=KO.NYS&lColors=0x6060ff"
           "&sSym=KO.NYS";
}

void TestDemoServer::chartImages()
{
    QFETCH(QString, pathAndQuery);
    const Fetched fetched = get(pathAndQuery);
    QCOMPARE(fetched.status, 200);
    QCOMPARE(fetched.contentType, QByteArray("image/png"));
    QVERIFY(fetched.body.startsWith("\x89PNG\r\n\x1a\n"));
}

void TestDemoServer::versionFile()
{
    const Fetched fetched = get(QStringLiteral("/version.txt"));
    QCOMPARE(fetched.status, 200);
    QCOMPARE(fetched.body.trimmed(), QByteArray("9.8.765.0859"));
}

void TestDemoServer::otherPathsAreNotFound()
{
    QCOMPARE(get(QStringLiteral("/")).status, 404);
    QCOMPARE(get(QStringLiteral("/inf/other.html")).status, 404);
}

QTEST_GUILESS_MAIN(TestDemoServer)
#include "tst_demoserver.moc"
