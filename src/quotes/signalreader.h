#pragma once

#include <QList>
#include <QString>

#include <array>
#include <cstdint>

namespace td {

// The two panes that read a trading-signal page; each shows its own set of
// five symbol pictures.
enum class SignalPane
{
    Handelssignal,
    HandelssignalLang
};

struct SignalRow
{
    QString marker; // searched as it stands, case-sensitive
    QString word;
    std::uint32_t colour; // 0xBBGGRR
    int symbol;           // picture index for wbrHandelssignal
    int symbolLang;       // picture index for wbrHandelssignalLang
};

// The five rows in the order they are tested.
const std::array<SignalRow, 5>& signalRows();

struct SignalResult
{
    // The last matching row's word and colour; "" and black when none matched.
    QString word;
    std::uint32_t colour = 0;
    // Every matching row's picture index, in row order.
    QList<int> symbols;
};

SignalResult readSignal(const QString& markup, SignalPane pane);

// The resource path of picture 0 to 9; the long set reuses the five drawings.
QString signalSymbolResource(int symbolIndex);

} // namespace td
