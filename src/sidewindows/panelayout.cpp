#include "sidewindows/panelayout.h"

#include "watchlist/watchentry.h"

#include <algorithm>

namespace td {

ResourcesPaneLayout fullBrowserStep(const QString& tag, int mainHeight, int listTop)
{
    if (tag == u"SMALL")
        return {true,
                kResourcesLeft,
                listTop,
                std::max(0, mainHeight - kResourcesReserveOverList),
                false,
                QStringLiteral("BIG"),
                QStringLiteral("-")};
    // At the minimum height the pane has no room left below the list.
    return {false,
            kResourcesLeft,
            kResourcesTopBelowList,
            std::max(0, mainHeight - kResourcesReserveBelowList),
            true,
            QStringLiteral("SMALL"),
            QStringLiteral("^")};
}

ListLayout listLayoutAfterClick(const QString& tag)
{
    if (tag == u"BIG")
        return {true,
                14700,
                {{{ColDateOfBuying, 1060},
                  {ColQty, 850},
                  {ColValue, 850},
                  {ColPlusMinus, 750},
                  {ColWkn, 820},
                  {ColIsin, 1400}}},
                QStringLiteral("SMALL"),
                QStringLiteral("<")};
    return {
        false,
        8130,
        {{{ColDateOfBuying, 10}, {ColQty, 0}, {ColValue, 0}, {ColPlusMinus, 0}, {ColWkn, 0}, {ColIsin, 0}}},
        QStringLiteral("BIG"),
        QStringLiteral(">")};
}

} // namespace td
