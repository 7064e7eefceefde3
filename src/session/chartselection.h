#pragma once

#include "platform/amount.h"
#include "session/quotesymbol.h"

#include <QList>
#include <QString>

namespace td {

// The entry or entries whose pages and charts are shown, as parallel lists
// indexed from 0.
struct ChartSelection
{
    QList<QString> sSelName{QString()};
    QList<QString> sSelTicker{QString()};
    QList<QString> sSelPlace{QString()};
    QList<QString> sSelWKN{QString()};
    QList<QString> sSelISIN{QString()};
    QList<Amount> cSelQuote{Amount()};
    QList<Amount> cSelDayPct{Amount()};
    QList<Amount> cSelBuyPct{Amount()};
    QList<Amount> cSelValue{Amount()};
    QList<Amount> cSelChange{Amount()};

    // Every list back to one empty element.
    void reset() { *this = ChartSelection(); }
    // The text lists to one element each; the amounts stay.
    void setTexts(const QString& name, const QString& ticker, const QString& place, const QString& wkn,
                  const QString& isin)
    {
        sSelName = {name};
        sSelTicker = {ticker};
        sSelPlace = {place};
        sSelWKN = {wkn};
        sSelISIN = {isin};
    }
    // Ticker "." Place of element 0.
    QString quoteSymbol() const { return td::quoteSymbol(sSelTicker.value(0), sSelPlace.value(0)); }
};

} // namespace td
