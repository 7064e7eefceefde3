// Start-up, first activation, window-level behaviour and shutdown.
#include "platform/busycursor.h"
#include "platform/eventpump.h"
#include "platform/twips.h"
#include "quotes/batchcheck.h"
#include "shell/mainwindow.h"
#include "watchlist/watchlistmodel.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeView>
#include <QWindow>

namespace td {

namespace {
constexpr int kWidthTwips = 15260;

} // namespace

MainWindow::MainWindow(PlatformContext& platform, QWidget* parent) : QWidget(parent), m_platform(platform)
{
    // Children by name, so tests find them; members, so they die with the window.
    for (QTimer* timer : {&m_tmrTime, &m_tmrRefresh})
        timer->setParent(this);
    m_tmrTime.setObjectName(QStringLiteral("tmrTime"));
    m_tmrRefresh.setObjectName(QStringLiteral("tmrRefresh"));
    // Before the subsystems, which are built with them.
    m_state.startTime = m_platform.clock.now();
    m_state.sProgramVersion =
        programVersionText(TICKERDECK_VERSION_MAJOR, TICKERDECK_VERSION_MINOR, TICKERDECK_VERSION_PATCH);
    buildUi();
    createPanes();
    createSideWindows();
    connectShell();
    connectListFile();
    connectSelection();
    createSitesSubsystem();
    createUpdateSubsystem();
    connectShortcuts();
    nameControls();
    makeReadable();
    connectOverview();
    startUp();
}

MainWindow::~MainWindow()
{
    // The focus moves while the widget dies; the editing form's focus
    // handler must not run on members already gone.
    disconnect(qApp, nullptr, this, nullptr);
    closePreviewWindows();
}

void MainWindow::startUp()
{
    BusyCursor busy;
    m_state.bFirstActivate = true;
    m_loadOnActivate = false;
    m_state.infoDisplayLimit = 30;
    m_state.htmlFrame = buildHtmlFrame(m_platform.hosts, m_state.startTime);
    m_session.selection.reset();

    m_ui.cmdSearch->move(-1000, m_ui.cmdSearch->y());
    m_ui.cmdSearch->hide();
    m_session.iLastIndex = 0;
    setFixedWidth(twipsToPx(kWidthTwips));
    setMinimumHeight(twipsToPx(kMinHeightTwips));
    resize(twipsToPx(kWidthTwips), twipsToPx(kMinHeightTwips));
    updateTitle();
    m_ui.lblHeadMove->setText(kProgramName + u' ' + m_state.sProgramVersion);

    m_ui.cboHis->addItems({QStringLiteral("1 m."), QStringLiteral("3 m."), QStringLiteral("6 m."),
                           QStringLiteral("12 m."), QStringLiteral("24 m."), QStringLiteral("36 m.")});
    applyOptions(readMainOptions(m_platform.settings));
    fillBenefits();
    const QString tag = m_ui.chkAutoCheck->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    for (QPushButton* b : m_ui.cmdSelectAll)
        b->setProperty("tag", tag);
    vScanTicFolder();
    blankPanes();
    placeExtendedPane();
    letEventsRun();

    if (m_listDocument->path().isEmpty()) {
        if (QFileInfo(defaultTickerFile()).isFile()) {
            m_listDocument->setPath(defaultTickerFile());
            m_loadOnActivate = true;
        }
    } else {
        m_loadOnActivate = true;
    }
    applyListBackground(m_ui.txtLstItemsBackcolor->text());

    m_ui.tabData->hide();
    m_ui.cmdRefresh->hide();
    m_ui.cboHis->hide();
    m_ui.chkLockTab->hide();
    m_listDocument->setChanged(false);
}

void MainWindow::connectShell()
{
    m_tmrTime.setInterval(5000);
    connect(&m_tmrTime, &QTimer::timeout, this, [this] {
        updateTitle();
        hideLabelInfoFrame();
    });
    m_tmrTime.start();
    connect(m_ui.cmdOptions, &QPushButton::clicked, this, &MainWindow::toggleOptionsPanel);
    connect(m_ui.but_Exit, &QPushButton::clicked, this, &QWidget::close);
    connect(m_ui.cmdEnhanceListbox, &QPushButton::clicked, this, &MainWindow::toggleListLayout);
    connect(m_ui.txtLstItemsBackcolor, &QLineEdit::textChanged, this, &MainWindow::applyListBackground);
    // Activated, not changed: a click on the span already chosen reloads it too.
    connect(m_ui.cboHis, &QComboBox::activated, this, [this](int position) {
        if (position < 0)
            return;
        // The history and technical tabs and the overviews show this span.
        m_session.iHistoryMonths = historyMonths(position);
        m_selectionFlow->showHistorySpan(position);
    });
    setMouseTracking(true);
}

void MainWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_state.bFirstActivate && !m_activationQueued) {
        m_activationQueued = true;
        QMetaObject::invokeMethod(this, &MainWindow::onFirstActivate, Qt::QueuedConnection);
    }
}

