#pragma once

#include "quotes/quoteanswer.h"
#include "watchlist/listedit.h"

#include <QObject>
#include <QPoint>

class QCheckBox;
class QLabel;
class QTabWidget;
class QTreeView;

namespace td {

class BatchCheck;
class BrowserPane;
class Dialogs;
class QuoteLoader;
class QuoteReading;
class QuoteSources;
class SettingsStore;
class SignalDisplay;
class WatchListModel;
struct Session;

// What the selection asks of the window that holds the list.
class SelectionHost
{
public:
    virtual bool mobileMode() const = 0;
    virtual bool nasdaqPaneOpen() const = 0;
    virtual void toggleNasdaqPane() = 0;
    // The chart area and the controls above it, hidden until an entry is shown.
    virtual void showChartArea() = 0;
    virtual void fillEditFields(const WatchEntry& entry) = 0;
    virtual void applyMoveButtonStates(const MoveButtonStates& states) = 0;

protected:
    ~SelectionHost() = default;
};

// What selecting an entry loads: the highlight and edit fields, the chart
// selection, the status pages and chart snippets, the trading signal and the
// quote page, in that order, waiting where the order needs it.
class SelectionFlow : public QObject
{
    Q_OBJECT
public:
    struct Controls
    {
        QTreeView* lstItems = nullptr;
        QCheckBox* chkEdit = nullptr;
        QCheckBox* chkLockTab = nullptr;
        QTabWidget* tabData = nullptr;
        QLabel* lblAktInfo = nullptr;
    };
    // The panes a selection shows its pages in.
    struct Panes
    {
        BrowserPane* wbrStockContent = nullptr;
        BrowserPane* wbrRealTimeQuote = nullptr;
        BrowserPane* wbrRealTimeChart = nullptr;
        BrowserPane* wbrRealTimeNASDAQ = nullptr;
        BrowserPane* wbrHistorie = nullptr;
        BrowserPane* wbrTechnicalChart = nullptr;
        BrowserPane* wbrHY = nullptr;
    };
    struct Context
    {
        WatchListModel& items;
        WatchListModel& stop;
        Panes panes;
        const SettingsStore& hosts;
        Dialogs& dialogs;
        Session& state;
        QuoteLoader& quotes;
        QuoteReading& reading;
        SignalDisplay& signal;
        const BatchCheck& batch;
        QuoteSources& sources;
    };

    SelectionFlow(const Controls& controls, const Context& context, SelectionHost& host, QObject* parent);

    // What the selection shares with the other subsystems.
    const Session& session() const { return m_ctx.state; }

public slots:
    // The window's first activation ran: from now on a selection loads pages.
    void activate() { m_active = true; }
    void vSelectItem(int iButton, QPoint position = {});
    // iIndex is the history span; the routine itself does not use it.
    void vShowMainChart(int iIndex);
    // A history span was chosen: the signal and the Nasdaq pane are fetched
    // again, the status pages and the quote page are not.
    void showHistorySpan(int choice);
    // The refresh of the shown entry (cmdRefresh, tmrRefresh, mnuRefresh).
    void refresh();

    // List events.
    void onListMouseUp(Qt::MouseButton button, QPoint position);
    void onListDoubleClick();
    void onStopMouseUp(Qt::MouseButton button);
    void onStopItemClick(int stopRow);

signals:
    // The entry menu, for the watch list ("LIST") or the stop list ("STOP").
    void entryMenuRequested(const QString& source);
    // A double click: the chart command for the entry now in the selection.
    void showChartRequested();

private:
    bool refuseDuringBatch(const QString& message);
    int currentRow() const;
    void setCurrentRow(int row);
    void showMainChart(bool historyChange);
    void updateNasdaqPane();
    void showStatusPagesAndSnippets();
    void showDataTabs();
    void loadTradingSignal();
    QString signalAddress(int row) const;
    void loadQuotePage();
    void readAnswer(const QuoteAnswer& answer);
    void showNoData(const QString& suffix);

    Controls m_ui;
    Context m_ctx;
    SelectionHost& m_host;
    bool m_active = false;
};

} // namespace td
