#include "sites/entrymenu.h"

#include <QAction>
#include <QMenu>

namespace td {

namespace {

void addNodes(QMenu& menu, QMenu& root, QAction* before, const QList<MenuNode>& nodes,
              const std::function<void(const QString&)>& openSite)
{
    for (const MenuNode& node : nodes) {
        QAction* action = nullptr;
        switch (node.kind) {
        case MenuNode::Kind::Separator:
            action = new QAction(&menu);
            action->setSeparator(true);
            break;
        case MenuNode::Kind::SubMenu: {
            auto* sub = new QMenu(node.caption, &menu);
            addNodes(*sub, root, nullptr, node.children, openSite);
            action = sub->menuAction();
            break;
        }
        case MenuNode::Kind::Action:
            action = root.findChild<QAction*>(node.name);
            if (action)
                menu.removeAction(action);
            else
                action = new QAction(&menu);
            action->setText(node.caption);
            break;
        case MenuNode::Kind::Site: {
            action = new QAction(node.caption, &menu);
            const QString key = node.key;
            QObject::connect(action, &QAction::triggered, &menu, [openSite, key] { openSite(key); });
            break;
        }
        case MenuNode::Kind::Inert:
            action = new QAction(node.caption, &menu);
            break;
        }
        if (!node.name.isEmpty())
            action->setObjectName(node.name);
        menu.insertAction(before, action);
    }
}

} // namespace

void buildEntryMenu(QMenu& menu, const QList<MenuNode>& nodes,
                    const std::function<void(const QString& key)>& openSite)
{
    // An Action node may take the first item itself; insert before the first
    // one that stays.
    QAction* before = nullptr;
    for (QAction* existing : menu.actions()) {
        const bool taken = std::any_of(nodes.begin(), nodes.end(), [existing](const MenuNode& n) {
            return n.kind == MenuNode::Kind::Action && n.name == existing->objectName();
        });
        if (!taken) {
            before = existing;
            break;
        }
    }
    addNodes(menu, menu, before, nodes, openSite);
}

} // namespace td
