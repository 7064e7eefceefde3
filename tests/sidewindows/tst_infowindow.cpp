#include "shell/mainwindow.h"
#include "sidewindows/infodisplay.h"
#include "sidewindows/infotext.h"
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
#include <QTest>
#include <QTreeView>

using namespace td;
using namespace td::test;

namespace {

WatchEntry entry(const QString& name, const QString& ticker, const QString& wkn)
{
    WatchEntry e;
    e.columns[ColName] = name;
    e.columns[ColTicker] = ticker;
    e.columns[ColPlace] = QStringLiteral("ETR");
    e.columns[ColWkn] = wkn;
    e.columns[ColBuying] = QStringLiteral("12,50");
    e.columns[ColCur] = QStringLiteral("EUR");
    return e;
}

struct Fixture
{
    Fixture()
    {
        activate(w);
        w.items().append(
            entry(QStringLiteral("Bäcker & Söhne"), QStringLiteral("BAE"), QStringLiteral("A1B2C3")));
        w.items().append(entry(QStringLiteral("Zweite AG"), QStringLiteral("ZWE"), QString()));
        w.ui().chkShowToolTip->setChecked(true);
        w.ui().chkShowLBLToolTip->setChecked(true);
    }

    QWidget* viewport() { return w.ui().lstItems->viewport(); }
    QPoint rowPoint(int row) { return w.ui().lstItems->visualRect(w.items().index(row, ColTicker)).center(); }
    void hover(int row)
    {
        const QPoint at = rowPoint(row);
        QMouseEvent move(QEvent::MouseMove, at, viewport()->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(viewport(), &move);
    }
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
    // The window is gone and the list's own mouse-up has run.
    void finishClose()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    TestPlatform p;
    MainWindow w{p.context};
};

} // namespace

class TestInfoWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void closesByItselfUnlessTouched_data();
    void closesByItselfUnlessTouched();
    void showsAndCopiesTheEntry();
    void staysOnTheScreen_data();
    void staysOnTheScreen();
    void exports_data();
    void exports();
    void hoverBox_data();
    void hoverBox();
};

void TestInfoWindow::closesByItselfUnlessTouched_data()
{
    QTest::addColumn<bool>("touch");
    QTest::newRow("untouched") << false;
    QTest::newRow("clicked into its text") << true;
}

void TestInfoWindow::closesByItselfUnlessTouched()
{
    QFETCH(bool, touch);
    Fixture f;
    QPointer<ToolTipWindow> window = f.click(1);
    QVERIFY(window && window->isVisible());
    QCOMPARE(f.w.windows().firstOfKind(kInfoWindowKind), static_cast<QWidget*>(window.data()));
    QCOMPARE(f.w.state().iSelectedIndex, 0); // the mouse-up waits for the window
    if (touch)
        QTest::mouseClick(window->findChild<QPlainTextEdit*>(QStringLiteral("txt_Info"))->viewport(),
                          Qt::LeftButton);
    f.tick(window, f.w.state().infoDisplayLimit - 1);
    QVERIFY(window->isVisible());
    f.tick(window, touch ? 100 : 1);
    QCOMPARE(window->isVisible(), touch);
    if (touch)
        QTest::mouseClick(window->findChild<QLabel*>(QStringLiteral("img_systemclose")), Qt::LeftButton);
    QVERIFY(!window->isVisible());
    f.finishClose();
    QVERIFY(!window);
    QCOMPARE(f.w.state().iSelectedIndex, 2);
}

