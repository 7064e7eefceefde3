#include "benchwindow.h"

#include <QTest>

#include <cstdio>
#include <cstdlib>

namespace td::bench {

BenchWindow::BenchWindow(const QByteArray& defaultList)
{
    platform.pointHostsAt(server.baseUrl());
    if (!defaultList.isEmpty())
        platform.writeFile(QStringLiteral("tic/default.tic"), defaultList);
    window = std::make_unique<MainWindow>(platform.context);
    window->show();
    if (!QTest::qWaitFor([this] { return !window->state().bFirstActivate; }, 60000)) {
        std::fprintf(stderr, "the main window never finished its first activation\n");
        std::exit(2);
    }
    server.clearRequests();
}

} // namespace td::bench
