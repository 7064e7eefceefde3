#include "overview/previewwindow.h"
#include "platform/twips.h"
#include "shell/mainwindow.h"
#include "sites/linkfile.h"
#include "sites/resourcepane.h"
#include "testplatform.h"
#include "watchlist/tickerfile.h"
#include "watchlist/watchlistmodel.h"
#include "windowharness.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

using namespace td;
using td::test::TestPlatform;

namespace {

struct Window
{
    explicit Window(const QString& searchDest = {})
    {
        if (!searchDest.isNull())
            p.settings.write(kSearchDestKey, searchDest);
        w = std::make_unique<MainWindow>(p.context);
    }
    template <typename T> T* child(const QString& name) { return w->findChild<T*>(name); }
    QStringList captions(const char* menu, bool checkedOnly = false)
    {
        QStringList out;
        for (QAction* a : child<QMenu>(QLatin1String(menu))->actions()) {
            if (!checkedOnly || a->isChecked())
                out << a->text();
        }
        return out;
    }
    test::RecordingPane& resources() { return *p.panes.recording(QStringLiteral("wbrRealTimeRessources")); }
    QMenu& links() { return *child<QMenu>(QStringLiteral("mnuLINKS")); }
    QStringList messages()
    {
        QStringList out;
        for (const MessageRequest& m : p.dialogs.shown)
            out << m.text;
        return out;
    }

    TestPlatform p;
    std::unique_ptr<MainWindow> w;
};

} // namespace

