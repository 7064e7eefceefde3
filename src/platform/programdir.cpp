#include "platform/programdir.h"

#include "platform/textfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace td {

QString prepareProgramDir(const ProgramFolders& f)
{
    // An installation keeps its files apart from the user's even where its folder is writable.
    if (f.installedTicDir.isEmpty() && f.executableDirTakesFiles)
        return f.executableDir;
    if (f.userDataDir.isEmpty() || !QDir().mkpath(f.userDataDir + QStringLiteral("/tic")))
        return f.executableDir;
    const QString shipped =
        f.installedTicDir.isEmpty() ? f.executableDir + QStringLiteral("/tic") : f.installedTicDir;
    seedFolder(shipped, f.userDataDir + QStringLiteral("/tic"));
    return f.userDataDir;
}

bool folderAcceptsFiles(const QString& folder)
{
    if (!QFileInfo(folder).isDir())
        return false;
    QTemporaryFile probe(folder + QStringLiteral("/.probe-XXXXXX"));
    return probe.open();
}

int seedFolder(const QString& from, const QString& to)
{
    int copied = 0;
    for (const QFileInfo& file : QDir(from).entryInfoList(QDir::Files)) {
        const QFileInfo target(to + u'/' + file.fileName());
        if (target.exists() || target.isSymLink())
            continue;
        QFile source(file.filePath());
        if (!source.open(QIODevice::ReadOnly))
            continue;
        if (writeFileAtomically(target.filePath(), source.readAll()).ok)
            ++copied;
    }
    return copied;
}

QString programDir()
{
    const QString executableDir = QDir(QCoreApplication::applicationDirPath()).absolutePath();
    const QString installed = QDir::cleanPath(executableDir + u'/' + QStringLiteral(TICKERDECK_SHIPPED_TIC));
    return prepareProgramDir({executableDir, folderAcceptsFiles(executableDir),
                              QFileInfo(installed).isDir() ? installed : QString(),
                              QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)});
}

} // namespace td
