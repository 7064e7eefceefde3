#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>

namespace td {

class SettingsStore;

// Who wrote the pages: shown in the head and the foot of every overview page.
struct MakerInfo
{
    QString name;
    QString notice;
    QString homePage;
    QString contactAddress; // a "mailto:" address
    QString styleSheetAddress;
};

// The maker's details, with every address taken from the configured site hosts.
MakerInfo makerInfo(const SettingsStore& hosts);

// The pieces of a chart block: a link to the bank's search around its chart
// image. Joined as 0, symbol, 1, 3, symbol, 4, symbol, 5, 2.
using LinkParts = std::array<QString, 6>;
LinkParts buildLinkParts(const SettingsStore& hosts);

// The general date format, for the pages and the about box alike: short
// date, a blank, long time without its zone; at exactly midnight only the
// date.
QString generalDateText(const QDateTime& when, const QLocale& locale = QLocale::system());
// Its time part alone.
QString generalTimeText(const QTime& time, const QLocale& locale = QLocale::system());

// The page head, ending in CR LF; `startTime` is the date it carries.
QString vBuildHtmlHead(const MakerInfo& maker, const QDateTime& startTime,
                       const QLocale& locale = QLocale::system());
// The page foot: two lines, no line end after the second.
QString vBuildHtmlFoot(const MakerInfo& maker);

// Built once at start-up and kept for the whole run, so every page carries
// the start time rather than the time it was written.
struct HtmlFrame
{
    QString sHtmlHead;
    QString sHtmlFoot;
    LinkParts sLinkParts;
};

HtmlFrame buildHtmlFrame(const SettingsStore& hosts, const QDateTime& startTime,
                         const QLocale& locale = QLocale::system());

// Writes a page file in windows-1252, each write followed by CR LF. With the
// head as first write an empty line follows the body tag, as pages expect.
bool writePageFile(const QString& path, const QStringList& writes);

} // namespace td
