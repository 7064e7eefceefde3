#include "watchlist/watchentry.h"

namespace td {

QString iconKey(EntryIcon icon)
{
    switch (icon) {
    case EntryIcon::Plus:
        return QStringLiteral("plus");
    case EntryIcon::Minus:
        return QStringLiteral("minus");
    case EntryIcon::Even:
        return QStringLiteral("even");
    case EntryIcon::NoBuyQuote:
        return QStringLiteral("nobuyqoute");
    case EntryIcon::Stop:
        return QStringLiteral("stop");
    case EntryIcon::PlusMinus:
        return QStringLiteral("plusminus");
    case EntryIcon::MinusPlus:
        return QStringLiteral("minusplus");
    case EntryIcon::QPlus:
        return QStringLiteral("qplus");
    case EntryIcon::QMinus:
        return QStringLiteral("qminus");
    case EntryIcon::None:
        break;
    }
    return {};
}

std::uint32_t signColour(Amount value)
{
    if (value.isNegative())
        return colour::DarkRed;
    return value.isZero() ? colour::Black : colour::DarkGreen;
}

void WatchEntry::applyLoadedStyles()
{
    for (int c = ColQuote; c <= ColIsin; ++c)
        styles[c] = CellStyle{colour::Grey, false};
    styles[ColValue] = CellStyle{colour::NearBlack, true};
    styles[ColPlusMinus] = CellStyle{colour::Grey, true};
}

} // namespace td
