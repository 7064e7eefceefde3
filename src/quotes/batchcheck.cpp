#include "quotes/batchcheck.h"

#include "overview/progressbar.h"
#include "platform/browserpane.h"
#include "platform/panewait.h"
#include "quotes/quotereading.h"
#include "shell/busycursor.h"
#include "shell/mainwindow.h"
#include "sites/sitehosts.h"
#include "watchlist/watchlistmodel.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeView>

#include <cmath>

namespace td {

namespace {
const QString kIdle = QStringLiteral("!");
const QString kRunning = QStringLiteral("0");
constexpr std::uint32_t kProgressColour = 0xFFC0C0;
constexpr qint64 kFrameMs = 40;

int roundToEven(double value)
{
    return static_cast<int>(std::nearbyint(value));
}
} // namespace

BatchCheck::BatchCheck(MainWindow& window) : QObject(&window), m_window(window)
{
    MainWindowUi& ui = window.ui();
    m_tmrShowAllQuotes.setInterval(20000);
    connect(&m_tmrShowAllQuotes, &QTimer::timeout, this, [this] {
        m_window.quoteReading().vEvaluateQuoteBackground(m_window.state().oBackgroundEntry);
        m_tmrShowAllQuotes.stop();
    });
    connect(ui.cmdCheckAllQuotes, &QPushButton::clicked, this, &BatchCheck::vCheckAllQuotes);
    connect(ui.cmdCheckAllQuotesHintergrund, &QPushButton::clicked, this,
            &BatchCheck::vCheckAllQuotesBackground);
    connect(ui.cmdRefresh, &QPushButton::clicked, this,
            [this] { m_window.vShowMainChart(m_window.state().bytHistoryChoice); });
    connect(&m_window.tmrRefresh(), &QTimer::timeout, this,
            [this] { m_window.vShowMainChart(m_window.state().bytHistoryChoice); });
    connect(ui.chkAutoRefresh, &QCheckBox::toggled, this, &BatchCheck::setRefreshEnabled);
    connectIntervalBox(ui.txtRealTimeRefresh, [this](double ms) { setRefreshInterval(ms); });
    connectIntervalBox(ui.txt_ShowAllQuotesHintergrund, [this](double ms) {
        if (ms >= 0)
            m_tmrShowAllQuotes.setInterval(roundToEven(ms));
    });
    connectIntervalBox(ui.txtAutoReload,
                       [this](double ms) { m_window.state().autoReloadText = QString::number(ms, 'g', 15); });
}

void BatchCheck::connectIntervalBox(QLineEdit* box, const std::function<void(double)>& apply)
{
    connect(box, &QLineEdit::textChanged, this, [this, box, apply](const QString& text) {
        const double value = leadingNumber(text);
        if (value > kMaxIntervalMs) {
            m_window.platform().dialogs.message({MainWindow::kProgramName,
                                                 QStringLiteral("Nicht über 1 Minute (60.000 Millisekunden)"),
                                                 DialogButtons::Ok, DialogIcon::Warning});
            box->setText(QStringLiteral("60000"));
            return;
        }
        apply(value);
    });
}

void BatchCheck::setRefreshInterval(double ms)
{
    // A negative interval is not a time; keep the previous one.
    if (ms < 0)
        return;
    QTimer& timer = m_window.tmrRefresh();
    timer.setInterval(roundToEven(ms));
    setRefreshEnabled(m_window.ui().chkAutoRefresh->isChecked());
}

void BatchCheck::setRefreshEnabled(bool enabled)
{
    QTimer& timer = m_window.tmrRefresh();
    // An interval of 0 means no refresh at all, not a refresh on every pass
    // of the event loop.
    if (enabled && timer.interval() > 0)
        timer.start();
    else
        timer.stop();
}

void BatchCheck::setBatchControlsEnabled(bool enabled)
{
    MainWindowUi& ui = m_window.ui();
    for (QWidget* w :
         std::initializer_list<QWidget*>{ui.cmdSwitchTIC, ui.cmdInfo, ui.cmdOptions, ui.but_Exit})
        w->setEnabled(enabled);
    ui.lstStop->setVisible(enabled);
}

void BatchCheck::vCheckAllQuotes()
{
    MainWindowUi& ui = m_window.ui();
    MainState& state = m_window.state();
    WatchListModel& items = m_window.items();
    BrowserPane& pane = *m_window.panes().wbrStockContent;
    BusyCursor busy(Qt::BusyCursor);

    if (ui.cmdCheckAllQuotes->text() == kIdle) {
        ui.cmdCheckAllQuotes->setText(kRunning);
        m_window.stopList().clear();
        ui.tabData->setTabIcon(kStopTab, QIcon());
    } else {
        ui.cmdCheckAllQuotes->setText(kIdle);
        PaneWait::wakeAll();
    }
    m_window.tmrRefresh().stop();
    m_window.tmrTime().stop();
    setBatchControlsEnabled(false);
    state.selection.sSelName = {QString()};
    state.selection.sSelTicker = {QString()};
    state.selection.sSelPlace = {QString()};
    ui.progressFrame->show();
    m_window.letEventsRun();

    const auto cancelled = [&ui] {
        return ui.cmdCheckAllQuotes->text() != kRunning;
    };
    const int n = items.size();
    QElapsedTimer sinceShown;
    for (int i = 1; i <= n; ++i) {
        if (cancelled())
            break;
        if (i <= items.size()) {
            m_window.setCurrentRow(i - 1);
            const WatchEntry& entry = items.entry(i - 1);
            if (entry.checked) {
                // The list follows the batch at a frame rate a user can see;
                // following every fast page would only cost repaints.
                if (!sinceShown.isValid() || sinceShown.elapsed() >= kFrameMs || i == n) {
                    const QModelIndex index = items.index(i - 1, 0);
                    ui.lstItems->scrollTo(index);
                    ui.lstItems->setCurrentIndex(index);
                    sinceShown.start();
                }
                pane.setTag(QStringLiteral("Load"));
                // Every batch page is read, with the search layout it was
                // searched with.
                state.bWantQuoteContent = true;
                state.bBatchLoad = true;
                pane.navigate(quoteSearchAddress(m_window.platform().hosts,
                                                 entry.columns[ColTicker] + u'.' + entry.columns[ColPlace]));
                waitForPane(pane, cancelled);
            }
        }
        ui.picAllProgress->vDrawProgress(roundToEven(100.0 * i / n), kProgressColour, QString(), 100);
    }
    // A page still loading after a cancel belongs to an entry that is no
    // longer current; it must not be read into another one.
    if (!pane.tag().isEmpty())
        pane.setTag(QString());
    state.bBatchLoad = false;

    if (items.size() > 0) {
        m_window.setCurrentRow(0);
        ui.lstItems->scrollTo(items.index(0, 0));
    }
    ui.picAllProgress->vDrawProgress(0, kProgressColour, QString(), 100);
    ui.progressFrame->hide();
    setBatchControlsEnabled(true);
    ui.cmdCheckAllQuotes->setText(kIdle);
    if (m_window.stopList().size() > 0)
        ui.tabData->setCurrentIndex(kStopTab);
    setRefreshEnabled(ui.chkAutoRefresh->isChecked());
    m_window.tmrTime().start();
}

void BatchCheck::vCheckAllQuotesBackground()
{
    MainWindowUi& ui = m_window.ui();
    MainState& state = m_window.state();
    WatchListModel& items = m_window.items();
    BrowserPane& pane = *m_window.panes().wbrQuoteAll;
    QPushButton* button = ui.cmdCheckAllQuotesHintergrund;

    if (button->text() == kIdle) {
        button->setText(kRunning);
        m_window.stopList().clear();
        ui.tabData->setTabIcon(kStopTab, QIcon());
    } else {
        button->setText(kIdle);
        PaneWait::wakeAll();
        return;
    }
    const auto cancelled = [button] {
        return button->text() != kRunning;
    };
    for (int i = 0; i < items.size(); ++i) {
        state.oBackgroundEntry = items.entry(i).id;
        if (!items.entry(i).checked)
            continue;
        // After a cancel the remaining pages still load, but nothing waits
        // for them and nothing is evaluated.
        pane.setTag(QStringLiteral("Load"));
        pane.setSilent(true);
        pane.navigate(quoteSearchAddress(m_window.platform().hosts, items.entry(i).columns[ColTicker] + u'.' +
                                                                        items.entry(i).columns[ColPlace]));
        waitForPane(pane, cancelled);
        if (!cancelled()) {
            m_tmrShowAllQuotes.start();
            waitForEvaluationTimer();
        }
    }
    // A complete run returns its button to idle by itself.
    button->setText(kIdle);
}

void BatchCheck::waitForEvaluationTimer()
{
    if (!m_tmrShowAllQuotes.isActive())
        return;
    QEventLoop loop;
    connect(&m_tmrShowAllQuotes, &QTimer::timeout, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    connect(&PaneWait::instance(), &PaneWait::woken, &loop, [this, &loop] {
        if (!m_tmrShowAllQuotes.isActive())
            loop.quit();
    });
    m_backgroundWaiting = true;
    loop.exec();
    m_backgroundWaiting = false;
}

void BatchCheck::cancelAll()
{
    MainWindowUi& ui = m_window.ui();
    ui.cmdCheckAllQuotes->setText(kIdle);
    ui.cmdCheckAllQuotesHintergrund->setText(kIdle);
    m_tmrShowAllQuotes.stop();
    PaneWait::wakeAll();
}

} // namespace td
