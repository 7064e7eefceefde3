#pragma once

#include "sites/sitepage.h"

#include <QList>
#include <QString>

#include <array>

namespace td {

// A site request in the preview window (any key that is not an overview key):
//  1. for each tab of autoLoadTabs(chkLoad values, loaded flags): load its
//     PreviewTab page without selecting the tab (see PreviewTab);
//  2. row = takeSiteRow(key, loaded flags); none: nothing is selected or
//     loaded;
//  3. select row->tab and navigate it to buildAddress(row->page, values,
//     hosts), with the bank's fallback when row->fallback is set. An empty
//     address loads nothing.
// SiteValues carry the shown entry, and for the rows that need them the
// resources pane's address ("OTHER"), today ("calendar") and iHistoryMonths
// ("TECHNICAL").

// Pages more than one feature loads.
// The bank's site search for the quote symbol, and by WKN.
const SitePage& bankSymbolSearchPage();
const SitePage& bankWknSearchPage();
// The comdirect information site's technical chart for {Symbol} over {Months}.
const SitePage& technicalChartPage();

// The preview window's ten tab panes webTab(0..9).
inline constexpr int kPreviewTabCount = 10;
using TabFlags = std::array<bool, kPreviewTabCount>;

// One row of the site catalogue. A request walks the rows in order and uses
// the first whose key equals it (case-sensitive) and whose condition holds:
// a "once" row holds only while its tab's loaded flag is false, and sets it.
struct SiteRow
{
    QString key;
    int tab = 0;
    bool once = false;
    SitePage page;
    // Not empty: the bank's search with fallback. Set pane `tab`'s Tag to
    // "LOAD", navigate to `page`, wait until the Tag is "" again (or the page
    // time-out), and unless reachedInstrumentPage(recorded tab address)
    // navigate to `fallback` without waiting.
    SitePage fallback;
    // The address also becomes the preview window's title ("OTHER").
    bool titleFromAddress = false;
};

// The catalogue in its walking order.
const QList<SiteRow>& siteCatalogue();

// The row a request uses, or nullptr when none applies (unknown key, or a
// "once" row whose tab is loaded). Marks a "once" row's tab as loaded. The
// caller then selects row->tab, builds the address with buildAddress() and
// navigates that tab's pane.
const SiteRow* takeSiteRow(const QString& key, TabFlags& loaded);

// A tab of the preview window: its caption (the tab strip pads it with
// blanks), the key its click sends, and the page its chkLoad box loads.
struct PreviewTab
{
    QString caption;
    QString clickKey;
    SitePage page;
    SitePage fallback; // as in SiteRow
    // Tab 2: the address is written into txtURL and the pane navigates to
    // txtURL's text.
    bool viaUrlBox = false;
};

const std::array<PreviewTab, kPreviewTabCount>& previewTabs();

// Automatic tab loading, run before a request's key is looked at: the tabs
// whose chkLoad is ticked and whose loaded flag is false, in order 0 to 9.
// Marks them loaded. Each is loaded without selecting it.
QList<int> autoLoadTabs(const TabFlags& loadChecked, TabFlags& loaded);

// The bank's search landed on an instrument page: the address contains
// "ID_NOTATION=" in any case.
bool reachedInstrumentPage(const QString& tabAddress);

// Sent by a left click on lblTA. Its row shows the technical chart's detail
// page in tab 0.
inline const QString kTechnicalKey = QStringLiteral("TECHNICAL");
// Sent by lblRes: the resources pane's page in the preview window.
inline const QString kOtherKey = QStringLiteral("OTHER");

} // namespace td
