#include "quotes/evaluation.h"

#include <QTest>

using namespace td;

Q_DECLARE_METATYPE(td::EntryIcon)

namespace {

Amount amount(const QString& text)
{
    return parseGerman(text).value_or(Amount::fromRaw(-1));
}

QStringList fields(const char* text)
{
    return QString::fromLatin1(text).split(u'|');
}

WatchEntry loadedEntry(const QString& buying, const QString& qty)
{
    WatchEntry e;
    e.columns[ColName] = QStringLiteral("BMW AG St");
    e.columns[ColBuying] = buying;
    e.columns[ColQty] = qty;
    e.columns[ColWkn] = QStringLiteral("519000");
    e.applyLoadedStyles();
    e.icon = EntryIcon::NoBuyQuote;
    return e;
}

QStringList columnTexts(const WatchEntry& e, std::initializer_list<int> columns)
{
    QStringList texts;
    for (int c : columns)
        texts << e.columns[c];
    return texts;
}

} // namespace

class TestEvaluation : public QObject
{
    Q_OBJECT
private slots:
    void evaluate_data()
    {
        QTest::addColumn<QStringList>("in");   // quote|day|buying|qty
        QTest::addColumn<QStringList>("cols"); // columns 5|6|7|8|11|12
        QTest::addColumn<QString>("colours");  // of columns 5, 6, 7, 8, 12
        QTest::addColumn<EntryIcon>("icon");
        const auto row = [](const char* tag, const char* in, const char* cols, const char* colours,
                            EntryIcon icon) {
            QTest::newRow(tag) << fields(in) << fields(cols) << QString::fromLatin1(colours) << icon;
        };
        row("negative day", "10,50|-1,25|10,00|100", "10,50|-1,25|0,50|5,00|1.050|50", "rrggg",
            EntryIcon::PlusMinus);
        // +|- of 0 formats as "" and keeps its colour.
        row("quote equals buying", "10,00|1,25|10,00|100", "10,00|1,25|0,00|0,00|1.000|", "ggbb-",
            EntryIcon::Even);
        row("no buying, day 0", "10,50|0||", "10,50|0,00||||", "bb---", EntryIcon::QPlus);
        row("no buying, day down", "10,50|-0,5||100", "10,50|-0,50|||1.050|", "rr---", EntryIcon::QMinus);
        row("loss", "9,50|-1|10|100", "9,50|-1,00|-0,50|-5,00|950|-50", "rrrrr", EntryIcon::Minus);
        row("loss, day up", "9,50|1|10|100", "9,50|1,00|-0,50|-5,00|950|-50", "ggrrr", EntryIcon::MinusPlus);
        row("four decimals", "0,0815|2,5|0,1|10.000", "0,0815|2,50|-0,0185|-18,50|815|-185", "ggrrr",
            EntryIcon::MinusPlus);
        // Value 20,5 rounds to 20; the profit is read back from that text:
        // 20 - 19,5 = 0,5 rounds to 0 (""), where 20,5 - 19,5 would give 1.
        row("value rounds to even", "10,25|0|9,75|2", "10,25|0,00|0,50|5,13|20|", "bbgg-", EntryIcon::Plus);
        row("thousands", "1.234,5|0|1.000|1.000", "1234,50|0,00|234,50|23,45|1.234.500|234.500", "bbggg",
            EntryIcon::Plus);
    }
    void evaluate()
    {
        QFETCH(QStringList, in);
        const WatchEntry e =
            evaluateQuote(loadedEntry(in[2], in[3]), {amount(in[0]), amount(in[1]), {}}, {}).entry;
        QTEST(columnTexts(e, {ColQuote, ColPct, ColBChg, ColBPct, ColValue, ColPlusMinus}), "cols");
        // r dark red, g dark green, b black, - the grey of a freshly loaded entry.
        QString colours;
        for (int c : {ColQuote, ColPct, ColBChg, ColBPct, ColPlusMinus}) {
            const auto colour = e.styles[c].colour;
            colours += colour == colour::DarkRed     ? u'r'
                       : colour == colour::DarkGreen ? u'g'
                       : colour == colour::Black     ? u'b'
                                                     : u'-';
        }
        QTEST(colours, "colours");
        QTEST(e.icon, "icon");
    }
    // Steps that cannot compute leave their columns as they were.
    void failedStepsKeepColumns_data()
    {
        QTest::addColumn<QStringList>("in");       // buying|qty
        QTest::addColumn<QStringList>("expected"); // columns 7|8|11|12
        QTest::newRow("qty not a number") << fields("10|viele") << fields("0,50|5,00|old11|old12");
        QTest::newRow("buying 0") << fields("0|100") << fields("10,50|old8|1.050|1.050");
        QTest::newRow("buying not a number") << fields("zehn|100") << fields("old7|old8|1.050|old12");
        QTest::newRow("value overflows")
            << fields("10|900.000.000.000.000") << fields("0,50|5,00|old11|old12");
        QTest::newRow("empty qty") << fields("10|") << fields("0,50|5,00||");
    }
    void failedStepsKeepColumns()
    {
        QFETCH(QStringList, in);
        WatchEntry e = loadedEntry(in[0], in[1]);
        for (int c : {ColBChg, ColBPct, ColValue, ColPlusMinus})
            e.columns[c] = QStringLiteral("old%1").arg(c);
        const WatchEntry r = evaluateQuote(e, {amount("10,5"), {}, {}}, {}).entry;
        QTEST(columnTexts(r, {ColBChg, ColBPct, ColValue, ColPlusMinus}), "expected");
    }
    // Buying 10: the change since buying is +5 % at 10,50 and -5 % at 9,50.
    void alarm_data()
    {
        QTest::addColumn<QString>("quote");
        QTest::addColumn<QString>("threshold");
        QTest::addColumn<QString>("flags"); // B batch running, M marking on; then A alarm, C ticked
        const auto row = [](const char* tag, const char* quote, const char* threshold, const char* flags) {
            QTest::newRow(tag) << quote << threshold << flags;
        };
        row("reached in a batch, marking on", "10,50", "5", "BMAC");
        row("reached outside a batch", "10,50", "5", "MA");
        row("reached in a batch, marking off", "10,50", "5", "BA");
        row("reached downwards", "9,50", "5,00", "BMAC");
        row("threshold above", "10,50", "5,01", "BM");
        row("threshold empty", "9,50", "", "BM");
        row("threshold not a number", "9,50", "fuenf", "BM");
    }
    void alarm()
    {
        QFETCH(QString, quote);
        QFETCH(QString, threshold);
        QFETCH(QString, flags);
        const bool batch = flags.contains(u'B');
        const bool mark = flags.contains(u'M');
        const bool alarm = flags.contains(u'A');
        const QuoteFigures figures{amount(quote), {}, {}};
        const EvaluationResult r =
            evaluateQuote(loadedEntry("10", {}), figures, {true, threshold, mark, batch});
        QCOMPARE(r.alarm, alarm);
        QCOMPARE(r.entry.styles[ColBChg].bold && r.entry.styles[ColBPct].bold, alarm);
        QCOMPARE(r.entry.checked, flags.contains(u'C'));
        QVERIFY(r.entry.styles[ColQuote].bold);
        // A later evaluation below the threshold keeps the alarm's bold marks.
        const WatchEntry again = evaluateQuote(r.entry, figures, {false, "50", mark, batch}).entry;
        QCOMPARE(again.styles[ColBPct].bold, alarm);
        QVERIFY(!again.styles[ColQuote].bold);
    }
    void currency_data()
    {
        QTest::addColumn<QStringList>("in"); // quote text|currency
        QTest::newRow("after nbsp, blanks") << fields("10,50&nbsp; EUR |EUR");
        QTest::newRow("after a blank") << fields("10,50 USD|USD");
        QTest::newRow("none") << fields("10,50|");
        QTest::newRow("nbsp at the end") << fields("10,50&nbsp;|");
    }
    void currency()
    {
        QFETCH(QStringList, in);
        const QuoteFigures figures{amount("10,50"), {}, in[0]};
        const EvaluationResult fg = evaluateQuote(loadedEntry({}, {}), figures, {});
        QCOMPARE(fg.currency, in[1]);
        QCOMPARE(fg.entry.columns[ColCur], in[1]);
        // The background twin must not put "10,50&nbsp;EUR" or a bare quote into Cur.
        QCOMPARE(evaluateQuoteBackground(loadedEntry({}, {}), figures, {}).entry.columns[ColCur], in[1]);
    }
    void background_data()
    {
        QTest::addColumn<QStringList>("in");       // buying|qty
        QTest::addColumn<QStringList>("expected"); // columns 5|6|7|8|9|11|12
        QTest::addColumn<EntryIcon>("icon");
        QTest::newRow("no buying price")
            << fields("|") << fields("10,50|1,25|n/a|n/a|EUR||") << EntryIcon::NoBuyQuote;
        QTest::newRow("full") << fields("10|100") << fields("10,50|1,25|0,50|5,00|EUR|1.050|50")
                              << EntryIcon::Plus;
    }
    void background()
    {
        QFETCH(QStringList, in);
        QFETCH(QStringList, expected);
        WatchEntry e = loadedEntry(in[0], {});
        for (int c = ColQuote; c <= ColPlusMinus; ++c)
            e.columns[c] = QStringLiteral("old%1").arg(c);
        e.columns[ColQty] = in[1];
        const QuoteFigures figures{amount("10,50"), amount("1,25"), "10,50 EUR"};
        const EvaluationResult r = evaluateQuoteBackground(e, figures, {false, "0", false, false});
        QCOMPARE(columnTexts(r.entry, {ColQuote, ColPct, ColBChg, ColBPct, ColCur, ColValue, ColPlusMinus}),
                 expected);
        QTEST(r.entry.icon, "icon");
        QCOMPARE(r.alarm, expected[3] != u"n/a"); // threshold 0: any readable B-% alarms
        QCOMPARE(r.entry.columns[ColWkn], QStringLiteral("519000"));
    }
    void stopEntry()
    {
        WatchEntry e = loadedEntry("10", "100");
        e.important = e.checked = true;
        const QuoteFigures figures{amount("10,50"), amount("-1"), "10,50 USD"};
        const WatchEntry evaluated = evaluateQuote(e, figures, {false, "5", false, false}).entry;
        const WatchEntry stop = makeStopEntry(evaluated, 7);
        for (int c = ColName; c <= ColCur; ++c)
            QCOMPARE(stop.columns[c], evaluated.columns[c]);
        for (int c = ColQuote; c <= ColBPct; ++c)
            QCOMPARE(stop.styles[c], evaluated.styles[c]);
        QVERIFY(stop.columns[ColQty].isEmpty() && stop.columns[ColWkn].isEmpty());
        QCOMPARE(stop.icon, EntryIcon::PlusMinus);
        QVERIFY(stop.checked && !stop.important);
        QCOMPARE(stop.sourcePosition, 7);
    }
};

QTEST_GUILESS_MAIN(TestEvaluation)
#include "tst_evaluation.moc"
