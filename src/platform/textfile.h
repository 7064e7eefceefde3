#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace td {

// The program's files are 8-bit windows-1252 text with CR LF line ends.
QString decodeWindows1252(QByteArrayView bytes);
// Characters outside windows-1252 become "?".
QByteArray encodeWindows1252(QStringView text);
// The byte of one character, for writers that encode as they go.
inline char windows1252Byte(char16_t u);

// Splits file bytes into lines at CR LF or LF alone. A last line without a
// line end is kept; the empty text after a final line end is not a line.
QStringList splitLines(const QString& text);

struct TextFileResult
{
    bool ok = false;
    QString error; // the system's reason when !ok
};

// Writes atomically: the old file stays whole until the new one is complete.
// A writable file in a folder that takes no new files (a shared folder) is
// written in place instead.
TextFileResult writeFileAtomically(const QString& path, const QByteArray& bytes);

// The file exists and holds exactly these bytes.
bool fileHolds(const QString& path, const QByteArray& bytes);

namespace detail {
char windows1252HighByte(char16_t u);
}

inline char windows1252Byte(char16_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<char>(u);
    return detail::windows1252HighByte(u);
}

} // namespace td
