#include "sidewindows/listcolumns.h"

#include "watchlist/listedit.h"

#include <algorithm>
#include <numeric>

namespace td {

bool isFigureColumn(int column)
{
    // The figures are the columns that hold German numbers.
    return isNumericColumn(column);
}

bool isAmountColumn(int column)
{
    return column == ColValue || column == ColPlusMinus;
}

ColumnWidths listColumnWidths(const ListLayout& layout, const ColumnNeeds& needs, int availableTwips,
                              int minNameTwips)
{
    ColumnWidths widths = kListColumnTwips;
    for (const ColumnWidth& c : layout.columns)
        widths[c.column] = c.twips;
    for (int c = 0; c < ColumnCount; ++c) {
        if (widths[c] <= kSliverTwips)
            continue;
        widths[c] = std::max(widths[c], needs.header[c]);
        if (isFigureColumn(c))
            widths[c] = std::max(widths[c], isAmountColumn(c) ? needs.amount : needs.figure);
    }
    const int total = std::accumulate(widths.begin(), widths.end(), 0);
    const int floor = std::max(std::min(widths[ColName], minNameTwips), needs.header[ColName]);
    widths[ColName] = std::max(floor, widths[ColName] + availableTwips - total);
    return widths;
}

} // namespace td
