// Building the main window's controls. Positions the rest of the program
// depends on are given in twips; everything else is left to the layouts.
#include "overview/progressbar.h"
#include "platform/twips.h"
#include "quotes/checkstop.h"
#include "shell/buttons.h"
#include "shell/mainwindow.h"
#include "sidewindows/listcolumns.h"
#include "watchlist/watchlistmodel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

namespace td {

namespace {

QCheckBox* checkBox(const QString& name, const QString& caption, QWidget* parent)
{
    auto* c = new QCheckBox(caption, parent);
    c->setObjectName(name);
    return c;
}

QLineEdit* lineEdit(const QString& name, QWidget* parent, const QString& placeholder = {})
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setPlaceholderText(placeholder);
    return e;
}

// Letters in a number box would be stored as 0.
QLineEdit* numberEdit(const QString& name, const char* pattern, QWidget* parent)
{
    QLineEdit* e = lineEdit(name, parent);
    e->setValidator(new QRegularExpressionValidator(QRegularExpression(QLatin1String(pattern)), e));
    return e;
}

QWidget* paneHost(const QString& name, QWidget* parent)
{
    auto* host = new QFrame(parent);
    host->setObjectName(name);
    host->setFrameShape(QFrame::StyledPanel);
    auto* layout = new QVBoxLayout(host);
    layout->setContentsMargins(0, 0, 0, 0);
    return host;
}

QTreeView* listView(const QString& name, QWidget* parent)
{
    auto* view = new QTreeView(parent);
    view->setObjectName(name);
    view->setRootIsDecorated(false);
    view->setItemsExpandable(false);
    view->setUniformRowHeights(true);
    view->setAllColumnsShowFocus(true);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->header()->setSectionsMovable(false);
    view->header()->setSectionsClickable(true);
    view->header()->setStretchLastSection(false);
    return view;
}

} // namespace

void MainWindow::buildUi()
{
    setObjectName(QStringLiteral("frm_main"));
    // Index 0 serves the watch list, index 1 the stop list.
    for (int i = 0; i < 2; ++i) {
        m_ui.cmdSelectAll << button(QStringLiteral("cmdSelectAll_%1").arg(i),
                                    QStringLiteral("check all/none"), this);
        m_ui.cmdClear << button(QStringLiteral("cmdClear_%1").arg(i), QStringLiteral("clear list"), this);
    }
    buildOverviewControls();
    // Everything but the resources pane keeps the minimum window's height;
    // a taller window gives the extra room to the resources pane below.
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    auto* main = new QWidget(this);
    main->setObjectName(QStringLiteral("fraMain"));
    main->setFixedHeight(twipsToPx(kMinHeightTwips));
    m_ui.fraMain = main;
    outer->addWidget(main);
    auto* root = new QVBoxLayout(main);
    root->setContentsMargins(4, 2, 4, 4);
    root->setSpacing(3);

    auto* header = new QHBoxLayout;
    m_ui.lblHeadMove = new QLabel(this);
    m_ui.lblHeadMove->setObjectName(QStringLiteral("lblHeadMove"));
    m_ui.lblHeadMove->setCursor(Qt::SizeAllCursor);
    m_ui.lblHeadMove->installEventFilter(this);
    m_ui.cmdOptions = button(QStringLiteral("cmdOptions"), tr("options"), this);
    m_ui.cmdOptions->setCheckable(true);
    m_ui.but_Exit = button(QStringLiteral("but_Exit"), tr("exit"), this);
    header->addWidget(m_ui.lblHeadMove, 1);
    header->addWidget(m_ui.cmdOptions);
    header->addWidget(m_ui.but_Exit);
    root->addLayout(header);

    root->addWidget(buildButtonPanel());
    m_ui.fraEinstellungen = qobject_cast<QFrame*>(buildOptionsPanel());
    m_ui.fraEinstellungen->hide();
    root->addWidget(m_ui.fraEinstellungen);

    auto* middle = new QHBoxLayout;
    m_items = new WatchListModel(WatchListModel::watchListHeaders(), this);
    m_ui.lstItems = listView(QStringLiteral("lstItems"), this);
    m_ui.lstItems->setModel(m_items);
    for (int c = 0; c < ColumnCount; ++c)
        m_ui.lstItems->setColumnWidth(c, twipsToPx(kListColumnTwips[c]));
    m_ui.lstItems->setMouseTracking(true);
    auto* listColumn = new QVBoxLayout;
    listColumn->addWidget(m_ui.lstItems, 1);
    m_ui.lblAktInfo = new QLabel(this);
    m_ui.lblAktInfo->setObjectName(QStringLiteral("lblAktInfo"));
    m_ui.lblAktInfo->setTextFormat(Qt::PlainText);
    listColumn->addWidget(m_ui.lblAktInfo);
    listColumn->addWidget(m_ui.fraHTMWindows);
    middle->addLayout(listColumn);
    m_ui.cmdEnhanceListbox = button(QStringLiteral("cmdEnhanceListbox"), QStringLiteral("<"), this);
    m_ui.cmdEnhanceListbox->setProperty("tag", QStringLiteral("SMALL"));
    m_ui.cmdEnhanceListbox->setFixedWidth(twipsToPx(240));
    m_ui.cmdEnhanceListbox->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    middle->addWidget(m_ui.cmdEnhanceListbox);
    middle->addWidget(buildChartArea(), 1);
    root->addLayout(middle, 1);

    root->addWidget(buildEntryForm());

    m_ui.resourcesPaneHost = paneHost(QStringLiteral("wbrRealTimeRessources"), this);
    m_ui.resourcesPaneHost->hide();
    outer->addWidget(m_ui.resourcesPaneHost, 1);
    outer->addStretch(0);
}

