#pragma once

#include "watchlist/watchentry.h"

#include <QList>
#include <QString>
#include <QStringView>

namespace td {

// The texts of the entry form, one per edited column.
struct EntryFields
{
    QString name;     // column Name
    QString ticker;   // Ticker
    QString place;    // Place
    QString date;     // DateOfBuying
    QString buying;   // Buying (the form calls it the buying quote)
    QString currency; // Cur
    QString quantity; // Qty
    QString wkn;      // WKN
    QString isin;     // ISIN
};

// The nine fields into their columns, texts unchanged.
WatchEntry withFieldTexts(WatchEntry entry, const EntryFields& fields);

// Typing into the form with edit mode on: the fields into the columns, Qty
// as "#,#", then Value and +|- recomputed from the column texts as they
// stand. A computation whose texts are not numbers leaves its column alone.
WatchEntry writeThrough(WatchEntry entry, const EntryFields& fields);

// The form's fields end up as ";"-separated lines in the list file.
bool isFieldTextAllowed(QStringView text);

enum class MoveButton
{
    Up,
    Down,
    ToTop,
    ToBottom
};

struct MoveButtonStates
{
    bool down = false;
    bool up = false;
    bool toTop = false;
    bool toBottom = false;
    bool operator==(const MoveButtonStates&) const = default;
};

// Positions count from 1. The plain rule: down below the last entry, up
// below the first; to top and to bottom follow up and down.
MoveButtonStates moveButtonStates(int position, int count);
// Where a button sends the entry at `position`; 0 when it stays.
int moveTarget(MoveButton button, int position, int count);
// The states a button leaves; position and count are taken after the move.
MoveButtonStates moveButtonStatesAfter(MoveButton button, int position, int count);

// A target past the end means the end.
int clampedMoveTarget(int target, int count);
// The entry as it is re-inserted by a move: text, columns, checked state and
// mark travel, icon and column styles do not (the next evaluation sets them).
WatchEntry movedEntry(const WatchEntry& entry);
// Moves the entry at `position` to `target`; returns its new position, 0
// when `position` is not in the list.
int moveEntry(QList<WatchEntry>& entries, int position, int target);

// Columns that hold German numbers and sort by their value.
bool isNumericColumn(int column);
// The stable order of the entries by one column, as old rows in their new
// order. Numbers by value with empty and unreadable texts last either way;
// texts without regard to case.
QList<int> sortedRows(const QList<WatchEntry>& entries, int column, Qt::SortOrder order);

} // namespace td
