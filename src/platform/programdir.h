#pragma once

#include <QString>

namespace td {

struct ProgramFolders
{
    QString executableDir;
    bool executableDirTakesFiles = false;
    // The shipped tic files of an installation; empty for a build tree or a portable copy.
    QString installedTicDir;
    // QStandardPaths::AppLocalDataLocation; empty when the system names none.
    QString userDataDir;
};

// The folder that holds the tic folder, the generated pages and the
// downloads. A build tree or a portable copy that takes files keeps them
// beside the executable. Otherwise the user's data folder is created and its
// tic folder given the shipped files it lacks; when that fails the program
// stays in its own folder.
QString prepareProgramDir(const ProgramFolders& folders);

// Whether a file can be created in `folder`, tried by creating one.
bool folderAcceptsFiles(const QString& folder);

// Copies each file of `from` that `to` lacks; the user's files stay as they
// are. Returns the number copied.
int seedFolder(const QString& from, const QString& to);

// prepareProgramDir for the running program.
QString programDir();

} // namespace td
