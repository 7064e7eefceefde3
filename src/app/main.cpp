#include "platform/dbusnotifier.h"
#include "platform/programdir.h"
#include "shell/mainwindow.h"

#include <QApplication>
#include <QIcon>

#include <unistd.h>

int main(int argc, char* argv[])
{
    // The web engine refuses to run as root without this.
    if (::geteuid() == 0) {
        QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
        if (!flags.contains("--no-sandbox"))
            qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags + " --no-sandbox");
    }
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
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
    td::PlatformContext platform{settings,         hosts,      dialogs, clipboard, processes, clock, panes,
                                 td::programDir(), downloader, urls,    notifier};

    td::MainWindow window(platform);
    dialogs.setParent(&window);
    window.show();
    return app.exec();
}
