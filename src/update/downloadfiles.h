#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

namespace td {

enum class DownloadKind
{
    Tic, // a ticker list into the tic folder
    Exe, // the program file into the program directory
};

// sDownloadToFile's kind text, "TIC" or "EXE" exactly; none for any other.
std::optional<DownloadKind> downloadKind(const QString& kindText);

// The local date and time as "yyyymmddhhmmss" (24-hour).
QString downloadTimestamp(const QDateTime& now);

// Program directory + "/tic/downloaded{" + timestamp + "}.tic", or
// + "/TDCK_" + timestamp + ".exe"; one "/" after the directory, also when it
// is the root. Two downloads of a kind within one second get one name.
QString downloadFilePath(DownloadKind kind, const QString& programDir, const QDateTime& now);

} // namespace td
