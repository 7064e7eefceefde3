#include "watchlist/tickerfile.h"

#include "platform/amount.h"
#include "platform/textfile.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>

namespace td {

namespace {
// File field (from 1) of each column; field 6 is the checked state, 17 the mark.
constexpr int kFieldOfColumn[ColumnCount] = {1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
constexpr int kCheckedField = 6;
constexpr int kImportantField = 17;

// A file's fields, decoded once: every field is a slice sharing this one
// block, so a full list costs one allocation instead of one per field.
class DecodedFile
{
public:
    explicit DecodedFile(QByteArrayView bytes) : m_base(bytes.data()), m_text(QString::fromLatin1(bytes))
    {
        if (m_text.isEmpty())
            return;
        // Taken before any slice shares the block; the terminators written
        // through it lie outside every slice.
        m_raw = reinterpret_cast<char16_t*>(m_text.data());
        // Windows-1252 differs from Latin-1 only in 0x80 to 0x9F.
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            if ((static_cast<unsigned char>(bytes[i]) & 0xE0) == 0x80)
                m_raw[i] = decodeWindows1252(bytes.sliced(i, 1)).at(0).unicode();
        }
    }

    QString text(QByteArrayView field)
    {
        if (field.isEmpty())
            return {};
        const qsizetype from = field.data() - m_base;
        // Each slice ends in a '\0' where its separator stood, as QString
        // text is expected to; the block's last field has the block's own.
        if (from + field.size() < m_text.size())
            m_raw[from + field.size()] = 0;
        // The reference was counted for the whole line (share).
        return QString(QString::DataPointer(m_text.data_ptr().d_ptr(), m_raw + from, field.size()));
    }

    // Counts `slices` more holders of the block in one step, before they
    // are made: one atomic add a line instead of one a field.
    void share(int slices)
    {
        if (slices > 0)
            m_text.data_ptr().d_ptr()->ref_.fetchAndAddRelaxed(slices);
    }

private:
    const char* m_base;
    QString m_text;
    char16_t* m_raw = nullptr;
};

std::optional<bool> fieldBoolean(QStringView field)
{
    return parseBoolean(field);
}

std::optional<bool> fieldBoolean(QByteArrayView field)
{
    // The spellings this program writes, without a detour through text.
    if (field == "True" || field == "-1")
        return true;
    if (field == "False" || field == "0")
        return false;
    return parseBoolean(decodeWindows1252(field));
}

// Fills a fresh entry in place from its first fields (`count` is how many the
// line had), as text or as file bytes, whose separators are the same bytes.
template <typename View, typename Text>
void fillEntry(WatchEntry& entry, const std::array<View, kImportantField>& fields, qsizetype count,
               bool autoCheck, Text fieldText)
{
    const auto field = [&](int number) {
        return number <= count ? fields[static_cast<std::size_t>(number - 1)] : View();
    };
    if (count >= kImportantField)
        entry.important = fieldBoolean(field(kImportantField)).value_or(false);
    for (int c = 0; c < ColumnCount; ++c)
        entry.columns[c] = fieldText(field(kFieldOfColumn[c]));
    entry.applyLoadedStyles();
    if (count >= kCheckedField)
        entry.checked = fieldBoolean(field(kCheckedField)).value_or(false);
    entry.icon = EntryIcon::NoBuyQuote;
    if (autoCheck)
        entry.checked = true;
}

// Every non-empty line. CR LF, a bare LF and a bare CR each end a line: a
// file edited elsewhere may carry any of them, and joining two lines would
// lose an entry on the next save.
template <typename Line> void forEachEntryLine(QByteArrayView text, Line onLine)
{
    const qsizetype n = text.size();
    for (qsizetype start = 0; start < n;) {
        qsizetype end = start;
        while (end < n && text[end] != '\n' && text[end] != '\r')
            ++end;
        if (end > start)
            onLine(text.sliced(start, end - start));
        start = end + (end + 1 < n && text[end] == '\r' && text[end + 1] == '\n' ? 2 : 1);
    }
}

// The format has no escaping: ";" becomes "," and a line break (CR LF, CR or
// LF) one blank. `put` receives each character that is written.
template <typename Put> void forEachSanitized(const QString& text, Put put)
{
    const qsizetype n = text.size();
    const QChar* in = text.constData();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = in[i].unicode();
        if (c == u';') {
            put(u',');
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < n && in[i + 1] == u'\n')
                ++i;
            put(u' ');
        } else {
            put(c);
        }
    }
}

void appendSanitized(QString& out, const QString& text)
{
    forEachSanitized(text, [&out](char16_t c) { out += QChar(c); });
}

bool needsSanitizing(const QString& text)
{
    for (QChar c : text) {
        if (c == u';' || c == u'\r' || c == u'\n')
            return true;
    }
    return false;
}

