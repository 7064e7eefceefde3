#include "overview/htmlframe.h"
#include "platform/settingsstore.h"

#include <QTest>
#include <QTimeZone>

namespace {

td::MakerInfo testMaker()
{
    return {"brightmoor", "Tickerdeck by brightmoor", "http://home.test/", "mailto:info@home.test",
            "http://web.test/main.css"};
}

QDateTime utc(int h, int m, int s, int ms = 0)
{
    return QDateTime(QDate(2024, 3, 5), QTime(h, m, s, ms), QTimeZone::utc());
}

} // namespace

class TestHtmlFrame : public QObject
{
    Q_OBJECT
private slots:
    // The maker's texts and addresses go where the page frame needs them.
    void headAndFoot()
    {
        const QString head =
            td::vBuildHtmlHead(testMaker(), utc(14, 5, 9), QLocale(QLocale::German, QLocale::Germany));
        QVERIFY(head.startsWith("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">\r\n"));
        for (const char* part :
             {"<META NAME=\"author\" content=\"brightmoor\">\r\n", "<!--Tickerdeck by brightmoor-->\r\n",
              "<link rel=\"stylesheet\" href=\"http://web.test/main.css\" title=\"menu\">\r\n"})
            QVERIFY2(head.contains(QString::fromLatin1(part)), part);
        QVERIFY(head.endsWith("<a name=\"top\"></a>\r\n"));
        const QString foot = td::vBuildHtmlFoot(testMaker());
        QVERIFY(foot.contains("<a href=\"http://home.test/\" target=\"_blank\">Tickerdeck by brightmoor</a> "
                              "<a href=\"mailto:info@home.test?subject=TDCK\">email</a>"));
        QVERIFY(foot.endsWith("\r\n</body></html>"));
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
        QFETCH(QString, expected);
        QCOMPARE(td::generalDateText(when, locale), expected);
        const QString head = td::vBuildHtmlHead(testMaker(), when, locale);
        QVERIFY(head.contains("<META NAME=\"date\" content=\"" + expected + "\">\r\n"));
    }
    // The page links and the maker's addresses follow the configured hosts.
    void hostsFromSettings()
    {
        td::MemorySettingsStore hosts;
        hosts.write("comdirect", "http://127.0.0.1:8080");
        hosts.write("comdirect-charts", "http://charts.test");
        hosts.write("maker-home", "http://home.test:8080");
        hosts.write("maker-web", "http://127.0.0.1:9000");
        const td::HtmlFrame frame = td::buildHtmlFrame(hosts, utc(9, 30, 0), QLocale::c());
        const td::LinkParts& parts = frame.sLinkParts;
        QVERIFY(frame.sHtmlHead.contains("http://127.0.0.1:9000/main.css"));
        QVERIFY(frame.sHtmlFoot.contains("http://home.test:8080/"));
        QVERIFY(parts[0].startsWith("<a href=\"http://127.0.0.1:8080/inf/search/all.html?"));
        QVERIFY(parts[3].startsWith("<img src=\"http://charts.test/charts/big.chart?"));
        const td::MakerInfo maker = td::makerInfo(hosts);
        QCOMPARE(maker.homePage, QStringLiteral("http://home.test:8080/"));
        QCOMPARE(maker.contactAddress, QStringLiteral("mailto:info@home.test"));
        QCOMPARE(maker.styleSheetAddress, QStringLiteral("http://127.0.0.1:9000/main.css"));
    }
};

QTEST_GUILESS_MAIN(TestHtmlFrame)
#include "tst_htmlframe.moc"
