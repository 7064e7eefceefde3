#include "benchinputs.h"

#include "platform/amount.h"
#include "quotepages.h"
#include "watchlist/tickerfile.h"

#include <QFile>

#include <random>

namespace td::bench {

namespace {

const char* const kPlaces[] = {"ETR", "FRA", "NAS", "NYS", "STU", "LSE"};
const char* const kWords[] = {"Nord",         "Sued",        "Rhein",  "Alpen",   "Hansa",
                              "Global",       "Solar",       "Chemie", "Motoren", "Bank",
                              "Versicherung", "Technologie", "Pharma", "Logistik"};
const char* const kForms[] = {"AG", "SE", "Inc.", "Corp.", "plc", "N.V.", "Holding AG", "& Co. KGaA"};

QString amountText(std::mt19937& rng, int minCents, int maxCents)
{
    std::uniform_int_distribution<int> cents(minCents, maxCents);
    return formatAmount(Amount::fromRaw(static_cast<std::int64_t>(cents(rng)) * 100), u"0.00##");
}

QString code(std::mt19937& rng, int length, int seed)
{
    static const char digits[] = "0123456789ABCDEFGHJKLMNPQRSTUVWXYZ";
    QString text = QString::number(seed, 36).toUpper().rightJustified(4, u'0');
    std::uniform_int_distribution<int> pick(0, 33);
    while (text.size() < length)
        text.prepend(QLatin1Char(digits[pick(rng)]));
    return text.right(length);
}

} // namespace

QByteArray tickerListFile(int count, bool allTicked)
{
    std::mt19937 rng(20260302);
    std::uniform_int_distribution<int> percent(0, 99);
    QList<WatchEntry> entries;
    entries.reserve(count);
    for (int i = 0; i < count; ++i) {
        WatchEntry e;
        auto& c = e.columns;
        c[ColName] = QStringLiteral("%1 %2 %3")
                         .arg(QLatin1StringView(kWords[i % 14]), QLatin1StringView(kWords[(i / 14) % 14]),
                              QLatin1StringView(kForms[(i / 196) % 8]));
        // Unique tickers: letters only, as the addresses carry them.
        QString ticker;
        for (int n = i + 1; n > 0; n /= 26)
            ticker.prepend(QChar(u'A' + n % 26));
        c[ColTicker] = ticker;
        c[ColPlace] = QLatin1StringView(kPlaces[i % 6]);
        const bool held = percent(rng) < 60;
        if (held) {
            c[ColDateOfBuying] = QStringLiteral("%1.%2.20%3")
                                     .arg(1 + i % 28, 2, 10, QLatin1Char('0'))
                                     .arg(1 + i % 12, 2, 10, QLatin1Char('0'))
                                     .arg(15 + i % 10);
            c[ColBuying] = amountText(rng, 100, 50000);
            c[ColQty] = QString::number(1 + percent(rng) * 10);
        }
        if (percent(rng) < 80) {
            c[ColQuote] = amountText(rng, 100, 50000);
            c[ColPct] = amountText(rng, -900, 900);
            c[ColCur] = i % 6 >= 2 && i % 6 <= 3 ? QStringLiteral("USD") : QStringLiteral("EUR");
            if (held) {
                c[ColBChg] = amountText(rng, -20000, 20000);
                c[ColBPct] = amountText(rng, -5000, 5000);
                c[ColValue] = formatAmount(Amount::fromInt(percent(rng) * 137), u"#,#");
                c[ColPlusMinus] = formatAmount(Amount::fromInt(percent(rng) * 13 - 600), u"#,#");
            }
        }
        c[ColWkn] = code(rng, 6, i);
        c[ColIsin] = QStringLiteral("DE") + code(rng, 10, i);
        e.checked = allTicked || percent(rng) < 50;
        e.important = percent(rng) < 5;
        entries.append(std::move(e));
    }
    return formatTickerFile(entries);
}

QString searchTarget(const WatchEntry& entry)
{
    return QStringLiteral("/inf/search/all.html?SEARCH_VALUE=") + entry.columns[ColTicker] + u'.' +
           entry.columns[ColPlace] + QStringLiteral("&x=11&y=7");
}

QByteArray quotePageFor(const WatchEntry& entry)
{
    const qsizetype h = qHash(entry.columns[ColTicker]) % 40000;
    return test::quotePage(
        {entry.columns[ColName],
         formatAmount(Amount::fromRaw(static_cast<std::int64_t>(100 + h) * 100), u"0.00##"),
         QStringLiteral("EUR"),
         formatAmount(Amount::fromRaw(static_cast<std::int64_t>(h % 1800) * 100 - 90000), u"0.00##"),
         entry.columns[ColWkn], entry.columns[ColIsin]});
}

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace td::bench
