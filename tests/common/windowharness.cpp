#include "windowharness.h"

#include "platform/browserpane.h"
#include "quotes/batchcheck.h"
#include "quotes/selectionflow.h"
#include "watchlist/watchlistmodel.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>

namespace td::test {

BrowserPane& pane(MainWindow& window, const QString& name)
{
    return control<BrowserPane>(window, name);
}

SelectionFlow& selection(MainWindow& window)
{
    return control<SelectionFlow>(window, QStringLiteral("selectionFlow"));
}

QTimer& timer(MainWindow& window, const QString& name)
{
    return control<QTimer>(window, name);
}

void activate(MainWindow& window)
{
    QSignalSpy activated(&window, &MainWindow::activated);
    window.show();
    if (!QTest::qWaitFor([&activated] { return !activated.isEmpty(); }))
        qFatal("the window was never activated");
}

void clickEntry(MainWindow& window, int row, Qt::MouseButton button)
{
    QTreeView* list = widget<QTreeView>(window, QStringLiteral("lstItems"));
    list->setCurrentIndex(window.items().index(row, 0));
    // As the mouse over the entry does.
    Q_EMIT list->entered(window.items().index(row, 0));
    selection(window).onListMouseUp(button, {});
}

void whenTrue(QObject& context, std::function<bool()> condition, std::function<void()> action)
{
    auto* poll = new QTimer(&context);
    poll->setInterval(1);
    QObject::connect(poll, &QTimer::timeout, &context, [poll, condition, action] {
        if (!condition())
            return;
        poll->stop();
        poll->deleteLater();
        action();
    });
    poll->start();
}

void duringBatch(MainWindow& window, TestPlatform& platform, std::function<void()> action)
{
    loopback::PageServer silent;
    silent.setFallback([](const loopback::PageRequest&) { return loopback::PageResponse::hang(); });
    platform.pointHostsAt(silent.baseUrl());
    auto* batch = window.findChild<QPushButton*>(QStringLiteral("cmdCheckAllQuotes"));
    const BatchCheck& check = control<BatchCheck>(window, QStringLiteral("batchCheck"));
    bool acted = false;
    whenTrue(
        window, [&check] { return check.isRunning(); },
        [&] {
            action();
            acted = true;
            batch->click();
        });
    batch->click();
    if (!acted)
        qFatal("the batch check never ran: no ticked entry?");
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
