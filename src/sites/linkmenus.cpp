#include "sites/linkmenus.h"

#include "platform/dialogs.h"
#include "platform/eventpump.h"
#include "platform/programname.h"
#include "platform/services.h"
#include "platform/twips.h"
#include "sites/linkfile.h"

#include <QAction>
#include <QFrame>
#include <QMenu>
#include <QPushButton>
#include <QUrl>

namespace td {

LinkMenus::LinkMenus(const Controls& controls, const Services& services, QObject* parent)
    : QObject(parent), m_ui(controls), m_services(services)
{
    for (const LinkMenuSpec* spec : {&internLinks(), &ownLinks()}) {
        QMenu* menu = menuOf(*spec);
        menu->setObjectName(spec->menu);
        menu->setTitle(spec->menuCaption);
        QAction* edit = menu->addAction(kEditMenuCaption);
        edit->setObjectName(spec->editItem);
        connect(edit, &QAction::triggered, this, [this, spec] { editFile(*spec); });
    }
    m_ui.cmdBenefits->setToolTip(internLinks().buttonToolTip);
    connect(m_ui.cmdBenefits, &QPushButton::clicked, this, [this] { showMenu(internLinks()); });
    connect(m_ui.cmdOwn, &QPushButton::clicked, this, [this] { showMenu(ownLinks()); });
}

QMenu* LinkMenus::menuOf(const LinkMenuSpec& spec) const
{
    return &spec == &internLinks() ? m_ui.mnuLINKS : m_ui.mnuOWN;
}

void LinkMenus::message(const QString& text)
{
    m_services.dialogs.message({kProgramName, text, DialogButtons::Ok, DialogIcon::None});
}

bool LinkMenus::rebuild(const LinkMenuSpec& spec)
{
    QMenu* menu = menuOf(spec);
    const QList<QAction*> actions = menu->actions();
    for (QAction* action : actions) {
        if (action->objectName() != spec.editItem) {
            menu->removeAction(action);
            action->deleteLater();
        }
    }
    letEventsRun();

    const QString path = linkFilePath(m_services.programDir, spec);
    const std::optional<LinkFile> file = readLinkFile(path);
    if (!file) {
        message(missingLinkFileMessage(spec));
        return false;
    }
    int nextInvalid = 0;
    for (qsizetype i = 0; i < file->items.size(); ++i) {
        const LinkItem& item = file->items[i];
        // Captions are literal: "&" is no mnemonic.
        QAction* action = menu->addAction(QString(item.caption).replace(u'&', QStringLiteral("&&")));
        action->setObjectName(spec.menu + QStringLiteral("0_") + QString::number(i));
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

void LinkMenus::showMenu(const LinkMenuSpec& spec)
{
    if (!rebuild(spec))
        return;
    const QPoint corner = m_ui.Picture2->mapTo(m_ui.window, QPoint(0, 0));
    const int offset = twipsToPx(kLinkMenuOffsetTwips);
    menuOf(spec)->popup(m_ui.window->mapToGlobal(corner + QPoint(offset, offset)));
}

void LinkMenus::editFile(const LinkMenuSpec& spec)
{
    const QString path = linkFilePath(m_services.programDir, spec);
    if (!m_services.urls.open(QUrl::fromLocalFile(path)))
        message(linkEditorFailedMessage(path));
}

} // namespace td
