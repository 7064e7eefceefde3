#include "overview/progress.h"

#include <QTest>

class TestProgress : public QObject
{
    Q_OBJECT
private slots:
    void paint_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("fillWidth");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero clears") << 0 << 100 << 1500 << "" << 0 << "";
        QTest::newRow("full") << 100 << 100 << 1500 << "" << 1500 << "100%";
        QTest::newRow("fraction floors") << 2 << 3 << 10 << "" << 6 << "2%";
        QTest::newRow("narrow surface") << 50 << 100 << 201 << "" << 100 << "50%";
        QTest::newRow("caption appended") << 42 << 100 << 100 << " done" << 42 << "42% done";
        QTest::newRow("negative floors down") << -1 << 3 << 10 << "" << -4 << "";
    }
    void paint()
    {
        QFETCH(int, value);
        QFETCH(int, maximum);
        QFETCH(int, width);
        QFETCH(QString, caption);
        const td::ProgressPaint paint = td::progressPaint(value, maximum, width, caption);
        QTEST(paint.fillWidth, "fillWidth");
        QTEST(paint.text, "text");
    }
};

QTEST_GUILESS_MAIN(TestProgress)
#include "tst_progress.moc"
