// Start-up, first activation, window-level behaviour and shutdown.
#include "platform/twips.h"
#include "quotes/batchcheck.h"
#include "shell/busycursor.h"
#include "shell/mainwindow.h"
#include "watchlist/watchlistmodel.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QTabWidget>
#include <QTreeView>
#include <QWindow>
#include <QFileInfo>

namespace td {

namespace {
constexpr int kWidthTwips = 15260;
constexpr int kMinHeightTwips = 7200;

void setCheck(QCheckBox* box, bool on)
{
    box->setChecked(on);
}
} // namespace

MainWindow::MainWindow(PlatformContext& platform, QWidget* parent)
    : QWidget(parent)
    , m_platform(platform)
{
    buildUi();
    createPanes();
    connectShell();
    connectListFile();
    connectSelection();
    startUp();
}

MainWindow::~MainWindow() = default;

void MainWindow::startUp()
{
    BusyCursor busy;
    m_state.startTime = m_platform.clock.now();
    m_state.sProgramVersion =
        programVersionText(TICKERDECK_VERSION_MAJOR, TICKERDECK_VERSION_MINOR, TICKERDECK_VERSION_PATCH);
    m_state.bFirstActivate = true;
    m_state.bLoadOnActivate = false;
    m_state.infoDisplayLimit = 30;
    m_state.htmlFrame = buildHtmlFrame(m_platform.hosts, m_state.startTime);
    m_state.selection.reset();

    m_ui.cmdSearch->move(-1000, m_ui.cmdSearch->y());
    m_ui.cmdSearch->hide();
    m_state.iLastIndex = 0;
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

    if (m_ui.txt_TickerFile->text().isEmpty()) {
        if (QFileInfo(defaultTickerFile()).isFile()) {
            m_ui.txt_TickerFile->setText(defaultTickerFile());
            m_state.bLoadOnActivate = true;
        }
    } else {
        m_state.bLoadOnActivate = true;
    }
    applyListBackground(m_ui.txtLstItemsBackcolor->text());

    m_ui.tabData->hide();
    m_ui.cmdRefresh->hide();
    m_ui.cboHis->hide();
    m_ui.chkLockTab->hide();
    m_state.bListChanged = false;
}

void MainWindow::applyOptions(const MainOptions& o)
{
    m_ui.cmdEnhanceListbox->setProperty("tag", o.enhanceListbox);
    toggleListLayout();
    m_ui.cboBank->addItems({QStringLiteral("comdirect"), QStringLiteral("dab")});
    m_ui.cboBank->setCurrentIndex(o.bank);

    QPoint position(twipsToPx(o.mainLeft), twipsToPx(o.mainTop));
    // A stored position off every screen (a monitor since removed) would
    // leave the window where nobody can reach it.
    if (!QGuiApplication::screenAt(position + QPoint(20, 20)))
        position = QPoint(0, 0);
    move(position);

    setCheck(m_ui.chkAutoCheck, o.autoCheck);
    setCheck(m_ui.chkAutoClear, o.autoClear);
    setCheck(m_ui.chkAutoRefresh, o.autoRefresh);
    setCheck(m_ui.chkAktQuoteColorBold, o.quoteColorBold);
    m_ui.txtMaxMinChange->setText(o.maxMinChange);
    setCheck(m_ui.chkMarkMinMaxChange, o.markMinMaxChange);
    m_ui.txtRealTimeRefresh->setText(o.realTimeRefresh);
    m_ui.txt_TickerFile->setText(o.tickerFile);
    m_ui.txt_ShowAllQuotesHintergrund->setText(o.showAllQuotesSilent);
    m_state.autoReloadText = o.autoReload;
    m_ui.txtAutoReload->setText(o.autoReload);
    m_state.bytHistoryChoice = o.history;
    m_ui.cboHis->setCurrentIndex(o.history);
    m_ui.tabData->setCurrentIndex(o.tabDataIndex);
    setCheck(m_ui.chkShowToolTip, o.toolTip);
    setCheck(m_ui.chkShowLBLToolTip, o.lblToolTip);
    m_ui.sldToolTipTransparenz->setValue(o.toolTipTransparence);
    setCheck(m_ui.chkAutoMarkLast, o.autoMarkLast);
    setCheck(m_ui.chkAutoGetOnlineQuotes, o.autoGetOnlineQuotes);
    for (QCheckBox* box : m_ui.chkMobile)
        setCheck(box, o.mobile);
    m_ui.cmdSearch->setProperty("searchDest", o.searchDest);
    m_ui.txtLstItemsBackcolor->setText(o.lstItemsBackcolor);
}

MainOptions MainWindow::gatherOptions() const
{
    MainOptions o;
    o.enhanceListbox = m_ui.cmdEnhanceListbox->property("tag").toString();
    o.bank = m_ui.cboBank->currentIndex();
    o.mainLeft = pxToTwips(pos().x());
    o.mainTop = pxToTwips(pos().y());
    o.autoCheck = m_ui.chkAutoCheck->isChecked();
    o.autoClear = m_ui.chkAutoClear->isChecked();
    o.autoRefresh = m_ui.chkAutoRefresh->isChecked();
    o.quoteColorBold = m_ui.chkAktQuoteColorBold->isChecked();
    o.maxMinChange = m_ui.txtMaxMinChange->text();
    o.markMinMaxChange = m_ui.chkMarkMinMaxChange->isChecked();
    o.realTimeRefresh = m_ui.txtRealTimeRefresh->text();
    o.tickerFile = m_ui.txt_TickerFile->text();
    o.showAllQuotesSilent = m_ui.txt_ShowAllQuotesHintergrund->text();
    o.autoReload = m_state.autoReloadText;
    o.history = m_state.bytHistoryChoice;
    o.tabDataIndex = m_ui.tabData->currentIndex();
    o.toolTip = m_ui.chkShowToolTip->isChecked();
    o.lblToolTip = m_ui.chkShowLBLToolTip->isChecked();
    o.toolTipTransparence = m_ui.sldToolTipTransparenz->value();
    o.autoMarkLast = m_ui.chkAutoMarkLast->isChecked();
    o.autoGetOnlineQuotes = m_ui.chkAutoGetOnlineQuotes->isChecked();
    o.mobile = !m_ui.chkMobile.isEmpty() && m_ui.chkMobile[0]->isChecked();
    o.searchDest = m_ui.cmdSearch->property("searchDest").toString();
    o.lstItemsBackcolor = m_ui.txtLstItemsBackcolor->text();
    o.benefits = std::max(0, m_ui.cboBenefits->currentIndex());
    return o;
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
    connect(m_ui.cboHis, &QComboBox::currentIndexChanged, this, [this](int position) {
        if (position < 0)
            return;
        m_state.bHistoryChange = true;
        m_state.bytHistoryChoice = position;
        vShowMainChart(m_state.bytHistoryChoice);
        m_state.bHistoryChange = false;
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
    if (m_state.bLoadOnActivate)
        vLoadList();
    if (m_ui.chkAutoRefresh->isChecked() && m_tmrRefresh.interval() > 0)
        m_tmrRefresh.start();
    else
        m_tmrRefresh.stop();
    letEventsRun(2);
    MainOptions activation;
    readActivationOptions(m_platform.settings, activation);
    if (activation.benefits < m_ui.cboBenefits->count())
        m_ui.cboBenefits->setCurrentIndex(activation.benefits);
    if (activation.showIndicesSmallWindow)
        openIndexWindow();
    m_state.iHistoryMonths = historyMonths(m_ui.cboHis->currentIndex());
    m_state.bFirstActivate = false;
    if (m_ui.chkAutoGetOnlineQuotes->isChecked() && m_items->size() > 0)
        startBatchCheck();
    startVersionCheck();
}

void MainWindow::updateTitle()
{
    const QDateTime now = m_platform.clock.now();
    setWindowTitle(kShortName + QStringLiteral(" by ") + kPublisher + QStringLiteral(" | ") +
                   QLocale().toString(now, QStringLiteral("dddd, dd. MMMM yyyy, hh:mm")));
}

void MainWindow::toggleListLayout()
{
    QTreeView* list = m_ui.lstItems;
    QPushButton* layoutButton = m_ui.cmdEnhanceListbox;
    list->hide();
    if (layoutButton->property("tag").toString() != u"BIG") {
        list->setFixedWidth(twipsToPx(8130));
        for (int column : {ColQty, ColValue, ColPlusMinus, ColWkn, ColIsin})
            list->setColumnHidden(column, true);
        list->setColumnWidth(ColDateOfBuying, twipsToPx(10));
        layoutButton->setProperty("tag", QStringLiteral("BIG"));
        layoutButton->setText(QStringLiteral(">"));
        m_ui.chartArea->show();
    } else {
        const std::pair<int, int> widths[] = {{ColDateOfBuying, 1060}, {ColQty, 850},  {ColValue, 850},
                                              {ColPlusMinus, 750},     {ColWkn, 820},  {ColIsin, 1400}};
        for (const auto& [column, twips] : widths) {
            list->setColumnHidden(column, false);
            list->setColumnWidth(column, twipsToPx(twips));
        }
        list->setFixedWidth(twipsToPx(14700));
        layoutButton->setProperty("tag", QStringLiteral("SMALL"));
        layoutButton->setText(QStringLiteral("<"));
        // The wide list covers the chart area.
        m_ui.chartArea->hide();
    }
    list->show();
}

void MainWindow::toggleOptionsPanel()
{
    m_ui.fraEinstellungen->setVisible(!m_ui.fraEinstellungen->isVisible());
    m_ui.cmdOptions->setChecked(m_ui.fraEinstellungen->isVisible());
    if (m_ui.cmdEnhanceListbox->property("tag").toString() == u"SMALL")
        m_ui.cmdEnhanceListbox->click();
}

void MainWindow::applyListBackground(const QString& text)
{
    const auto colour = parseListColour(text);
    if (!colour)
        return;
    QPalette palette = m_ui.lstItems->palette();
    palette.setColor(QPalette::Base, toQColor(*colour));
    m_ui.lstItems->setPalette(palette);
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutResourcesPane();
    closeInfoWindow();
}

void MainWindow::layoutResourcesPane()
{
    // The resources pane appears below the list once the window is taller
    // than its minimum, and follows the window's height.
    const double heightTwips = pxToTwips(height());
    QWidget* pane = m_ui.resourcesPaneHost;
    const bool enlarged = m_ui.cmdFullBrowser->property("tag").toString() == u"BIG";
    if (!enlarged && heightTwips > 7400) {
        pane->setGeometry(twipsToPx(435), twipsToPx(6825), width() - twipsToPx(870),
                          twipsToPx(heightTwips - 7300));
        pane->show();
        pane->raise();
    } else if (enlarged) {
        pane->setGeometry(twipsToPx(435), pane->y(), width() - twipsToPx(870), twipsToPx(heightTwips - 1290));
        pane->show();
        pane->raise();
    } else {
        pane->hide();
    }
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
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* w : windows) {
        if (w == this || !w->isVisible() || w->windowTitle() == u"INDICESSMALLWINDOW")
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
    const int row = m_state.iLastIndex - 1;
    if (row < 0 || row >= m_items->size())
        return;
    setCurrentRow(row);
    const QModelIndex index = m_items->index(row, 0);
    m_ui.lstItems->setCurrentIndex(index);
    m_ui.lstItems->scrollTo(index);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!m_shutDown && !confirmClose()) {
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
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* w : windows) {
        if (w != this && w->isVisible() && w->windowTitle() == u"INDICESSMALLWINDOW")
            state.indexWindowOpen = true;
    }
    writeMainOptions(m_platform.settings, gatherOptions(), state);
    for (QWidget* w : windows) {
        if (w != this && w->isVisible())
            w->close();
    }
}

void MainWindow::letEventsRun(int times)
{
    for (int i = 0; i < times; ++i)
        QCoreApplication::processEvents();
}

void MainWindow::fillBenefits()
{
    // The entries belong to the site catalogue; until it exists the box
    // offers none.
}

// Steps owned by other subsystems, called at the points start-up and the
// list file give them. Each stays empty until its subsystem fills it.
void MainWindow::hideLabelInfoFrame() {}
void MainWindow::closeInfoWindow() {}
void MainWindow::openIndexWindow() {}
void MainWindow::startVersionCheck() {}
void MainWindow::placeExtendedPane() {}

} // namespace td
