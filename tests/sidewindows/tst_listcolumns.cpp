#include "sidewindows/listcolumns.h"

#include <QTest>

#include <numeric>

using namespace td;

class TestListColumns : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Every caption needs `header`; amounts need half as much again as figures.
    void columnsFitNameTakesTheRest_data()
    {
        QTest::addColumn<bool>("wide");
        QTest::addColumn<int>("figure");
        QTest::addColumn<int>("header");
        QTest::addColumn<int>("available");
        QTest::addColumn<int>("name");
        QTest::newRow("narrow, spare room goes to the name") << false << 300 << 600 << 7700 << 1960;
        QTest::newRow("narrow, large font") << false << 900 << 600 << 7700 << 1260;
        QTest::newRow("narrow, no room even for the name") << false << 1400 << 600 << 6000 << 900;
        QTest::newRow("narrow, caption wider than the name's floor") << false << 1400 << 1000 << 6000 << 1000;
        QTest::newRow("wide, large font") << true << 950 << 600 << 14300 << 900;
        QTest::newRow("wide, plenty of room") << true << 500 << 600 << 20000 << 8540;
    }
    void columnsFitNameTakesTheRest()
    {
        QFETCH(bool, wide);
        QFETCH(int, figure);
        QFETCH(int, header);
        QFETCH(int, available);
        const ListLayout layout =
            listLayoutAfterClick(wide ? QStringLiteral("BIG") : QStringLiteral("SMALL"));
        ColumnNeeds needs{figure, figure * 3 / 2, {}};
        needs.header.fill(header);
        const ColumnWidths widths = listColumnWidths(layout, needs, available, 900);
        QTEST(widths[ColName], "name");
        for (int c = 0; c < ColumnCount; ++c) {
            if (widths[c] > kSliverTwips)
                QVERIFY(widths[c] >= (isFigureColumn(c) ? std::max(header, figure) : header));
        }
        QCOMPARE(widths[ColDateOfBuying] <= kSliverTwips, !wide); // hidden stays hidden
        const int total = std::accumulate(widths.begin(), widths.end(), 0);
        QVERIFY(total == available || widths[ColName] == std::max(900, header));
    }
};

QTEST_APPLESS_MAIN(TestListColumns)
#include "tst_listcolumns.moc"