class TstSitesWindow : public QObject
{
    Q_OBJECT

private slots:
    // A few site items, where they sit and the key their window gets.
    void entryMenuItem_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("subMenu"); // "" for the menu itself
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("key");
        const auto row = [](const char* name, const char* sub, const char* caption, const char* key) {
            QTest::newRow(name) << name << sub << caption << key;
        };
        row("mnuComdirect", "", "Comdirect IntradayChart", "ComdirectIntradayChart");
        row("mnuNasdaqRevenueEPSSummary", "Nasdaq (USA)", "Revenue / EPS Summary", "NASDAQRevenueEPSSummary");
        row("mnuYBMESSAGE", "Yahoo!Finance (USA)", "Message Board", "YBMESSAGE");
        row("mnuHY", "Search this", "Forecast (D)", "Forecast");
        row("mnuSecform", "", "Secform4 Real-Time Insider (USA)", "InsiderBuys");
    }
    void entryMenuItem()
    {
        QFETCH(QString, name);
        Window win;
        auto* item = win.w->mnuPop()->findChild<QAction*>(name);
        QVERIFY(item);
        QTEST(item->text(), "caption");
        const QMenu* owner = qobject_cast<QMenu*>(item->parent());
        QTEST(owner == win.w->mnuPop() ? QString() : owner->title(), "subMenu");
        QVERIFY(owner->actions().contains(item));
        item->trigger();
        auto* preview = qobject_cast<PreviewWindow*>(win.w->windows().windows().value(0));
        QVERIFY(preview);
        QTEST(preview->kind(), "key");
    }

    // The quick chart, the technical chart by button, and "open in new window".
    void resourcesCommands_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("loads"); // the resources pane's page contains it; "": no load
        QTest::addColumn<QString>("kind");  // the preview window opened; "": none
        const auto row = [](const char* tag, const char* control, Qt::MouseButton button, const char* loads,
                            const char* kind) {
            QTest::newRow(tag) << control << int(button) << loads << kind;
        };
        row("cmdShowChart", "cmdShowChart", Qt::LeftButton,
            "/inf/search/all.html?SEARCH_VALUE=SAP.ETR&x=11&y=7", "");
        row("lblTA right", "lblTA", Qt::RightButton,
            "/html/detail/main.html?hist=12m&sSym=SAP.ETR&DEBUG=0&asc=lin&avg1=38&avg2=100&avg3=200"
            "&avgtype=simple&cmpId=3628,1&dsc=abs&iJcfcode=48199",
            "");
        row("lblTA middle", "lblTA", Qt::MiddleButton, "&type=candle", "");
        row("lblTA left", "lblTA", Qt::LeftButton, "", "TECHNICAL");
        row("lblRes", "lblRes", Qt::LeftButton, "", "OTHER");
    }
    void resourcesCommands()
    {
        QFETCH(QString, control);
        QFETCH(int, button);
        QFETCH(QString, loads);
        QFETCH(QString, kind);
        Window win;
        win.w->items().append(
            parseTickerLine(QStringLiteral("SAP SE;SAP;ETR;;;False;;;;;;;;;716460;DE0007164600;0"), false));
        test::clickEntry(*win.w, 0);
        const int height = win.w->height();
        const qsizetype before = win.resources().addresses.size();
        if (auto* b = win.child<QPushButton>(control))
            b->click();
        else
            QTest::mouseClick(win.child<QLabel>(control), Qt::MouseButton(button));
        QCoreApplication::processEvents();
        const QStringList seen = win.resources().addresses.mid(before);
        QCOMPARE(seen.size(), loads.isEmpty() ? 0 : 2);
        if (!loads.isEmpty()) {
            QVERIFY(seen.at(0).contains("receive data<br>SAP.ETR [Quote]</span>"));
            QVERIFY2(seen.at(1).contains(loads), qPrintable(seen.at(1)));
        }
        // Showing a page in the pane makes the window reach down to the screen's bottom.
        QCOMPARE(win.w->height() > height, !loads.isEmpty());
        auto* preview = qobject_cast<PreviewWindow*>(win.w->windows().windows().value(0));
        QCOMPARE(preview ? preview->kind() : QString(), kind);
    }

    // The stored destination is restored, then the user picks News.
    void searchDestination_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("restored");
        QTest::addColumn<QString>("typed"); // null: the placeholder stays
        QTest::addColumn<QString>("afterNews");
        const QString comdirect = QStringLiteral("Comdirect");
        const QString sap = QStringLiteral("SAP");
        QTest::newRow("none") << QString() << comdirect << QString() << QStringLiteral("News");
        QTest::newRow("W:O, search text") << QStringLiteral("W:O") << QStringLiteral("W:O") << sap << sap;
        QTest::newRow("unknown") << QStringLiteral("Bing") << comdirect << QString()
                                 << QStringLiteral("News");
    }
    void searchDestination()
    {
        QFETCH(QString, stored);
        QFETCH(QString, restored);
        QFETCH(QString, typed);
        Window win(stored);
        auto* box = win.child<QLineEdit>(QStringLiteral("txtQuickName"));
        QCOMPARE(win.captions("mnuSearch", true), QStringList{restored});
        QCOMPARE(box->text(), restored);
        if (!typed.isNull())
            box->setText(typed);
        win.child<QAction>(QStringLiteral("mnuSearchNews"))->trigger();
        QCOMPARE(win.captions("mnuSearch", true), QStringList{QStringLiteral("News")});
        QTEST(box->text(), "afterNews");
        win.w->close();
        QCOMPARE(win.p.settings.read(kSearchDestKey, {}), QStringLiteral("News"));
    }

    void placeholderFollowsFocus()
    {
        Window win(QStringLiteral("Google"));
        auto* box = win.child<QLineEdit>(QStringLiteral("txtQuickName"));
        auto* search = win.child<QPushButton>(QStringLiteral("cmdSearch"));
        QFocusEvent in(QEvent::FocusIn);
        QCoreApplication::sendEvent(box, &in);
        QVERIFY(box->text().isEmpty());
        QVERIFY(search->isDefault());
        QCOMPARE(box->palette().color(QPalette::Text), QColor(Qt::black));
        QFocusEvent out(QEvent::FocusOut);
        QCoreApplication::sendEvent(box, &out);
        QCOMPARE(box->text(), QStringLiteral("Google"));
        QVERIFY(!search->isDefault());
        QCOMPARE(box->palette().color(QPalette::Text), QColor(0x80, 0x80, 0x80));
        // The placeholder is searched for as it stands.
        search->click();
        QCOMPARE(win.resources().addresses.last(),
                 quickSearchAddress(QStringLiteral("Google"), QStringLiteral("Google"), win.p.hosts));
    }

    void resourcesList_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("heightTwips");
        QTest::newRow("blank") << 0 << kCollapsedHeightTwips;
        QTest::newRow("Calendar") << 4 << kResourcesHeightTwips;
    }
    void resourcesList()
    {
        QFETCH(int, position);
        QFETCH(int, heightTwips);
        Window win;
        auto* list = win.child<QComboBox>(QStringLiteral("cboBenefits"));
        QCOMPARE(list->count(), resourceListItems().size());
        win.w->resize(win.w->width(), twipsToPx(9000));
        const qsizetype loads = win.resources().addresses.size();
        // A user's choice: the change, then the click (also on the item already chosen).
        list->setCurrentIndex(position);
        emit list->activated(position);
        QCOMPARE(win.w->height(), twipsToPx(heightTwips));
        SiteValues today;
        today.today = win.p.clock.now().date();
        const QStringList expected =
            position ? QStringList{buildAddress(*resourcePage(list->itemText(position)), today, win.p.hosts)}
                     : QStringList{};
        QCOMPARE(win.resources().addresses.mid(loads), expected);
        win.w->close();
        QCOMPARE(win.p.settings.read(QStringLiteral("Benefits"), {}), QString::number(position));
    }

    // One valid item with a third field and one invalid line, so both show.
    void linkMenu()
    {
        Window win;
        const QString path = win.p.writeFile(QStringLiteral("tic/links.intern"),
                                             "One;about:one\r\nTwo;http://two.test/;x\r\nThree;\r\n");
        auto* button = win.child<QPushButton>(QStringLiteral("cmdBenefits"));
        // A second click reads the file afresh and duplicates nothing.
        for (int click = 0; click < 2; ++click) {
            win.p.dialogs.shown.clear();
            button->click();
            QCOMPARE(win.captions("mnuLINKS"), (QStringList{kEditMenuCaption, "One", "Two", ""}));
            QCOMPARE(win.messages(), QStringList{invalidLinkLineMessage(path, 3)});
            QVERIFY(win.links().isVisible());
            win.links().hide();
        }
        win.links().actions().at(2)->trigger();
        QCOMPARE(win.resources().addresses.last(), QStringLiteral("http://two.test/"));
        QVERIFY(win.resources().isSilent());
    }

    void linkMenuOpensUnderItsButton_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("file");
        QTest::newRow("LINKS") << "cmdBenefits"
                               << "mnuLINKS"
                               << "tic/links.intern";
        QTest::newRow("OWN") << "cmdOwn"
                             << "mnuOWN"
                             << "tic/links.own";
    }
    void linkMenuOpensUnderItsButton()
    {
        QFETCH(QString, button);
        QFETCH(QString, menu);
        QFETCH(QString, file);
        Window win;
        win.p.writeFile(file, "One;about:one\r\n");
        win.w->show();
        QVERIFY(QTest::qWaitForWindowExposed(win.w.get()));
        auto* b = win.child<QPushButton>(button);
        b->click();
        const QRect shown = win.child<QMenu>(menu)->geometry();
        const QRect under(b->mapToGlobal(QPoint(0, b->height())), b->size());
        // The screen's edge may push the menu aside, but not off its button.
        QVERIFY2(shown.left() <= under.right() && shown.right() >= under.left(),
                 qPrintable(QStringLiteral("menu x %1, button x %2").arg(shown.x()).arg(under.x())));
        QCOMPARE(shown.top(), under.top());
    }

    // A missing file is reported and its menu stays shut; the edit item opens the file all the same.
    void ownLinkFile()
    {
        Window win;
        win.child<QPushButton>(QStringLiteral("cmdOwn"))->click();
        QCOMPARE(win.messages(), QStringList{QStringLiteral("Cant find file /tic/links.own")});
        QVERIFY(!win.child<QMenu>(QStringLiteral("mnuOWN"))->isVisible());
        const QString path = linkFilePath(win.p.programDir.path(), ownLinks());
        for (const bool succeeds : {true, false}) {
            win.p.dialogs.shown.clear();
            win.p.urls.opened.clear();
            win.p.urls.succeeds = succeeds;
            win.child<QAction>(QStringLiteral("mnuOWNEdit"))->trigger();
            QCOMPARE(win.p.urls.opened, QList<QUrl>{QUrl::fromLocalFile(path)});
            const QString failed = QStringLiteral("Can't open the file in the text editor: ") + path;
            QCOMPARE(win.messages(), succeeds ? QStringList{} : QStringList{failed});
        }
    }
};

QTEST_MAIN(TstSitesWindow)
#include "tst_siteswindow.moc"
