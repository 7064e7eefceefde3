#pragma once

#include "platform/dialogs.h"
#include "platform/services.h"
#include "platform/settingsstore.h"
#include "recordingnotifier.h"
#include "recordingpane.h"
#include "scripteddownloader.h"
#include "shell/platformcontext.h"

#include <QDateTime>
#include <QList>
#include <QQueue>
#include <QTemporaryDir>

#include <optional>

namespace td::test {

// Answers message boxes and file dialogs from a script and records what
// would have been shown. An unscripted box answers like closing it.
class ScriptedDialogs final : public Dialogs
{
public:
    void queueAnswer(DialogAnswer answer) { m_answers.enqueue(answer); }
    void queueOpenFile(std::optional<QString> path) { m_files.enqueue(std::move(path)); }

    DialogAnswer message(const MessageRequest& request) override;
    std::optional<QString> openFile(const FileDialogRequest& request) override;
    std::optional<QString> saveFile(const FileDialogRequest& request) override { return openFile(request); }

    QList<MessageRequest> shown;
    QList<FileDialogRequest> fileDialogs;

private:
    QQueue<DialogAnswer> m_answers;
    QQueue<std::optional<QString>> m_files;
};

class RecordingClipboard final : public Clipboard
{
public:
    void setText(const QString& text) override { m_text = text; }
    QString text() const override { return m_text; }

private:
    QString m_text;
};

class RecordingLauncher final : public ProcessLauncher
{
public:
    bool start(const QString& program, const QStringList& arguments) override
    {
        started.append({program, arguments});
        return true;
    }
    QList<std::pair<QString, QStringList>> started;
};

// Records what would have been opened; `succeeds` scripts the answer.
class RecordingUrlOpener final : public UrlOpener
{
public:
    bool open(const QUrl& url) override
    {
        opened.append(url);
        return succeeds;
    }
    QList<QUrl> opened;
    bool succeeds = true;
};

class FixedClock final : public Clock
{
public:
    QDateTime now() const override { return time; }
    QDateTime time = QDateTime(QDate(2026, 3, 2), QTime(9, 30));
};

// Everything a window needs from the platform, with its own program directory.
struct TestPlatform
{
    TestPlatform();

    QTemporaryDir programDir;
    MemorySettingsStore settings;
    MemorySettingsStore hosts;
    ScriptedDialogs dialogs;
    RecordingClipboard clipboard;
    RecordingLauncher processes;
    FixedClock clock;
    TestPaneFactory panes;
    ScriptedDownloader downloader;
    RecordingUrlOpener urls;
    RecordingNotifier notifier;
    PlatformContext context;

    // Every site key to this server.
    void pointHostsAt(const QString& baseUrl);
    QString ticFolder() const { return programDir.path() + QStringLiteral("/tic"); }
    // Writes a file below the program directory (folders created as needed).
    QString writeFile(const QString& relativePath, const QByteArray& bytes) const;
};

} // namespace td::test
