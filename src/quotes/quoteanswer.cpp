#include "quotes/quoteanswer.h"

#include "quotes/pagereader.h"
#include "quotes/sourcereading.h"

namespace td {

namespace {
const QString kNoQuote = QStringLiteral("kein Kurs auf der Seite");

QuoteAnswer foregroundAnswer(const QuoteRequest& request, const QString& markup)
{
    const QuotePageResult page = readQuotePage(markup, request.purpose == QuotePurpose::WknRetry);
    QuoteAnswer answer;
    answer.request = request;
    answer.figures = {page.quote, page.dayPct, page.sQuoteText};
    answer.hasKursdaten = page.hasKursdaten;
    answer.dropped = page.dropped;
    answer.read = page.evaluate;
    if (!page.dropped) {
        answer.wkn = page.wkn;
        answer.isin = page.isin;
    }
    if (!answer.read)
        answer.why = kNoQuote;
    return answer;
}

QuoteAnswer backgroundAnswer(const QuoteRequest& request, const QString& markup)
{
    const BackgroundPageResult page = readBackgroundPage(markup);
    QuoteAnswer answer;
    answer.request = request;
    answer.figures = {page.cBgQuote, page.cBgDayPct, page.sBgQuoteText};
    answer.hasKursdaten = page.hasKursdaten;
    answer.wkn = page.wkn;
    answer.isin = page.isin;
    // A failed fetch or a page without a readable quote is no quote of 0.
    answer.read = page.hasKursdaten && page.quoteRead;
    if (!answer.read)
        answer.why = kNoQuote;
    return answer;
}

// A user-written source reads the same figures in every purpose. Its
// currency, when it has that field, is Cur; without one Cur stays.
QuoteAnswer sourceAnswer(const QuoteRequest& request, const QString& markup)
{
    const SourceAnswer page = readSourcePage(*request.source, markup);
    QuoteAnswer answer;
    answer.request = request;
    answer.figures = {page.quote, page.dayPct, page.quoteText};
    answer.figures.currencyFromText = false;
    if (page.currency && !page.currency->isEmpty())
        answer.figures.currency = page.currency;
    answer.hasKursdaten = page.quoteRead;
    answer.read = page.quoteRead;
    answer.wkn = page.wkn;
    answer.isin = page.isin;
    if (!answer.read)
        answer.why = sourceFailure(request.source->name, page.failure);
    return answer;
}
} // namespace

QString sourceFailure(const QString& sourceName, const QString& what)
{
    return QStringLiteral("Quelle '%1': %2").arg(sourceName, what);
}

QuoteAnswer readQuoteAnswer(const QuoteRequest& request, const QString& markup)
{
    if (request.source)
        return sourceAnswer(request, markup);
    return request.purpose == QuotePurpose::Background ? backgroundAnswer(request, markup)
                                                       : foregroundAnswer(request, markup);
}

QuoteAnswer fittedToEntry(QuoteAnswer answer, const QString& heldWkn, const QString& heldIsin)
{
    if (showsOtherInstrument(heldWkn, heldIsin, {answer.wkn, answer.isin})) {
        answer.otherInstrument = true;
        answer.dropped = true;
        answer.read = false;
        answer.why = QStringLiteral("anderes Wertpapier");
    }
    if (!answer.read) {
        answer.wkn.reset();
        answer.isin.reset();
    }
    return answer;
}

} // namespace td
