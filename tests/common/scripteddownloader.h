#pragma once

#include "platform/downloader.h"

#include <QByteArray>
#include <QList>
#include <QQueue>

#include <functional>
#include <optional>

namespace td::test {

// Answers downloads from a script and records what was asked. A scripted
// file is written under its name (through a temporary file, as the real
// downloader does); a failure writes nothing. An unscripted download fails
// like a refused connection. Every download finishes from the event loop.
class ScriptedDownloader final : public Downloader
{
public:
    struct Request
    {
        QString url;
        QString filePath;
    };

    // `whileRunning` runs from the event loop before the download finishes,
    // e.g. a second click on the button that started it.
    void queueFile(QByteArray bytes, std::function<void()> whileRunning = {});
    void queueFailure(DownloadStatus status = DownloadStatus::HttpError, int httpStatus = 404,
                      std::function<void()> whileRunning = {});

    Download* start(const QString& url, const QString& filePath, QObject* parent = nullptr) override;

    QList<Request> requests;

private:
    struct Answer
    {
        std::optional<QByteArray> bytes;
        DownloadResult failure;
        std::function<void()> whileRunning;
    };
    QQueue<Answer> m_answers;
};

} // namespace td::test
