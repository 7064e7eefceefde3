// The preview window's research tabs: site requests and the user's events.
#include "overview/overviewcommands.h"
#include "overview/previewaddresses.h"
#include "overview/previewhost.h"
#include "overview/previewwindow.h"
#include "platform/browserpane.h"
#include "platform/busycursor.h"
#include "platform/dialogs.h"
#include "platform/eventpump.h"
#include "platform/programname.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QLineEdit>
#include <QTabWidget>

namespace td {

namespace {
constexpr int kTagRole = Qt::UserRole + 1;
} // namespace

SiteValues PreviewWindow::siteValuesNow() const
{
    const PreviewEntry first = m_entries.value(0);
    SiteValues values;
    values.name = first.name;
    values.ticker = first.ticker;
    values.place = first.place;
    values.wkn = first.wkn;
    values.today = QDate::currentDate();
    values.historyMonths = m_setup.iHistoryMonths;
    return values;
}

void PreviewWindow::runSiteRequest(const QString& key)
{
    SiteValues values = siteValuesNow();
    if (key == kOtherKey)
        values.currentAddress = m_host.resourcesAddress();
    TabFlags checked{};
    TabFlags loaded{};
    for (int k = 0; k < kTabCount; ++k) {
        checked[k] = m_tabs[k].chkLoad->isChecked();
        loaded[k] = m_tabs[k].loaded;
    }
    const QList<int> autoTabs = autoLoadTabs(checked, loaded);
    for (int k = 0; k < kTabCount; ++k)
        m_tabs[k].loaded = loaded[k];
    for (int k : autoTabs) {
        loadTabPage(k, values);
        if (m_closed)
            return;
    }
    const SiteRow* row = takeSiteRow(key, loaded);
    for (int k = 0; k < kTabCount; ++k)
        m_tabs[k].loaded = loaded[k];
    if (!row)
        return;
    selectTab(row->tab);
    const QString address = buildAddress(row->page, values, m_services.hosts);
    if (row->titleFromAddress)
        setWindowTitle(address);
    if (!row->fallback.isEmpty())
        bankSearch(row->tab, row->page, row->fallback, values);
    else if (!address.isEmpty())
        ensureTabPane(row->tab).navigate(address);
}

void PreviewWindow::loadTabPage(int k, const SiteValues& values)
{
    const PreviewTab& tab = previewTabs()[k];
    if (!tab.fallback.isEmpty()) {
        bankSearch(k, tab.page, tab.fallback, values);
        return;
    }
    const QString address = buildAddress(tab.page, values, m_services.hosts);
    if (address.isEmpty())
        return;
    if (tab.viaUrlBox) {
        txtURL->setText(address);
        ensureTabPane(k).navigate(txtURL->text());
    } else {
        ensureTabPane(k).navigate(address);
    }
}

void PreviewWindow::bankSearch(int k, const SitePage& page, const SitePage& fallback,
                               const SiteValues& values)
{
    BrowserPane& pane = ensureTabPane(k);
    const QString address = buildAddress(page, values, m_services.hosts);
    if (address.isEmpty())
        return;
    pane.setTag(QStringLiteral("LOAD"));
    pane.navigate(address);
    if (!waitForTag(pane))
        return;
    if (reachedInstrumentPage(m_tabs[k].address))
        return;
    const QString second = buildAddress(fallback, values, m_services.hosts);
    if (!second.isEmpty())
        pane.navigate(second);
}

void PreviewWindow::selectTab(int tab)
{
    const QSignalBlocker block(tabSites);
    tabSites->setCurrentIndex(tab);
    const QStringList captions = tabCaptions(tab);
    for (int k = 0; k < kTabCount; ++k)
        tabSites->setTabText(k, captions[k]);
    if (isVisible())
        ensureTabPane(tab);
}

void PreviewWindow::onTabComplete(int k, const QString& url)
{
    if (bActivatePending)
        return;
    Tab& tab = m_tabs[k];
    if (url != u"about:blank")
        tab.address = url;
    txtURL->setText(m_tabs[tabSites->currentIndex()].address);
    tab.pane->setTag({});
    letEventsRun();
}

void PreviewWindow::fillChooser(bool nasOnly)
{
    cboStocks->clear();
    const QList<ChooserItem> items = chooserItems(m_host.watchEntries(), nasOnly);
    for (const ChooserItem& item : items) {
        cboStocks->addItem(item.text, QVariant::fromValue(item.entryId));
        cboStocks->setItemData(cboStocks->count() - 1, item.tag, kTagRole);
    }
    cboStocks->setCurrentIndex(chooserRowOf(items, m_host.lastSelectedEntry()));
}

// The items carry the entry's id as data and its tag as a second role.
QList<ChooserItem> PreviewWindow::shownChooserItems() const
{
    QList<ChooserItem> items;
    for (int i = 0; i < cboStocks->count(); ++i)
        items << ChooserItem{cboStocks->itemText(i), cboStocks->itemData(i, kTagRole).toString(),
                             cboStocks->itemData(i).value<quint64>()};
    return items;
}

void PreviewWindow::blankTabs()
{
    for (Tab& tab : m_tabs) {
        if (tab.pane)
            tab.pane->navigate(QStringLiteral("about:blank"));
        tab.address.clear();
        tab.loaded = false;
    }
}

void PreviewWindow::onChooserPicked(int row)
{
    if (bActivatePending || row < 0)
        return;
    BusyCursor busy;
    blankTabs();
    const ChooserItem item = shownChooserItems().value(row);
    m_host.selectEntryForPreview(item.entryId);
    if (m_closed || m_entries.isEmpty())
        return;
    m_entries[0] = entryFromChooserItem(item);
    v_mRefreshView();
}

void PreviewWindow::onChooserTyped()
{
    const QString text = cboStocks->currentText();
    // A text naming an item was taken as a pick already.
    if (bActivatePending || cboStocks->findText(text) >= 0 || m_entries.isEmpty())
        return;
    BusyCursor busy;
    blankTabs();
    m_entries[0] = entryFromFreeText(m_entries[0], text);
    v_mRefreshView();
}

void PreviewWindow::onNasFilter()
{
    fillChooser(chkNAS->isChecked());
}

void PreviewWindow::onTabClicked(int tab)
{
    if (bActivatePending || tab < 0)
        return;
    selectTab(tab);
    m_kind = tabClickKind(tab);
    letEventsRun();
    v_mRefreshView();
    if (m_closed)
        return;
    letEventsRun();
    txtURL->setText(m_tabs[tabSites->currentIndex()].address);
}

void PreviewWindow::onGo()
{
    if (bActivatePending)
        return;
    ensureTabPane(tabSites->currentIndex()).navigate(txtURL->text());
}

void PreviewWindow::onHist()
{
    const QString identifier = idNotation(m_tabs[kComdirectTab].address);
    if (identifier.isEmpty())
        m_services.dialogs.message({kProgramName, noIdNotationMessage(identifier)});
    letEventsRun(3);
    if (m_closed)
        return;
    ensureTabPane(kComdirectTab).navigate(histChartAddress(m_services.hosts, identifier));
}

void PreviewWindow::onFinVizAll()
{
    m_kind = kFinanceVisualization;
    v_mUpdateWindowEntry();
    const QList<ChooserItem> items = shownChooserItems();
    BrowserPane& pane = ensureTabPane(kFinvizTab);
    pane.setSilent(true);
    pane.setTag(QStringLiteral("Load"));
    pane.navigate(finvizScreenerAddress(m_services.hosts, usTickersOfChooser(items)));
    waitForTag(pane);
}

} // namespace td
