#include "overview/previewwindow.h"

#include "overview/overviewcommands.h"
#include "overview/previewaddresses.h"
#include "overview/previewhost.h"
#include "platform/browserpane.h"
#include "platform/busycursor.h"
#include "platform/eventpump.h"
#include "platform/panefactory.h"
#include "platform/panewait.h"
#include "platform/settingsstore.h"
#include "platform/twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>

namespace td {

namespace {

int nextWindowId()
{
    static int id = 0;
    return ++id;
}

QRect twipsToRect(const TwipsRect& r)
{
    return {twipsToPx(r.left), twipsToPx(r.top), twipsToPx(r.width), twipsToPx(r.height)};
}

} // namespace

PreviewWindow::PreviewWindow(PreviewSetup setup, PreviewServices services, PreviewHost& host, QWidget* parent)
    : QWidget(parent, Qt::Window), m_setup(std::move(setup)), m_services(services), m_host(host),
      m_kind(m_setup.kind), m_indexWindow(m_kind == kIndicesSmallWindow), m_windowId(nextWindowId())
{
    setObjectName(QStringLiteral("frm_HTMPreview"));
    if (m_indexWindow)
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    buildUi();

    // Load: the entries are the window's own from here on.
    bActivatePending = true;
    m_entries = previewEntries(m_setup.selection);
    // Children by name, so tests find them; members, so they die with the window.
    tmrRefresh.setParent(this);
    tmrRefreshSmall.setParent(this);
    tmrRefresh.setObjectName(QStringLiteral("tmrRefresh"));
    tmrRefresh.setInterval(kFirstRefreshMs);
    tmrRefreshSmall.setObjectName(QStringLiteral("tmrRefreshSmall"));
    tmrRefreshSmall.setInterval(kIndexRefreshMs);
    connect(&tmrRefresh, &QTimer::timeout, this, &PreviewWindow::onReloadTick);
    connect(&tmrRefreshSmall, &QTimer::timeout, this, [this] {
        m_webBrowser1->refresh();
        m_webBrowser1->refresh2();
    });
    if (reloadTimerRuns(m_host.autoReloadText()))
        tmrRefresh.start();
}

PreviewWindow::~PreviewWindow() = default;

void PreviewWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_activated)
        return;
    m_activated = true;
    // Activation runs from the event loop, after the window is up.
    QMetaObject::invokeMethod(this, &PreviewWindow::firstActivation, Qt::QueuedConnection);
}

void PreviewWindow::firstActivation()
{
    if (m_closed)
        return;
    const LoadBoxes boxes = readLoadBoxes(m_services.settings);
    for (int k = 0; k < kTabCount; ++k) {
        Tab& tab = m_tabs[k];
        if (tab.pane)
            tab.pane->navigate(QStringLiteral("about:blank"));
        tab.loaded = false;
        tab.address.clear();
        tab.chkLoad->setChecked(boxes[k]);
    }
    restoreGeometry();
    if (m_indexWindow) {
        showSiteControls(false, false, false);
        m_services.settings.write(kShowIndexWindowKey, QStringLiteral("1"));
        tmrRefreshSmall.start();
    }
    if (const int tab = tabOfKind(m_kind); tab >= 0)
        selectTab(tab);
    if (cboStocks->count() == 0)
        fillChooser(false);
    bActivatePending = false;
    v_mRefreshView();
}

void PreviewWindow::restoreGeometry()
{
    const QRect stored = twipsToRect(readPreviewGeometry(m_services.settings, m_indexWindow));
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens << screen->availableGeometry();
    const QRect placed = placedOnScreen(stored, screens);
    move(placed.topLeft());
    resize(placed.size());
}

void PreviewWindow::showSiteControls(bool tabs, bool chooser, bool address)
{
    tabSites->setVisible(tabs);
    cboStocks->setVisible(chooser);
    chkNAS->setVisible(chooser);
    txtURL->setVisible(address);
    cmdURLRefresh->setVisible(address);
    topRow->setVisible(chooser || address);
    m_webBrowser1->setVisible(!tabs);
}

void PreviewWindow::v_mRefreshView()
{
    BusyCursor busy;
    v_mUpdateWindowEntry();
    m_currentKey = m_kind;
    const QString key = m_currentKey;
    m_webBrowser1->navigate(QStringLiteral("about:blank"));
    if (!isOverviewPageKind(key)) {
        showSiteControls(true, true, true);
        runSiteRequest(key);
        if (m_closed)
            return;
    }
    if (key == kIndicesSmallWindow) {
        setWindowTitle(key);
        placeIndexPane();
        m_webBrowser1->navigate(indexSnippetAddress(m_services.hosts));
    } else if (key == kChartOverview || key == kBenchmark) {
        showOverviewPage(key == kBenchmark);
    } else if (key == kFinanceVisualization) {
        showFinanceVisualization();
    }
    if (m_closed)
        return;
    if (!m_registered && !m_indexWindow) {
        m_registered = true;
        m_host.addWindowEntry(m_windowId, windowTitle());
    }
    emit viewBuilt();
}

void PreviewWindow::v_mUpdateWindowEntry()
{
    const QString caption = windowEntryCaption(m_entries.value(0), m_kind, QDateTime::currentDateTime());
    setWindowTitle(caption);
    m_host.updateWindowEntry(m_windowId, caption);
}

