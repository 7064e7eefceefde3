#include "unreadablepages.h"

#include "platform/textfile.h"

#include <QDir>
#include <QFileInfo>

namespace td {

namespace {

QString safePart(const QString& text)
{
    QString safe;
    for (const QChar c : text.trimmed().left(60)) {
        const bool plain = (c.unicode() < 128 && c.isLetterOrNumber()) || c == u'.' || c == u'-' || c == u'_';
        safe += plain ? c : u'_';
    }
    // No hidden files and no "." or "..".
    if (safe.isEmpty() || safe.startsWith(u'.'))
        safe.prepend(u'_');
    return safe;
}

} // namespace

QString unreadablePageName(const QString& source, const QString& symbol, const QString& extension)
{
    return safePart(source) + u'@' + safePart(symbol) + u'.' + safePart(extension);
}

QString keepUnreadablePage(const QString& dataDir, const QString& source, const QString& symbol,
                           const QByteArray& page, const QString& extension)
{
    QDir folder(dataDir);
    if (dataDir.isEmpty() || !folder.mkpath(kUnreadableFolderName) || !folder.cd(kUnreadableFolderName))
        return {};
    const QString name = unreadablePageName(source, symbol, extension);
    const QString path = folder.filePath(name);
    if (!writeFileAtomically(path, page).ok)
        return {};
    // Newest first; the page just written is always kept.
    QFileInfoList kept = folder.entryInfoList(QDir::Files | QDir::Hidden, QDir::Time);
    kept.removeIf([&](const QFileInfo& info) { return info.fileName() == name; });
    for (qsizetype i = kUnreadableKept - 1; i < kept.size(); ++i)
        QFile::remove(kept[i].filePath());
    return path;
}

} // namespace td
