#include "testplatform.h"

#include "sites/sitehosts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace td::test {

DialogAnswer ScriptedDialogs::message(const MessageRequest& request)
{
    shown.append(request);
    if (!m_answers.isEmpty())
        return m_answers.dequeue();
    return request.buttons == DialogButtons::Ok ? DialogAnswer::Ok : DialogAnswer::Cancel;
}

std::optional<QString> ScriptedDialogs::openFile(const FileDialogRequest& request)
{
    fileDialogs.append(request);
    return m_files.isEmpty() ? std::nullopt : m_files.dequeue();
}

TestPlatform::TestPlatform()
    : context{settings,   hosts, dialogs,  clipboard,
              processes,  clock, panes,    programDir.path(),
              downloader, urls,  notifier, programDir.path() + QStringLiteral("/quotesources.ini")}
{
    // No test reaches an outside site: every host points at a loopback port
    // that refuses, until a test points it at its own server.
    for (const QString& key : siteKeys())
        hosts.write(key, QStringLiteral("http://127.0.0.1:1"));
}

void TestPlatform::pointHostsAt(const QString& baseUrl)
{
    for (const QString& key : siteKeys())
        hosts.write(key, baseUrl);
}

QString TestPlatform::writeFile(const QString& relativePath, const QByteArray& bytes) const
{
    const QString path = programDir.path() + u'/' + relativePath;
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

} // namespace td::test
