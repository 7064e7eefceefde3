#pragma once

#include <QString>

#include <array>

namespace td {

// All values are twips.

// The main window's normal height, at which the resources pane is out of view.
inline constexpr int kMainMinHeight = 7200;
inline constexpr int kResourcesLeft = 435;
inline constexpr int kResourcesTopBelowList = 6825;
// Window height not given to the pane below the list and over the list.
inline constexpr int kResourcesReserveBelowList = 7300;
inline constexpr int kResourcesReserveOverList = 1290;

struct ResourcesPaneLayout
{
    bool overList = false;
    int left = kResourcesLeft;
    int top = 0;
    int height = 0;                 // never below 0
    bool listButtonsVisible = true; // cmdSelectAll(0) and cmdClear(0)
    QString tag;                    // cmdFullBrowser's next step
    QString caption;
};

// The step a click on cmdFullBrowser takes from its tag: "SMALL" enlarges the
// pane over the list, anything else puts it back below the list.
ResourcesPaneLayout fullBrowserStep(const QString& tag, int mainHeight, int listTop);

struct ColumnWidth
{
    int column;
    int twips; // 0 hides the column
};

// The layout button keeps its narrow strip beside the list in both layouts:
// the wide list leaves the fixed-width window no room for a wider one.
struct ListLayout
{
    bool wide = false;
    int listWidth = 0;
    std::array<ColumnWidth, 6> columns{};
    QString tag; // cmdEnhanceListbox's tag after the click
    QString caption;
};

// What a click on cmdEnhanceListbox makes of the list: tag "BIG" widens it,
// any other tag narrows it.
ListLayout listLayoutAfterClick(const QString& tag);

} // namespace td
