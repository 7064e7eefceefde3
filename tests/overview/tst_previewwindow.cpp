#include "overview/overviewcommands.h"
#include "overview/previewaddresses.h"
#include "overview/previewhost.h"
#include "overview/previewwindow.h"
#include "platform/twips.h"
#include "recordingpane.h"
#include "testplatform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTimeZone>
#include <QTimer>

using namespace td;
using td::test::RecordingPane;
using td::test::TestPlatform;

namespace {

const QLocale de(QLocale::German, QLocale::Germany);
const QDateTime when(QDate(2024, 3, 5), QTime(14, 5, 9), QTimeZone::utc());

WatchEntry watchEntry(const QString& name, const QString& ticker, const QString& place, quint64 id = 0)
{
    WatchEntry e;
    e.id = id;
    e.columns[ColName] = name;
    e.columns[ColTicker] = ticker;
    e.columns[ColPlace] = place;
    e.columns[ColWkn] = "W" + ticker;
    e.columns[ColIsin] = "I" + ticker;
    return e;
}

struct FakeHost final : PreviewHost
{
    QString autoReloadText() const override { return reloadText; }
    QList<WatchEntry> watchEntries() const override { return list; }
    quint64 lastSelectedEntry() const override { return lastSelected; }
    void selectEntryForPreview(quint64 id) override { selected << id; }
    QString resourcesAddress() const override { return {}; }
    void addWindowEntry(int id, const QString& caption) override { entries.insert(id, caption); }
    void updateWindowEntry(int, const QString&) override {} // the real list's text is checked in tst_editing
    int removeWindowEntry(int id) override
    {
        entries.remove(id);
        return static_cast<int>(entries.size());
    }
    void restoreMobileOption() override { ++mobileRestores; }
    QString reloadText = "60000";
    QList<WatchEntry> list{watchEntry("Apple", "AAPL", "NAS", 11), watchEntry("SAP", "SAP", "ETR", 12),
                           watchEntry("Microsoft", "MSFT", "NAS", 13)};
    quint64 lastSelected = 12;
    QList<quint64> selected;
    QMap<int, QString> entries;
    int mobileRestores = 0;
};

struct Preview
{
    explicit Preview(const QString& kind, const QMap<QString, QString>& settings = {}, int timeoutMs = 5000,
                     bool shown = true, const QString& reloadText = "60000")
    {
        host.reloadText = reloadText;
        for (auto [key, value] : settings.asKeyValueRange())
            p.settings.write(key, value);
        PreviewSetup setup;
        setup.kind = kind;
        setup.selection.setTexts("Apple", "AAPL", "NAS", "865985", "US0378331005");
        setup.programDir = p.programDir.path();
        setup.pageTimeoutMs = timeoutMs;
        window = new PreviewWindow(setup, {p.settings, p.hosts, p.dialogs, p.panes}, host);
        if (shown)
            show();
    }
    ~Preview() { delete window.data(); }
    void show()
    {
        QSignalSpy built(window.data(), &PreviewWindow::viewBuilt);
        window->show();
        QVERIFY(built.wait());
    }
    template <typename T> T* child(const char* name) { return window->findChild<T*>(QLatin1String(name)); }
    RecordingPane* tab(int k) { return qobject_cast<RecordingPane*>(window->tabPane(k)); }
    QString setting(const QString& key) { return p.settings.read(key, QStringLiteral("none")); }
    TestPlatform p;
    FakeHost host;
    QPointer<PreviewWindow> window;
};

} // namespace

