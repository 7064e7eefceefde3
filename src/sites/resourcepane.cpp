#include "sites/resourcepane.h"

namespace td {

namespace {

struct NamedPage
{
    QString name;
    SitePage page;
};

const QList<NamedPage>& resources()
{
    static const QList<NamedPage> list = {
        {QStringLiteral("Resources"), {QStringLiteral("boerse-go"), QStringLiteral("/commodities")}},
        {QStringLiteral("Indices"), {QStringLiteral("boerse-stuttgart"), QStringLiteral("/main.html")}},
        {QStringLiteral("Glossary"),
         {QStringLiteral("euwax"), QStringLiteral("/glossar/glossar_window.php?unten=a")}},
        {QStringLiteral("Calendar"),
         {QStringLiteral("welt"), QStringLiteral("/termine_uebersicht.asp?datum={Date}")}},
        {QStringLiteral("News"),
         {QStringLiteral("finanznachrichten"), QStringLiteral("/nachrichten/index.asp")}},
        {QStringLiteral("AdHoc"),
         {QStringLiteral("finanznachrichten"), QStringLiteral("/nachrichten/ad-hoc-mitteilungen.asp")}},
        {QStringLiteral("GoogleFinance"), {QStringLiteral("google-finance"), QStringLiteral("/finance")}},
    };
    return list;
}

} // namespace

const QList<SearchDestination>& searchDestinations()
{
    static const QList<SearchDestination> list = {
        {QStringLiteral("Comdirect"),
         QStringLiteral("mnuSearchComdirect"),
         {QStringLiteral("comdirect"),
          QStringLiteral("/inf/search/all.html?SEARCH_VALUE={Search}&x=11&y=7")}},
        {QStringLiteral("Google"),
         QStringLiteral("mnuSearchGoogle"),
         {QStringLiteral("google"), QStringLiteral("/search?q={Search}")}},
        {QStringLiteral("GoogleFinance"),
         QStringLiteral("mnuSearchGoogleFinance"),
         {QStringLiteral("google-finance"), QStringLiteral("/finance?q={Search}")}},
        {QStringLiteral("News"),
         QStringLiteral("mnuSearchNews"),
         {QStringLiteral("finanznachrichten"), QStringLiteral("/suche/suchergebnis.asp?words={Search}")}},
        {QStringLiteral("W:O"),
         QStringLiteral("mnuSearchWO"),
         {QStringLiteral("wallstreet-online"), QStringLiteral("/suche?q={Search}&suche=instrument")}},
    };
    return list;
}

const SearchDestination* searchDestination(const QString& name)
{
    for (const SearchDestination& d : searchDestinations()) {
        if (d.name == name)
            return &d;
    }
    return nullptr;
}

QString restoredSearchDestination(const QString& stored)
{
    return searchDestination(stored) ? stored : kDefaultSearchDestination;
}

QString quickSearchAddress(const QString& destination, const QString& text, const SettingsStore& hosts)
{
    const SearchDestination* d = searchDestination(destination);
    if (!d)
        return {};
    SiteValues values;
    values.searchText = text;
    return buildAddress(d->page, values, hosts);
}

bool isSearchPlaceholder(const QString& text)
{
    return searchDestination(text) != nullptr;
}

QString quickSearchTextAfterChoice(const QString& text, const QString& destination)
{
    return isSearchPlaceholder(text) ? destination : text;
}

std::optional<QString> quickSearchTextAfterFocusOut(const QString& text, const QString& destination)
{
    if (!text.isEmpty())
        return std::nullopt;
    return destination;
}

const QStringList& resourceListItems()
{
    static const QStringList items = {QString(20, u' '),          QStringLiteral("Resources"),
                                      QStringLiteral("Indices"),  QStringLiteral("Glossary"),
                                      QStringLiteral("Calendar"), QStringLiteral("News")};
    return items;
}

std::optional<int> resourceListHeight(int position)
{
    if (position == 0)
        return kCollapsedHeightTwips;
    if (position > 0 && position < resourceListItems().size())
        return kResourcesHeightTwips;
    return std::nullopt;
}

const SitePage* resourcePage(const QString& name)
{
    for (const NamedPage& r : resources()) {
        if (r.name == name)
            return &r.page;
    }
    return nullptr;
}

const QStringList& resourceNames()
{
    static const QStringList names = [] {
        QStringList list;
        for (const NamedPage& r : resources())
            list.append(r.name);
        return list;
    }();
    return names;
}

std::optional<int> grownWindowHeight(int heightTwips, int topTwips, int screenHeightTwips)
{
    // A window reaching below the screen keeps its height instead of shrinking.
    const int reaching = screenHeightTwips - topTwips;
    if (heightTwips > kCollapsedHeightTwips || reaching <= heightTwips)
        return std::nullopt;
    return reaching;
}

QString quoteDetail(const SiteValues& values)
{
    return values.symbol() + QStringLiteral(" [Quote]");
}

} // namespace td
