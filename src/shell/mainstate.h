#pragma once

#include "overview/htmlframe.h"
#include "quotes/chartselection.h"
#include "watchlist/listfile.h"

#include <QDateTime>
#include <QString>

namespace td {

// Program-wide values of the main window that are not held by a control.
struct MainState
{
    bool bFirstActivate = true;
    bool bLoadOnActivate = false;
    bool bListChanged = false;
    // The file the shown list was loaded from or last saved to.
    ListOrigin listOrigin;
    quint64 oCurrentEntry = 0; // entry id, 0 for none
    int iLastIndex = 0;        // positions from 1, 0 for none
    int iHoverIndex = -1;
    int iSelectedIndex = 0;
    int bytHistoryChoice = 3;
    int iHistoryMonths = 12;
    bool bHistoryChange = false;
    int infoDisplayLimit = 30;
    QDateTime startTime;
    QString sProgramVersion;
    QString autoReloadText = QStringLiteral("60000");
    // sHtmlHead, sHtmlFoot and sLinkParts, built once at start-up.
    HtmlFrame htmlFrame;
    ChartSelection selection;

    // Quote retrieval.
    bool bWantQuoteContent = false;
    bool bRetryByWKN = false;
    bool bSignalHandled = false;
    // The quote pane's current load is a batch load: read with the search
    // layout whatever the last selection's retry left selected.
    bool bBatchLoad = false;
    QString Text1; // markup of the last quote page
    QString Text2; // markup of the last background page
    QString sPageText;
    QString sQuoteText;
    QString sChangeText;
    QString sBgQuoteText;
    QString sBgChangeText;
    Amount cBgQuote;
    Amount cBgDayPct;
    quint64 oBackgroundEntry = 0; // entry id
    quint64 oStopCopy = 0;        // stop-list entry id
};

} // namespace td
