#include "shell/mainwindow.h"
#include "testplatform.h"
#include "watchlist/tickerfile.h"
#include "watchlist/watchlistmodel.h"
#include "windowharness.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>

using namespace td;
using td::test::TestPlatform;
using td::test::widget;

Q_DECLARE_METATYPE(td::MoveButton)

namespace {

void addEntry(MainWindow& w, const QString& name)
{
    for (const char* box :
         {"txtTicker", "txtPlace", "txtDate", "txtQuote", "txtWaehrung", "txtQuantity", "txtWKN", "txtISIN"})
        widget<QLineEdit>(w, QLatin1String(box))->clear();
    widget<QLineEdit>(w, "txtName")->setText(name);
    widget<QPushButton>(w, "cmdAdd")->click();
}

struct Window
{
    // The list holds the named entries, unchanged.
    explicit Window(const QStringList& entries = {})
    {
        for (const QString& n : entries)
            addEntry(w, n);
        td::test::listDocument(w).setChanged(false);
    }
    // The window is never activated: a selection loads no pages.
    void select(int row) { td::test::clickEntry(w, row); }
    QStringList names()
    {
        QStringList out;
        for (const WatchEntry& e : w.items().entries())
            out << e.name();
        return out;
    }
    QVariant nameData(int row, int role) { return w.items().data(w.items().index(row, ColName), role); }
    QColor colour(int row) { return nameData(row, Qt::ForegroundRole).value<QColor>(); }
    bool bold(int row) { return nameData(row, Qt::FontRole).value<QFont>().bold(); }
    void trigger(const char* action) { td::test::control<QAction>(w, QLatin1String(action)).trigger(); }
    bool changed() { return td::test::listDocument(w).isChanged(); }
    void unchange() { td::test::listDocument(w).setChanged(false); }

    TestPlatform p;
    MainWindow w{p.context};
};

} // namespace

