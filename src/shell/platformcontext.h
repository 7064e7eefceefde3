#pragma once

#include "platform/dialogs.h"
#include "platform/downloader.h"
#include "platform/notifier.h"
#include "platform/panefactory.h"
#include "platform/services.h"
#include "platform/settingsstore.h"

#include <QString>

namespace td {

// What the windows get from the platform. The program creates the real
// services; tests pass scripted ones and their own program directory.
struct PlatformContext
{
    SettingsStore& settings; // section "TdCk"
    SettingsStore& hosts;    // section "Hosts"
    Dialogs& dialogs;
    Clipboard& clipboard;
    ProcessLauncher& processes;
    Clock& clock;
    PaneFactory& panes;
    QString programDir;
    Downloader& downloader;
    UrlOpener& urls;
    Notifier& notifier;
    QString quoteSourcesFile; // quotesources.ini beside the settings file
};

} // namespace td
