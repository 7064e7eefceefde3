#pragma once

#include "overview/htmlframe.h"
#include "platform/settingsstore.h"
#include "session/chartselection.h"

#include <QString>
#include <QStringList>

namespace td {

// The page files beside the program; every window of a kind shares its file.
inline const QString kChartsFile = QStringLiteral("~charts");
inline const QString kBenchmarkFile = QStringLiteral("~benchmark");

// The chart blocks of the chart overview, by cboBank's position.
enum ChartBank : int
{
    BankComdirect = 0,
    BankDab = 1,
};

// What the main window supplies when a page is written.
struct OverviewContext
{
    QString tickerFilePath; // txt_TickerFile
    int bank = BankDab;     // cboBank
    int iHistoryMonths = 12;
    QString reloadText = QStringLiteral("60000");  // txtAutoReload as typed
    QString sAutoReload = QStringLiteral("60000"); // its numeric value as text
};

// The self-reload script goes in when the typed text compares above "0" and
// its value is at least 1 ms ("abc" or "0.5" would reload without pause).
bool wantsReloadScript(const QString& reloadText, const QString& sAutoReload);

// A chart block: a one-day line chart of the symbol linking to the bank's
// search for it. The symbol goes in as given (escaped by the caller).
QString chartBlock(const LinkParts& parts, const QString& symbol);

// The writes of each page, one string per write; writePageFile() ends each
// with CR LF. The selection is the window's copy: its texts name the
// entries, its figures are Buying, B-%, Value and +|-. Entry texts and the
// list path are HTML-escaped.
QStringList chartOverviewWrites(const HtmlFrame& frame, const ChartSelection& selection,
                                const OverviewContext& context, const SettingsStore& hosts);
QStringList benchmarkWrites(const HtmlFrame& frame, const ChartSelection& selection,
                            const OverviewContext& context, const SettingsStore& hosts);

// The directory and the file name with one "/" between them.
QString pageFilePath(const QString& directory, const QString& fileName);

// Writes the page atomically, so a window reloading the file meanwhile sees
// the old page or the new one, never half of one.
bool writeOverviewPage(const QString& directory, const QString& fileName, const QStringList& writes);

} // namespace td