class TestPreviewWindow : public QObject
{
    Q_OBJECT
private slots:
    void captions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("entryCaption");
        QTest::addColumn<QString>("viewCaption");
        QTest::addColumn<QString>("reloadCaption");
        const QString at = " [05.03.24 14:05:09]";
        const auto row = [](const char* kind, const char* name, QString entry, QString view, QString reload) {
            QTest::newRow(kind) << name << kind << entry << view << reload;
        };
        row("ChartOverview", "SAP SE", "SAP SE - ChartOverview" + at, "ChartOverview" + at, "ChartOverview");
        row("Benchmark", "", "SAP.ETR - Benchmark" + at, "Benchmark", "SAP.ETR - Benchmark" + at);
        row("FinanceVisualization", "x", "x - FinanceVisualization" + at, "FinanceVisualization",
            "FinanceVisualization");
        row("INDICESSMALLWINDOW", "", "SAP.ETR - INDICESSMALLWINDOW" + at, "INDICESSMALLWINDOW",
            "INDICESSMALLWINDOW");
        // A site key keeps the entry caption.
        row("FINVIZ", "SAP SE", "SAP SE - FINVIZ" + at, "", "FINVIZ");
    }
    void captions()
    {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        const PreviewEntry first{"SAP", "ETR", "", name, "", ""};
        QTEST(windowEntryCaption(first, kind, when, de), "entryCaption");
        QTEST(viewCaption(kind, when, de), "viewCaption");
        QTEST(reloadCaption(first, kind, when, de), "reloadCaption");
    }
    void chooser()
    {
        const QList<WatchEntry> list{watchEntry("SAP SE", "SAP", "ETR", 7),
                                     watchEntry("Apple", "AAPL", "NAS", 8),
                                     watchEntry("Nvidia", "NVDA", "NAS", 9)};
        const QList<ChooserItem> all = chooserItems(list, false);
        QCOMPARE(all.size(), 3);
        QCOMPARE(all[1], (ChooserItem{"Apple (AAPL.NAS)", "AAPL;NAS;WAAPL;IAAPL", 8}));
        const QList<ChooserItem> nas = chooserItems(list, true);
        QCOMPARE(nas.size(), 2);
        QCOMPARE(chooserRowOf(nas, 9), 1);
        QCOMPARE(chooserRowOf(nas, 7), -1);
        QCOMPARE(chooserRowOf(all, 0), -1);
        QCOMPARE(entryFromChooserItem(all[1]),
                 (PreviewEntry{"AAPL", "NAS", "WAAPL", "Apple (AAPL.NAS)", "WAAPL", "IAAPL"}));
        const PreviewEntry typed = entryFromFreeText(entryFromChooserItem(all[0]), "Siemens");
        QCOMPARE(typed, (PreviewEntry{"Siemens", "ETR", "", "Siemens", "", ""}));
        ChartSelection selection;
        selection.setTexts("SAP SE", "SAP", "ETR", "716460", "DE0007164600");
        QCOMPARE(previewEntries(selection),
                 (QList<PreviewEntry>{{"SAP", "ETR", "716460", "SAP SE", "716460", "DE0007164600"}}));
    }
    void finviz()
    {
        MemorySettingsStore hosts;
        hosts.write("finviz", "http://fv.test");
        const QList<PreviewEntry> entries{
            {"AAPL", "NAS", "", "", "", ""}, {}, {"MSFT", "NAS", "", "", "", ""}};
        QCOMPARE(finvizScreenerAddress(hosts, joinedTickers(entries)),
                 QStringLiteral("http://fv.test/screener.ashx?v=212&t=AAPL,,MSFT&o=company"));
    }
    void idNotation_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("identifier");
        QTest::newRow("at the end") << QString("http://x/inf/a.html?ID_NOTATION=20735") << QString("20735");
        QTest::newRow("lower case, more parameters")
            << QString("http://x/a?id_notation=20735&timeSpan=1Y") << QString("20735");
        QTest::newRow("thirty characters at most") << "?ID_NOTATION=" + QString(40, '7') << QString(30, '7');
        QTest::newRow("blanks trimmed") << QString("?ID_NOTATION= 42 ") << QString("42");
        QTest::newRow("none") << QString("http://x/inf/search/all.html?SEARCH_VALUE=SAP") << QString();
        QTest::newRow("empty value") << QString("?ID_NOTATION=&x=1") << QString();
    }
    void idNotation()
    {
        QFETCH(QString, address);
        QFETCH(QString, identifier);
        QCOMPARE(td::idNotation(address), identifier);
        MemorySettingsStore hosts;
        hosts.write("comdirect", "http://cd.test");
        const QString page = histChartAddress(hosts, identifier);
        QVERIFY(page.startsWith("http://cd.test/inf/aktien/detail/chart_kd.html?ID_NOTATION=" + identifier));
        QCOMPARE(page.endsWith("&indicatorsBelowChart=FST&indicatorsBelowChart=SST"), !identifier.isEmpty());
        if (identifier.isEmpty())
            QCOMPARE(noIdNotationMessage(identifier),
                     QStringLiteral("no ID_NOTATION found\r\nID_NOTATION:\r\n"));
    }
    void geometry()
    {
        MemorySettingsStore store;
        QCOMPARE(readPreviewGeometry(store, false), (TwipsRect{0, 0, 7215, 8145}));
        QCOMPARE(readPreviewGeometry(store, true), (TwipsRect{0, 0, 2820, 2800}));
        store.write("HTMPreview_left", "-1200");
        store.write("HTMPreview_top", "x");
        store.write("HTMPreview_width", "0");
        store.write("HTMPreview_height", "5000");
        QCOMPARE(readPreviewGeometry(store, false), (TwipsRect{1200, 0, 7215, 5000}));
        writePreviewGeometry(store, true, {-15, 300.6, 9000, 100});
        writePreviewGeometry(store, false, {15, 30, 9000, 100});
        QCOMPARE(readPreviewGeometry(store, true), (TwipsRect{15, 301, 2825, 2800}));
        QCOMPARE(readPreviewGeometry(store, false), (TwipsRect{15, 30, 9000, 100}));
    }
    void placement_data()
    {
        QTest::addColumn<QRect>("window");
        QTest::addColumn<QRect>("placed");
        QTest::newRow("on the second screen") << QRect(2000, 100, 400, 300) << QRect(2000, 100, 400, 300);
        QTest::newRow("right of every screen") << QRect(5000, 100, 400, 300) << QRect(1520, 100, 400, 300);
        QTest::newRow("above, too large") << QRect(100, -900, 400, 5000) << QRect(100, 0, 400, 1080);
    }
    void placement()
    {
        QFETCH(QRect, window);
        QTEST(placedOnScreen(window, {QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)}), "placed");
    }
    void siteRequestLoadsItsTabOnly()
    {
        Preview w("FINVIZ");
        QCOMPARE(w.child<QTabWidget>("tabSites")->currentIndex(), 4);
        QVERIFY(w.child<QTabWidget>("tabSites")->tabText(4).startsWith(QString(9, u' ') + "FVis"));
        // Tabs never loaded or shown have no pane at all.
        for (int k = 0; k < kTabCount; ++k)
            QCOMPARE(w.window->tabPane(k) != nullptr, k == 4);
        QCOMPARE(w.tab(4)->addresses.size(), 1);
        QVERIFY(w.tab(4)->addresses.last().endsWith("/screener.ashx?v=342&t=AAPL&o=company"));
        QVERIFY(w.host.entries.contains(w.window->windowId()));
    }
    void checkedTabsLoadByThemselves()
    {
        Preview w("YBSUMMARY", {{"chkLoad3", "1"}, {"chkLoad7", "1"}});
        // Tab 3 loaded by its box first: the once row for tab 3 then does nothing.
        QCOMPARE(w.tab(3)->addresses, QStringList{w.tab(3)->addresses.value(0)});
        QVERIFY(w.tab(3)->addresses.value(0).endsWith("/mb/AAPL"));
        QVERIFY(w.tab(7)->addresses.value(0).endsWith("/search?num=100&hl=de&q=Apple"));
        QVERIFY(w.window->tabLoaded(3) && w.window->tabLoaded(7) && !w.window->tabLoaded(0));
    }
    // Placed back on a screen; the NAS box filters the chooser; a pick or a typed name rebuilds the view.
    void chooserAndPlacement()
    {
        Preview w("GoogleFinance", {{"HTMPreview_left", "-9000000"}, {"HTMPreview_top", "12"}});
        QVERIFY(w.window->screen()->availableGeometry().contains(w.window->pos()));
        QComboBox* chooser = w.child<QComboBox>("cboStocks");
        QCOMPARE(chooser->currentIndex(), 1); // the main window's last entry, SAP
        QCOMPARE(chooser->count(), 3);
        // The list is sorted and Apple deleted after the window opened: the
        // filter shows the list as it is now, and an item names its entry.
        w.host.list = {w.host.list[2], w.host.list[1]};
        w.child<QCheckBox>("chkNAS")->click();
        QCOMPARE(chooser->count(), 1);
        QCOMPARE(chooser->itemText(0), QStringLiteral("Microsoft (MSFT.NAS)"));
        w.child<QCheckBox>("chkNAS")->click();
        QCOMPARE(chooser->count(), 2);
        QCOMPARE(chooser->currentIndex(), 1);
        QSignalSpy built(w.window.data(), &PreviewWindow::viewBuilt);
        emit chooser->activated(0);
        QCOMPARE(built.size(), 1);
        QCOMPARE(w.host.selected, QList<quint64>{13});
        const PreviewEntry picked = w.window->entries().at(0);
        QCOMPARE(picked.ticker, QStringLiteral("MSFT"));
        // The pane was blanked, then the tab of the kind loaded for the new entry.
        const QStringList& seen = w.tab(8)->addresses;
        QCOMPARE(seen.at(seen.size() - 2), QStringLiteral("about:blank"));
        QVERIFY(seen.last().endsWith("/finance?q=MSFT"));
        chooser->setEditText("Nvidia Corp");
        QTest::keyClick(chooser->lineEdit(), Qt::Key_Return);
        QCOMPARE(w.window->entries().at(0), entryFromFreeText(picked, "Nvidia Corp"));
        QVERIFY(seen.last().endsWith("/finance?q=Nvidia Corp"));
        QCOMPARE(w.host.selected.size(), 1);
    }
    // tmrRefresh: off for a text up to "0"; a tick takes the main window's text as it is then.
    void reloadTimer_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("atOpen");
        QTest::addColumn<QString>("atTick");
        QTest::addColumn<int>("interval");    // after the tick; 0: stopped
        QTest::addColumn<QString>("caption"); // pattern; "": the timer is off from the start
        const auto row = [](const char* tag, const char* kind, const char* atOpen, const char* atTick,
                            int interval, const char* caption) {
            QTest::newRow(tag) << kind << atOpen << atTick << interval << caption;
        };
        row("0", "ChartOverview", "0", "", 0, "");
        row("empty", "ChartOverview", "", "", 0, "");
        row("-5", "ChartOverview", "-5", "", 0, "");
        row("read on the tick", "ChartOverview", "60000", "30000", 30000, "^ChartOverview$");
        row("half to even, down", "FINVIZ", "60000", "500.5", 500, "^FINVIZ$");
        row("half to even, up", "FINVIZ", "60000", "501.5", 502, "^FINVIZ$");
        row("Benchmark", "Benchmark", "60000", "60000", 60000, "^AAPL\\.NAS - Benchmark \\[.+\\]$");
        row("0 on the tick", "Benchmark", "60000", "0", 0, "^Benchmark$");
    }
    void reloadTimer()
    {
        QFETCH(QString, kind);
        QFETCH(QString, atOpen);
        QFETCH(QString, atTick);
        QFETCH(int, interval);
        QFETCH(QString, caption);
        Preview w(kind, {}, 5000, true, atOpen);
        auto* timer = w.child<QTimer>("tmrRefresh");
        QCOMPARE(timer->isActive(), !caption.isEmpty());
        if (caption.isEmpty())
            return;
        auto* pane = qobject_cast<RecordingPane*>(w.window->mainPane());
        const int refreshes = pane->refreshes;
        w.host.reloadText = atTick;
        QMetaObject::invokeMethod(timer, "timeout");
        QCOMPARE(timer->isActive(), interval > 0);
        if (interval > 0)
            QCOMPARE(timer->interval(), interval);
        QCOMPARE(pane->refreshes, refreshes + (interval > 0 ? 1 : 0));
        QVERIFY2(QRegularExpression(caption).match(w.window->windowTitle()).hasMatch(),
                 qPrintable(w.window->windowTitle()));
    }
    // A tab click: the tab's key, room for its button, and txtURL showing the tab's address.
    void tabClick_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("loadTab0"); // chkLoad_0 ticked before the click
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("caption"); // of the clicked tab
        QTest::addColumn<QString>("tab4Caption");
        QTest::addColumn<QString>("loads"); // the clicked tab's first address ends so; "": nothing
        const auto row = [](const char* tag, const char* kind, bool loadTab0, int tab, const char* key,
                            const char* caption, const char* tab4Caption, const char* loads) {
            QTest::newRow(tag) << kind << loadTab0 << tab << key << caption << tab4Caption << loads;
        };
        const char* com = "         COM    ";
        const char* fvis = "FVis    ";
        row("tab 0 alone loads nothing", "FINVIZ", false, 0, "Kursinformationen", com, fvis, "");
        row("tab 0 by its box", "FINVIZ", true, 0, "Kursinformationen", com, fvis,
            "/inf/search/all.html?SEARCH_VALUE=AAPL.NAS&x=11&y=7");
        row("tab 4", "GoogleFinance", false, 4, "FINVIZ", "         FVis    ", "         FVis    ",
            "/screener.ashx?v=342&t=AAPL&o=company");
        row("tab 2", "FINVIZ", false, 2, "W:OForum", "W:O    ", fvis,
            "/community/search.php?instrument=865985");
    }
    void tabClick()
    {
        QFETCH(QString, kind);
        QFETCH(int, tab);
        QFETCH(QString, key);
        QFETCH(QString, loads);
        Preview w(kind);
        QFETCH(bool, loadTab0);
        w.child<QCheckBox>("chkLoad_0")->setChecked(loadTab0);
        auto* tabs = w.child<QTabWidget>("tabSites");
        emit tabs->tabBarClicked(tab);
        QVERIFY2(w.window->windowTitle().startsWith("Apple - " + key + " ["),
                 qPrintable(w.window->windowTitle()));
        QCOMPARE(tabs->currentIndex(), tab);
        QTEST(tabs->tabText(tab), "caption");
        QTEST(tabs->tabText(4), "tab4Caption");
        const QStringList seen = w.tab(tab)->addresses;
        QCOMPARE(seen.isEmpty(), loads.isEmpty());
        QVERIFY(seen.isEmpty() || seen.first().endsWith(loads));
        auto* url = w.child<QLineEdit>("txtURL");
        QTRY_COMPARE(url->text().isEmpty(), loads.isEmpty());
        QCOMPARE(url->text(), w.window->tabAddress(tab));
    }
    // "all": the window becomes FinanceVisualization and tab 4 screens the chooser's US tickers.
    void finVizAll_data()
    {
        QTest::addColumn<QStringList>("places");
        QTest::addColumn<QString>("tickers");
        QTest::newRow("ETR left out") << QStringList{"NAS", "ETR", "NYS"} << "T0,T2";
        QTest::newRow("last left out") << QStringList{"AME", "NYS", "ETR"} << "T0,T1,";
    }
    void finVizAll()
    {
        QFETCH(QStringList, places);
        Preview w("FINVIZ", {}, 5000, false);
        w.host.list.clear();
        for (int i = 0; i < places.size(); ++i)
            w.host.list << watchEntry("N", "T" + QString::number(i), places[i], i + 1);
        w.show();
        w.child<QPushButton>("cmdFinVizAll")->click();
        QCOMPARE(w.window->kind(), QStringLiteral("FinanceVisualization"));
        QVERIFY(w.window->windowTitle().startsWith("Apple - FinanceVisualization ["));
        QFETCH(QString, tickers);
        QVERIFY(w.tab(4)->addresses.last().endsWith("/screener.ashx?v=212&t=" + tickers + "&o=company"));
    }
    void histWithoutIdNotation()
    {
        Preview w("ComdirectIntradayChart");
        // The symbol search found no instrument page: the WKN search follows.
        RecordingPane* pane0 = w.tab(0);
        QCOMPARE(pane0->addresses.size(), 2);
        QVERIFY(pane0->addresses.at(0).contains("SEARCH_VALUE=AAPL.NAS&"));
        QVERIFY(pane0->addresses.at(1).contains("SEARCH_VALUE=865985&"));
        QSignalSpy done(pane0, &BrowserPane::documentComplete);
        QVERIFY(w.window->tabAddress(0) == pane0->addresses.at(1) || done.wait());
        w.child<QPushButton>("cmdHist")->click();
        QCOMPARE(w.p.dialogs.shown.size(), 1);
        QCOMPARE(w.p.dialogs.shown.at(0).text, noIdNotationMessage(QString()));
        QCOMPARE(pane0->addresses.last(), histChartAddress(w.p.hosts, QString()));
        // "go" loads the typed address; its identifier is what "hist" takes.
        w.child<QLineEdit>("txtURL")->setText("http://127.0.0.1:9/x?ID_NOTATION=4711&y=1");
        w.child<QPushButton>("cmdURLRefresh")->click();
        QVERIFY(done.wait());
        w.child<QPushButton>("cmdHist")->click();
        QCOMPARE(w.p.dialogs.shown.size(), 1);
        QCOMPARE(pane0->addresses.last(), histChartAddress(w.p.hosts, "4711"));
    }
    void bankSearchEndsAtPageTimeout()
    {
        const auto holdTab0 = [](RecordingPane* pane) {
            pane->holding = pane->objectName() == u"webTab_0";
        };
        Preview w("ComdirectIntradayChart", {}, 50, false);
        w.p.panes.onCreate = holdTab0;
        // The symbol page never completes; the wait ends and the WKN search runs.
        w.show();
        QCOMPARE(w.tab(0)->addresses.size(), 2);
        // Closing the window ends a wait that is still running.
        Preview closing("ComdirectIntradayChart", {}, 5000, false);
        closing.p.panes.onCreate = [&](RecordingPane* pane) {
            holdTab0(pane);
            if (pane->holding)
                QTimer::singleShot(0, closing.window.data(), [&] { closing.window->close(); });
        };
        QSignalSpy built(closing.window.data(), &PreviewWindow::viewBuilt);
        closing.window->show();
        QVERIFY(QTest::qWaitFor([&] { return closing.window.isNull(); }));
        QCOMPARE(built.size(), 0);
        QCOMPARE(closing.host.mobileRestores, 1);
    }
    void rollUpTwice()
    {
        Preview w(kIndicesSmallWindow);
        QVERIFY(w.window->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(w.setting(kShowIndexWindowKey), QStringLiteral("1"));
        QVERIFY(w.host.entries.isEmpty());
        QVERIFY(w.window->mainPane()->isVisible());
        // The snippet's chart alone: the pane starts left of the window, below the title strip.
        QCOMPARE(w.window->mainPane()->widget()->geometry(),
                 QRect(twipsToPx(-30), twipsToPx(180), twipsToPx(3600), twipsToPx(3000)));
        QLabel* hide = w.child<QLabel>("img_systemhide");
        QVERIFY(!hide->accessibleName().isEmpty());
        QTimer* small = w.child<QTimer>("tmrRefreshSmall");
        QTest::mouseClick(hide, Qt::LeftButton);
        QCOMPARE(w.window->height(), twipsToPx(kIndexRolledUpTwips));
        QVERIFY(!w.window->mainPane()->isVisible() && !small->isActive());
        QTest::mouseDClick(w.child<QLabel>("Label4"), Qt::LeftButton);
        QCOMPARE(w.window->height(), twipsToPx(kIndexRolledDownTwips));
        QVERIFY(w.window->mainPane()->isVisible() && small->isActive());
        QCOMPARE(w.child<QLabel>("Label4")->property("tag").toString(), kRollDownTag);
        QTest::mouseClick(w.child<QLabel>("img_systemclose"), Qt::LeftButton);
        QCOMPARE(w.setting(kShowIndexWindowKey), QStringLiteral("0"));
        QCOMPARE(w.setting("HTMPreviewSmall_width"), QStringLiteral("2825"));
        QCOMPARE(w.setting("chkLoad0"), QStringLiteral("none"));
    }
    void unloadWritesSettings_data()
    {
        QTest::addColumn<bool>("maximised");
        QTest::newRow("normal") << false;
        QTest::newRow("maximised") << true;
    }
    void unloadWritesSettings()
    {
        QFETCH(bool, maximised);
        Preview w("InsiderBuys", {{"chkLoad6", "1"}});
        w.window->resize(twipsToPx(6000), twipsToPx(5000));
        if (maximised)
            w.window->setWindowState(Qt::WindowMaximized);
        w.child<QCheckBox>("chkLoad_2")->setChecked(true);
        w.child<QCheckBox>("chkLoad_6")->setChecked(false);
        w.window->close();
        QCOMPARE(w.setting("chkLoad2"), QStringLiteral("1"));
        QCOMPARE(w.setting("chkLoad6"), QStringLiteral("0"));
        QCOMPARE(w.setting("HTMPreview_width"),
                 maximised ? "none" : QString::number(pxToTwips(twipsToPx(6000))));
    }
};

QTEST_MAIN(TestPreviewWindow)
#include "tst_previewwindow.moc"
