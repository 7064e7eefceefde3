// The main window's browser panes and the list events that select entries.
#include "platform/browserpane.h"
#include "platform/eventpump.h"
#include "platform/notifier.h"
#include "quotes/alarmnotices.h"
#include "quotes/batchcheck.h"
#include "quotes/checkstop.h"
#include "quotes/quoteloader.h"
#include "quotes/quotereading.h"
#include "quotes/quotesources.h"
#include "quotes/selectionflow.h"
#include "quotes/signaldisplay.h"
#include "shell/mainwindow.h"
#include "shell/quotesourceoptions.h"
#include "sidewindows/infodisplay.h"
#include "sites/sitehosts.h"
#include "watchlist/watchlistmodel.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QGridLayout>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTreeView>

namespace td {

namespace {
BrowserPane* makePane(PaneFactory& factory, const char* name, PaneKind kind, QObject* parent, QWidget* host)
{
    BrowserPane* pane = factory.create(QString::fromLatin1(name), kind, parent);
    if (host) {
        if (QWidget* widget = pane->widget())
            host->layout()->addWidget(widget);
    }
    return pane;
}
} // namespace

void MainWindow::createPanes()
{
    PaneFactory& f = m_platform.panes;
    m_panes.wbrStockContent = makePane(f, "wbrStockContent", PaneKind::ReadBack, this, nullptr);
    m_panes.wbrQuoteAll = makePane(f, "wbrQuoteAll", PaneKind::ReadBack, this, nullptr);
    m_panes.wbrHandelssignal = makePane(f, "wbrHandelssignal", PaneKind::ReadBack, this, nullptr);
    m_panes.wbrHandelssignalLang = makePane(f, "wbrHandelssignalLang", PaneKind::ReadBack, this, nullptr);
    m_panes.wbrVersion = makePane(f, "wbrVersion", PaneKind::ReadBack, this, nullptr);
    // These two show only the status pages and chart snippets the program writes.
    m_panes.wbrRealTimeQuote = makePane(f, "wbrRealTimeQuote", PaneKind::Snippet, this, m_ui.quotePaneHost);
    m_panes.wbrRealTimeChart = makePane(f, "wbrRealTimeChart", PaneKind::Snippet, this, m_ui.chartPaneHost);
    m_panes.wbrRealTimeNASDAQ =
        makePane(f, "wbrRealTimeNASDAQ", PaneKind::Display, this, m_ui.nasdaqPaneHost);
    m_panes.wbrHistorie = makePane(f, "wbrHistorie", PaneKind::Display, this, m_ui.historyPaneHost);
    m_panes.wbrTechnicalChart =
        makePane(f, "wbrTechnicalChart", PaneKind::Display, this, m_ui.technicalPaneHost);
    m_panes.wbrHY = makePane(f, "wbrHY", PaneKind::Display, this, m_ui.hyPaneHost);
    m_panes.wbrRealTimeRessources =
        makePane(f, "wbrRealTimeRessources", PaneKind::Display, this, m_ui.resourcesPaneHost);
    createQuoteSubsystem();
}

void MainWindow::createQuoteSubsystem()
{
    m_signalDisplay = new SignalDisplay({m_ui.picHandelssignal, m_ui.picHandelssignalSymbol},
                                        {m_panes.wbrHandelssignal, m_panes.wbrHandelssignalLang}, this);
    m_quoteLoader = new QuoteLoader(*m_panes.wbrStockContent, this);
    m_backgroundLoader = new QuoteLoader(*m_panes.wbrQuoteAll, this);
    createQuoteSources();
    m_quoteReading = new QuoteReading(
        {m_ui.chkAktQuoteColorBold, m_ui.txtMaxMinChange, m_ui.chkMarkMinMaxChange, m_ui.tabData}, *m_items,
        *m_stop, m_session.selection, m_platform.clock, this);

    BatchCheck::Controls batchUi;
    batchUi.cmdCheckAllQuotes = m_ui.cmdCheckAllQuotes;
    batchUi.cmdCheckAllQuotesHintergrund = m_ui.cmdCheckAllQuotesHintergrund;
    batchUi.chkAutoRefresh = m_ui.chkAutoRefresh;
    batchUi.txtRealTimeRefresh = m_ui.txtRealTimeRefresh;
    batchUi.txt_ShowAllQuotesHintergrund = m_ui.txt_ShowAllQuotesHintergrund;
    batchUi.txtAutoReload = m_ui.txtAutoReload;
    batchUi.lstItems = m_ui.lstItems;
    batchUi.lstStop = m_ui.lstStop;
    batchUi.tabData = m_ui.tabData;
    batchUi.progressFrame = m_ui.progressFrame;
    batchUi.picAllProgress = m_ui.picAllProgress;
    batchUi.lockedWhileRunning = {m_ui.cmdSwitchTIC, m_ui.cmdInfo, m_ui.cmdOptions, m_ui.but_Exit};
    m_batchCheck = new BatchCheck(
        batchUi, {*m_items, *m_stop}, {*m_quoteLoader, *m_backgroundLoader, *m_quoteReading},
        {m_platform.hosts, m_platform.dialogs, m_tmrRefresh, m_tmrTime, *m_quoteSources}, m_session, this);
    m_batchCheck->setObjectName(QStringLiteral("batchCheck"));
    m_batchCheck->setPaneFactory(m_platform.panes);
    connect(m_ui.spnParallelPages, &QSpinBox::valueChanged, m_batchCheck, &BatchCheck::setParallelPages);

    const SelectionFlow::Panes selectionPanes{m_panes.wbrStockContent,
                                              m_panes.wbrRealTimeQuote,
                                              m_panes.wbrRealTimeChart,
                                              m_panes.wbrRealTimeNASDAQ,
                                              m_panes.wbrHistorie,
                                              m_panes.wbrTechnicalChart,
                                              m_panes.wbrHY};
    const SelectionFlow::Context context{*m_items,           *m_stop,       selectionPanes, m_platform.hosts,
                                         m_platform.dialogs, m_session,     *m_quoteLoader, *m_quoteReading,
                                         *m_signalDisplay,   *m_batchCheck, *m_quoteSources};
    m_selectionFlow = new SelectionFlow(
        {m_ui.lstItems, m_ui.chkEdit, m_ui.chkLockTab, m_ui.tabData, m_ui.lblAktInfo}, context, *this, this);
    m_selectionFlow->setObjectName(QStringLiteral("selectionFlow"));
    connect(this, &MainWindow::activated, m_selectionFlow, &SelectionFlow::activate);

    connect(m_batchCheck, &BatchCheck::passEnded, this, [this](const BatchCheck::PassResult& pass) {
        // Names are shown as typed, never as markup.
        QStringList tips;
        if (const QString tip = BatchCheck::otherInstrumentTip(pass.otherInstrument); !tip.isEmpty())
            tips << QStringLiteral("<p>%1</p>").arg(tip.toHtmlEscaped());
        if (!pass.sourceFailures.isEmpty())
            tips << QStringLiteral("<p>%1</p>")
                        .arg(unreadablePagesTip(m_quoteSources->unreadableFolder()).toHtmlEscaped());
        m_ui.lblAktInfo->setToolTip(tips.join(QString()));
        if (pass.unread > 0)
            m_ui.lblAktInfo->setText(BatchCheck::unreadSummary(pass));
    });
    auto* notices = new AlarmNotices(m_platform.notifier, m_ui.chkNotify, this);
    connect(m_quoteReading, &QuoteReading::evaluated, notices, &AlarmNotices::evaluated);
    connect(m_batchCheck, &BatchCheck::passStarted, notices, &AlarmNotices::beginCheck);
    connect(m_batchCheck, &BatchCheck::passEnded, notices, &AlarmNotices::endCheck);
    // Queued: the selection waits for pages in loops of its own.
    connect(&m_platform.notifier, &Notifier::activated, this, &MainWindow::showNotifiedEntry,
            Qt::QueuedConnection);
    connect(m_batchCheck, &BatchCheck::hostUnanswered, this,
            [this](const QString& host) { m_ui.lblAktInfo->setText(unansweredHostLine(host)); });
    connect(m_ui.cmdRefresh, &QPushButton::clicked, m_selectionFlow, &SelectionFlow::refresh);
    connect(&m_tmrRefresh, &QTimer::timeout, m_selectionFlow, &SelectionFlow::refresh);
    connect(m_selectionFlow, &SelectionFlow::entryMenuRequested, this, &MainWindow::showEntryMenu);
    connect(m_selectionFlow, &SelectionFlow::showChartRequested, this, &MainWindow::pressShowChart);
}

void MainWindow::showNotifiedEntry(quint64 entryId)
{
    // The entry may have been deleted since the notice went out.
    if (entryId != 0 && m_items->rowOfId(entryId) < 0)
        return;
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
    const int row = m_items->rowOfId(entryId);
    if (entryId == 0 || row < 0)
        return;
    m_ui.lstItems->setCurrentIndex(m_items->index(row, 0));
    m_session.iHoverIndex = row + 1;
    m_selectionFlow->onListMouseUp(Qt::LeftButton, {});
}

void MainWindow::createQuoteSources()
{
    m_quoteSources =
        new QuoteSources(m_platform.settings, m_platform.quoteSourcesFile, m_platform.programDir, this);
    m_quoteSources->setObjectName(QStringLiteral("quoteSources"));
    // A broken file is named once per change of it: the info line would be
    // overwritten by the very load that read the file.
    connect(m_quoteSources, &QuoteSources::problemsChanged, this, [this](const QString& problems) {
        if (!problems.isEmpty())
            m_platform.dialogs.message(
                {QStringLiteral("Kursquellen"), problems, DialogButtons::Ok, DialogIcon::Warning});
    });
    const auto keep = [this](const QuoteAnswer& answer, const QString& page) {
        m_quoteSources->keepUnreadable(answer, page);
    };
    m_quoteLoader->setPageWatcher(keep);
    m_backgroundLoader->setPageWatcher(keep);

    // The options' chooser joins the panel built before the sources existed.
    auto* options = new QuoteSourceOptions(
        {*m_quoteSources, m_platform.settings, m_platform.urls, m_platform.dialogs}, m_ui.fraEinstellungen);
    if (auto* grid = qobject_cast<QGridLayout*>(m_ui.fraEinstellungen->layout()))
        grid->addWidget(options, grid->rowCount(), 0, 1, grid->columnCount());
}

void MainWindow::blankPanes()
{
    for (BrowserPane* pane :
         {m_panes.wbrRealTimeQuote, m_panes.wbrRealTimeChart, m_panes.wbrHY, m_panes.wbrRealTimeRessources,
          m_panes.wbrTechnicalChart, m_panes.wbrStockContent, m_panes.wbrRealTimeNASDAQ})
        pane->navigate(QStringLiteral("about:blank"));
}

void MainWindow::connectSelection()
{
    QTreeView* list = m_ui.lstItems;
    list->viewport()->installEventFilter(this);
    m_ui.lstStop->viewport()->installEventFilter(this);
    connect(list, &QTreeView::entered, this, [this](const QModelIndex& index) {
        m_session.iHoverIndex = index.isValid() ? index.row() + 1 : -1;
    });
    connect(list, &QTreeView::doubleClicked, this, [this] { m_selectionFlow->onListDoubleClick(); });
    connect(m_ui.lstStop, &QTreeView::clicked, this,
            [this](const QModelIndex& index) { m_selectionFlow->onStopItemClick(index.row()); });
    connect(m_ui.cmdNAS, &QPushButton::clicked, this, &MainWindow::toggleNasdaqPane);

    QAction* refresh = m_mnuPop->addAction(QStringLiteral("Refresh"));
    refresh->setObjectName(QStringLiteral("mnuRefresh"));
    connect(refresh, &QAction::triggered, m_selectionFlow, &SelectionFlow::refresh);
    QAction* charts = m_mnuPop->addAction(QStringLiteral("Show Charts"));
    charts->setObjectName(QStringLiteral("mnuShowCharts"));
    connect(charts, &QAction::triggered, this,
            [this] { pressChartOverview(m_showChartsSource == u"STOP" ? 1 : 0); });
}

// Mouse-up on the lists, after the view has moved its selection: the
// handler runs from the event loop, since it waits for pages.
bool MainWindow::handleListMouseEvent(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Leave && watched == m_ui.lstItems->viewport()) {
        m_session.iHoverIndex = -1;
        return false;
    }
    if (event->type() != QEvent::MouseButtonRelease)
        return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const Qt::MouseButton button = mouse->button();
    const QPoint position = mouse->position().toPoint();
    if (watched == m_ui.lstItems->viewport()) {
        const QModelIndex index = m_ui.lstItems->indexAt(position);
        if (index.isValid()) {
            m_session.iHoverIndex = index.row() + 1;
            m_ui.lstItems->setCurrentIndex(index);
        }
        // A click on an entry may show the info window first, which then
        // hands the mouse-up back.
        QMetaObject::invokeMethod(
            this,
            [this, button, position, onEntry = index.isValid()] {
                if (onEntry)
                    m_infoDisplay->onItemClick(button, position);
                else
                    m_selectionFlow->onListMouseUp(button, position);
            },
            Qt::QueuedConnection);
    } else if (watched == m_ui.lstStop->viewport()) {
        QMetaObject::invokeMethod(
            this, [this, button] { m_selectionFlow->onStopMouseUp(button); }, Qt::QueuedConnection);
    }
    return false;
}

