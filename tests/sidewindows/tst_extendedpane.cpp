#include "overview/progressbar.h"
#include "platform/browserpane.h"
#include "platform/twips.h"
#include "shell/mainwindow.h"
#include "sidewindows/infodisplay.h"
#include "sidewindows/panelayout.h"
#include "watchlist/watchlistmodel.h"
#include "windowharness.h"

#include <QCheckBox>
#include <QFrame>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>

using namespace td;
using namespace td::test;

namespace {

struct Fixture
{
    Fixture() { activate(w); }
    void setHeightTwips(int twips)
    {
        w.resize(w.width(), twipsToPx(twips));
        QCOMPARE(w.height(), twipsToPx(twips));
    }
    QWidget* pane() { return w.ui().resourcesPaneHost; }
    int listTop() { return w.ui().lstItems->mapTo(&w, QPoint(0, 0)).y(); }
    QString tag(QWidget* button) { return button->property("tag").toString(); }

    TestPlatform p;
    MainWindow w{p.context};
};

void moveMouseOver(QWidget* widget)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), widget->mapToGlobal(QPointF(3, 3)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
}

} // namespace

class TestExtendedPane : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fullBrowserTwiceReturns();
    void closeExtension_data();
    void closeExtension();
    void listLayoutTwiceReturns();
    void mobileBoxesFollowEachOther_data();
    void mobileBoxesFollowEachOther();
    void tabAreaHidesHoverBoxAndMarksTheEntry();
};

void TestExtendedPane::fullBrowserTwiceReturns()
{
    Fixture f;
    f.setHeightTwips(9500);
    QPushButton* button = f.w.ui().cmdFullBrowser;
    QCOMPARE(button->text(), QStringLiteral("bigger"));
    const QRect start = f.pane()->geometry();
    QVERIFY(f.pane()->isVisible());
    QVERIFY(start.top() > f.listTop() + f.w.ui().lstItems->height());

    button->click();
    QCOMPARE(f.tag(button), QStringLiteral("BIG"));
    QCOMPARE(button->text(), QStringLiteral("-"));
    QCOMPARE(f.pane()->y(), f.listTop());
    QVERIFY(f.pane()->isVisible() && f.w.rect().contains(f.pane()->geometry()));
    QVERIFY(!f.w.ui().cmdSelectAll[0]->isVisible() && !f.w.ui().cmdClear[0]->isVisible());
    // A taller window gives the enlarged pane the height, not a new top.
    f.setHeightTwips(10500);
    QCOMPARE(f.pane()->y(), f.listTop());
    QVERIFY(f.w.rect().contains(f.pane()->geometry()));
    f.setHeightTwips(9500);

    button->click();
    QCOMPARE(f.tag(button), QStringLiteral("SMALL"));
    QCOMPARE(button->text(), QStringLiteral("^"));
    QCOMPARE(f.pane()->geometry(), start);
    QVERIFY(f.w.ui().cmdSelectAll[0]->isVisible() && f.w.ui().cmdClear[0]->isVisible());
}

void TestExtendedPane::closeExtension_data()
{
    QTest::addColumn<bool>("enlarged");
    QTest::newRow("pane below the list") << false;
    QTest::newRow("pane over the list") << true;
}

void TestExtendedPane::closeExtension()
{
    QFETCH(bool, enlarged);
    Fixture f;
    f.setHeightTwips(9500);
    if (enlarged)
        f.w.ui().cmdFullBrowser->click();
    f.w.ui().cmdCloseExtended->click();
    QCOMPARE(f.w.height(), twipsToPx(kMainMinHeight));
    QCOMPARE(f.tag(f.w.ui().cmdFullBrowser), QStringLiteral("SMALL"));
    QVERIFY(!f.pane()->isVisible());
    QVERIFY(f.w.ui().cmdSelectAll[0]->isVisible());
}

void TestExtendedPane::listLayoutTwiceReturns()
{
    Fixture f;
    QTreeView* list = f.w.ui().lstItems;
    QPushButton* button = f.w.ui().cmdEnhanceListbox;
    const auto columns = [list] {
        QList<int> widths;
        for (int c = 0; c < ColumnCount; ++c)
            widths << (list->isColumnHidden(c) ? -1 : list->columnWidth(c));
        return widths;
    };
    QCOMPARE(f.tag(button), QStringLiteral("BIG"));
    const QList<int> narrow = columns();
    const int narrowWidth = list->width();

    button->click();
    QCOMPARE(f.tag(button), QStringLiteral("SMALL"));
    QCOMPARE(button->text(), QStringLiteral("<"));
    const ListLayout wide = listLayoutAfterClick(QStringLiteral("BIG"));
    QCOMPARE(list->width(), twipsToPx(wide.listWidth));
    for (const ColumnWidth& c : wide.columns) {
        QVERIFY(!list->isColumnHidden(c.column));
        QVERIFY(list->columnWidth(c.column) >= twipsToPx(c.twips));
    }
    QVERIFY(!f.w.ui().chartArea->isVisible());
    QVERIFY(f.w.rect().contains(QRect(list->mapTo(&f.w, QPoint(0, 0)), list->size())));

    button->click();
    QCOMPARE(button->text(), QStringLiteral(">"));
    QCOMPARE(columns(), narrow);
    QCOMPARE(list->width(), narrowWidth);
    QVERIFY(f.w.ui().chartArea->isVisible());
}

void TestExtendedPane::mobileBoxesFollowEachOther_data()
{
    QTest::addColumn<int>("clicked");
    QTest::newRow("box on the main window") << 0;
    QTest::newRow("box on the settings tab") << 1;
}

void TestExtendedPane::mobileBoxesFollowEachOther()
{
    QFETCH(int, clicked);
    Fixture f;
    const QList<QCheckBox*> boxes = f.w.ui().chkMobile;
    QCOMPARE(boxes.size(), 2);
    QWidget* history = pane(f.w, QStringLiteral("wbrHistorie")).widget();
    for (bool on : {true, false}) {
        boxes[clicked]->click();
        QCOMPARE(boxes[0]->isChecked(), on);
        QCOMPARE(boxes[1]->isChecked(), on);
        QCOMPARE(f.w.ui().progressFrame->isVisible(), on);
        QCOMPARE(f.w.ui().picAllProgress->shownText(),
                 on ? QStringLiteral("*** MOBILE OPTION ***") : QString());
        QCOMPARE(history->isHidden(), on);
    }
}

void TestExtendedPane::tabAreaHidesHoverBoxAndMarksTheEntry()
{
    Fixture f;
    for (const char* name : {"Alpha", "Beta"}) {
        WatchEntry e;
        e.columns[ColName] = QString::fromLatin1(name);
        f.w.items().append(e);
    }
    f.w.ui().chkAutoMarkLast->setChecked(true);
    f.w.ui().chkShowLBLToolTip->setChecked(true);
    f.w.setCurrentRow(1);
    f.w.moveHighlightTo(1);
    QTreeView* list = f.w.ui().lstItems;
    moveMouseOver(list->viewport()); // over row 0: the box shows, the row is selected
    QFrame* box = f.w.infoDisplay().hoverBox();
    QVERIFY(box->isVisible());
    QCOMPARE(list->currentIndex().row(), 0);
    moveMouseOver(f.w.ui().tabData->tabBar());
    QVERIFY(!box->isVisible());
    QCOMPARE(list->currentIndex().row(), 1);
}

QTEST_MAIN(TestExtendedPane)
#include "tst_extendedpane.moc"
