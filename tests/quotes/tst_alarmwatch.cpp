#include "quotes/alarmwatch.h"

#include <QTest>

using namespace td;

namespace {

// An entry bought at 100 and evaluated at the given quote ("107,17").
EvaluationResult evaluatedAt(quint64 id, const QString& quote, const QString& threshold)
{
    WatchEntry e;
    e.id = id;
    e.columns[ColName] = QStringLiteral("BMW");
    e.columns[ColBuying] = QStringLiteral("100");
    EvaluationOptions options;
    options.thresholdText = threshold;
    return evaluateQuote(e, {parseGerman(quote).value(), Amount::fromInt(1), QStringLiteral("1 EUR")},
                         options);
}

} // namespace

class TestAlarmWatch : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // One entry evaluated again and again, each evaluation outside a check.
    void notifiesOnEnteringTheAlarmState_data()
    {
        QTest::addColumn<QString>("threshold");
        QTest::addColumn<QString>("quotes");
        QTest::addColumn<QString>("notified");
        const auto row = [](const char* tag, const char* threshold, const char* quotes,
                            const char* notified) {
            QTest::newRow(tag) << threshold << quotes << notified;
        };
        row("first crossing", "7", "103 107,17", "0 1");
        row("staying past", "7", "108 109 120", "1 0 0");
        row("back inside, crossing again", "7", "108 105 108 108", "1 0 1 0");
        row("threshold reached exactly", "5", "104,99 105", "0 1");
        row("negative crossing", "5", "96 95 90 96 94", "0 1 0 0 1");
        row("past on the other side", "5", "110 90", "1 0");
        row("decimal threshold", "7,5", "107,4 107,5", "0 1");
        row("non-numeric threshold", "viel", "150 50", "0 0");
        row("empty threshold", "", "150", "0");
    }
    void notifiesOnEnteringTheAlarmState()
    {
        QFETCH(QString, threshold);
        QFETCH(QString, quotes);
        AlarmWatch watch;
        QStringList notified;
        for (const QString& quote : quotes.split(u' '))
            notified << (watch.evaluated(evaluatedAt(7, quote, threshold), threshold) ? "1" : "0");
        QTEST(notified.join(u' '), "notified");
    }

    // One check in which `crossing` entries reach the threshold, `already`
    // of which were past it in the check before; `overlapping` runs a second
    // check alongside, which shares the limit and the count.
    void limitsTheNoticesOfACheck_data()
    {
        QTest::addColumn<int>("crossing");
        QTest::addColumn<int>("already");
        QTest::addColumn<bool>("overlapping");
        QTest::addColumn<int>("notices");
        QTest::addColumn<QString>("countSummary");
        QTest::newRow("five") << 5 << 0 << false << 5 << "";
        QTest::newRow("six") << 6 << 0 << false << 5 << "6 Werte haben die Alarmschwelle erreicht";
        QTest::newRow("twelve") << 12 << 0 << false << 5 << "12 Werte haben die Alarmschwelle erreicht";
        QTest::newRow("eight, two already past")
            << 8 << 2 << false << 5 << "6 Werte haben die Alarmschwelle erreicht";
        QTest::newRow("three, all already past") << 3 << 3 << false << 0 << "";
        QTest::newRow("seven, overlapping")
            << 7 << 0 << true << 5 << "7 Werte haben die Alarmschwelle erreicht";
    }
    void limitsTheNoticesOfACheck()
    {
        QFETCH(int, crossing);
        QFETCH(int, already);
        QFETCH(bool, overlapping);
        AlarmWatch watch;
        const QString t = QStringLiteral("5");
        watch.beginCheck();
        for (int id = 1; id <= already; ++id)
            watch.evaluated(evaluatedAt(id, QStringLiteral("110"), t), t);
        watch.endCheck();

        watch.beginCheck();
        if (overlapping)
            watch.beginCheck();
        int notices = 0;
        for (int id = 1; id <= crossing; ++id)
            notices +=
                watch.evaluated(evaluatedAt(id, id % 2 ? QStringLiteral("110") : QStringLiteral("90"), t), t)
                    .has_value();
        // An inside entry neither notifies nor counts.
        notices += watch.evaluated(evaluatedAt(99, QStringLiteral("101"), t), t).has_value();
        QTEST(notices, "notices");
        if (overlapping)
            QVERIFY(!watch.endCheck());
        const auto count = watch.endCheck();
        QTEST(count.value_or(AlarmNotice()).summary, "countSummary");
        QCOMPARE(count.value_or(AlarmNotice()).entryId, quint64(0));
        // The limit is per check.
        QVERIFY(watch.evaluated(evaluatedAt(50, QStringLiteral("110"), t), t));
    }

    void texts_data()
    {
        QTest::addColumn<QString>("entry"); // name|quote|day change|quote text|threshold
        QTest::addColumn<QString>("summary");
        QTest::addColumn<QString>("body");
        const auto row = [](const char* tag, const char* entry, const char* summary, const char* body) {
            QTest::newRow(tag) << QString::fromUtf8(entry) << QString::fromUtf8(summary)
                               << QString::fromUtf8(body);
        };
        row("gain", "BMW|107,17|1,2|107,17 EUR|7", "BMW  +7,17 %",
            "Kurs 107,17 EUR · Tag +1,20 % · Schwelle ±7 %");
        row("loss, falling day", "SAP|92,5|-2,1|92,50|7,5", "SAP  -7,50 %",
            "Kurs 92,50 · Tag -2,10 % · Schwelle ±7,5 %");
        row("markup in name and currency", "<b>A&B</b>|120|0|120&nbsp;<i>USD</i>|5",
            "&lt;b&gt;A&amp;B&lt;/b&gt;  +20,00 %",
            "Kurs 120,00 &lt;i&gt;USD&lt;/i&gt; · Tag 0,00 % · Schwelle ±5 %");
    }
    void texts()
    {
        QFETCH(QString, entry);
        const QStringList in = entry.split(u'|');
        const QString& threshold = in[4];
        WatchEntry e;
        e.id = 3;
        e.columns[ColName] = in[0];
        e.columns[ColBuying] = QStringLiteral("100");
        EvaluationOptions options;
        options.thresholdText = threshold;
        const QuoteFigures figures{parseGerman(in[1]).value(), parseGerman(in[2]).value(), in[3]};
        const EvaluationResult r = evaluateQuote(e, figures, options);
        QVERIFY(r.alarm);
        const AlarmNotice n = alarmNotice(r.entry, threshold);
        QCOMPARE(n.entryId, quint64(3));
        QTEST(n.summary, "summary");
        QTEST(n.body, "body");
    }
};

QTEST_APPLESS_MAIN(TestAlarmWatch)
#include "tst_alarmwatch.moc"
