#include "quotes/batchcheck.h"

#include "overview/progressbar.h"
#include "platform/browserpane.h"
#include "platform/busycursor.h"
#include "platform/dialogs.h"
#include "platform/eventpump.h"
#include "platform/panewait.h"
#include "platform/programname.h"
#include "quotes/quotescratch.h"
#include "shell/mainstate.h"
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

QString quoteSymbolOf(const WatchEntry& entry)
{
    return entry.columns[ColTicker] + u'.' + entry.columns[ColPlace];
}
} // namespace

BatchCheck::BatchCheck(const Controls& controls, Lists lists, BrowserPane& quotePane,
                       BrowserPane& backgroundPane, Services services, MainState& state,
                       QuoteScratch& scratch, QObject* parent)
    : QObject(parent), m_ui(controls), m_lists(lists), m_quotePane(quotePane),
      m_backgroundPane(backgroundPane), m_services(services), m_state(state), m_scratch(scratch)
{
    m_tmrShowAllQuotes.setParent(this);
    m_tmrShowAllQuotes.setObjectName(QStringLiteral("tmrShowAllQuotes"));
    m_tmrShowAllQuotes.setInterval(20000);
    connect(&m_tmrShowAllQuotes, &QTimer::timeout, this, [this] {
        emit backgroundEvaluationDue(m_scratch.oBackgroundEntry);
        m_tmrShowAllQuotes.stop();
    });
    connect(m_ui.cmdCheckAllQuotes, &QPushButton::clicked, this, &BatchCheck::vCheckAllQuotes);
    connect(m_ui.cmdCheckAllQuotesHintergrund, &QPushButton::clicked, this,
            &BatchCheck::vCheckAllQuotesBackground);
    connect(m_ui.chkAutoRefresh, &QCheckBox::toggled, this, &BatchCheck::setRefreshEnabled);
    connectIntervalBox(m_ui.txtRealTimeRefresh, [this](double ms) { setRefreshInterval(ms); });
    connectIntervalBox(m_ui.txt_ShowAllQuotesHintergrund, [this](double ms) {
        if (ms >= 0)
            m_tmrShowAllQuotes.setInterval(roundToEven(ms));
    });
    connectIntervalBox(m_ui.txtAutoReload,
                       [this](double ms) { m_state.autoReloadText = QString::number(ms, 'g', 15); });
}

bool BatchCheck::isRunning() const
{
    return m_ui.cmdCheckAllQuotes->text() == kRunning;
}

bool BatchCheck::isBackgroundRunning() const
{
    return m_ui.cmdCheckAllQuotesHintergrund->text() == kRunning;
}

