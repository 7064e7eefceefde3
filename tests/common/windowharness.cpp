#include "windowharness.h"

#include "quotes/selectionflow.h"
#include "watchlist/watchlistmodel.h"

#include <QTest>
#include <QTreeView>

namespace td::test {

void activate(MainWindow& window)
{
    window.show();
    if (!QTest::qWaitFor([&window] { return !window.state().bFirstActivate; }))
        qFatal("the window was never activated");
}

void clickEntry(MainWindow& window, int row, Qt::MouseButton button)
{
    window.ui().lstItems->setCurrentIndex(window.items().index(row, 0));
    window.state().iHoverIndex = row + 1;
    window.selectionFlow().onListMouseUp(button, {});
}

ServedWindow::ServedWindow(const QByteArray& list)
{
    platform.pointHostsAt(server.baseUrl());
    platform.writeFile(QStringLiteral("tic/default.tic"), list);
}

MainWindow& ServedWindow::start()
{
    window = std::make_unique<MainWindow>(platform.context);
    activate(*window);
    server.clearRequests();
    return *window;
}

} // namespace td::test
