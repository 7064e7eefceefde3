#include "quotes/quotereading.h"

#include "platform/browserpane.h"
#include "platform/eventpump.h"
#include "quotes/batchcheck.h"
#include "quotes/pagereader.h"
#include "quotes/quotescratch.h"
#include "shell/mainstate.h"
#include "watchlist/watchlistmodel.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTabWidget>

namespace td {

QuoteReading::QuoteReading(const Controls& controls, WatchListModel& items, WatchListModel& stop,
                           BrowserPane& quotePane, BrowserPane& backgroundPane, const BatchCheck& batch,
                           MainState& state, QuoteScratch& scratch, QObject* parent)
    : QObject(parent), m_ui(controls), m_items(items), m_stop(stop), m_quotePane(quotePane),
      m_backgroundPane(backgroundPane), m_batch(batch), m_state(state), m_scratch(scratch)
{
    connect(&quotePane, &BrowserPane::documentComplete, this, &QuoteReading::onQuotePageComplete);
    connect(&backgroundPane, &BrowserPane::documentComplete, this, &QuoteReading::onBackgroundPageComplete);
}

void QuoteReading::onQuotePageComplete()
{
    if (!m_quotePane.tag().isEmpty() && m_scratch.bWantQuoteContent && !m_state.bFirstActivate) {
        // The page is not put on the clipboard: nothing reads it back there,
        // and a batch would overwrite whatever the user had copied.
        m_scratch.bSignalHandled = true;
        m_scratch.Text1 = m_quotePane.documentMarkup();
        const QuotePageResult page =
            readQuotePage(m_scratch.Text1, m_scratch.bRetryByWKN && !m_scratch.bBatchLoad);
        const quint64 entry = m_state.oCurrentEntry;
        m_scratch.otherInstrument = isOtherInstrument(entry, {page.wkn, page.isin});
        if (!m_scratch.otherInstrument) {
            m_scratch.sQuoteText = page.sQuoteText;
            m_state.selection.cSelQuote[0] = page.quote;
            m_state.selection.cSelDayPct[0] = page.dayPct;
        }
        // Codes come only with a quote: a search result without one may be
        // any instrument's page.
        if (page.evaluate && !m_scratch.otherInstrument) {
            writeCodes(entry, page.wkn, page.isin);
            m_scratch.quoteEvaluated = true;
            vEvaluateQuote(entry);
        }
    }
    m_quotePane.setTag(QString());
}

void QuoteReading::onBackgroundPageComplete()
{
    if (m_backgroundPane.tag().isEmpty() || m_state.bFirstActivate)
        return;
    const BackgroundPageResult page = readBackgroundPage(m_backgroundPane.documentMarkup());
    m_scratch.sBgQuoteText = page.sBgQuoteText;
    m_scratch.cBgQuote = page.cBgQuote;
    m_scratch.cBgDayPct = page.cBgDayPct;
    m_scratch.bgOtherInstrument = isOtherInstrument(m_scratch.oBackgroundEntry, {page.wkn, page.isin});
    // A failed fetch or a page without a readable quote is no quote of 0.
    m_scratch.backgroundReadable = page.hasKursdaten && page.quoteRead && !m_scratch.bgOtherInstrument;
    if (m_scratch.backgroundReadable)
        writeCodes(m_scratch.oBackgroundEntry, page.wkn, page.isin);
    m_backgroundPane.setTag(QString());
}

bool QuoteReading::isOtherInstrument(quint64 entryId, const MasterData& page) const
{
    const int row = m_items.rowOfId(entryId);
    if (row < 0)
        return false;
    const WatchEntry& entry = m_items.entry(row);
    return showsOtherInstrument(entry.columns[ColWkn], entry.columns[ColIsin], page);
}

void QuoteReading::writeCodes(quint64 entryId, const std::optional<QString>& wkn,
                              const std::optional<QString>& isin)
{
    const int row = m_items.rowOfId(entryId);
    if (row < 0)
        return;
    if (wkn)
        m_items.setColumn(row, ColWkn, *wkn);
    if (isin)
        m_items.setColumn(row, ColIsin, *isin);
}

EvaluationOptions QuoteReading::options(bool batchRunning) const
{
    EvaluationOptions o;
    o.quoteBold = m_ui.chkAktQuoteColorBold->isChecked();
    o.thresholdText = m_ui.txtMaxMinChange->text();
    o.markMinMaxChange = m_ui.chkMarkMinMaxChange->isChecked();
    o.batchRunning = batchRunning;
    return o;
}

void QuoteReading::vEvaluateQuote(quint64 entryId)
{
    const int row = m_items.rowOfId(entryId);
    if (m_state.bFirstActivate || row < 0)
        return;
    const bool batch = m_batch.isRunning();
    const QuoteFigures figures{m_state.selection.cSelQuote.value(0), m_state.selection.cSelDayPct.value(0),
                               m_scratch.sQuoteText};
    apply(entryId, evaluateQuote(m_items.entry(row), figures, options(batch)), batch);
}

void QuoteReading::vEvaluateQuoteBackground(quint64 entryId)
{
    const int row = m_items.rowOfId(entryId);
    // An unreadable page changes nothing in the entry, as in the foreground.
    if (row < 0 || !m_scratch.backgroundReadable)
        return;
    const bool batch = m_batch.isBackgroundRunning();
    const QuoteFigures figures{m_scratch.cBgQuote, m_scratch.cBgDayPct, m_scratch.sBgQuoteText};
    apply(entryId, evaluateQuoteBackground(m_items.entry(row), figures, options(batch)), batch);
}

void QuoteReading::apply(quint64 entryId, const EvaluationResult& result, bool batchRunning)
{
    m_scratch.oStopCopy = 0;
    int row = m_items.rowOfId(entryId);
    m_items.replace(row, result.entry);
    letEventsRun();
    if (!result.alarm)
        return;
    bool listed = false;
    if (!batchRunning && m_stop.size() > 0) {
        for (const WatchEntry& e : m_stop.entries()) {
            if (e.name() == result.entry.name()) {
                listed = true;
                break;
            }
        }
    }
    letEventsRun();
    row = m_items.rowOfId(entryId);
    if (listed || row < 0)
        return;
    const int stopRow = m_stop.append(makeStopEntry(m_items.entry(row), row + 1));
    m_scratch.oStopCopy = m_stop.entry(stopRow).id;
    m_ui.tabData->setTabIcon(kStopTab, entryIconImage(EntryIcon::Stop));
}

} // namespace td
