#pragma once

#include "sites/sitepage.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace td {

// The main window's resources pane wbrRealTimeRessources and its controls.
// While a page is fetched the pane shows receiveDataPage(detail)
// (quotes/statuspages.h): quick search with an empty detail, quick chart
// and technical chart with quoteDetail().

// Quick-search destinations, in mnuSearch's order. Addresses insert {Search},
// the text of txtQuickName as it stands.
struct SearchDestination
{
    QString name;     // also the placeholder text of txtQuickName
    QString menuItem; // its mnuSearch item
    SitePage page;
};

const QList<SearchDestination>& searchDestinations();
const SearchDestination* searchDestination(const QString& name);

inline const QString kSearchDestKey = QStringLiteral("SearchDest");
inline const QString kDefaultSearchDestination = QStringLiteral("Comdirect");

// The destination restored from the setting: an unknown name becomes the
// default, so exactly one mnuSearch item is checked.
QString restoredSearchDestination(const QString& stored);

// The quick search's address; empty for an unknown destination.
QString quickSearchAddress(const QString& destination, const QString& text, const SettingsStore& hosts);

// txtQuickName shows a placeholder: exactly one of the destination names.
bool isSearchPlaceholder(const QString& text);
// After choosing a destination: a placeholder becomes the new name, a real
// search text stays.
QString quickSearchTextAfterChoice(const QString& text, const QString& destination);
// Losing focus: an empty box gets the destination's name, in grey
// (kPlaceholderColour); otherwise nothing changes. On focus the box is
// emptied and its text turns black (kTypingColour).
std::optional<QString> quickSearchTextAfterFocusOut(const QString& text, const QString& destination);
inline constexpr std::uint32_t kPlaceholderColour = 0x808080;
inline constexpr std::uint32_t kTypingColour = 0x000000;

// The resources list cboBenefits: 20 blanks, then the five resource names.
const QStringList& resourceListItems();
// The window height a list position asks for, in twips: 7200 for the blank
// item (the pane goes out of view, nothing loads), 10000 for the others
// (vLoadResource with the item's text). None for a position off the list.
std::optional<int> resourceListHeight(int position);
inline constexpr int kCollapsedHeightTwips = 7200;
inline constexpr int kResourcesHeightTwips = 10000;

// vLoadResource's pages by name ("Resources", "Indices", "Glossary",
// "Calendar", "News", "AdHoc", "GoogleFinance"); nullptr for any other name.
const SitePage* resourcePage(const QString& name);
const QStringList& resourceNames();

// The window grows to the screen's bottom when it is at most 7200 twips
// high: the new height, or none when it keeps its height.
std::optional<int> grownWindowHeight(int heightTwips, int topTwips, int screenHeightTwips);

// The receive-data detail of the quick and technical charts.
QString quoteDetail(const SiteValues& values);
// The quick chart (cmdShowChart) shows bankSymbolSearchPage(), the
// technical chart (lblTA, not the left button) technicalChartPage() of
// sitecatalogue.h.

inline const QString kSearchImageToolTip = QStringLiteral("leftclick: search - rightclick: choose site");
inline const QString kTechnicalChartToolTip =
    QStringLiteral("leftclick to open in new window - rightclick for int browser");
inline const QString kResourceLabelToolTip = QStringLiteral("click to open in new window");

} // namespace td
