#pragma once

#include "quotes/evaluation.h"
#include "quotes/quoteanswer.h"

#include <QObject>

class QCheckBox;
class QLineEdit;
class QTabWidget;

namespace td {

class Clock;
class WatchListModel;
struct ChartSelection;

// Reads answers into the list: WKN and ISIN into the entry that asked, the
// figures through the evaluation, which rewrites the entry's row and the
// stop list.
class QuoteReading : public QObject
{
    Q_OBJECT
public:
    struct Controls
    {
        QCheckBox* chkAktQuoteColorBold = nullptr;
        QLineEdit* txtMaxMinChange = nullptr;
        QCheckBox* chkMarkMinMaxChange = nullptr;
        QTabWidget* tabData = nullptr;
    };

    QuoteReading(const Controls& controls, WatchListModel& items, WatchListModel& stop,
                 ChartSelection& selection, const Clock& clock, QObject* parent);

    // A foreground page (selection, retry by WKN, batch): its figures become
    // the shown ones, and a read quote is evaluated. `batchRunning` is the
    // run state of the check that asked. Returns the answer as the entry took
    // it: read only when evaluated.
    QuoteAnswer vEvaluateQuote(const QuoteAnswer& answer, bool batchRunning);
    // The background page's codes go in at once; its figures wait for the
    // evaluation timer (vEvaluateQuoteBackground). Returns the answer as the
    // entry takes it.
    QuoteAnswer takeCodes(const QuoteAnswer& answer);
    void vEvaluateQuoteBackground(const QuoteAnswer& answer, bool batchRunning);

signals:
    // Every evaluation, batch, background or selection, with the threshold
    // it compared with; result.entry.id names the entry.
    void evaluated(const td::EvaluationResult& result, const QString& thresholdText);

private:
    QuoteAnswer fitted(const QuoteAnswer& answer) const;
    void writeCodes(const QuoteAnswer& answer);
    EvaluationOptions options(bool batchRunning) const;
    void apply(quint64 entryId, const EvaluationResult& result, bool batchRunning);

    Controls m_ui;
    WatchListModel& m_items;
    WatchListModel& m_stop;
    ChartSelection& m_selection;
    const Clock& m_clock;
};

} // namespace td
