#include "update/downloadfiles.h"

namespace td {

std::optional<DownloadKind> downloadKind(const QString& kindText)
{
    if (kindText == u"TIC")
        return DownloadKind::Tic;
    if (kindText == u"EXE")
        return DownloadKind::Exe;
    return std::nullopt;
}

QString downloadTimestamp(const QDateTime& now)
{
    return now.toString(QStringLiteral("yyyyMMddHHmmss"));
}

QString downloadFilePath(DownloadKind kind, const QString& programDir, const QDateTime& now)
{
    QString dir = programDir;
    if (!dir.endsWith(u'/'))
        dir += u'/';
    const QString stamp = downloadTimestamp(now);
    switch (kind) {
    case DownloadKind::Tic:
        return dir + QStringLiteral("tic/downloaded{") + stamp + QStringLiteral("}.tic");
    case DownloadKind::Exe:
        break;
    }
    return dir + QStringLiteral("TDCK_") + stamp + QStringLiteral(".exe");
}

} // namespace td