QWidget* MainWindow::buildButtonPanel()
{
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Picture2"));
    m_ui.Picture2 = panel;
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    // Some twenty controls share the row: with the style's gaps, the progress
    // text of a check or the mobile mode pushes the last ones out.
    row->setSpacing(4);
    m_ui.txt_TickerFile = lineEdit(QStringLiteral("txt_TickerFile"), panel, tr("ticker-list file"));
    // The box is narrower than most paths.
    connect(m_ui.txt_TickerFile, &QLineEdit::textChanged, m_ui.txt_TickerFile, &QWidget::setToolTip);
    m_ui.cmdTickerFile = button(QStringLiteral("cmdTickerFile"), QStringLiteral("..."), panel);
    m_ui.cmdLoadList = button(QStringLiteral("cmdLoadList"), tr("load"), panel);
    m_ui.cmdSaveList = button(QStringLiteral("cmdSaveList"), tr("save"), panel);
    m_ui.cmdSwitchTIC = button(QStringLiteral("cmdSwitchTIC"), tr("tic"), panel);
    m_ui.cboSwitchTICList = new QComboBox(panel);
    m_ui.cboSwitchTICList->setObjectName(QStringLiteral("cboSwitchTICList"));
    m_ui.cboSwitchTICList->setMinimumContentsLength(14);
    m_ui.mnuTIC = new QMenu(this);
    m_ui.mnuTIC->setObjectName(QStringLiteral("mnuTIC"));
    m_ui.cmdCheckAllQuotes = button(QStringLiteral("cmdCheckAllQuotes"), QStringLiteral("!"), panel);
    m_ui.cmdCheckAllQuotes->setToolTip(tr("check all ticked quotes"));
    m_ui.cmdCheckAllQuotesHintergrund =
        button(QStringLiteral("cmdCheckAllQuotesHintergrund"), QStringLiteral("!"), panel);
    m_ui.cmdCheckAllQuotesHintergrund->setToolTip(tr("check all ticked quotes in the background"));
    m_ui.cmdInfo = button(QStringLiteral("cmdInfo"), tr("info"), panel);
    m_ui.cmdSearch = button(QStringLiteral("cmdSearch"), tr("search"), panel);
    m_ui.progressFrame = new QFrame(panel);
    m_ui.progressFrame->setObjectName(QStringLiteral("Frame1_9"));
    auto* progressLayout = new QHBoxLayout(m_ui.progressFrame);
    progressLayout->setContentsMargins(0, 0, 0, 0);
    m_ui.picAllProgress = new ProgressBar(m_ui.progressFrame);
    m_ui.picAllProgress->setObjectName(QStringLiteral("picAllProgress"));
    progressLayout->addWidget(m_ui.picAllProgress);
    m_ui.progressFrame->hide();

    row->addWidget(m_ui.txt_TickerFile, 1);
    for (QWidget* w : {static_cast<QWidget*>(m_ui.cmdTickerFile), static_cast<QWidget*>(m_ui.cmdLoadList),
                       static_cast<QWidget*>(m_ui.cmdSaveList), static_cast<QWidget*>(m_ui.cmdSwitchTIC),
                       static_cast<QWidget*>(m_ui.cboSwitchTICList), static_cast<QWidget*>(m_ui.cmdInfo),
                       static_cast<QWidget*>(m_ui.cmdCheckAllQuotes),
                       static_cast<QWidget*>(m_ui.cmdCheckAllQuotesHintergrund)})
        row->addWidget(w);
    row->addWidget(m_ui.progressFrame, 1);
    return panel;
}

