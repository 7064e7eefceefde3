#include "windowharness.h"

#include "platform/browserpane.h"
#include "quotes/selectionflow.h"
#include "watchlist/watchlistmodel.h"

#include <QTest>
#include <QTreeView>

namespace td::test {

namespace {
template <typename T> T& child(MainWindow& window, const QString& name)
{
    T* found = window.findChild<T*>(name);
    if (!found)
        qFatal("no %s in the main window", qPrintable(name));
    return *found;
}
} // namespace

BrowserPane& pane(MainWindow& window, const QString& name)
{
    return child<BrowserPane>(window, name);
}

SelectionFlow& selection(MainWindow& window)
{
    return child<SelectionFlow>(window, QStringLiteral("selectionFlow"));
}

QTimer& timer(MainWindow& window, const QString& name)
{
    return child<QTimer>(window, name);
}

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
    selection(window).onListMouseUp(button, {});
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
