#include "sidewindows/infolayout.h"
#include "sidewindows/infotext.h"

#include <QTest>

using namespace td;

namespace {

using Fields = QList<QPair<int, QString>>;

WatchEntry entryWith(const Fields& fields)
{
    WatchEntry e;
    for (const auto& [column, text] : fields)
        e.columns[column] = text;
    return e;
}

const Fields kFull = {{ColName, "Alpha AG"}, {ColTicker, "ALP"},        {ColPlace, "ETR"},
                      {ColWkn, "A0B1C2"},    {ColIsin, "DE000A0B1C23"}, {ColDateOfBuying, "02.01.2024"},
                      {ColBuying, "10,00"},  {ColCur, "EUR"},           {ColQty, "5"},
                      {ColQuote, "12,00"},   {ColValue, "60,00"},       {ColPlusMinus, "10,00"},
                      {ColBPct, "20,00"}};

} // namespace

class TestInfoText : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void lines_data()
    {
        QTest::addColumn<Fields>("fields");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QStringList>("hover"); // the hover box: name, symbol, WKN and ISIN only
        const QString n = "Alpha AG", t = "ALP";
        const QStringList nt{n, t};
        QTest::newRow("name and ticker only") << Fields{{ColName, n}, {ColTicker, t}} << nt << nt;
        QTest::newRow("buying with currency, no qty")
            << Fields{{ColName, n}, {ColTicker, t}, {ColBuying, "12,50"}, {ColCur, "USD"}}
            << QStringList{n, t, "B: 12,50USD"} << nt;
        QTest::newRow("quote without value")
            << Fields{{ColName, n}, {ColTicker, t}, {ColQuote, "13,00"}, {ColCur, "EUR"}} << nt << nt;
        QTest::newRow("ampersand once")
            << Fields{{ColName, "Procter & Gamble"}, {ColTicker, t}} << QStringList{"Procter & Gamble", t}
            << QStringList{"Procter & Gamble", t};
        QTest::newRow("place without ticker")
            << Fields{{ColName, n}, {ColPlace, "NAS"}} << QStringList{n, ".NAS"} << QStringList{n, ".NAS"};
        QTest::newRow("ISIN and buying date, no WKN")
            << Fields{{ColName, n}, {ColTicker, t}, {ColIsin, "DE1"}, {ColDateOfBuying, "02.01.2024"}}
            << QStringList{n, t, "ISIN: DE1", "BDate: 02.01.2024"} << QStringList{n, t, "ISIN: DE1"};
        QTest::newRow("full entry") << kFull
                                    << QString("Alpha AG|ALP.ETR|WKN: A0B1C2|ISIN: DE000A0B1C23|BDate: "
                                               "02.01.2024|B: 10,00EUR Qty: 5|Q: 12,00EUR V: 60,00EUR|"
                                               "C: 10,00EUR (20,00%)")
                                           .split(u'|')
                                    << QStringList{"Alpha AG", "ALP.ETR", "WKN: A0B1C2",
                                                   "ISIN: DE000A0B1C23"};
    }
    void lines()
    {
        QFETCH(Fields, fields);
        const QString text = infoText(entryWith(fields));
        QTEST(text.split("\r\n"), "expected");
        QCOMPARE(text.count(u'\n'), text.count("\r\n"));
        QTEST(hoverText(entryWith(fields)).split("\r\n"), "hover");
    }
    void pageEscapes()
    {
        const QString page = infoHtmlPage("A&B <i>\r\nWKN: 1");
        QVERIFY(page.contains("A&amp;B &lt;i&gt;<br>"));
        QVERIFY(!page.contains("<i>"));
    }
    void windowStaysOnScreen_data()
    {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QPoint>("anchor");
        QTest::addColumn<QSize>("textSize");
        QTest::addColumn<QPoint>("expectedTopLeft");
        const QRect screen(0, 0, 20000, 15000);
        const QSize text(3000, 1000); // the window is 3340 x 1030
        QTest::newRow("inside") << screen << QPoint(1000, 2000) << text << QPoint(1000, 2000);
        QTest::newRow("past the right edge") << screen << QPoint(19000, 2000) << text << QPoint(16660, 2000);
        QTest::newRow("past the bottom edge") << screen << QPoint(1000, 14500) << text << QPoint(1000, 13970);
        QTest::newRow("past both") << screen << QPoint(19000, 14500) << text << QPoint(16660, 13970);
        QTest::newRow("second screen")
            << QRect(20000, -3000, 20000, 15000) << QPoint(39000, 11900) << text << QPoint(36660, 10970);
        QTest::newRow("wider than the screen")
            << screen << QPoint(5000, 2000) << QSize(25000, 1000) << QPoint(0, 2000);
    }
    void windowStaysOnScreen()
    {
        QFETCH(QRect, screen);
        QFETCH(QPoint, anchor);
        QFETCH(QSize, textSize);
        const InfoWindowLayout layout = infoWindowLayout(anchor, textSize, screen);
        QTEST(layout.window.topLeft(), "expectedTopLeft");
        QVERIFY(layout.window.width() > textSize.width());
        QVERIFY(layout.text.width() >= textSize.width());
        if (layout.window.width() <= screen.width())
            QVERIFY(screen.contains(layout.window));
    }
};

QTEST_APPLESS_MAIN(TestInfoText)
#include "tst_infotext.moc"
