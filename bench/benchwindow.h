#pragma once

#include "loopback/pageserver.h"
#include "shell/mainwindow.h"
#include "testplatform.h"

#include <functional>
#include <memory>

namespace td::bench {

// A real main window on the offscreen platform with scripted services, every
// site pointed at a loopback server in this process. With a list given, the
// window loads it as its default file during the first activation. With
// `panes` given, the window gets those panes instead of the recording ones;
// `presets` writes settings before the window reads them.
struct BenchWindow
{
    explicit BenchWindow(const QByteArray& defaultList = {}, PaneFactory* panes = nullptr,
                         const std::function<void(SettingsStore&)>& presets = {});

    test::TestPlatform platform;
    loopback::PageServer server;
    std::unique_ptr<PlatformContext> context;
    std::unique_ptr<MainWindow> window;
};

} // namespace td::bench