void appendTickerLine(QString& out, const WatchEntry& entry)
{
    for (int c = 0; c < ColumnCount; ++c) {
        if (c == ColQuote)
            out += entry.checked ? QStringView(u"True;") : QStringView(u"False;");
        if (needsSanitizing(entry.columns[c]))
            appendSanitized(out, entry.columns[c]);
        else
            out += entry.columns[c];
        out += u';';
    }
    out += entry.important ? QStringView(u"-1") : QStringView(u"0");
}

} // namespace

WatchEntry parseTickerLine(QStringView line, bool autoCheck)
{
    std::array<QStringView, kImportantField> fields;
    qsizetype count = 0;
    for (qsizetype start = 0;;) {
        const qsizetype end = line.indexOf(u';', start);
        if (count < kImportantField)
            fields[static_cast<std::size_t>(count)] =
                line.sliced(start, (end < 0 ? line.size() : end) - start);
        ++count;
        if (end < 0)
            break;
        start = end + 1;
    }
    WatchEntry entry;
    fillEntry(entry, fields, count, autoCheck, [](QStringView field) { return field.toString(); });
    return entry;
}

QString sanitizeField(QString text)
{
    QString out;
    out.reserve(text.size());
    appendSanitized(out, text);
    return out;
}

QString formatTickerLine(const WatchEntry& entry)
{
    QString line;
    appendTickerLine(line, entry);
    return line;
}

TickerFileContent parseTickerFile(const QByteArray& bytes, bool autoCheck, int capacity)
{
    TickerFileContent content;
    const QByteArrayView text(bytes);
    content.entries.reserve(std::min<qsizetype>(std::max(capacity, 0), text.count('\n') + 1));
    DecodedFile decoded(text);
    const auto fieldText = [&decoded](QByteArrayView field) {
        return decoded.text(field);
    };
    // One pass finds line and field ends alike; empty lines are skipped, as
    // in forEachEntryLine.
    const char* in = text.data();
    const qsizetype n = text.size();
    std::array<QByteArrayView, kImportantField> fields;
    qsizetype count = 0;
    int texts = 0; // non-empty fields that become columns
    qsizetype lineStart = 0;
    qsizetype fieldStart = 0;
    for (qsizetype i = 0; i <= n; ++i) {
        const char c = i < n ? in[i] : '\n';
        if (c != ';' && c != '\n' && c != '\r')
            continue;
        const bool lineEnds = c != ';';
        if (!lineEnds || i > lineStart) {
            if (count < kImportantField) {
                fields[static_cast<std::size_t>(count)] = QByteArrayView(in + fieldStart, i - fieldStart);
                texts += i > fieldStart && count != kCheckedField - 1 && count != kImportantField - 1;
            }
            ++count;
        }
        fieldStart = i + 1;
        if (!lineEnds)
            continue;
        if (i > lineStart) {
            if (content.entries.size() >= capacity) {
                ++content.linesOverLimit;
            } else {
                decoded.share(texts);
                fillEntry(content.entries.emplace_back(), fields, count, autoCheck, fieldText);
            }
        }
        count = 0;
        texts = 0;
        lineStart = i + 1;
    }
    return content;
}

int countTickerEntries(const QByteArray& bytes)
{
    int count = 0;
    forEachEntryLine(QByteArrayView(bytes), [&count](QByteArrayView) { ++count; });
    return count;
}

QByteArray formatTickerFile(const QList<WatchEntry>& entries)
{
    // Written straight into the bytes, sanitized and encoded on the way: a
    // full list is megabytes, and each detour through text doubles them.
    qsizetype bound = 0;
    for (const WatchEntry& entry : entries) {
        for (const QString& column : entry.columns)
            bound += column.size();
        bound += 16 + 5 + 2 + 2; // separators, "False", "-1", CR LF
    }
    QByteArray out(bound, Qt::Uninitialized);
    char* dst = out.data();
    const auto put = [&dst](QLatin1StringView text) {
        std::memcpy(dst, text.data(), static_cast<std::size_t>(text.size()));
        dst += text.size();
    };
    for (const WatchEntry& entry : entries) {
        for (int c = 0; c < ColumnCount; ++c) {
            if (c == ColQuote)
                put(entry.checked ? QLatin1StringView("True;") : QLatin1StringView("False;"));
            forEachSanitized(entry.columns[c], [&dst](char16_t u) { *dst++ = windows1252Byte(u); });
            *dst++ = ';';
        }
        put(entry.important ? QLatin1StringView("-1\r\n") : QLatin1StringView("0\r\n"));
    }
    out.truncate(dst - out.data());
    return out;
}

} // namespace td
