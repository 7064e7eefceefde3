#include "overview/progressbar.h"
#include "platform/browserpane.h"
#include "platform/twips.h"
#include "shell/mainwindow.h"
#include "sidewindows/infodisplay.h"
#include "sidewindows/infotext.h"
#include "sidewindows/panelayout.h"
#include "watchlist/tickerfile.h"
#include "watchlist/watchlistmodel.h"
#include "windowharness.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>

using namespace td;
using namespace td::test;

namespace {

void moveOver(QWidget* widget, QPoint at)
{
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
}

struct Fixture
{
    Fixture()
    {
        activate(w);
        for (const char* line :
             {"Bäcker & Söhne;BAE;ETR;;12,50;True;;;;;EUR;;;;A1B2C3;;0", "Zweite AG;ZWE;ETR"})
            w.items().append(parseTickerLine(QString::fromUtf8(line), false));
        widget<QCheckBox>(w, "chkShowToolTip")->setChecked(true);
        widget<QCheckBox>(w, "chkShowLBLToolTip")->setChecked(true);
    }
    QWidget* viewport() { return widget<QTreeView>(w, "lstItems")->viewport(); }
    QPoint rowPoint(int row)
    {
        return widget<QTreeView>(w, "lstItems")->visualRect(w.items().index(row, ColTicker)).center();
    }
    void hover(int row) { moveOver(viewport(), rowPoint(row)); }
    ToolTipWindow* click(int row)
    {
        hover(row);
        QTest::mouseClick(viewport(), Qt::LeftButton, {}, rowPoint(row));
        QCoreApplication::processEvents();
        return w.infoDisplay().infoWindow();
    }
    void tick(ToolTipWindow* window, int times)
    {
        auto* timer = window->findChild<QTimer*>(QStringLiteral("Timer1"));
        for (int i = 0; i < times && window->isVisible(); ++i)
            QMetaObject::invokeMethod(timer, "timeout");
    }
    void setHeightTwips(int twips)
    {
        w.resize(w.width(), twipsToPx(twips));
        QCOMPARE(w.height(), twipsToPx(twips));
    }
    QWidget* pane() { return widget<QWidget>(w, "wbrRealTimeRessources"); }
    int listTop() { return widget<QTreeView>(w, "lstItems")->mapTo(&w, QPoint(0, 0)).y(); }
    static QString tag(QWidget* button) { return button->property("tag").toString(); }
    TestPlatform p;
    MainWindow w{p.context};
};

} // namespace

