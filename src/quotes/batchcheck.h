#pragma once

#include "quotes/quoteanswer.h"

#include "quotes/checkstop.h"

#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <optional>

class QFrame;
class QLineEdit;
class QPushButton;
class QCheckBox;
class QTabWidget;
class QTreeView;
class QWidget;

namespace td {

class Dialogs;
class PagePool;
class PaneFactory;
class ProgressBar;
class QuoteLoader;
class QuoteReading;
class QuoteSources;
class SettingsStore;
class WatchListModel;
struct Session;
struct WatchEntry;

// The batch check of every ticked entry, the background check and the
// refresh timers. The run buttons show each check's run state: "!" idle,
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
        QuoteSources& sources;
    };

    struct Quotes
    {
        QuoteLoader& foreground;
        QuoteLoader& background;
        QuoteReading& reading;
    };

    enum class RunState
    {
        Idle,
        Running,
        Cancelling
    };

    BatchCheck(const Controls& controls, Lists lists, Quotes quotes, Services services, Session& session,
               QObject* parent);

    // Lets the batch check load up to `pages` pages at once (1..8) on panes
    // of its own, made by `factory` when first needed; 1 keeps it sequential.
    void setPaneFactory(PaneFactory& factory);
    void setParallelPages(int pages);

    bool isRunning() const { return m_run == RunState::Running; }
    bool isBackgroundRunning() const { return m_backgroundRun == RunState::Running; }

    // What one pass of a check gave.
    struct PassResult
    {
        int ticked = 0;
        int unread = 0;
        int tooLarge = 0;            // pages over the read limit
        QStringList otherInstrument; // entries whose page showed another instrument
        QStringList sourceFailures;  // "Quelle 'name': what", each once
    };

    // "3 von 11 Kursen konnten nicht gelesen werden", with how many of them
    // were another instrument's page and " (Seite zu groß)" when pages were
    // over the read limit and what user-written sources failed at; empty
    // when all were read.
    static QString unreadSummary(const PassResult& pass);
    // The entries whose page showed another instrument, for the summary's tip.
    static QString otherInstrumentTip(const QStringList& names);

public slots:
    void vCheckAllQuotes();
    void vCheckAllQuotesBackground();
    // Ends every running check and its waits, for shutdown.
    void cancelAll();

signals:
    // A batch or background pass begins; passEnded follows when it ends or
    // is cancelled.
    void passStarted();
    void passEnded(const td::BatchCheck::PassResult& pass);
    // A pass gave up after `host` timed out again and again; after passEnded.
    void hostUnanswered(const QString& host);

private:
    void connectIntervalBox(QLineEdit* box, const std::function<void(double)>& apply);
    void setRefreshInterval(double ms);
    void setRefreshEnabled(bool enabled);
    void setBatchControlsEnabled(bool enabled);
    void clearStopList();
    void setRunState(RunState state);
    void setBackgroundRunState(RunState state);
    void showRunState(QPushButton* button, bool running);
    void onBatchAnswer(const QuoteAnswer& answer);
    void onBackgroundAnswer(const QuoteAnswer& answer);
    void waitForEvaluationTimer();
    QuoteRequest requestFor(const WatchEntry& entry, QuotePurpose purpose) const;
    // The batch's entries with pages loaded in parallel; stops early like the sequential loop.
    void checkInParallel(const std::function<bool()>& cancelled);
    // Scrolls the list to a ticked row at a frame rate a user can see.
    void followRow(int row, bool last);

    struct Pass
    {
        PassResult result;
        TimeoutStreak timeouts;
        bool gaveUp = false;
        // Counts one answer as the entry named took it.
        void count(const QuoteAnswer& answer, const QString& name);
    };
    QString nameOf(quint64 entryId) const;

    Controls m_ui;
    Lists m_lists;
    Quotes m_quotes;
    Services m_services;
    Session& m_session;
    RunState m_run = RunState::Idle;
    RunState m_backgroundRun = RunState::Idle;
    Pass m_pass;
    Pass m_backgroundPass;
    // tmrShowAllQuotes evaluates the background answer it carries when it fires.
    QTimer m_tmrShowAllQuotes;
    std::optional<QuoteAnswer> m_dueAnswer;
    QHash<QPushButton*, QString> m_idleToolTips;
    PagePool* m_pool = nullptr;
    int m_parallelPages = 1;
    QElapsedTimer m_sinceShown;
};

} // namespace td
