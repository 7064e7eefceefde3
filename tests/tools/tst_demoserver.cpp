// The demo server starts, its quote page for an entry of the sample list
// reads back as the program reads the bank's, and it answers the data tabs.
#include "platform/textfile.h"
#include "quotes/pagereader.h"
#include "quotes/quotesource.h"
#include "quotes/sourcereading.h"

#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class TestDemoServer : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void servesAReadableQuotePage()
    {
        QProcess server;
        server.start(QStringLiteral(TD_DEMO_SERVER),
                     {QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--list"),
                      QStringLiteral(TD_SAMPLE_LIST)});
        QVERIFY2(server.waitForReadyRead(10000), qPrintable(server.readAllStandardError()));
        const QString line = QString::fromLatin1(server.readLine()).trimmed();
        const QRegularExpressionMatch match =
            QRegularExpression(QStringLiteral("^listening on (http://127\\.0\\.0\\.1:\\d+)$")).match(line);
        QVERIFY2(match.hasMatch(), qPrintable(line));
        QNetworkAccessManager network;
        network.setProxy(QNetworkProxy::NoProxy);
        QNetworkReply* reply = network.get(QNetworkRequest(
            QUrl(match.captured(1) + QStringLiteral("/inf/search/all.html?SEARCH_VALUE=BMW.ETR&x=11&y=7"))));
        QSignalSpy finished(reply, &QNetworkReply::finished);
        QVERIFY(finished.wait(10000));
        const td::QuotePageResult read = td::readQuotePage(td::decodeWindows1252(reply->readAll()), false);
        QVERIFY(read.evaluate);
        QCOMPARE(read.wkn.value_or(QString()), QStringLiteral("519000"));
        delete reply;
        // What a shown entry's history, technical and signal tabs load.
        for (const char* tab : {"/dab_neu/charts/detailchart?hist=12&log=0&type=1&sym1=BMW.ETR&lg=de&ct=de",
                                "/html/detail/main.html?hist=12m&sSym=BMW.ETR&DEBUG=0",
                                "/cgi-bin/de/search.pl?isin=DE0005190003&typnr=3"}) {
            std::unique_ptr<QNetworkReply> page(network.get(QNetworkRequest(QUrl(match.captured(1) + tab))));
            QVERIFY(QSignalSpy(page.get(), &QNetworkReply::finished).wait(10000));
            QCOMPARE(page->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 200);
        }
        server.kill();
        server.waitForFinished();
    }

    // The demo settings come with two sources of their own, and both read
    // this server's pages.
    void demoSourcesReadTheirPages_data()
    {
        QTest::addColumn<QString>("source");
        QTest::newRow("html page") << "kurse";
        QTest::newRow("json service") << "api";
    }
    void demoSourcesReadTheirPages()
    {
        QFETCH(QString, source);
        QTemporaryDir dir;
        QProcess server;
        server.start(QStringLiteral(TD_DEMO_SERVER),
                     {QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--list"),
                      QStringLiteral(TD_SAMPLE_LIST), QStringLiteral("--demo-settings"),
                      dir.filePath(QStringLiteral("brightmoor.ini"))});
        QVERIFY2(server.waitForReadyRead(10000), qPrintable(server.readAllStandardError()));
        const td::QuoteSourceFile file = td::readQuoteSourceFile(dir.filePath(td::kQuoteSourcesFileName));
        QVERIFY(file.problems.isEmpty());
        const td::QuoteSource* s = file.find(source);
        QVERIFY(s);
        QNetworkAccessManager network;
        network.setProxy(QNetworkProxy::NoProxy);
        QNetworkReply* reply = network.get(QNetworkRequest(
            QUrl(td::sourceAddress(*s, {QStringLiteral("BMW"), QStringLiteral("ETR"), {}, {}, {}}))));
        QSignalSpy finished(reply, &QNetworkReply::finished);
        QVERIFY(finished.wait(10000));
        const td::SourceAnswer answer = td::readSourcePage(
            *s, td::decodeSourcePage(reply->readAll(),
                                     reply->header(QNetworkRequest::ContentTypeHeader).toByteArray()));
        QVERIFY2(answer.quoteRead, qPrintable(answer.failure));
        QVERIFY(!answer.quote.isZero());
        QCOMPARE(answer.isin.value_or(QString()), QStringLiteral("DE0005190003"));
        delete reply;
        server.kill();
        server.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(TestDemoServer)
#include "tst_demoserver.moc"
