#include "platform/amount.h"
#include "platform/textfile.h"

#include <QTest>

using td::Amount;

class TestAmount : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void parseGerman_data();
    void parseGerman();
    void format_data();
    void format();
    void formatDouble_data();
    void formatDouble();
    void roundToEven_data();
    void roundToEven();
    void arithmeticOverflowIsEmpty();
    void leadingNumber_data();
    void leadingNumber();
    void windows1252RoundTrip();
    void splitLines_data();
    void splitLines();
};

void TestAmount::parseGerman_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<qint64>("raw");
    QTest::newRow("decimal comma") << "12,34" << true << qint64(123400);
    QTest::newRow("thousands dot") << "12.345" << true << qint64(123450000);
    QTest::newRow("both") << "1.234,5" << true << qint64(12345000);
    QTest::newRow("blanks around") << "  -1,25 " << true << qint64(-12500);
    QTest::newRow("plus sign") << "+3" << true << qint64(30000);
    QTest::newRow("zero four decimals") << "0,0000" << true << qint64(0);
    QTest::newRow("fifth decimal ties to even down") << "0,00005" << true << qint64(0);
    QTest::newRow("fifth decimal ties to even up") << "0,00015" << true << qint64(2);
    QTest::newRow("leading comma") << ",5" << true << qint64(5000);
    QTest::newRow("empty") << "" << false << qint64(0);
    QTest::newRow("sign only") << "-" << false << qint64(0);
    QTest::newRow("letters") << "n/a" << false << qint64(0);
    QTest::newRow("nbsp currency") << "12,34&nbsp;EUR" << false << qint64(0);
    QTest::newRow("two commas") << "1,2,3" << false << qint64(0);
    QTest::newRow("inner blank") << "1 2" << false << qint64(0);
    QTest::newRow("trailing dot") << "12." << false << qint64(0);
    QTest::newRow("too large") << "99999999999999999999" << false << qint64(0);
}

void TestAmount::parseGerman()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(qint64, raw);
    const auto value = td::parseGerman(text);
    QCOMPARE(value.has_value(), ok);
    if (ok)
        QCOMPARE(value->raw(), raw);
}

void TestAmount::format_data()
{
    QTest::addColumn<qint64>("raw");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char* tag, qint64 raw, const char* format, const char* expected) {
        QTest::newRow(tag) << raw << format << expected;
    };
    row("0.00## pads two", 123000, "0.00##", "12,30");
    row("0.00## keeps four", 123456, "0.00##", "12,3456");
    row("0.00## negative", -12500, "0.00##", "-1,25");
    row("0.00## zero", 0, "0.00##", "0,00");
    row("0.00 half away up", 12350, "0.00", "1,24");
    row("0.00 half away negative", -12350, "0.00", "-1,24");
    row("#,# groups", 12345670000, "#,#", "1.234.567");
    row("#,# zero empty", 0, "#,#", "");
    row("#,# rounds half away", 25000, "#,#", "3");
    row("#,# negative", -15000000, "#,#", "-1.500");
    row("# no grouping", 12345670000, "#", "1234567");
    row("# zero empty", 0, "#", "");
    row("#0 zero", 0, "#0", "0");
    row("### zero empty", 0, "###", "");
    row("### value", 3200000, "###", "320");
    // No format: every decimal the figure has, no grouping.
    row("text 12,5", 125000, "", "12,5");
    row("text whole", 1000000, "", "100");
    row("text zero", 0, "", "0");
    row("text tiny negative", -1, "", "-0,0001");
    row("text ungrouped", 12345678000, "", "1234567,8");
}

void TestAmount::format()
{
    QFETCH(qint64, raw);
    QFETCH(QString, format);
    QFETCH(QString, expected);
    const Amount value = Amount::fromRaw(raw);
    QCOMPARE(format.isEmpty() ? td::amountText(value) : td::formatAmount(value, format), expected);
}

void TestAmount::formatDouble_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected"); // format "0.00"
    QTest::newRow("binary 2.675 rounds up") << 2.675 << "2,68";
    QTest::newRow("five percent") << 5.0 << "5,00";
    QTest::newRow("negative half") << -0.125 << "-0,13";
    QTest::newRow("tiny negative is zero") << -0.001 << "0,00";
}

void TestAmount::formatDouble()
{
    QFETCH(double, value);
    QTEST(td::formatDouble(value, QStringLiteral("0.00")), "expected");
}

void TestAmount::roundToEven_data()
{
    QTest::addColumn<qint64>("raw");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<qint64>("expected");
    QTest::newRow("2.5 to 2") << qint64(25000) << 0 << qint64(20000);
    QTest::newRow("3.5 to 4") << qint64(35000) << 0 << qint64(40000);
    QTest::newRow("-2.5 to -2") << qint64(-25000) << 0 << qint64(-20000);
    QTest::newRow("2.51 to 3") << qint64(25100) << 0 << qint64(30000);
    QTest::newRow("0.005 to 0.00") << qint64(50) << 2 << qint64(0);
    QTest::newRow("0.015 to 0.02") << qint64(150) << 2 << qint64(200);
}

void TestAmount::roundToEven()
{
    QFETCH(qint64, raw);
    QFETCH(int, decimals);
    QFETCH(qint64, expected);
    QCOMPARE(Amount::fromRaw(raw).roundedToEven(decimals).raw(), expected);
}

void TestAmount::arithmeticOverflowIsEmpty()
{
    const Amount big = Amount::fromRaw(std::numeric_limits<qint64>::max() - 1);
    QVERIFY(!big.plus(Amount::fromInt(1)).has_value());
    QVERIFY(!big.times(Amount::fromInt(2)).has_value());
    QCOMPARE(Amount::fromInt(10).times(Amount::fromRaw(15000000))->raw(), qint64(150000000));
    QVERIFY(!Amount::fromDouble(1e300).has_value());
    QCOMPARE(Amount::fromDouble(0.00005)->raw(), qint64(0));
    QCOMPARE(Amount::fromDouble(-12.34567)->raw(), qint64(-123457));
}

void TestAmount::leadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("plain") << "60000" << 60000.0;
    QTest::newRow("decimal point") << "1.5" << 1.5;
    QTest::newRow("stops at letter") << "60001ms" << 60001.0;
    QTest::newRow("comma stops") << "5,5" << 5.0;
    QTest::newRow("no number") << "abc" << 0.0;
    QTest::newRow("negative") << " -20" << -20.0;
}

void TestAmount::leadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(td::leadingNumber(text), expected);
}

void TestAmount::windows1252RoundTrip()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = td::decodeWindows1252(all);
    QCOMPARE(text.at(0x80), QChar(0x20AC));
    QCOMPARE(text.at(0xE4), QChar(0xE4));
    QCOMPARE(td::encodeWindows1252(text), all);
    QCOMPARE(td::encodeWindows1252(u"\u4e2d"), QByteArray("?"));
}

void TestAmount::splitLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("crlf") << "a\r\nb\r\n" << QStringList{"a", "b"};
    QTest::newRow("lf only") << "a\nb\n" << QStringList{"a", "b"};
    QTest::newRow("no final break") << "a\r\nb" << QStringList{"a", "b"};
    QTest::newRow("blank line kept") << "a\r\n\r\nb" << QStringList{"a", "", "b"};
    QTest::newRow("final lone cr") << "a\r" << QStringList{"a"};
    QTest::newRow("empty") << "" << QStringList{};
}

void TestAmount::splitLines()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(td::splitLines(text), lines);
}

QTEST_APPLESS_MAIN(TestAmount)
#include "tst_amount.moc"
