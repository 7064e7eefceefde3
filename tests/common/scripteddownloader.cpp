#include "scripteddownloader.h"

#include <QSaveFile>
#include <QTimer>

namespace td::test {

namespace {

class ScriptedDownload final : public Download
{
public:
    ScriptedDownload(const QString& url, const QString& filePath, QObject* parent)
        : Download(url, filePath, parent)
    {
    }
    using Download::finish;
};

DownloadResult writeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return {DownloadStatus::FileError, 200, file.errorString()};
    return {DownloadStatus::Complete, 200, {}};
}

} // namespace

void ScriptedDownloader::queueFile(QByteArray bytes, std::function<void()> whileRunning)
{
    m_answers.enqueue({std::move(bytes), {}, std::move(whileRunning)});
}

void ScriptedDownloader::queueFailure(DownloadStatus status, int httpStatus,
                                      std::function<void()> whileRunning)
{
    m_answers.enqueue(
        {std::nullopt, {status, httpStatus, QStringLiteral("scripted failure")}, std::move(whileRunning)});
}

Download* ScriptedDownloader::start(const QString& url, const QString& filePath, QObject* parent)
{
    requests.append({url, filePath});
    Answer answer =
        m_answers.isEmpty()
            ? Answer{std::nullopt, {DownloadStatus::NetworkError, 0, QStringLiteral("unscripted")}, {}}
            : m_answers.dequeue();
    auto* download = new ScriptedDownload(url, filePath, parent);
    QTimer::singleShot(0, download, [download, answer = std::move(answer)] {
        if (answer.whileRunning)
            answer.whileRunning();
        download->finish(answer.bytes ? writeFile(download->filePath(), *answer.bytes) : answer.failure);
    });
    return download;
}

} // namespace td::test
