#include "shell/mainwindow.h"
#include "testplatform.h"
#include "watchlist/watchlistmodel.h"

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

Q_DECLARE_METATYPE(td::MoveButton)

namespace {

void addEntry(MainWindow& w, const QString& name)
{
    MainWindowUi& ui = w.ui();
    for (QLineEdit* f : {ui.txtTicker, ui.txtPlace, ui.txtDate, ui.txtQuote, ui.txtWaehrung, ui.txtQuantity,
                         ui.txtWKN, ui.txtISIN})
        f->clear();
    ui.txtName->setText(name);
    ui.cmdAdd->click();
}

MainWindow* filled(MainWindow& w, const QStringList& names)
{
    for (const QString& n : names)
        addEntry(w, n);
    w.state().bListChanged = false;
    return &w;
}

// What selecting an entry with the mouse leaves behind (the selection flow
// itself also loads pages).
void select(MainWindow& w, int row)
{
    w.ui().lstItems->setCurrentIndex(w.items().index(row, ColName));
    w.setCurrentRow(row);
    w.ui().chkEdit->setChecked(false);
    w.fillEditFields(w.items().entry(row));
    w.moveHighlightTo(row);
}

QStringList names(MainWindow& w)
{
    QStringList out;
    for (const WatchEntry& e : w.items().entries())
        out << e.name();
    return out;
}

QColor nameColour(MainWindow& w, int row)
{
    return w.items().data(w.items().index(row, ColName), Qt::ForegroundRole).value<QColor>();
}

bool nameBold(MainWindow& w, int row)
{
    return w.items().data(w.items().index(row, ColName), Qt::FontRole).value<QFont>().bold();
}

void trigger(MainWindow& w, const char* action)
{
    auto* a = w.findChild<QAction*>(QLatin1String(action));
    QVERIFY2(a, action);
    a->trigger();
}

} // namespace

class TestEditing : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void moveButtons_data();
    void moveButtons();
    void checkAllNone_data();
    void checkAllNone();
    void deleteTwice();
    void markSurvivesMoveAndSelection();
    void sortByHeader_data();
    void sortByHeader();
    void editModeAndTyping();
    void stopListAndSmallCommands();
    void buildSaveAndReload();
    void enterAddsWhileTheFormHasFocus();
};

void TestEditing::moveButtons_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("position");
    QTest::addColumn<MoveButton>("which");
    QTest::addColumn<QStringList>("order");
    QTest::addColumn<QString>("enabled"); // down, up, to top, to bottom
    QTest::newRow("up") << 4 << 3 << MoveButton::Up << QStringList{"A", "C", "B", "D"} << "DUTB";
    QTest::newRow("up to the top") << 4 << 2 << MoveButton::Up << QStringList{"B", "A", "C", "D"} << "D--B";
    QTest::newRow("down to the bottom")
        << 4 << 3 << MoveButton::Down << QStringList{"A", "B", "D", "C"} << "-UT-";
    QTest::newRow("to top") << 4 << 3 << MoveButton::ToTop << QStringList{"C", "A", "B", "D"} << "D--B";
    QTest::newRow("to bottom") << 4 << 2 << MoveButton::ToBottom << QStringList{"A", "C", "D", "B"} << "-UT-";
    QTest::newRow("only entry, up") << 1 << 1 << MoveButton::Up << QStringList{"A"} << "----";
    QTest::newRow("only entry, down") << 1 << 1 << MoveButton::Down << QStringList{"A"} << "----";
    QTest::newRow("to top from the top") << 2 << 1 << MoveButton::ToTop << QStringList{"A", "B"} << "D--B";
}

void TestEditing::moveButtons()
{
    QFETCH(int, count);
    QFETCH(int, position);
    QFETCH(MoveButton, which);
    QFETCH(QStringList, order);
    TestPlatform p;
    MainWindow w(p.context);
    filled(w, QStringList{"A", "B", "C", "D"}.mid(0, count));
    select(w, position - 1);
    MainWindowUi& ui = w.ui();
    QPushButton* buttons[] = {ui.but_ItemRauf, ui.but_ItemRunter, ui.but_ItemRaufZuerst,
                              ui.but_ItemRaufZuletzt};
    QPushButton* button = buttons[static_cast<int>(which)];
    // A button left enabled from an earlier state follows the table all the same.
    button->setEnabled(true);
    button->click();

    QCOMPARE(names(w), order);
    const int row = static_cast<int>(order.indexOf(QStringList{"A", "B", "C", "D"}[position - 1]));
    QCOMPARE(w.currentRow(), row);
    QCOMPARE(w.items().highlightRow(), row);
    QCOMPARE(w.state().bListChanged, order != QStringList({"A", "B", "C", "D"}).mid(0, count));
    const QString enabled = QString(ui.but_ItemRunter->isEnabled() ? u'D' : u'-') +
                            (ui.but_ItemRauf->isEnabled() ? u'U' : u'-') +
                            (ui.but_ItemRaufZuerst->isEnabled() ? u'T' : u'-') +
                            (ui.but_ItemRaufZuletzt->isEnabled() ? u'B' : u'-');
    QTEST(enabled, "enabled");
}

