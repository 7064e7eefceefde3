#include "quotes/batchcheck.h"

#include "overview/progressbar.h"
#include "platform/browserpane.h"
#include "platform/busycursor.h"
#include "platform/dialogs.h"
#include "platform/eventpump.h"
#include "platform/panewait.h"
#include "platform/programname.h"
#include "quotes/inorderrelease.h"
#include "quotes/intervalcheck.h"
#include "quotes/pagepool.h"
#include "quotes/quoteloader.h"
#include "quotes/quotereading.h"
#include "quotes/quotesources.h"
#include "session/quotesymbol.h"
#include "session/session.h"
#include "sites/sitehosts.h"
#include "watchlist/watchlistmodel.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeView>
#include <QUrl>

#include <algorithm>
#include <cmath>

namespace td {

namespace {
const QString kIdle = QStringLiteral("!");
const QString kRunning = QStringLiteral("0");
const QString kCancelBatch = QStringLiteral("Kursabfrage abbrechen");
const QString kCancelBackground = QStringLiteral("Kursabfrage im Hintergrund abbrechen");
constexpr std::uint32_t kProgressColour = 0xFFC0C0;
constexpr qint64 kFrameMs = 40;

int roundToEven(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

QString quoteSymbolOf(const WatchEntry& entry)
{
    return quoteSymbol(entry.columns[ColTicker], entry.columns[ColPlace]);
}
} // namespace

BatchCheck::BatchCheck(const Controls& controls, Lists lists, Quotes quotes, Services services,
                       Session& session, QObject* parent)
    : QObject(parent), m_ui(controls), m_lists(lists), m_quotes(quotes), m_services(services),
      m_session(session)
{
    m_tmrShowAllQuotes.setParent(this);
    m_tmrShowAllQuotes.setObjectName(QStringLiteral("tmrShowAllQuotes"));
    m_tmrShowAllQuotes.setInterval(20000);
    connect(&m_tmrShowAllQuotes, &QTimer::timeout, this, [this] {
        m_tmrShowAllQuotes.stop();
        if (const std::optional<QuoteAnswer> due = std::exchange(m_dueAnswer, std::nullopt))
            m_quotes.reading.vEvaluateQuoteBackground(*due, isBackgroundRunning());
    });
    for (QPushButton* run : {m_ui.cmdCheckAllQuotes, m_ui.cmdCheckAllQuotesHintergrund}) {
        m_idleToolTips.insert(run, run->toolTip());
        run->setAccessibleName(run->toolTip());
    }
    connect(m_ui.cmdCheckAllQuotes, &QPushButton::clicked, this, &BatchCheck::vCheckAllQuotes);
    connect(m_ui.cmdCheckAllQuotesHintergrund, &QPushButton::clicked, this,
            &BatchCheck::vCheckAllQuotesBackground);
    connect(m_ui.chkAutoRefresh, &QCheckBox::toggled, this, &BatchCheck::setRefreshEnabled);
    connectIntervalBox(m_ui.txtRealTimeRefresh, [this](double ms) { setRefreshInterval(ms); });
    connectIntervalBox(m_ui.txt_ShowAllQuotesHintergrund, [this](double ms) {
        if (ms >= 0)
            m_tmrShowAllQuotes.setInterval(roundToEven(ms));
    });
    // The preview windows read the reload box themselves; here it is only kept within bounds.
    connectIntervalBox(m_ui.txtAutoReload, [](double) {});
}

void BatchCheck::setPaneFactory(PaneFactory& factory)
{
    if (!m_pool)
        m_pool = new PagePool(factory, this);
}

void BatchCheck::setParallelPages(int pages)
{
    m_parallelPages = std::clamp(pages, 1, kMaxParallelPages);
}

void BatchCheck::setRunState(RunState state)
{
    m_run = state;
    showRunState(m_ui.cmdCheckAllQuotes, state == RunState::Running);
}

void BatchCheck::setBackgroundRunState(RunState state)
{
    m_backgroundRun = state;
    showRunState(m_ui.cmdCheckAllQuotesHintergrund, state == RunState::Running);
}

void BatchCheck::showRunState(QPushButton* button, bool running)
{
    button->setText(running ? kRunning : kIdle);
    // "0" alone does not tell that a press cancels.
    const QString tip = !running                           ? m_idleToolTips.value(button)
                        : button == m_ui.cmdCheckAllQuotes ? kCancelBatch
                                                           : kCancelBackground;
    button->setToolTip(tip);
    button->setAccessibleName(tip);
}

void BatchCheck::Pass::count(const QuoteAnswer& answer, const QString& name)
{
    ++result.ticked;
    if (!answer.read)
        ++result.unread;
    result.tooLarge += int(answer.errorCode == BrowserPane::kPageTooLarge);
    if (answer.otherInstrument)
        result.otherInstrument << name;
    else if (!answer.read && answer.request.source && !result.sourceFailures.contains(answer.why))
        result.sourceFailures << answer.why;
    gaveUp = timeouts.record(QUrl(answer.request.address).host(), answer.errorCode == BrowserPane::kTimedOut);
}

QString BatchCheck::nameOf(quint64 entryId) const
{
    const int row = m_lists.items.rowOfId(entryId);
    return row < 0 ? QString() : m_lists.items.entry(row).name();
}

QString BatchCheck::unreadSummary(const PassResult& pass)
{
    if (pass.unread <= 0)
        return {};
    QString summary =
        QStringLiteral("%1 von %2 Kursen konnten nicht gelesen werden").arg(pass.unread).arg(pass.ticked);
    if (!pass.otherInstrument.isEmpty())
        summary += QStringLiteral(", davon %1: anderes Wertpapier").arg(pass.otherInstrument.size());
    if (pass.tooLarge > 0)
        summary += QStringLiteral(" (Seite zu groß)");
    if (!pass.sourceFailures.isEmpty())
        summary += QStringLiteral(" (") + pass.sourceFailures.join(QStringLiteral("; ")) + u')';
    return summary;
}

QString BatchCheck::otherInstrumentTip(const QStringList& names)
{
    if (names.isEmpty())
        return {};
    return QStringLiteral("Anderes Wertpapier: ") + names.join(QStringLiteral(", "));
}

void BatchCheck::connectIntervalBox(QLineEdit* box, const std::function<void(double)>& apply)
{
    connect(box, &QLineEdit::textChanged, this, [this, box, apply](const QString& text) {
        const double value = leadingNumber(text);
        const IntervalCheck check = checkInterval(value);
        if (!check.accepted()) {
            m_services.dialogs.message({kProgramName, check.refusal, DialogButtons::Ok, DialogIcon::Warning});
            box->setText(check.replacement);
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
    m_services.tmrRefresh.setInterval(roundToEven(ms));
    setRefreshEnabled(m_ui.chkAutoRefresh->isChecked());
}

void BatchCheck::setRefreshEnabled(bool enabled)
{
    QTimer& timer = m_services.tmrRefresh;
    // An interval of 0 means no refresh at all, not a refresh on every pass
    // of the event loop.
    if (enabled && timer.interval() > 0)
        timer.start();
    else
        timer.stop();
}

void BatchCheck::setBatchControlsEnabled(bool enabled)
{
    for (QWidget* w : std::as_const(m_ui.lockedWhileRunning))
        w->setEnabled(enabled);
    m_ui.lstStop->setVisible(enabled);
}

void BatchCheck::clearStopList()
{
    m_lists.stop.clear();
    m_ui.tabData->setTabIcon(kStopTab, QIcon());
}

void BatchCheck::vCheckAllQuotes()
{
    WatchListModel& items = m_lists.items;
    BusyCursor busy(Qt::BusyCursor);

    if (m_run != RunState::Idle) {
        // The run in progress sees the cancel once its wait wakes, and ends itself.
        setRunState(RunState::Cancelling);
        PaneWait::wakeAll();
        return;
    }
    setRunState(RunState::Running);
    emit passStarted();
    clearStopList();
    m_pass = {};
    m_services.tmrRefresh.stop();
    m_services.tmrTime.stop();
    setBatchControlsEnabled(false);
    m_session.selection.sSelName = {QString()};
    m_session.selection.sSelTicker = {QString()};
    m_session.selection.sSelPlace = {QString()};
    m_ui.progressFrame->show();
    letEventsRun();

    const auto cancelled = [this] {
        return !isRunning();
    };
    const int n = items.size();
    m_sinceShown.invalidate();
    const bool parallel = m_pool && m_parallelPages > 1;
    if (parallel)
        checkInParallel(cancelled);
    for (int i = 1; i <= n && !parallel; ++i) {
        if (cancelled())
            break;
        if (i <= items.size()) {
            m_session.oCurrentEntry = items.idAt(i - 1);
            const WatchEntry& entry = items.entry(i - 1);
            if (entry.checked) {
                followRow(i - 1, i == n);
                m_quotes.foreground.load(requestFor(entry, QuotePurpose::Batch), this,
                                         [this](const QuoteAnswer& a) { onBatchAnswer(a); });
                waitForPane(m_quotes.foreground.pane(), cancelled);
                if (m_pass.gaveUp)
                    break;
            }
        }
        m_ui.picAllProgress->vDrawProgress(roundToEven(100.0 * i / n), kProgressColour, QString(), 100);
    }
    // A page still loading after a cancel is answered to nobody.
    m_quotes.foreground.cancel();
    if (m_pool)
        m_pool->abortAll();

    if (items.size() > 0) {
        m_session.oCurrentEntry = items.idAt(0);
        m_ui.lstItems->scrollTo(items.index(0, 0));
    }
    m_ui.picAllProgress->vDrawProgress(0, kProgressColour, QString(), 100);
    m_ui.progressFrame->hide();
    setBatchControlsEnabled(true);
    setRunState(RunState::Idle);
    if (m_lists.stop.size() > 0)
        m_ui.tabData->setCurrentIndex(kStopTab);
    setRefreshEnabled(m_ui.chkAutoRefresh->isChecked());
    m_services.tmrTime.start();
    emit passEnded(m_pass.result);
    if (m_pass.gaveUp)
        emit hostUnanswered(m_pass.timeouts.host());
}

QuoteRequest BatchCheck::requestFor(const WatchEntry& entry, QuotePurpose purpose) const
{
    // Every batch page is read, with the search layout it was searched with.
    return m_services.sources.request(entry, purpose,
                                      quoteSearchAddress(m_services.hosts, quoteSymbolOf(entry)));
}

void BatchCheck::followRow(int row, bool last)
{
    // The list follows the batch at a frame rate a user can see; following
    // every fast page would only cost repaints.
    if (m_sinceShown.isValid() && m_sinceShown.elapsed() < kFrameMs && !last)
        return;
    const QModelIndex index = m_lists.items.index(row, 0);
    m_ui.lstItems->scrollTo(index);
    m_ui.lstItems->setCurrentIndex(index);
    m_sinceShown.start();
}

void BatchCheck::checkInParallel(const std::function<bool()>& cancelled)
{
    WatchListModel& items = m_lists.items;
    const int n = items.size();
    // A change in the options counts from the next pass.
    const int pages = m_parallelPages;
    InOrderRelease<QuoteAnswer> release;
    QEventLoop loop;
    // Answers go to this pass only: once it returns, a late page is read into nothing.
    QObject pass;
    connect(&PaneWait::instance(), &PaneWait::woken, &loop, &QEventLoop::quit);
    connect(qApp, &QCoreApplication::aboutToQuit, &loop, &QEventLoop::quit);
    int launched = 0;
    const auto launch = [&] {
        while (launched < items.size() && m_pool->inFlight() < pages) {
            const int row = launched;
            const WatchEntry& entry = items.entry(row);
            if (entry.checked && !m_pool->load(requestFor(entry, QuotePurpose::Batch), pages, &pass,
                                               [&release, &loop, row](const QuoteAnswer& a) {
                                                   release.arrive(row, a);
                                                   loop.quit();
                                               }))
                break;
            if (entry.checked)
                release.await(row);
            ++launched;
        }
    };
    for (int i = 1; i <= n; ++i) {
        if (cancelled())
            break;
        if (i <= items.size()) {
            m_session.oCurrentEntry = items.idAt(i - 1);
            launch();
            if (release.awaits(i - 1)) {
                // An answer that came early waits for every row above it.
                std::optional<std::pair<int, QuoteAnswer>> due;
                while (!(due = release.take()) && !cancelled()) {
                    loop.exec();
                    launch();
                }
                if (!due)
                    break;
                followRow(i - 1, i == n);
                onBatchAnswer(due->second);
                if (m_pass.gaveUp)
                    break;
            }
        }
        m_ui.picAllProgress->vDrawProgress(roundToEven(100.0 * i / n), kProgressColour, QString(), 100);
    }
}

void BatchCheck::onBatchAnswer(const QuoteAnswer& answer)
{
    const QString name = nameOf(answer.request.entryId);
    m_pass.count(m_quotes.reading.vEvaluateQuote(answer, isRunning()), name);
}

void BatchCheck::onBackgroundAnswer(const QuoteAnswer& answer)
{
    const QuoteAnswer taken = m_quotes.reading.takeCodes(answer);
    m_backgroundPass.count(taken, nameOf(answer.request.entryId));
    m_dueAnswer = taken;
}

void BatchCheck::vCheckAllQuotesBackground()
{
    WatchListModel& items = m_lists.items;
    if (m_backgroundRun != RunState::Idle) {
        setBackgroundRunState(RunState::Cancelling);
        // A cancel also drops the evaluation still waiting for its timer.
        m_tmrShowAllQuotes.stop();
        m_dueAnswer.reset();
        PaneWait::wakeAll();
        return;
    }
    setBackgroundRunState(RunState::Running);
    emit passStarted();
    clearStopList();
    m_backgroundPass = {};
    const auto cancelled = [this] {
        return !isBackgroundRunning();
    };
    QuoteLoader& loader = m_quotes.background;
    for (int i = 0; i < items.size() && !cancelled(); ++i) {
        const WatchEntry& entry = items.entry(i);
        if (!entry.checked)
            continue;
        loader.pane().setSilent(true);
        loader.load(requestFor(entry, QuotePurpose::Background), this,
                    [this](const QuoteAnswer& a) { onBackgroundAnswer(a); });
        waitForPane(loader.pane(), cancelled);
        if (cancelled() || m_backgroundPass.gaveUp)
            break;
        m_tmrShowAllQuotes.start();
        waitForEvaluationTimer();
    }
    // After a cancel the page still in flight belongs to no entry any more.
    loader.cancel();
    // A complete run returns its button to idle by itself.
    setBackgroundRunState(RunState::Idle);
    emit passEnded(m_backgroundPass.result);
    if (m_backgroundPass.gaveUp)
        emit hostUnanswered(m_backgroundPass.timeouts.host());
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
    loop.exec();
}

void BatchCheck::cancelAll()
{
    if (m_run != RunState::Idle)
        setRunState(RunState::Cancelling);
    if (m_backgroundRun != RunState::Idle)
        setBackgroundRunState(RunState::Cancelling);
    m_tmrShowAllQuotes.stop();
    m_dueAnswer.reset();
    PaneWait::wakeAll();
}

} // namespace td
