#include "quotes/quotereading.h"

#include "platform/eventpump.h"
#include "platform/services.h"
#include "session/chartselection.h"
#include "watchlist/watchlistmodel.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTabWidget>

namespace td {

QuoteReading::QuoteReading(const Controls& controls, WatchListModel& items, WatchListModel& stop,
                           ChartSelection& selection, const Clock& clock, QObject* parent)
    : QObject(parent), m_ui(controls), m_items(items), m_stop(stop), m_selection(selection), m_clock(clock)
{
}

QuoteAnswer QuoteReading::fitted(const QuoteAnswer& answer) const
{
    const int row = m_items.rowOfId(answer.request.entryId);
    if (row < 0)
        return fittedToEntry(answer, QString(), QString());
    const WatchEntry& entry = m_items.entry(row);
    return fittedToEntry(answer, entry.columns[ColWkn], entry.columns[ColIsin]);
}

QuoteAnswer QuoteReading::vEvaluateQuote(const QuoteAnswer& page, bool batchRunning)
{
    QuoteAnswer answer = fitted(page);
    // The page is not put on the clipboard: nothing reads it back there,
    // and a batch would overwrite whatever the user had copied.
    if (!answer.otherInstrument) {
        m_selection.cSelQuote[0] = answer.figures.quote;
        m_selection.cSelDayPct[0] = answer.figures.dayPct;
    }
    writeCodes(answer);
    const int row = m_items.rowOfId(answer.request.entryId);
    m_items.noteQuoteRead(row, m_clock.now(), answer.read);
    if (!answer.read || row < 0) {
        answer.read = false;
        return answer;
    }
    apply(answer.request.entryId, evaluateQuote(m_items.entry(row), answer.figures, options(batchRunning)),
          batchRunning);
    return answer;
}

QuoteAnswer QuoteReading::takeCodes(const QuoteAnswer& page)
{
    const QuoteAnswer answer = fitted(page);
    writeCodes(answer);
    return answer;
}

void QuoteReading::writeCodes(const QuoteAnswer& answer)
{
    const int row = m_items.rowOfId(answer.request.entryId);
    if (row < 0)
        return;
    if (answer.wkn)
        m_items.setColumn(row, ColWkn, *answer.wkn);
    if (answer.isin)
        m_items.setColumn(row, ColIsin, *answer.isin);
}

void QuoteReading::vEvaluateQuoteBackground(const QuoteAnswer& answer, bool batchRunning)
{
    const int row = m_items.rowOfId(answer.request.entryId);
    m_items.noteQuoteRead(row, m_clock.now(), answer.read);
    // An unreadable page changes nothing in the entry, as in the foreground.
    if (row < 0 || !answer.read)
        return;
    apply(answer.request.entryId,
          evaluateQuoteBackground(m_items.entry(row), answer.figures, options(batchRunning)), batchRunning);
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

void QuoteReading::apply(quint64 entryId, const EvaluationResult& result, bool batchRunning)
{
    int row = m_items.rowOfId(entryId);
    m_items.replace(row, result.entry);
    emit evaluated(result, m_ui.txtMaxMinChange->text());
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
    m_stop.append(makeStopEntry(m_items.entry(row), row + 1));
    m_ui.tabData->setTabIcon(kStopTab, entryIconImage(EntryIcon::Stop));
}

} // namespace td