void TestEditing::checkAllNone_data()
{
    QTest::addColumn<QString>("autoCheck");
    QTest::addColumn<bool>("first");
    QTest::newRow("AutoCheck on: check first") << "1" << true;
    QTest::newRow("AutoCheck off: uncheck first") << "0" << false;
}

void TestEditing::checkAllNone()
{
    QFETCH(QString, autoCheck);
    QFETCH(bool, first);
    TestPlatform p;
    p.settings.write(QStringLiteral("AutoCheck"), autoCheck);
    MainWindow w(p.context);
    filled(w, {"A", "B"});
    w.items().setChecked(first ? 1 : 0, !first);
    QPushButton* watch = w.ui().cmdSelectAll[0];
    QPushButton* stop = w.ui().cmdSelectAll[1];
    QCOMPARE(watch->property("tag").toString(), autoCheck);

    // An empty list only flips the tag.
    stop->click();
    QCOMPARE(stop->property("tag").toString(), first ? QStringLiteral("False") : QStringLiteral("True"));
    QVERIFY(!w.state().bListChanged);

    for (bool expected : {first, !first}) {
        watch->click();
        for (const WatchEntry& e : w.items().entries())
            QCOMPARE(e.checked, expected);
        QVERIFY(w.state().bListChanged);
        w.state().bListChanged = false;
    }
    w.stopList().append(WatchEntry());
    stop->click();
    QCOMPARE(w.stopList().entry(0).checked, !first);
    QVERIFY(!w.state().bListChanged);
}

void TestEditing::deleteTwice()
{
    TestPlatform p;
    MainWindow w(p.context);
    filled(w, {"A", "B", "C"});
    select(w, 1);
    w.ui().cmdDelete->click();
    QCOMPARE(names(w), (QStringList{"A", "C"}));
    QCOMPARE(w.currentRow(), -1);
    QCOMPARE(w.items().highlightRow(), -1);
    QVERIFY(w.state().bListChanged);

    w.state().bListChanged = false;
    w.ui().cmdDelete->click();
    w.vPressMoveButton(MoveButton::ToTop);
    trigger(w, "mnuMarkImportant");
    QCOMPARE(names(w), (QStringList{"A", "C"}));
    QVERIFY(!w.items().entry(0).important && !w.items().entry(1).important);
    QVERIFY(!w.state().bListChanged);
}

void TestEditing::markSurvivesMoveAndSelection()
{
    TestPlatform p;
    MainWindow w(p.context);
    filled(w, {"A", "B", "C"});
    const QColor blue(0, 0, 255), purple(128, 0, 128), black(0, 0, 0);
    select(w, 0);
    trigger(w, "mnuMarkImportant");
    QVERIFY(!w.state().bListChanged);
    QCOMPARE(nameColour(w, 0), purple); // the mark shows at once, still bold
    QVERIFY(nameBold(w, 0));
    w.vPressMoveButton(MoveButton::Down);
    QCOMPARE(names(w), (QStringList{"B", "A", "C"}));
    QCOMPARE(nameColour(w, 1), blue);
    QVERIFY(nameBold(w, 1));

    select(w, 2);
    QCOMPARE(nameColour(w, 1), purple);
    QVERIFY(!nameBold(w, 1));
    QCOMPARE(nameColour(w, 2), blue);

    select(w, 1);
    trigger(w, "mnuMarkNone");
    select(w, 0);
    QCOMPARE(nameColour(w, 1), black);
    QCOMPARE(nameColour(w, 2), black);
}

