#include "sites/linkmenus.h"

#include "platform/dialogs.h"
#include "platform/eventpump.h"
#include "platform/programname.h"
#include "platform/services.h"
#include "sites/linkfile.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QUrl>

namespace td {

LinkMenus::LinkMenus(const Controls& controls, const Services& services, QObject* parent)
    : QObject(parent), m_ui(controls), m_services(services)
{
    for (const LinkMenuSpec* links : {&internLinks(), &ownLinks()}) {
        QMenu* menu = menuOf(*links);
        menu->setObjectName(links->menu);
        menu->setTitle(links->menuCaption);
        QAction* edit = menu->addAction(kEditMenuCaption);
        edit->setObjectName(links->editItem);
        connect(edit, &QAction::triggered, this, [this, links] { editFile(*links); });
    }
    m_ui.cmdBenefits->setToolTip(internLinks().buttonToolTip);
    connect(m_ui.cmdBenefits, &QPushButton::clicked, this, [this] { showMenu(internLinks()); });
    connect(m_ui.cmdOwn, &QPushButton::clicked, this, [this] { showMenu(ownLinks()); });
}

QMenu* LinkMenus::menuOf(const LinkMenuSpec& links) const
{
    return &links == &internLinks() ? m_ui.mnuLINKS : m_ui.mnuOWN;
}

void LinkMenus::message(const QString& text)
{
    m_services.dialogs.message({kProgramName, text, DialogButtons::Ok, DialogIcon::None});
}

bool LinkMenus::rebuild(const LinkMenuSpec& links)
{
    QMenu* menu = menuOf(links);
    const QList<QAction*> actions = menu->actions();
    for (QAction* action : actions) {
        if (action->objectName() != links.editItem) {
            menu->removeAction(action);
            action->deleteLater();
        }
    }
    letEventsRun();

    const QString path = linkFilePath(m_services.programDir, links);
    const std::optional<LinkFile> file = readLinkFile(path);
    if (!file) {
        message(missingLinkFileMessage(links));
        return false;
    }
    int nextInvalid = 0;
    for (qsizetype i = 0; i < file->items.size(); ++i) {
        const LinkItem& item = file->items[i];
        // Captions are literal: "&" is no mnemonic.
        QAction* action = menu->addAction(QString(item.caption).replace(u'&', QStringLiteral("&&")));
        action->setObjectName(links.menu + QStringLiteral("0_") + QString::number(i));
        if (item.valid) {
            const QString address = item.address;
            connect(action, &QAction::triggered, this, [this, address] { emit linkChosen(address); });
        } else {
            action->setEnabled(false);
            message(invalidLinkLineMessage(path, file->invalidLines.value(nextInvalid++)));
        }
    }
    return true;
}

void LinkMenus::showMenu(const LinkMenuSpec& links)
{
    if (!rebuild(links))
        return;
    // Under the clicked button: the button panel's corner is far from it.
    const QPushButton* button = &links == &internLinks() ? m_ui.cmdBenefits : m_ui.cmdOwn;
    menuOf(links)->popup(button->mapToGlobal(QPoint(0, button->height())));
}

void LinkMenus::editFile(const LinkMenuSpec& links)
{
    const QString path = linkFilePath(m_services.programDir, links);
    if (!m_services.urls.open(QUrl::fromLocalFile(path)))
        message(linkEditorFailedMessage(path));
}

} // namespace td
