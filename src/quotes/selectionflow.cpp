#include "quotes/selectionflow.h"

#include "platform/browserpane.h"
#include "platform/dialogs.h"
#include "platform/eventpump.h"
#include "platform/panewait.h"
#include "platform/programname.h"
#include "quotes/batchcheck.h"
#include "quotes/quoteloader.h"
#include "quotes/quotereading.h"
#include "quotes/quotesources.h"
#include "quotes/signaldisplay.h"
#include "quotes/statuspages.h"
#include "session/session.h"
#include "sites/sitecatalogue.h"
#include "sites/sitehosts.h"
#include "sites/sitepage.h"
#include "watchlist/watchlistmodel.h"

#include <QCheckBox>
#include <QLabel>
#include <QTabWidget>
#include <QTreeView>

#include <memory>

namespace td {

namespace {
Amount amountOr(const QString& text, Amount fallback)
{
    return parseGerman(text).value_or(fallback);
}
} // namespace

SelectionFlow::SelectionFlow(const Controls& controls, const Context& context, SelectionHost& host,
                             QObject* parent)
    : QObject(parent), m_ui(controls), m_ctx(context), m_host(host)
{
    connect(m_ctx.panes.wbrRealTimeQuote, &BrowserPane::navigateError, this,
            [this] { showNoData(QStringLiteral(" [Quote]")); });
    connect(m_ctx.panes.wbrRealTimeChart, &BrowserPane::navigateError, this,
            [this] { showNoData(QStringLiteral(" [Chart]")); });
}

int SelectionFlow::currentRow() const
{
    return m_ctx.items.rowOfId(m_ctx.state.oCurrentEntry);
}

void SelectionFlow::setCurrentRow(int row)
{
    m_ctx.state.oCurrentEntry = m_ctx.items.idAt(row);
}

bool SelectionFlow::refuseDuringBatch(const QString& message)
{
    if (!m_ctx.batch.isRunning())
        return false;
    m_ctx.dialogs.message({kProgramName, message, DialogButtons::Ok, DialogIcon::Information});
    return true;
}

void SelectionFlow::onListMouseUp(Qt::MouseButton button, QPoint position)
{
    if (refuseDuringBatch(QStringLiteral("batch is running. cancel before itemclick.")))
        return;
    m_ui.chkEdit->setChecked(false);
    vSelectItem(button == Qt::RightButton ? 2 : 1, position);
}

void SelectionFlow::onListDoubleClick()
{
    if (refuseDuringBatch(QStringLiteral("batch is running. cancel before doubleclick.")))
        return;
    const int row = m_ui.lstItems->currentIndex().row();
    if (row < 0)
        return;
    setCurrentRow(row);
    const WatchEntry& e = m_ctx.items.entry(row);
    ChartSelection& sel = m_ctx.state.selection;
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
    emit showChartRequested();
}

void SelectionFlow::onStopMouseUp(Qt::MouseButton button)
{
    if (button == Qt::RightButton)
        emit entryMenuRequested(QStringLiteral("STOP"));
}

void SelectionFlow::onStopItemClick(int stopRow)
{
    if (m_ctx.batch.isRunning() || stopRow < 0 || stopRow >= m_ctx.stop.size())
        return;
    const int row = m_ctx.stop.entry(stopRow).sourcePosition - 1;
    if (row < 0 || row >= m_ctx.items.size())
        return;
    setCurrentRow(row);
    const QModelIndex index = m_ctx.items.index(row, 0);
    m_ui.lstItems->scrollTo(index);
    m_ui.lstItems->setCurrentIndex(index);
    m_ctx.state.iHoverIndex = row + 1;
    vSelectItem(1);
}

void SelectionFlow::vSelectItem(int iButton, QPoint position)
{
    Q_UNUSED(position)
    Session& state = m_ctx.state;
    WatchListModel& items = m_ctx.items;
    const int row = m_ui.lstItems->currentIndex().row();
    if (row < 0 || row >= items.size())
        return;
    setCurrentRow(row);
    const quint64 id = items.entry(row).id;
    state.iSelectedIndex = row + 1;
    m_host.applyMoveButtonStates(moveButtonStates(state.iHoverIndex, items.size()));

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

    m_host.fillEditFields(entry);
    letEventsRun();

    if (iButton == 2) {
        emit entryMenuRequested(QStringLiteral("LIST"));
        return;
    }
    // The entry may have moved while events ran.
    const int current = items.rowOfId(id);
    if (current < 0)
        return;
    items.setHighlightRow(current);
    if (state.iLastIndex == state.iHoverIndex)
        return;
    if (!m_ui.chkLockTab->isChecked()) {
        m_ui.tabData->setCurrentIndex(0);
        if (m_host.nasdaqPaneOpen())
            m_host.toggleNasdaqPane();
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
    m_ui.lblAktInfo->setText(info.join(QStringLiteral("; ")));
    m_ui.lblAktInfo->setToolTip(QString()); // a check's summary tip no longer applies
}

void SelectionFlow::refresh()
{
    vShowMainChart(m_ctx.state.bytHistoryChoice);
}

void SelectionFlow::vShowMainChart(int iIndex)
{
    Q_UNUSED(iIndex)
    showMainChart(false);
}

void SelectionFlow::showHistorySpan(int choice)
{
    m_ctx.state.bytHistoryChoice = choice;
    showMainChart(true);
}

void SelectionFlow::showMainChart(bool historyChange)
{
    if (!m_active)
        return;
    m_host.showChartArea();
    updateNasdaqPane();
    if (!historyChange)
        showStatusPagesAndSnippets();

    m_ctx.signal.clear();
    m_ctx.panes.wbrHY->navigate(kEmptyPage);

    const bool mobile = m_host.mobileMode();
    if (!mobile)
        showDataTabs();
    if (!mobile)
        loadTradingSignal();
    if (!mobile && !historyChange)
        loadQuotePage();
    letEventsRun();
}

void SelectionFlow::updateNasdaqPane()
{
    if (!m_host.nasdaqPaneOpen())
        return;
    const ChartSelection& sel = m_ctx.state.selection;
    if (sel.sSelPlace.value(0) != u"NAS") {
        m_host.toggleNasdaqPane();
        return;
    }
    m_ctx.panes.wbrRealTimeNASDAQ->navigate(nasdaqLastSaleAddress(m_ctx.hosts, sel.sSelTicker.value(0)));
}

void SelectionFlow::showStatusPagesAndSnippets()
{
    const Panes& panes = m_ctx.panes;
    const QString symbol = m_ctx.state.selection.quoteSymbol();
    // The symbol goes into markup: as text, and inside the addresses of the
    // snippets' attributes, where the escaped form reads back as the symbol.
    const QString shown = symbol.toHtmlEscaped();
    panes.wbrStockContent->setSilent(true);
    panes.wbrStockContent->setVisible(false);
    // A status page ends whatever quote page the pane was loading.
    if (!m_host.mobileMode())
        m_ctx.quotes.show(receiveDataPage(QStringLiteral("<br>") + shown + QStringLiteral(" [Content]")));
    else
        m_ctx.quotes.show(receiveDataPage(QStringLiteral("<br>MOBILE OPTION ACTIVE")));
    panes.wbrRealTimeQuote->navigate(receiveDataPage(shown + QStringLiteral(" [Quote]")));
    letEventsRun();
    panes.wbrRealTimeChart->navigate(receiveDataPage(shown + QStringLiteral(" [Chart]")));
    letEventsRun();

    const SettingsStore& hosts = m_ctx.hosts;
    const QString search = quoteSearchAddress(hosts, shown);
    const auto chart = [&hosts, &shown](const QString& type) {
        return siteAddress(hosts, QStringLiteral("dab"), QStringLiteral("/dab_neu/charts/popup_intrachart"),
                           type + QStringLiteral("sym1=") + shown + QStringLiteral("&scrmbl=&lg=de&ct=de"));
    };
    panes.wbrRealTimeQuote->setSilent(true);
    panes.wbrRealTimeQuote->navigate(
        chartSnippetPage(search, chart(QStringLiteral("type=time&tsOffset=0&"))));
    letEventsRun();
    panes.wbrRealTimeChart->setSilent(true);
    panes.wbrRealTimeChart->navigate(chartSnippetPage(search, chart(QStringLiteral("type=intra&"))));
    letEventsRun();
}

void SelectionFlow::loadTradingSignal()
{
    // Without a current entry there is no ISIN to look up; a load that never
    // starts would leave the wait below without an end.
    const int row = currentRow();
    if (row < 0)
        return;
    letEventsRun();
    m_ctx.signal.load(signalAddress(row));
    waitForPane(m_ctx.signal.pane());
    letEventsRun();
}

QString SelectionFlow::signalAddress(int row) const
{
    return siteAddress(m_ctx.hosts, QStringLiteral("happyyuppie"), QStringLiteral("/cgi-bin/de/search.pl"),
                       QStringLiteral("isin=") + m_ctx.items.entry(row).columns[ColIsin] +
                           QStringLiteral("&typnr=3"));
}

// The data tabs would stay blank otherwise: the history chart of the chosen
// span, the technical chart and the page the signal is read from.
void SelectionFlow::showDataTabs()
{
    const int row = currentRow();
    if (row < 0)
        return;
    const ChartSelection& selection = m_ctx.state.selection;
    const QString months = QString::number(m_ctx.state.iHistoryMonths);
    m_ctx.panes.wbrHistorie->navigate(
        siteAddress(m_ctx.hosts, QStringLiteral("dab"), QStringLiteral("/dab_neu/charts/detailchart"),
                    QStringLiteral("hist=") + months + QStringLiteral("&log=0&type=1&sym1=") +
                        selection.quoteSymbol() + QStringLiteral("&lg=de&ct=de")));
    SiteValues values = siteValues(selection);
    values.historyMonths = m_ctx.state.iHistoryMonths;
    m_ctx.panes.wbrTechnicalChart->navigate(buildAddress(technicalChartPage(), values, m_ctx.hosts));
    m_ctx.panes.wbrHY->navigate(signalAddress(row));
}

void SelectionFlow::loadQuotePage()
{
    QuoteLoader& quotes = m_ctx.quotes;
    const quint64 id = m_ctx.state.oCurrentEntry;
    // Shared with the handler: a first try that is never answered (the pane
    // went on to another page) must not write into a frame that is gone.
    const auto quotePage = std::make_shared<bool>(false);
    const QString bankAddress = quoteSearchAddress(m_ctx.hosts, m_ctx.state.selection.quoteSymbol());
    const int shownRow = m_ctx.items.rowOfId(id);
    const QuoteRequest request = shownRow < 0 ? QuoteRequest{id, QuotePurpose::Selection, bankAddress}
                                              : m_ctx.sources.request(m_ctx.items.entry(shownRow),
                                                                      QuotePurpose::Selection, bankAddress);
    quotes.load(request, this, [this, quotePage](const QuoteAnswer& answer) {
        *quotePage = answer.hasKursdaten;
        readAnswer(answer);
    });
    letEventsRun();
    waitForPane(quotes.pane());

    // Only the bank has a second layout to try.
    const int row = m_ctx.items.rowOfId(id);
    if (*quotePage || row < 0 || request.source)
        return;
    // The second try is not waited for: its answer is read when it comes,
    // into the entry that asked, wherever the list has moved it by then.
    quotes.load(
        {id, QuotePurpose::WknRetry, quoteSearchAddress(m_ctx.hosts, m_ctx.items.entry(row).columns[ColWkn])},
        this, [this](const QuoteAnswer& answer) { readAnswer(answer); });
}

void SelectionFlow::readAnswer(const QuoteAnswer& answer)
{
    m_ctx.reading.vEvaluateQuote(answer, m_ctx.batch.isRunning());
}

void SelectionFlow::showNoData(const QString& suffix)
{
    const QString ticker = m_ctx.state.selection.sSelTicker.value(0);
    if (ticker.isEmpty())
        return;
    BrowserPane* pane = suffix == u" [Quote]" ? m_ctx.panes.wbrRealTimeQuote : m_ctx.panes.wbrRealTimeChart;
    pane->navigate(noDataPage(ticker.toHtmlEscaped() + suffix));
}

} // namespace td
