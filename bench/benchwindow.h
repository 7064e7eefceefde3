#pragma once

#include "loopback/pageserver.h"
#include "shell/mainwindow.h"
#include "testplatform.h"

#include <memory>

namespace td::bench {

// A real main window on the offscreen platform with scripted services, every
// site pointed at a loopback server in this process. With a list given, the
// window loads it as its default file during the first activation.
struct BenchWindow
{
    explicit BenchWindow(const QByteArray& defaultList = {});

    test::TestPlatform platform;
    loopback::PageServer server;
    std::unique_ptr<MainWindow> window;
};

} // namespace td::bench
