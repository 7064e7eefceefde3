#include "watchlist/tickerfile.h"

#include "platform/amount.h"
#include "platform/textfile.h"

namespace td {

namespace {
// File field (from 1) of each column; field 6 is the checked state, 17 the mark.
constexpr int kFieldOfColumn[ColumnCount] = {1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
constexpr int kCheckedField = 6;
constexpr int kImportantField = 17;
} // namespace

WatchEntry parseTickerLine(QStringView line, bool autoCheck)
{
    const QList<QStringView> fields = line.split(u';');
    const auto field = [&fields](int number) -> QStringView {
        return number <= fields.size() ? fields[number - 1] : QStringView();
    };
    WatchEntry entry;
    if (fields.size() >= kImportantField)
        entry.important = parseBoolean(field(kImportantField)).value_or(false);
    for (int c = 0; c < ColumnCount; ++c)
        entry.columns[c] = field(kFieldOfColumn[c]).toString();
    entry.applyLoadedStyles();
    if (fields.size() >= kCheckedField)
        entry.checked = parseBoolean(field(kCheckedField)).value_or(false);
    entry.icon = EntryIcon::NoBuyQuote;
    if (autoCheck)
        entry.checked = true;
    return entry;
}

QString sanitizeField(QString text)
{
    text.replace(u';', u',');
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

QString formatTickerLine(const WatchEntry& entry)
{
    QStringList fields;
    fields.reserve(kImportantField);
    for (int c = 0; c <= ColBuying; ++c)
        fields << sanitizeField(entry.columns[c]);
    fields << (entry.checked ? QStringLiteral("True") : QStringLiteral("False"));
    for (int c = ColQuote; c < ColumnCount; ++c)
        fields << sanitizeField(entry.columns[c]);
    fields << (entry.important ? QStringLiteral("-1") : QStringLiteral("0"));
    return fields.join(u';');
}

TickerFileContent parseTickerFile(const QByteArray& bytes, bool autoCheck, int capacity)
{
    TickerFileContent content;
    const QStringList lines = splitLines(decodeWindows1252(bytes));
    for (const QString& line : lines) {
        if (line.isEmpty())
            continue;
        if (content.entries.size() >= capacity) {
            ++content.linesOverLimit;
            continue;
        }
        content.entries.append(parseTickerLine(line, autoCheck));
    }
    return content;
}

QByteArray formatTickerFile(const QList<WatchEntry>& entries)
{
    QString text;
    for (const WatchEntry& entry : entries) {
        text += formatTickerLine(entry);
        text += QStringLiteral("\r\n");
    }
    return encodeWindows1252(text);
}

} // namespace td
