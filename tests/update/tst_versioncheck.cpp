#include "platform/settingsstore.h"
#include "update/aboutmessage.h"
#include "update/downloadfiles.h"
#include "update/makersite.h"
#include "update/versioncheck.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace td;

class TstVersionCheck : public QObject
{
    Q_OBJECT
    static QDateTime at(int h, int m, int s) { return QDateTime(QDate(2026, 3, 2), QTime(h, m, s)); }

private slots:
    // The program's own version is 1.0.1.0859-rc throughout.
    void readVersionFile_data()
    {
        QTest::addColumn<QString>("markup");
        QTest::addColumn<bool>("loadFailed");
        QTest::addColumn<bool>("failed");
        QTest::addColumn<QString>("updateVersion");
        QTest::addColumn<bool>("offersDownload");
        const auto row = [](const char* tag, const QString& markup, bool failed, const QString& update,
                            bool offers, bool loadFailed = false) {
            QTest::newRow(tag) << markup << loadFailed << failed << update << offers;
        };
        const QString v = QStringLiteral("1.0.1.0859-rc");
        row("version plus CR LF is this one", v + "\r\n", false, v, false);
        row("trailing blank differs", v + " \r\n", false, v + ' ', true);
        row("wrapped in the markers", "<HTML><HEAD></HEAD><BODY><PRE>" + v + "\r\n</PRE></BODY></HTML>",
            false, v, false);
        // What is left is no version text when it holds markup, a control
        // character or more than 32 characters: no offer.
        row("markers in other case stay, and are markup", "<pre>" + v + "</pre>", true, "", false);
        row("one pass per marker", "<HTML><HE<HTML><HEAD></HEAD>AD></HEAD>" + v, true, "", false);
        row("a lone >", v + ">", true, "", false);
        row("line breaks inside go", "1.0.\r\n1.\n0859-\rrc", false, v, false);
        row("case counts", "1.0.1.0859-RC", false, "1.0.1.0859-RC", true);
        row("32 characters", QString(32, u'9'), false, QString(32, u'9'), true);
        row("33 characters", QString(33, u'9'), true, "", false);
        row("33 before the line breaks go", QString(31, u'9') + "\r\n", false, QString(31, u'9'), true);
        row("tab", "2.0\t", true, "", false);
        row("NUL", QStringLiteral("2.0") + QChar(0), true, "", false);
        row("C1 control", QStringLiteral("2.0") + QChar(0x85), true, "", false);
        row("DEL", "2.0\x7f", true, "", false);
        row("empty body fails", "", true, "", false);
        row("only line breaks fail", "\r\n\r\n", true, "", false);
        row("only markers fail", "<HTML><HEAD></HEAD><BODY><PRE></PRE></BODY></HTML>", true, "", false);
        row("error page is no version", "<html><body>404 Not Found</body></html>", true, "", false, true);
    }
    void readVersionFile()
    {
        QFETCH(QString, markup);
        QFETCH(bool, loadFailed);
        const VersionFileReading reading = td::readVersionFile(markup, loadFailed);
        QTEST(reading.failed, "failed");
        QTEST(reading.updateVersion, "updateVersion");
        QTEST(offersProgramDownload(QStringLiteral("1.0.1.0859-rc"), reading), "offersDownload");
    }

    void updateBox_data()
    {
        QTest::addColumn<QString>("updateVersion");
        QTest::addColumn<bool>("checkFailed");
        QTest::addColumn<int>("banner");
        QTest::addColumn<QString>("mark"); // colour and text after this version
        const QString green = QStringLiteral("color:#60aa60\"> = update version: ");
        const QString red = QStringLiteral("color:#aa6060\"> <> update version: ");
        const QString failed = QStringLiteral("color:#aa6060\"> update check failed</span></div>");
        QTest::newRow("same, while checking") << "1.0.1.0859" << false << 0 << green;
        QTest::newRow("before the check") << "" << false << 0 << red;
        QTest::newRow("other, with banner") << "1.0.2.0859" << false << 1 << red;
        QTest::newRow("markup in the file") << "<b>2.0</b>&<i>" << false << 3 << red;
        QTest::newRow("check failed, with banner") << "" << true << 12 << failed;
    }
    void updateBox()
    {
        QFETCH(QString, updateVersion);
        QFETCH(bool, checkFailed);
        QFETCH(int, banner);
        QFETCH(QString, mark);
        MemorySettingsStore hosts;
        const UpdateBox box{QStringLiteral("1.0.1.0859"), updateVersion, checkFailed, banner};
        const QString html = updateBoxDocument(hosts, box);
        const QString shown = QStringLiteral("this version: 1.0.1.0859</span><span style=\"font-size:8pt; "
                                             "font-family:Arial; font-weight:normal; ");
        QVERIFY2(html.contains(shown + mark), qPrintable(html));
        QCOMPARE(html.contains(u"Tickerdeck.zip"), !checkFailed);
        QCOMPARE(html.contains(QStringLiteral("/tdck") + QString::number(banner) + ".jpg\""), banner > 0);
        QCOMPARE(html.count(u"<img "), banner > 0 ? 1 : 0);
        // The file's text never adds markup: the tags are those of a plain
        // version with the same comparison.
        UpdateBox plain = box;
        if (plain.updateVersion != plain.programVersion)
            plain.updateVersion = QStringLiteral("x");
        const QString plainHtml = updateBoxDocument(hosts, plain);
        QCOMPARE(html.count(u'<'), plainHtml.count(u'<'));
        QCOMPARE(html.count(u'>'), plainHtml.count(u'>'));
    }

