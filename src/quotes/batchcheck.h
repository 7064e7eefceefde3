#pragma once

#include <QList>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>

class QFrame;
class QLineEdit;
class QPushButton;
class QCheckBox;
class QTabWidget;
class QTreeView;
class QWidget;

namespace td {

class BrowserPane;
class Dialogs;
class ProgressBar;
class SettingsStore;
class WatchListModel;
struct MainState;
struct QuoteScratch;

// The batch check of every ticked entry, the background check and the
// refresh timers. The run buttons' captions are the run state: "!" idle,
// "0" running.
class BatchCheck : public QObject
{
    Q_OBJECT
public:
    struct Controls
    {
        QPushButton* cmdCheckAllQuotes = nullptr;
        QPushButton* cmdCheckAllQuotesHintergrund = nullptr;
        QCheckBox* chkAutoRefresh = nullptr;
        QLineEdit* txtRealTimeRefresh = nullptr;
        QLineEdit* txt_ShowAllQuotesHintergrund = nullptr;
        QLineEdit* txtAutoReload = nullptr;
        QTreeView* lstItems = nullptr;
        QTreeView* lstStop = nullptr;
        QTabWidget* tabData = nullptr;
        QFrame* progressFrame = nullptr;
        ProgressBar* picAllProgress = nullptr;
        // Disabled while a batch runs.
        QList<QWidget*> lockedWhileRunning;
    };
    struct Lists
    {
        WatchListModel& items;
        WatchListModel& stop;
    };
    struct Services
    {
        const SettingsStore& hosts;
        Dialogs& dialogs;
        QTimer& tmrRefresh;
        QTimer& tmrTime;
    };

    BatchCheck(const Controls& controls, Lists lists, BrowserPane& quotePane, BrowserPane& backgroundPane,
               Services services, MainState& state, QuoteScratch& scratch, QObject* parent);

    bool isRunning() const;
    bool isBackgroundRunning() const;

    // "3 von 11 Kursen konnten nicht gelesen werden", with how many of them
    // were the page of another instrument; empty when all were read.
    static QString unreadSummary(int unread, int ticked, int otherInstrument);
    // The entries whose page showed another instrument, for the summary's tip.
    static QString otherInstrumentTip(const QStringList& names);

public slots:
    void vCheckAllQuotes();
    void vCheckAllQuotesBackground();
    // Ends every running check and its waits, for shutdown.
    void cancelAll();

signals:
    // tmrShowAllQuotes fired for the entry the background pane read last.
    void backgroundEvaluationDue(quint64 entryId);
    // A pass ended; `unread` of the `ticked` entries it reached gave no quote,
    // among them the named entries whose page showed another instrument.
    void passEnded(int unread, int ticked, const QStringList& otherInstrument);

private:
    void connectIntervalBox(QLineEdit* box, const std::function<void(double)>& apply);
    void setRefreshInterval(double ms);
    void setRefreshEnabled(bool enabled);
    void setBatchControlsEnabled(bool enabled);
    void clearStopList();
    void waitForEvaluationTimer();

    Controls m_ui;
    Lists m_lists;
    BrowserPane& m_quotePane;
    BrowserPane& m_backgroundPane;
    Services m_services;
    MainState& m_state;
    QuoteScratch& m_scratch;
    QTimer m_tmrShowAllQuotes;
};

// An interval box's value: over one minute is refused.
inline constexpr double kMaxIntervalMs = 60000;

} // namespace td
