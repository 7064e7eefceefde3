#include "sidewindows/listcolumns.h"

#include <QTest>

#include <numeric>

using namespace td;

class TestListColumns : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void figuresFitNamesGive_data()
    {
        QTest::addColumn<bool>("wide");
        QTest::addColumn<int>("figure");
        QTest::addColumn<int>("available");
        QTest::newRow("narrow, figures fit already") << false << 300 << 7700;
        QTest::newRow("narrow, large font") << false << 900 << 7700;
        QTest::newRow("narrow, no room even for the name") << false << 1400 << 6000;
        QTest::newRow("wide, large font") << true << 950 << 14300;
        QTest::newRow("wide, plenty of room") << true << 500 << 20000;
    }
    void figuresFitNamesGive()
    {
        QFETCH(bool, wide);
        QFETCH(int, figure);
        QFETCH(int, available);
        const int minName = 900;
        const ListLayout layout =
            listLayoutAfterClick(wide ? QStringLiteral("BIG") : QStringLiteral("SMALL"));
        const int amount = figure * 3 / 2;
        const ColumnWidths widths = listColumnWidths(layout, {figure, amount}, available, minName);
        ColumnWidths given = kListColumnTwips;
        for (const ColumnWidth& c : layout.columns)
            given[c.column] = c.twips;
        for (int c = 0; c < ColumnCount; ++c) {
            if (given[c] <= kSliverTwips)
                QCOMPARE(widths[c], given[c]); // hidden stays hidden
            else if (isFigureColumn(c))
                QCOMPARE(widths[c], std::max(given[c], isAmountColumn(c) ? amount : figure));
            else if (c != ColName)
                QCOMPARE(widths[c], given[c]);
        }
        // The name gives up only what the list lacks, and never all of it.
        const int total = std::accumulate(widths.begin(), widths.end(), 0);
        QVERIFY(widths[ColName] >= minName);
        QVERIFY(widths[ColName] <= given[ColName]);
        if (widths[ColName] < given[ColName])
            QVERIFY(total == available || widths[ColName] == minName);
        else
            QVERIFY(total <= available);
    }
};

QTEST_APPLESS_MAIN(TestListColumns)
#include "tst_listcolumns.moc"
