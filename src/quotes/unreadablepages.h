#pragma once

#include <QByteArray>
#include <QString>

namespace td {

inline const QString kUnreadableFolderName = QStringLiteral("unreadable");
inline constexpr int kUnreadableKept = 20;

// The file name a source's unreadable page for a symbol is kept under:
// "source@symbol.ext", each part cut down to letters, digits, ".", "-" and
// "_" (anything else becomes "_"), so no name leaves the folder.
QString unreadablePageName(const QString& source, const QString& symbol, const QString& extension);

// Keeps the last unreadable page of a source and symbol in
// <dataDir>/unreadable/, replacing the previous one of the pair, and drops the
// oldest files beyond kUnreadableKept. Returns the file's path, "" when it
// could not be written.
QString keepUnreadablePage(const QString& dataDir, const QString& source, const QString& symbol,
                           const QByteArray& page, const QString& extension = QStringLiteral("html"));

} // namespace td