void MainWindow::onFirstActivate()
{
    if (!m_state.bFirstActivate)
        return;
    BusyCursor busy;
    if (m_loadOnActivate)
        m_listDocument->load();
    if (m_ui.chkAutoRefresh->isChecked() && m_tmrRefresh.interval() > 0)
        m_tmrRefresh.start();
    else
        m_tmrRefresh.stop();
    letEventsRun(2);
    MainOptions activation;
    readActivationOptions(m_platform.settings, activation);
    m_benefitsSetting = activation.benefits;
    if (activation.benefits < m_ui.cboBenefits->count())
        m_ui.cboBenefits->setCurrentIndex(activation.benefits);
    if (activation.showIndicesSmallWindow)
        openIndexWindow();
    m_session.iHistoryMonths = historyMonths(m_ui.cboHis->currentIndex());
    m_state.bFirstActivate = false;
    emit activated();
    if (m_ui.chkAutoGetOnlineQuotes->isChecked() && m_items->size() > 0)
        startBatchCheck();
    // Closed while the check ran: nothing new starts.
    if (!m_shutDown)
        startVersionCheck();
}

void MainWindow::updateTitle()
{
    const QDateTime now = m_platform.clock.now();
    setWindowTitle(kShortName + QStringLiteral(" by ") + kPublisher + QStringLiteral(" | ") +
                   QLocale().toString(now, QStringLiteral("dddd, dd. MMMM yyyy, hh:mm")));
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutResourcesPane();
    closeInfoWindow();
}

void MainWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    closeInfoWindow();
    letEventsRun();
    if (!isMinimized())
        return;
    // Other windows follow the main window down, but not back up; the index
    // window stays where it is.
    const QList<QWidget*> windows = m_windows.windows();
    for (QWidget* w : windows) {
        if (!w->isVisible() || m_windows.kindOf(w) == kIndexWindowKind)
            continue;
        if (w->windowState() == Qt::WindowNoState)
            w->showMinimized();
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui.lblHeadMove && event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && windowHandle()) {
            windowHandle()->startSystemMove();
            return true;
        }
    }
    if (watched == m_ui.fraEinstellungen && event->type() == QEvent::MouseMove)
        onBackgroundMouseMove();
    if (m_ui.tabData && (watched == m_ui.tabData || watched == m_ui.tabData->tabBar()) &&
        event->type() == QEvent::MouseMove)
        onTabDataMouseMove();
    handleListMouseEvent(watched, event);
    return QWidget::eventFilter(watched, event);
}

void MainWindow::mouseMoveEvent(QMouseEvent* event)
{
    QWidget::mouseMoveEvent(event);
    onBackgroundMouseMove();
    hideLabelInfoFrame();
}

void MainWindow::onBackgroundMouseMove()
{
    if (!m_ui.chkAutoMarkLast->isChecked() || m_state.bFirstActivate || currentRow() < 0)
        return;
    const int row = m_session.iLastIndex - 1;
    if (row < 0 || row >= m_items->size())
        return;
    setCurrentRow(row);
    const QModelIndex index = m_items->index(row, 0);
    m_ui.lstItems->setCurrentIndex(index);
    m_ui.lstItems->scrollTo(index);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!m_shutDown && !m_listDocument->confirmClose()) {
        event->ignore();
        return;
    }
    if (!m_shutDown)
        shutdown();
    event->accept();
}

void MainWindow::shutdown()
{
    m_shutDown = true;
    // Waits for pages must end, or the program could not finish.
    m_batchCheck->cancelAll();
    m_tmrTime.stop();
    m_tmrRefresh.stop();
    ShutdownState state;
    state.minimised = isMinimized();
    const QWidget* index = m_windows.firstOfKind(kIndexWindowKind);
    state.indexWindowOpen = index && index->isVisible();
    writeMainOptions(m_platform.settings, gatherOptions(), state);
    m_windows.closeAll();
    // A close can come from inside a check's wait. The quit Qt posts after
    // the last window is dropped by the next wait that starts, and the
    // program would run on without a window; a queued call is kept, and
    // quit() ends every wait still on the stack.
    QMetaObject::invokeMethod(
        this, [] { QCoreApplication::quit(); }, Qt::QueuedConnection);
}

// Steps owned by other subsystems, called at the points start-up and the
// list file give them. Each stays empty until its subsystem fills it.

} // namespace td
