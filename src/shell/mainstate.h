#pragma once

#include "overview/htmlframe.h"

#include <QDateTime>
#include <QString>

namespace td {

// The main window's own values that no control holds; what its subsystems
// share is the Session.
struct MainState
{
    bool bFirstActivate = true;
    int infoDisplayLimit = 30;
    QDateTime startTime;
    QString sProgramVersion;
    // sHtmlHead, sHtmlFoot and sLinkParts, built once at start-up.
    HtmlFrame htmlFrame;
};

} // namespace td
