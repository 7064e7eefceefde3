// The version check, the downloads and the about box in the main window.
#include "loopback/pageserver.h"
#include "shell/mainoptions.h"
#include "shell/mainwindow.h"
#include "update/makersite.h"
#include "update/updatecheck.h"
#include "watchlist/watchlistmodel.h"
#include "windowharness.h"

#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>

using namespace td;
using namespace td::loopback;
using namespace td::test;

namespace {

const QByteArray kShown = "Alpha;ALP;ETR;;;False;;;;;;;;;;;0\r\n";
const QByteArray kDownloaded = "Gamma;GAM;ETR;;;False;;;;;;;;;;;0\r\n"
                               "Delta;DEL;NAS;;;False;;;;;;;;;;;0\r\n";
const QString kStamp = QStringLiteral("20260302093000");

struct Fixture : ServedWindow
{
    Fixture() : ServedWindow(kShown) { start(); }
    QPushButton* button(const QString& name) const { return window->findChild<QPushButton*>(name); }
    UpdateCheck& check() const { return *window->findChild<UpdateCheck*>(QStringLiteral("updateCheck")); }
    QString ticPath() const
    {
        return platform.ticFolder() + QStringLiteral("/downloaded{") + kStamp + QStringLiteral("}.tic");
    }
};

} // namespace

class TestUpdateWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void versionCheck_data()
    {
        QTest::addColumn<int>("status"); // 0: the connection is refused
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("updateVersion"); // "" for a failed check
        const QString mine =
            programVersionText(TICKERDECK_VERSION_MAJOR, TICKERDECK_VERSION_MINOR, TICKERDECK_VERSION_PATCH);
        QTest::newRow("equal with CR LF") << 200 << mine.toLatin1() + "\r\n" << mine;
        QTest::newRow("another version") << 200 << QByteArray("9.9.9\r\n") << QStringLiteral("9.9.9");
        QTest::newRow("not found") << 404 << QByteArray("<html>gone</html>") << QString();
        QTest::newRow("refused") << 0 << QByteArray() << QString();
        QTest::newRow("a web page") << 200 << QByteArray("<html><body>9.9.9</body></html>") << QString();
        QTest::newRow("random bytes") << 200 << QByteArray("\x8f\x02\xfe;\x1b\xa0") << QString();
        // Only line breaks follow the version, yet reading stops at 64 KB.
        QTest::newRow("over 64 KB") << 200 << QByteArray("9.9.9") + QByteArray(65 * 1024, '\n') << QString();
    }
    void versionCheck()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(QString, updateVersion);
        Fixture f;
        f.server.setResponse(QStringLiteral("/version.txt"), status == 0 ? PageResponse::refuse()
                                                             : status == 200
                                                                 ? PageResponse::page(body, "text/plain")
                                                                 : PageResponse::error(status, body));
        widget<QTabWidget>(*f.window, "tabData")->show();
        RecordingPane& box = *f.platform.panes.recording(QStringLiteral("wbrRealTimeQuote"));
        const qsizetype before = box.addresses.size();
        f.button("cmdupdate")->click();
        const QString mine =
            programVersionText(TICKERDECK_VERSION_MAJOR, TICKERDECK_VERSION_MINOR, TICKERDECK_VERSION_PATCH);
        const bool same = updateVersion == mine;
        // The network retries a refused request once.
        QStringList asked = f.server.targets();
        asked.removeDuplicates();
        QCOMPARE(asked, QStringList{QStringLiteral("/version.txt")});
        QCOMPARE(f.check().sUpdateVersion(), updateVersion);
        QCOMPARE(f.button("cmdDownloadEXE")->isVisibleTo(f.window.get()), !same && !updateVersion.isEmpty());
        QVERIFY(!widget<QTabWidget>(*f.window, "tabData")->isVisibleTo(f.window.get()));
        // First without the banner, then the result with it.
        QCOMPARE(box.addresses.size(), before + 2);
        QVERIFY(!box.addresses[before].contains(QStringLiteral("/bilder/tdck/tdck")));
        const QString shown = box.addresses.last();
        QVERIFY(shown.contains(QStringLiteral("/bilder/tdck/tdck")));
        QCOMPARE(shown.contains(QStringLiteral("color:#60aa60\"> = ")), same);
        QCOMPARE(shown.contains(QStringLiteral("color:#aa6060")), !same);
        QCOMPARE(shown.contains(QStringLiteral("update version: ")), !updateVersion.isEmpty());
    }

    void offerWithdrawnByTheNextStep_data()
    {
        QTest::addColumn<QString>("step");
        QTest::newRow("check") << QStringLiteral("check");
        QTest::newRow("download") << QStringLiteral("download");
        QTest::newRow("list click") << QStringLiteral("list click");
    }
    void offerWithdrawnByTheNextStep()
    {
        QFETCH(QString, step);
        Fixture f;
        f.server.setResponse(QStringLiteral("/version.txt"), PageResponse::page("9.9.9", "text/plain"));
        f.button("cmdupdate")->click();
        QVERIFY(f.button("cmdDownloadEXE")->isVisibleTo(f.window.get()));
        if (step == u"check") {
            f.server.setResponse(QStringLiteral("/version.txt"), PageResponse::error(500));
            f.button("cmdupdate")->click();
        } else if (step == u"download") {
            f.platform.downloader.queueFailure();
            f.button("cmdDownloadTickerFile")->click();
        } else {
            QTreeView* list = widget<QTreeView>(*f.window, "lstItems");
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualRect(f.window->items().index(0, 0)).center());
        }
        QVERIFY(!f.button("cmdDownloadEXE")->isVisibleTo(f.window.get()));
    }

    void tickerListDownload_data()
    {
        QTest::addColumn<DialogAnswer>("answer");
        QTest::addColumn<int>("entries");
        QTest::newRow("yes loads it") << DialogAnswer::Yes << 2;
        QTest::newRow("no keeps the list") << DialogAnswer::No << 1;
    }
    void tickerListDownload()
    {
        QFETCH(DialogAnswer, answer);
        Fixture f;
        const QString shownPath = widget<QLineEdit>(*f.window, "txt_TickerFile")->text();
        // Two downloads in the same second: the second replaces the first one's file.
        for (const QByteArray& bytes : {kShown, kDownloaded}) {
            f.platform.downloader.queueFile(bytes);
            f.platform.dialogs.queueAnswer(bytes == kShown ? DialogAnswer::No : answer);
            f.platform.dialogs.shown.clear();
            f.button("cmdDownloadTickerFile")->click();
        }
        QCOMPARE(f.platform.downloader.requests.size(), 2);
        QCOMPARE(f.platform.downloader.requests[1].url, defaultTickerListAddress(f.platform.hosts));
        QCOMPARE(f.platform.downloader.requests[1].filePath, f.ticPath());
        QFile file(f.ticPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), kDownloaded);
        QVERIFY(f.window->findChild<QPlainTextEdit*>(QStringLiteral("txtDownloadedTickerFile"))
                    ->toPlainText()
                    .contains(QStringLiteral("Delta;DEL;NAS")));
        QCOMPARE(f.platform.dialogs.shown.size(), 1);
        const MessageRequest& asked = f.platform.dialogs.shown[0];
        QCOMPARE(asked.text, QStringLiteral("Download complete. Open file in TDCK?"));
        QCOMPARE(asked.buttons, DialogButtons::YesNo);
        QCOMPARE(asked.icon, DialogIcon::Information);
        QTEST(f.window->items().size(), "entries");
        QCOMPARE(widget<QLineEdit>(*f.window, "txt_TickerFile")->text(),
                 answer == DialogAnswer::Yes ? f.ticPath() : shownPath);
    }

    void programFileDownload_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("succeeds");
        QTest::newRow("complete") << QStringLiteral("cmdDownloadEXEMan") << true;
        QTest::newRow("offer complete") << QStringLiteral("cmdDownloadEXE") << true;
        QTest::newRow("failed") << QStringLiteral("cmdDownloadEXEMan") << false;
    }
    void programFileDownload()
    {
        QFETCH(QString, button);
        QFETCH(bool, succeeds);
        Fixture f;
        if (succeeds)
            f.platform.downloader.queueFile("MZ program");
        else
            f.platform.downloader.queueFailure();
        f.button(button)->click();
        const QString path =
            f.platform.programDir.path() + QStringLiteral("/TDCK_") + kStamp + QStringLiteral(".exe");
        QCOMPARE(f.platform.downloader.requests.size(), 1);
        QCOMPARE(f.platform.downloader.requests[0].url, programFileAddress(f.platform.hosts));
        QCOMPARE(f.platform.dialogs.shown.size(), 1);
        QCOMPARE(f.platform.dialogs.shown[0].text,
                 succeeds ? "download complete.\r\nlocation:\r\n    " + path : "error downloading file!");
        QCOMPARE(f.platform.dialogs.shown[0].buttons, DialogButtons::Ok);
        QCOMPARE(QFileInfo::exists(path), succeeds);
        QVERIFY(!QFileInfo(path).isExecutable());
    }

    void secondClickWhileRunningDoesNothing()
    {
        Fixture f;
        QPushButton* list = f.button("cmdDownloadTickerFile");
        QPushButton* program = f.button("cmdDownloadEXEMan");
        f.platform.downloader.queueFile(kDownloaded, [&] {
            QVERIFY(f.check().isDownloading());
            list->click();
            program->click();
        });
        f.platform.dialogs.queueAnswer(DialogAnswer::No);
        list->click();
        QCOMPARE(f.platform.downloader.requests.size(), 1);
        QCOMPARE(f.platform.dialogs.shown.size(), 1);
        QVERIFY(!f.check().isDownloading());
    }

    void aboutSequence()
    {
        Fixture f;
        f.button("cmdInfo")->click();
        QPointer<QDialog> info = f.window->findChild<QDialog*>(QStringLiteral("frm_Info"));
        QVERIFY(info && info->isVisible());
        f.button("cmdInfo")->click();
        QCOMPARE(f.window->findChildren<QDialog*>(QStringLiteral("frm_Info")).size(), 1);
        QVERIFY(f.platform.dialogs.shown.isEmpty());
        QTest::mouseClick(info, Qt::LeftButton);
        QTRY_COMPARE(f.platform.dialogs.shown.size(), 1);
        QVERIFY(!info || !info->isVisible());
        const MessageRequest& shown = f.platform.dialogs.shown[0];
        QCOMPARE(shown.title, kProgramName);
        QCOMPARE(shown.icon, DialogIcon::Information);
        QVERIFY(shown.text.startsWith(makerNotice() + QStringLiteral("gestartet: ")));
        QVERIFY(shown.text.endsWith(QStringLiteral("\r\nVersion: ") +
                                    programVersionText(TICKERDECK_VERSION_MAJOR, TICKERDECK_VERSION_MINOR,
                                                       TICKERDECK_VERSION_PATCH)));
    }

    void creditOpensTheHomePage()
    {
        Fixture f;
        auto* label = f.window->findChild<QLabel*>(QStringLiteral("Label6"));
        QCOMPARE(label->text(), makerCredit());
        QTest::mouseClick(label, Qt::LeftButton);
        QCOMPARE(f.platform.urls.opened, QList<QUrl>{QUrl(makerHomePage(f.platform.hosts))});
    }
};

QTEST_MAIN(TestUpdateWindow)
#include "tst_updatewindow.moc"
