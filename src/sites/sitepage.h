#pragma once

#include "platform/settingsstore.h"

#include <QDate>
#include <QList>
#include <QString>

namespace td {

struct ChartSelection;
struct WatchEntry;

// An outside page as data: the [Hosts] key of its site and a path-and-query
// template. Placeholders in the template:
//   {Name} {Ticker} {Place} {WKN}  the entry's fields
//   {Symbol}       Ticker "." Place
//   {WKNOrTicker}  the WKN, or the Ticker when the WKN is empty
//   {Search}       the quick-search text
//   {Current}      the resources pane's current address
//   {Date}         today as "dd.m.yyyy"
//   {Months}       the history span in months
//   {Host:key}     scheme://host of another [Hosts] key
// An empty host key means the template is a whole address of its own.
struct SitePage
{
    QString host;
    QString path;

    bool isEmpty() const { return host.isEmpty() && path.isEmpty(); }
};

// Everything a template may insert. Values go in exactly as they stand: no
// trimming, no case change, no URL encoding.
struct SiteValues
{
    QString name;
    QString ticker;
    QString place;
    QString wkn;
    QString searchText;     // txtQuickName
    QString currentAddress; // the resources pane's LocationURL
    QDate today;
    int historyMonths = 0; // iHistoryMonths

    QString symbol() const { return ticker + u'.' + place; }
};

// The entry's Name, Ticker, Place and WKN columns; the rest stays empty.
SiteValues siteValues(const WatchEntry& entry);
// Element `index` of the chart selection.
SiteValues siteValues(const ChartSelection& selection, int index = 0);

enum class SiteField
{
    Name,
    Ticker,
    Place,
    Wkn,
    Symbol,
    WknOrTicker,
    Search,
    Current,
    Date,
    Months,
};

// The one address builder: host of page.host + the filled template. Empty
// when the host key is neither known nor configured.
QString buildAddress(const SitePage& page, const SiteValues& values, const SettingsStore& hosts);

// Two-digit day, month without leading zero, four-digit year: "05.3.2024".
// Empty for an invalid date.
QString calendarDate(QDate date);

} // namespace td
