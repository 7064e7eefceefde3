#pragma once

#include "platform/settingsstore.h"

#include <QList>
#include <QRect>
#include <QString>

#include <array>

namespace td {

// The preview windows keep their options beside the main window's, texts
// throughout; coordinates are twips.

inline constexpr int kTabCount = 10;
using LoadBoxes = std::array<bool, kTabCount>;

inline const QString kShowIndexWindowKey = QStringLiteral("ShowINDICESSMALLWINDOW");

// "chkLoad" + tab: whether the tab loads by itself; "0" when absent.
QString loadBoxKey(int tab);
LoadBoxes readLoadBoxes(const SettingsStore& store);
// Written at unload of every window but the index window.
void writeLoadBoxes(SettingsStore& store, const LoadBoxes& checked);

struct TwipsRect
{
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    bool operator==(const TwipsRect&) const = default;
};

// "HTMPreview_*" for a normal window (default size 7215 x 8145) or
// "HTMPreviewSmall_*" for the index window (2820 x 2800). Stored positions
// count without their sign; a size that is no number above 0 keeps the
// default.
TwipsRect readPreviewGeometry(const SettingsStore& store, bool indexWindow);
// A normal window writes its geometry only in its normal state (the caller
// checks that); the index window writes its position and always the size
// "2825" x "2800".
void writePreviewGeometry(SettingsStore& store, bool indexWindow, const TwipsRect& geometry);

// A restored window whose top-left corner lies on no screen is moved onto
// the first screen, keeping its size as far as the screen allows.
QRect placedOnScreen(const QRect& window, const QList<QRect>& screens);

// The index window: its pane below the title strip, and the heights of the
// rolled-up and rolled-down window.
inline constexpr TwipsRect kIndexPaneTwips{-30, 180, 3600, 3000};
inline constexpr int kIndexRolledUpTwips = 200;
inline constexpr int kIndexRolledDownTwips = 2400;
inline constexpr int kIndexRefreshMs = 60000;
inline constexpr int kFirstRefreshMs = 1000; // tmrRefresh before its first tick

// Label4's tag holds the roll state, "0" at start.
struct RollStep
{
    QString tag;         // the label's new tag
    int heightTwips = 0; // the window's new height
    bool paneVisible = false;
    bool refreshSmall = false; // tmrRefreshSmall running
    bool operator==(const RollStep&) const = default;
};
inline const QString kRollDownTag = QStringLiteral("0");
// Roll-up from "0", roll-down from anything else.
RollStep rollStep(const QString& tag);

} // namespace td
