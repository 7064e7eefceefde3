#include "platform/panewait.h"
#include "recordingpane.h"

#include <QPointer>
#include <QTest>
#include <QTimer>

#include <ctime>

using namespace td;
using namespace td::test;

class TstPaneWait : public QObject
{
    Q_OBJECT
private slots:
    void idleTagReturnsAtOnce()
    {
        RecordingPane pane(QStringLiteral("wbrHistorie"));
        bool timerRan = false;
        QTimer::singleShot(0, &pane, [&] { timerRan = true; });
        waitForPane(pane);
        QVERIFY(!timerRan); // no event loop was entered
        pane.setTag(QStringLiteral("LOAD"));
        int stopCalls = 0;
        waitForPane(pane, [&] { return ++stopCalls > 0; });
        QCOMPARE(stopCalls, 1);
        QCOMPARE(pane.tag(), QStringLiteral("LOAD"));
    }
    void endsWhenTagClearsWithoutSpinning()
    {
        RecordingPane pane(QStringLiteral("wbrHandelssignal"));
        pane.setTag(QStringLiteral("LOAD"));
        QTimer::singleShot(300, &pane, [&] { pane.setTag(QString()); });
        const std::clock_t cpuBefore = std::clock();
        waitForPane(pane);
        QVERIFY(pane.tag().isEmpty());
        QVERIFY2(std::clock() - cpuBefore < CLOCKS_PER_SEC / 10, "the wait kept the processor busy");
    }
    void stopIsTestedOnWake()
    {
        RecordingPane pane(QStringLiteral("wbrStockContent"));
        pane.setTag(QStringLiteral("Load"));
        bool cancelled = false;
        bool woken = false;
        // A cancel without a wake is not seen yet; events run between the two.
        QTimer::singleShot(0, &pane, [&] {
            cancelled = true;
            QTimer::singleShot(20, &pane, [&] {
                woken = true;
                PaneWait::wakeAll();
            });
        });
        waitForPane(pane, [&] { return cancelled; });
        QVERIFY(woken);
        QCOMPARE(pane.tag(), QStringLiteral("Load"));
    }
    void nestedWaitsBothEnd()
    {
        RecordingPane pane(QStringLiteral("wbrHandelssignal"));
        pane.holding = true;
        connect(&pane, &BrowserPane::documentComplete, &pane, [&] { pane.setTag(QString()); });
        QStringList order;
        pane.setTag(QStringLiteral("LOAD"));
        pane.navigate(QStringLiteral("http://first"));
        QTimer::singleShot(0, &pane, [&] {
            // A second selection while the first one waits on the same pane.
            pane.setTag(QStringLiteral("LOAD"));
            pane.navigate(QStringLiteral("http://second"));
            QTimer::singleShot(0, &pane, [&] { pane.release(); });
            waitForPane(pane);
            order.append(QStringLiteral("inner"));
        });
        waitForPane(pane);
        order.append(QStringLiteral("outer"));
        QCOMPARE(order, (QStringList{"inner", "outer"}));
        QCOMPARE(pane.addresses, (QStringList{"http://first", "http://second"}));
    }
    void endsWhenPaneIsDestroyed()
    {
        QPointer<RecordingPane> pane = new RecordingPane(QStringLiteral("wbrVersion"));
        pane->setTag(QStringLiteral("Load"));
        QTimer::singleShot(0, pane, &QObject::deleteLater);
        waitForPane(*pane);
        QVERIFY(!pane);
    }
};

QTEST_MAIN(TstPaneWait)
#include "tst_panewait.moc"