    // The whole document once, piece by piece as the maker's box has it.
    void updateBoxAsWritten()
    {
        MemorySettingsStore hosts;
        hosts.write(QStringLiteral("maker-home"), QStringLiteral("http://127.0.0.1:7001"));
        hosts.write(QStringLiteral("maker-download"), QStringLiteral("http://127.0.0.1:7002"));
        hosts.write(QStringLiteral("maker-web"), QStringLiteral("http://127.0.0.1:7003"));
        const QString expected = QStringLiteral(
            R"(about:<html><body leftMargin=32 topMargin=168 marginheight=10 marginwidth=10 scroll='no'>)"
            R"(<span style="font-size:14pt; font-family:Arial; font-weight:bold; color:black">)"
            R"( <a href="http://127.0.0.1:7001" target="_blank"><span style="color:#4040aa">Tickerdeck</span></a></span>)"
            R"(<span style="font-size:8pt; font-family:Arial; font-weight:bold; color:#606060"><br>made by brightmoor</span>)"
            R"(<hr noshade width="414px" size="1" align="left" color="#c9c9c9">)"
            R"(<div id="Layer1" style="position:absolute; width:600px; height:55px; z-index:0; left: 33px; top: 218px;)"
            R"(border:0px solid #dadada;">)"
            R"(<span style="font-size:8pt; font-family:Arial; font-weight:normal; color:#909090; ">this version: 1.0.1.0859</span>)"
            R"(<span style="font-size:8pt; font-family:Arial; font-weight:normal; color:#60aa60"> = )"
            R"(update version: <a href="http://127.0.0.1:7002/download/p/Tickerdeck.zip">1.0.1.0859)"
            R"(</a></span></div><br><a href="http://127.0.0.1:7003" target="_blank">)"
            R"(<img src="http://127.0.0.1:7003/bilder/tdck/tdck7.jpg" border="0"></a>)"
            R"(</span></body></html>)");
        QCOMPARE(
            updateBoxDocument(hosts, {QStringLiteral("1.0.1.0859"), QStringLiteral("1.0.1.0859"), false, 7}),
            expected);
    }

    void bannerNumber_data()
    {
        QTest::addColumn<double>("uniform");
        QTest::addColumn<int>("expected");
        QTest::newRow("zero") << 0.0 << 1;
        QTest::newRow("on a step") << 0.04 << 2;
        QTest::newRow("middle") << 0.5 << 13;
        QTest::newRow("just below one") << std::nextafter(1.0, 0.0) << 25;
        QTest::newRow("one is out of range") << 1.0 << 25;
        QTest::newRow("negative") << -0.5 << 1;
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 1;
    }
    void bannerNumber()
    {
        QFETCH(double, uniform);
        QTEST(td::bannerNumber(uniform), "expected");
    }

    void filePath_data()
    {
        QTest::addColumn<bool>("tic");
        QTest::addColumn<QString>("programDir");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QString>("expected");
        QTest::newRow("list") << true << "/opt/td" << at(9, 30, 5)
                              << "/opt/td/tic/downloaded{20260302093005}.tic";
        QTest::newRow("program") << false << "/opt/td" << at(9, 30, 5) << "/opt/td/TDCK_20260302093005.exe";
        QTest::newRow("slash not doubled")
            << true << "/opt/td/" << at(17, 4, 9) << "/opt/td/tic/downloaded{20260302170409}.tic";
        QTest::newRow("root, program") << false << "/" << QDateTime(QDate(2025, 12, 31), QTime(23, 59, 59))
                                       << "/TDCK_20251231235959.exe";
    }
    void filePath()
    {
        QFETCH(bool, tic);
        QFETCH(QString, programDir);
        QFETCH(QDateTime, now);
        QFETCH(QString, expected);
        const DownloadKind kind = tic ? DownloadKind::Tic : DownloadKind::Exe;
        QCOMPARE(downloadFilePath(kind, programDir, now), expected);
        // Later in the same second: the same name, so the newer download replaces the older.
        QCOMPARE(downloadFilePath(kind, programDir, now.addMSecs(999)), expected);
        QVERIFY(downloadFilePath(kind, programDir, now.addSecs(1)) != expected);
    }

    void aboutMessage()
    {
        const QLocale german(QLocale::German, QLocale::Germany);
        const AboutMessage message = td::aboutMessage(QStringLiteral("Tickerdeck"), at(9, 30, 5),
                                                      QStringLiteral("1.0.1.0859"), german);
        QCOMPARE(message.title, QStringLiteral("Tickerdeck"));
        QCOMPARE(message.text, makerNotice() + "gestartet: 02.03.26 09:30:05\r\nVersion: 1.0.1.0859");
        QVERIFY(makerNotice().endsWith(u"\r\n"));
    }
};

QTEST_GUILESS_MAIN(TstVersionCheck)
#include "tst_versioncheck.moc"
