#pragma once

#include "sites/sitemenu.h"

#include <functional>

class QMenu;

namespace td {

// Puts `nodes` in front of the items `menu` already holds (marking, copy,
// refresh). An Action node takes the menu's own action of that object name,
// moved into place and captioned; Site items call openSite with their key.
void buildEntryMenu(QMenu& menu, const QList<MenuNode>& nodes,
                    const std::function<void(const QString& key)>& openSite);

} // namespace td
