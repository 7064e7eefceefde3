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

// "name|ticker" and the five figures of entry i.
QString line(const ChartSelection& s, qsizetype i)
{
    QStringList out{s.sSelName[i] + u'|' + s.sSelTicker[i]};
    for (const Amount& a :
         {s.cSelQuote[i], s.cSelDayPct[i], s.cSelBuyPct[i], s.cSelValue[i], s.cSelChange[i]})
        out << formatAmount(a, u"0.00##");
    return out.join(u' ');
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
        QTest::addColumn<QStringList>("lines"); // name|ticker, then Buying, Quote, B-%, Value, +|-
        const int go = int(OverviewCommand::Charts);
        const int bench = int(OverviewCommand::Benchmark);
        const int fv = int(OverviewCommand::FinViz);
        // The selection holds 7 / 8 as Value / +|- before each command.
        QTest::newRow("go: figures from Buying, Quote, B-%; Value kept")
            << go << QStringList{"xA;A;ETR;12,5;13,25;6,00;10;132,5;7,5"}
            << QStringList{"A|A 12,50 13,25 6,00 7,00 8,00"};
        QTest::newRow("go: none ticked, one empty entry")
            << go << QStringList{"A;A;ETR", "B;B;NAS"} << QStringList{"| 0,00 0,00 0,00 7,00 8,00"};
        QTest::newRow("go: unreadable and n/a figures stay 0")
            << go << QStringList{"xA;A;ETR;abc;n/a;n/a"} << QStringList{"A|A 0,00 0,00 0,00 7,00 8,00"};
        QTest::newRow("fv: US places ticked only")
            << fv << QStringList{"xa;A;ETR", "b;B;NAS", "xc;C;NAS", "xd;D;AME", "xe;E;NYS", "xf;F;nas"}
            << QStringList{"c|C 0,00 0,00 0,00 7,00 8,00", "d|D 0,00 0,00 0,00 0,00 0,00",
                           "e|E 0,00 0,00 0,00 0,00 0,00"};
        QTest::newRow("bench: quantity decides, tick ignored")
            << bench
            << QStringList{"A;A;ETR;10;11;10,00;5;55;5", "xB;B;ETR;1;1;0,00;", "C;C;NAS;2;1;-50,00;3;3;-3"}
            << QStringList{"A|A 10,00 11,00 10,00 55,00 5,00", "C|C 2,00 1,00 -50,00 3,00 -3,00"};
        QTest::newRow("bench: B-% 0,00 leaves 0, 0,50 is kept")
            << bench << QStringList{"A;A;ETR;;;0,00;1", "B;B;ETR;;;0,50;1"}
            << QStringList{"A|A 0,00 0,00 0,00 0,00 0,00", "B|B 0,00 0,00 0,50 0,00 0,00"};
        QTest::newRow("bench: none qualifies, figures cleared")
            << bench << QStringList{"xA;A;ETR;1;1;1"} << QStringList{"| 0,00 0,00 0,00 0,00 0,00"};
    }
    void fill()
    {
        QFETCH(int, command);
        QFETCH(QStringList, list);
        QFETCH(QStringList, lines);
        QList<WatchEntry> entries;
        for (const QString& row : list)
            entries << entry(row);
        ChartSelection s;
        s.setTexts("old", "OLD", "ETR", "W", "I");
        s.cSelQuote = {Amount::fromInt(99)};
        s.cSelValue = {Amount::fromInt(7)};
        s.cSelChange = {Amount::fromInt(8)};
        fillChartSelection(s, entries, OverviewCommand(command));
        // Every list holds one element per entry, none left over.
        for (qsizetype size : {s.sSelTicker.size(), s.sSelPlace.size(), s.sSelWKN.size(), s.sSelISIN.size(),
                               s.cSelQuote.size(), s.cSelDayPct.size(), s.cSelBuyPct.size(),
                               s.cSelValue.size(), s.cSelChange.size()})
            QCOMPARE(size, s.sSelName.size());
        QStringList got;
        for (qsizetype i = 0; i < s.sSelName.size(); ++i)
            got << line(s, i);
        QCOMPARE(got, lines);
    }
};

QTEST_GUILESS_MAIN(TestOverviewCommands)
#include "tst_overviewcommands.moc"
