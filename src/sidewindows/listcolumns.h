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

// The column widths of a list layout: the layout's own widths over the base
// ones, every shown figure column at least `figureTwips` wide, and the name
// column giving up what the columns then take beyond `availableTwips`, down
// to `minNameTwips`. Names may be cut off; figures may not.
ColumnWidths listColumnWidths(const ListLayout& layout, int figureTwips, int availableTwips,
                              int minNameTwips);

} // namespace td
