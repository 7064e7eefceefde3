#pragma once

#include "overview/previewsettings.h"
#include "session/chartselection.h"
#include "watchlist/watchentry.h"

#include <QDateTime>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

namespace td {

// One entry of a preview window's own list, copied from the chart selection
// when the window is created. The site tabs use entry 0 only.
struct PreviewEntry
{
    QString ticker;
    QString place;
    QString wkn;
    QString name;
    QString wkn2; // the WKN of the bank's fallback search
    QString isin;
    bool operator==(const PreviewEntry&) const = default;
};

// Every index of sSelTicker; a shorter text list gives "".
QList<PreviewEntry> previewEntries(const ChartSelection& selection);

// --- Stock chooser (cboStocks) -----------------------------------------

struct ChooserItem
{
    QString text; // Name " (" Ticker "." Place ")"
    QString tag;  // Ticker ";" Place ";" WKN ";" ISIN
    // The watch-list entry's id: a sort or an edit of the list since the
    // chooser was filled must not make the item name another entry.
    quint64 entryId = 0;
    bool operator==(const ChooserItem&) const = default;
};

// The watch list in list order; with `nasOnly` only the entries at "NAS".
QList<ChooserItem> chooserItems(const QList<WatchEntry>& entries, bool nasOnly);
// The chooser row of the entry with this id; -1 when it is not listed.
int chooserRowOf(const QList<ChooserItem>& items, quint64 entryId);

// Entry 0 after picking an item: the tag's fields, the item text as name.
PreviewEntry entryFromChooserItem(const ChooserItem& item);
// Entry 0 after typing a text that is no item: the text as ticker and name,
// WKN and ISIN emptied, the place kept.
PreviewEntry entryFromFreeText(PreviewEntry entry, const QString& text);

// --- Captions ----------------------------------------------------------

// v_mUpdateWindowEntry: Name(0), or Ticker(0) "." Place(0) when the name is
// empty; then " - " kind " [" date "]".
QString windowEntryCaption(const PreviewEntry& first, const QString& kind, const QDateTime& now,
                           const QLocale& locale = QLocale::system());
// The caption v_mRefreshView puts over it for an overview kind; empty for a
// site key, which keeps the entry caption.
QString viewCaption(const QString& kind, const QDateTime& now, const QLocale& locale = QLocale::system());
// tmrRefresh's caption: the benchmark names entry 0 and the time, any other
// kind is its name alone.
QString reloadCaption(const PreviewEntry& first, const QString& kind, const QDateTime& now,
                      const QLocale& locale = QLocale::system());

// --- Reload timer (tmrRefresh) -----------------------------------------

// tmrRefresh runs only while txtAutoReload's text compares above "0" as
// plain text ("60000" does, "0", "" and "-5" do not).
bool reloadTimerRuns(const QString& reloadText);
// Its interval on a tick: the text's leading number in milliseconds, rounded
// as the interval boxes round (ties to even, "500.5" gives 500); 0 when
// that is below 1 ms, which stops the timer rather than reload without pause.
int reloadIntervalMs(const QString& reloadText);

// --- Tabs ----------------------------------------------------------------

inline constexpr int kComdirectTab = 0; // carries "hist"
inline constexpr int kFinvizTab = 4;    // carries "all"

// "COM" to "NEW", each followed by four blanks; tab 0 or 4, when it is the
// selected tab, has nine blanks in front to make room for its button.
QStringList tabCaptions(int selectedTab);
// The tab a window of this kind selects at first activation; -1 keeps the
// tab strip as it is.
int tabOfKind(const QString& kind);
// The window's new kind when the user clicks tab `tab`.
QString tabClickKind(int tab);

} // namespace td