QWidget* MainWindow::buildEntryForm()
{
    auto* form = new QFrame(this);
    form->setObjectName(QStringLiteral("fraEntry"));
    auto* grid = new QGridLayout(form);
    grid->setContentsMargins(0, 0, 0, 0);
    struct Field
    {
        QLineEdit** target;
        const char* name;
        QString caption;
    };
    const Field fields[] = {
        {&m_ui.txtName, "txtName", tr("Name")},        {&m_ui.txtTicker, "txtTicker", tr("Ticker")},
        {&m_ui.txtPlace, "txtPlace", tr("Place")},     {&m_ui.txtDate, "txtDate", tr("Date")},
        {&m_ui.txtQuote, "txtQuote", tr("Buying")},    {&m_ui.txtWaehrung, "txtWaehrung", tr("Cur")},
        {&m_ui.txtQuantity, "txtQuantity", tr("Qty")}, {&m_ui.txtWKN, "txtWKN", tr("WKN")},
        {&m_ui.txtISIN, "txtISIN", tr("ISIN")},
    };
    int column = 0;
    for (const Field& f : fields) {
        *f.target = lineEdit(QString::fromLatin1(f.name), form, f.caption);
        grid->addWidget(*f.target, 0, column++);
    }
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(8, 2);

    auto* buttons = new QHBoxLayout;
    m_ui.cmdAdd = button(QStringLiteral("cmdAdd"), tr("add"), form);
    m_ui.cmdDelete = button(QStringLiteral("cmdDelete"), tr("delete"), form);
    m_ui.chkEdit = checkBox(QStringLiteral("chkEdit"), QStringLiteral("edit"), form);
    m_ui.but_ItemRauf = button(QStringLiteral("but_ItemRauf"), QStringLiteral("\u25B2"), form);
    m_ui.but_ItemRunter = button(QStringLiteral("but_ItemRunter"), QStringLiteral("\u25BC"), form);
    m_ui.but_ItemRaufZuerst = button(QStringLiteral("but_ItemRaufZuerst"), QStringLiteral("\u2912"), form);
    m_ui.but_ItemRaufZuletzt = button(QStringLiteral("but_ItemRaufZuletzt"), QStringLiteral("\u2913"), form);
    m_ui.but_ItemRauf->setToolTip(tr("move up"));
    m_ui.but_ItemRunter->setToolTip(tr("move down"));
    m_ui.but_ItemRaufZuerst->setToolTip(tr("move to the top"));
    m_ui.but_ItemRaufZuletzt->setToolTip(tr("move to the bottom"));
    m_ui.cmdQuickGo = button(QStringLiteral("cmdQuickGo"), tr("quick go"), form);
    // The options panel is built first; index 0 is still the main window's box.
    m_ui.chkMobile.resize(2);
    m_ui.chkMobile[0] = checkBox(QStringLiteral("chkMobile_0"),
                                 QStringLiteral("load only QuickPictures (no Update for ListItem)"), form);
    m_ui.cmdCloseExtended =
        button(QStringLiteral("cmdCloseExtended"), QStringLiteral("close extension"), form);
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_ui.cmdAdd, m_ui.cmdDelete, m_ui.chkEdit, m_ui.but_ItemRaufZuerst,
                                         m_ui.but_ItemRauf, m_ui.but_ItemRunter, m_ui.but_ItemRaufZuletzt,
                                         m_ui.cmdSelectAll[0], m_ui.cmdClear[0], m_ui.cmdQuickGo})
        buttons->addWidget(w);
    buttons->addStretch(1);
    grid->addLayout(buttons, 1, 0, 1, column);
    // The overview commands and the pane switches get a row of their own.
    auto* overview = new QHBoxLayout;
    for (QPushButton* b :
         {m_ui.cmdGo[0], m_ui.cmdBenchmark, m_ui.cmdFV, m_ui.cmdShowIndex, m_ui.cmdValueOnly})
        overview->addWidget(b);
    overview->addStretch(1);
    overview->addWidget(m_ui.chkMobile[0]);
    overview->addWidget(m_ui.cmdCloseExtended);
    grid->addLayout(overview, 2, 0, 1, column);
    for (QPushButton* b :
         {m_ui.but_ItemRauf, m_ui.but_ItemRunter, m_ui.but_ItemRaufZuerst, m_ui.but_ItemRaufZuletzt})
        b->setEnabled(false);
    return form;
}

