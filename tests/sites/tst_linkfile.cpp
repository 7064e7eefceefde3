#include "sites/linkfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace td;

class TstLinkFile : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void address_data();
    void address();
    void readsAfreshAndRefusesMissing();
    void paths_data();
    void paths();
    void messages();
};

void TstLinkFile::parse_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("captions"); // joined with "|"
    QTest::addColumn<QString>("addresses");
    QTest::addColumn<QList<int>>("invalid");
    QTest::newRow("three valid lines")
        << QByteArray("A;http://a.test/\r\nB;https://b.test/x?y=1\r\nC;about:blank\r\n") << "A|B|C"
        << "http://a.test/|https://b.test/x?y=1|about:blank" << QList<int>{};
    QTest::newRow("LF, no final line end") << QByteArray("A;http://a.test/\nB;http://b.test/") << "A|B"
                                           << "http://a.test/|http://b.test/" << QList<int>{};
    QTest::newRow("empty address on line 3")
        << QByteArray("A;http://a.test/\r\nB;http://b.test/\r\nC;\r\n") << "A|B|"
        << "http://a.test/|http://b.test/|" << QList<int>{3};
    QTest::newRow("no separator") << QByteArray("just text\r\nA;http://a.test/\r\n") << "|A"
                                  << "|http://a.test/" << QList<int>{1};
    QTest::newRow("empty caption") << QByteArray(";http://a.test/") << ""
                                   << "" << QList<int>{1};
    QTest::newRow("empty line") << QByteArray("A;http://a.test/\r\n\r\nB;http://b.test/") << "A||B"
                                << "http://a.test/||http://b.test/" << QList<int>{2};
    QTest::newRow("third field ignored") << QByteArray("A;http://a.test/;more;x") << "A"
                                         << "http://a.test/" << QList<int>{};
    QTest::newRow("fields as they stand") << QByteArray(" A ; http://a.test/") << " A "
                                          << " http://a.test/" << QList<int>{};
    QTest::newRow("windows-1252") << QByteArray("B\xf6rse \x80;http://a.test/\xe4") << "B\u00f6rse \u20ac"
                                  << "http://a.test/\u00e4" << QList<int>{};
    QTest::newRow("script address") << QByteArray("A;javascript:alert(1)\r\nB;JavaScript:alert(2)\r\n") << "|"
                                    << "|" << QList<int>{1, 2};
    QTest::newRow("empty file") << QByteArray() << ""
                                << "" << QList<int>{};
}

void TstLinkFile::parse()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QList<int>, invalid);
    const LinkFile file = parseLinkFile(bytes);
    QStringList captions;
    QStringList addresses;
    QList<int> invalidItems;
    for (qsizetype i = 0; i < file.items.size(); ++i) {
        captions.append(file.items[i].caption);
        addresses.append(file.items[i].address);
        if (!file.items[i].valid)
            invalidItems.append(static_cast<int>(i + 1));
    }
    QTEST(captions.join(u'|'), "captions");
    QTEST(addresses.join(u'|'), "addresses");
    QCOMPARE(file.invalidLines, invalid);
    QCOMPARE(invalidItems, invalid);
}

void TstLinkFile::address_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("allowed");
    QTest::newRow("http") << "http://a.test/x" << true;
    QTest::newRow("about document") << "about:<html><body>x</body></html>" << true;
    QTest::newRow("file url") << "file:///home/u/links.html" << true;
    QTest::newRow("absolute path") << "/home/u/links.html" << true;
    QTest::newRow("javascript") << "javascript:alert(1)" << false;
    QTest::newRow("javascript after blanks") << "  javascript:alert(1)" << false;
    QTest::newRow("data") << "data:text/html,<script>alert(1)</script>" << false;
    QTest::newRow("http without host") << "http:relative" << false;
}

void TstLinkFile::address()
{
    QFETCH(QString, address);
    QTEST(isLinkAddressAllowed(address), "allowed");
}

void TstLinkFile::readsAfreshAndRefusesMissing()
{
    QTemporaryDir dir;
    const QString path = linkFilePath(dir.path(), internLinks());
    QVERIFY(!readLinkFile(path));
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("tic/links.own")));
    QVERIFY(!readLinkFile(linkFilePath(dir.path(), ownLinks()))); // a folder
    for (const QByteArray& content :
         {QByteArray("A;http://a.test/\r\n"), QByteArray("A;x\r\nB;http://b.test/")}) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        const auto read = readLinkFile(path);
        QVERIFY(read);
        QCOMPARE(read->items.size(), content.count('\n') + (content.endsWith('\n') ? 0 : 1));
    }
}

void TstLinkFile::paths_data()
{
    QTest::addColumn<QString>("dir");
    QTest::addColumn<QString>("intern");
    QTest::newRow("folder") << "/opt/td"
                            << "/opt/td/tic/links.intern";
    QTest::newRow("folder with slash") << "/opt/td/"
                                       << "/opt/td/tic/links.intern";
    QTest::newRow("root") << "/"
                          << "/tic/links.intern";
}

void TstLinkFile::paths()
{
    QFETCH(QString, dir);
    QTEST(linkFilePath(dir, internLinks()), "intern");
}

void TstLinkFile::messages()
{
    QCOMPARE(missingLinkFileMessage(internLinks()), QStringLiteral("Cant find file /tic/links.intern"));
    QCOMPARE(missingLinkFileMessage(ownLinks()), QStringLiteral("Cant find file /tic/links.own"));
    QCOMPARE(invalidLinkLineMessage(QStringLiteral("/opt/td/tic/links.own"), 3),
             QStringLiteral("Error in file: /opt/td/tic/links.own\r\nLine: 3\r\n"));
}

QTEST_APPLESS_MAIN(TstLinkFile)
#include "tst_linkfile.moc"
