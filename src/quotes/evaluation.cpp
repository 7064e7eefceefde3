#include "quotes/evaluation.h"

#include "quotes/pagetext.h"

#include <optional>

namespace td {

namespace {

using pagetext::cur;

// A step's result goes into its column only when the step worked.
void setIf(QString& column, const std::optional<QString>& text)
{
    if (text)
        column = *text;
}

std::optional<QString> positionValue(Amount quote, const QString& qty)
{
    const auto q = cur(qty);
    if (!q)
        return std::nullopt;
    const auto value = quote.times(*q);
    if (!value)
        return std::nullopt;
    return formatAmount(value->roundedToEven(0), u"#,#");
}

std::optional<QString> profit(const QString& value, const QString& qty, const QString& buying)
{
    const auto v = cur(value);
    const auto q = cur(qty);
    const auto b = cur(buying);
    if (!v || !q || !b)
        return std::nullopt;
    const auto cost = q->times(*b);
    const auto diff = cost ? v->minus(*cost) : std::nullopt;
    if (!diff)
        return std::nullopt;
    return formatAmount(diff->roundedToEven(0), u"#,#");
}

std::optional<QString> buyingChange(Amount quote, const QString& buying)
{
    const auto b = cur(buying);
    const auto diff = b ? quote.minus(*b) : std::nullopt;
    if (!diff)
        return std::nullopt;
    return formatAmount(*diff, u"0.00##");
}

std::optional<QString> buyingPercent(Amount quote, const QString& buying)
{
    const auto b = cur(buying);
    if (!b || b->isZero())
        return std::nullopt;
    const auto diff = quote.minus(*b);
    if (!diff)
        return std::nullopt;
    return formatDouble(diff->toDouble() / b->toDouble() * 100.0, u"0.00");
}

// The position's value and profit and the profit's colour.
void updatePosition(WatchEntry& e, Amount quote)
{
    auto& col = e.columns;
    if (col[ColQty].isEmpty()) {
        col[ColValue].clear();
        col[ColPlusMinus].clear();
    } else {
        setIf(col[ColValue], positionValue(quote, col[ColQty]));
        // Read back from the text just written, as the user sees it.
        setIf(col[ColPlusMinus], profit(col[ColValue], col[ColQty], col[ColBuying]));
    }
    if (!col[ColPlusMinus].isEmpty()) {
        if (const auto p = cur(col[ColPlusMinus]))
            e.styles[ColPlusMinus].colour = signColour(*p);
    }
}

EntryIcon iconFor(std::optional<Amount> c6, std::optional<Amount> c7, EntryIcon current)
{
    const Amount zero;
    if (c6 && c7) {
        if (*c7 > zero && *c6 >= zero)
            return EntryIcon::Plus;
        if (*c6 < zero && *c7 < zero)
            return EntryIcon::Minus;
        if (*c6 >= zero && *c7 < zero)
            return EntryIcon::MinusPlus;
        if (*c6 <= zero && *c7 > zero)
            return EntryIcon::PlusMinus;
    }
    if (c7 && c7->isZero())
        return EntryIcon::Even;
    return current;
}

// The colours of the change since buying, for an entry that has one.
void colourBuyingChange(WatchEntry& e, Amount quote)
{
    const auto& col = e.columns;
    if (const auto c7 = cur(col[ColBChg])) {
        const auto buying = cur(col[ColBuying]);
        if (c7->isNegative())
            e.styles[ColBChg].colour = colour::DarkRed;
        else if (buying)
            e.styles[ColBChg].colour = quote == *buying ? colour::Black : colour::DarkGreen;
    }
    if (const auto c8 = cur(col[ColBPct]))
        e.styles[ColBPct].colour = signColour(*c8);
}

void updateBuyingChange(WatchEntry& e, Amount quote)
{
    auto& col = e.columns;
    if (col[ColBuying].isEmpty())
        return;
    setIf(col[ColBChg], buyingChange(quote, col[ColBuying]));
    setIf(col[ColBPct], buyingPercent(quote, col[ColBuying]));
}

bool thresholdReached(const QString& bPct, const QString& thresholdText)
{
    const auto b = cur(bPct);
    const auto t = cur(thresholdText);
    if (!b || !t)
        return false;
    return *b >= *t || *b <= Amount::fromRaw(-t->raw());
}

// Colours of the change since buying, icon and alarm. True on alarm.
bool updateIconAndAlarm(WatchEntry& e, Amount quote, const EvaluationOptions& o)
{
    auto& col = e.columns;
    const auto c6 = cur(col[ColPct]);
    const auto c7 = cur(col[ColBChg]);
    if (col[ColBChg].isEmpty()) {
        if (c6 && !c6->isNegative())
            e.icon = EntryIcon::QPlus;
        else if (c6)
            e.icon = EntryIcon::QMinus;
        else
            e.icon = EntryIcon::NoBuyQuote;
        return false;
    }

    colourBuyingChange(e, quote);
    e.icon = iconFor(c6, c7, e.icon);

    if (!thresholdReached(col[ColBPct], o.thresholdText))
        return false;
    e.styles[ColBChg].bold = true;
    e.styles[ColBPct].bold = true;
    if (o.batchRunning && o.markMinMaxChange)
        e.checked = true;
    return true;
}

// Everything but the currency, shared by both twins.
EvaluationResult evaluateFigures(WatchEntry e, const QuoteFigures& f, const EvaluationOptions& o)
{
    auto& col = e.columns;
    col[ColQuote] = formatAmount(f.quote, u"0.00##");
    col[ColPct] = formatAmount(f.dayPct, u"0.00##");
    if (const auto pct = cur(col[ColPct])) {
        e.styles[ColPct].colour = signColour(*pct);
        e.styles[ColQuote].colour = signColour(*pct);
    }
    e.styles[ColQuote].bold = o.quoteBold;

    updatePosition(e, f.quote);

    updateBuyingChange(e, f.quote);

    EvaluationResult result;
    result.alarm = updateIconAndAlarm(e, f.quote, o);
    result.entry = std::move(e);
    return result;
}

} // namespace

QString currencyFromQuoteText(const QString& quoteText)
{
    const qsizetype len = quoteText.size();
    if (const qsizetype p = pagetext::find(quoteText, u"&nbsp;"); p > 0)
        return pagetext::trim(quoteText.right(len - p - 5));
    if (const qsizetype b = pagetext::find(quoteText, u" "); b > 0)
        return pagetext::trim(quoteText.right(len - b));
    return {};
}

namespace {
QString currencyOf(const QuoteFigures& figures, const WatchEntry& entry)
{
    if (figures.currencyFromText)
        return currencyFromQuoteText(figures.quoteText);
    return figures.currency.value_or(entry.columns[ColCur]);
}
} // namespace

EvaluationResult evaluateQuote(const WatchEntry& entry, const QuoteFigures& figures,
                               const EvaluationOptions& options)
{
    EvaluationResult result = evaluateFigures(entry, figures, options);
    result.currency = currencyOf(figures, entry);
    result.entry.columns[ColCur] = result.currency;
    return result;
}

EvaluationResult evaluateQuoteBackground(const WatchEntry& entry, const QuoteFigures& figures,
                                         const EvaluationOptions& options)
{
    WatchEntry start = entry;
    for (int c = ColQuote; c <= ColCur; ++c)
        start.columns[c] = QStringLiteral("n/a");
    EvaluationResult result = evaluateFigures(start, figures, options);
    // The search layout's text carries the currency after "&nbsp;" and a bare
    // number has none; the blank rule alone would put the quote into Cur.
    result.currency = currencyOf(figures, entry);
    result.entry.columns[ColCur] = result.currency;
    return result;
}

WatchEntry withBuyingChange(WatchEntry entry)
{
    const auto quote = cur(entry.columns[ColQuote]);
    if (!quote || entry.columns[ColBuying].isEmpty())
        return entry;
    updateBuyingChange(entry, *quote);
    if (entry.columns[ColBChg].isEmpty())
        return entry;
    colourBuyingChange(entry, *quote);
    entry.icon = iconFor(cur(entry.columns[ColPct]), cur(entry.columns[ColBChg]), entry.icon);
    return entry;
}

WatchEntry makeStopEntry(const WatchEntry& evaluated, int position)
{
    WatchEntry stop;
    stop.columns[ColName] = evaluated.columns[ColName];
    stop.icon = evaluated.icon;
    for (int c = ColTicker; c <= ColCur; ++c)
        stop.columns[c] = evaluated.columns[c];
    for (int c = ColQuote; c <= ColBPct; ++c)
        stop.styles[c] = evaluated.styles[c];
    stop.checked = evaluated.checked;
    stop.sourcePosition = position;
    return stop;
}

} // namespace td
