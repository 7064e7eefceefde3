#pragma once

#include "sidewindows/panelayout.h"
#include "watchlist/watchentry.h"

#include <array>

namespace td {

using ColumnWidths = std::array<int, ColumnCount>;

// The main list's columns in twips before a layout narrows or widens it.
inline constexpr ColumnWidths kListColumnTwips = {1600, 650, 520, 1060, 780, 980, 620, 880,
                                                  620,  480, 850, 850,  750, 820, 1400};

// A column this narrow (the narrow list's buying date) shows nothing.
inline constexpr int kSliverTwips = 10;

// Columns whose texts are figures: they must never be cut off.
bool isFigureColumn(int column);
// The figure columns whose amounts run into thousands: value and profit.
bool isAmountColumn(int column);

// What the texts need: a figure ("-100,00"), an amount ("-10.000,00") and
// each column's header caption.
struct ColumnNeeds
{
    int figure = 0;
    int amount = 0;
    ColumnWidths header{};
};

// The column widths of a list layout: the layout's own widths over the base
// ones, every shown column at least as wide as its header and every figure
// column as its figures need. The name column then absorbs the difference
// to `availableTwips`: it takes what is left over, or gives up what the
// columns take beyond it, down to `minNameTwips`. Names may be cut off;
// figures and headers may not.
ColumnWidths listColumnWidths(const ListLayout& layout, const ColumnNeeds& needs, int availableTwips,
                              int minNameTwips);

} // namespace td