QWidget* MainWindow::buildChartArea()
{
    auto* area = new QFrame(this);
    area->setObjectName(QStringLiteral("fraCharts"));
    m_ui.chartArea = area;
    auto* column = new QVBoxLayout(area);
    column->setContentsMargins(0, 0, 0, 0);

    // The signal sits in the data tabs' corner: in the row above the charts
    // it made the chart area wider than the narrow list leaves it.
    auto* signalBox = new QWidget(area);
    auto* signalLayout = new QHBoxLayout(signalBox);
    signalLayout->setContentsMargins(0, 0, 0, 0);
    m_ui.picHandelssignal = new QLabel(signalBox);
    m_ui.picHandelssignal->setObjectName(QStringLiteral("picHandelssignal"));
    m_ui.picHandelssignal->setMinimumWidth(twipsToPx(1900));
    signalLayout->addWidget(m_ui.picHandelssignal);
    for (int i = 0; i < 10; ++i) {
        auto* symbol = new QLabel(signalBox);
        symbol->setObjectName(QStringLiteral("picHandelssignalSymbol_%1").arg(i));
        symbol->hide();
        m_ui.picHandelssignalSymbol << symbol;
        signalLayout->addWidget(symbol);
    }
    auto* signalRow = new QHBoxLayout;
    signalRow->addStretch(1);
    m_ui.cboHis = new QComboBox(area);
    m_ui.cboHis->setObjectName(QStringLiteral("cboHis"));
    m_ui.cmdRefresh = button(QStringLiteral("cmdRefresh"), tr("refresh"), area);
    m_ui.chkLockTab = checkBox(QStringLiteral("chkLockTab"), tr("lock tab"), area);
    m_ui.cmdNAS = button(QStringLiteral("cmdNAS"), QStringLiteral("nasdaq realtime"), area);
    m_ui.cmdNAS->setMinimumWidth(m_ui.cmdNAS->sizeHint().width());
    m_ui.cmdNAS->setProperty("tag", QStringLiteral("-1"));
    m_ui.cmdFullBrowser = button(QStringLiteral("cmdFullBrowser"), QStringLiteral("bigger"), area);
    m_ui.cmdFullBrowser->setProperty("tag", QStringLiteral("SMALL"));
    for (QWidget* w : std::initializer_list<QWidget*>{m_ui.cboHis, m_ui.cmdRefresh, m_ui.chkLockTab,
                                                      m_ui.cmdNAS, m_ui.cmdFullBrowser})
        signalRow->addWidget(w);
    column->addLayout(signalRow);

    m_ui.quotePaneHost = paneHost(QStringLiteral("wbrRealTimeQuote"), area);
    m_ui.chartPaneHost = paneHost(QStringLiteral("wbrRealTimeChart"), area);
    m_ui.nasdaqPaneHost = paneHost(QStringLiteral("wbrRealTimeNASDAQ"), area);
    m_ui.nasdaqPaneHost->hide();
    m_ui.contentPaneHost = paneHost(QStringLiteral("wbrStockContent"), area);
    m_ui.contentPaneHost->hide();
    auto* charts = new QHBoxLayout;
    charts->addWidget(m_ui.quotePaneHost, 1);
    charts->addWidget(m_ui.chartPaneHost, 1);
    charts->addWidget(m_ui.nasdaqPaneHost, 1);
    column->addLayout(charts, 3);
    column->addWidget(m_ui.contentPaneHost, 1);

    m_ui.tabData = new QTabWidget(area);
    m_ui.tabData->setObjectName(QStringLiteral("tabData"));
    m_ui.historyPaneHost = paneHost(QStringLiteral("wbrHistorie"), m_ui.tabData);
    m_ui.technicalPaneHost = paneHost(QStringLiteral("wbrTechnicalChart"), m_ui.tabData);
    m_ui.hyPaneHost = paneHost(QStringLiteral("wbrHY"), m_ui.tabData);
    m_ui.tabData->addTab(m_ui.historyPaneHost, tr("history"));
    m_ui.tabData->addTab(m_ui.technicalPaneHost, tr("technical"));
    m_ui.tabData->addTab(m_ui.hyPaneHost, tr("signal"));
    m_ui.tabData->setCornerWidget(signalBox, Qt::TopRightCorner);

    auto* stopPage = new QWidget(m_ui.tabData);
    auto* stopColumn = new QVBoxLayout(stopPage);
    stopColumn->setContentsMargins(0, 0, 0, 0);
    m_stop = new WatchListModel(WatchListModel::stopListHeaders(), this);
    m_ui.lstStop = listView(QStringLiteral("lstStop"), stopPage);
    m_ui.lstStop->setModel(m_stop);
    // The watch list's widths, as far as the stop list's own captions fit.
    for (int c = 0; c < m_stop->columnCount(); ++c)
        m_ui.lstStop->setColumnWidth(
            c, std::max(m_ui.lstItems->columnWidth(c), m_ui.lstStop->header()->sectionSizeHint(c)));
    stopColumn->addWidget(m_ui.lstStop, 1);
    auto* stopButtons = new QHBoxLayout;
    m_ui.cmdRemove = button(QStringLiteral("cmdRemove"), tr("remove"), stopPage);
    stopButtons->addWidget(m_ui.cmdSelectAll[1]);
    stopButtons->addWidget(m_ui.cmdClear[1]);
    stopButtons->addWidget(m_ui.cmdRemove);
    stopButtons->addWidget(m_ui.cmdGo[1]);
    stopButtons->addStretch(1);
    stopColumn->addLayout(stopButtons);
    m_ui.tabData->addTab(stopPage, tr("stop list"));
    column->addWidget(m_ui.tabData, 2);
    return area;
}

