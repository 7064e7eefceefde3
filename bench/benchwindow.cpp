#include "benchwindow.h"

#include <QSignalSpy>
#include <QTest>

#include <cstdio>
#include <cstdlib>

namespace td::bench {

BenchWindow::BenchWindow(const QByteArray& defaultList, PaneFactory* panes,
                         const std::function<void(SettingsStore&)>& presets)
{
    if (presets)
        presets(platform.settings);
    platform.pointHostsAt(server.baseUrl());
    if (!defaultList.isEmpty())
        platform.writeFile(QStringLiteral("tic/default.tic"), defaultList);
    const PlatformContext& c = platform.context;
    context = std::make_unique<PlatformContext>(
        PlatformContext{c.settings, c.hosts, c.dialogs, c.clipboard, c.processes, c.clock,
                        panes ? *panes : c.panes, c.programDir, c.downloader, c.urls, c.notifier});
    window = std::make_unique<MainWindow>(*context);
    QSignalSpy activated(window.get(), &MainWindow::activated);
    window->show();
    if (!QTest::qWaitFor([&activated] { return !activated.isEmpty(); }, 60000)) {
        std::fprintf(stderr, "the main window never finished its first activation\n");
        std::exit(2);
    }
    server.clearRequests();
}

} // namespace td::bench
