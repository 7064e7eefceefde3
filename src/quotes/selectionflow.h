#pragma once

#include <QObject>
#include <QPoint>

namespace td {

class MainWindow;

// What selecting an entry loads: the highlight and edit fields, the chart
// selection, the status pages and chart snippets, the trading signal and the
// quote page, in that order, waiting where the order needs it.
class SelectionFlow : public QObject
{
    Q_OBJECT
public:
    explicit SelectionFlow(MainWindow& window);

    void vSelectItem(int iButton, QPoint position = {});
    void vShowMainChart(int iIndex);

    // List events.
    void onListMouseUp(Qt::MouseButton button, QPoint position);
    void onListDoubleClick();
    void onStopMouseUp(Qt::MouseButton button);
    void onStopItemClick(int stopRow);

private:
    void showChartArea();
    void updateNasdaqPane();
    void showStatusPagesAndSnippets();
    void loadTradingSignal();
    void loadQuotePage();
    void showNoData(const QString& suffix);
    bool batchRunning() const;

    MainWindow& m_window;
};

} // namespace td
