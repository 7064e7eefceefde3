// The demo server starts, its quote page for an entry of the sample list
// reads back as the program reads the bank's, and every data tab of a shown
// entry gets something to show.
#include "platform/textfile.h"
#include "quotes/pagereader.h"

#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <memory>

class TestDemoServer : public QObject
{
    Q_OBJECT
    QProcess m_server;
    QString m_base;
    QNetworkAccessManager m_network;

    std::unique_ptr<QNetworkReply> get(const QString& target)
    {
        std::unique_ptr<QNetworkReply> reply(m_network.get(QNetworkRequest(QUrl(m_base + target))));
        QSignalSpy finished(reply.get(), &QNetworkReply::finished);
        if (!reply->isFinished())
            finished.wait(10000);
        return reply;
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_server.start(QStringLiteral(TD_DEMO_SERVER),
                       {QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--list"),
                        QStringLiteral(TD_SAMPLE_LIST)});
        QVERIFY2(m_server.waitForReadyRead(10000), qPrintable(m_server.readAllStandardError()));
        const QString line = QString::fromLatin1(m_server.readLine()).trimmed();
        const QRegularExpressionMatch match =
            QRegularExpression(QStringLiteral("^listening on (http://127\\.0\\.0\\.1:\\d+)$")).match(line);
        QVERIFY2(match.hasMatch(), qPrintable(line));
        m_base = match.captured(1);
        m_network.setProxy(QNetworkProxy::NoProxy);
    }
    void cleanupTestCase()
    {
        m_server.kill();
        m_server.waitForFinished();
    }
    void servesAReadableQuotePage()
    {
        const auto reply = get(QStringLiteral("/inf/search/all.html?SEARCH_VALUE=BMW.ETR&x=11&y=7"));
        const td::QuotePageResult read = td::readQuotePage(td::decodeWindows1252(reply->readAll()), false);
        QVERIFY(read.evaluate);
        QCOMPARE(read.wkn.value_or(QString()), QStringLiteral("519000"));
    }
    void servesTheDataTabs_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("type");
        QTest::newRow("history")
            << "/dab_neu/charts/detailchart?hist=12&log=0&type=1&sym1=BMW.ETR&lg=de&ct=de"
            << "image/png";
        QTest::newRow("technical") << "/html/detail/main.html?hist=12m&sSym=BMW.ETR&DEBUG=0"
                                   << "text/html";
        QTest::newRow("signal") << "/cgi-bin/de/search.pl?isin=DE0005190003&typnr=3"
                                << "text/html";
    }
    void servesTheDataTabs()
    {
        QFETCH(QString, target);
        QFETCH(QString, type);
        const auto reply = get(target);
        QCOMPARE(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 200);
        QVERIFY(reply->header(QNetworkRequest::ContentTypeHeader).toString().startsWith(type));
        QVERIFY(!reply->readAll().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestDemoServer)
#include "tst_demoserver.moc"
