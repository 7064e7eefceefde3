#include "quotebook.h"

#include "platform/amount.h"

#include <algorithm>
#include <cmath>

namespace td::demo {

namespace {

// A price for an entry without a buying price: somewhere from 10 to 200.
double madeUpPrice(const QString& ticker)
{
    return 10.0 + (stableHash(ticker) % 19001) / 100.0;
}

} // namespace

quint32 stableHash(QStringView text)
{
    quint32 hash = 2166136261u; // FNV-1a
    for (QChar c : text) {
        hash ^= c.unicode();
        hash *= 16777619u;
    }
    return hash;
}

QString germanPrice(double price)
{
    return formatAmount(Amount::fromDouble(price).value_or(Amount()), u"0.00##");
}

QString germanPercent(double percent)
{
    return formatDouble(percent, u"0.00");
}

QuoteBook::QuoteBook(const QList<WatchEntry>& entries, quint32 seed) : m_random(seed)
{
    for (const WatchEntry& entry : entries) {
        Instrument in;
        in.name = entry.columns[ColName];
        in.ticker = entry.columns[ColTicker];
        in.place = entry.columns[ColPlace];
        in.wkn = entry.columns[ColWkn];
        in.isin = entry.columns[ColIsin];
        in.currency = entry.columns[ColCur].isEmpty() ? QStringLiteral("EUR") : entry.columns[ColCur];
        const auto buying = parseGerman(entry.columns[ColBuying]);
        in.previousClose = buying && buying->raw() > 0 ? buying->toDouble() : madeUpPrice(in.ticker);
        in.price = in.previousClose;
        if (!in.ticker.isEmpty())
            m_instruments.append(in);
    }
}

Instrument* QuoteBook::find(QStringView searchValue)
{
    if (searchValue.isEmpty())
        return nullptr;
    for (Instrument& in : m_instruments) {
        if (searchValue.compare(in.symbol(), Qt::CaseInsensitive) == 0 ||
            (!in.wkn.isEmpty() && searchValue.compare(in.wkn, Qt::CaseInsensitive) == 0))
            return &in;
    }
    return nullptr;
}

void QuoteBook::drift(Instrument& instrument)
{
    const double step = (m_random.generateDouble() * 2.0 - 1.0) * 0.01;
    // Four decimals at most, as the bank quotes; never down to nothing.
    const double moved = std::round(instrument.price * (1.0 + step) * 10000.0) / 10000.0;
    instrument.price = std::max(moved, 0.01);
}

} // namespace td::demo
