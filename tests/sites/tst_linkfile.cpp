#include "sites/linkfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace td;

class TstLinkFile : public QObject
{
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("captions"); // joined with "|"
        QTest::addColumn<QString>("addresses");
        QTest::addColumn<QList<int>>("invalid");
        const auto row = [](const char* tag, const QByteArray& bytes, const char* captions,
                            const char* addresses, QList<int> invalid) {
            QTest::newRow(tag) << bytes << QString::fromUtf8(captions) << QString::fromUtf8(addresses)
                               << invalid;
        };
        row("three valid lines", "A;http://a.test/\r\nB;https://b.test/x?y=1\r\nC;about:blank\r\n", "A|B|C",
            "http://a.test/|https://b.test/x?y=1|about:blank", {});
        row("LF, no final line end", "A;http://a.test/\nB;http://b.test/", "A|B",
            "http://a.test/|http://b.test/", {});
        row("empty address on line 3", "A;http://a.test/\r\nB;http://b.test/\r\nC;\r\n", "A|B|",
            "http://a.test/|http://b.test/|", {3});
        row("no separator", "just text\r\nA;http://a.test/\r\n", "|A", "|http://a.test/", {1});
        row("empty caption", ";http://a.test/", "", "", {1});
        row("empty line", "A;http://a.test/\r\n\r\nB;http://b.test/", "A||B",
            "http://a.test/||http://b.test/", {2});
        row("third field ignored", "A;http://a.test/;more;x", "A", "http://a.test/", {});
        row("fields as they stand", " A ; http://a.test/", " A ", " http://a.test/", {});
        row("windows-1252", "B\xf6rse \x80;http://a.test/\xe4", "B\u00f6rse \u20ac", "http://a.test/\u00e4",
            {});
        row("script address", "A;javascript:alert(1)\r\nB;JavaScript:alert(2)\r\n", "|", "|", {1, 2});
        row("empty file", "", "", "", {});
    }
    void parse()
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

    void address_data()
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
    void address()
    {
        QFETCH(QString, address);
        QTEST(isLinkAddressAllowed(address), "allowed");
    }

    void readsAfreshAndRefusesMissing()
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

    void paths_data()
    {
        QTest::addColumn<QString>("dir");
        QTest::addColumn<QString>("intern");
        QTest::newRow("folder") << QStringLiteral("/opt/td") << QStringLiteral("/opt/td/tic/links.intern");
        QTest::newRow("folder with slash")
            << QStringLiteral("/opt/td/") << QStringLiteral("/opt/td/tic/links.intern");
        QTest::newRow("root") << QStringLiteral("/") << QStringLiteral("/tic/links.intern");
    }
    void paths()
    {
        QFETCH(QString, dir);
        QTEST(linkFilePath(dir, internLinks()), "intern");
    }

    // The message for links.own is checked by tst_siteswindow's missingLinkFile.
    void messages()
    {
        QCOMPARE(missingLinkFileMessage(internLinks()), QStringLiteral("Cant find file /tic/links.intern"));
        QCOMPARE(invalidLinkLineMessage(QStringLiteral("/opt/td/tic/links.own"), 3),
                 QStringLiteral("Error in file: /opt/td/tic/links.own\r\nLine: 3\r\n"));
    }
};

QTEST_APPLESS_MAIN(TstLinkFile)
#include "tst_linkfile.moc"
