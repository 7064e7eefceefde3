#include "sidewindows/infolayout.h"
#include "sidewindows/infotext.h"

#include <QTest>

using namespace td;

namespace {

using Fields = QList<QPair<int, QString>>;
using Reads = QList<QPair<QDateTime, bool>>; // when, and whether the quote was read

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
        const QString text = infoText(entryWith(fields), QDateTime());
        QTEST(text.split("\r\n"), "expected");
        QCOMPARE(text.count(u'\n'), text.count("\r\n"));
        QTEST(hoverText(entryWith(fields), QDateTime()).split("\r\n"), "hover");
    }
    void ageLine_data()
    {
        QTest::addColumn<Reads>("reads");
        QTest::addColumn<QString>("expected");
        const QDateTime earlier(QDate(2026, 12, 6), QTime(14, 5, 9));
        const QDateTime yesterday(QDate(2026, 12, 5), QTime(23, 59, 59));
        QTest::newRow("never read") << Reads{} << QString();
        QTest::newRow("read today") << Reads{{earlier, true}} << "Kurs von 14:05:09";
        QTest::newRow("read on another day") << Reads{{yesterday, true}} << "Kurs von 05.12.26 23:59:59";
        QTest::newRow("midnight keeps its time")
            << Reads{{QDateTime(QDate(2026, 12, 5), QTime(0, 0)), true}} << "Kurs von 05.12.26 00:00:00";
        QTest::newRow("failed after a read") << Reads{{yesterday, true}, {earlier, false}}
                                             << "Kurs von 05.12.26 23:59:59, letzter Abruf fehlgeschlagen";
        QTest::newRow("read again after a failure")
            << Reads{{yesterday, false}, {earlier, true}} << "Kurs von 14:05:09";
        QTest::newRow("only failures") << Reads{{yesterday, false}, {earlier, false}}
                                       << "Kein Kurs abgerufen, letzter Abruf fehlgeschlagen";
    }
    void ageLine()
    {
        QFETCH(Reads, reads);
        QFETCH(QString, expected);
        const QDateTime now(QDate(2026, 12, 6), QTime(18, 0));
        WatchEntry e = entryWith({{ColName, "Alpha AG"}, {ColTicker, "ALP"}});
        for (const auto& [when, read] : reads)
            e.quoteAge.note(when, read);
        const QLocale german(QLocale::German, QLocale::Germany);
        QCOMPARE(quoteAgeLine(e.quoteAge, now, german), expected);
        // The last line of both texts, or none.
        const QStringList lines = infoText(e, now, german).split("\r\n");
        QCOMPARE(lines.size(), expected.isEmpty() ? 2 : 3);
        QCOMPARE(hoverText(e, now, german).split("\r\n"), lines);
        QCOMPARE(lines.last(), expected.isEmpty() ? QString("ALP") : expected);
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
