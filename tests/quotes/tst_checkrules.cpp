#include "quotes/checkstop.h"
#include "quotes/intervalcheck.h"

#include <QTest>

using namespace td;

class TstCheckRules : public QObject
{
    Q_OBJECT
private slots:
    void timeoutStreak_data()
    {
        QTest::addColumn<QStringList>("pages"); // host, "!" after it for a time-out
        QTest::addColumn<int>("givesUpAt");     // position of the page that ends the check; -1: none
        QTest::newRow("three in a row") << QStringList{"a", "a!", "a!", "a!", "a!"} << 3;
        QTest::newRow("an answer ends the streak") << QStringList{"a!", "a!", "a", "a!", "a!"} << -1;
        QTest::newRow("another host starts anew") << QStringList{"a!", "a!", "b!", "b!", "a!"} << -1;
        QTest::newRow("after another host") << QStringList{"a!", "b!", "b!", "b!"} << 3;
    }
    void timeoutStreak()
    {
        QFETCH(QStringList, pages);
        TimeoutStreak streak;
        int givesUpAt = -1;
        for (int i = 0; i < pages.size() && givesUpAt < 0; ++i) {
            const QString host = pages[i].chopped(pages[i].endsWith(u'!') ? 1 : 0);
            if (streak.record(host, pages[i].endsWith(u'!')))
                givesUpAt = i;
        }
        QTEST(givesUpAt, "givesUpAt");
        if (givesUpAt >= 0)
            QCOMPARE(unansweredHostLine(streak.host()), QStringLiteral("Abbruch: ") +
                                                            pages[givesUpAt].chopped(1) +
                                                            QStringLiteral(" antwortet nicht"));
    }
    void interval_data()
    {
        QTest::addColumn<double>("ms");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<QString>("replacement");
        const QString under = QStringLiteral("Nicht unter 1 Sekunde (1.000 Millisekunden)");
        const QString over = QStringLiteral("Nicht über 1 Minute (60.000 Millisekunden)");
        QTest::newRow("0 is off") << 0.0 << QString() << QString();
        QTest::newRow("half a millisecond") << 0.5 << under << "1000";
        QTest::newRow("999.9 ms") << 999.9 << under << "1000";
        QTest::newRow("one second") << 1000.0 << QString() << QString();
        QTest::newRow("just over a minute") << 60000.1 << over << "60000";
    }
    void interval()
    {
        QFETCH(double, ms);
        const IntervalCheck check = checkInterval(ms);
        QTEST(check.refusal, "refusal");
        QTEST(check.replacement, "replacement");
    }
};

QTEST_APPLESS_MAIN(TstCheckRules)
#include "tst_checkrules.moc"
