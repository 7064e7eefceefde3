// The process-memory rows: proportional set size of the program and every
// process it started (the web engine's renderers and helpers), each figure
// from a fresh child of this executable. PSS shares pages fairly between the
// processes, so the sum is what the program really costs the machine.
#include "benchinputs.h"
#include "benchrows.h"
#include "benchwindow.h"

#include "overview/previewsettings.h"
#include "overview/previewwindow.h"
#include "platform/browserpane.h"
#include "platform/panefactory.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTabWidget>
#include <QTest>
#include <QWebEngineView>

#include <cstdio>

namespace td::bench {

namespace {

constexpr int kTabs = 10;
// The web views the main window holds: quote, chart, NASDAQ, history,
// technical chart, HY and resources.
constexpr int kMainWindowViews = 7;
constexpr int kLoadTimeoutMs = 120000;

// Every site path answers with a small page, as a research site's page would
// be small next to what a renderer costs.
QByteArray sitePage(const QString& target)
{
    const QByteArray title = target.toHtmlEscaped().toUtf8();
    QByteArray filler;
    for (int i = 0; i < 200; ++i)
        filler += "<tr><td>row " + QByteArray::number(i) + "</td><td>12,34</td></tr>\n";
    return "<html><head><title>" + title + "</title></head><body><h1>" + title + "</h1><table>\n" + filler +
           "</table></body></html>";
}

void serveSitePages(loopback::PageServer& server)
{
    server.setFallback([](const loopback::PageRequest& request) {
        return loopback::PageResponse::page(sitePage(request.target), "text/html");
    });
}

qint64 parentOf(const QString& pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    // The command name may hold blanks and parentheses: the fields after it
    // start behind the last ")".
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    return fields.value(1).toLongLong();
}

qint64 pssKb(qint64 pid)
{
    QFile rollup(QStringLiteral("/proc/%1/smaps_rollup").arg(pid));
    if (!rollup.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : rollup.readAll().split('\n')) {
        if (line.startsWith("Pss:"))
            return line.mid(4).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

// This process and all its descendants.
qint64 treePssKb()
{
    QHash<qint64, QList<qint64>> children;
    const QStringList pids = QDir(QStringLiteral("/proc")).entryList({QStringLiteral("[0-9]*")}, QDir::Dirs);
    for (const QString& pid : pids)
        children[parentOf(pid)].append(pid.toLongLong());
    qint64 total = 0;
    QList<qint64> pending{QCoreApplication::applicationPid()};
    while (!pending.isEmpty()) {
        const qint64 pid = pending.takeLast();
        total += pssKb(pid);
        pending.append(children.value(pid));
    }
    return total;
}

// Lets the engine settle: a page that finished loading still lays out and
// paints for a moment.
void settle()
{
    QTest::qWait(3000);
}

// Ten plain web views in tabs, as a hand-written viewer would show the same
// pages: the floor the preview window is held against.
QList<QWebEngineView*> bareTabs(QTabWidget& tabs, const QStringList& addresses)
{
    QList<QWebEngineView*> views;
    for (const QString& address : addresses) {
        auto* view = new QWebEngineView(&tabs);
        tabs.addTab(view, address.right(12));
        view->load(BrowserPane::webAddress(address));
        views.append(view);
    }
    return views;
}

bool waitForViews(const QList<QWebEngineView*>& views)
{
    int finished = 0;
    for (QWebEngineView* view : views)
        QObject::connect(view, &QWebEngineView::loadFinished, view, [&finished] { ++finished; });
    return QTest::qWaitFor([&] { return finished >= views.size(); }, kLoadTimeoutMs);
}

PreviewWindow* previewWindow()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* preview = qobject_cast<PreviewWindow*>(widget); preview && !preview->isIndexWindow())
            return preview;
    return nullptr;
}

int printPss()
{
    settle();
    std::printf("pss %lld\n", static_cast<long long>(treePssKb()));
    return 0;
}

double medianOfThree(const QString& program, const QString& mode)
{
    return childMedianMb(program, {QStringLiteral("--pss-child"), mode}, "pss", kLoadTimeoutMs + 60000);
}

} // namespace

int pssChild(const QString& mode)
{
    QtPaneFactory realPanes;
    if (mode == u"bare") {
        QTabWidget tabs;
        tabs.resize(800, 600);
        tabs.show();
        if (!waitForViews(bareTabs(tabs, QStringList(kMainWindowViews, QStringLiteral("about:blank")))))
            return 1;
        return printPss();
    }

    BenchWindow bw(tickerListFile(5, false), &realPanes, [](SettingsStore& settings) {
        // The main window alone: no index window at start-up.
        settings.write(kShowIndexWindowKey, QStringLiteral("0"));
    });
    serveSitePages(bw.server);
    if (mode == u"main")
        return printPss();

    if (mode == u"main+tabs") {
        // Pages of the same size as the preview window's tabs get.
        QStringList addresses;
        for (int k = 0; k < kTabs; ++k)
            addresses.append(bw.server.baseUrl() + QStringLiteral("/tab%1").arg(k));
        QTabWidget tabs;
        tabs.resize(800, 600);
        tabs.show();
        if (!waitForViews(bareTabs(tabs, addresses)))
            return 1;
        return printPss();
    }

    if (mode == u"preview") {
        for (int k = 0; k < kTabs; ++k)
            bw.platform.settings.write(QStringLiteral("chkLoad%1").arg(k), QStringLiteral("1"));
        bw.window->openPreviewWindow(QString());
        const bool loaded = QTest::qWaitFor(
            [] {
                const PreviewWindow* preview = previewWindow();
                if (!preview)
                    return false;
                for (int k = 0; k < kTabs; ++k)
                    if (!preview->tabLoaded(k) || !preview->tabPane(k) ||
                        !preview->tabPane(k)->tag().isEmpty())
                        return false;
                return true;
            },
            kLoadTimeoutMs);
        if (!loaded) {
            const PreviewWindow* preview = previewWindow();
            for (int k = 0; preview && k < kTabs; ++k)
                std::fprintf(stderr, "tab %d: loaded %d, pane %d, tag %s\n", k, preview->tabLoaded(k),
                             preview->tabPane(k) != nullptr,
                             preview->tabPane(k) ? qPrintable(preview->tabPane(k)->tag()) : "");
            std::fprintf(stderr, "the preview window's tabs never all loaded\n");
            return 1;
        }
        // The flags go up as a tab starts; the server falls quiet once every
        // tab has its page.
        qsizetype served = -1;
        for (int second = 0; second < kLoadTimeoutMs / 1000 && served != bw.server.requests().size();
             ++second) {
            served = bw.server.requests().size();
            QTest::qWait(1000);
        }
        return printPss();
    }
    return 2;
}

QList<BenchRow> processMemoryRows(const QString& program)
{
    const double bare = medianOfThree(program, QStringLiteral("bare"));
    const double main = medianOfThree(program, QStringLiteral("main"));
    const double tabsFloor = medianOfThree(program, QStringLiteral("main+tabs"));
    const double preview = medianOfThree(program, QStringLiteral("preview"));
    return {{QStringLiteral("Memory (PSS) of all processes: main window"),
             QStringLiteral("seven blank web views, as many as the main window holds"),
             QStringLiteral("MB"),
             main,
             bare,
             BenchRow::Goal::Above,
             40,
             {}},
            {QStringLiteral("Memory (PSS): plus a preview window, ten tabs loaded"),
             QStringLiteral("main window plus ten plain web views, same pages"),
             QStringLiteral("MB"),
             preview,
             tabsFloor,
             BenchRow::Goal::Above,
             40,
             {}}};
}

} // namespace td::bench