bool MainWindow::mobileMode() const
{
    return !m_ui.chkMobile.isEmpty() && m_ui.chkMobile[0]->isChecked();
}

bool MainWindow::nasdaqPaneOpen() const
{
    return m_ui.cmdNAS->property("tag").toString() == u"0";
}

void MainWindow::toggleNasdaqPane()
{
    const int row = currentRow();
    if (row < 0)
        return;
    if (!nasdaqPaneOpen()) {
        m_ui.nasdaqPaneHost->show();
        m_ui.nasdaqPaneHost->raise();
        // The intraday chart stays in front of the Nasdaq pane.
        m_ui.chartPaneHost->raise();
        const QString ticker = m_items->entry(row).columns[ColTicker];
        m_panes.wbrRealTimeNASDAQ->navigate(nasdaqLastSaleAddress(m_platform.hosts, ticker));
        m_ui.lstItems->setFocus();
        m_ui.cmdNAS->setProperty("tag", QStringLiteral("0"));
    } else {
        m_panes.wbrRealTimeNASDAQ->navigate(QStringLiteral("about:blank"));
        m_ui.nasdaqPaneHost->hide();
        m_ui.cmdNAS->setProperty("tag", QStringLiteral("-1"));
    }
}

void MainWindow::showEntryMenu(const QString& source)
{
    m_showChartsSource = source;
    if (m_mnuPop)
        m_mnuPop->popup(QCursor::pos());
}

void MainWindow::showChartArea()
{
    // The wide list covers the chart area; it shows again with the narrow one.
    if (m_ui.cmdEnhanceListbox->property("tag").toString() == u"BIG")
        m_ui.chartArea->show();
    m_ui.tabData->show();
    m_ui.cmdRefresh->show();
    m_ui.cboHis->show();
    m_ui.chkLockTab->show();
}

void MainWindow::vShowMainChart(int historyChoice)
{
    m_selectionFlow->vShowMainChart(historyChoice);
}

void MainWindow::startBatchCheck()
{
    m_ui.cmdCheckAllQuotes->click();
}

} // namespace td
