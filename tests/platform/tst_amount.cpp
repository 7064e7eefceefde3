#include "platform/amount.h"
#include "platform/textfile.h"

#include <QTest>

using td::Amount;

class TestAmount : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void parseGerman_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<qint64>("raw");
        const auto good = [](const char* tag, const char* text, qint64 raw) {
            QTest::newRow(tag) << text << true << raw;
        };
        const auto bad = [](const char* tag, const char* text) {
            QTest::newRow(tag) << text << false << 0LL;
        };
        good("thousands dot", "12.345", 123450000);
        good("both", "1.234,5", 12345000);
        good("blanks around", "  -1,25 ", -12500);
        good("plus sign", "+3", 30000);
        good("fifth decimal ties to even down", "0,00005", 0);
        good("fifth decimal ties to even up", "0,00015", 2);
        good("leading comma", ",5", 5000);
        bad("empty", "");
        bad("sign only", "-");
        bad("nbsp currency", "12,34&nbsp;EUR");
        bad("two commas", "1,2,3");
        bad("inner blank", "1 2");
        bad("trailing dot", "12.");
        bad("too large", "99999999999999999999");
    }
    void parseGerman()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(qint64, raw);
        const auto value = td::parseGerman(text);
        QCOMPARE(value.has_value(), ok);
        if (ok)
            QCOMPARE(value->raw(), raw);
    }
    void format_data()
    {
        QTest::addColumn<qint64>("raw");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* tag, qint64 raw, const char* format, const char* expected) {
            QTest::newRow(tag) << raw << format << expected;
        };
        row("0.00## pads two", 123000, "0.00##", "12,30");
        row("0.00## keeps four", 123456, "0.00##", "12,3456");
        row("0.00 half away negative", -12350, "0.00", "-1,24");
        row("#,# groups", 12345670000, "#,#", "1.234.567");
        row("#,# zero empty", 0, "#,#", "");
        row("#,# rounds half away", 25000, "#,#", "3");
        row("#,# negative", -15000000, "#,#", "-1.500");
        row("# no grouping", 12345670000, "#", "1234567");
        row("# zero empty", 0, "#", "");
        row("#0 zero", 0, "#0", "0");
        row("### zero empty", 0, "###", "");
        // No format: every decimal the figure has, no grouping.
        row("text whole", 1000000, "", "100");
        row("text zero", 0, "", "0");
        row("text tiny negative", -1, "", "-0,0001");
        row("text ungrouped", 12345678000, "", "1234567,8");
    }
    void format()
    {
        QFETCH(qint64, raw);
        QFETCH(QString, format);
        const Amount value = Amount::fromRaw(raw);
        QTEST(format.isEmpty() ? td::amountText(value) : td::formatAmount(value, format), "expected");
    }
    void formatDouble_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected"); // format "0.00"
        QTest::newRow("binary 2.675 rounds up") << 2.675 << "2,68";
        QTest::newRow("negative half") << -0.125 << "-0,13";
        QTest::newRow("tiny negative is zero") << -0.001 << "0,00";
    }
    void formatDouble()
    {
        QFETCH(double, value);
        QTEST(td::formatDouble(value, QStringLiteral("0.00")), "expected");
    }
    void roundToEven_data()
    {
        QTest::addColumn<qint64>("raw");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<qint64>("expected");
        QTest::newRow("2.5 to 2") << 25000LL << 0 << 20000LL;
        QTest::newRow("3.5 to 4") << 35000LL << 0 << 40000LL;
        QTest::newRow("-2.5 to -2") << -25000LL << 0 << -20000LL;
        QTest::newRow("2.51 to 3") << 25100LL << 0 << 30000LL;
        QTest::newRow("0.015 to 0.02") << 150LL << 2 << 200LL;
    }
    void roundToEven()
    {
        QFETCH(qint64, raw);
        QFETCH(int, decimals);
        QTEST(qint64(Amount::fromRaw(raw).roundedToEven(decimals).raw()), "expected");
    }
    void arithmeticOverflowIsEmpty()
    {
        const Amount big = Amount::fromRaw(std::numeric_limits<qint64>::max() - 1);
        QVERIFY(!big.plus(Amount::fromInt(1)).has_value());
        QVERIFY(!big.times(Amount::fromInt(2)).has_value());
        QVERIFY(!Amount::fromDouble(1e300).has_value());
        QCOMPARE(Amount::fromDouble(0.00005)->raw(), qint64(0));
        QCOMPARE(Amount::fromDouble(-12.34567)->raw(), qint64(-123457));
    }
    void leadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("decimal point") << "1.5" << 1.5;
        QTest::newRow("comma stops") << "5,5" << 5.0;
        QTest::newRow("no number") << "abc" << 0.0;
        QTest::newRow("negative") << " -20" << -20.0;
    }
    void leadingNumber()
    {
        QFETCH(QString, text);
        QTEST(td::leadingNumber(text), "expected");
    }
    void windows1252RoundTrip()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        QCOMPARE(td::encodeWindows1252(td::decodeWindows1252(all)), all);
    }
    void splitLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("lf only") << "a\nb\n" << QStringList{"a", "b"};
        QTest::newRow("final lone cr") << "a\r" << QStringList{"a"};
    }
    void splitLines()
    {
        QFETCH(QString, text);
        QTEST(td::splitLines(text), "lines");
    }
};

QTEST_APPLESS_MAIN(TestAmount)
#include "tst_amount.moc"
