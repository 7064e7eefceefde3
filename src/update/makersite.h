#pragma once

#include "platform/settingsstore.h"

#include <QString>

namespace td {

// The maker's servers, reached through the "Hosts" keys "maker-home" (home
// page, version file), "maker-download" (program file, ticker lists, update
// archive) and "maker-web" (banner pictures).
QString makerHomePage(const SettingsStore& hosts);
QString versionFileAddress(const SettingsStore& hosts);
QString programFileAddress(const SettingsStore& hosts);
// The first text of txtDownloadTickerFile.
QString defaultTickerListAddress(const SettingsStore& hosts);
QString updateArchiveAddress(const SettingsStore& hosts);
QString makerWebSite(const SettingsStore& hosts);
// The banner picture of a number from 1 to 25.
QString bannerPictureAddress(const SettingsStore& hosts, int banner);

// The credit under the name in the update box and the caption of Label6.
QString makerCredit();
// The lines that open the about message, each ending in CR LF.
QString makerNotice();

} // namespace td
