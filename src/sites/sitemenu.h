#pragma once

#include <QList>
#include <QString>

namespace td {

// One element of the entry menu mnuPop, as data for the window to build a
// QMenu from. Captions are shown literally (none holds "&").
struct MenuNode
{
    enum class Kind
    {
        Site,   // calls vOpenSite(key)
        Action, // a command of the main window, named by `name`
        Inert,  // shown, does nothing
        Separator,
        SubMenu, // `children` in order
    };
    Kind kind = Kind::Inert;
    QString caption;
    QString name; // the item's control name where it has one
    QString key;  // Site: the site key
    QList<MenuNode> children;
};

// mnuPop's site part, top to bottom: "Comdirect IntradayChart", "Show all"
// (the Action mnuShowCharts) ... "Google". The window appends its marking,
// copy and refresh items after it.
const QList<MenuNode>& entryMenuSiteItems();

} // namespace td