void TestInfoWindow::showsAndCopiesTheEntry()
{
    Fixture f;
    ToolTipWindow* window = f.click(0);
    const QString expected = infoText(f.w.items().entry(0));
    QCOMPARE(window->findChild<QPlainTextEdit*>(QStringLiteral("txt_Info"))->toPlainText(),
             QString(expected).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    QCOMPARE(expected.count(u'&'), 1);
    window->findChild<QAction*>(QStringLiteral("mnu_contentcopy"))->trigger();
    QCOMPARE(f.p.clipboard.text(), expected);
    // The next click closes the open window first.
    QPointer<ToolTipWindow> first = window;
    f.w.infoDisplay().onItemClick(Qt::LeftButton, f.rowPoint(1));
    QVERIFY(first.isNull() || !first->isVisible());
    QVERIFY(f.w.infoDisplay().infoWindow() != first);
}

void TestInfoWindow::staysOnTheScreen_data()
{
    QTest::addColumn<bool>("low");
    QTest::newRow("window at the top") << false;
    QTest::newRow("list at the bottom edge") << true;
}

void TestInfoWindow::staysOnTheScreen()
{
    QFETCH(bool, low);
    Fixture f;
    const QRect screen = f.w.screen()->availableGeometry();
    if (low)
        f.w.move(screen.left(), screen.bottom() - f.w.ui().lstItems->mapTo(&f.w, QPoint(0, 0)).y() - 30);
    ToolTipWindow* window = f.click(0);
    QVERIFY(screen.contains(window->geometry()));
    const QPoint clicked = f.viewport()->mapToGlobal(f.rowPoint(0));
    QCOMPARE(window->y() > clicked.y(), !low);
}

void TestInfoWindow::exports_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("file"); // empty: the dialog is cancelled
    QTest::addColumn<QByteArray>("contains");
    QTest::addColumn<QByteArray>("lacks");
    const QString text = QStringLiteral("mnu_contentsavetxt");
    const QString html = QStringLiteral("mnu_contentsavehtml");
    QTest::newRow("text") << text << QStringLiteral("out.txt")
                          << QByteArray("B\xe4"
                                        "cker & S\xf6hne\r\nBAE.ETR\r\n")
                          << QByteArray("\xc3");
    QTest::newRow("html") << html << QStringLiteral("out.html")
                          << QByteArray("B\xe4"
                                        "cker &amp; S\xf6hne")
                          << QByteArray("& S");
    QTest::newRow("folder missing") << text << QStringLiteral("gone/out.txt") << QByteArray() << QByteArray();
    QTest::newRow("cancelled") << html << QString() << QByteArray() << QByteArray();
}

void TestInfoWindow::exports()
{
    QFETCH(QString, action);
    QFETCH(QString, file);
    QFETCH(QByteArray, contains);
    QFETCH(QByteArray, lacks);
    Fixture f;
    const QString path = file.isEmpty() ? QString() : f.p.programDir.filePath(file);
    f.p.dialogs.queueOpenFile(path.isEmpty() ? std::nullopt : std::optional<QString>(path));
    f.click(0)->findChild<QAction*>(action)->trigger();
    QCOMPARE(f.p.dialogs.fileDialogs.size(), 1);
    QFile written(path);
    const bool failed = !path.isEmpty() && contains.isEmpty();
    QCOMPARE(f.p.dialogs.shown.size(), failed ? 1 : 0);
    if (failed) {
        QVERIFY(f.p.dialogs.shown[0].text.contains(path));
        QVERIFY(f.p.dialogs.shown[0].text.contains(QStringLiteral("konnte nicht gespeichert werden")));
    }
    QCOMPARE(written.open(QIODevice::ReadOnly), !contains.isEmpty());
    const QByteArray bytes = written.readAll();
    QVERIFY(bytes.contains(contains));
    QVERIFY(lacks.isEmpty() || !bytes.contains(lacks));
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
}

void TestInfoWindow::hoverBox_data()
{
    QTest::addColumn<bool>("labelBox");
    QTest::addColumn<bool>("batch");
    QTest::newRow("hover box on") << true << false;
    QTest::newRow("hover box off") << false << false;
    QTest::newRow("during a batch") << true << true;
}

void TestInfoWindow::hoverBox()
{
    QFETCH(bool, labelBox);
    QFETCH(bool, batch);
    Fixture f;
    f.w.ui().chkShowLBLToolTip->setChecked(labelBox);
    if (batch)
        f.w.ui().cmdCheckAllQuotes->setText(QStringLiteral("0"));
    QTreeView* list = f.w.ui().lstItems;
    list->setCurrentIndex(f.w.items().index(0, 0));
    f.hover(1);
    QFrame* box = f.w.infoDisplay().hoverBox();
    QCOMPARE(box->isVisible(), labelBox && !batch);
    QCOMPARE(list->currentIndex().row(), batch ? 0 : 1);
    if (box->isVisible()) {
        auto* text = box->findChild<QPlainTextEdit*>(QStringLiteral("txttooltip"));
        QCOMPARE(text->toPlainText(),
                 hoverText(f.w.items().entry(1)).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        QVERIFY(f.w.rect().contains(box->geometry()));
        QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), text->viewport()->mapToGlobal(QPointF(2, 2)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(text->viewport(), &move);
        QVERIFY(!box->isVisible());
    }
    // No info window during a batch; the click is refused as ever.
    ToolTipWindow* window = f.click(1);
    QCOMPARE(window != nullptr, !batch);
    if (batch) {
        QCOMPARE(f.p.dialogs.shown.size(), 1);
        f.w.ui().cmdCheckAllQuotes->setText(QStringLiteral("!"));
    }
}

QTEST_MAIN(TestInfoWindow)
#include "tst_infowindow.moc"
