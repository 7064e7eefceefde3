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

ColumnWidths listColumnWidths(const ListLayout& layout, FigureTwips needs, int availableTwips,
                              int minNameTwips)
{
    ColumnWidths widths = kListColumnTwips;
    for (const ColumnWidth& c : layout.columns)
        widths[c.column] = c.twips;
    for (int c = 0; c < ColumnCount; ++c) {
        if (isFigureColumn(c) && widths[c] > kSliverTwips)
            widths[c] = std::max(widths[c], isAmountColumn(c) ? needs.amount : needs.figure);
    }
    const int total = std::accumulate(widths.begin(), widths.end(), 0);
    const int excess = total - availableTwips;
    if (excess > 0)
        widths[ColName] = std::max(std::min(widths[ColName], minNameTwips), widths[ColName] - excess);
    return widths;
}

} // namespace td
