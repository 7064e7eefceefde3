#include "quotes/signalreader.h"

#include "watchlist/watchentry.h"

namespace td {

const std::array<SignalRow, 5>& signalRows()
{
    static const std::array<SignalRow, 5> rows = {{
        {QStringLiteral(">kaufen<"), QStringLiteral("kaufen"), colour::DarkGreen, 0, 5},
        {QStringLiteral(">akkumulieren<"), QStringLiteral("akkumulieren"), colour::DarkGreen, 1, 6},
        {QStringLiteral(">halten<"), QStringLiteral("halten"), colour::DarkGrey, 2, 7},
        {QStringLiteral(">reduzieren<"), QStringLiteral("reduzieren"), colour::DarkRed, 3, 8},
        {QStringLiteral(">verkaufen<"), QStringLiteral("verkaufen"), colour::DarkRed, 4, 9},
    }};
    return rows;
}

SignalResult readSignal(const QString& markup, SignalPane pane)
{
    SignalResult result;
    for (const SignalRow& row : signalRows()) {
        if (!markup.contains(row.marker, Qt::CaseSensitive))
            continue;
        result.word = row.word;
        result.colour = row.colour;
        result.symbols.append(pane == SignalPane::Handelssignal ? row.symbol : row.symbolLang);
    }
    return result;
}

QString signalSymbolResource(int symbolIndex)
{
    if (symbolIndex < 0 || symbolIndex > 9)
        return {};
    return QStringLiteral(":/signal/") + signalRows()[static_cast<std::size_t>(symbolIndex % 5)].word +
           QStringLiteral(".svg");
}

} // namespace td
