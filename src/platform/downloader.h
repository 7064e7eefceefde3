#pragma once

#include <QNetworkAccessManager>
#include <QObject>
#include <QString>

namespace td {

enum class DownloadStatus
{
    Complete,
    BadAddress,   // not an http or https address
    NetworkError, // refused, unreachable, broken off, refused redirect
    HttpError,    // the server answered with a status outside 2xx
    TimedOut,
    FileError, // the file could not be written
};

struct DownloadResult
{
    DownloadStatus status = DownloadStatus::NetworkError;
    int httpStatus = 0; // when the server answered
    QString errorText;
    bool ok() const { return status == DownloadStatus::Complete; }
};

// One transfer of an address into a file. It finishes exactly once, always
// from the event loop, never inside Downloader::start().
class Download : public QObject
{
    Q_OBJECT

public:
    QString url() const { return m_url; }
    QString filePath() const { return m_filePath; }
    bool isFinished() const { return m_finished; }
    DownloadResult result() const { return m_result; }

signals:
    void finished(const td::DownloadResult& result);

protected:
    Download(QString url, QString filePath, QObject* parent);
    void finish(const DownloadResult& result);
    // finish() from the event loop.
    void finishLater(const DownloadResult& result);

private:
    QString m_url;
    QString m_filePath;
    bool m_finished = false;
    DownloadResult m_result;
};

// Fetches addresses into files; tests pass a scripted one.
//
// The file appears under its name only when the whole body arrived, then
// replacing a file of that name; on any failure the name keeps what it had
// (nothing, or the older file) and no temporary file stays behind. A
// downloaded file is never marked executable. Deleting a running Download
// cancels it.
class Downloader
{
public:
    virtual ~Downloader() = default;
    // The Download belongs to `parent`, or to the caller when it is null.
    virtual Download* start(const QString& url, const QString& filePath, QObject* parent = nullptr) = 0;
};

// Lets events run until the download finished (or was deleted, or the
// application quits) and returns its result.
DownloadResult waitForDownload(Download& download);

// start(), waitForDownload() and the Download deleted.
DownloadResult downloadFile(Downloader& downloader, const QString& url, const QString& filePath);

// Over the network, bypassing any cache and following redirects that stay as
// safe (no https to http). A transfer fails when nothing arrives for
// `stallTimeoutMs` or when it takes longer than `totalTimeoutMs` as a whole.
class QtDownloader final : public Downloader
{
public:
    QtDownloader(int stallTimeoutMs, int totalTimeoutMs);
    Download* start(const QString& url, const QString& filePath, QObject* parent = nullptr) override;

private:
    QNetworkAccessManager m_network;
    int m_stallTimeoutMs;
    int m_totalTimeoutMs;
};

} // namespace td