QString BatchCheck::unreadSummary(int unread, int ticked, int otherInstrument)
{
    if (unread <= 0)
        return {};
    QString summary = QStringLiteral("%1 von %2 Kursen konnten nicht gelesen werden").arg(unread).arg(ticked);
    if (otherInstrument > 0)
        summary += QStringLiteral(", davon %1: anderes Wertpapier").arg(otherInstrument);
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
        if (value > kMaxIntervalMs) {
            m_services.dialogs.message({kProgramName,
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

    if (!isRunning()) {
        m_ui.cmdCheckAllQuotes->setText(kRunning);
        clearStopList();
    } else {
        m_ui.cmdCheckAllQuotes->setText(kIdle);
        PaneWait::wakeAll();
    }
    m_services.tmrRefresh.stop();
    m_services.tmrTime.stop();
    setBatchControlsEnabled(false);
    m_state.selection.sSelName = {QString()};
    m_state.selection.sSelTicker = {QString()};
    m_state.selection.sSelPlace = {QString()};
    m_ui.progressFrame->show();
    letEventsRun();

    const auto cancelled = [this] {
        return !isRunning();
    };
    const int n = items.size();
    int ticked = 0;
    int unread = 0;
    QStringList otherInstrument;
    QElapsedTimer sinceShown;
    for (int i = 1; i <= n; ++i) {
        if (cancelled())
            break;
        if (i <= items.size()) {
            m_state.oCurrentEntry = items.idAt(i - 1);
            const WatchEntry& entry = items.entry(i - 1);
            if (entry.checked) {
                // The list follows the batch at a frame rate a user can see;
                // following every fast page would only cost repaints.
                if (!sinceShown.isValid() || sinceShown.elapsed() >= kFrameMs || i == n) {
                    const QModelIndex index = items.index(i - 1, 0);
                    m_ui.lstItems->scrollTo(index);
                    m_ui.lstItems->setCurrentIndex(index);
                    sinceShown.start();
                }
                m_quotePane.setTag(QStringLiteral("Load"));
                // Every batch page is read, with the search layout it was
                // searched with.
                m_scratch.bWantQuoteContent = true;
                m_scratch.bBatchLoad = true;
                m_scratch.quoteEvaluated = false;
                m_scratch.otherInstrument = false;
                const QString name = entry.name();
                m_quotePane.navigate(quoteSearchAddress(m_services.hosts, quoteSymbolOf(entry)));
                waitForPane(m_quotePane, cancelled);
                if (!cancelled()) {
                    ++ticked;
                    if (!m_scratch.quoteEvaluated)
                        ++unread;
                    if (m_scratch.otherInstrument)
                        otherInstrument << name;
                }
            }
        }
        m_ui.picAllProgress->vDrawProgress(roundToEven(100.0 * i / n), kProgressColour, QString(), 100);
    }
    // A page still loading after a cancel belongs to an entry that is no
    // longer current; it must not be read into another one.
    if (!m_quotePane.tag().isEmpty())
        m_quotePane.setTag(QString());
    m_scratch.bBatchLoad = false;

    if (items.size() > 0) {
        m_state.oCurrentEntry = items.idAt(0);
        m_ui.lstItems->scrollTo(items.index(0, 0));
    }
    m_ui.picAllProgress->vDrawProgress(0, kProgressColour, QString(), 100);
    m_ui.progressFrame->hide();
    setBatchControlsEnabled(true);
    m_ui.cmdCheckAllQuotes->setText(kIdle);
    if (m_lists.stop.size() > 0)
        m_ui.tabData->setCurrentIndex(kStopTab);
    setRefreshEnabled(m_ui.chkAutoRefresh->isChecked());
    m_services.tmrTime.start();
    emit passEnded(unread, ticked, otherInstrument);
}

void BatchCheck::vCheckAllQuotesBackground()
{
    WatchListModel& items = m_lists.items;
    QPushButton* button = m_ui.cmdCheckAllQuotesHintergrund;

    if (!isBackgroundRunning()) {
        button->setText(kRunning);
        clearStopList();
    } else {
        button->setText(kIdle);
        // A cancel also drops the evaluation still waiting for its timer.
        m_tmrShowAllQuotes.stop();
        PaneWait::wakeAll();
        return;
    }
    const auto cancelled = [this] {
        return !isBackgroundRunning();
    };
    int ticked = 0;
    int unread = 0;
    QStringList otherInstrument;
    for (int i = 0; i < items.size() && !cancelled(); ++i) {
        m_scratch.oBackgroundEntry = items.entry(i).id;
        if (!items.entry(i).checked)
            continue;
        m_backgroundPane.setTag(QStringLiteral("Load"));
        m_backgroundPane.setSilent(true);
        m_scratch.backgroundReadable = false;
        m_scratch.bgOtherInstrument = false;
        const QString name = items.entry(i).name();
        m_backgroundPane.navigate(quoteSearchAddress(m_services.hosts, quoteSymbolOf(items.entry(i))));
        waitForPane(m_backgroundPane, cancelled);
        if (cancelled())
            break;
        ++ticked;
        if (!m_scratch.backgroundReadable)
            ++unread;
        if (m_scratch.bgOtherInstrument)
            otherInstrument << name;
        m_tmrShowAllQuotes.start();
        waitForEvaluationTimer();
    }
    // After a cancel the page still in flight belongs to no entry any more:
    // with its tag gone, its completion reads nothing into the list.
    if (!m_backgroundPane.tag().isEmpty())
        m_backgroundPane.setTag(QString());
    // A complete run returns its button to idle by itself.
    button->setText(kIdle);
    emit passEnded(unread, ticked, otherInstrument);
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
    m_ui.cmdCheckAllQuotes->setText(kIdle);
    m_ui.cmdCheckAllQuotesHintergrund->setText(kIdle);
    m_tmrShowAllQuotes.stop();
    PaneWait::wakeAll();
}

} // namespace td
