#include "overview/previewaddresses.h"
#include "overview/previewrules.h"
#include "overview/previewsettings.h"

#include <QTest>
#include <QTimeZone>

using namespace td;

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

} // namespace

class TestPreviewRules : public QObject
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
        const auto row = [](const char* tag, const QString& address, const QString& identifier) {
            QTest::newRow(tag) << address << identifier;
        };
        row("at the end", "http://x/inf/a.html?ID_NOTATION=20735", "20735");
        row("lower case, more parameters", "http://x/a?id_notation=20735&timeSpan=1Y", "20735");
        row("thirty characters at most", "?ID_NOTATION=" + QString(40, '7'), QString(30, '7'));
        row("blanks trimmed", "?ID_NOTATION= 42 ", "42");
        row("none", "http://x/inf/search/all.html?SEARCH_VALUE=SAP", "");
        row("empty value", "?ID_NOTATION=&x=1", "");
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
        MemorySettingsStore written;
        writePreviewGeometry(written, true, {-15, 300.6, 9000, 100});
        writePreviewGeometry(written, false, {15, 30, 9000, 100});
        QCOMPARE(readPreviewGeometry(written, true), (TwipsRect{15, 301, 2825, 2800}));
        QCOMPARE(readPreviewGeometry(written, false), (TwipsRect{15, 30, 9000, 100}));
        LoadBoxes boxes{};
        boxes[3] = boxes[9] = true;
        writeLoadBoxes(written, boxes);
        QCOMPARE(written.values().value("chkLoad9"), QStringLiteral("1"));
        QCOMPARE(readLoadBoxes(written), boxes);
        QCOMPARE(readLoadBoxes(MemorySettingsStore()), LoadBoxes{});
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
};

QTEST_GUILESS_MAIN(TestPreviewRules)
#include "tst_previewrules.moc"
