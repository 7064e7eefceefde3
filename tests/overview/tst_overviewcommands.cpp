#include "overview/overviewcommands.h"

#include <QTest>

using namespace td;

namespace {

// "name;ticker;place;buying;quote;b%;qty;value;+|-;wkn;isin", ticked with a
// leading "x".
WatchEntry entry(QString row)
{
    WatchEntry e;
    e.checked = row.startsWith(u'x');
    if (e.checked)
        row.remove(0, 1);
    const QStringList f = row.split(u';');
    const int columns[] = {ColName, ColTicker, ColPlace,     ColBuying, ColQuote, ColBPct,
                           ColQty,  ColValue,  ColPlusMinus, ColWkn,    ColIsin};
    for (int i = 0; i < f.size(); ++i)
        e.columns[columns[i]] = f[i];
    return e;
}

QString figures(const ChartSelection& s, qsizetype i)
{
    return QStringList{formatAmount(s.cSelQuote[i], u"0.00##"), formatAmount(s.cSelDayPct[i], u"0.00##"),
                       formatAmount(s.cSelBuyPct[i], u"0.00##"), formatAmount(s.cSelValue[i], u"0.00##"),
                       formatAmount(s.cSelChange[i], u"0.00##")}
        .join(u' ');
}

} // namespace

class TestOverviewCommands : public QObject
{
    Q_OBJECT
private slots:
    void fill_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<QStringList>("names");   // sSelName in order
        QTest::addColumn<QStringList>("figures"); // Buying, Quote, B-%, Value, +|- per entry
        const int go = int(OverviewCommand::Charts);
        const int bench = int(OverviewCommand::Benchmark);
        const int fv = int(OverviewCommand::FinViz);
        // The selection holds 7 / 8 as Value / +|- before each command.
        QTest::newRow("go: figures from Buying, Quote, B-%; Value kept")
            << go << QStringList{"xA;A;ETR;12,5;13,25;6,00;10;132,5;7,5"} << QStringList{"A"}
            << QStringList{"12,50 13,25 6,00 7,00 8,00"};
        QTest::newRow("go: none ticked, one empty entry")
            << go << QStringList{"A;A;ETR", "B;B;NAS"} << QStringList{""}
            << QStringList{"0,00 0,00 0,00 7,00 8,00"};
        QTest::newRow("go: unreadable and n/a figures stay 0")
            << go << QStringList{"xA;A;ETR;abc;n/a;n/a"} << QStringList{"A"}
            << QStringList{"0,00 0,00 0,00 7,00 8,00"};
        QTest::newRow("fv: US places ticked only")
            << fv << QStringList{"xa;A;ETR", "b;B;NAS", "xc;C;NAS", "xd;D;AME", "xe;E;NYS", "xf;F;nas"}
            << QStringList{"c", "d", "e"}
            << QStringList{"0,00 0,00 0,00 7,00 8,00", "0,00 0,00 0,00 0,00 0,00",
                           "0,00 0,00 0,00 0,00 0,00"};
        QTest::newRow("bench: quantity decides, tick ignored")
            << bench
            << QStringList{"A;A;ETR;10;11;10,00;5;55;5", "xB;B;ETR;1;1;0,00;", "C;C;NAS;2;1;-50,00;3;3;-3"}
            << QStringList{"A", "C"}
            << QStringList{"10,00 11,00 10,00 55,00 5,00", "2,00 1,00 -50,00 3,00 -3,00"};
        QTest::newRow("bench: B-% 0,00 leaves 0, 0,50 is kept")
            << bench << QStringList{"A;A;ETR;;;0,00;1", "B;B;ETR;;;0,50;1"} << QStringList{"A", "B"}
            << QStringList{"0,00 0,00 0,00 0,00 0,00", "0,00 0,00 0,50 0,00 0,00"};
        QTest::newRow("bench: none qualifies, figures cleared")
            << bench << QStringList{"xA;A;ETR;1;1;1"} << QStringList{""}
            << QStringList{"0,00 0,00 0,00 0,00 0,00"};
    }
    void fill()
    {
        QFETCH(int, command);
        QFETCH(QStringList, list);
        QFETCH(QStringList, names);
        QFETCH(QStringList, figures);
        QList<WatchEntry> entries;
        for (const QString& row : list)
            entries << entry(row);
        ChartSelection selection;
        selection.setTexts("old", "OLD", "ETR", "W", "I");
        selection.cSelQuote = {Amount::fromInt(99)};
        selection.cSelValue = {Amount::fromInt(7)};
        selection.cSelChange = {Amount::fromInt(8)};
        fillChartSelection(selection, entries, OverviewCommand(command));
        QCOMPARE(selection.sSelName, names);
        const qsizetype n = names.size();
        for (const auto* list :
             {&selection.sSelTicker, &selection.sSelPlace, &selection.sSelWKN, &selection.sSelISIN})
            QCOMPARE(list->size(), n);
        for (const auto* list : {&selection.cSelQuote, &selection.cSelDayPct, &selection.cSelBuyPct,
                                 &selection.cSelValue, &selection.cSelChange})
            QCOMPARE(list->size(), n);
        QStringList got;
        for (qsizetype i = 0; i < n; ++i)
            got << ::figures(selection, i);
        QCOMPARE(got, figures);
        QHash<QString, QString> tickerOf;
        for (const WatchEntry& e : entries)
            tickerOf.insert(e.name(), e.columns[ColTicker]);
        for (qsizetype i = 0; i < n; ++i)
            QCOMPARE(selection.sSelTicker[i], tickerOf.value(names[i]));
    }
};

QTEST_GUILESS_MAIN(TestOverviewCommands)
#include "tst_overviewcommands.moc"
