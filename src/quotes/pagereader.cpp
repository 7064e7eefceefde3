#include "quotes/pagereader.h"

#include "quotes/pagetext.h"

#include <cmath>

namespace td {

using namespace pagetext;

// The bank's page layout is the contract: fixed markers and fixed offsets
// from them. A missing marker is found at 0 and its offsets still apply; only
// the resulting mid/left and conversion failures count.

namespace {

const QString kKursdaten = QStringLiteral(">Kursdaten<");

struct Figures
{
    QString quoteText;
    Amount quote;
    QString changeText;
    Amount dayPct;
    bool quoteRead = false;
};

// Search layout. s is the caller's working text: the background reading goes
// on with whatever the last successful step left in it.
void readSearchLayout(PageReader& r, const QString& page, qsizetype k, QString& s, Figures& f,
                      bool withFallbacks)
{
    r.set(s, mid(page, k, 1000));
    r.set(s, mid(s, find(s, u"Aktuell") + 18, 100));
    r.set(f.quoteText, left(s, find(s, u"</TD>") - 1));
    const std::optional<Amount> quote = cur(left(f.quoteText, find(f.quoteText, u"&nbsp;") - 1));
    r.set(f.quote, quote);
    f.quoteRead = quote.has_value();
    if (withFallbacks && r.errorPending()) {
        const std::optional<Amount> whole = cur(f.quoteText);
        r.set(f.quote, whole);
        f.quoteRead = f.quoteRead || whole.has_value();
        r.clearError();
    }

    r.set(s, mid(page, k, 1000));
    r.set(s, mid(s, find(s, u">Diff. Vortag<") + 25, 50));
    r.set(f.changeText, mid(s, find(s, u">") + 1, find(s, u"%") - find(s, u">") - 1));
    r.set(f.dayPct, cur(f.changeText));
    if (withFallbacks && r.errorPending())
        r.set(f.dayPct, cur(QStringLiteral("0,0000")));
}

// WKN layout; false when the quote cannot be read and the page is dropped.
bool readWknLayout(PageReader& r, const QString& page, qsizetype k, Figures& f)
{
    QString s;
    r.set(s, mid(page, k, 1000));
    r.set(s, mid(s, find(s, u"Geld") + 18, 130));
    r.set(f.quoteText, mid(s, find(s, u".gif") + 6, s.size() - findLast(s, u"</DIV>") - 14));
    r.set(f.quote, cur(trim(f.quoteText)));
    if (r.errorPending())
        return false;

    r.set(s, mid(page, find(page, u">Vortag<"), 60));
    const qsizetype a = find(s, u"alignRight>");
    r.set(f.changeText, mid(s, a + 11, findLast(s, u"</DIV>") - a - 15));
    Amount previous;
    r.set(previous, cur(trim(f.changeText)));
    r.set(f.dayPct, dayChangeFromPreviousClose(f.quote, previous));
    return true;
}

// The alternative layout of the background pane.
void readKeyElementLayout(PageReader& r, const QString& page, QString& s, Figures& f)
{
    const qsizetype e = find(page, u"keyelement_kurs_update");
    r.set(s, mid(page, e, 1000));
    r.set(s, mid(s, find(s, u"<B>") + 3, 100));
    r.set(f.quoteText, left(s, find(s, u"</B>") - 1));
    const std::optional<Amount> quote = cur(left(f.quoteText, find(f.quoteText, u" ") - 1));
    r.set(f.quote, quote);
    f.quoteRead = f.quoteRead || quote.has_value();

    r.set(s, mid(page, e, 1000));
    r.set(s, mid(s, find(s, u"<SPAN") + 15, 50));
    r.set(f.changeText, mid(s, find(s, u">") + 1, find(s, u"%") - find(s, u">") - 1));
    r.set(f.dayPct, cur(f.changeText));
}

// A candidate holding any of these is markup, not a code.
std::optional<QString> codeCandidate(const QString& s, qsizetype p, qsizetype n)
{
    const QString c = mid(s, p, n).value_or(QString());
    for (QChar m : {u'-', u'=', u'<', u'>', u'/'}) {
        if (c.contains(m))
            return std::nullopt;
    }
    if (c.isEmpty())
        return std::nullopt;
    return c;
}

std::optional<QString> codeAfter(const QString& s, QStringView marker, qsizetype first, qsizetype second,
                                 qsizetype n)
{
    const qsizetype at = find(s, marker);
    if (at == 0)
        return std::nullopt;
    if (auto c = codeCandidate(s, at + first, n))
        return c;
    return codeCandidate(s, at + second, n);
}

} // namespace

std::optional<Amount> dayChangeFromPreviousClose(Amount quote, Amount previous)
{
    if (previous.isZero())
        return std::nullopt;
    const auto difference = quote.minus(previous);
    if (!difference)
        return std::nullopt;
    const auto hundredfold = difference->times(Amount::fromInt(100));
    if (!hundredfold)
        return std::nullopt;
    const double percent = hundredfold->toDouble() / previous.toDouble();
    // Rounded on the scaled double so that 0.005 is a tie, not 0.0050 after a
    // first rounding to four decimals.
    return Amount::fromDouble(std::nearbyint(percent * 100.0) / 100.0);
}

MasterData readMasterData(const QString& page)
{
    MasterData data;
    const qsizetype at = find(page, u">Stammdaten");
    if (at == 0)
        return data;
    const QString s = mid(page, at, 2000).value_or(QString());
    data.wkn = codeAfter(s, u">WKN<", 15, 30, 6);
    data.isin = codeAfter(s, u">ISIN<", 33, 31, 12);
    return data;
}

bool showsOtherInstrument(const QString& entryWkn, const QString& entryIsin, const MasterData& page)
{
    const auto differs = [](const QString& held, const std::optional<QString>& shown) {
        const QString own = held.trimmed();
        return !own.isEmpty() && shown && own.compare(shown->trimmed(), Qt::CaseInsensitive) != 0;
    };
    return differs(entryWkn, page.wkn) || differs(entryIsin, page.isin);
}

QuotePageResult readQuotePage(const QString& page, bool retryByWkn)
{
    QuotePageResult result;
    PageReader r;
    Figures f;
    const qsizetype k = find(page, kKursdaten);
    result.hasKursdaten = k > 0;
    if (result.hasKursdaten) {
        if (retryByWkn) {
            result.dropped = !readWknLayout(r, page, k, f);
        } else {
            QString s;
            readSearchLayout(r, page, k, s, f, true);
        }
    }
    result.sQuoteText = f.quoteText;
    result.quote = f.quote;
    result.sChangeText = f.changeText;
    result.dayPct = f.dayPct;
    if (result.dropped)
        return result;

    const MasterData codes = readMasterData(page);
    result.wkn = codes.wkn;
    result.isin = codes.isin;
    // A quote that could not be read is no quote of 0: evaluating it would
    // show 0,00 and raise a false alarm of -100 % since buying.
    result.evaluate = !result.sQuoteText.isEmpty() && (retryByWkn || f.quoteRead);
    return result;
}

BackgroundPageResult readBackgroundPage(const QString& page)
{
    BackgroundPageResult result;
    PageReader r;
    Figures f;
    const qsizetype k = find(page, kKursdaten);
    result.hasKursdaten = k > 0;
    if (result.hasKursdaten) {
        QString s;
        readSearchLayout(r, page, k, s, f, false);
        if (r.errorPending())
            readKeyElementLayout(r, page, s, f);
    }
    result.sBgQuoteText = f.quoteText;
    result.cBgQuote = f.quote;
    result.sBgChangeText = f.changeText;
    result.cBgDayPct = f.dayPct;
    result.quoteRead = f.quoteRead;

    const MasterData codes = readMasterData(page);
    result.wkn = codes.wkn;
    result.isin = codes.isin;
    return result;
}

} // namespace td
