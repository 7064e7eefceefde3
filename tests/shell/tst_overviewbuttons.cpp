// The overview buttons beside the list: which entries each window gets, and
// the windows' list.
#include "overview/overviewcommands.h"
#include "overview/overviewpage.h"
#include "overview/previewwindow.h"
#include "watchlist/watchlistmodel.h"
#include "windowharness.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace td;
using td::test::TestPlatform;
using td::test::widget;

namespace {

struct Row
{
    const char* ticker;
    const char* place;
    bool checked;
    const char* qty;
};

struct Window
{
    explicit Window(const QList<Row>& rows = {})
    {
        for (const Row& r : rows) {
            WatchEntry e;
            e.columns[ColName] = QStringLiteral("N") + QLatin1String(r.ticker);
            e.columns[ColTicker] = QLatin1String(r.ticker);
            e.columns[ColPlace] = QLatin1String(r.place);
            e.columns[ColQty] = QLatin1String(r.qty);
            e.columns[ColValue] = *r.qty ? QStringLiteral("100") : QString();
            e.checked = r.checked;
            w.items().append(e);
        }
    }
    // Presses the button and returns the new window once its view is built.
    PreviewWindow* press(const char* button)
    {
        const int before = static_cast<int>(w.windows().windows().size());
        w.findChild<QPushButton*>(QLatin1String(button))->click();
        const QList<QWidget*> open = w.windows().windows();
        if (open.size() != before + 1)
            return nullptr;
        auto* preview = qobject_cast<PreviewWindow*>(open.last());
        QSignalSpy built(preview, &PreviewWindow::viewBuilt);
        return built.wait() ? preview : nullptr;
    }
    QColor colour(int row)
    {
        return w.items().data(w.items().index(row, ColName), Qt::ForegroundRole).value<QColor>();
    }

    TestPlatform p;
    MainWindow w{p.context};
};

} // namespace

Q_DECLARE_METATYPE(Row)

class TestOverviewButtons : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void buttonsCollectTheirEntries_data()
    {
        QTest::addColumn<QList<Row>>("rows");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("expected");
        QList<Row> ten;
        for (const char* ticker : {"A0", "A1", "A2", "A3", "A4", "A5", "A6", "A7", "A8", "A9"})
            ten << Row{ticker, "ETR", false, ""};
        ten[1].checked = ten[4].checked = ten[8].checked = true;
        QTest::newRow("charts, three of ten") << ten << "cmdGo_0" << QStringList{"A1", "A4", "A8"};
        QTest::newRow("fv") << QList<Row>{{"AAPL", "NAS", true, ""},
                                          {"SAP", "ETR", true, ""},
                                          {"MSFT", "NAS", false, ""},
                                          {"KO", "NYS", true, ""}}
                            << "cmdFV" << QStringList{"AAPL", "KO"};
        QTest::newRow("benchmark") << QList<Row>{{"AAPL", "NAS", true, ""}, {"SAP", "ETR", false, "10"}}
                                   << "cmdBenchmark" << QStringList{"SAP"};
    }
    void buttonsCollectTheirEntries()
    {
        QFETCH(QList<Row>, rows);
        QFETCH(QString, button);
        Window win(rows);
        PreviewWindow* preview = win.press(button.toLatin1().constData());
        QVERIFY(preview);
        QStringList tickers;
        for (const PreviewEntry& e : preview->entries())
            tickers << e.ticker;
        QTEST(tickers, "expected");
        QCOMPARE(preview->kind(), win.w.windows().kindOf(preview));
    }
    void noTickedEntryWritesTheEmptyLine()
    {
        Window win({{"AAPL", "NAS", false, ""}});
        QVERIFY(win.press("cmdGo_0"));
        QFile page(pageFilePath(win.p.programDir.path(), kChartsFile));
        QVERIFY(page.open(QIODevice::ReadOnly));
        QVERIFY(page.readAll().contains("<center><a>kein TickerSymbol angegeben</a></center>"));
    }
    void indexWindowOnlyOnce()
    {
        Window win;
        QVERIFY(win.press("cmdShowIndex"));
        QCOMPARE(win.press("cmdShowIndex"), nullptr);
        QCOMPARE(win.w.windows().windows().size(), 1);
    }
    void valueOnlyTwice()
    {
        Window win({{"AAPL", "NAS", false, ""}, {"SAP", "ETR", false, "10"}, {"KO", "NYS", false, ""}});
        win.w.items().setImportant(2, true);
        const QColor valued = win.colour(1);
        QPushButton* button = win.w.findChild<QPushButton*>(QStringLiteral("cmdValueOnly"));
        button->click();
        QCOMPARE(win.colour(0), toQColor(kValueOnlyGrey));
        QCOMPARE(win.colour(2), toQColor(kValueOnlyGrey));
        button->click();
        const QColor text = QApplication::palette().color(QPalette::WindowText);
        QCOMPARE(win.colour(0), text);
        QCOMPARE(win.colour(2), text); // the important mark's purple is not remembered
        QCOMPARE(win.colour(1), valued);
        QCOMPARE(button->property("tag").toString(), kValueOnlyStartTag);
    }
    void windowListFollowsTheWindows()
    {
        Window win({{"AAPL", "NAS", true, ""}});
        win.p.settings.write(QStringLiteral("Mobile"), QStringLiteral("1"));
        auto* list = win.w.findChild<QListWidget*>(QStringLiteral("lstHTMWindows"));
        PreviewWindow* first = win.press("cmdGo_0");
        PreviewWindow* second = win.press("cmdBenchmark");
        QVERIFY(first && second);
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(1)->text(), second->windowTitle());
        // A right click closes the window of the selected entry.
        list->setCurrentRow(0);
        QTest::mouseClick(list->viewport(), Qt::RightButton, {},
                          list->visualItemRect(list->item(0)).center());
        QCOMPARE(list->count(), 1);
        QVERIFY(!widget<QCheckBox>(win.w, "chkMobile_0")->isChecked());
        second->close();
        QCOMPARE(list->count(), 0);
        QVERIFY(widget<QCheckBox>(win.w, "chkMobile_0")->isChecked());
    }
};

QTEST_MAIN(TestOverviewButtons)
#include "tst_overviewbuttons.moc"
