#include "shell/mainoptions.h"

#include <QTest>

using namespace td;

class TestMainOptions : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void unconvertibleTextsKeepPreviousValues_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        const auto row = [](const char* tag, const char* key, const char* value) {
            QTest::newRow(tag) << key << value;
        };
        row("letters in main_left", "main_left", "abc");
        row("bank out of range", "Bank", "5");
        row("history out of range", "History", "9");
        row("check box 2", "AutoClear", "2");
        row("check box letters", "AutoClear", "on");
        row("tab letters", "tabDataIndex", "x");
        row("parallel pages over 8", "ParallelPages", "9");
        row("parallel pages 0", "ParallelPages", "0");
    }
    void unconvertibleTextsKeepPreviousValues()
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
        previous.parallelPages = 3;
        const MainOptions o = readMainOptions(store, previous);
        QCOMPARE(o.mainLeft, key == u"main_left" ? 300.0 : 0.0);
        QCOMPARE(o.bank, key == u"Bank" ? 0 : 1);
        QCOMPARE(o.history, key == u"History" ? 1 : 3);
        QCOMPARE(o.autoClear, key == u"AutoClear" ? false : true);
        QCOMPARE(o.tabDataIndex, key == u"tabDataIndex" ? 2 : 0);
        QCOMPARE(o.parallelPages, key == u"ParallelPages" ? 3 : 1);
    }
    // Shutdown writes back, key by key, what start-up read; typed texts are written plain.
    void shutdownWritesWhatStartUpReads()
    {
        const QStringList pairs =
            QStringLiteral("main_left=-720 main_top=300 TickerFile=/x/y.tic AutoClear=0 AutoCheck=1 "
                           "AutoRefresh=1 Bank=0 Benefits=2 QuoteColorBold=1 MarkMinMaxChange=1 "
                           "AutoReload=5000 RealTimeRefresh=7000 History=5 tabDataIndex=1 AutoMarkLast=1 "
                           "MaxMinChange=12.5 ToolTip=1 ToolTipTransparence=120 LBLToolTip=0 "
                           "SearchDest=Yahoo AutoGetOnlineQuotes=1 LstItemsBackcolor=ff0000 "
                           "ShowAllQuotesSilent=300 Mobile=1 Notify=0 ParallelPages=4")
                .split(u' ');
        MemorySettingsStore in;
        for (const QString& pair : pairs)
            in.write(pair.section(u'=', 0, 0), pair.section(u'=', 1));
        in.write(QStringLiteral("EnhanceListbox"), QStringLiteral("SMALL"));
        MainOptions o = readMainOptions(in);
        readActivationOptions(in, o);
        MemorySettingsStore out;
        writeMainOptions(out, o, {false, true});
        for (const QString& pair : pairs)
            QCOMPARE(out.values().value(pair.section(u'=', 0, 0)), pair.section(u'=', 1));
        // The layout button names the layout it switches to.
        QCOMPARE(out.values().value("EnhanceListbox"), QStringLiteral("BIG"));
        o.maxMinChange = QStringLiteral("12.5 %");
        o.lstItemsBackcolor = QStringLiteral(" ff0000 ");
        MemorySettingsStore typed;
        writeMainOptions(typed, o, {false, true});
        QCOMPARE(typed.values(), out.values());
    }
    void minimisedAndStopTabSkipKeys()
    {
        MemorySettingsStore store;
        MainOptions o;
        o.tabDataIndex = kStopTab;
        writeMainOptions(store, o, {true, false});
        for (const char* key : {"main_left", "main_top", "tabDataIndex", "ShowINDICESSMALLWINDOW"})
            QVERIFY2(!store.values().contains(QLatin1String(key)), key);
    }
    void listColour_data()
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
    void listColour()
    {
        QFETCH(QString, text);
        QFETCH(int, expected);
        const auto colour = parseListColour(text);
        QCOMPARE(colour ? int(*colour) : -1, expected);
    }
    void versionText_data()
    {
        QTest::addColumn<int>("revision");
        QTest::addColumn<QString>("expected");
        QTest::newRow("320") << 320 << "1.12.320.0859";
        QTest::newRow("zero revision") << 0 << "1.12..0859";
    }
    void versionText()
    {
        QFETCH(int, revision);
        QTEST(programVersionText(1, 12, revision), "expected");
    }
};

QTEST_APPLESS_MAIN(TestMainOptions)
#include "tst_mainoptions.moc"