void TestEditing::sortByHeader_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QStringList>("texts"); // of E0 to E3
    QTest::addColumn<QStringList>("descending");
    QTest::addColumn<QStringList>("ascending");
    QTest::newRow("Buying") << int(ColBuying) << QStringList{"12,50", "", "9,00", "1.000"}
                            << QStringList{"E3", "E0", "E2", "E1"} << QStringList{"E2", "E0", "E3", "E1"};
    QTest::newRow("Value") << int(ColValue) << QStringList{"-5", "20", "", "3"}
                           << QStringList{"E1", "E3", "E0", "E2"} << QStringList{"E0", "E3", "E1", "E2"};
    QTest::newRow("Ticker") << int(ColTicker) << QStringList{"b", "A", "c", ""}
                            << QStringList{"E2", "E0", "E1", "E3"} << QStringList{"E3", "E1", "E0", "E2"};
}

void TestEditing::sortByHeader()
{
    QFETCH(int, column);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, descending);
    QFETCH(QStringList, ascending);
    TestPlatform p;
    MainWindow w(p.context);
    filled(w, {"E0", "E1", "E2", "E3"});
    for (int row = 0; row < texts.size(); ++row)
        w.items().setColumn(row, column, texts[row]);
    select(w, 2);
    QHeaderView* header = w.ui().lstItems->header();

    w.ui().cmdCheckAllQuotes->setText(QStringLiteral("0"));
    Q_EMIT header->sectionClicked(column);
    QCOMPARE(names(w), (QStringList{"E0", "E1", "E2", "E3"}));
    QVERIFY(!w.state().bListChanged);
    w.ui().cmdCheckAllQuotes->setText(QStringLiteral("!"));

    for (const QStringList& expected : {descending, ascending}) {
        Q_EMIT header->sectionClicked(column);
        QCOMPARE(names(w), expected);
        const int row = static_cast<int>(expected.indexOf(QStringLiteral("E2")));
        QCOMPARE(w.items().highlightRow(), row);
        QCOMPARE(w.currentRow(), row);
        QVERIFY(w.state().bListChanged);
        QVERIFY(w.ui().lstItems->isVisibleTo(&w));
    }
}

void TestEditing::editModeAndTyping()
{
    TestPlatform p;
    MainWindow w(p.context);
    filled(w, {"A", "B"});
    MainWindowUi& ui = w.ui();
    w.items().setColumn(0, ColQuote, QStringLiteral("10"));
    select(w, 0);
    QTest::keyClicks(ui.txtQuantity, QStringLiteral("5"));
    QCOMPARE(w.items().entry(0).columns[ColQty], QString());
    QVERIFY(!w.state().bListChanged);

    ui.txtName->setText(QStringLiteral("Renamed"));
    ui.txtQuantity->setText(QStringLiteral("1500"));
    ui.chkEdit->setChecked(true);
    QCOMPARE(w.items().entry(0).name(), QStringLiteral("Renamed"));
    QCOMPARE(w.items().entry(0).columns[ColQty], QStringLiteral("1500"));
    QCOMPARE(w.items().entry(0).columns[ColValue], QString());
    QVERIFY(w.state().bListChanged);

    QTest::keyClicks(ui.txtName, QStringLiteral(";x"));
    QCOMPARE(ui.txtName->text(), QStringLiteral("Renamedx"));
    QCOMPARE(w.items().entry(0).name(), QStringLiteral("Renamedx"));
    QCOMPARE(w.items().entry(0).columns[ColQty], QStringLiteral("1.500"));
    QCOMPARE(w.items().entry(0).columns[ColValue], QStringLiteral("15.000"));

    select(w, 1);
    QVERIFY(!ui.chkEdit->isChecked());
    QCOMPARE(ui.txtName->text(), QStringLiteral("B"));
    QCOMPARE(w.items().entry(1).columns[ColQty], QString());
}

void TestEditing::stopListAndSmallCommands()
{
    TestPlatform p;
    MainWindow w(p.context);
    filled(w, {"A", "B"});
    MainWindowUi& ui = w.ui();

    select(w, 1);
    trigger(w, "mnuCopyName");
    QCOMPARE(p.clipboard.text(), QStringLiteral("B"));
    ui.txtTicker->setText(QStringLiteral("TCK"));
    ui.cmdQuickGo->click();
    QCOMPARE(w.state().selection.sSelName, QList<QString>{"B"});
    QCOMPARE(w.state().selection.sSelTicker, QList<QString>{"TCK"});

    for (const char* n : {"S0", "S1", "S2"}) {
        WatchEntry e;
        e.columns[ColName] = QString::fromLatin1(n);
        w.stopList().append(e);
    }
    ui.tabData->setTabIcon(3, entryIconImage(EntryIcon::Stop));
    ui.tabData->setCurrentIndex(3);
    ui.lstStop->setCurrentIndex(w.stopList().index(1, ColName));
    ui.cmdRemove->click();
    QCOMPARE(w.stopList().size(), 2);
    QCOMPARE(w.stopList().entry(1).name(), QStringLiteral("S2"));
    ui.cmdClear[1]->click();
    QCOMPARE(w.stopList().size(), 0);
    QVERIFY(ui.tabData->tabIcon(3).isNull());
    QCOMPARE(ui.tabData->currentIndex(), 0);
    ui.cmdRemove->click();

    ui.cmdClear[0]->click();
    QCOMPARE(w.items().size(), 0);
    QCOMPARE(w.currentRow(), -1);
    QVERIFY(!w.state().bListChanged);
    ui.cmdQuickGo->click();
    QCOMPARE(w.state().selection.sSelTicker, QList<QString>{"TCK"});
}

