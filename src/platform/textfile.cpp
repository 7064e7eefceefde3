#include "platform/textfile.h"

#include <QFile>
#include <QSaveFile>

#include <array>

namespace td {

namespace {

// 0x80 to 0x9F; 0 marks the five bytes windows-1252 leaves undefined, which
// decode to the C1 control of the same number.
constexpr std::array<char16_t, 32> kHigh = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                            0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

} // namespace

QString decodeWindows1252(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return {};
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* dst = out.data();
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        char16_t u = b;
        if (b >= 0x80 && b <= 0x9F && kHigh[b - 0x80] != 0)
            u = kHigh[b - 0x80];
        *dst++ = QChar(u);
    }
    return out;
}

char detail::windows1252HighByte(char16_t u)
{
    for (std::size_t i = 0; i < kHigh.size(); ++i) {
        if (kHigh[i] == u && u != 0)
            return static_cast<char>(0x80 + i);
    }
    if (u >= 0x80 && u <= 0x9F && kHigh[u - 0x80] == 0)
        return static_cast<char>(u);
    return '?';
}

QByteArray encodeWindows1252(QStringView text)
{
    QByteArray out(text.size(), Qt::Uninitialized);
    char* dst = out.data();
    for (QChar c : text)
        *dst++ = windows1252Byte(c.unicode());
    return out;
}

QStringList splitLines(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (text[i] == u'\n') {
            qsizetype end = i;
            if (end > start && text[end - 1] == u'\r')
                --end;
            lines.append(text.mid(start, end - start));
            start = i + 1;
        }
    }
    if (start < n) {
        QString last = text.mid(start);
        if (last.endsWith(u'\r'))
            last.chop(1);
        lines.append(last);
    }
    return lines;
}

TextFileResult writeFileAtomically(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return {false, file.errorString()};
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return {false, reason};
    }
    if (!file.commit())
        return {false, file.errorString()};
    return {true, {}};
}

bool fileHolds(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() != bytes.size())
        return false;
    return file.readAll() == bytes && file.error() == QFileDevice::NoError;
}

} // namespace td
