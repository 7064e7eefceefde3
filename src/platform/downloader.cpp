#include "platform/downloader.h"

#include <QEventLoop>
#include <QNetworkReply>
#include <QPointer>
#include <QSaveFile>
#include <QTimer>
#include <QUrl>

#include <memory>
#include <optional>

namespace td {

namespace {

constexpr QFileDevice::Permissions kExecutable =
    QFileDevice::ExeOwner | QFileDevice::ExeUser | QFileDevice::ExeGroup | QFileDevice::ExeOther;

bool isWebAddress(const QUrl& url)
{
    return url.isValid() && !url.host().isEmpty() && (url.scheme() == u"http" || url.scheme() == u"https");
}

bool isSuccess(int httpStatus)
{
    return httpStatus >= 200 && httpStatus < 300;
}

class NetworkDownload final : public Download
{
public:
    NetworkDownload(const QString& url, const QString& filePath, QNetworkAccessManager& network, int stallMs,
                    int totalMs, QObject* parent);
    ~NetworkDownload() override;

private:
    int httpStatus() const;
    void store();
    void abortWith(DownloadStatus status, const QString& text);
    void end();
    DownloadResult commit();

    QSaveFile m_file;
    QPointer<QNetworkReply> m_reply;
    QTimer m_stall;
    QTimer m_total;
    std::optional<DownloadResult> m_failure;
};

NetworkDownload::NetworkDownload(const QString& url, const QString& filePath, QNetworkAccessManager& network,
                                 int stallMs, int totalMs, QObject* parent)
    : Download(url, filePath, parent), m_file(filePath)
{
    const QUrl address(url);
    if (!isWebAddress(address)) {
        finishLater({DownloadStatus::BadAddress, 0, QStringLiteral("not a web address")});
        return;
    }
    // Never written in place: a broken transfer must not clobber the name.
    m_file.setDirectWriteFallback(false);
    if (!m_file.open(QIODevice::WriteOnly)) {
        finishLater({DownloadStatus::FileError, 0, m_file.errorString()});
        return;
    }

    QNetworkRequest request(address);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    m_reply = network.get(request);
    connect(m_reply, &QNetworkReply::readyRead, this, &NetworkDownload::store);
    connect(m_reply, &QNetworkReply::metaDataChanged, &m_stall, qOverload<>(&QTimer::start));
    connect(m_reply, &QNetworkReply::finished, this, &NetworkDownload::end);

    for (QTimer* timer : {&m_stall, &m_total}) {
        timer->setSingleShot(true);
        connect(timer, &QTimer::timeout, this,
                [this] { abortWith(DownloadStatus::TimedOut, QStringLiteral("timed out")); });
    }
    m_stall.start(stallMs);
    m_total.start(totalMs);
}

NetworkDownload::~NetworkDownload()
{
    if (m_reply) {
        disconnect(m_reply, nullptr, this, nullptr);
        m_reply->abort();
        m_reply->deleteLater();
    }
    // An uncommitted QSaveFile discards its temporary file.
}

int NetworkDownload::httpStatus() const
{
    return m_reply ? m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() : 0;
}

void NetworkDownload::store()
{
    if (!m_reply || m_failure)
        return;
    const QByteArray chunk = m_reply->readAll();
    m_stall.start();
    if (m_file.write(chunk) != chunk.size())
        abortWith(DownloadStatus::FileError, m_file.errorString());
}

void NetworkDownload::abortWith(DownloadStatus status, const QString& text)
{
    if (m_failure || !m_reply)
        return;
    m_failure = DownloadResult{status, httpStatus(), text};
    m_reply->abort(); // finished() follows at once
}

void NetworkDownload::end()
{
    m_stall.stop();
    m_total.stop();
    store();
    DownloadResult result;
    const int status = httpStatus();
    if (m_failure) {
        result = *m_failure;
    } else if (m_reply->error() == QNetworkReply::NoError && isSuccess(status)) {
        result = commit();
    } else if (status >= 400) {
        result = {DownloadStatus::HttpError, status,
                  QStringLiteral("HTTP status ") + QString::number(status)};
    } else {
        result = {DownloadStatus::NetworkError, status, m_reply->errorString()};
    }
    m_reply->deleteLater();
    m_reply = nullptr;
    if (!result.ok()) {
        // Drops the temporary file now rather than with this object.
        m_file.cancelWriting();
        m_file.commit();
    }
    finish(result);
}

DownloadResult NetworkDownload::commit()
{
    const int status = httpStatus();
    // QSaveFile copies the permissions of a file it replaces.
    m_file.setPermissions(m_file.permissions() & ~kExecutable);
    if (!m_file.commit())
        return {DownloadStatus::FileError, status, m_file.errorString()};
    return {DownloadStatus::Complete, status, {}};
}

} // namespace

Download::Download(QString url, QString filePath, QObject* parent)
    : QObject(parent), m_url(std::move(url)), m_filePath(std::move(filePath))
{
}

void Download::finish(const DownloadResult& result)
{
    if (m_finished)
        return;
    m_finished = true;
    m_result = result;
    emit finished(m_result);
}

void Download::finishLater(const DownloadResult& result)
{
    QTimer::singleShot(0, this, [this, result] { finish(result); });
}

DownloadResult waitForDownload(Download& download)
{
    const QPointer<Download> watched(&download);
    if (!download.isFinished()) {
        QEventLoop loop;
        QObject::connect(&download, &Download::finished, &loop, &QEventLoop::quit);
        QObject::connect(&download, &QObject::destroyed, &loop, &QEventLoop::quit);
        loop.exec();
    }
    if (!watched || !watched->isFinished())
        return {DownloadStatus::NetworkError, 0, QStringLiteral("cancelled")};
    return watched->result();
}

DownloadResult downloadFile(Downloader& downloader, const QString& url, const QString& filePath)
{
    const std::unique_ptr<Download> download(downloader.start(url, filePath));
    return waitForDownload(*download);
}

QtDownloader::QtDownloader(int stallTimeoutMs, int totalTimeoutMs)
    : m_stallTimeoutMs(stallTimeoutMs), m_totalTimeoutMs(totalTimeoutMs)
{
}

Download* QtDownloader::start(const QString& url, const QString& filePath, QObject* parent)
{
    return new NetworkDownload(url, filePath, m_network, m_stallTimeoutMs, m_totalTimeoutMs, parent);
}

} // namespace td
