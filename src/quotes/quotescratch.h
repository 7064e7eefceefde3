#pragma once

#include "platform/amount.h"

#include <QString>

namespace td {

// What the quote classes hand each other between a load and its completion.
// Nothing outside src/quotes reads it.
struct QuoteScratch
{
    bool bWantQuoteContent = false;
    bool bRetryByWKN = false;
    bool bSignalHandled = false;
    // The quote pane's current load is a batch load: read with the search
    // layout whatever the last selection's retry left selected.
    bool bBatchLoad = false;
    QString Text1; // markup of the last quote page
    QString sQuoteText;
    // The last quote page gave a quote that was evaluated.
    bool quoteEvaluated = false;
    // The last quote page, or the background pane's, showed another instrument.
    bool otherInstrument = false;
    bool bgOtherInstrument = false;

    // The background pane's last page.
    QString sBgQuoteText;
    Amount cBgQuote;
    Amount cBgDayPct;
    bool backgroundReadable = false;
    quint64 oBackgroundEntry = 0; // entry id
    quint64 oStopCopy = 0;        // stop-list copy of the last evaluation
};

} // namespace td
