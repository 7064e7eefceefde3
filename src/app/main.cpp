#include "app/commandline.h"
#include "platform/dbusnotifier.h"
#include "platform/panefactory.h"
#include "platform/programdir.h"
#include "platform/settingsstore.h"
#include "platform/singleinstance.h"
#include "quotes/quotesource.h"
#include "quotes/sourcetest.h"
#include "shell/mainwindow.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLoggingCategory>
#include <QTextStream>

#include <cstdio>
#include <optional>

#include <unistd.h>

namespace {

// Decided under a core application, so --help and --version need no display;
// a start that handed its file to the running copy ends here too.
std::optional<int> finishedBeforeWindow(int& argc, char* argv[], td::CommandLine& line)
{
    QCoreApplication parsing(argc, argv);
    line = td::parseCommandLine(QCoreApplication::arguments(), QDir::currentPath());
    if (line.mode == td::CommandLine::Mode::TestSource) {
        const td::IniSettingsStore settings(td::kMainSection);
        QTextStream out(stdout);
        return td::runSourceTest(td::quoteSourcesPath(settings.fileName()), line.sourceTest, out,
                                 td::pageTimeoutMs(settings));
    }
    if (line.mode == td::CommandLine::Mode::Exit) {
        std::fputs(qPrintable(line.output), line.exitCode == 0 ? stdout : stderr);
        return line.exitCode;
    }
    switch (td::SingleInstance(td::SingleInstance::defaultName()).handOver(line.file)) {
    case td::SingleInstance::HandOver::Delivered:
        return 0;
    case td::SingleInstance::HandOver::NoAnswer:
        std::fputs("Tickerdeck is already running but does not answer.\n", stderr);
        return 1;
    case td::SingleInstance::HandOver::NoneRunning:
        break;
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char* argv[])
{
    // The web engine refuses to run as root without this.
    if (::geteuid() == 0) {
        QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
        if (!flags.contains("--no-sandbox"))
            qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags + " --no-sandbox");
    }
    // Before any application object, the parsing one included.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    td::CommandLine line;
    if (const std::optional<int> exitCode = finishedBeforeWindow(argc, argv, line))
        return *exitCode;

    // The web engine's report of its graphics set-up on every start is for
    // whoever debugs it; QT_LOGGING_RULES still brings it back.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tickerdeck"));
    QApplication::setOrganizationName(td::kPublisher);
    QApplication::setDesktopFileName(QStringLiteral("tickerdeck"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/app/tickerdeck.svg")));

    td::IniSettingsStore settings(td::kMainSection);
    td::IniSettingsStore hosts(QStringLiteral("Hosts"));
    td::QtDialogs dialogs;
    td::SystemClipboard clipboard;
    td::SystemProcessLauncher processes;
    td::SystemClock clock;
    td::DesktopUrlOpener urls;
    td::QtPaneFactory panes(td::pageTimeoutMs(settings));
    // A download that stalls or drags on fails like a page that does.
    td::QtDownloader downloader(td::pageTimeoutMs(settings), td::pageTimeoutMs(settings));
    td::DBusNotifier notifier;
    td::PlatformContext platform{settings,   hosts, dialogs,  clipboard,
                                 processes,  clock, panes,    td::programDir(),
                                 downloader, urls,  notifier, td::quoteSourcesPath(settings.fileName())};

    td::MainWindow window(platform);
    dialogs.setParent(&window);
    td::SingleInstance instance(td::SingleInstance::defaultName());
    if (!instance.listen())
        qWarning("Tickerdeck: later starts cannot reach this copy.");
    QObject::connect(&instance, &td::SingleInstance::handed, &window, [&window](const QString& path) {
        window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
        window.show();
        window.raise();
        window.activateWindow();
        if (!path.isEmpty())
            window.openListFile(path);
    });
    window.show();
    if (!line.file.isEmpty())
        window.openListFile(line.file);
    return app.exec();
}
