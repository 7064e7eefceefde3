#pragma once

#include "platform/settingsstore.h"

#include <QString>

namespace td {

// The version file's markup without "<HTML><HEAD></HEAD>", "<BODY><PRE>",
// "</PRE></BODY></HTML>" (exact case) and then without any CR and LF. Each
// marker is removed in one pass, so text that only forms a marker once
// another is gone stays.
QString cleanVersionText(const QString& markup);

// A version file is a line; reading stops here.
inline constexpr qint64 kVersionFileReadLimit = 64 * 1024;

// A cleaned text that can be a version: at most kMaxVersionLength
// characters, none of them a control character, "<" or ">". A file of
// random bytes or a web page is none, and must not offer an update.
inline constexpr int kMaxVersionLength = 32;
bool isVersionText(const QString& text);

struct VersionFileReading
{
    // Refused, timed out, an HTTP error status or no version text left
    // after cleaning: no version was read.
    bool failed = true;
    QString updateVersion; // sUpdateVersion; "" when failed
};

// wbrVersion's completion. `loadFailed`: the pane raised navigateError.
VersionFileReading readVersionFile(const QString& markup, bool loadFailed);

// cmdDownloadEXE after a check: only for a version that was read and is not
// this one. Compared whole and case-sensitive.
bool offersProgramDownload(const QString& programVersion, const VersionFileReading& reading);

// The banner rule: the integer part of uniform * 25 + 1, for uniform in
// [0, 1); kept within 1 to 25 whatever is passed.
int bannerNumber(double uniform);
// A fresh draw at every check.
int drawBannerNumber();

struct UpdateBox
{
    QString programVersion; // sProgramVersion
    QString updateVersion;  // sUpdateVersion
    // The version file could not be read: the red style says so instead of
    // naming a version.
    bool checkFailed = false;
    int banner = 0; // 0 while the check runs: no banner
};

// The update box (shown in wbrRealTimeQuote): one "about:" document. The version
// texts are HTML-escaped; the file's text comes from outside.
QString updateBoxDocument(const SettingsStore& hosts, const UpdateBox& box);

} // namespace td
