#include "quotes/quotesource.h"
#include "quotes/sourcereading.h"
#include "quotes/unreadablepages.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace td;

namespace {

QString describe(const QuoteSource& s)
{
    QStringList parts{s.name, s.url};
    parts << (s.format == QuoteSource::Format::Json ? "json" : "html")
          << (s.decimal == QuoteSource::Decimal::Point ? "point" : "comma");
    return (parts << s.quote << s.change << s.previous << s.wkn << s.isin << s.currency
                  << s.places.join(u','))
        .join(u'|');
}

QuoteSource sourceFrom(const QByteArray& keys)
{
    const QuoteSourceFile file = parseQuoteSources("[s]\nurl=http://h/\n" + keys, QStringLiteral("t.ini"));
    if (file.sources.size() != 1)
        qFatal("test source does not read: %s", qPrintable(file.problems.value(0).message()));
    return file.sources.first();
}

QString orNone(const std::optional<QString>& value)
{
    return value.value_or(QStringLiteral("~"));
}

} // namespace

class TestQuoteSources : public QObject
{
    Q_OBJECT
private slots:
    void reader_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("sources");
        QTest::addColumn<QStringList>("problems");
        QTest::newRow("every key")
            << QByteArray("[Börse]\nurl=https://b.example/k?s={symbol}\nformat=html\n"
                          "quote=Kurs (\\S+)\nchange=Diff (\\S+)\nprevious=Vortag (\\S+)\n"
                          "wkn=WKN (\\w+)\nisin=ISIN (\\w+)\ncurrency=(EUR|USD)\n"
                          "decimal=point\nplaces= DE, F ,,xetra\n")
            << QStringList{"Börse|https://b.example/k?s={symbol}|html|point|Kurs (\\S+)|"
                           "Diff (\\S+)|Vortag (\\S+)|WKN (\\w+)|ISIN (\\w+)|(EUR|USD)|"
                           "DE,F,xetra"}
            << QStringList{};
        QTest::newRow("comments, blanks, CR LF, byte-order mark, json default")
            << QByteArray("\xEF\xBB\xBF# a comment\r\n; another\r\n\r\n[j]\r\n  # indented\r\n"
                          "url = http://j/\r\nformat=JSON\r\nquote=a.0.b\r\n")
            << QStringList{"j|http://j/|json|point|a.0.b||||||"} << QStringList{};
        QTest::newRow("= inside values, commas and backslashes in a pattern")
            << QByteArray(
                   "[p]\nurl=http://h/q?a={ticker}&b=1\nquote=k=\"(\\d{1,3}(?:\\.\\d{3})*,\\d{2})\"\\s*\n")
            << QStringList{"p|http://h/"
                           "q?a={ticker}&b=1|html|comma|k=\"(\\d{1,3}(?:\\.\\d{3})*,\\d{2})\"\\s*|||||"
                           "|"}
            << QStringList{};
        QTest::newRow("missing url and quote: one problem each source")
            << QByteArray("[a]\nquote=(x)\n[b]\nurl=http://b/\n\n[c]\nurl=u\nquote=(c)\n")
            << QStringList{"c|u|html|comma|(c)|||||"
                           "|"}
            << QStringList{"1:Quelle 'a': 'url' fehlt", "3:Quelle 'b': 'quote' fehlt"};
        QTest::newRow("broken lines keep their numbers")
            << QByteArray("stray=1\n[k]\nurl=u\nlink=x\nquote=(x)\n[f]\nurl=u\nformat=xml\nquote=(x)\n"
                          "[r]\nurl=u\nquote=(x\n[g]\nurl=u\nquote=x\n[e]\nurl=u\njust text\nquote=(x)\n"
                          "[d]\ndecimal=dot\n")
            << QStringList{}
            << QStringList{"1:die Zeile steht vor der ersten [Quelle]",
                           "4:Quelle 'k': unbekannter Schlüssel 'link'",
                           "8:Quelle 'f': unbekanntes Format 'xml' (html oder json)",
                           "12:Quelle 'r': das Muster 'quote' ist ungültig: missing closing parenthesis "
                           "(Zeichen 3)",
                           "15:Quelle 'g': das Muster 'quote' hat keine Klammergruppe",
                           "18:Quelle 'e': die Zeile hat kein '='",
                           "21:Quelle 'd': unbekanntes Dezimalzeichen 'dot' (comma oder point)"};
        QTest::newRow("json paths with an empty step")
            << QByteArray("[j]\nurl=u\nformat=json\nquote=a..b\n") << QStringList{}
            << QStringList{"4:Quelle 'j': der Pfad 'quote' hat ein leeres Glied"};
        QTest::newRow("names: duplicates, the bank, empty, unclosed")
            << QByteArray(
                   "[a]\nurl=u1\nquote=(1)\n[A]\nurl=u2\nquote=(2)\n[bank]\nurl=u\nquote=(x)\n[ ]\n[x\n")
            << QStringList{"A|u2|html|comma|(2)|||||"
                           "|"}
            << QStringList{"4:Quelle 'A' steht schon in Zeile 1; die spätere gilt",
                           "7:Quelle 'bank': der Name gehört der eingebauten Bank",
                           "10:Quelle '': der Name fehlt", "11:Quelle 'x': ']' fehlt"};
    }
    void reader()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, sources);
        QFETCH(QStringList, problems);
        const QuoteSourceFile read = parseQuoteSources(file, QStringLiteral("q.ini"));
        QStringList gotSources;
        for (const QuoteSource& s : read.sources)
            gotSources.append(describe(s));
        QStringList gotProblems;
        for (const QuoteSourceProblem& p : read.problems) {
            QCOMPARE(p.message(), QStringLiteral("q.ini:%1: %2").arg(p.line).arg(p.what));
            gotProblems.append(QString::number(p.line) + u':' + p.what);
        }
        QCOMPARE(gotSources, sources);
        QCOMPARE(gotProblems, problems);
    }

    // The file is read again when it changed, and not while it stays.
    void cacheFollowsTheFile()
    {
        QTemporaryDir dir;
        const QString path = quoteSourcesPath(dir.filePath(QStringLiteral("brightmoor.ini")));
        QCOMPARE(path, dir.filePath(QStringLiteral("quotesources.ini")));
        QuoteSourceCache cache(path);
        QVERIFY(cache.current().sources.isEmpty());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[a]\nurl=u\nquote=(x)\n");
        file.close();
        QCOMPARE(cache.current().sources.size(), 1);
        QVERIFY(file.open(QIODevice::Append));
        file.write("[b]\nurl=u\nquote=(y)\n");
        file.close();
        QCOMPARE(cache.current().sources.size(), 2);
        // Same size, new time: read again.
        QVERIFY(file.open(QIODevice::ReadWrite));
        file.write("[c]");
        file.flush();
        QVERIFY(
            file.setFileTime(QDateTime::currentDateTime().addSecs(10), QFileDevice::FileModificationTime));
        file.close();
        QVERIFY(cache.current().find(u"c"));
        QVERIFY(QFile::remove(path));
        QVERIFY(cache.current().sources.isEmpty());
    }

    void choice_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("place");
        QTest::addColumn<QString>("expected");
        QTest::newRow("absent") << QString() << "DE"
                                << "bank:bank";
        QTest::newRow("bank") << " Bank "
                              << "DE"
                              << "bank:bank";
        QTest::newRow("chosen source") << "HTML"
                                       << "DE"
                                       << "source:html";
        QTest::newRow("places route past the choice") << QString() << "nyse"
                                                      << "source:json";
        QTest::newRow("places route past another source") << "html"
                                                          << "NYSE"
                                                          << "source:json";
        QTest::newRow("unknown name") << "gone"
                                      << "DE"
                                      << "missing:gone";
    }
    void choice()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, place);
        QFETCH(QString, expected);
        const QuoteSourceFile file = parseQuoteSources(
            QByteArray("[html]\nurl=u\nquote=(x)\n[json]\nurl=u\nformat=json\nquote=a\nplaces=NAS,NYSE\n"),
            QStringLiteral("q.ini"));
        const SourceChoice c = chooseSource(file, chosen, place);
        const char* kinds[] = {"bank", "source", "missing"};
        QCOMPARE(QString::fromLatin1(kinds[int(c.kind)]) + u':' + c.name, expected);
        QCOMPARE(c.source != nullptr, c.kind == SourceChoice::Kind::Source);
    }

    void address_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("place");
        QTest::addColumn<QString>("expected");
        QTest::newRow("symbol") << "http://h/q?s={symbol}&t={ticker}&p={place}"
                                << "DE"
                                << "http://h/q?s=A%26B.DE&t=A%26B&p=DE";
        QTest::newRow("symbol without place") << "http://h/{symbol}/x"
                                              << ""
                                              << "http://h/A%26B/x";
        QTest::newRow("codes, name, unknown field")
            << "http://h/{wkn}/{isin}?n={name}&x={other}"
            << "DE"
            << "http://h/716460/%7Bticker%7D?n=S%C3%BC%C3%9F%20%2F%20Co&x={other}";
    }
    void address()
    {
        QFETCH(QString, url);
        QFETCH(QString, place);
        QFETCH(QString, expected);
        QuoteSource source;
        source.url = url;
        const SourceEntry entry{QStringLiteral("A&B"), place, QStringLiteral("716460"),
                                QStringLiteral("{ticker}"), QStringLiteral("Süß / Co")};
        QCOMPARE(sourceAddress(source, entry), expected);
    }

    void extract_data()
    {
        QTest::addColumn<QByteArray>("keys");
        QTest::addColumn<QString>("page");
        // read|quote text|quote|change text|day change|wkn|isin|currency|failure
        QTest::addColumn<QString>("expected");
        const QString html =
            QStringLiteral("<tr><td>Kurs</td><td>1.234,56&nbsp;EUR</td></tr>"
                           "<tr><td>Diff</td><td>+1,25 %</td></tr><tr><td>Vortag</td><td>8,00</td>"
                           "</tr><p>WKN 716460 ISIN DE0007164600</p>");
        QTest::newRow("html comma, codes, currency")
            << QByteArray("quote=Kurs</td><td>([^&<]+)\nchange=Diff</td><td>([^<]+)\nwkn=WKN (\\w+)\n"
                          "isin=ISIN (\\w+)\ncurrency=&nbsp;(\\w+)<")
            << html << "1|1.234,56|1234,56|+1,25 %|1,25|716460|DE0007164600|EUR|";
        QTest::newRow("html point, raw markup")
            << QByteArray("decimal=point\nquote=<b class=\"q\">([^<]+)</b>") << "<b class=\"q\">1,234.5</b>"
            << "1|1,234.5|1234,5||0|~|~|~|";
        QTest::newRow("html no match") << QByteArray("quote=Preis (\\d+)\nwkn=WKN (\\w+)") << html
                                       << "0||0||0|716460|~|~|'quote' passt nicht";
        QTest::newRow("html not a number")
            << QByteArray("quote=<td>(Kurs)</td>") << html << "0||0||0|~|~|~|'quote' ist keine Zahl: 'Kurs'";
        QTest::newRow("previous close, tie to even down")
            << QByteArray("quote=q=(\\S+)\nprevious=p=(\\S+)") << "q=8,01 p=8,00"
            << "1|8,01|8,01|0,12|0,12|~|~|~|";
        QTest::newRow("previous close, tie to even up")
            << QByteArray("quote=q=(\\S+)\nprevious=p=(\\S+)") << "q=8,03 p=8,00"
            << "1|8,03|8,03|0,38|0,38|~|~|~|";
        QTest::newRow("change unreadable: previous close")
            << QByteArray("quote=q=(\\S+)\nchange=c=(\\S+)\nprevious=p=(\\S+)") << "q=9 c=n/a p=10"
            << "1|9|9|-10,00|-10|~|~|~|";
        QTest::newRow("previous close of zero")
            << QByteArray("quote=q=(\\S+)\nprevious=p=(\\S+)") << "q=9 p=0"
            << "1|9|9||0|~|~|~|";
        const QString json = QStringLiteral(
            "{\"r\":[{\"p\":12.5,\"c\":-0.75,\"s\":\"1,234.5\",\"g\":\"12,5\",\"w\":\"716460\"}]}");
        QTest::newRow("json numbers") << QByteArray("format=json\nquote=r.0.p\nchange=r.0.c\nwkn=r.0.w")
                                      << json << "1|12,50|12,5|-0,75|-0,75|716460|~|~|";
        QTest::newRow("json string, point") << QByteArray("format=json\nquote=r.0.s\nprevious=r.0.p") << json
                                            << "1|1,234.5|1234,5|9776,00|9776|~|~|~|";
        QTest::newRow("json string, comma")
            << QByteArray("format=json\ndecimal=comma\nquote=r.0.g") << json << "1|12,5|12,5||0|~|~|~|";
        QTest::newRow("json missing key") << QByteArray("format=json\nquote=r.0.x\nchange=r.0.c") << json
                                          << "0||0|-0,75|-0,75|~|~|~|'quote' passt nicht";
        QTest::newRow("json index out of range")
            << QByteArray("format=json\nquote=r.1.p") << json << "0||0||0|~|~|~|'quote' passt nicht";
        QTest::newRow("json object where a value is wanted")
            << QByteArray("format=json\nquote=r.0") << json << "0||0||0|~|~|~|'quote' passt nicht";
        QTest::newRow("not json") << QByteArray("format=json\nquote=r") << "<html>"
                                  << "0||0||0|~|~|~|'quote' passt nicht (kein JSON: illegal value)";
    }
    void extract()
    {
        QFETCH(QByteArray, keys);
        QFETCH(QString, page);
        QFETCH(QString, expected);
        const SourceAnswer a = readSourcePage(sourceFrom(keys), page);
        const QStringList got{QString::number(a.quoteRead),
                              a.quoteText,
                              amountText(a.quote),
                              a.changeText,
                              amountText(a.dayPct),
                              orNone(a.wkn),
                              orNone(a.isin),
                              orNone(a.currency),
                              a.failure};
        QCOMPARE(got.join(u'|'), expected);
    }

    void decoding_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QByteArray>("contentType");
        QTest::newRow("named windows-1252")
            << QByteArray("B\xF6rse") << QByteArray("text/html; charset=windows-1252");
        QTest::newRow("named utf-8") << QByteArray("B\xC3\xB6rse")
                                     << QByteArray("text/html;charset=\"UTF-8\"");
        QTest::newRow("unnamed utf-8") << QByteArray("B\xC3\xB6rse") << QByteArray("text/html");
        QTest::newRow("unnamed, not utf-8") << QByteArray("B\xF6rse") << QByteArray();
    }
    void decoding()
    {
        QFETCH(QByteArray, body);
        QFETCH(QByteArray, contentType);
        QCOMPARE(decodeSourcePage(body, contentType), QStringLiteral("Börse"));
    }

    // Twenty pages stay, the oldest goes; names never leave the folder.
    void unreadablePagesAreBounded()
    {
        QTemporaryDir dir;
        const QDateTime start = QDateTime::currentDateTimeUtc().addDays(-1);
        QString first;
        for (int i = 0; i < kUnreadableKept; ++i) {
            const QString path = keepUnreadablePage(dir.path(), QStringLiteral("../s"),
                                                    QStringLiteral("T%1/x.DE").arg(i), "page");
            QVERIFY(!path.isEmpty());
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(start.addSecs(i), QFileDevice::FileModificationTime));
            if (i == 0)
                first = path;
        }
        QCOMPARE(QFileInfo(first).fileName(), QStringLiteral("_.._s@T0_x.DE.html"));
        const QString again =
            keepUnreadablePage(dir.path(), QStringLiteral("../s"), QStringLiteral("T5/x.DE"), "new");
        const QDir folder(dir.filePath(kUnreadableFolderName));
        QCOMPARE(folder.entryList(QDir::Files).size(), kUnreadableKept);
        QFile newest(again);
        QVERIFY(newest.open(QIODevice::ReadOnly));
        QCOMPARE(newest.readAll(), QByteArray("new"));
        keepUnreadablePage(dir.path(), QStringLiteral("s"), QStringLiteral("NEW"), "page",
                           QStringLiteral("json"));
        QCOMPARE(folder.entryList(QDir::Files).size(), kUnreadableKept);
        QVERIFY(!QFile::exists(first));
        QVERIFY(folder.exists(QStringLiteral("s@NEW.json")));
    }
};

QTEST_GUILESS_MAIN(TestQuoteSources)
#include "tst_quotesources.moc"
