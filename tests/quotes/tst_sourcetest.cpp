#include "loopback/pageserver.h"
#include "quotes/sourcetest.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace td;
using loopback::PageResponse;

class TestSourceTest : public QObject
{
    Q_OBJECT
private slots:
    void exitCodes_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QStringList>("lines"); // "@" stands for the server's address
        QTest::newRow("json quote read") << QStringList{"api", "SAP", "DE"} << 0
                                         << QStringList{"q.ini:10: Quelle 'broken': 'url' fehlt",
                                                        "address: @/api?s=SAP.DE",
                                                        "HTTP status: 200",
                                                        "quote: 12,50",
                                                        "change: 1.50",
                                                        "previous: not given",
                                                        "wkn: not given",
                                                        "isin: not given",
                                                        "currency: EUR",
                                                        "day change: 1,50 %"};
        QTest::newRow("html page without a quote") << QStringList{"Page", "X Y"} << 1
                                                   << QStringList{"q.ini:10: Quelle 'broken': 'url' fehlt",
                                                                  "address: @/page/X%20Y",
                                                                  "HTTP status: 404",
                                                                  "quote: no match",
                                                                  "change: not given",
                                                                  "previous: not given",
                                                                  "wkn: not given",
                                                                  "isin: not given",
                                                                  "currency: not given",
                                                                  "no quote: 'quote' passt nicht"};
        QTest::newRow("broken source")
            << QStringList{"broken", "SAP"} << 2
            << QStringList{"q.ini:10: Quelle 'broken': 'url' fehlt", "unknown source 'broken' in q.ini"};
        QTest::newRow("unknown source")
            << QStringList{"none", "SAP"} << 2
            << QStringList{"q.ini:10: Quelle 'broken': 'url' fehlt", "unknown source 'none' in q.ini"};
        QTest::newRow("no ticker") << QStringList{"api"} << 2
                                   << QStringList{"usage: --test-source NAME TICKER [PLACE]"};
    }
    void exitCodes()
    {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QStringList, lines);
        loopback::PageServer server;
        QVERIFY(server.isListening());
        server.setResponse(
            QStringLiteral("/api?s=SAP.DE"),
            PageResponse::page(R"({"q":{"p":12.5,"c":"1.50","cur":"EUR"}})", "application/json"));
        server.setResponse(QStringLiteral("/page/X%20Y"), PageResponse::error(404, "<p>not here</p>"));

        QTemporaryDir dir;
        QVERIFY(QDir::setCurrent(dir.path()));
        QFile file(QStringLiteral("q.ini"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[api]\nurl=" + server.baseUrl().toUtf8() +
                   "/api?s={symbol}\nformat=json\nquote=q.p\nchange=q.c\ncurrency=q.cur\n"
                   "[page]\nurl=" +
                   server.baseUrl().toUtf8() + "/page/{symbol}\nquote=Kurs (\\S+)\n[broken]\nquote=(x)\n");
        file.close();

        QString output;
        QTextStream out(&output);
        QCOMPARE(runSourceTest(QStringLiteral("q.ini"), args, out, 5000), code);
        out.flush();
        QCOMPARE(output.split(u'\n', Qt::SkipEmptyParts), lines.replaceInStrings(u"@", server.baseUrl()));
    }
};

QTEST_GUILESS_MAIN(TestSourceTest)
#include "tst_sourcetest.moc"
