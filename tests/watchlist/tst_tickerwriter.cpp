// The list file is written in one pass straight to bytes; it must say exactly
// what the line writer says, whatever the user typed into a column.
#include "platform/textfile.h"
#include "watchlist/tickerfile.h"

#include <QTest>

using namespace td;

class TestTickerWriter : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fileWriterMatchesLineWriter_data();
    void fileWriterMatchesLineWriter();
};

void TestTickerWriter::fileWriterMatchesLineWriter_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<bool>("important");
    QTest::addColumn<QByteArray>("nameField");
    QTest::newRow("plain") << "BMW" << true << false << QByteArray("BMW");
    QTest::newRow("separator") << "A;B" << false << true << QByteArray("A,B");
    QTest::newRow("CR LF is one blank") << "A\r\nB" << false << false << QByteArray("A B");
    QTest::newRow("lone CR and LF") << "A\rB\nC\r" << true << true << QByteArray("A B C ");
    QTest::newRow("CR CR LF") << "A\r\r\nB" << false << false << QByteArray("A  B");
    QTest::newRow("euro and umlaut") << QString::fromUtf8("M\u00fcller \u20ac") << false << false
                                     << QByteArray("M\xfcller \x80");
    QTest::newRow("undefined C1 byte") << QStringLiteral("\u0081") << false << false << QByteArray("\x81");
    QTest::newRow("outside the code page")
        << QString::fromUtf8("\u4e2d\U0001F600") << false << false << QByteArray("???");
    QTest::newRow("empty") << "" << false << false << QByteArray();
}

void TestTickerWriter::fileWriterMatchesLineWriter()
{
    QFETCH(QString, text);
    QFETCH(bool, checked);
    QFETCH(bool, important);
    QFETCH(QByteArray, nameField);
    QList<WatchEntry> entries(2);
    for (int c = 0; c < ColumnCount; ++c)
        entries[0].columns[c] = c % 2 == 0 ? text : QStringLiteral("x");
    entries[0].checked = checked;
    entries[0].important = important;
    entries[1].columns[ColIsin] = text;

    QString lines;
    for (const WatchEntry& e : entries)
        lines += formatTickerLine(e) + QStringLiteral("\r\n");
    const QByteArray file = formatTickerFile(entries);
    QCOMPARE(file, encodeWindows1252(lines));
    QCOMPARE(file.left(file.indexOf(';')), nameField);
}

QTEST_APPLESS_MAIN(TestTickerWriter)
#include "tst_tickerwriter.moc"
