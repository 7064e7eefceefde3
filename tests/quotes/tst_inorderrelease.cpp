#include "quotes/inorderrelease.h"

#include <QTest>

using namespace td;

class TestInOrderRelease : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void releasesInAwaitedOrder_data()
    {
        QTest::addColumn<QList<int>>("awaited");
        QTest::addColumn<QList<int>>("arrivals"); // the value is the arrival's index
        // After each arrival, what is released then: position:value.
        QTest::addColumn<QString>("released");
        QTest::newRow("in order") << QList<int>{0, 2, 5} << QList<int>{0, 2, 5} << "0:0|2:1|5:2";
        QTest::newRow("reversed: all wait for the first")
            << QList<int>{0, 2, 5} << QList<int>{5, 2, 0} << "||0:2 2:1 5:0";
        QTest::newRow("second first") << QList<int>{1, 2, 3} << QList<int>{2, 1, 3} << "|1:1 2:0|3:2";
        QTest::newRow("a position never awaited is dropped")
            << QList<int>{1, 2} << QList<int>{7, 1, 2} << "|1:1|2:2";
        QTest::newRow("a second value for a waiting position is dropped")
            << QList<int>{1, 2} << QList<int>{2, 2, 1} << "||1:2 2:0";
        QTest::newRow("a value for a released position is dropped")
            << QList<int>{1, 2} << QList<int>{1, 1, 2} << "1:0||2:2";
    }
    void releasesInAwaitedOrder()
    {
        QFETCH(QList<int>, awaited);
        QFETCH(QList<int>, arrivals);
        InOrderRelease<int> release;
        for (const int position : awaited)
            release.await(position);
        QCOMPARE(release.outstanding(), awaited.size());
        QStringList steps;
        for (int i = 0; i < arrivals.size(); ++i) {
            release.arrive(arrivals[i], i);
            QStringList step;
            while (const auto due = release.take())
                step << QStringLiteral("%1:%2").arg(due->first).arg(due->second);
            steps << step.join(u' ');
        }
        QTEST(steps.join(u'|'), "released");
        QVERIFY(release.isEmpty());
        QCOMPARE(release.outstanding(), 0);
    }
};

QTEST_APPLESS_MAIN(TestInOrderRelease)
#include "tst_inorderrelease.moc"
