#include "quotes/signalreader.h"

#include <QFile>
#include <QSvgRenderer>
#include <QTest>

using namespace td;

class TstSignalReader : public QObject
{
    Q_OBJECT

private slots:
    void read_data();
    void read();
    void symbolPictures();
};

void TstSignalReader::read_data()
{
    QTest::addColumn<QString>("markup");
    QTest::addColumn<bool>("lang");
    QTest::addColumn<QString>("word");
    QTest::addColumn<uint>("colour");
    QTest::addColumn<QList<int>>("symbols");

    QTest::newRow("sell is not buy") << "<td>Signal</td><td>verkaufen</td><b>>verkaufen<</b>" << false
                                     << "verkaufen" << 0xC0u << QList<int>{4};
    QTest::newRow("buy") << "<div class=x>kaufen</div><span>>kaufen<</span>" << false << "kaufen" << 0x8000u
                         << QList<int>{0};
    QTest::newRow("hold and reduce: last row wins")
        << "<p>>reduzieren<</p><p>>halten<</p>" << false << "reduzieren" << 0xC0u << QList<int>{2, 3};
    QTest::newRow("hold alone is dark grey")
        << "x>halten<y" << false << "halten" << 0x404040u << QList<int>{2};
    QTest::newRow("long set") << ">kaufen< >akkumulieren<" << true << "akkumulieren" << 0x8000u
                              << QList<int>{5, 6};
    QTest::newRow("all five") << ">verkaufen<>reduzieren<>halten<>akkumulieren<>kaufen<" << false
                              << "verkaufen" << 0xC0u << QList<int>{0, 1, 2, 3, 4};
    QTest::newRow("case matters") << "<b>>Kaufen<</b><b>>HALTEN<</b>" << false << "" << 0u << QList<int>{};
    QTest::newRow("blanks inside the brackets") << "<b> kaufen </b>" << false << "" << 0u << QList<int>{};
    QTest::newRow("no marker") << "<html><body>Keine Daten</body></html>" << true << "" << 0u << QList<int>{};
}

void TstSignalReader::read()
{
    QFETCH(QString, markup);
    QFETCH(bool, lang);
    QFETCH(QString, word);
    QFETCH(uint, colour);
    QFETCH(QList<int>, symbols);

    const SignalResult result =
        readSignal(markup, lang ? SignalPane::HandelssignalLang : SignalPane::Handelssignal);
    QCOMPARE(result.word, word);
    QCOMPARE(result.colour, colour);
    QCOMPARE(result.symbols, symbols);
}

void TstSignalReader::symbolPictures()
{
    for (int i = 0; i < 10; ++i) {
        const QString path = signalSymbolResource(i);
        QVERIFY2(QFile::exists(path), qPrintable(path));
        QVERIFY2(QSvgRenderer(path).isValid(), qPrintable(path));
        QCOMPARE(path, signalSymbolResource(i % 5));
    }
    // Each drawing is in its row's colour (0xBBGGRR written as #rrggbb).
    for (const SignalRow& row : signalRows()) {
        QFile file(signalSymbolResource(row.symbol));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const std::uint32_t c = row.colour;
        const QString rgb = QStringLiteral("#%1%2%3")
                                .arg(c & 0xFF, 2, 16, QLatin1Char('0'))
                                .arg((c >> 8) & 0xFF, 2, 16, QLatin1Char('0'))
                                .arg((c >> 16) & 0xFF, 2, 16, QLatin1Char('0'));
        QVERIFY2(QString::fromUtf8(file.readAll()).contains(rgb), qPrintable(row.word + u' ' + rgb));
    }
    QVERIFY(signalSymbolResource(10).isEmpty());
    QVERIFY(signalSymbolResource(-1).isEmpty());
}

QTEST_MAIN(TstSignalReader)
#include "tst_signalreader.moc"
