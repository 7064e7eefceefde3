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

WatchEntry watchEntry(const QString& name, const QString& ticker, const QString& place)
{
    WatchEntry e;
    e.columns[ColName] = name;
    e.columns[ColTicker] = ticker;
    e.columns[ColPlace] = place;
    e.columns[ColWkn] = "W" + ticker;
    e.columns[ColIsin] = "I" + ticker;
    return e;
}

struct FakeHost final : PreviewHost
{
    void selectEntryForPreview(int position) override { selected << position; }
    QString resourcesAddress() const override { return {}; }
    void addWindowEntry(int id, const QString& caption) override { entries.insert(id, caption); }
    void updateWindowEntry(int, const QString&) override {} // the real list's text is checked in tst_editing
    int removeWindowEntry(int id) override
    {
        entries.remove(id);
        return static_cast<int>(entries.size());
    }
    void restoreMobileOption() override { ++mobileRestores; }
    QList<int> selected;
    QMap<int, QString> entries;
    int mobileRestores = 0;
};

struct Preview
{
    explicit Preview(const QString& kind, const QMap<QString, QString>& settings = {}, int timeoutMs = 5000,
                     bool shown = true)
    {
        for (auto [key, value] : settings.asKeyValueRange())
            p.settings.write(key, value);
        PreviewSetup setup;
        setup.kind = kind;
        setup.selection.setTexts("Apple", "AAPL", "NAS", "865985", "US0378331005");
        setup.chooserItems =
            chooserItems({watchEntry("Apple", "AAPL", "NAS"), watchEntry("SAP", "SAP", "ETR"),
                          watchEntry("Microsoft", "MSFT", "NAS")},
                         false);
        setup.iSelectedIndex = 2;
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
    void tabs()
    {
        // Only tabs 0 and 4 make room for their button, and only when selected.
        const QStringList plain = tabCaptions(2);
        QCOMPARE(plain.at(0), QStringLiteral("COM    "));
        for (int k : {0, 4}) {
            QStringList marked = plain;
            marked[k].prepend(QString(9, u' '));
            QCOMPARE(tabCaptions(k), marked);
        }
        QCOMPARE(tabOfKind("ComdirectIntradayChart"), 0);
        QCOMPARE(tabOfKind("Kursinformationen"), -1);
        QCOMPARE(tabOfKind("finviz"), -1);
        QCOMPARE(tabClickKind(0), QStringLiteral("Kursinformationen"));
        for (int k = 1; k < kTabCount; ++k)
            QCOMPARE(tabOfKind(tabClickKind(k)), k);
    }
    void chooser()
    {
        const QList<WatchEntry> list{watchEntry("SAP SE", "SAP", "ETR"), watchEntry("Apple", "AAPL", "NAS"),
                                     watchEntry("Nvidia", "NVDA", "NAS")};
        const QList<ChooserItem> all = chooserItems(list, false);
        QCOMPARE(all.size(), 3);
        QCOMPARE(all[1], (ChooserItem{"Apple (AAPL.NAS)", "AAPL;NAS;WAAPL;IAAPL", 2}));
        const QList<ChooserItem> nas = chooserItems(list, true);
        QCOMPARE(nas.size(), 2);
        QCOMPARE(chooserRowOf(nas, 3), 1);
        QCOMPARE(chooserRowOf(nas, 1), -1);
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
        const QList<WatchEntry> list{watchEntry("a", "A", "NAS"), watchEntry("b", "B", "ETR"),
                                     watchEntry("c", "C", "NYS"), watchEntry("d", "D", "AME"),
                                     watchEntry("e", "E", "ETR")};
        QCOMPARE(usTickersOfChooser(chooserItems(list.mid(0, 3), false)), QStringLiteral("A,C"));
        QCOMPARE(usTickersOfChooser(chooserItems(list, false)), QStringLiteral("A,C,D,"));
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
        QCOMPARE(chooser->currentIndex(), 1); // iSelectedIndex 2
        QCOMPARE(chooser->count(), 3);
        w.child<QCheckBox>("chkNAS")->click();
        QCOMPARE(chooser->count(), 2);
        QCOMPARE(chooser->itemText(1), QStringLiteral("Microsoft (MSFT.NAS)"));
        w.child<QCheckBox>("chkNAS")->click();
        QCOMPARE(chooser->count(), 3);
        QSignalSpy built(w.window.data(), &PreviewWindow::viewBuilt);
        emit chooser->activated(2);
        QCOMPARE(built.size(), 1);
        QCOMPARE(w.host.selected, QList<int>{3});
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