class TestEditing : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void moveButtons_data()
    {
        QTest::addColumn<QString>("initial");
        QTest::addColumn<int>("position");
        QTest::addColumn<MoveButton>("which");
        QTest::addColumn<QString>("order");
        QTest::addColumn<QString>("enabled"); // down, up, to top, to bottom
        QTest::newRow("up") << "ABCD" << 3 << MoveButton::Up << "ACBD"
                            << "DUTB";
        QTest::newRow("up to the top") << "ABCD" << 2 << MoveButton::Up << "BACD"
                                       << "D--B";
        QTest::newRow("down to the bottom") << "ABCD" << 3 << MoveButton::Down << "ABDC"
                                            << "-UT-";
        QTest::newRow("to top") << "ABCD" << 3 << MoveButton::ToTop << "CABD"
                                << "D--B";
        QTest::newRow("to bottom") << "ABCD" << 2 << MoveButton::ToBottom << "ACDB"
                                   << "-UT-";
        QTest::newRow("only entry, down") << "A" << 1 << MoveButton::Down << "A"
                                          << "----";
        QTest::newRow("to top from the top") << "AB" << 1 << MoveButton::ToTop << "AB"
                                             << "D--B";
    }
    void moveButtons()
    {
        QFETCH(QString, initial);
        QFETCH(int, position);
        QFETCH(MoveButton, which);
        QFETCH(QString, order);
        Window t(initial.split(QString(), Qt::SkipEmptyParts));
        t.select(position - 1);
        QPushButton* buttons[] = {
            widget<QPushButton>(t.w, "but_ItemRauf"), widget<QPushButton>(t.w, "but_ItemRunter"),
            widget<QPushButton>(t.w, "but_ItemRaufZuerst"), widget<QPushButton>(t.w, "but_ItemRaufZuletzt")};
        QPushButton* button = buttons[static_cast<int>(which)];
        // A button left enabled from an earlier state follows the table all the same.
        button->setEnabled(true);
        button->click();
        QCOMPARE(t.names().join(QString()), order);
        const int row = static_cast<int>(order.indexOf(initial[position - 1]));
        QCOMPARE(t.w.currentRow(), row);
        QCOMPARE(t.w.items().highlightRow(), row);
        QCOMPARE(t.changed(), order != initial);
        QString enabled;
        for (auto [b, letter] : {std::pair{widget<QPushButton>(t.w, "but_ItemRunter"), u'D'},
                                 {widget<QPushButton>(t.w, "but_ItemRauf"), u'U'},
                                 {widget<QPushButton>(t.w, "but_ItemRaufZuerst"), u'T'},
                                 {widget<QPushButton>(t.w, "but_ItemRaufZuletzt"), u'B'}})
            enabled += b->isEnabled() ? letter : u'-';
        QTEST(enabled, "enabled");
    }
    // AutoCheck says whether the first press checks or unchecks all.
    void checkAllNone()
    {
        for (const bool first : {true, false}) {
            TestPlatform p;
            p.settings.write(QStringLiteral("AutoCheck"), first ? QStringLiteral("1") : QStringLiteral("0"));
            MainWindow w(p.context);
            addEntry(w, QStringLiteral("A"));
            addEntry(w, QStringLiteral("B"));
            w.items().setChecked(first ? 1 : 0, !first);
            QPushButton* watch = widget<QPushButton>(w, "cmdSelectAll_0");
            QPushButton* stop = widget<QPushButton>(w, "cmdSelectAll_1");
            // An empty list only flips the tag.
            stop->click();
            QCOMPARE(stop->property("tag").toString(),
                     first ? QStringLiteral("False") : QStringLiteral("True"));
            for (bool expected : {first, !first}) {
                td::test::listDocument(w).setChanged(false);
                watch->click();
                for (const WatchEntry& e : w.items().entries())
                    QCOMPARE(e.checked, expected);
                QVERIFY(td::test::listDocument(w).isChanged());
            }
            td::test::listDocument(w).setChanged(false);
            w.stopList().append(WatchEntry());
            stop->click();
            QCOMPARE(w.stopList().entry(0).checked, !first);
            QVERIFY(!td::test::listDocument(w).isChanged());
        }
    }
    void deleteTwice()
    {
        Window t({"A", "B", "C"});
        t.select(1);
        widget<QPushButton>(t.w, "cmdDelete")->click();
        QCOMPARE(t.names(), (QStringList{"A", "C"}));
        QCOMPARE(t.w.currentRow(), -1);
        QCOMPARE(t.w.items().highlightRow(), -1);
        QVERIFY(t.changed());
        // Nothing selected: delete, move and mark do nothing.
        t.unchange();
        widget<QPushButton>(t.w, "cmdDelete")->click();
        t.w.vPressMoveButton(MoveButton::ToTop);
        t.trigger("mnuMarkImportant");
        QCOMPARE(t.names(), (QStringList{"A", "C"}));
        QVERIFY(!t.w.items().entry(0).important && !t.w.items().entry(1).important);
        QVERIFY(!t.changed());
    }
    void markSurvivesMoveAndSelection()
    {
        Window t({"A", "B", "C"});
        const QColor blue(0, 0, 255), purple(128, 0, 128), black(0, 0, 0);
        t.select(0);
        t.trigger("mnuMarkImportant");
        QVERIFY(!t.changed());
        QCOMPARE(t.colour(0), purple); // the mark shows at once, still bold
        QVERIFY(t.bold(0));
        t.w.vPressMoveButton(MoveButton::Down);
        QCOMPARE(t.names(), (QStringList{"B", "A", "C"}));
        QCOMPARE(t.colour(1), blue);
        QVERIFY(t.bold(1));
        t.select(2);
        QCOMPARE(t.colour(1), purple);
        QVERIFY(!t.bold(1));
        QCOMPARE(t.colour(2), blue);
        t.select(1);
        t.trigger("mnuMarkNone");
        t.select(0);
        QCOMPARE(t.colour(1), black);
        QCOMPARE(t.colour(2), black);
    }
    void sortByHeader()
    {
        Window t({"E0", "E1", "E2", "E3"});
        const int column = ColBuying;
        const QStringList texts = {"12,50", "", "9,00", "1.000"};
        for (int row = 0; row < texts.size(); ++row)
            t.w.items().setColumn(row, column, texts[row]);
        QHeaderView* header = widget<QTreeView>(t.w, "lstItems")->header();
        // No sorting while a batch check runs.
        t.w.items().setData(t.w.items().index(0, 0), Qt::Checked, Qt::CheckStateRole);
        t.unchange();
        duringBatch(t.w, t.p, [&] { Q_EMIT header->sectionClicked(column); });
        QCOMPARE(t.names(), (QStringList{"E0", "E1", "E2", "E3"}));
        QVERIFY(!t.changed());
        t.select(2);
        for (const QStringList& expected :
             {QStringList{"E3", "E0", "E2", "E1"}, QStringList{"E2", "E0", "E3", "E1"}}) {
            Q_EMIT header->sectionClicked(column);
            QCOMPARE(t.names(), expected);
            const int row = static_cast<int>(expected.indexOf(QStringLiteral("E2")));
            QCOMPARE(t.w.items().highlightRow(), row);
            QCOMPARE(t.w.currentRow(), row);
            QVERIFY(t.changed());
            QVERIFY(widget<QTreeView>(t.w, "lstItems")->isVisibleTo(&t.w));
        }
    }
    void editModeAndTyping()
    {
        Window t(QStringList{"A", "B"});
        t.w.items().setColumn(0, ColQuote, QStringLiteral("10"));
        t.select(0);
        QTest::keyClicks(widget<QLineEdit>(t.w, "txtQuantity"), QStringLiteral("5"));
        QCOMPARE(t.w.items().entry(0).columns[ColQty], QString());
        QVERIFY(!t.changed());
        widget<QLineEdit>(t.w, "txtName")->setText(QStringLiteral("Renamed"));
        widget<QLineEdit>(t.w, "txtQuantity")->setText(QStringLiteral("1500"));
        widget<QCheckBox>(t.w, "chkEdit")->setChecked(true);
        QCOMPARE(t.w.items().entry(0).name(), QStringLiteral("Renamed"));
        QCOMPARE(t.w.items().entry(0).columns[ColQty], QStringLiteral("1500"));
        QCOMPARE(t.w.items().entry(0).columns[ColValue], QString());
        QVERIFY(t.changed());
        QTest::keyClicks(widget<QLineEdit>(t.w, "txtName"), QStringLiteral(";x"));
        QCOMPARE(widget<QLineEdit>(t.w, "txtName")->text(), QStringLiteral("Renamedx"));
        QCOMPARE(t.w.items().entry(0).name(), QStringLiteral("Renamedx"));
        QCOMPARE(t.w.items().entry(0).columns[ColQty], QStringLiteral("1.500"));
        QCOMPARE(t.w.items().entry(0).columns[ColValue], QStringLiteral("15.000"));
        t.select(1);
        QVERIFY(!widget<QCheckBox>(t.w, "chkEdit")->isChecked());
        QCOMPARE(widget<QLineEdit>(t.w, "txtName")->text(), QStringLiteral("B"));
        QCOMPARE(t.w.items().entry(1).columns[ColQty], QString());
    }
    void buyingPriceMovesTheChangeSinceBuying_data()
    {
        QTest::addColumn<QString>("quote");
        QTest::addColumn<QString>("buying"); // typed
        QTest::addColumn<QString>("after");  // B-Chg|B-%|colour of B-Chg|icon
        const auto row = [](const char* tag, const char* quote, const char* buying, const char* after) {
            QTest::newRow(tag) << QString(quote) << QString(buying) << QString(after);
        };
        row("raised above the quote", "10,50", "11", "-0,50|-4,55|c0|minusplus");
        row("equal to the quote", "10,50", "10,5", "0,00|0,00|0|even");
        row("no quote yet: left alone", "", "11", "9,99|99,99|808080|plus");
    }
    // Typing the buying price recomputes the change since buying as a quote would.
    void buyingPriceMovesTheChangeSinceBuying()
    {
        QFETCH(QString, quote);
        QFETCH(QString, buying);
        Window t;
        WatchEntry e = parseTickerLine(QStringLiteral("A;;;;;False;%1;1,25;9,99;99,99").arg(quote), false);
        e.icon = EntryIcon::Plus;
        t.w.items().append(e);
        t.select(0);
        widget<QCheckBox>(t.w, "chkEdit")->setChecked(true);
        widget<QLineEdit>(t.w, "txtQuote")->clear();
        QTest::keyClicks(widget<QLineEdit>(t.w, "txtQuote"), buying);
        const WatchEntry& r = t.w.items().entry(0);
        QTEST(QStringList({r.columns[ColBChg], r.columns[ColBPct],
                           QString::number(r.styles[ColBChg].colour, 16), iconKey(r.icon)})
                  .join(u'|'),
              "after");
    }
    void stopListAndSmallCommands()
    {
        Window t(QStringList{"A", "B"});
        t.select(1);
        t.trigger("mnuCopyName");
        QCOMPARE(t.p.clipboard.text(), QStringLiteral("B"));
        widget<QLineEdit>(t.w, "txtTicker")->setText(QStringLiteral("TCK"));
        widget<QPushButton>(t.w, "cmdQuickGo")->click();
        QCOMPARE(td::test::selection(t.w).session().selection.sSelName, QList<QString>{"B"});
        QCOMPARE(td::test::selection(t.w).session().selection.sSelTicker, QList<QString>{"TCK"});
        for (const char* n : {"S0", "S1", "S2"}) {
            WatchEntry e;
            e.columns[ColName] = QString::fromLatin1(n);
            t.w.stopList().append(e);
        }
        widget<QTabWidget>(t.w, "tabData")->setTabIcon(3, entryIconImage(EntryIcon::Stop));
        widget<QTabWidget>(t.w, "tabData")->setCurrentIndex(3);
        widget<QTreeView>(t.w, "lstStop")->setCurrentIndex(t.w.stopList().index(1, ColName));
        widget<QPushButton>(t.w, "cmdRemove")->click();
        QCOMPARE(t.w.stopList().size(), 2);
        QCOMPARE(t.w.stopList().entry(1).name(), QStringLiteral("S2"));
        widget<QPushButton>(t.w, "cmdClear_1")->click();
        QCOMPARE(t.w.stopList().size(), 0);
        QVERIFY(widget<QTabWidget>(t.w, "tabData")->tabIcon(3).isNull());
        QCOMPARE(widget<QTabWidget>(t.w, "tabData")->currentIndex(), 0);
        widget<QPushButton>(t.w, "cmdRemove")->click();
        widget<QPushButton>(t.w, "cmdClear_0")->click();
        QCOMPARE(t.w.items().size(), 0);
        QCOMPARE(t.w.currentRow(), -1);
        QVERIFY(t.changed()); // closing must not write the emptied list silently
        widget<QPushButton>(t.w, "cmdQuickGo")->click();
        QCOMPARE(td::test::selection(t.w).session().selection.sSelTicker, QList<QString>{"TCK"});
    }
    void buildAndSave()
    {
        Window t;
        QAbstractItemModelTester tester(&t.w.items(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        QDir().mkpath(t.p.ticFolder());
        const QString path = t.p.ticFolder() + QStringLiteral("/built.tic");
        widget<QLineEdit>(t.w, "txt_TickerFile")->setText(path);
        const QStringList alpha = {"Alpha", "ALP", "ETR", "01.02.2024", "9", "EUR", "1500", "A1", "DE1"};
        QLineEdit* fields[] = {widget<QLineEdit>(t.w, "txtName"),     widget<QLineEdit>(t.w, "txtTicker"),
                               widget<QLineEdit>(t.w, "txtPlace"),    widget<QLineEdit>(t.w, "txtDate"),
                               widget<QLineEdit>(t.w, "txtQuote"),    widget<QLineEdit>(t.w, "txtWaehrung"),
                               widget<QLineEdit>(t.w, "txtQuantity"), widget<QLineEdit>(t.w, "txtWKN"),
                               widget<QLineEdit>(t.w, "txtISIN")};
        for (int i = 0; i < alpha.size(); ++i)
            fields[i]->setText(alpha[i]);
        widget<QPushButton>(t.w, "cmdAdd")->click();
        addEntry(t.w, QStringLiteral("Beta"));
        addEntry(t.w, QStringLiteral("Gamma"));
        QCOMPARE(t.w.items().highlightRow(), 2);
        QCOMPARE(td::test::selection(t.w).session().iLastIndex, 3);
        t.w.items().setColumn(0, ColQuote, QStringLiteral("10")); // as a quote evaluation leaves it
        t.select(0);
        widget<QCheckBox>(t.w, "chkEdit")->setChecked(true);
        widget<QLineEdit>(t.w, "txtQuantity")->clear();
        QTest::keyClicks(widget<QLineEdit>(t.w, "txtQuantity"), QStringLiteral("1500"));
        QCOMPARE(t.w.items().entry(0).styles[ColPlusMinus].colour, colour::DarkGreen);
        t.select(1);
        t.trigger("mnuMarkImportant");
        t.w.items().setData(t.w.items().index(2, ColName), Qt::Checked, Qt::CheckStateRole);
        t.select(2);
        t.w.vPressMoveButton(MoveButton::ToTop);
        t.p.dialogs.queueAnswer(DialogAnswer::Yes);
        widget<QPushButton>(t.w, "cmdSaveList")->click();
        QVERIFY(!t.changed());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(
            file.readAll(),
            QByteArray("Gamma;;;;;True;;;;;;;;;;;0\r\n"
                       "Alpha;ALP;ETR;01.02.2024;9;False;10;;1,00;11,11;EUR;1.500;15.000;1.500;A1;DE1;0\r\n"
                       "Beta;;;;;False;;;;;;;;;;;-1\r\n"));
    }
    void enterAddsFromTheNamingFields_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("adds");
        QTest::newRow("name") << "txtName" << true;
        QTest::newRow("ticker") << "txtTicker" << true;
        QTest::newRow("place") << "txtPlace" << true;
        QTest::newRow("date, after the place") << "txtDate" << false;
        QTest::newRow("the list") << "lstItems" << false;
    }
    // Enter adds an entry only while Add is the default button; leaving the
    // place field takes that away.
    void enterAddsFromTheNamingFields()
    {
        QFETCH(QString, field);
        QFETCH(bool, adds);
        Window t;
        td::test::activate(t.w);
        t.w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&t.w));
        widget<QLineEdit>(t.w, "txtName")->setText(QStringLiteral("Z"));
        widget<QLineEdit>(t.w, "txtPlace")->setFocus();
        QTRY_VERIFY(widget<QPushButton>(t.w, "cmdAdd")->isDefault());
        QWidget& focus = td::test::control<QWidget>(t.w, field);
        focus.setFocus();
        QTRY_COMPARE(widget<QPushButton>(t.w, "cmdAdd")->isDefault(), adds);
        QTest::keyClick(&focus, Qt::Key_Return);
        QCOMPARE(t.w.items().size(), adds ? 1 : 0);
    }
};

QTEST_MAIN(TestEditing)
#include "tst_editing.moc"
