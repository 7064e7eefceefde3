#include "quotes/quotereading.h"

#include "platform/browserpane.h"
#include "quotes/pagereader.h"
#include "shell/mainwindow.h"
#include "watchlist/watchlistmodel.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace td {

QuoteReading::QuoteReading(MainWindow& window) : QObject(&window), m_window(window)
{
    connect(window.panes().wbrStockContent, &BrowserPane::documentComplete, this,
            &QuoteReading::onQuotePageComplete);
    connect(window.panes().wbrQuoteAll, &BrowserPane::documentComplete, this,
            &QuoteReading::onBackgroundPageComplete);
}

void QuoteReading::onQuotePageComplete()
{
    MainState& state = m_window.state();
    BrowserPane& pane = *m_window.panes().wbrStockContent;
    if (!pane.tag().isEmpty() && state.bWantQuoteContent && !state.bFirstActivate) {
        // The page is not put on the clipboard: nothing reads it back there,
        // and a batch would overwrite whatever the user had copied.
        state.bSignalHandled = true;
        state.Text1 = pane.documentMarkup();
        state.sPageText = state.Text1;
        const QuotePageResult page = readQuotePage(state.Text1, state.bRetryByWKN && !state.bBatchLoad);
        state.sQuoteText = page.sQuoteText;
        state.selection.cSelQuote[0] = page.quote;
        state.sChangeText = page.sChangeText;
        state.selection.cSelDayPct[0] = page.dayPct;
        const quint64 entry = state.oCurrentEntry;
        if (!page.dropped) {
            writeCodes(entry, page.wkn, page.isin);
            if (page.evaluate)
                vEvaluateQuote(entry);
        }
    }
    pane.setTag(QString());
}

void QuoteReading::onBackgroundPageComplete()
{
    MainState& state = m_window.state();
    BrowserPane& pane = *m_window.panes().wbrQuoteAll;
    if (pane.tag().isEmpty() || state.bFirstActivate)
        return;
    state.Text2 = pane.documentMarkup();
    state.sPageText = state.Text2;
    const BackgroundPageResult page = readBackgroundPage(state.Text2);
    state.sBgQuoteText = page.sBgQuoteText;
    state.cBgQuote = page.cBgQuote;
    state.sBgChangeText = page.sBgChangeText;
    state.cBgDayPct = page.cBgDayPct;
    writeCodes(state.oBackgroundEntry, page.wkn, page.isin);
    pane.setTag(QString());
}

void QuoteReading::writeCodes(quint64 entryId, const std::optional<QString>& wkn,
                              const std::optional<QString>& isin)
{
    const int row = m_window.items().rowOfId(entryId);
    if (row < 0)
        return;
    if (wkn)
        m_window.items().setColumn(row, ColWkn, *wkn);
    if (isin)
        m_window.items().setColumn(row, ColIsin, *isin);
}

EvaluationOptions QuoteReading::options(bool batchRunning) const
{
    const MainWindowUi& ui = m_window.ui();
    EvaluationOptions o;
    o.quoteBold = ui.chkAktQuoteColorBold->isChecked();
    o.thresholdText = ui.txtMaxMinChange->text();
    o.markMinMaxChange = ui.chkMarkMinMaxChange->isChecked();
    o.batchRunning = batchRunning;
    return o;
}

void QuoteReading::vEvaluateQuote(quint64 entryId)
{
    const MainState& state = m_window.state();
    const int row = m_window.items().rowOfId(entryId);
    if (state.bFirstActivate || row < 0)
        return;
    const bool batch = m_window.ui().cmdCheckAllQuotes->text() == u"0";
    const QuoteFigures figures{state.selection.cSelQuote.value(0), state.selection.cSelDayPct.value(0),
                               state.sQuoteText};
    apply(entryId, evaluateQuote(m_window.items().entry(row), figures, options(batch)), batch);
}

void QuoteReading::vEvaluateQuoteBackground(quint64 entryId)
{
    const MainState& state = m_window.state();
    const int row = m_window.items().rowOfId(entryId);
    if (row < 0)
        return;
    const bool batch = m_window.ui().cmdCheckAllQuotesHintergrund->text() == u"0";
    const QuoteFigures figures{state.cBgQuote, state.cBgDayPct, state.sBgQuoteText};
    apply(entryId, evaluateQuoteBackground(m_window.items().entry(row), figures, options(batch)), batch);
}

void QuoteReading::apply(quint64 entryId, const EvaluationResult& result, bool batchRunning)
{
    WatchListModel& items = m_window.items();
    WatchListModel& stop = m_window.stopList();
    MainState& state = m_window.state();
    state.oStopCopy = 0;
    int row = items.rowOfId(entryId);
    items.replace(row, result.entry);
    m_window.letEventsRun();
    if (!result.alarm)
        return;
    bool listed = false;
    if (!batchRunning && stop.size() > 0) {
        for (const WatchEntry& e : stop.entries()) {
            if (e.name() == result.entry.name()) {
                listed = true;
                break;
            }
        }
    }
    m_window.letEventsRun();
    row = items.rowOfId(entryId);
    if (listed || row < 0)
        return;
    const int stopRow = stop.append(makeStopEntry(items.entry(row), row + 1));
    state.oStopCopy = stop.entry(stopRow).id;
    m_window.ui().tabData->setTabIcon(kStopTab, entryIconImage(EntryIcon::Stop));
}

} // namespace td
