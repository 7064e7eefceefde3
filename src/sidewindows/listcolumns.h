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

// The narrowest a figure ("-100,00") and an amount ("-10.000,00") can be.
struct FigureTwips
{
    int figure = 0;
    int amount = 0;
};

// The column widths of a list layout: the layout's own widths over the base
// ones, every shown figure column at least as wide as its figures need, and
// the name column giving up what the columns then take beyond
// `availableTwips`, down to `minNameTwips`. Names may be cut off; figures may not.
ColumnWidths listColumnWidths(const ListLayout& layout, FigureTwips needs, int availableTwips,
                              int minNameTwips);

} // namespace td
