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
#include <QTimer>

using namespace td;
using td::test::RecordingPane;
using td::test::TestPlatform;

namespace {

struct FakeHost final : PreviewHost
{
    void selectEntryForPreview(int position) override { selected << position; }
    QString resourcesAddress() const override { return {}; }
    void addWindowEntry(int id, const QString& caption) override { entries.insert(id, caption); }
    void updateWindowEntry(int id, const QString& caption) override
    {
        if (entries.contains(id))
            entries[id] = caption;
    }
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

ChooserItem item(const QString& name, const QString& ticker, const QString& place, int position)
{
    return {name + " (" + ticker + u'.' + place + u')', ticker + u';' + place + ";W" + ticker + ";I" + ticker,
            position};
}

struct Preview
{
    explicit Preview(const QString& kind, int timeoutMs = 5000)
    {
        PreviewSetup setup;
        setup.kind = kind;
        setup.selection.setTexts("Apple", "AAPL", "NAS", "865985", "US0378331005");
        setup.chooserItems = {item("Apple", "AAPL", "NAS", 1), item("SAP", "SAP", "ETR", 2),
                              item("Microsoft", "MSFT", "NAS", 3)};
        setup.iSelectedIndex = 2;
        setup.programDir = p.programDir.path();
        setup.pageTimeoutMs = timeoutMs;
        window = new PreviewWindow(setup, {p.settings, p.hosts, p.dialogs, p.panes}, host);
    }
    ~Preview() { delete window.data(); }
    // Shows the window and returns after its first view.
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
    void siteRequestLoadsItsTabOnly()
    {
        Preview w("FINVIZ");
        w.show();
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
        Preview w("YBSUMMARY");
        for (int k : {3, 7})
            w.p.settings.write(QStringLiteral("chkLoad%1").arg(k), "1");
        w.show();
        // Tab 3 loaded by its box first: the once row for tab 3 then does nothing.
        QCOMPARE(w.tab(3)->addresses, QStringList{w.tab(3)->addresses.value(0)});
        QVERIFY(w.tab(3)->addresses.value(0).endsWith("/mb/AAPL"));
        QVERIFY(w.tab(7)->addresses.value(0).endsWith("/search?num=100&hl=de&q=Apple"));
        QVERIFY(w.window->tabLoaded(3) && w.window->tabLoaded(7) && !w.window->tabLoaded(0));
        QCOMPARE(w.window->tabPane(0), nullptr);
    }
    void chooserPickAndFreeText()
    {
        Preview w("GoogleFinance");
        w.show();
        QComboBox* chooser = w.child<QComboBox>("cboStocks");
        QCOMPARE(chooser->currentIndex(), 1); // iSelectedIndex 2
        QSignalSpy built(w.window.data(), &PreviewWindow::viewBuilt);
        emit chooser->activated(2);
        QCOMPARE(built.size(), 1);
        QCOMPARE(w.host.selected, QList<int>{3});
        QCOMPARE(w.window->entries().at(0).ticker, QStringLiteral("MSFT"));
        // The pane was blanked, then the tab of the kind loaded for the new entry.
        const QStringList& seen = w.tab(8)->addresses;
        QCOMPARE(seen.at(seen.size() - 2), QStringLiteral("about:blank"));
        QVERIFY(seen.last().endsWith("/finance?q=MSFT"));
        chooser->setEditText("Nvidia Corp");
        QTest::keyClick(chooser->lineEdit(), Qt::Key_Return);
        const PreviewEntry typed = w.window->entries().at(0);
        QCOMPARE(typed.ticker, QStringLiteral("Nvidia Corp"));
        QCOMPARE(typed.name, QStringLiteral("Nvidia Corp"));
        QVERIFY(typed.wkn.isEmpty() && typed.wkn2.isEmpty() && typed.isin.isEmpty());
        QVERIFY(seen.last().endsWith("/finance?q=Nvidia Corp"));
        QCOMPARE(w.host.selected.size(), 1);
    }
    void nasFilterAndOffScreenPosition()
    {
        Preview w("NewsItem");
        w.p.settings.write("HTMPreview_left", "-9000000");
        w.p.settings.write("HTMPreview_top", "12");
        w.show();
        QVERIFY(w.window->screen()->availableGeometry().contains(w.window->pos()));
        QComboBox* chooser = w.child<QComboBox>("cboStocks");
        QCOMPARE(chooser->count(), 3);
        w.child<QCheckBox>("chkNAS")->click();
        QCOMPARE(chooser->count(), 2);
        QCOMPARE(chooser->itemText(1), QStringLiteral("Microsoft (MSFT.NAS)"));
        w.child<QCheckBox>("chkNAS")->click();
        QCOMPARE(chooser->count(), 3);
    }
    void histWithoutIdNotation()
    {
        Preview w("ComdirectIntradayChart");
        w.show();
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
        Preview w("ComdirectIntradayChart", 50);
        w.p.panes.onCreate = holdTab0;
        // The symbol page never completes; the wait ends and the WKN search runs.
        w.show();
        QCOMPARE(w.tab(0)->addresses.size(), 2);
        // Closing the window ends a wait that is still running.
        Preview closing("ComdirectIntradayChart");
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
        w.show();
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
        QCOMPARE(w.setting("HTMPreviewSmall_height"), QStringLiteral("2800"));
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
        Preview w("InsiderBuys");
        w.p.settings.write("chkLoad6", "1");
        w.show();
        w.window->resize(twipsToPx(6000), twipsToPx(5000));
        if (maximised)
            w.window->setWindowState(Qt::WindowMaximized);
        w.child<QCheckBox>("chkLoad_2")->setChecked(true);
        w.child<QCheckBox>("chkLoad_6")->setChecked(false);
        w.window->close();
        QCOMPARE(w.setting("chkLoad2"), QStringLiteral("1"));
        QCOMPARE(w.setting("chkLoad6"), QStringLiteral("0"));
        QCOMPARE(w.p.settings.values().contains("HTMPreview_width"), !maximised);
        if (!maximised)
            QCOMPARE(readPreviewGeometry(w.p.settings, false).width, pxToTwips(twipsToPx(6000)));
        QVERIFY(w.host.entries.isEmpty());
        QCOMPARE(w.host.mobileRestores, 1);
    }
};

QTEST_MAIN(TestPreviewWindow)
#include "tst_previewwindow.moc"
