#include "shell/mainwindow.h"
#include "watchlist/tickerfile.h"
#include "watchlist/watchlistmodel.h"
#include "windowharness.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTreeView>

using namespace td;
using td::test::activate;
using td::test::TestPlatform;

namespace {

const QByteArray kTwoEntries = "Alpha;ALP;ETR;;;False;;;;;;;;;;;0\r\n"
                               "Beta;BET;NAS;;;True;;;;;;;;;;;-1\r\n";

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList names(MainWindow& w)
{
    QStringList out;
    for (const WatchEntry& e : w.items().entries())
        out << e.name();
    return out;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void firstStartWithEmptyStore();
    void defaultFileLoadsAtFirstActivation();
    void closeQuestion_data();
    void closeQuestion();
    void saveAsksBeforeCreating_data();
    void saveAsksBeforeCreating();
    void failedSaveKeepsChangesAndWindow();
    void folderScanFillsSwitchLists();
    void switchingListsLoadsTheChosenFile();
    void autoClearAndAutoCheck_data();
    void autoClearAndAutoCheck();
    void oddPathsAreReported_data();
    void oddPathsAreReported();
    void junkSettingsAreSurvived();
    void shutdownWritesTheIniFile();
};

void TestMainWindow::firstStartWithEmptyStore()
{
    TestPlatform p;
    MainWindow w(p.context);
    activate(w);
    QCOMPARE(w.pos(), QPoint(0, 0));
    QCOMPARE(w.ui().cboHis->currentText(), QStringLiteral("12 m."));
    QCOMPARE(w.state().iHistoryMonths, 12);
    QVERIFY(w.windowTitle().endsWith(
        QStringLiteral(" | ") +
        QLocale().toString(p.clock.time, QStringLiteral("dddd, dd. MMMM yyyy, hh:mm"))));
    QCOMPARE(w.items().size(), 0);
    QVERIFY(!w.ui().cmdLoadList->isEnabled());
    QVERIFY(!w.ui().cmdSaveList->isEnabled());
    QVERIFY(p.dialogs.shown.isEmpty());
}

void TestMainWindow::defaultFileLoadsAtFirstActivation()
{
    TestPlatform p;
    const QString path = p.writeFile(QStringLiteral("tic/default.tic"), kTwoEntries);
    MainWindow w(p.context);
    QCOMPARE(w.ui().txt_TickerFile->text(), path);
    QCOMPARE(w.items().size(), 0); // nothing before the first activation
    activate(w);
    QCOMPARE(names(w), (QStringList{"Alpha", "Beta"}));
    QVERIFY(!w.state().bListChanged);
    QCOMPARE(w.currentRow(), 0);
    QCOMPARE(w.state().selection.sSelTicker, QList<QString>{QStringLiteral("ALP")});
    QVERIFY(w.ui().but_ItemRunter->isEnabled());
    QVERIFY(!w.ui().but_ItemRauf->isEnabled());
    QCOMPARE(w.items().entry(1).ownColour(), colour::Purple);
}

void TestMainWindow::closeQuestion_data()
{
    QTest::addColumn<DialogAnswer>("answer");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("saved");
    QTest::newRow("yes saves and closes") << DialogAnswer::Yes << true << true;
    QTest::newRow("no closes without saving") << DialogAnswer::No << true << false;
    QTest::newRow("cancel keeps the window") << DialogAnswer::Cancel << false << false;
}

void TestMainWindow::closeQuestion()
{
    QFETCH(DialogAnswer, answer);
    TestPlatform p;
    const QString path = p.writeFile(QStringLiteral("tic/default.tic"), kTwoEntries);
    MainWindow w(p.context);
    activate(w);
    // Ticking an entry in the view is a change of the list.
    QVERIFY(w.items().setData(w.items().index(0, 0), Qt::Checked, Qt::CheckStateRole));
    QVERIFY(w.state().bListChanged);
    p.dialogs.queueAnswer(answer);
    const bool closed = w.close();
    QTEST(closed, "closed");
    QCOMPARE(p.dialogs.shown.size(), 1);
    QCOMPARE(p.dialogs.shown[0].buttons, DialogButtons::YesNoCancel);
    QCOMPARE(p.dialogs.shown[0].text,
             QStringLiteral("Änderungen sind an der aktuellen Ansicht vorgenommen worden.\r\n"
                            "Sollen diese Änderungen in der Datei '") +
                 path + QStringLiteral("' gespeichert werden?"));
    QFETCH(bool, saved);
    QCOMPARE(readAll(path).startsWith("Alpha;ALP;ETR;;;True;"), saved);
    QCOMPARE(w.items().size(), 2);
}

void TestMainWindow::saveAsksBeforeCreating_data()
{
    QTest::addColumn<DialogAnswer>("answer");
    QTest::addColumn<bool>("created");
    QTest::newRow("yes") << DialogAnswer::Yes << true;
    QTest::newRow("no") << DialogAnswer::No << false;
}

void TestMainWindow::saveAsksBeforeCreating()
{
    QFETCH(DialogAnswer, answer);
    QFETCH(bool, created);
    TestPlatform p;
    MainWindow w(p.context);
    activate(w);
    w.items().append(parseTickerLine(QStringLiteral("Neu;NEU;ETR"), false));
    w.state().bListChanged = true;
    QDir().mkpath(p.ticFolder());
    const QString path = p.ticFolder() + QStringLiteral("/new.tic");
    w.ui().txt_TickerFile->setText(QStringLiteral("  ") + path + QStringLiteral(" "));
    p.dialogs.queueAnswer(answer);
    w.ui().cmdSaveList->click();
    QCOMPARE(p.dialogs.shown.size(), 1);
    QCOMPARE(p.dialogs.shown[0].text, QStringLiteral("Die Datei\r\n   ") + path +
                                          QStringLiteral("   \r\nexistiert nicht. Datei anlegen?"));
    QCOMPARE(p.dialogs.shown[0].buttons, DialogButtons::YesNo);
    QCOMPARE(QFile::exists(path), created);
    QCOMPARE(w.state().bListChanged, !created);
    if (created)
        QCOMPARE(readAll(path), QByteArray("Neu;NEU;ETR;;;False;;;;;;;;;;;0\r\n"));
}

void TestMainWindow::failedSaveKeepsChangesAndWindow()
{
    TestPlatform p;
    const QString folder = p.programDir.path() + QStringLiteral("/tic/afolder.tic");
    QDir().mkpath(folder);
    MainWindow w(p.context);
    activate(w);
    w.ui().txt_TickerFile->setText(folder);
    w.items().append(parseTickerLine(QStringLiteral("X"), false));
    w.state().bListChanged = true;
    p.dialogs.queueAnswer(DialogAnswer::Yes);
    QVERIFY(!w.close());
    QCOMPARE(p.dialogs.shown.size(), 2);
    QVERIFY(p.dialogs.shown[1].text.startsWith(QStringLiteral("Die Datei\r\n   ") + folder));
    QVERIFY(p.dialogs.shown[1].text.contains(QStringLiteral("konnte nicht gespeichert werden")));
    QVERIFY(w.state().bListChanged);
    QVERIFY(w.isVisible());
}

void TestMainWindow::folderScanFillsSwitchLists()
{
    TestPlatform p;
    p.writeFile(QStringLiteral("tic/alpha.tic"), kTwoEntries);
    const QString beta = p.writeFile(QStringLiteral("tic/Beta.TIC"), kTwoEntries);
    p.writeFile(QStringLiteral("tic/notes.txt"), "x");
    p.writeFile(QStringLiteral("tic/old.tic.bak"), "x");
    p.settings.write(QStringLiteral("TickerFile"), beta);
    MainWindow w(p.context);
    QComboBox* names = w.ui().cboSwitchTICList;
    QComboBox* paths = w.ui().cboSwitchTICListPath;
    QCOMPARE(names->count(), 3);
    QCOMPARE(names->itemText(0), QStringLiteral("select tic-file"));
    QCOMPARE(names->itemText(1), QStringLiteral("alpha"));
    QCOMPARE(names->itemText(2), QStringLiteral("Beta"));
    QCOMPARE(paths->itemText(2), beta);
    QCOMPARE(names->currentIndex(), 0);
    const auto items = w.ui().mnuTIC->actions();
    QCOMPARE(items.size(), 2);
    QVERIFY(!items[0]->isChecked());
    QVERIFY(items[1]->isChecked());
    QCOMPARE(items[1]->data().toString(), beta);
}

void TestMainWindow::switchingListsLoadsTheChosenFile()
{
    TestPlatform p;
    p.writeFile(QStringLiteral("tic/alpha.tic"), "A1\r\n");
    const QString beta = p.writeFile(QStringLiteral("tic/beta.tic"), "B1\r\nB2\r\n");
    MainWindow w(p.context);
    activate(w);
    Q_EMIT w.ui().cboSwitchTICList->activated(0); // "select tic-file" does nothing
    QCOMPARE(w.items().size(), 0);
    Q_EMIT w.ui().cboSwitchTICList->activated(2);
    QCOMPARE(w.ui().txt_TickerFile->text(), beta);
    QCOMPARE(names(w), (QStringList{"B1", "B2"}));
    const auto items = w.ui().mnuTIC->actions();
    items[0]->setChecked(false);
    items[1]->setChecked(true);
    items[0]->trigger();
    QCOMPARE(names(w), QStringList{"A1"});
    QVERIFY(items[0]->isChecked());
    QVERIFY(!items[1]->isChecked());
}

void TestMainWindow::autoClearAndAutoCheck_data()
{
    QTest::addColumn<QString>("autoClear");
    QTest::addColumn<QString>("autoCheck");
    QTest::addColumn<int>("countAfterSecondLoad");
    QTest::addColumn<bool>("firstChecked");
    QTest::newRow("clear, no check") << "1"
                                     << "0" << 2 << false;
    QTest::newRow("append, check") << "0"
                                   << "1" << 4 << true;
}

void TestMainWindow::autoClearAndAutoCheck()
{
    QFETCH(QString, autoClear);
    QFETCH(QString, autoCheck);
    TestPlatform p;
    p.writeFile(QStringLiteral("tic/default.tic"), kTwoEntries);
    p.settings.write(QStringLiteral("AutoClear"), autoClear);
    p.settings.write(QStringLiteral("AutoCheck"), autoCheck);
    MainWindow w(p.context);
    activate(w);
    w.ui().cmdLoadList->click();
    QTEST(w.items().size(), "countAfterSecondLoad");
    QTEST(w.items().entry(0).checked, "firstChecked");
    QVERIFY(w.items().entry(1).checked); // field 6 says True
    // Appended to the shown entries, the list is no longer its file.
    QCOMPARE(w.state().bListChanged, autoClear == u"0");
}

void TestMainWindow::oddPathsAreReported_data()
{
    QTest::addColumn<QString>("path"); // "@" stands for the program directory
    QTest::addColumn<QString>("message");
    QTest::newRow("missing") << "@/tic/gone.tic"
                             << "Die Datei\r\n   @/tic/gone.tic   \r\nwurde nicht gefunden.";
    QTest::newRow("a folder") << "@/tic"
                              << "wurde nicht gefunden.";
    QTest::newRow("an empty file") << "@/tic/empty.tic"
                                   << "";
    // Reading a process's own memory from its start fails, as root too.
    QTest::newRow("unreadable") << "/proc/self/mem"
                                << "konnte nicht vollständig gelesen werden";
}

void TestMainWindow::oddPathsAreReported()
{
    QFETCH(QString, path);
    QFETCH(QString, message);
    TestPlatform p;
    p.writeFile(QStringLiteral("tic/empty.tic"), QByteArray());
    path.replace(u'@', p.programDir.path());
    message.replace(u'@', p.programDir.path());
    p.settings.write(QStringLiteral("TickerFile"), path);
    MainWindow w(p.context);
    activate(w);
    QCOMPARE(w.items().size(), 0);
    QCOMPARE(p.dialogs.shown.size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty())
        QVERIFY2(p.dialogs.shown[0].text.contains(message), qPrintable(p.dialogs.shown[0].text));
    // A list that could not be read whole is never written back silently.
    QVERIFY(w.close());
    if (path.endsWith(u"empty.tic"))
        QCOMPARE(QFileInfo(path).size(), 0);
}

void TestMainWindow::junkSettingsAreSurvived()
{
    TestPlatform p;
    p.settings.write(QStringLiteral("main_left"), QStringLiteral("abc"));
    p.settings.write(QStringLiteral("main_top"), QStringLiteral("-999999"));
    p.settings.write(QStringLiteral("LstItemsBackcolor"), QStringLiteral("zz00gg"));
    p.settings.write(QStringLiteral("History"), QStringLiteral("x"));
    p.settings.write(QStringLiteral("RealTimeRefresh"), QStringLiteral("soon"));
    MainWindow w(p.context);
    activate(w);
    QCOMPARE(w.pos(), QPoint(0, 0)); // off every screen: back to the corner
    QCOMPARE(w.ui().lstItems->palette().color(QPalette::Base), QColor(Qt::white));
    QCOMPARE(w.ui().cboHis->currentIndex(), 3);
    QCOMPARE(w.ui().txtLstItemsBackcolor->text(), QStringLiteral("zz00gg"));
    w.ui().txtLstItemsBackcolor->setText(QStringLiteral("ff0000"));
    QCOMPARE(w.ui().lstItems->palette().color(QPalette::Base), QColor(Qt::blue));
}

void TestMainWindow::shutdownWritesTheIniFile()
{
    IniSettingsStore settings(kMainSection);
    const QString file = settings.fileName();
    QVERIFY2(file.contains(QStringLiteral("/tests/config/")), qPrintable(file)); // never the user's own
    QFile::remove(file);
    // The resources list has no entries yet: its stored choice stands.
    settings.write(QStringLiteral("Benefits"), QStringLiteral("3"));
    TestPlatform p;
    PlatformContext context{settings, p.hosts, p.dialogs,           p.clipboard,  p.processes,
                            p.clock,  p.panes, p.programDir.path(), p.downloader, p.urls};
    {
        MainWindow w(context);
        activate(w);
        w.ui().chkAutoCheck->setChecked(true);
        QVERIFY(w.close());
    }
    settings.sync();
    QSettings ini(file, QSettings::IniFormat);
    QCOMPARE(ini.value(QStringLiteral("TdCk/AutoCheck")).toString(), QStringLiteral("1"));
    QCOMPARE(ini.value(QStringLiteral("TdCk/History")).toString(), QStringLiteral("3"));
    QCOMPARE(ini.value(QStringLiteral("TdCk/EnhanceListbox")).toString(), QStringLiteral("SMALL"));
    QCOMPARE(ini.value(QStringLiteral("TdCk/main_left")).toString(), QStringLiteral("0"));
    QCOMPARE(ini.value(QStringLiteral("TdCk/Benefits")).toString(), QStringLiteral("3"));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