QWidget* MainWindow::buildOptionsPanel()
{
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("fraEinstellungen"));
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setMouseTracking(true);
    panel->installEventFilter(this);
    auto* grid = new QGridLayout(panel);

    m_ui.cboBank = new QComboBox(panel);
    m_ui.cboBank->setObjectName(QStringLiteral("cboBank"));
    m_ui.cboBenefits = new QComboBox(panel);
    m_ui.cboBenefits->setObjectName(QStringLiteral("cboBenefits"));
    m_ui.chkAutoCheck = checkBox(QStringLiteral("chkAutoCheck"), tr("check every entry on load"), panel);
    m_ui.chkAutoClear = checkBox(QStringLiteral("chkAutoClear"), tr("clear the list before loading"), panel);
    m_ui.chkAutoRefresh = checkBox(QStringLiteral("chkAutoRefresh"), tr("refresh the shown quote"), panel);
    m_ui.chkAktQuoteColorBold = checkBox(QStringLiteral("chkAktQuoteColorBold"), tr("quote in bold"), panel);
    m_ui.txtMaxMinChange = numberEdit(QStringLiteral("txtMaxMinChange"), kThresholdPattern, panel);
    m_ui.chkMarkMinMaxChange =
        checkBox(QStringLiteral("chkMarkMinMaxChange"), tr("tick entries past the threshold"), panel);
    m_ui.txtRealTimeRefresh = numberEdit(QStringLiteral("txtRealTimeRefresh"), kIntervalPattern, panel);
    m_ui.txt_ShowAllQuotesHintergrund =
        numberEdit(QStringLiteral("txt_ShowAllQuotesHintergrund"), kIntervalPattern, panel);
    m_ui.txtAutoReload = numberEdit(QStringLiteral("txtAutoReload"), kIntervalPattern, panel);
    m_ui.chkShowToolTip =
        checkBox(QStringLiteral("chkShowToolTip"), QStringLiteral("Zeige Tooltip für Einträge"), panel);
    m_ui.chkShowLBLToolTip =
        checkBox(QStringLiteral("chkShowLBLToolTip"), QStringLiteral("zeige Label-ToolTip"), panel);
    m_ui.sldToolTipTransparenz = new QSlider(Qt::Horizontal, panel);
    m_ui.sldToolTipTransparenz->setObjectName(QStringLiteral("sldToolTipTransparenz"));
    m_ui.sldToolTipTransparenz->setRange(0, 255);
    m_ui.chkAutoMarkLast =
        checkBox(QStringLiteral("chkAutoMarkLast"), tr("keep the last entry selected"), panel);
    m_ui.chkAutoGetOnlineQuotes =
        checkBox(QStringLiteral("chkAutoGetOnlineQuotes"), tr("check all quotes after loading"), panel);
    m_ui.chkMobile.resize(2);
    m_ui.chkMobile[1] =
        checkBox(QStringLiteral("chkMobile_1"),
                 QStringLiteral("nur QuickPictures laden (kein Update für dein List-Eintrag)"), panel);
    m_ui.txtLstItemsBackcolor = lineEdit(QStringLiteral("txtLstItemsBackcolor"), panel);

    int row = 0;
    auto labelled = [&](const QString& caption, QWidget* w, int col) {
        auto* label = new QLabel(caption, panel);
        label->setBuddy(w);
        grid->addWidget(label, row, col);
        grid->addWidget(w, row, col + 1);
    };
    labelled(tr("bank"), m_ui.cboBank, 0);
    labelled(tr("benefits"), m_ui.cboBenefits, 2);
    labelled(tr("list colour (hex)"), m_ui.txtLstItemsBackcolor, 4);
    ++row;
    labelled(tr("threshold %"), m_ui.txtMaxMinChange, 0);
    labelled(tr("refresh ms"), m_ui.txtRealTimeRefresh, 2);
    labelled(tr("background ms"), m_ui.txt_ShowAllQuotesHintergrund, 4);
    ++row;
    labelled(tr("auto reload ms"), m_ui.txtAutoReload, 0);
    // The slider's ends: 0 is the most transparent.
    labelled(QStringLiteral("(Transparenz: max"), m_ui.sldToolTipTransparenz, 2);
    grid->addWidget(new QLabel(QStringLiteral("min)"), panel), row, 4);
    ++row;
    const QList<QCheckBox*> checks = {
        m_ui.chkAutoCheck,           m_ui.chkAutoClear,   m_ui.chkAutoRefresh,    m_ui.chkAktQuoteColorBold,
        m_ui.chkMarkMinMaxChange,    m_ui.chkShowToolTip, m_ui.chkShowLBLToolTip, m_ui.chkAutoMarkLast,
        m_ui.chkAutoGetOnlineQuotes, m_ui.chkMobile[1]};
    for (int i = 0; i < checks.size(); ++i)
        grid->addWidget(checks[i], row + i / 3, (i % 3) * 2, 1, 2);
    m_ui.chkNotify =
        checkBox(QStringLiteral("chkNotify"), QStringLiteral("Desktop-Benachrichtigung bei Alarm"), panel);
    const int next = int(checks.size());
    grid->addWidget(m_ui.chkNotify, row + next / 3, (next % 3) * 2, 1, 2);
    m_ui.spnParallelPages = new QSpinBox(panel);
    m_ui.spnParallelPages->setObjectName(QStringLiteral("spnParallelPages"));
    m_ui.spnParallelPages->setRange(1, kMaxParallelPages);
    row += (next + 1 + 2) / 3;
    labelled(QStringLiteral("Seiten gleichzeitig"), m_ui.spnParallelPages, 0);
    return panel;
}

} // namespace td