class TestSideWindows : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void closesByItselfUnlessTouched_data()
    {
        QTest::addColumn<bool>("touch");
        QTest::newRow("untouched") << false;
        QTest::newRow("clicked into its text") << true;
    }
    void closesByItselfUnlessTouched()
    {
        QFETCH(bool, touch);
        Fixture f;
        QPointer<ToolTipWindow> window = f.click(1);
        QVERIFY(window && window->isVisible());
        QCOMPARE(f.w.windows().firstOfKind(kInfoWindowKind), static_cast<QWidget*>(window.data()));
        QCOMPARE(td::test::selection(f.w).session().iSelectedIndex, 0); // the mouse-up waits for the window
        if (touch)
            QTest::mouseClick(window->findChild<QPlainTextEdit*>(QStringLiteral("txt_Info"))->viewport(),
                              Qt::LeftButton);
        f.tick(window, 30 - 1);
        QVERIFY(window->isVisible());
        f.tick(window, touch ? 100 : 1);
        QCOMPARE(window->isVisible(), touch);
        if (touch)
            QTest::mouseClick(window->findChild<QLabel*>(QStringLiteral("img_systemclose")), Qt::LeftButton);
        QVERIFY(!window->isVisible());
        // The window is gone and the list's own mouse-up has run.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        QVERIFY(!window);
        QCOMPARE(td::test::selection(f.w).session().iSelectedIndex, 2);
    }
    void showsCopiesAndSaves_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("file"); // empty: the dialog is cancelled
        QTest::addColumn<QByteArray>("contains");
        QTest::addColumn<QByteArray>("lacks");
        const QString text = QStringLiteral("mnu_contentsavetxt");
        const QString html = QStringLiteral("mnu_contentsavehtml");
        QTest::newRow("text") << text << QStringLiteral("out.txt")
                              << QString("Bäcker & Söhne\r\nBAE.ETR\r\n").toLatin1() << QByteArray("\xc3");
        QTest::newRow("html") << html << QStringLiteral("out.html")
                              << QString("Bäcker &amp; Söhne").toLatin1() << QByteArray("& S");
        QTest::newRow("folder missing")
            << text << QStringLiteral("gone/out.txt") << QByteArray() << QByteArray();
        QTest::newRow("cancelled") << html << QString() << QByteArray() << QByteArray();
    }
    // Opened from a row at the bottom of the screen, the window still fits on it.
    void showsCopiesAndSaves()
    {
        QFETCH(QString, action);
        QFETCH(QString, file);
        QFETCH(QByteArray, contains);
        QFETCH(QByteArray, lacks);
        Fixture f;
        const QRect screen = f.w.screen()->availableGeometry();
        f.w.move(screen.left(), screen.bottom() - f.listTop() - 30);
        f.w.items().noteQuoteRead(0, f.p.clock.time.addSecs(-60), true);
        QPointer<ToolTipWindow> window = f.click(0);
        QVERIFY(screen.contains(window->geometry()));
        const QString expected = infoText(f.w.items().entry(0), f.p.clock.now());
        QVERIFY(expected.contains(QStringLiteral("\r\nKurs von ")));
        QCOMPARE(window->findChild<QPlainTextEdit*>(QStringLiteral("txt_Info"))->toPlainText(),
                 QString(expected).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        window->findChild<QAction*>(QStringLiteral("mnu_contentcopy"))->trigger();
        QCOMPARE(f.p.clipboard.text(), expected);
        const QString path = file.isEmpty() ? QString() : f.p.programDir.filePath(file);
        f.p.dialogs.queueOpenFile(path.isEmpty() ? std::nullopt : std::optional<QString>(path));
        window->findChild<QAction*>(action)->trigger();
        QCOMPARE(f.p.dialogs.fileDialogs.size(), 1);
        QFile written(path);
        const bool failed = !path.isEmpty() && contains.isEmpty();
        QCOMPARE(f.p.dialogs.shown.size(), failed ? 1 : 0);
        if (failed)
            QVERIFY(
                f.p.dialogs.shown[0].text.contains(path + QStringLiteral("   \r\nkonnte nicht gespeichert")));
        QCOMPARE(written.open(QIODevice::ReadOnly), !contains.isEmpty());
        const QByteArray bytes = written.readAll();
        QVERIFY(bytes.contains(contains));
        QVERIFY(lacks.isEmpty() || !bytes.contains(lacks));
        QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
        // The next click closes the open window first.
        f.w.infoDisplay().onItemClick(Qt::LeftButton, f.rowPoint(1));
        QVERIFY(window.isNull() || !window->isVisible());
        QVERIFY(f.w.infoDisplay().infoWindow() != window);
    }
    void hoverBox_data()
    {
        QTest::addColumn<bool>("labelBox");
        QTest::addColumn<bool>("batch");
        QTest::addColumn<bool>("leaveOverTabs"); // else over the box's own text
        QTest::newRow("hover box on") << true << false << false;
        QTest::newRow("hover box on, left over the tab area") << true << false << true;
        QTest::newRow("hover box off") << false << false << false;
        QTest::newRow("during a batch") << true << true << false;
    }
    // Leaving over the tab area marks the entry shown before the hover again.
    void hoverBox()
    {
        QFETCH(bool, labelBox);
        QFETCH(bool, batch);
        QFETCH(bool, leaveOverTabs);
        Fixture f;
        widget<QCheckBox>(f.w, "chkShowLBLToolTip")->setChecked(labelBox);
        widget<QCheckBox>(f.w, "chkAutoMarkLast")->setChecked(leaveOverTabs);
        f.w.setCurrentRow(0);
        f.w.moveHighlightTo(0);
        const auto check = [&] {
            QTreeView* list = widget<QTreeView>(f.w, "lstItems");
            list->setCurrentIndex(f.w.items().index(0, 0));
            f.w.items().noteQuoteRead(1, f.p.clock.time, false);
            f.hover(1);
            QFrame* box = f.w.infoDisplay().hoverBox();
            QCOMPARE(box->isVisible(), labelBox && !batch);
            QCOMPARE(list->currentIndex().row(), batch ? 0 : 1);
            if (box->isVisible()) {
                auto* text = box->findChild<QPlainTextEdit*>(QStringLiteral("txttooltip"));
                QVERIFY(text->toPlainText().endsWith(
                    QStringLiteral("\nKein Kurs abgerufen, letzter Abruf fehlgeschlagen")));
                QCOMPARE(text->toPlainText(), hoverText(f.w.items().entry(1), f.p.clock.now())
                                                  .replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
                QVERIFY(f.w.rect().contains(box->geometry()));
                if (leaveOverTabs)
                    moveOver(widget<QTabWidget>(f.w, "tabData")->tabBar(), QPoint(3, 3));
                else
                    moveOver(text->viewport(), QPoint(2, 2));
                QVERIFY(!box->isVisible());
                QCOMPARE(list->currentIndex().row(), leaveOverTabs ? 0 : 1);
            }
            // No info window during a batch; the click is refused as ever.
            ToolTipWindow* window = f.click(1);
            QCOMPARE(window != nullptr, !batch);
            if (batch)
                QCOMPARE(f.p.dialogs.shown.size(), 1);
        };
        if (batch)
            duringBatch(f.w, f.p, check);
        else
            check();
    }
    // Back and forth, then closed from either place of the pane.
    void fullBrowserTwiceReturnsAndClosing()
    {
        Fixture f;
        f.setHeightTwips(9500);
        QPushButton* button = widget<QPushButton>(f.w, "cmdFullBrowser");
        QCOMPARE(button->text(), QStringLiteral("bigger"));
        const QRect start = f.pane()->geometry();
        QVERIFY(f.pane()->isVisible() &&
                start.top() > f.listTop() + widget<QTreeView>(f.w, "lstItems")->height());
        button->click();
        QCOMPARE(Fixture::tag(button), QStringLiteral("BIG"));
        QCOMPARE(button->text(), QStringLiteral("-"));
        QCOMPARE(f.pane()->y(), f.listTop());
        QVERIFY(f.pane()->isVisible() && f.w.rect().contains(f.pane()->geometry()));
        QVERIFY(!widget<QPushButton>(f.w, "cmdSelectAll_0")->isVisible() &&
                !widget<QPushButton>(f.w, "cmdClear_0")->isVisible());
        button->click();
        QCOMPARE(Fixture::tag(button), QStringLiteral("SMALL"));
        QCOMPARE(button->text(), QStringLiteral("^"));
        QCOMPARE(f.pane()->geometry(), start);
        QVERIFY(widget<QPushButton>(f.w, "cmdSelectAll_0")->isVisible() &&
                widget<QPushButton>(f.w, "cmdClear_0")->isVisible());
        for (bool enlarged : {false, true}) {
            f.setHeightTwips(9500);
            if (enlarged) {
                button->click();
                QVERIFY(f.pane()->isVisible() && f.pane()->y() == f.listTop());
            }
            widget<QPushButton>(f.w, "cmdCloseExtended")->click();
            QCOMPARE(f.w.height(), twipsToPx(kMainMinHeight));
            QCOMPARE(Fixture::tag(button), QStringLiteral("SMALL"));
            QVERIFY(!f.pane()->isVisible() && widget<QPushButton>(f.w, "cmdSelectAll_0")->isVisible());
        }
    }
    void listLayoutClicks_data()
    {
        QTest::addColumn<int>("clicks");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("listTwips");
        QTest::addColumn<bool>("wide"); // Qty, Value, +|-, WKN and ISIN shown, the charts covered
        QTest::newRow("wide") << 1 << QString("SMALL") << QString("<") << 14700 << true;
        QTest::newRow("narrow again") << 2 << QString("BIG") << QString(">") << 8130 << false;
    }
    void listLayoutClicks()
    {
        QFETCH(int, clicks);
        QFETCH(bool, wide);
        Fixture f;
        QTreeView* list = widget<QTreeView>(f.w, "lstItems");
        QPushButton* button = widget<QPushButton>(f.w, "cmdEnhanceListbox");
        for (int i = 0; i < clicks; ++i)
            button->click();
        QTEST(Fixture::tag(button), "tag");
        QTEST(button->text(), "caption");
        QFETCH(int, listTwips);
        QCOMPARE(list->width(), twipsToPx(listTwips));
        for (int c : {ColQty, ColValue, ColPlusMinus, ColWkn, ColIsin})
            QCOMPARE(list->isColumnHidden(c), !wide);
        QVERIFY(!wide || list->columnWidth(ColIsin) >= twipsToPx(1400));
        QCOMPARE(widget<QFrame>(f.w, "fraCharts")->isVisible(), !wide);
    }
    void mobileBoxesFollowEachOther_data()
    {
        QTest::addColumn<int>("clicked");
        QTest::newRow("box on the main window") << 0;
        QTest::newRow("box on the settings tab") << 1;
    }
    void mobileBoxesFollowEachOther()
    {
        QFETCH(int, clicked);
        Fixture f;
        const QList<QCheckBox*> boxes{widget<QCheckBox>(f.w, "chkMobile_0"),
                                      widget<QCheckBox>(f.w, "chkMobile_1")};
        QWidget* history = pane(f.w, QStringLiteral("wbrHistorie")).widget();
        for (bool on : {true, false}) {
            boxes[clicked]->click();
            QCOMPARE(boxes[0]->isChecked(), on);
            QCOMPARE(boxes[1]->isChecked(), on);
            QCOMPARE(widget<QFrame>(f.w, "Frame1_9")->isVisible(), on);
            QCOMPARE(widget<ProgressBar>(f.w, "picAllProgress")->shownText(),
                     on ? QStringLiteral("*** MOBILE OPTION ***") : QString());
            QCOMPARE(history->isHidden(), on);
        }
    }
};

QTEST_MAIN(TestSideWindows)
#include "tst_sidewindows.moc"
