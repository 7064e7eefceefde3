#include "sidewindows/panelayout.h"
#include "sidewindows/windowlist.h"
#include "watchlist/watchentry.h"

#include <QTest>

using namespace td;

class TestPaneLayout : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void navigation_data();
    void navigation();
    void listWidthTwiceRestores_data();
    void listWidthTwiceRestores();
    void narrowListHidesDetailColumns();
    void fullBrowserTwiceRestores();
    void closeExtensionAlwaysBelowList_data();
    void closeExtensionAlwaysBelowList();
};

void TestPaneLayout::navigation_data()
{
    QTest::addColumn<WindowListStep>("step");
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("expected");
    const auto prev = WindowListStep::Previous;
    const auto next = WindowListStep::Next;
    QTest::newRow("previous from none") << prev << -1 << 3 << 0;
    QTest::newRow("next from none") << next << -1 << 3 << 2;
    QTest::newRow("previous on the first") << prev << 0 << 3 << 0;
    QTest::newRow("next on the last") << next << 2 << 3 << 2;
    QTest::newRow("previous in the middle") << prev << 1 << 3 << 0;
    QTest::newRow("next in the middle") << next << 1 << 3 << 2;
    QTest::newRow("stale selection") << next << 5 << 3 << 2;
    QTest::newRow("empty") << prev << -1 << 0 << -1;
}

void TestPaneLayout::navigation()
{
    QFETCH(WindowListStep, step);
    QFETCH(int, selected);
    QFETCH(int, count);
    QFETCH(int, expected);
    QCOMPARE(windowListStep(step, selected, count), expected);
}

void TestPaneLayout::listWidthTwiceRestores_data()
{
    QTest::addColumn<QString>("tag");
    QTest::newRow("from wide") << QStringLiteral("SMALL");
    QTest::newRow("from narrow") << QStringLiteral("BIG");
}

void TestPaneLayout::listWidthTwiceRestores()
{
    QFETCH(QString, tag);
    const ListLayout once = listLayoutAfterClick(tag);
    const ListLayout twice = listLayoutAfterClick(once.tag);
    QCOMPARE(twice.tag, tag);
    QVERIFY(once.wide != twice.wide);
    QCOMPARE(listLayoutAfterClick(twice.tag).listWidth, once.listWidth);
}

void TestPaneLayout::narrowListHidesDetailColumns()
{
    // A stored tag that is neither value narrows, as any tag but "BIG" does.
    for (const QString& tag : {QStringLiteral("SMALL"), QString()}) {
        const ListLayout narrow = listLayoutAfterClick(tag);
        const ListLayout wide = listLayoutAfterClick(narrow.tag);
        QVERIFY(!narrow.wide);
        QVERIFY(narrow.listWidth < wide.listWidth);
        for (int i = 0; i < int(narrow.columns.size()); ++i) {
            QCOMPARE(narrow.columns[i].column, wide.columns[i].column);
            QVERIFY(wide.columns[i].twips > 0);
            QCOMPARE(narrow.columns[i].twips > 0, narrow.columns[i].column == ColDateOfBuying);
        }
    }
}

void TestPaneLayout::fullBrowserTwiceRestores()
{
    const int height = 12000;
    const int listTop = 700;
    const ResourcesPaneLayout over = fullBrowserStep(QStringLiteral("SMALL"), height, listTop);
    const ResourcesPaneLayout back = fullBrowserStep(over.tag, height, listTop);
    QVERIFY(over.overList && !over.listButtonsVisible);
    QCOMPARE(over.top, listTop);
    QVERIFY(over.height > back.height);
    QCOMPARE(back.tag, QStringLiteral("SMALL"));
    QCOMPARE(fullBrowserStep(back.tag, height, listTop).top, over.top);
}

void TestPaneLayout::closeExtensionAlwaysBelowList_data()
{
    QTest::addColumn<int>("height");
    QTest::newRow("tall window") << 12000;
    QTest::newRow("minimum height") << kMainMinHeight;
}

void TestPaneLayout::closeExtensionAlwaysBelowList()
{
    QFETCH(int, height);
    const int listTop = 700;
    const ResourcesPaneLayout pane = closeExtension(height, listTop);
    QVERIFY(!pane.overList && pane.listButtonsVisible);
    QCOMPARE(pane.tag, QStringLiteral("SMALL"));
    QVERIFY(pane.top > listTop);
    QVERIFY(pane.height >= 0);
}

QTEST_APPLESS_MAIN(TestPaneLayout)
#include "tst_panelayout.moc"
