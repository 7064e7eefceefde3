#pragma once

#include "quotes/evaluation.h"

#include <QObject>

class QCheckBox;
class QLineEdit;
class QTabWidget;

namespace td {

class BatchCheck;
class BrowserPane;
class WatchListModel;
struct MainState;
struct MasterData;
struct QuoteScratch;

// The completion handlers of the quote pane and the background pane: they
// read the page, write WKN and ISIN into the entry and hand the figures to
// the evaluation, which rewrites the entry's row and the stop list.
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
                 BrowserPane& quotePane, BrowserPane& backgroundPane, const BatchCheck& batch,
                 MainState& state, QuoteScratch& scratch, QObject* parent);

public slots:
    void vEvaluateQuote(quint64 entryId);
    void vEvaluateQuoteBackground(quint64 entryId);

private:
    void onQuotePageComplete();
    void onBackgroundPageComplete();
    EvaluationOptions options(bool batchRunning) const;
    void apply(quint64 entryId, const EvaluationResult& result, bool batchRunning);
    bool isOtherInstrument(quint64 entryId, const MasterData& page) const;
    void writeCodes(quint64 entryId, const std::optional<QString>& wkn, const std::optional<QString>& isin);

    Controls m_ui;
    WatchListModel& m_items;
    WatchListModel& m_stop;
    BrowserPane& m_quotePane;
    BrowserPane& m_backgroundPane;
    const BatchCheck& m_batch;
    MainState& m_state;
    QuoteScratch& m_scratch;
};

} // namespace td
