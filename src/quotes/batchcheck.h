#pragma once

#include <QHash>
#include <QList>
#include <QObject>
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

    // "3 von 11 Kursen konnten nicht gelesen werden", with " (Seite zu groß)"
    // when pages were over the read limit; empty when all were read.
    static QString unreadSummary(int unread, int ticked, int tooLarge = 0);

public slots:
    void vCheckAllQuotes();
    void vCheckAllQuotesBackground();
    // Ends every running check and its waits, for shutdown.
    void cancelAll();

signals:
    // tmrShowAllQuotes fired for the entry the background pane read last.
    void backgroundEvaluationDue(quint64 entryId);
    // A pass ended; `unread` of the `ticked` entries it reached gave no quote,
    // `tooLarge` of them because the page was over the read limit.
    void passEnded(int unread, int ticked, int tooLarge);
    // A pass gave up after `host` timed out again and again; after passEnded.
    void hostUnanswered(const QString& host);

private:
    void connectIntervalBox(QLineEdit* box, const std::function<void(double)>& apply);
    void setRefreshInterval(double ms);
    void setRefreshEnabled(bool enabled);
    void setBatchControlsEnabled(bool enabled);
    void setRunState(QPushButton* button, bool running);
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
    QHash<QPushButton*, QString> m_idleToolTips;
};

} // namespace td
