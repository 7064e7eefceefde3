#include "loopback/pageserver.h"
#include "platform/downloader.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace td;
using namespace td::loopback;

Q_DECLARE_METATYPE(td::loopback::PageResponse)

namespace {

constexpr int kLong = 60000; // never reached in a row that does not time out
constexpr int kShort = 300;

QByteArray sampleBody()
{
    QByteArray body;
    for (int i = 0; i < 40000; ++i)
        body.append(static_cast<char>((i * 7919) % 256));
    return body + "\r\n\0end";
}

} // namespace

class TstDownloader : public QObject
{
    Q_OBJECT
private slots:
    void download_data()
    {
        QTest::addColumn<QString>("target"); // on the server; a full address when it has a scheme
        QTest::addColumn<PageResponse>("response");
        QTest::addColumn<int>("stallMs");
        QTest::addColumn<int>("totalMs");
        QTest::addColumn<bool>("olderFile"); // an executable file already has the name
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("httpStatus");
        const QByteArray body = sampleBody();
        const PageResponse file = PageResponse::page(body, "application/octet-stream");
        using S = DownloadStatus;
        const auto row = [](const char* tag, const PageResponse& response, S status, int http,
                            bool older = false, int stallMs = kLong, int totalMs = kLong,
                            const char* target = "/file") {
            QTest::newRow(tag) << target << response << stallMs << totalMs << older << int(status) << http;
        };
        row("complete", file, S::Complete, 200);
        row("complete replaces, not executable", file, S::Complete, 200, true);
        row("redirect followed", file, S::Complete, 200, false, kLong, kLong, "/moved");
        row("404", PageResponse::error(404, "<html>not here</html>"), S::HttpError, 404);
        row("500 keeps the older file", PageResponse::error(500, "oops"), S::HttpError, 500, true);
        row("refused", PageResponse::refuse(), S::NetworkError, 0);
        row("no answer", PageResponse::hang(), S::TimedOut, 0, false, kShort);
        row("stalls in the body", PageResponse::stall(body), S::TimedOut, 200, true, kShort);
        row("whole transfer too long", PageResponse::stall(body), S::TimedOut, 200, false, kLong, kShort);
        row("broken off", PageResponse::cut(body), S::NetworkError, 200);
        row("not a web address", file, S::BadAddress, 0, false, kLong, kLong, "file:///etc/hostname");
        row("missing folder", file, S::FileError, 0);
    }
    void download()
    {
        QFETCH(QString, target);
        QFETCH(PageResponse, response);
        QFETCH(int, stallMs);
        QFETCH(int, totalMs);
        QFETCH(bool, olderFile);
        QFETCH(int, status);
        PageServer server;
        QVERIFY(server.isListening());
        server.setResponse(QStringLiteral("/file"), response);
        PageResponse moved = PageResponse::redirect(server.url(QStringLiteral("/file")));
        moved.body = "moved";
        server.setResponse(QStringLiteral("/moved"), moved);
        QTemporaryDir dir;
        const bool missingFolder = status == int(DownloadStatus::FileError);
        const QString path =
            dir.filePath(missingFolder ? QStringLiteral("none/list.tic") : QStringLiteral("list.tic"));
        const QByteArray older = "older download\r\n";
        if (olderFile) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(older) == older.size());
            f.close();
            QVERIFY(f.setPermissions(f.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeGroup));
        }

        QtDownloader downloader(stallMs, totalMs);
        const QString url = target.contains(u':') ? target : server.url(target);
        const std::unique_ptr<Download> download(downloader.start(url, path));
        QSignalSpy finished(download.get(), &Download::finished);
        QVERIFY(!download->isFinished());
        QVERIFY(finished.wait(20000));
        QCOMPARE(finished.count(), 1);
        const DownloadResult result = download->result();
        QVERIFY2(int(result.status) == status, qPrintable(result.errorText));
        QTEST(result.httpStatus, "httpStatus");
        // The name holds the whole body, or what it held before; nothing else is left.
        QFile written(path);
        const bool expectFile = result.ok() || olderFile;
        QCOMPARE(written.exists(), expectFile);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
                 expectFile ? QStringList{QStringLiteral("list.tic")} : QStringList{});
        if (expectFile) {
            QVERIFY(written.open(QIODevice::ReadOnly));
            QCOMPARE(written.readAll(), result.ok() ? response.body : older);
        }
        if (result.ok())
            QCOMPARE(written.permissions() &
                         (QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther),
                     QFileDevice::Permissions());
    }

    // A window that closes mid-download: the wait ends, nothing is written.
    void deletedWhileWaitedFor()
    {
        PageServer server;
        server.setResponse(QStringLiteral("/file"), PageResponse::stall(sampleBody()));
        QTemporaryDir dir;
        QtDownloader downloader(kLong, kLong);
        Download* download =
            downloader.start(server.url(QStringLiteral("/file")), dir.filePath(QStringLiteral("x.exe")));
        QObject::connect(&server, &PageServer::requestReceived, download, &QObject::deleteLater,
                         Qt::QueuedConnection);
        QCOMPARE(waitForDownload(*download).status, DownloadStatus::NetworkError);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }
};

QTEST_GUILESS_MAIN(TstDownloader)
#include "tst_downloader.moc"