void TestEditing::buildSaveAndReload()
{
    TestPlatform p;
    QDir().mkpath(p.ticFolder());
    const QString path = p.ticFolder() + QStringLiteral("/built.tic");
    MainWindow w(p.context);
    QAbstractItemModelTester tester(&w.items(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    MainWindowUi& ui = w.ui();
    ui.txt_TickerFile->setText(path);

    const QStringList alpha = {"Alpha", "ALP", "ETR", "01.02.2024", "9", "EUR", "1500", "A1", "DE1"};
    QLineEdit* fields[] = {ui.txtName,     ui.txtTicker,   ui.txtPlace, ui.txtDate, ui.txtQuote,
                           ui.txtWaehrung, ui.txtQuantity, ui.txtWKN,   ui.txtISIN};
    for (int i = 0; i < alpha.size(); ++i)
        fields[i]->setText(alpha[i]);
    ui.cmdAdd->click();
    addEntry(w, QStringLiteral("Beta"));
    addEntry(w, QStringLiteral("Gamma"));
    QCOMPARE(w.items().highlightRow(), 2);
    QCOMPARE(w.state().iLastIndex, 3);

    w.items().setColumn(0, ColQuote, QStringLiteral("10")); // as a quote evaluation leaves it
    select(w, 0);
    ui.chkEdit->setChecked(true);
    ui.txtQuantity->clear();
    QTest::keyClicks(ui.txtQuantity, QStringLiteral("1500"));
    QCOMPARE(w.items().entry(0).styles[ColPlusMinus].colour, colour::DarkGreen);
    select(w, 1);
    trigger(w, "mnuMarkImportant");
    w.items().setData(w.items().index(2, ColName), Qt::Checked, Qt::CheckStateRole);
    select(w, 2);
    w.vPressMoveButton(MoveButton::ToTop);

    p.dialogs.queueAnswer(DialogAnswer::Yes);
    ui.cmdSaveList->click();
    QVERIFY(!w.state().bListChanged);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(),
             QByteArray("Gamma;;;;;True;;;;;;;;;;;0\r\n"
                        "Alpha;ALP;ETR;01.02.2024;9;False;10;;;;EUR;1.500;15.000;1.500;A1;DE1;0\r\n"
                        "Beta;;;;;False;;;;;;;;;;;-1\r\n"));

    MainWindow reloaded(p.context);
    reloaded.ui().txt_TickerFile->setText(path);
    reloaded.vLoadList();
    QCOMPARE(reloaded.items().size(), 3);
    for (int row = 0; row < 3; ++row) {
        const WatchEntry& a = w.items().entry(row);
        const WatchEntry& b = reloaded.items().entry(row);
        QCOMPARE(b.columns, a.columns);
        QCOMPARE(b.checked, a.checked);
        QCOMPARE(b.important, a.important);
    }
}

void TestEditing::enterAddsWhileTheFormHasFocus()
{
    TestPlatform p;
    MainWindow w(p.context);
    w.show();
    QTRY_VERIFY(!w.state().bFirstActivate);
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.ui().txtName->setFocus();
    QTRY_VERIFY(w.ui().cmdAdd->isDefault());
    QTest::keyClicks(w.ui().txtName, QStringLiteral("Z"));
    QTest::keyClick(w.ui().txtName, Qt::Key_Return);
    QCOMPARE(names(w), QStringList{"Z"});
    w.ui().lstItems->setFocus();
    QTRY_VERIFY(!w.ui().cmdAdd->isDefault());
    QTest::keyClick(w.ui().txtName, Qt::Key_Return);
    QCOMPARE(w.items().size(), 1);
}

QTEST_MAIN(TestEditing)
#include "tst_editing.moc"
