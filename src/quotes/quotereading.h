#pragma once

#include "quotes/evaluation.h"

#include <QObject>

namespace td {

class MainWindow;

// The completion handlers of the quote pane and the background pane: they
// read the page, write WKN and ISIN into the entry and hand the figures to
// the evaluation, which rewrites the entry's row and the stop list.
class QuoteReading : public QObject
{
    Q_OBJECT
public:
    explicit QuoteReading(MainWindow& window);

    void vEvaluateQuote(quint64 entryId);
    void vEvaluateQuoteBackground(quint64 entryId);

private:
    void onQuotePageComplete();
    void onBackgroundPageComplete();
    EvaluationOptions options(bool batchRunning) const;
    void apply(quint64 entryId, const EvaluationResult& result, bool batchRunning);
    void writeCodes(quint64 entryId, const std::optional<QString>& wkn, const std::optional<QString>& isin);

    MainWindow& m_window;
};

} // namespace td
