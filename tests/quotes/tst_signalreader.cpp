#include "quotes/signalreader.h"

#include <QSvgRenderer>
#include <QTest>

using namespace td;

class TstSignalReader : public QObject
{
    Q_OBJECT
private slots:
    void read_data()
    {
        QTest::addColumn<QString>("markup");
        QTest::addColumn<bool>("lang");
        QTest::addColumn<QString>("word");
        QTest::addColumn<uint>("colour");
        QTest::addColumn<QList<int>>("symbols");
        QTest::newRow("sell is not buy") << "<td>Signal</td><td>verkaufen</td><b>>verkaufen<</b>" << false
                                         << "verkaufen" << 0xC0u << QList<int>{4};
        QTest::newRow("hold alone is dark grey")
            << "x>halten<y" << false << "halten" << 0x404040u << QList<int>{2};
        QTest::newRow("long set") << ">kaufen< >akkumulieren<" << true << "akkumulieren" << 0x8000u
                                  << QList<int>{5, 6};
        QTest::newRow("all five: last row wins")
            << ">verkaufen<>reduzieren<>halten<>akkumulieren<>kaufen<" << false << "verkaufen" << 0xC0u
            << QList<int>{0, 1, 2, 3, 4};
        QTest::newRow("case and brackets matter")
            << "<b>>Kaufen<</b><b>>HALTEN<</b><b> kaufen </b>" << true << "" << 0u << QList<int>{};
    }
    void read()
    {
        QFETCH(QString, markup);
        QFETCH(bool, lang);
        const SignalResult result =
            readSignal(markup, lang ? SignalPane::HandelssignalLang : SignalPane::Handelssignal);
        QTEST(result.word, "word");
        QTEST(uint(result.colour), "colour");
        QTEST(result.symbols, "symbols");
    }
    // Both sets show each row's own drawing.
    void symbolPictures()
    {
        for (const SignalRow& row : signalRows()) {
            QVERIFY2(QSvgRenderer(signalSymbolResource(row.symbol)).isValid(), qPrintable(row.word));
            QCOMPARE(signalSymbolResource(row.symbolLang), signalSymbolResource(row.symbol));
        }
        QVERIFY(signalSymbolResource(10).isEmpty());
        QVERIFY(signalSymbolResource(-1).isEmpty());
    }
};

QTEST_MAIN(TstSignalReader)
#include "tst_signalreader.moc"
