#include "shell/mainoptions.h"

#include <QTest>

using namespace td;

class TestMainOptions : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void emptyStoreGivesDefaults();
    void unconvertibleTextsKeepPreviousValues_data();
    void unconvertibleTextsKeepPreviousValues();
    void shutdownWritesInOrder();
    void minimisedAndStopTabSkipKeys();
    void listColour_data();
    void listColour();
    void versionText_data();
    void versionText();
};

void TestMainOptions::emptyStoreGivesDefaults()
{
    MemorySettingsStore store;
    const MainOptions o = readMainOptions(store);
    QCOMPARE(o.mainLeft, 0.0);
    QCOMPARE(o.mainTop, 0.0);
    QVERIFY(o.autoClear);
    QCOMPARE(o.bank, 1);
    QCOMPARE(o.history, 3);
    QCOMPARE(historyMonths(o.history), 12);
    QCOMPARE(o.realTimeRefresh, QStringLiteral("60000"));
    QCOMPARE(o.showAllQuotesSilent, QStringLiteral("20000"));
    QCOMPARE(o.lstItemsBackcolor, QStringLiteral("ffffff"));
    QCOMPARE(o.enhanceListbox, QStringLiteral("SMALL"));
    MainOptions activation;
    readActivationOptions(store, activation);
    QVERIFY(activation.showIndicesSmallWindow);
}

void TestMainOptions::unconvertibleTextsKeepPreviousValues_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("letters in main_left") << "main_left"
                                          << "abc";
    QTest::newRow("bank out of range") << "Bank"
                                       << "5";
    QTest::newRow("history out of range") << "History"
                                          << "9";
    QTest::newRow("check box 2") << "AutoClear"
                                 << "2";
    QTest::newRow("check box letters") << "AutoClear"
                                       << "on";
    QTest::newRow("tab letters") << "tabDataIndex"
                                 << "x";
}

void TestMainOptions::unconvertibleTextsKeepPreviousValues()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    MemorySettingsStore store;
    store.write(key, value);
    MainOptions previous;
    previous.mainLeft = 300;
    previous.bank = 0;
    previous.history = 1;
    previous.autoClear = false;
    previous.tabDataIndex = 2;
    const MainOptions o = readMainOptions(store, previous);
    QCOMPARE(o.mainLeft, key == u"main_left" ? 300.0 : 0.0);
    QCOMPARE(o.bank, key == u"Bank" ? 0 : 1);
    QCOMPARE(o.history, key == u"History" ? 1 : 3);
    QCOMPARE(o.autoClear, key == u"AutoClear" ? false : true);
    QCOMPARE(o.tabDataIndex, key == u"tabDataIndex" ? 2 : 0);
}

void TestMainOptions::shutdownWritesInOrder()
{
    MemorySettingsStore store;
    MainOptions o;
    o.mainLeft = -720; // a monitor left of the primary one
    o.maxMinChange = QStringLiteral("12.5 %");
    o.lstItemsBackcolor = QStringLiteral(" ff0000 ");
    writeMainOptions(store, o, {false, true});
    const QStringList expected = {"main_left",
                                  "main_top",
                                  "TickerFile",
                                  "AutoClear",
                                  "AutoCheck",
                                  "AutoRefresh",
                                  "Bank",
                                  "Benefits",
                                  "QuoteColorBold",
                                  "MarkMinMaxChange",
                                  "AutoReload",
                                  "RealTimeRefresh",
                                  "History",
                                  "tabDataIndex",
                                  "AutoMarkLast",
                                  "MaxMinChange",
                                  "ToolTip",
                                  "ToolTipTransparence",
                                  "LBLToolTip",
                                  "SearchDest",
                                  "AutoGetOnlineQuotes",
                                  "EnhanceListbox",
                                  "LstItemsBackcolor",
                                  "ShowAllQuotesSilent",
                                  "Mobile",
                                  "ShowINDICESSMALLWINDOW"};
    QCOMPARE(store.writeOrder(), expected);
    QCOMPARE(store.values().value("main_left"), QStringLiteral("-720"));
    QCOMPARE(store.values().value("MaxMinChange"), QStringLiteral("12.5"));
    QCOMPARE(store.values().value("EnhanceListbox"), QStringLiteral("BIG"));
    QCOMPARE(store.values().value("LstItemsBackcolor"), QStringLiteral("ff0000"));
    QCOMPARE(store.values().value("AutoClear"), QStringLiteral("1"));
    // What was written reads back to the same options.
    const MainOptions back = readMainOptions(store);
    QCOMPARE(back.mainLeft, -720.0);
    QCOMPARE(back.autoClear, o.autoClear);
}

void TestMainOptions::minimisedAndStopTabSkipKeys()
{
    MemorySettingsStore store;
    MainOptions o;
    o.tabDataIndex = kStopTab;
    writeMainOptions(store, o, {true, false});
    QVERIFY(!store.values().contains("main_left"));
    QVERIFY(!store.values().contains("main_top"));
    QVERIFY(!store.values().contains("tabDataIndex"));
    QVERIFY(!store.values().contains("ShowINDICESSMALLWINDOW"));
}

void TestMainOptions::listColour_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected"); // -1 refused
    QTest::newRow("white") << "ffffff" << 0xffffff;
    QTest::newRow("red low byte") << "ff0000" << 0xff0000;
    QTest::newRow("blanks") << " c0 " << 0xc0;
    QTest::newRow("not hex") << "zz1122" << -1;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("too large") << "1000000" << -1;
}

void TestMainOptions::listColour()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    const auto colour = parseListColour(text);
    QCOMPARE(colour ? int(*colour) : -1, expected);
}

void TestMainOptions::versionText_data()
{
    QTest::addColumn<int>("revision");
    QTest::addColumn<QString>("expected");
    QTest::newRow("320") << 320 << "1.12.320.0859";
    QTest::newRow("zero revision") << 0 << "1.12..0859";
}

void TestMainOptions::versionText()
{
    QFETCH(int, revision);
    QTEST(programVersionText(1, 12, revision), "expected");
}

QTEST_APPLESS_MAIN(TestMainOptions)
#include "tst_mainoptions.moc"
