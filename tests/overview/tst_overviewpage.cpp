#include "overview/overviewpage.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

using namespace td;

namespace {

const QString rule = "<hr noshade width=\"100%\" size=\"1\" align=\"left\" color=\"#c9c9c9\">";

MemorySettingsStore testHosts()
{
    MemorySettingsStore hosts;
    hosts.write("comdirect-charts", "http://charts.test");
    hosts.write("dab", "http://dab.test");
    hosts.write("wallstreet-online", "http://wo.test");
    return hosts;
}

const HtmlFrame testFrame{"HEAD\r\n", "FOOT", {"[0]", "[1]", "[2]", "[3]", "[4]", "[5]"}};

// Rows "name;ticker;place;wkn;isin;buying;b%;value;+|-".
ChartSelection selectionOf(const QStringList& rows)
{
    // Every list empty but the day figures, left at 0.
    ChartSelection s{{}, {}, {}, {}, {}, {}, QList<Amount>(rows.size()), {}, {}, {}};
    QList<QString>* texts[] = {&s.sSelName, &s.sSelTicker, &s.sSelPlace, &s.sSelWKN, &s.sSelISIN};
    QList<Amount>* amounts[] = {&s.cSelQuote, &s.cSelBuyPct, &s.cSelValue, &s.cSelChange};
    for (const QString& row : rows) {
        const QStringList f = row.split(u';');
        for (int i = 0; i < 5; ++i)
            *texts[i] << f.value(i);
        for (int i = 0; i < 4; ++i)
            *amounts[i] << parseGerman(f.value(5 + i)).value_or(Amount());
    }
    return s;
}

QDateTime utc(int h, int m, int s, int ms = 0)
{
    return QDateTime(QDate(2024, 3, 5), QTime(h, m, s, ms), QTimeZone::utc());
}

QString dabPicture(const QString& address)
{
    return "[0]SAP.ETR[1]<img src=\"http://dab.test/dab_neu/charts/" + address + "[5][2]";
}

} // namespace

