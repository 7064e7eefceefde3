#include "quotes/pagereader.h"
#include "quotes/pagetext.h"

#include <QFile>
#include <QTest>

using namespace td;

namespace {

QString fixture(const QString& name)
{
    QFile file(QStringLiteral(TD_FIXTURES_DIR "/quotes/") + name + QStringLiteral(".html"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing fixture %s", qPrintable(name));
    return QString::fromLatin1(file.readAll());
}

Amount amount(const QString& text)
{
    return parseGerman(text).value_or(Amount::fromRaw(-1));
}

// Expected values of a row, "|"-separated; "~" stands for "no value".
QStringList fields(const char* text)
{
    return QString::fromLatin1(text).split(u'|');
}

QString orNone(const std::optional<QString>& value)
{
    return value.value_or(QStringLiteral("~"));
}

} // namespace

class TestPageReader : public QObject
{
    Q_OBJECT
private slots:
    void primitives()
    {
        QCOMPARE(orNone(pagetext::mid(u"abcdef", 4, 10)), QStringLiteral("def"));
        QCOMPARE(orNone(pagetext::mid(u"abcdef", 9, 3)), QString());
        QCOMPARE(orNone(pagetext::mid(u"abcdef", 0, 3)), QStringLiteral("~"));
        QCOMPARE(orNone(pagetext::mid(u"abcdef", 2, -1)), QStringLiteral("~"));
        QCOMPARE(orNone(pagetext::left(u"abcdef", 10)), QStringLiteral("abcdef"));
        QCOMPARE(orNone(pagetext::left(u"abcdef", -1)), QStringLiteral("~"));
        QCOMPARE(pagetext::find(u"a</DIV>b</DIV>", u"</DIV>"), 2);
        QCOMPARE(pagetext::findLast(u"a</DIV>b</DIV>", u"</DIV>"), 9);
        QCOMPARE(pagetext::find(u"abc", u"x"), 0);
        QCOMPARE(pagetext::trim(u"  \t1,5 "), QStringLiteral("\t1,5"));
    }
    // A failed step keeps the old value; the error stays until a rule clears it.
    void readerErrorState()
    {
        pagetext::PageReader r;
        QString s = QStringLiteral("old");
        r.set(s, pagetext::mid(u"abc", 0, 2));
        QCOMPARE(s, QStringLiteral("old"));
        r.set(s, pagetext::mid(u"abc", 2, 2));
        QCOMPARE(s, QStringLiteral("bc"));
        QVERIFY(r.errorPending());
        r.clearError();
        Amount a = Amount::fromInt(7);
        r.set(a, pagetext::cur(pagetext::left(u"12,5", -1)));
        QCOMPARE(a, Amount::fromInt(7));
        QVERIFY(r.errorPending());
    }
    void quotePage_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("byWkn");
        QTest::addColumn<QString>("flags");        // D dropped, K Kursdaten found
        QTest::addColumn<QStringList>("expected"); // quote text|quote|change text|day %|WKN|ISIN
        const auto row = [](const char* file, bool byWkn, const char* flags, const char* expected) {
            QTest::newRow(QByteArray(file).append(byWkn ? " by WKN" : "").constData())
                << QString::fromLatin1(file) << byWkn << flags << fields(expected);
        };
        row("search_nbsp", false, "K", "12,34&nbsp;EUR|12,34|-1,25|-1,25|519000|DE0005190003");
        row("search_plain", false, "K", "12,34|12,34|+0,85|0,85|519000|DE0005190003");
        // The whole-text attempt clears the error, so the day change still reads.
        row("search_quote_nan", false, "K", "k.A.&nbsp;EUR|0|-1,25|-1,25|519000|DE0005190003");
        row("search_change_nan", false, "K", "12,34&nbsp;EUR|12,34||0|519000|DE0005190003");
        row("wkn_layout", true, "K", "10,50|10,5|10,00|5|519000|DE0005190003");
        row("wkn_layout_tie", true, "K", "8,0004|8,0004|8,00|0|519000|DE0005190003");
        row("wkn_layout_drop", true, "DK", "k.A.|0||0|~|~");
        // Batch pages are read with the layout the last selection left.
        row("search_nbsp", true, "DK", "");
        row("masterdata_only", false, "", "|0||0|519000|DE0005190003");
        row("masterdata_only", true, "", "|0||0|519000|DE0005190003");
        row("masterdata_fallback", false, "", "|0||0|519000|DE0005190003");
        row("empty", false, "", "|0||0|~|~");
    }
    void quotePage()
    {
        QFETCH(QString, file);
        QFETCH(bool, byWkn);
        QFETCH(QString, flags);
        QFETCH(QStringList, expected);
        const QuotePageResult r = readQuotePage(fixture(file), byWkn);
        QCOMPARE(r.dropped, flags.contains(u'D'));
        QCOMPARE(r.hasKursdaten, flags.contains(u'K'));
        // A quote that cannot be read is not evaluated as a quote of 0.
        const bool unreadableQuote = file == u"search_quote_nan";
        QCOMPARE(r.evaluate, !r.sQuoteText.isEmpty() && !r.dropped && !unreadableQuote);
        if (r.dropped)
            QVERIFY(!r.wkn && !r.isin);
        if (expected.size() > 1)
            QCOMPARE((QStringList{r.sQuoteText, amountText(r.quote), r.sChangeText, amountText(r.dayPct),
                                  orNone(r.wkn), orNone(r.isin)}),
                     expected);
    }
    void backgroundPage_data()
    {
        // The row is named by its page. quote text|quote|change text|day %|WKN|R when the quote was read
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("search_nbsp") << fields("12,34&nbsp;EUR|12,34|-1,25|-1,25|519000|R");
        QTest::newRow("background_keyelement") << fields("12,34 EUR|12,34|+0,85|0,85|519000|R");
        // No whole-text fallback: the failed quote step sends the reading to
        // the key element layout, which is missing and changes nothing.
        QTest::newRow("search_plain") << fields("12,34|0|+0,85|0,85|519000|");
        QTest::newRow("search_quote_nan") << fields("k.A.&nbsp;EUR|0|-1,25|-1,25|519000|");
        QTest::newRow("masterdata_only") << fields("|0||0|519000|");
        QTest::newRow("empty") << fields("|0||0|~|");
    }
    void backgroundPage()
    {
        QFETCH(QStringList, expected);
        const BackgroundPageResult r =
            readBackgroundPage(fixture(QString::fromLatin1(QTest::currentDataTag())));
        QCOMPARE(
            (QStringList{r.sBgQuoteText, amountText(r.cBgQuote), r.sBgChangeText, amountText(r.cBgDayPct),
                         orNone(r.wkn), r.quoteRead ? QStringLiteral("R") : QString()}),
            expected);
    }
    void dayChange_data()
    {
        QTest::addColumn<QStringList>("in"); // quote|previous|expected day %
        QTest::newRow("tie down to even") << fields("8,0004|8,00|0,00");
        QTest::newRow("tie up to even") << fields("8,0012|8,00|0,02");
        QTest::newRow("negative tie") << fields("7,9996|8,00|0,00");
        QTest::newRow("thirds") << fields("4,00|3,00|33,33");
        QTest::newRow("loss") << fields("9,50|10,00|-5,00");
        QTest::newRow("previous 0") << fields("1,00|0|~");
        QTest::newRow("overflow") << fields("900.000.000.000.000|-900.000.000.000.000|~");
        QTest::newRow("overflow of the hundredfold") << fields("100.000.000.000.000|1|~");
    }
    void dayChange()
    {
        QFETCH(QStringList, in);
        const auto r = dayChangeFromPreviousClose(amount(in[0]), amount(in[1]));
        QCOMPARE(r.has_value(), in[2] != u"~");
        if (r)
            QCOMPARE(*r, amount(in[2]));
    }
};

QTEST_GUILESS_MAIN(TestPageReader)
#include "tst_pagereader.moc"
