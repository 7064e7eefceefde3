#include "quotes/selectionflow.h"

#include "platform/browserpane.h"
#include "platform/panewait.h"
#include "quotes/signaldisplay.h"
#include "quotes/statuspages.h"
#include "shell/mainwindow.h"
#include "sites/sitehosts.h"
#include "watchlist/watchlistmodel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeView>

namespace td {

namespace {
Amount amountOr(const QString& text, Amount fallback)
{
    return parseGerman(text).value_or(fallback);
}
} // namespace

SelectionFlow::SelectionFlow(MainWindow& window) : QObject(&window), m_window(window)
{
    MainPanes& panes = window.panes();
    connect(panes.wbrRealTimeQuote, &BrowserPane::navigateError, this,
            [this] { showNoData(QStringLiteral(" [Quote]")); });
    connect(panes.wbrRealTimeChart, &BrowserPane::navigateError, this,
            [this] { showNoData(QStringLiteral(" [Chart]")); });
}

bool SelectionFlow::batchRunning() const
{
    return m_window.ui().cmdCheckAllQuotes->text() == u"0";
}

void SelectionFlow::onListMouseUp(Qt::MouseButton button, QPoint position)
{
    m_window.setShowChartsSource(QStringLiteral("LIST"));
    if (batchRunning()) {
        m_window.platform().dialogs.message({MainWindow::kProgramName,
                                             QStringLiteral("batch is running. cancel before itemclick."),
                                             DialogButtons::Ok, DialogIcon::Information});
        return;
    }
    m_window.ui().chkEdit->setChecked(false);
    vSelectItem(button == Qt::RightButton ? 2 : 1, position);
}

void SelectionFlow::onListDoubleClick()
{
    if (batchRunning()) {
        m_window.platform().dialogs.message({MainWindow::kProgramName,
                                             QStringLiteral("batch is running. cancel before doubleclick."),
                                             DialogButtons::Ok, DialogIcon::Information});
        return;
    }
    const int row = m_window.ui().lstItems->currentIndex().row();
    if (row < 0)
        return;
    m_window.setCurrentRow(row);
    const WatchEntry& e = m_window.items().entry(row);
    ChartSelection& sel = m_window.state().selection;
    const QList<QString> keptWkn = sel.sSelWKN;
    sel.reset();
    sel.sSelName = {e.columns[ColName]};
    sel.sSelTicker = {e.columns[ColTicker]};
    sel.sSelPlace = {e.columns[ColPlace]};
    sel.cSelQuote = {amountOr(e.columns[ColQuote], Amount())};
    sel.cSelDayPct = {amountOr(e.columns[ColPct], Amount())};
    sel.cSelBuyPct = {amountOr(e.columns[ColBPct], Amount())};
    sel.sSelISIN = {e.columns[ColIsin]};
    sel.sSelWKN = keptWkn;
    m_window.pressShowChart();
}

void SelectionFlow::onStopMouseUp(Qt::MouseButton button)
{
    if (button != Qt::RightButton)
        return;
    m_window.setShowChartsSource(QStringLiteral("STOP"));
    m_window.showEntryMenu();
}

void SelectionFlow::onStopItemClick(int stopRow)
{
    if (batchRunning() || stopRow < 0 || stopRow >= m_window.stopList().size())
        return;
    const int row = m_window.stopList().entry(stopRow).sourcePosition - 1;
    if (row < 0 || row >= m_window.items().size())
        return;
    m_window.setCurrentRow(row);
    const QModelIndex index = m_window.items().index(row, 0);
    m_window.ui().lstItems->scrollTo(index);
    m_window.ui().lstItems->setCurrentIndex(index);
    m_window.state().iHoverIndex = row + 1;
    vSelectItem(1);
}

void SelectionFlow::vSelectItem(int iButton, QPoint position)
{
    Q_UNUSED(position)
    MainState& state = m_window.state();
    WatchListModel& items = m_window.items();
    const int row = m_window.ui().lstItems->currentIndex().row();
    if (row < 0 || row >= items.size())
        return;
    m_window.setCurrentRow(row);
    const quint64 id = items.entry(row).id;
    state.iSelectedIndex = row + 1;

    const int count = items.size();
    m_window.ui().but_ItemRunter->setEnabled(state.iHoverIndex < count);
    m_window.ui().but_ItemRauf->setEnabled(state.iHoverIndex >= 2);
    m_window.ui().but_ItemRaufZuerst->setEnabled(m_window.ui().but_ItemRauf->isEnabled());
    m_window.ui().but_ItemRaufZuletzt->setEnabled(m_window.ui().but_ItemRunter->isEnabled());

    const WatchEntry entry = items.entry(row);
    ChartSelection& sel = state.selection;
    sel.reset();
    sel.sSelName = {entry.columns[ColName]};
    sel.sSelTicker = {entry.columns[ColTicker]};
    sel.sSelPlace = {entry.columns[ColPlace]};
    if (!entry.columns[ColQuote].isEmpty())
        sel.cSelQuote[0] = amountOr(entry.columns[ColQuote], sel.cSelQuote[0]);
    if (!entry.columns[ColPct].isEmpty())
        sel.cSelDayPct[0] = amountOr(entry.columns[ColPct], sel.cSelDayPct[0]);
    if (!entry.columns[ColBPct].isEmpty() && entry.columns[ColBPct] != u"n/a")
        sel.cSelBuyPct[0] = amountOr(entry.columns[ColBPct], sel.cSelBuyPct[0]);
    if (!entry.columns[ColWkn].isEmpty())
        sel.sSelWKN = {entry.columns[ColWkn]};
    if (!entry.columns[ColIsin].isEmpty())
        sel.sSelISIN = {entry.columns[ColIsin]};

    m_window.fillEditFields(entry);
    m_window.letEventsRun();

    if (iButton == 2) {
        m_window.showEntryMenu();
        return;
    }
    // The entry may have moved while events ran.
    const int current = items.rowOfId(id);
    if (current < 0)
        return;
    m_window.moveHighlightTo(current);
    if (state.iLastIndex == state.iHoverIndex)
        return;
    if (!m_window.ui().chkLockTab->isChecked()) {
        m_window.ui().tabData->setCurrentIndex(0);
        if (m_window.nasdaqPaneOpen())
            m_window.ui().cmdNAS->click();
    }
    vShowMainChart(state.bytHistoryChoice);
    const int after = items.rowOfId(id);
    if (after < 0)
        return;
    state.iLastIndex = after + 1;

    // A QLabel in plain-text mode shows "&" as it stands; no doubling needed.
    const WatchEntry& shown = items.entry(after);
    QStringList info{shown.columns[ColName]};
    for (int c = ColTicker; c <= ColCur; ++c)
        info << shown.columns[c];
    m_window.ui().lblAktInfo->setText(info.join(QStringLiteral("; ")));
}

void SelectionFlow::vShowMainChart(int iIndex)
{
    Q_UNUSED(iIndex)
    MainState& state = m_window.state();
    if (state.bFirstActivate)
        return;
    showChartArea();
    updateNasdaqPane();
    if (!state.bHistoryChange)
        showStatusPagesAndSnippets();

    m_window.signalDisplay().clear();
    m_window.panes().wbrHY->navigate(kEmptyPage);

    const bool mobile = m_window.mobileMode();
    if (!mobile)
        loadTradingSignal();
    if (!mobile && !state.bHistoryChange)
        loadQuotePage();
    m_window.letEventsRun();
}

void SelectionFlow::showChartArea()
{
    MainWindowUi& ui = m_window.ui();
    // The wide list covers the chart area; it shows again with the narrow one.
    if (ui.cmdEnhanceListbox->property("tag").toString() == u"BIG")
        ui.chartArea->show();
    ui.tabData->show();
    ui.cmdRefresh->show();
    ui.cboHis->show();
    ui.chkLockTab->show();
}

void SelectionFlow::updateNasdaqPane()
{
    if (!m_window.nasdaqPaneOpen())
        return;
    const ChartSelection& sel = m_window.state().selection;
    if (sel.sSelPlace.value(0) != u"NAS") {
        m_window.ui().cmdNAS->click();
        return;
    }
    const QString ticker = sel.sSelTicker.value(0);
    m_window.panes().wbrRealTimeNASDAQ->navigate(nasdaqLastSaleAddress(m_window.platform().hosts, ticker));
}

void SelectionFlow::showStatusPagesAndSnippets()
{
    MainPanes& panes = m_window.panes();
    MainState& state = m_window.state();
    const QString symbol = state.selection.quoteSymbol();
    panes.wbrStockContent->setSilent(true);
    panes.wbrStockContent->setVisible(false);
    if (!m_window.mobileMode()) {
        state.bWantQuoteContent = false;
        panes.wbrStockContent->navigate(
            receiveDataPage(QStringLiteral("<br>") + symbol + QStringLiteral(" [Content]")));
    } else {
        panes.wbrStockContent->navigate(receiveDataPage(QStringLiteral("<br>MOBILE OPTION ACTIVE")));
    }
    panes.wbrRealTimeQuote->navigate(receiveDataPage(symbol + QStringLiteral(" [Quote]")));
    m_window.letEventsRun();
    panes.wbrRealTimeChart->navigate(receiveDataPage(symbol + QStringLiteral(" [Chart]")));
    m_window.letEventsRun();

    const SettingsStore& hosts = m_window.platform().hosts;
    const QString search = quoteSearchAddress(m_window.platform().hosts, symbol);
    const auto chart = [&hosts, &symbol](const QString& type) {
        return siteAddress(hosts, QStringLiteral("dab"), QStringLiteral("/dab_neu/charts/popup_intrachart"),
                           type + QStringLiteral("sym1=") + symbol + QStringLiteral("&scrmbl=&lg=de&ct=de"));
    };
    panes.wbrRealTimeQuote->setSilent(true);
    panes.wbrRealTimeQuote->navigate(
        chartSnippetPage(search, chart(QStringLiteral("type=time&tsOffset=0&"))));
    m_window.letEventsRun();
    panes.wbrRealTimeChart->setSilent(true);
    panes.wbrRealTimeChart->navigate(chartSnippetPage(search, chart(QStringLiteral("type=intra&"))));
    m_window.letEventsRun();
}

void SelectionFlow::loadTradingSignal()
{
    // Without a current entry there is no ISIN to look up; a load that never
    // starts would leave the wait below without an end.
    const int row = m_window.currentRow();
    if (row < 0)
        return;
    BrowserPane& pane = *m_window.panes().wbrHandelssignal;
    m_window.letEventsRun();
    pane.setSilent(true);
    pane.setTag(QStringLiteral("LOAD"));
    m_window.state().bSignalHandled = false;
    pane.navigate(siteAddress(
        m_window.platform().hosts, QStringLiteral("happyyuppie"), QStringLiteral("/cgi-bin/de/search.pl"),
        QStringLiteral("isin=") + m_window.items().entry(row).columns[ColIsin] + QStringLiteral("&typnr=3")));
    waitForPane(pane);
    m_window.letEventsRun();
}

void SelectionFlow::loadQuotePage()
{
    MainState& state = m_window.state();
    BrowserPane& pane = *m_window.panes().wbrStockContent;
    state.bSignalHandled = false;
    state.bWantQuoteContent = true;
    state.bRetryByWKN = false;
    state.bBatchLoad = false;
    state.Text1.clear();
    pane.setTag(QStringLiteral("Load"));
    pane.navigate(quoteSearchAddress(m_window.platform().hosts, state.selection.quoteSymbol()));
    m_window.letEventsRun();
    waitForPane(pane);

    if (state.Text1.contains(QStringLiteral(">Kursdaten<")))
        return;
    const int row = m_window.currentRow();
    if (row < 0)
        return;
    // The second try is not waited for: its completion reads it when it comes.
    state.bRetryByWKN = true;
    pane.setTag(QStringLiteral("Load"));
    pane.navigate(quoteSearchAddress(m_window.platform().hosts, m_window.items().entry(row).columns[ColWkn]));
}

void SelectionFlow::showNoData(const QString& suffix)
{
    const QString ticker = m_window.state().selection.sSelTicker.value(0);
    if (ticker.isEmpty())
        return;
    BrowserPane* pane =
        suffix == u" [Quote]" ? m_window.panes().wbrRealTimeQuote : m_window.panes().wbrRealTimeChart;
    pane->navigate(noDataPage(ticker + suffix));
}

} // namespace td
