#include "quotes/quotesources.h"

#include "platform/settingsstore.h"
#include "quotes/sourcereading.h"
#include "quotes/unreadablepages.h"
#include "session/quotesymbol.h"
#include "watchlist/watchentry.h"

#include <QDir>

namespace td {

QuoteSources::QuoteSources(const SettingsStore& settings, QString sourcesFile, QString dataDir,
                           QObject* parent)
    : QObject(parent), m_settings(settings), m_cache(std::move(sourcesFile)), m_dataDir(std::move(dataDir))
{
}

const QuoteSourceFile& QuoteSources::file()
{
    const QuoteSourceFile& read = m_cache.current();
    QStringList lines;
    for (const QuoteSourceProblem& problem : read.problems)
        lines << problem.message();
    const QString problems = lines.join(u'\n');
    if (problems != m_problems) {
        m_problems = problems;
        emit problemsChanged(problems);
    }
    return read;
}

QuoteRequest QuoteSources::request(const WatchEntry& entry, QuotePurpose purpose, const QString& bankAddress)
{
    const QString& place = entry.columns[ColPlace];
    QuoteRequest request{entry.id, purpose, bankAddress, std::nullopt,
                         quoteSymbol(entry.columns[ColTicker], place)};
    const SourceChoice choice = chooseSource(file(), m_settings.read(kQuoteSourceKey, QString()), place);
    if (choice.kind != SourceChoice::Kind::Source)
        return request;
    request.source = *choice.source;
    request.address = sourceAddress(*choice.source, {entry.columns[ColTicker], place, entry.columns[ColWkn],
                                                     entry.columns[ColIsin], entry.name()});
    return request;
}

QStringList QuoteSources::choices()
{
    QStringList names{kBankSourceName};
    for (const QuoteSource& source : file().sources)
        names << source.name;
    return names;
}

QString QuoteSources::unreadableFolder() const
{
    return QDir(m_dataDir).filePath(kUnreadableFolderName);
}

void QuoteSources::keepUnreadable(const QuoteAnswer& answer, const QString& page)
{
    const std::optional<QuoteSource>& source = answer.request.source;
    // A page that never came is no evidence against the pattern.
    if (!source || answer.read || answer.errorCode != 0)
        return;
    keepUnreadablePage(m_dataDir, source->name, answer.request.symbol, page.toUtf8(),
                       source->format == QuoteSource::Format::Json ? QStringLiteral("json")
                                                                   : QStringLiteral("html"));
}

QString unreadablePagesTip(const QString& folder)
{
    return QStringLiteral("Die letzte unlesbare Seite jeder Quelle und jedes Symbols liegt in ") +
           QDir::toNativeSeparators(folder);
}

QByteArray exampleQuoteSources()
{
    return QByteArrayLiteral(
        "# Quote sources for Tickerdeck. Choose one in the options; \"bank\" is the built-in reader.\n"
        "# [name] opens a source; key=value lines follow (the value is everything after the first \"=\").\n"
        "# Lines starting with # or ; are comments.\n"
        "#\n"
        "# url       the address; {ticker} {place} {symbol} {wkn} {isin} {name} are filled in\n"
        "# format    html (patterns, the default) or json (paths such as result.0.price)\n"
        "# quote     required: for html a regular expression whose first group is the quote\n"
        "# change    day change in percent; previous: the previous close (the change is computed)\n"
        "# wkn, isin, currency   optional codes and the currency\n"
        "# decimal   comma (1.234,56) or point (1,234.56)\n"
        "# places    place codes that always use this source, e.g. places=NYSE,NASDAQ\n"
        "#\n"
        "# Try one with: tickerdeck --test-source example SAP ETR\n"
        "#\n"
        "#[example]\n"
        "#url=https://quotes.example.com/{symbol}.html\n"
        "#quote=<span class=\"price\">([0-9.,]+)</span>\n"
        "#change=<span class=\"change\">([-+0-9.,]+) ?%</span>\n"
        "#currency=<span class=\"currency\">([A-Z]{3})</span>\n"
        "#\n"
        "#[example-json]\n"
        "#url=https://api.example.com/quote?symbols={ticker}\n"
        "#format=json\n"
        "#quote=quoteResponse.result.0.regularMarketPrice\n"
        "#previous=quoteResponse.result.0.regularMarketPreviousClose\n"
        "#currency=quoteResponse.result.0.currency\n");
}

} // namespace td
