#include "platform/fetchpane.h"
#include "platform/panefactory.h"
#include "platform/settingsstore.h"
#include "platform/webpane.h"
#include "recordingpane.h"

#include <QSignalSpy>
#include <QTest>

using namespace td;
using namespace td::test;

class TstPaneFactory : public QObject
{
    Q_OBJECT

private slots:
    void pageTimeout_data();
    void pageTimeout();
    void realFactoryMakesEachKind();
    void testFactoryFindsPanesByName();
    void recordingPaneCompletesLikeAPane_data();
    void recordingPaneCompletesLikeAPane();
};

void TstPaneFactory::pageTimeout_data()
{
    QTest::addColumn<QString>("stored"); // "-" for none
    QTest::addColumn<int>("expected");

    QTest::newRow("absent") << "-" << 30000;
    QTest::newRow("set") << " 5000 " << 5000;
    QTest::newRow("zero") << "0" << 30000;
    QTest::newRow("negative") << "-1" << 30000;
    QTest::newRow("not a number") << "abc" << 30000;
}

void TstPaneFactory::pageTimeout()
{
    QFETCH(QString, stored);
    QFETCH(int, expected);
    MemorySettingsStore settings;
    if (stored != u"-")
        settings.write(QStringLiteral("PageTimeout"), stored);
    QCOMPARE(pageTimeoutMs(settings), expected);
}

void TstPaneFactory::realFactoryMakesEachKind()
{
    QtPaneFactory factory(1000);
    QObject owner;
    BrowserPane* readBack = factory.create(QStringLiteral("wbrVersion"), PaneKind::ReadBack, &owner);
    BrowserPane* display = factory.create(QStringLiteral("wbrHY"), PaneKind::Display, &owner);
    QVERIFY(qobject_cast<FetchPane*>(readBack));
    QVERIFY(qobject_cast<WebPane*>(display));
    QCOMPARE(readBack->name(), QStringLiteral("wbrVersion"));
    QCOMPARE(display->parent(), &owner);
    // Making a display pane must not start the web engine.
    QVERIFY(!display->isVisible());
}

void TstPaneFactory::testFactoryFindsPanesByName()
{
    TestPaneFactory factory;
    QObject owner;
    factory.create(QStringLiteral("wbrStockContent"), PaneKind::ReadBack, &owner);
    factory.create(QStringLiteral("wbrRealTimeQuote"), PaneKind::Display, &owner);
    QVERIFY(factory.fetch(QStringLiteral("wbrStockContent")));
    QVERIFY(factory.recording(QStringLiteral("wbrRealTimeQuote")));
    QVERIFY(!factory.recording(QStringLiteral("wbrStockContent")));
    QVERIFY(!factory.pane(QStringLiteral("wbrHY")));
}

void TstPaneFactory::recordingPaneCompletesLikeAPane_data()
{
    QTest::addColumn<int>("failCode");
    QTest::addColumn<QStringList>("events");

    QTest::newRow("success") << 0 << QStringList{"complete http://b", "complete about:<p>x</p>"};
    QTest::newRow("failure") << 404
                             << QStringList{"error 404 http://b", "complete http://b",
                                            "complete about:<p>x</p>"};
}

void TstPaneFactory::recordingPaneCompletesLikeAPane()
{
    QFETCH(int, failCode);
    QFETCH(QStringList, events);

    RecordingPane pane(QStringLiteral("wbrRealTimeChart"));
    pane.failCode = failCode;
    pane.markup = QStringLiteral("<p>page</p>");
    QStringList seen;
    connect(&pane, &BrowserPane::navigateError, &pane, [&](const QString& url, int code) {
        seen.append(QStringLiteral("error %1 %2").arg(code).arg(url));
    });
    connect(&pane, &BrowserPane::documentComplete, &pane, [&](const QString& url) {
        seen.append(QStringLiteral("complete ") + url);
        if (url == u"http://b")
            QCOMPARE(pane.documentMarkup(), failCode ? QString() : QStringLiteral("<p>page</p>"));
    });

    pane.navigate(QStringLiteral("http://a")); // superseded before events run
    pane.navigate(QStringLiteral("http://b"));
    QVERIFY(seen.isEmpty());
    QTRY_COMPARE(seen.size(), events.size() - 1);
    pane.navigate(QStringLiteral("about:<p>x</p>"));
    QTRY_COMPARE(seen, events);
    QCOMPARE(pane.documentMarkup(), QStringLiteral("<p>x</p>"));
    QCOMPARE(pane.addresses, (QStringList{"http://a", "http://b", "about:<p>x</p>"}));
}

QTEST_MAIN(TstPaneFactory)
#include "tst_panefactory.moc"
