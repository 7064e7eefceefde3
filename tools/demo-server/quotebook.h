#pragma once

#include "watchlist/watchentry.h"

#include <QList>
#include <QRandomGenerator>
#include <QString>

namespace td::demo {

struct Instrument
{
    QString name;
    QString ticker;
    QString place;
    QString wkn;
    QString isin;
    QString currency;
    double previousClose = 0; // the day change is measured against it
    double price = 0;

    QString symbol() const { return ticker + u'.' + place; }
};

// The made-up market: one instrument per list entry, prices wandering a
// little with every look.
class QuoteBook
{
public:
    QuoteBook(const QList<WatchEntry>& entries, quint32 seed);

    // By quote symbol (Ticker.Place) or WKN, case-insensitive; null when unknown.
    Instrument* find(QStringView searchValue);
    // Moves the price by at most 1 % either way.
    void drift(Instrument& instrument);

    const QList<Instrument>& instruments() const { return m_instruments; }

private:
    QList<Instrument> m_instruments;
    QRandomGenerator m_random;
};

// Stable across runs, unlike qHash, so pictures and signals stay put.
quint32 stableHash(QStringView text);

// German number texts as the bank prints them.
QString germanPrice(double price);
QString germanPercent(double percent);

} // namespace td::demo
