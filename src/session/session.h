#pragma once

#include "session/chartselection.h"

#include <QtGlobal>

namespace td {

// What the main window's subsystems share for the whole run: the entry shown
// and the one under the mouse, the chosen history span and the chart
// selection. Anything one subsystem alone reads is its own.
struct Session
{
    quint64 oCurrentEntry = 0; // entry id, 0 for none
    int iLastIndex = 0;        // positions from 1, 0 for none
    int iHoverIndex = -1;
    int iSelectedIndex = 0;
    int bytHistoryChoice = 3;
    int iHistoryMonths = 12;
    ChartSelection selection;
};

} // namespace td
