#include "platform/panewait.h"

#include "platform/browserpane.h"

#include <QEventLoop>
#include <QPointer>

namespace td {

PaneWait& PaneWait::instance()
{
    static PaneWait notifier;
    return notifier;
}

void PaneWait::wakeAll()
{
    emit instance().woken();
}

void waitForPane(BrowserPane& pane, const std::function<bool()>& stop)
{
    const QPointer<BrowserPane> watched(&pane);
    const auto done = [&] {
        return !watched || watched->tag().isEmpty() || (stop && stop());
    };
    if (done())
        return;

    QEventLoop loop;
    const auto check = [&] {
        if (done())
            loop.quit();
    };
    QObject::connect(&pane, &BrowserPane::tagChanged, &loop, check);
    QObject::connect(&pane, &QObject::destroyed, &loop, &QEventLoop::quit);
    QObject::connect(&PaneWait::instance(), &PaneWait::woken, &loop, check);
    loop.exec();
}

} // namespace td