class TestOverviewPage : public QObject
{
    Q_OBJECT
private slots:
    void frameFromHosts()
    {
        MemorySettingsStore hosts = testHosts();
        hosts.write("comdirect", "http://127.0.0.1:8080");
        hosts.write("maker-home", "http://home.test:8080");
        hosts.write("maker-web", "http://127.0.0.1:9000");
        const HtmlFrame frame =
            buildHtmlFrame(hosts, utc(14, 5, 9), QLocale(QLocale::German, QLocale::Germany));
        const QString& head = frame.sHtmlHead;
        QVERIFY(head.startsWith("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">\r\n"));
        for (const char* part :
             {"<META NAME=\"author\" content=\"brightmoor\">\r\n", "<!--Tickerdeck by brightmoor-->\r\n",
              "<META NAME=\"date\" content=\"05.03.24 14:05:09\">\r\n",
              "<link rel=\"stylesheet\" href=\"http://127.0.0.1:9000/main.css\" title=\"menu\">\r\n"})
            QVERIFY2(head.contains(QString::fromLatin1(part)), part);
        QVERIFY(head.endsWith("<a name=\"top\"></a>\r\n"));
        QVERIFY(frame.sHtmlFoot.contains(
            "<a href=\"http://home.test:8080/\" target=\"_blank\">Tickerdeck by brightmoor</a> "
            "<a href=\"mailto:info@home.test?subject=TDCK\">email</a>"));
        QVERIFY(frame.sHtmlFoot.endsWith("\r\n</body></html>"));
        QVERIFY(frame.sLinkParts[0].startsWith("<a href=\"http://127.0.0.1:8080/inf/search/all.html?"));
        QVERIFY(frame.sLinkParts[3].startsWith("<img src=\"http://charts.test/charts/big.chart?"));
    }
    void dateLine_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QDateTime>("when");
        QTest::addColumn<QString>("expected");
        const QLocale de(QLocale::German, QLocale::Germany);
        const QLocale us(QLocale::English, QLocale::UnitedStates);
        QTest::newRow("de afternoon") << de << utc(14, 5, 9) << "05.03.24 14:05:09";
        QTest::newRow("de midnight") << de << utc(0, 0, 0) << "05.03.24";
        QTest::newRow("de one second past") << de << utc(0, 0, 1) << "05.03.24 00:00:01";
        QTest::newRow("de one ms past") << de << utc(0, 0, 0, 1) << "05.03.24 00:00:00";
        QTest::newRow("us afternoon") << us << utc(14, 5, 9) << "3/5/24 2:05:09 PM";
    }
    void dateLine()
    {
        QFETCH(QLocale, locale);
        QFETCH(QDateTime, when);
        QTEST(generalDateText(when, locale), "expected");
    }
    void chartLines_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("bank");
        QTest::addColumn<QStringList>("lines");
        const QString sap = "[0]SAP.ETR[1][3]SAP.ETR[4]SAP.ETR[5][2]";
        const QString noTicker =
            "<br>" + rule + "<center><a>kein TickerSymbol angegeben</a></center>" + rule + "<br>";
        const QString label =
            "<div id=\"ID\"0 style=\"position:absolute; z-index:4; height: 14; left: 320px; "
            "top: 480px\">SAP (<b><span style=\"color:%1\">%2</span>%sB)</div>";
        QTest::newRow("comdirect, one: red label")
            << QStringList{"SAP;SAP;ETR;;;;-2,5"} << 0 << QStringList{label.arg("red", "-2,5") + sap};
        QTest::newRow("comdirect, one: zero is green")
            << QStringList{"SAP;SAP;ETR;;;;0"} << 0 << QStringList{label.arg("green", "0") + sap};
        QTest::newRow("no ticker, no place")
            << QStringList{"x;;ETR", "y;ABC;"} << 1
            << QStringList{noTicker,
                           "<br>" + rule +
                               "<center><a href=\"http://charts.test/html/search/main.html?ad=&koop=&sCat=ALL"
                               "&sSearchterm=ABC\">'ABC' suchen</a></center>" +
                               rule + "<br>"};
        QTest::newRow("dab")
            << QStringList{"SAP;SAP;ETR;716460;;12,5;3"} << 1
            << QStringList{
                   "<div class=\"Index\">[0]SAP.ETR[1]SAP [SAP.ETR] (Hist=6m) (B=12,5/<span "
                   "style=\"color:green\">3</span>%sB)</a> | <a "
                   "href=\"http://wo.test/community/search.php?instrument=716460\" "
                   "target=\"_blank\">[w:o-forum]</a><div class=\"IndexNav\">" +
                   dabPicture("popup_intrachart?type=time&tsOffset=0&sym1=SAP.ETR&scrmbl=&lg=de&ct=de") +
                   dabPicture("popup_intrachart?type=intra&sym1=SAP.ETR&scrmbl=&lg=de&ct=de") +
                   dabPicture("detailchart?hist=6&log=0&type=1&sym1=SAP.ETR&lg=de&ct=de") + "</div></div>" +
                   rule};
        QTest::newRow("entry texts escaped")
            << QStringList{"A&B <x>;T\"1;E&", "Solo;S;X"} << 0
            << QStringList{"[0]T&quot;1.E&amp;[1][3]T&quot;1.E&amp;[4]T&quot;1.E&amp;[5][2]",
                           "[0]S.X[1][3]S.X[4]S.X[5][2]"};
        QTest::newRow("unknown bank repeats the line before")
            << QStringList{"x;;ETR", "SAP;SAP;ETR"} << 2 << QStringList{noTicker, noTicker};
    }
    void chartLines()
    {
        QFETCH(QStringList, rows);
        QFETCH(int, bank);
        QFETCH(QStringList, lines);
        const OverviewContext context{
            .tickerFilePath = "/tic/a&b.tic", .bank = bank, .iHistoryMonths = 6, .reloadText = "0"};
        const QStringList writes = chartOverviewWrites(testFrame, selectionOf(rows), context, testHosts());
        const QString header =
            "<div class=\"BigBoxRealTime\"><div class=\"BoxHeadRealTime\">tic: /tic/a&amp;b.tic</div>" + rule;
        QCOMPARE(writes, (QStringList{"HEAD\r\n", header} + lines + QStringList{"FOOT"}));
    }
    void reloadScript_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("script");
        QTest::newRow("1") << QString("1") << QString("1") << true;
        QTest::newRow("leading blank: typed text below 0") << QString(" 5") << QString("5") << false;
        QTest::newRow("abc: value 0") << QString("abc") << QString("0") << false;
        QTest::newRow("0.5: under a millisecond") << QString("0.5") << QString("0.5") << false;
    }
    void reloadScript()
    {
        QFETCH(QString, typed);
        QFETCH(QString, value);
        QFETCH(bool, script);
        const OverviewContext context{.tickerFilePath = "a.tic", .reloadText = typed, .sAutoReload = value};
        const QStringList writes =
            chartOverviewWrites(testFrame, selectionOf({"A;A;B"}), context, testHosts());
        QCOMPARE(writes.size(), script ? 7 : 4);
        if (script)
            QCOMPARE(writes.at(2), "setTimeout(\"window.location.reload(true)\", " + value + ");\r\n");
    }
    void chartPageFile()
    {
        QTemporaryDir dir;
        const OverviewContext context{.tickerFilePath = "/tic/M\u00fcller \u20ac.tic", .bank = BankComdirect};
        const QStringList writes =
            chartOverviewWrites(testFrame, selectionOf({"SAP;SAP;ETR", ";;"}), context, testHosts());
        QVERIFY(writeOverviewPage(dir.path() + '/', kChartsFile, writes));
        QFile file(dir.filePath("~charts"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray expected =
            "HEAD\r\n\r\n"
            "<SCRIPT LANGUAGE=\"Javascript\">\r\n\r\n"
            "setTimeout(\"window.location.reload(true)\", 60000);\r\n\r\n"
            "</SCRIPT>\r\n\r\n"
            "<div class=\"BigBoxRealTime\"><div class=\"BoxHeadRealTime\">tic: /tic/M\xfcller \x80.tic"
            "</div>" +
            rule.toLatin1() + "\r\n[0]SAP.ETR[1][3]SAP.ETR[4]SAP.ETR[5][2]\r\n<br>" + rule.toLatin1() +
            "<center><a>kein TickerSymbol angegeben</a></center>" + rule.toLatin1() + "<br>\r\nFOOT\r\n";
        QCOMPARE(file.readAll(), expected);
        QVERIFY(!writeOverviewPage(dir.filePath("missing"), kChartsFile, writes));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"~charts"});
    }
    void benchmark_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("totals");
        QTest::addColumn<QString>("figures"); // the IndexNav part of the first entry
        QTest::newRow("halves away from zero, grouped total")
            << QStringList{"SAP;SAP;ETR;716460;DE0007164600;;12,5;1234,5;2,5", "B;B;NAS;;;;;0,0001;-2"}
            << "Total Value: <b>1.235</b> | Total Change: <b>1</b>"
            << "Value: <b>1235</b> | Absolute Change: <b><span style=\"color:green\">3 (13%)</span></b>";
        QTest::newRow("zero totals and change")
            << QStringList{"SAP;SAP;ETR;716460;DE0007164600;;-7,5;0;0"}
            << "Total Value: <b></b> | Total Change: <b></b>"
            << "Value: <b></b> | Absolute Change: <b><span style=\"color:black\">0 (-8%)</span></b>";
        QTest::newRow("loss in red, B-% 0 empty")
            << QStringList{"SAP;SAP;ETR;716460;DE0007164600;;0;10;-0,4", "B;B;NAS;;;;;-2000;-1000,5"}
            << "Total Value: <b>-1.990</b> | Total Change: <b>-1.001</b>"
            << "Value: <b>10</b> | Absolute Change: <b><span style=\"color:red\"> (%)</span></b>";
    }
    void benchmark()
    {
        QFETCH(QStringList, rows);
        QFETCH(QString, totals);
        QFETCH(QString, figures);
        // The benchmark never reloads itself.
        const OverviewContext context{.tickerFilePath = "/tic/default.tic", .reloadText = "60000"};
        const QStringList writes = benchmarkWrites(testFrame, selectionOf(rows), context, testHosts());
        QCOMPARE(writes.mid(0, 4),
                 (QStringList{"HEAD\r\n",
                              "<div class=\"BigBoxRealTime\"><div class=\"BoxHeadRealTime\">tic: "
                              "/tic/default.tic</div><br>",
                              "<div class=\"IndexNav\">" + totals + "</div></div>",
                              "<table border=\"0\" width=\"97%\" cellspacing=\"2\" style=\"float:left; "
                              "margin-left:10px;\">"}));
        QCOMPARE(
            writes.at(4),
            "<tr><td><div style=\"border:1px dotted #696969\"><div class=\"Index\"><table border=\"0\" "
            "width=\"97%\"><tr><td><a href=\"http://charts.test/html/detail/main.html?sSym=SAP.ETR\" "
            "target=\"_bank\">SAP</a></td><td valign=\"top\" align=\"right\"><span style=\"font-size:8pt; "
            "font-family:Arial; font-weight:normal; border:0px solid #606060; text-align:right;\">Ticker: "
            "SAP.ETR | WKN: 716460 | ISIN: DE0007164600</span></td></tr></table><div class=\"IndexNav\">" +
                figures + "</div></div></div></td></tr>");
        QCOMPARE(writes.mid(4 + rows.size()), (QStringList{"</table>", "FOOT"}));
    }
};

QTEST_GUILESS_MAIN(TestOverviewPage)
#include "tst_overviewpage.moc"
