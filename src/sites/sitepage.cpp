#include "sites/sitepage.h"

#include "session/chartselection.h"
#include "sites/sitehosts.h"
#include "watchlist/watchentry.h"

#include <optional>

namespace td {

namespace {

const QString kHostPrefix = QStringLiteral("Host:");

std::optional<SiteField> fieldNamed(QStringView name)
{
    static const QList<std::pair<QString, SiteField>> names = {
        {QStringLiteral("Name"), SiteField::Name},
        {QStringLiteral("Ticker"), SiteField::Ticker},
        {QStringLiteral("Place"), SiteField::Place},
        {QStringLiteral("WKN"), SiteField::Wkn},
        {QStringLiteral("Symbol"), SiteField::Symbol},
        {QStringLiteral("WKNOrTicker"), SiteField::WknOrTicker},
        {QStringLiteral("Search"), SiteField::Search},
        {QStringLiteral("Current"), SiteField::Current},
        {QStringLiteral("Date"), SiteField::Date},
        {QStringLiteral("Months"), SiteField::Months},
    };
    for (const auto& [text, field] : names) {
        if (text == name)
            return field;
    }
    return std::nullopt;
}

QString fieldValue(SiteField field, const SiteValues& v)
{
    switch (field) {
    case SiteField::Name:
        return v.name;
    case SiteField::Ticker:
        return v.ticker;
    case SiteField::Place:
        return v.place;
    case SiteField::Wkn:
        return v.wkn;
    case SiteField::Symbol:
        return v.symbol();
    case SiteField::WknOrTicker:
        return v.wkn.isEmpty() ? v.ticker : v.wkn;
    case SiteField::Search:
        return v.searchText;
    case SiteField::Current:
        return v.currentAddress;
    case SiteField::Date:
        return calendarDate(v.today);
    case SiteField::Months:
        return QString::number(v.historyMonths);
    }
    return {};
}

// Calls text(piece) for literal text and name(placeholder) for each "{...}".
// The template is scanned once, so an inserted value is never read as a
// placeholder itself.
template <typename Text, typename Name> void scanTemplate(QStringView path, Text text, Name name)
{
    qsizetype pos = 0;
    while (pos < path.size()) {
        const qsizetype open = path.indexOf(u'{', pos);
        const qsizetype close = open < 0 ? -1 : path.indexOf(u'}', open);
        if (close < 0) {
            text(path.mid(pos));
            return;
        }
        text(path.mid(pos, open - pos));
        name(path.mid(open + 1, close - open - 1));
        pos = close + 1;
    }
}

} // namespace

SiteValues siteValues(const WatchEntry& entry)
{
    SiteValues v;
    v.name = entry.columns[ColName];
    v.ticker = entry.columns[ColTicker];
    v.place = entry.columns[ColPlace];
    v.wkn = entry.columns[ColWkn];
    return v;
}

SiteValues siteValues(const ChartSelection& selection, int index)
{
    SiteValues v;
    v.name = selection.sSelName.value(index);
    v.ticker = selection.sSelTicker.value(index);
    v.place = selection.sSelPlace.value(index);
    v.wkn = selection.sSelWKN.value(index);
    return v;
}

QString buildAddress(const SitePage& page, const SiteValues& values, const SettingsStore& hosts)
{
    QString address;
    if (!page.host.isEmpty()) {
        address = siteHost(hosts, page.host);
        if (address.isEmpty())
            return {};
    }
    bool known = true;
    scanTemplate(
        page.path, [&](QStringView piece) { address += piece; },
        [&](QStringView name) {
            if (name.startsWith(kHostPrefix)) {
                const QString host = siteHost(hosts, name.mid(kHostPrefix.size()).toString());
                known = known && !host.isEmpty();
                address += host;
            } else if (const auto field = fieldNamed(name)) {
                address += fieldValue(*field, values);
            } else {
                address += u'{';
                address += name;
                address += u'}';
            }
        });
    return known ? address : QString();
}

QString calendarDate(QDate date)
{
    if (!date.isValid())
        return {};
    return QStringLiteral("%1.%2.%3")
        .arg(date.day(), 2, 10, QChar(u'0'))
        .arg(date.month())
        .arg(date.year(), 4, 10, QChar(u'0'));
}

} // namespace td
