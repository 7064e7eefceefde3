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

QLabel* iconLabel(const QString& name, const QString& accessible, QStyle::StandardPixmap icon,
                  QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAccessibleName(accessible);
    label->setToolTip(accessible);
    label->setPixmap(parent->style()->standardIcon(icon).pixmap(12, 12));
    label->setCursor(Qt::PointingHandCursor);
    return label;
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
    if (m_setup.overview.reloadText.compare(QLatin1String("0")) > 0)
        tmrRefresh.start();
}

PreviewWindow::~PreviewWindow() = default;

void PreviewWindow::buildUi()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    // The rolled-up index window is smaller than its widgets would allow.
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    if (m_indexWindow)
        buildTitleStrip(layout);

    topRow = new QWidget(this);
    auto* row = new QHBoxLayout(topRow);
    row->setContentsMargins(2, 2, 2, 0);
    cboStocks = new QComboBox(topRow);
    cboStocks->setObjectName(QStringLiteral("cboStocks"));
    cboStocks->setEditable(true);
    cboStocks->setInsertPolicy(QComboBox::NoInsert);
    cboStocks->setMinimumContentsLength(24);
    txtURL = new QLineEdit(topRow);
    txtURL->setObjectName(QStringLiteral("txtURL"));
    txtURL->setAccessibleName(tr("address"));
    cmdURLRefresh = new QPushButton(QStringLiteral("go"), topRow);
    cmdURLRefresh->setObjectName(QStringLiteral("cmdURLRefresh"));
    chkNAS = new QCheckBox(QStringLiteral("NAS"), topRow);
    chkNAS->setObjectName(QStringLiteral("chkNAS"));
    row->addWidget(cboStocks);
    row->addWidget(txtURL, 1);
    row->addWidget(cmdURLRefresh);
    row->addWidget(chkNAS);
    layout->addWidget(topRow);

    buildTabs();
    layout->addWidget(tabSites, 1);

    m_webBrowser1 = m_services.panes.create(QStringLiteral("WebBrowser1"), PaneKind::Display, this);
    layout->addWidget(m_webBrowser1->widget(), 1);
    connect(m_webBrowser1, &BrowserPane::downloadComplete, this, [this] {
        m_webBrowser1->setTag({});
        txtURL->setText(m_webBrowser1->locationUrl());
    });

    connect(cboStocks, &QComboBox::activated, this, &PreviewWindow::onChooserPicked);
    connect(cboStocks->lineEdit(), &QLineEdit::returnPressed, this, &PreviewWindow::onChooserTyped);
    connect(chkNAS, &QCheckBox::clicked, this, &PreviewWindow::onNasFilter);
    connect(cmdURLRefresh, &QPushButton::clicked, this, &PreviewWindow::onGo);
    connect(txtURL, &QLineEdit::returnPressed, this, &PreviewWindow::onGo);
}

void PreviewWindow::buildTitleStrip(QVBoxLayout* layout)
{
    titleStrip = new QWidget(this);
    titleStrip->setObjectName(QStringLiteral("titleStrip"));
    titleStrip->setAutoFillBackground(true);
    QPalette strip = titleStrip->palette();
    strip.setColor(QPalette::Window, QColor(0x1c, 0x3f, 0x7a));
    strip.setColor(QPalette::WindowText, Qt::white);
    titleStrip->setPalette(strip);
    auto* row = new QHBoxLayout(titleStrip);
    row->setContentsMargins(2, 0, 2, 0);
    row->setSpacing(2);
    imgTop = new QLabel(titleStrip);
    imgTop->setObjectName(QStringLiteral("imgTop"));
    imgTop->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(12, 12));
    Label4 = new QLabel(kIndicesSmallWindow, titleStrip);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setProperty("tag", kRollDownTag);
    Label4->setCursor(Qt::SizeAllCursor);
    img_systemhide = iconLabel(QStringLiteral("img_systemhide"), tr("roll up or down"),
                               QStyle::SP_TitleBarShadeButton, titleStrip);
    img_systemclose =
        iconLabel(QStringLiteral("img_systemclose"), tr("close"), QStyle::SP_TitleBarCloseButton, titleStrip);
    row->addWidget(imgTop);
    row->addWidget(Label4, 1);
    row->addWidget(img_systemhide);
    row->addWidget(img_systemclose);
    for (QWidget* w : {static_cast<QWidget*>(Label4), static_cast<QWidget*>(img_systemhide),
                       static_cast<QWidget*>(img_systemclose)})
        w->installEventFilter(this);
    titleStrip->setFixedHeight(twipsToPx(180));
    layout->addWidget(titleStrip);
}

void PreviewWindow::buildTabs()
{
    tabSites = new QTabWidget(this);
    tabSites->setObjectName(QStringLiteral("tabSites"));
    const QStringList captions = tabCaptions(-1);
    for (int k = 0; k < kTabCount; ++k) {
        Tab& tab = m_tabs[k];
        tab.page = new QWidget(tabSites);
        auto* column = new QVBoxLayout(tab.page);
        column->setContentsMargins(0, 0, 0, 0);
        auto* row = new QHBoxLayout;
        tab.chkLoad = new QCheckBox(tr("load automatically"), tab.page);
        tab.chkLoad->setObjectName(QStringLiteral("chkLoad_%1").arg(k));
        row->addWidget(tab.chkLoad);
        if (k == kComdirectTab) {
            cmdHist = new QPushButton(QStringLiteral("hist"), tab.page);
            cmdHist->setObjectName(QStringLiteral("cmdHist"));
            connect(cmdHist, &QPushButton::clicked, this, &PreviewWindow::onHist);
            row->addWidget(cmdHist);
        } else if (k == kFinvizTab) {
            cmdFinVizAll = new QPushButton(QStringLiteral("all"), tab.page);
            cmdFinVizAll->setObjectName(QStringLiteral("cmdFinVizAll"));
            connect(cmdFinVizAll, &QPushButton::clicked, this, &PreviewWindow::onFinVizAll);
            row->addWidget(cmdFinVizAll);
        }
        row->addStretch(1);
        column->addLayout(row);
        tabSites->addTab(tab.page, captions[k]);
    }
    // A pane is made when its tab is first shown or loads, not before.
    connect(tabSites, &QTabWidget::currentChanged, this, [this](int k) {
        if (k >= 0 && isVisible())
            ensureTabPane(k);
    });
    connect(tabSites, &QTabWidget::tabBarClicked, this, &PreviewWindow::onTabClicked);
}

BrowserPane& PreviewWindow::ensureTabPane(int k)
{
    Tab& tab = m_tabs[k];
    if (!tab.pane) {
        tab.pane = m_services.panes.create(QStringLiteral("webTab_%1").arg(k), PaneKind::Display, this);
        tab.pane->setSilent(true);
        tab.page->layout()->addWidget(tab.pane->widget());
        connect(tab.pane, &BrowserPane::documentComplete, this,
                [this, k](const QString& url) { onTabComplete(k, url); });
    }
    return *tab.pane;
}

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
    const int interval = m_setup.overview.sAutoReload.toInt();
    // A reload text without a positive value would reload without pause.
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
