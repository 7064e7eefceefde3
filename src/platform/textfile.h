#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace td {

// The program's files are 8-bit windows-1252 text with CR LF line ends.
QString decodeWindows1252(const QByteArray& bytes);
// Characters outside windows-1252 become "?".
QByteArray encodeWindows1252(QStringView text);

// Splits file bytes into lines at CR LF or LF alone. A last line without a
// line end is kept; the empty text after a final line end is not a line.
QStringList splitLines(const QString& text);

struct TextFileResult
{
    bool ok = false;
    QString error; // the system's reason when !ok
};

// Writes atomically: the old file stays whole until the new one is complete.
TextFileResult writeFileAtomically(const QString& path, const QByteArray& bytes);

} // namespace td
