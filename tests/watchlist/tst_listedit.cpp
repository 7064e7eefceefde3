#include "watchlist/listedit.h"
#include "watchlist/listfile.h"

#include <QTest>

using namespace td;

Q_DECLARE_METATYPE(td::CloseStep)

namespace {

WatchEntry entry(int column, const QString& text, const QString& ticker = {})
{
    WatchEntry e;
    e.columns[ColTicker] = ticker;
    e.columns[column] = text;
    return e;
}

} // namespace

class TestListEdit : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void writeThroughFigures_data()
    {
        QTest::addColumn<QStringList>("before"); // Quote, Qty, Value, +|-
        QTest::addColumn<QStringList>("typed");  // Buying, Qty
        QTest::addColumn<QStringList>("after");  // Qty, Value, +|-
        QTest::addColumn<uint>("colour");
        const uint keep = colour::Grey; // the colour +|- had before
        const uint green = colour::DarkGreen;
        const auto row = [](const char* tag, QStringList before, QStringList typed, QStringList after,
                            uint c) {
            QTest::newRow(tag) << before << typed << after << c;
        };
        row("15.000 and 1.500 in green", {"10", "", "", ""}, {"9", "1500"}, {"1.500", "15.000", "1.500"},
            green);
        row("loss in red", {"8,5", "", "", ""}, {"10", "100"}, {"100", "850", "-150"}, colour::DarkRed);
        row("break-even empties +|-, keeps its colour", {"9", "", "", "50"}, {"9", "100"}, {"100", "900", ""},
            keep);
        row("unreadable quote keeps Value", {"n/a", "", "1.234", ""}, {"100", "10"}, {"10", "1.234", "234"},
            green);
        row("no quote: Value as it stands", {"", "", "2.000", ""}, {"150", "10"}, {"10", "2.000", "500"},
            green);
        row("unreadable Qty keeps the old one", {"10", "7", "", ""}, {"", "7x"}, {"7", "70", ""}, keep);
        row("emptied Qty stops both figures", {"10", "7", "70", "20"}, {"5", ""}, {"", "70", "20"}, green);
        row("Qty grouped and rounded", {"", "", "", ""}, {"", "1234,5"}, {"1.235", "", ""}, keep);
        row("Qty read with thousands", {"2", "", "", ""}, {"", "12.345"}, {"12.345", "24.690", ""}, keep);
        row("Value ties to even", {"0,5", "", "", ""}, {"", "5"}, {"5", "2", ""}, keep);
        row("+|- ties to even", {"1", "", "", ""}, {"0,5", "5"}, {"5", "5", "2"}, green);
        row("a left-over zero is black", {"", "", "", "0"}, {"", ""}, {"", "", "0"}, colour::Black);
    }
    void writeThroughFigures()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, typed);
        WatchEntry e;
        const int columns[] = {ColQuote, ColQty, ColValue, ColPlusMinus};
        for (int i = 0; i < 4; ++i)
            e.columns[columns[i]] = before[i];
        e.styles[ColPlusMinus] = CellStyle{colour::Grey, true};
        e.checked = true;
        const EntryFields fields{"New", "NEW", "ETR", "1.1.", typed[0], "EUR", typed[1], "WKN1", "ISIN1"};
        const WatchEntry r = writeThrough(e, fields);
        QTEST((QStringList{r.columns[ColQty], r.columns[ColValue], r.columns[ColPlusMinus]}), "after");
        QTEST(uint(r.styles[ColPlusMinus].colour), "colour");
        QVERIFY(r.styles[ColPlusMinus].bold && r.checked);
        QCOMPARE(r.columns[ColQuote], before[0]);
        QCOMPARE(r.columns[ColIsin], QStringLiteral("ISIN1"));
    }
    void moveKeepsTheEntry_data()
    {
        QTest::addColumn<bool>("sameName"); // the second entry is called "A" as well
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("target");
        QTest::addColumn<QStringList>("order");
        QTest::addColumn<int>("newPosition");
        QTest::newRow("up") << false << 3 << 2 << QStringList{"A1", "C3", "B2", "D4"} << 2;
        QTest::newRow("past the end") << false << 1 << 9 << QStringList{"B2", "C3", "D4", "A1"} << 4;
        QTest::newRow("same name, second") << true << 2 << 1 << QStringList{"A2", "A1", "C3", "D4"} << 1;
        QTest::newRow("same name, first") << true << 1 << 2 << QStringList{"A2", "A1", "C3", "D4"} << 2;
    }
    void moveKeepsTheEntry()
    {
        QFETCH(int, position);
        QFETCH(int, target);
        QFETCH(bool, sameName);
        QList<WatchEntry> entries = {entry(ColName, "A", "1"), entry(ColName, sameName ? "A" : "B", "2"),
                                     entry(ColName, "C", "3"), entry(ColName, "D", "4")};
        WatchEntry& source = entries[position - 1];
        source.checked = source.important = true;
        source.columns[ColValue] = QStringLiteral("15.000");
        source.icon = EntryIcon::Plus;
        source.styles[ColValue] = CellStyle{colour::NearBlack, true};
        const WatchEntry before = source;
        const int newPosition = moveEntry(entries, position, target);
        QTEST(newPosition, "newPosition");
        QStringList order;
        for (const WatchEntry& e : entries)
            order << e.name() + e.columns[ColTicker];
        QTEST(order, "order");
        // Texts and marks travel; icon and styles wait for the next evaluation.
        const WatchEntry& moved = entries[newPosition - 1];
        QCOMPARE(moved.columns, before.columns);
        QVERIFY(moved.checked && moved.important);
        QCOMPARE(moved.icon, EntryIcon::None);
        QCOMPARE(moved.styles[ColValue], CellStyle{});
    }
    void sorting_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("descending");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QList<int>>("rows");
        const QStringList quotes = {"12,50", "", "9,00", "n/a", "1.000", "-3"};
        const QStringList words = {"beta", "Alpha", "gamma", "ALPHA"};
        QTest::newRow("quote up, empties last")
            << int(ColQuote) << false << quotes << QList<int>{5, 2, 0, 4, 1, 3};
        QTest::newRow("quote down, empties last")
            << int(ColQuote) << true << quotes << QList<int>{4, 0, 2, 5, 1, 3};
        QTest::newRow("Buying by value")
            << int(ColBuying) << false << QStringList{"12,50", "9,00"} << QList<int>{1, 0};
        QTest::newRow("Qty by value")
            << int(ColQty) << false << QStringList{"1.500", "200", "30"} << QList<int>{2, 1, 0};
        QTest::newRow("equal values keep their order")
            << int(ColPlusMinus) << true << QStringList{"5", "7", "5", "7"} << QList<int>{1, 3, 0, 2};
        QTest::newRow("names without case") << int(ColName) << false << words << QList<int>{1, 3, 0, 2};
        QTest::newRow("names down") << int(ColName) << true << words << QList<int>{2, 0, 1, 3};
        QTest::newRow("WKN is text") << int(ColWkn) << false << QStringList{"9", "10"} << QList<int>{1, 0};
    }
    void sorting()
    {
        QFETCH(int, column);
        QFETCH(bool, descending);
        QFETCH(QStringList, texts);
        QList<WatchEntry> entries;
        for (const QString& t : texts)
            entries << entry(column, t);
        QTEST(sortedRows(entries, column, descending ? Qt::DescendingOrder : Qt::AscendingOrder), "rows");
    }
    void closeStep_data()
    {
        QTest::addColumn<bool>("changed");
        QTest::addColumn<int>("entries");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("own"); // the list's own file
        QTest::addColumn<int>("linesNotLoaded");
        QTest::addColumn<int>("held"); // entries the own file held when read
        QTest::addColumn<CloseStep>("step");
        const auto row = [](const char* tag, bool changed, int entries, const char* box, const char* own,
                            int notLoaded, CloseStep step, int held = 0) {
            QTest::newRow(tag) << changed << entries << box << own << notLoaded << held << step;
        };
        row("own file", false, 2, " /t/a.tic ", "/t/a.tic", 0, CloseStep::SaveSilently);
        row("own file, spelled otherwise", false, 2, "/t/./a.tic", "/t/a.tic", 0, CloseStep::SaveSilently);
        row("box names another file", false, 2, "/t/b.tic", "/t/a.tic", 0, CloseStep::Ask);
        row("another file, nothing to write", false, 0, "/t/b.tic", "/t/a.tic", 0, CloseStep::Close);
        row("no own file", false, 1, "/t/b.tic", "", 0, CloseStep::Ask);
        row("empty box", false, 2, " ", "/t/a.tic", 0, CloseStep::Close);
        row("part of its file", false, 2, "/t/a.tic", "/t/a.tic", 3, CloseStep::Close);
        row("changed", true, 0, "", "", 0, CloseStep::Ask);
        row("as many entries as read", false, 2, "/t/a.tic", "/t/a.tic", 0, CloseStep::SaveSilently, 2);
        row("fewer entries than read", false, 1, "/t/a.tic", "/t/a.tic", 0, CloseStep::AskShrinking, 2);
        row("fewer, but changed", true, 1, "/t/a.tic", "/t/a.tic", 0, CloseStep::Ask, 2);
    }
    void closeStep()
    {
        QFETCH(bool, changed);
        QFETCH(int, entries);
        QFETCH(QString, box);
        QFETCH(QString, own);
        QFETCH(int, linesNotLoaded);
        QFETCH(int, held);
        const ListFileState list{{own, linesNotLoaded, false, held}, changed};
        QTEST(td::closeStep(list, entries, box), "step");
        QCOMPARE(linesLostBySave(list.origin, box), box.trimmed() == own ? linesNotLoaded : 0);
    }
};

QTEST_APPLESS_MAIN(TestListEdit)
#include "tst_listedit.moc"
