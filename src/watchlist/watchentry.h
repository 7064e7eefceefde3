#pragma once

#include "platform/amount.h"

#include <QDateTime>
#include <QString>
#include <QtGlobal>

#include <array>
#include <cstdint>

namespace td {

// The stop list is the data tab strip's tab 3.
inline constexpr int kStopTab = 3;

// Colours are 24-bit numbers with red in the low byte (0xBBGGRR).
namespace colour {
inline constexpr std::uint32_t Black = 0x000000;
inline constexpr std::uint32_t Purple = 0x800080;
inline constexpr std::uint32_t Blue = 0xFF0000;
inline constexpr std::uint32_t DarkRed = 0x0000C0;
inline constexpr std::uint32_t DarkGreen = 0x008000;
inline constexpr std::uint32_t Grey = 0x808080;
inline constexpr std::uint32_t NearBlack = 0x202020;
inline constexpr std::uint32_t DarkGrey = 0x404040;
} // namespace colour

// The text colour of a figure: dark red below zero, black at zero, dark green above.
std::uint32_t signColour(Amount value);

enum Column : int
{
    ColName = 0,
    ColTicker,
    ColPlace,
    ColDateOfBuying,
    ColBuying,
    ColQuote,
    ColPct,
    ColBChg,
    ColBPct,
    ColCur,
    ColQty,
    ColValue,
    ColPlusMinus,
    ColWkn,
    ColIsin,
    ColumnCount
};

// Image keys of the small icons, in image-list order 1 to 9.
enum class EntryIcon : int
{
    None = 0,
    Plus = 1,
    Minus = 2,
    Even = 3,
    NoBuyQuote = 4,
    Stop = 5,
    PlusMinus = 6,
    MinusPlus = 7,
    QPlus = 8,
    QMinus = 9,
};

QString iconKey(EntryIcon icon);

struct CellStyle
{
    std::uint32_t colour = colour::Black;
    bool bold = false;
    bool operator==(const CellStyle&) const = default;
};

// When an entry's quote was last read, held in memory only: the list file
// has no field for it.
struct QuoteAge
{
    QDateTime lastRead; // invalid: no quote read yet
    bool lastFailed = false;

    // One read of the entry's page: a success sets the time, a failure keeps
    // the last good time and is remembered until the next success.
    void note(const QDateTime& when, bool read)
    {
        if (read)
            lastRead = when;
        lastFailed = !read;
    }
};

// One watched instrument or held position. Every column is display text,
// stored exactly as shown; numbers are read from it only where computed.
struct WatchEntry
{
    std::array<QString, ColumnCount> columns;
    std::array<CellStyle, ColumnCount> styles; // styles[0] is unused: the name shows the mark
    bool checked = false;
    bool important = false;
    EntryIcon icon = EntryIcon::None;
    // Stop-list entries remember the position of their watch-list entry.
    int sourcePosition = 0;
    // Stable identity while the entry is in a list (0 = not in a list).
    quint64 id = 0;
    QuoteAge quoteAge;

    const QString& name() const { return columns[ColName]; }
    // The entry's own text colour: the important mark or black.
    std::uint32_t ownColour() const { return important ? colour::Purple : colour::Black; }

    // The styles a loaded entry's quote columns get.
    void applyLoadedStyles();
};

} // namespace td
