#include "platform/textfile.h"
#include "watchlist/tickerfile.h"

#include <QTest>

using namespace td;

class TestTickerFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fields_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("expected"); // name|ISIN|quote|checked|important
        const auto row = [](const char* tag, const char* line, const char* expected) {
            QTest::newRow(tag) << line << QString::fromLatin1(expected).split(u'|');
        };
        row("name only", "Solo", "Solo|||0|0");
        row("16 fields, no mark", "A;T;ETR;;;True;1,00;;;;;;;;W;I", "A|I|1,00|1|0");
        row("17 fields marked", "A;T;ETR;;;False;2;;;;;;;;W;I;-1", "A|I|2|0|1");
        row("30 fields", "A;T;ETR;;;True;3;;;;;;;;W;I;0;x;x;x;x;x;x;x;x;x;x;x;x;x", "A|I|3|1|0");
        row("quote field 7 not 6", "N;;;;;True;12,5", "N||12,5|1|0");
    }
    void fields()
    {
        QFETCH(QString, line);
        const WatchEntry e = parseTickerLine(line, false);
        QTEST((QStringList{e.columns[ColName], e.columns[ColIsin], e.columns[ColQuote],
                           QString::number(e.checked), QString::number(e.important)}),
              "expected");
        QCOMPARE(e.icon, EntryIcon::NoBuyQuote);
        // The quote columns get their styles even when the line lacks them.
        QCOMPARE(e.styles[ColValue], (CellStyle{colour::NearBlack, true}));
        QCOMPARE(e.styles[ColPlusMinus], (CellStyle{colour::Grey, true}));
        QCOMPARE(e.styles[ColIsin], (CellStyle{colour::Grey, false}));
    }
    void booleanSpellings_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("autoCheck");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<bool>("important");
        QTest::newRow("TRUE") << "TRUE" << false << true << true;
        QTest::newRow("false") << "false" << false << false << false;
        QTest::newRow("-1") << "-1" << false << true << true;
        QTest::newRow("0") << "0" << false << false << false;
        QTest::newRow("7") << "7" << false << true << true;
        QTest::newRow("yes unreadable") << "yes" << false << false << false;
        QTest::newRow("empty") << "" << false << false << false;
        QTest::newRow("False with AutoCheck") << "False" << true << true << false;
    }
    void booleanSpellings()
    {
        QFETCH(QString, value);
        QFETCH(bool, autoCheck);
        const QString line = QStringLiteral("N;;;;;%1;;;;;;;;;;;%1").arg(value);
        const WatchEntry e = parseTickerLine(line, autoCheck);
        QTEST(e.checked, "checked");
        QTEST(e.important, "important");
    }
    void roundTripIsByteIdentical()
    {
        const QByteArray file =
            "BMW;BMW;ETR;12.03.2024;98,50;True;101,20;1,25;2,70;2,74;EUR;50;5.060;135;519000;"
            "DE0005190003;0\r\n"
            "M\xfcller AG;MUE;FFM;;;False;;;;;;;;;;;-1\r\n"
            "Leer;;;;;False;;;;;;;;;;;0\r\n";
        const TickerFileContent content = parseTickerFile(file, false);
        QCOMPARE(content.entries.size(), 3);
        QCOMPARE(content.entries[1].name(), QStringLiteral("Müller AG"));
        QCOMPARE(formatTickerFile(content.entries), file);
    }
    void lineEnds_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("no final CR LF") << QByteArray("a\r\nb") << QStringList{"a", "b"};
        QTest::newRow("LF only") << QByteArray("a\nb\n") << QStringList{"a", "b"};
        QTest::newRow("blank lines skipped")
            << QByteArray("\r\na\r\n\r\n\r\nb\r\n\r\n") << QStringList{"a", "b"};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
        QTest::newRow("bare CR") << QByteArray("a\rb\r") << QStringList{"a", "b"};
        QTest::newRow("CR, LF and CR LF mixed")
            << QByteArray("a\rb\nc\r\nd") << QStringList{"a", "b", "c", "d"};
        QTest::newRow("windows-1252 names beside other fields")
            << QByteArray("\x80uro;EU\r\nb\x9f;X;Y")
            << QStringList{QString::fromUtf8("€uro"), QString::fromUtf8("bŸ")};
    }
    // Loaded names share one block: each must still end in '\0' and change alone.
    void lineEnds()
    {
        QFETCH(QByteArray, bytes);
        QList<WatchEntry> entries = parseTickerFile(bytes, false).entries;
        QStringList names;
        for (const WatchEntry& e : entries) {
            names << e.name();
            QCOMPARE(e.name().utf16()[e.name().size()], u'\0');
        }
        QTEST(names, "names");
        QCOMPARE(countTickerEntries(bytes), names.size());
        for (WatchEntry& e : entries) {
            e.columns[ColName].append(u"++");
            e.columns[ColTicker].clear();
        }
        for (qsizetype i = 0; i < entries.size(); ++i)
            QCOMPARE(entries[i].name(), names[i] + QStringLiteral("++"));
    }
    void hostileBytesDoNotBreakReading()
    {
        QByteArray file("bin\0ary;\x01\x02;\xff\xfe\r\n", 15);
        file += QByteArray(1024 * 1024, 'x') + ";T\r\n";
        const TickerFileContent content = parseTickerFile(file, false);
        QCOMPARE(content.entries.size(), 2);
        QCOMPARE(content.entries[0].name().size(), 7);
        QCOMPARE(content.entries[1].columns[ColTicker], QStringLiteral("T"));
        QCOMPARE(content.entries[1].name().size(), 1024 * 1024);
    }
    // The file is written in one pass straight to bytes; it must say exactly
    // what the line writer says, whatever the user typed into a column.
    void fileWriterMatchesLineWriter_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("nameField");
        QTest::newRow("plain") << "BMW" << QByteArray("BMW");
        QTest::newRow("separator") << "A;B" << QByteArray("A,B");
        QTest::newRow("CR LF is one blank") << "A\r\nB" << QByteArray("A B");
        QTest::newRow("lone CR and LF") << "A\rB\nC\r" << QByteArray("A B C ");
        QTest::newRow("CR CR LF") << "A\r\r\nB" << QByteArray("A  B");
        QTest::newRow("euro and umlaut")
            << QString::fromUtf8("M\u00fcller \u20ac") << QByteArray("M\xfcller \x80");
        QTest::newRow("undefined C1 byte") << QStringLiteral("\u0081") << QByteArray("\x81");
        QTest::newRow("outside the code page") << QString::fromUtf8("\u4e2d\U0001F600") << QByteArray("???");
        QTest::newRow("empty") << "" << QByteArray();
    }
    void fileWriterMatchesLineWriter()
    {
        QFETCH(QString, text);
        QList<WatchEntry> entries(2);
        for (int c = 0; c < ColumnCount; ++c)
            entries[0].columns[c] = c % 2 == 0 ? text : QStringLiteral("x");
        entries[0].checked = entries[1].important = true; // and each mark false in the other line
        entries[1].columns[ColIsin] = text;
        QString lines;
        for (const WatchEntry& e : entries)
            lines += formatTickerLine(e) + QStringLiteral("\r\n");
        const QByteArray file = formatTickerFile(entries);
        QCOMPARE(file, encodeWindows1252(lines));
        QTEST(file.left(file.indexOf(';')), "nameField");
    }
};

QTEST_APPLESS_MAIN(TestTickerFile)
#include "tst_tickerfile.moc"
