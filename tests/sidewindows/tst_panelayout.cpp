#include "sidewindows/panelayout.h"
#include "sidewindows/windowlist.h"
#include "watchlist/watchentry.h"

#include <QTest>

using namespace td;

class TestPaneLayout : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void navigation_data()
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
    void navigation()
    {
        QFETCH(WindowListStep, step);
        QFETCH(int, selected);
        QFETCH(int, count);
        QTEST(windowListStep(step, selected, count), "expected");
    }
    void listWidthToggles()
    {
        // A stored tag that is neither value narrows the list, as any tag but "BIG" does.
        for (const QString& start : {QStringLiteral("SMALL"), QString()}) {
            const ListLayout narrow = listLayoutAfterClick(start);
            const ListLayout wide = listLayoutAfterClick(narrow.tag);
            QVERIFY(!narrow.wide && wide.wide);
            QCOMPARE(wide.tag, QStringLiteral("SMALL"));
            QCOMPARE(listLayoutAfterClick(wide.tag).listWidth, narrow.listWidth);
            QVERIFY(narrow.listWidth < wide.listWidth);
            for (size_t i = 0; i < narrow.columns.size(); ++i) {
                QCOMPARE(narrow.columns[i].column, wide.columns[i].column);
                QVERIFY(wide.columns[i].twips > 0);
                QCOMPARE(narrow.columns[i].twips > 0, narrow.columns[i].column == ColDateOfBuying);
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestPaneLayout)
#include "tst_panelayout.moc"