void PreviewWindow::showOverviewPage(bool writeBenchmark)
{
    showSiteControls(false, false, false);
    setWindowTitle(viewCaption(m_kind, QDateTime::currentDateTime()));
    const QString file = writeBenchmark ? kBenchmarkFile : kChartsFile;
    const QStringList writes =
        writeBenchmark
            ? benchmarkWrites(m_setup.htmlFrame, m_setup.selection, m_setup.overview, m_services.hosts)
            : chartOverviewWrites(m_setup.htmlFrame, m_setup.selection, m_setup.overview, m_services.hosts);
    // A page that cannot be written shows what the pane finds at the path.
    writeOverviewPage(m_setup.programDir, file, writes);
    v_mShowPage(file);
}

void PreviewWindow::showFinanceVisualization()
{
    showSiteControls(false, false, true);
    setWindowTitle(viewCaption(m_kind, QDateTime::currentDateTime()));
    m_webBrowser1->setSilent(true);
    m_webBrowser1->setTag(QStringLiteral("Load"));
    m_webBrowser1->navigate(finvizScreenerAddress(m_services.hosts, joinedTickers(m_entries)));
    waitForTag(*m_webBrowser1);
}

void PreviewWindow::v_mShowPage(QString sFile)
{
    BusyCursor busy(Qt::BusyCursor);
    m_webBrowser1->setSilent(true);
    m_webBrowser1->setTag(QStringLiteral("Load"));
    m_webBrowser1->navigate(pageFilePath(m_setup.programDir, sFile));
    if (!waitForTag(*m_webBrowser1))
        return;
    // The file is rewritten under the same name: never show a cached copy.
    m_webBrowser1->refresh();
    m_webBrowser1->refresh2();
}

bool PreviewWindow::waitForTag(BrowserPane& pane)
{
    bool timedOut = false;
    QTimer timeout;
    timeout.setSingleShot(true);
    connect(&timeout, &QTimer::timeout, this, [&timedOut] {
        timedOut = true;
        PaneWait::wakeAll();
    });
    timeout.start(m_setup.pageTimeoutMs);
    ++m_waitDepth;
    waitForPane(pane, [this, &timedOut] { return m_closed || timedOut; });
    --m_waitDepth;
    if (m_closed && m_waitDepth == 0 && !m_deleting) {
        m_deleting = true;
        deleteLater();
    }
    return !m_closed;
}

void PreviewWindow::onReloadTick()
{
    BusyCursor busy;
    // The main window's text as it is now, not as it was when this opened.
    const int interval = reloadIntervalMs(m_host.autoReloadText());
    if (interval <= 0) {
        tmrRefresh.stop();
        return;
    }
    tmrRefresh.setInterval(interval);
    m_webBrowser1->refresh();
    m_webBrowser1->refresh2();
    setWindowTitle(reloadCaption(m_entries.value(0), m_kind, QDateTime::currentDateTime()));
}

void PreviewWindow::rollUp()
{
    const RollStep step = rollStep(Label4->property("tag").toString());
    m_webBrowser1->setVisible(step.paneVisible);
    resize(width(), twipsToPx(step.heightTwips));
    Label4->setProperty("tag", step.tag);
    if (step.refreshSmall)
        tmrRefreshSmall.start();
    else
        tmrRefreshSmall.stop();
}

// The snippet page's chart sits in from its left edge and runs past the
// window: the pane starts left of the window and is larger than it, so only
// the chart shows.
void PreviewWindow::placeIndexPane()
{
    const QRect pane = twipsToRect(kIndexPaneTwips);
    m_webBrowser1->widget()->setGeometry(pane.x(), pane.y(), std::max(pane.width(), width() - pane.x()),
                                         std::max(pane.height(), height() - pane.y()));
}

void PreviewWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_indexWindow)
        placeIndexPane();
}

bool PreviewWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Read only after the type says it is a mouse event.
    const auto* mouse = dynamic_cast<const QMouseEvent*>(event);
    if (watched == Label4) {
        if (event->type() == QEvent::MouseButtonDblClick) {
            rollUp();
            return true;
        }
        if (event->type() == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
            if (windowHandle())
                windowHandle()->startSystemMove();
            return true;
        }
    } else if (watched == img_systemhide && event->type() == QEvent::MouseButtonRelease) {
        rollUp();
        return true;
    } else if (watched == img_systemclose && event->type() == QEvent::MouseButtonRelease &&
               mouse->button() == Qt::LeftButton) {
        m_services.settings.write(kShowIndexWindowKey, QStringLiteral("0"));
        close();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void PreviewWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (m_closed)
        return;
    unload();
    m_closed = true;
    tmrRefresh.stop();
    tmrRefreshSmall.stop();
    // Waits still running end now; the last one deletes the window.
    PaneWait::wakeAll();
    if (m_waitDepth == 0 && !m_deleting) {
        m_deleting = true;
        deleteLater();
    }
}

void PreviewWindow::unload()
{
    if (!m_indexWindow) {
        if (!(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))) {
            writePreviewGeometry(m_services.settings, false,
                                 {pxToTwips(x()), pxToTwips(y()), pxToTwips(width()), pxToTwips(height())});
        }
        LoadBoxes boxes{};
        for (int k = 0; k < kTabCount; ++k)
            boxes[k] = m_tabs[k].chkLoad->isChecked();
        writeLoadBoxes(m_services.settings, boxes);
    } else {
        writePreviewGeometry(m_services.settings, true, {pxToTwips(x()), pxToTwips(y()), 0, 0});
    }
    if (m_host.removeWindowEntry(m_windowId) == 0)
        m_host.restoreMobileOption();
}

} // namespace td
