#include "overview/previewrules.h"

#include "overview/htmlframe.h"
#include "overview/overviewcommands.h"
#include "session/quotesymbol.h"

#include "platform/amount.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace td {

namespace {

struct TabInfo
{
    const char16_t* caption;
    const char16_t* kindSelecting; // the kind that selects it at first activation
    const char16_t* clickKind;     // the kind a click on it sets
};

constexpr std::array<TabInfo, kTabCount> kTabs = {{
    {u"COM", u"ComdirectIntradayChart", u"Kursinformationen"},
    {u"NAS", u"NASDAQRealTimeStockQuotes", u"NASDAQRealTimeStockQuotes"},
    {u"W:O", u"W:OForum", u"W:OForum"},
    {u"YMB", u"YBMESSAGE", u"YBMESSAGE"},
    {u"FVis", u"FINVIZ", u"FINVIZ"},
    {u"SHT", u"ShortSqueeze", u"ShortSqueeze"},
    {u"SEC", u"InsiderBuys", u"InsiderBuys"},
    {u"GOS", u"GoogleSearchItem", u"GoogleSearchItem"},
    {u"GOF", u"GoogleFinance", u"GoogleFinance"},
    {u"NEW", u"NewsItem", u"NewsItem"},
}};

QString stamp(const QString& kind, const QDateTime& now, const QLocale& locale)
{
    return kind + QStringLiteral(" [") + generalDateText(now, locale) + u']';
}

QString symbolOf(const PreviewEntry& entry)
{
    return quoteSymbol(entry.ticker, entry.place);
}

} // namespace

QList<PreviewEntry> previewEntries(const ChartSelection& selection)
{
    QList<PreviewEntry> entries;
    for (qsizetype i = 0; i < selection.sSelTicker.size(); ++i) {
        const QString wkn = selection.sSelWKN.value(i);
        entries.append({selection.sSelTicker.value(i), selection.sSelPlace.value(i), wkn,
                        selection.sSelName.value(i), wkn, selection.sSelISIN.value(i)});
    }
    return entries;
}

QList<ChooserItem> chooserItems(const QList<WatchEntry>& entries, bool nasOnly)
{
    QList<ChooserItem> items;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const auto& c = entries[i].columns;
        if (nasOnly && c[ColPlace] != u"NAS")
            continue;
        items.append({c[ColName] + QStringLiteral(" (") + quoteSymbol(c[ColTicker], c[ColPlace]) + u')',
                      QStringList{c[ColTicker], c[ColPlace], c[ColWkn], c[ColIsin]}.join(u';'),
                      entries[i].id});
    }
    return items;
}

int chooserRowOf(const QList<ChooserItem>& items, quint64 entryId)
{
    for (qsizetype row = 0; entryId != 0 && row < items.size(); ++row) {
        if (items[row].entryId == entryId)
            return static_cast<int>(row);
    }
    return -1;
}

PreviewEntry entryFromChooserItem(const ChooserItem& item)
{
    const QStringList fields = item.tag.split(u';');
    PreviewEntry entry;
    entry.ticker = fields.value(0);
    entry.place = fields.value(1);
    entry.wkn = fields.value(2);
    entry.wkn2 = entry.wkn;
    entry.isin = fields.value(3);
    entry.name = item.text;
    return entry;
}

PreviewEntry entryFromFreeText(PreviewEntry entry, const QString& text)
{
    entry.ticker = text;
    entry.name = text;
    entry.wkn.clear();
    entry.wkn2.clear();
    entry.isin.clear();
    return entry;
}

QString windowEntryCaption(const PreviewEntry& first, const QString& kind, const QDateTime& now,
                           const QLocale& locale)
{
    const QString title = first.name.isEmpty() ? symbolOf(first) : first.name;
    return title + QStringLiteral(" - ") + stamp(kind, now, locale);
}

QString viewCaption(const QString& kind, const QDateTime& now, const QLocale& locale)
{
    if (kind == kChartOverview)
        return stamp(kind, now, locale);
    if (isOverviewPageKind(kind))
        return kind;
    return {};
}

QString reloadCaption(const PreviewEntry& first, const QString& kind, const QDateTime& now,
                      const QLocale& locale)
{
    if (kind == kBenchmark)
        return symbolOf(first) + QStringLiteral(" - ") + stamp(kind, now, locale);
    return kind;
}

bool reloadTimerRuns(const QString& reloadText)
{
    return QString::compare(reloadText, QStringLiteral("0"), Qt::CaseSensitive) > 0;
}

int reloadIntervalMs(const QString& reloadText)
{
    const double ms = std::nearbyint(leadingNumber(reloadText));
    if (!(ms >= 1.0))
        return 0;
    return static_cast<int>(std::min(ms, double(std::numeric_limits<int>::max())));
}

QStringList tabCaptions(int selectedTab)
{
    QStringList captions;
    for (int k = 0; k < kTabCount; ++k) {
        QString caption = QString::fromUtf16(kTabs[k].caption) + QStringLiteral("    ");
        if (k == selectedTab && (k == kComdirectTab || k == kFinvizTab))
            caption.prepend(QString(9, u' '));
        captions.append(caption);
    }
    return captions;
}

int tabOfKind(const QString& kind)
{
    for (int k = 0; k < kTabCount; ++k) {
        if (kind == QStringView(kTabs[k].kindSelecting))
            return k;
    }
    return -1;
}

QString tabClickKind(int tab)
{
    if (tab < 0 || tab >= kTabCount)
        return {};
    return QString::fromUtf16(kTabs[tab].clickKind);
}

} // namespace td
