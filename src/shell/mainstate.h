#pragma once

#include "overview/htmlframe.h"
#include "quotes/chartselection.h"

#include <QDateTime>
#include <QString>

namespace td {

// Program-wide values of the main window that are not held by a control:
// what the subsystems share. Each subsystem keeps its own working values.
struct MainState
{
    bool bFirstActivate = true;
    quint64 oCurrentEntry = 0; // entry id, 0 for none
    int iLastIndex = 0;        // positions from 1, 0 for none
    int iHoverIndex = -1;
    int iSelectedIndex = 0;
    int bytHistoryChoice = 3;
    int iHistoryMonths = 12;
    int infoDisplayLimit = 30;
    QDateTime startTime;
    QString sProgramVersion;
    QString autoReloadText = QStringLiteral("60000");
    // sHtmlHead, sHtmlFoot and sLinkParts, built once at start-up.
    HtmlFrame htmlFrame;
    ChartSelection selection;
};

} // namespace td
