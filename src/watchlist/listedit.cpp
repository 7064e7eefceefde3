#include "watchlist/listedit.h"

#include "platform/amount.h"

#include <QCollator>

#include <algorithm>
#include <numeric>
#include <optional>

namespace td {

namespace {

const QString kWholeGrouped = QStringLiteral("#,#");

std::optional<Amount> columnAmount(const WatchEntry& entry, int column)
{
    return parseGerman(entry.columns[column]);
}

} // namespace

WatchEntry withFieldTexts(WatchEntry entry, const EntryFields& fields)
{
    entry.columns[ColName] = fields.name;
    entry.columns[ColTicker] = fields.ticker;
    entry.columns[ColPlace] = fields.place;
    entry.columns[ColDateOfBuying] = fields.date;
    entry.columns[ColBuying] = fields.buying;
    entry.columns[ColCur] = fields.currency;
    entry.columns[ColQty] = fields.quantity;
    entry.columns[ColWkn] = fields.wkn;
    entry.columns[ColIsin] = fields.isin;
    return entry;
}

WatchEntry writeThrough(WatchEntry entry, const EntryFields& fields)
{
    const QString oldQty = entry.columns[ColQty];
    entry = withFieldTexts(std::move(entry), fields);
    QString& qty = entry.columns[ColQty];
    QString& value = entry.columns[ColValue];
    QString& plusMinus = entry.columns[ColPlusMinus];

    // An emptied field empties Qty; text that is no number leaves it as it was.
    if (!fields.quantity.trimmed().isEmpty()) {
        const auto quantity = parseGerman(fields.quantity);
        qty = quantity ? formatAmount(*quantity, kWholeGrouped) : oldQty;
    }

    if (!entry.columns[ColQuote].isEmpty() && !qty.isEmpty()) {
        const auto quote = columnAmount(entry, ColQuote);
        const auto quantity = columnAmount(entry, ColQty);
        if (quote && quantity) {
            if (const auto product = quote->times(*quantity))
                value = formatAmount(product->roundedToEven(0), kWholeGrouped);
        }
    }

    if (!value.isEmpty() && !entry.columns[ColBuying].isEmpty()) {
        const auto current = columnAmount(entry, ColValue);
        const auto buying = columnAmount(entry, ColBuying);
        const auto quantity = columnAmount(entry, ColQty);
        if (current && buying && quantity) {
            if (const auto cost = buying->times(*quantity)) {
                if (const auto profit = current->minus(*cost))
                    plusMinus = formatAmount(profit->roundedToEven(0), kWholeGrouped);
            }
        }
    }

    if (!plusMinus.isEmpty()) {
        if (const auto profit = columnAmount(entry, ColPlusMinus))
            entry.styles[ColPlusMinus].colour = signColour(*profit);
    }
    return entry;
}

bool isFieldTextAllowed(QStringView text)
{
    return !text.contains(u';') && !text.contains(u'\r') && !text.contains(u'\n');
}

MoveButtonStates moveButtonStates(int position, int count)
{
    MoveButtonStates s;
    s.down = position < count;
    s.up = position > 1;
    s.toTop = s.up;
    s.toBottom = s.down;
    return s;
}

int moveTarget(MoveButton button, int position, int count)
{
    switch (button) {
    case MoveButton::Up:
        return position != 1 ? position - 1 : 0;
    case MoveButton::Down:
        return position != count ? position + 1 : 0;
    case MoveButton::ToTop:
        return position != 1 ? 1 : 0;
    case MoveButton::ToBottom:
        return position != count ? count : 0;
    }
    return 0;
}

MoveButtonStates moveButtonStatesAfter(MoveButton button, int position, int count)
{
    switch (button) {
    case MoveButton::Up:
    case MoveButton::Down:
        return moveButtonStates(position, count);
    case MoveButton::ToTop:
        return {true, false, false, true};
    case MoveButton::ToBottom:
        return {false, true, true, false};
    }
    return {};
}

int clampedMoveTarget(int target, int count)
{
    return std::clamp(target, 1, std::max(count, 1));
}

WatchEntry movedEntry(const WatchEntry& entry)
{
    WatchEntry moved;
    moved.columns = entry.columns;
    moved.checked = entry.checked;
    moved.important = entry.important;
    moved.id = entry.id;
    return moved;
}

int moveEntry(QList<WatchEntry>& entries, int position, int target)
{
    const int count = static_cast<int>(entries.size());
    if (position < 1 || position > count)
        return 0;
    const WatchEntry moved = movedEntry(entries.takeAt(position - 1));
    const int newPosition = clampedMoveTarget(target, count);
    entries.insert(newPosition - 1, moved);
    return newPosition;
}

bool isNumericColumn(int column)
{
    switch (column) {
    case ColBuying:
    case ColQuote:
    case ColPct:
    case ColBChg:
    case ColBPct:
    case ColQty:
    case ColValue:
    case ColPlusMinus:
        return true;
    default:
        return false;
    }
}

QList<int> sortedRows(const QList<WatchEntry>& entries, int column, Qt::SortOrder order)
{
    QList<int> rows(entries.size());
    std::iota(rows.begin(), rows.end(), 0);
    if (column < 0 || column >= ColumnCount)
        return rows;
    const bool descending = order == Qt::DescendingOrder;

    if (isNumericColumn(column)) {
        QList<std::optional<Amount>> keys;
        keys.reserve(entries.size());
        for (const WatchEntry& e : entries)
            keys.append(parseGerman(e.columns[column]));
        std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) {
            const auto& ka = keys[a];
            const auto& kb = keys[b];
            if (!ka || !kb)
                return ka.has_value() && !kb.has_value();
            return descending ? *kb < *ka : *ka < *kb;
        });
        return rows;
    }

    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) {
        const int c = collator.compare(entries[a].columns[column], entries[b].columns[column]);
        return descending ? c > 0 : c < 0;
    });
    return rows;
}

} // namespace td
