#include "platform/twips.h"
#include "shell/mainwindow.h"
#include "sidewindows/infodisplay.h"
#include "sidewindows/listcolumns.h"
#include "watchlist/tickerfile.h"
#include "watchlist/watchlistmodel.h"
#include "windowharness.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QAccessible>
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
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTest>
#include <QTreeView>

#include <unistd.h>

using namespace td;
using td::test::activate;
using td::test::TestPlatform;

namespace {

const QByteArray kTwoEntries = "Alpha;ALP;ETR;;;False;;;;;;;;;;;0\r\n"
                               "Beta;BET;NAS;;;True;;;;;;;;;;;-1\r\n";
const QByteArray kAlphaTicked = "Alpha;ALP;ETR;;;True;";
const QByteArray kNoFile; // null: no default.tic at all

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

QStringList names(MainWindow& w)
{
    QStringList out;
    for (const WatchEntry& e : w.items().entries())
        out << e.name();
    return out;
}

// The list file is written only where and when the user means it.
QString closeQuestion(const QString& path)
{
    return QStringLiteral("Änderungen sind an der aktuellen Ansicht vorgenommen worden.\r\n"
                          "Sollen diese Änderungen in der Datei '") +
           path + QStringLiteral("' gespeichert werden?");
}

// An activated window showing tic/default.tic, unless the list is null; settings are "key=value".
struct Started
{
    explicit Started(const QByteArray& list = kTwoEntries, const QStringList& settings = {})
        : path(prepare(list, settings))
    {
        activate(w);
    }
    QString prepare(const QByteArray& list, const QStringList& settings)
    {
        p.settings.write(QStringLiteral("AutoClear"), QStringLiteral("1"));
        for (const QString& s : settings)
            p.settings.write(s.section(u'=', 0, 0), s.section(u'=', 1));
        return list.isNull() ? QString() : p.writeFile(QStringLiteral("tic/default.tic"), list);
    }
    template <typename T = QPushButton> T* find(const char* name)
    {
        return w.findChild<T*>(QLatin1String(name));
    }
    QLineEdit* pathBox() { return find<QLineEdit>("txt_TickerFile"); }
    void tickFirst() { w.items().setData(w.items().index(0, 0), Qt::Checked, Qt::CheckStateRole); }

    TestPlatform p;
    QString path;
    MainWindow w{p.context};
};

// Root writes wherever it likes: a read-only folder is tried as nobody.
struct AsNobody
{
    explicit AsNobody(const QString& programDir)
    {
        if (!root)
            return;
        QFile::setPermissions(programDir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                              QFile::ReadOther | QFile::ExeOther);
        if (setegid(65534) != 0 || seteuid(65534) != 0)
            qFatal("cannot act as nobody");
    }
    ~AsNobody()
    {
        if (root && (seteuid(0) != 0 || setegid(0) != 0))
            qFatal("cannot return to root");
    }
    const bool root = geteuid() == 0;
};

const QByteArray kList = "Alpha;ALP;ETR;01.02.2024;12,50;True;;;;;;10;;;;;0\r\n"
                         "Beta;BET;NAS;;;True;;;;;;;;;;;0\r\n";

enum class Effect
{
    Saved,
    FileChosen,
    Refreshed,
    Deleted,
    Nothing,
    CloseAsked
};

// The parts of a control (a list's scroll bars, a combo box's popup) are
// named with the control.
bool isPartOfControl(const QWidget* widget, const QWidget* root)
{
    for (const QWidget* up = widget->parentWidget(); up && up != root; up = up->parentWidget()) {
        if (qobject_cast<const QAbstractScrollArea*>(up) || qobject_cast<const QComboBox*>(up) ||
            qobject_cast<const QAbstractSpinBox*>(up))
            return true;
    }
    return false;
}

QStringList unnamed(QWidget* root)
{
    QStringList missing;
    const QList<QWidget*> all = root->findChildren<QWidget*>();
    for (QWidget* widget : all) {
        if (widget->isWindow() || isPartOfControl(widget, root))
            continue;
        const bool clickable =
            qobject_cast<QAbstractButton*>(widget) || widget->cursor().shape() == Qt::PointingHandCursor;
        if (widget->focusPolicy() == Qt::NoFocus && !clickable)
            continue;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
        // A drop-down names itself by its current item; its own name counts too.
        if ((!face || face->text(QAccessible::Name).trimmed().isEmpty()) &&
            widget->accessibleName().isEmpty())
            missing << widget->objectName() + u'(' + QString::fromLatin1(widget->metaObject()->className()) +
                           u')';
    }
    return missing;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void startUp_data()
    {
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<QString>("colourText");
        QTest::newRow("empty store") << QStringList() << "ffffff";
        // main_top is off every screen: back to the corner.
        QTest::newRow("junk settings")
            << QStringList{"main_left=abc", "main_top=-999999", "LstItemsBackcolor=zz00gg", "History=x",
                           "RealTimeRefresh=soon"}
            << "zz00gg";
    }
    void startUp()
    {
        QFETCH(QStringList, settings);
        Started s(kNoFile, settings);
        QCOMPARE(s.w.pos(), QPoint(0, 0));
        QCOMPARE(s.w.ui().cboHis->currentText(), QStringLiteral("12 m."));
        QCOMPARE(s.w.state().iHistoryMonths, 12);
        QVERIFY(s.w.windowTitle().endsWith(
            QStringLiteral(" | ") +
            QLocale().toString(s.p.clock.time, QStringLiteral("dddd, dd. MMMM yyyy, hh:mm"))));
        QCOMPARE(s.w.items().size(), 0);
        QVERIFY(!s.w.ui().cmdLoadList->isEnabled());
        QVERIFY(!s.w.ui().cmdSaveList->isEnabled());
        QVERIFY(s.p.dialogs.shown.isEmpty());
        QCOMPARE(s.w.ui().lstItems->palette().color(QPalette::Base), QColor(Qt::white));
        QTEST(s.w.ui().txtLstItemsBackcolor->text(), "colourText");
        s.w.ui().txtLstItemsBackcolor->setText(QStringLiteral("ff0000"));
        QCOMPARE(s.w.ui().lstItems->palette().color(QPalette::Base), QColor(Qt::blue));
    }
    void defaultFileLoadsAtFirstActivation()
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
    void saveAsksBeforeCreating_data()
    {
        QTest::addColumn<DialogAnswer>("answer");
        QTest::addColumn<bool>("created");
        QTest::newRow("yes") << DialogAnswer::Yes << true;
        QTest::newRow("no") << DialogAnswer::No << false;
    }
    void saveAsksBeforeCreating()
    {
        QFETCH(DialogAnswer, answer);
        QFETCH(bool, created);
        Started s(kNoFile);
        s.w.items().append(parseTickerLine(QStringLiteral("Neu;NEU;ETR"), false));
        s.w.state().bListChanged = true;
        QDir().mkpath(s.p.ticFolder());
        const QString path = s.p.ticFolder() + QStringLiteral("/new.tic");
        s.w.ui().txt_TickerFile->setText(QStringLiteral("  ") + path + QStringLiteral(" "));
        s.p.dialogs.queueAnswer(answer);
        s.w.ui().cmdSaveList->click();
        QCOMPARE(s.p.dialogs.shown.size(), 1);
        QCOMPARE(s.p.dialogs.shown[0].text, QStringLiteral("Die Datei\r\n   ") + path +
                                                QStringLiteral("   \r\nexistiert nicht. Datei anlegen?"));
        QCOMPARE(s.p.dialogs.shown[0].buttons, DialogButtons::YesNo);
        QCOMPARE(QFile::exists(path), created);
        QCOMPARE(s.w.state().bListChanged, !created);
        if (created)
            QCOMPARE(readAll(path), QByteArray("Neu;NEU;ETR;;;False;;;;;;;;;;;0\r\n"));
    }
    void failedSaveKeepsChangesAndWindow()
    {
        Started s(kNoFile);
        const QString folder = s.p.programDir.path() + QStringLiteral("/tic/afolder.tic");
        QDir().mkpath(folder);
        s.w.ui().txt_TickerFile->setText(folder);
        s.w.items().append(parseTickerLine(QStringLiteral("X"), false));
        s.w.state().bListChanged = true;
        s.p.dialogs.queueAnswer(DialogAnswer::Yes);
        QVERIFY(!s.w.close());
        QCOMPARE(s.p.dialogs.shown.size(), 2);
        QVERIFY(s.p.dialogs.shown[1].text.startsWith(QStringLiteral("Die Datei\r\n   ") + folder));
        QVERIFY(s.p.dialogs.shown[1].text.contains(QStringLiteral("konnte nicht gespeichert werden")));
        QVERIFY(s.w.state().bListChanged);
        QVERIFY(s.w.isVisible());
    }
    void folderScanFillsSwitchLists()
    {
        TestPlatform p;
        const QString alpha = p.writeFile(QStringLiteral("tic/alpha.tic"), "A1\r\n");
        const QString beta = p.writeFile(QStringLiteral("tic/Beta.TIC"), "B1\r\nB2\r\n");
        p.writeFile(QStringLiteral("tic/notes.txt"), "x");
        p.writeFile(QStringLiteral("tic/old.tic.bak"), "x");
        p.settings.write(QStringLiteral("TickerFile"), beta);
        MainWindow w(p.context);
        QComboBox* combo = w.ui().cboSwitchTICList;
        QCOMPARE(combo->count(), 3);
        QCOMPARE(combo->itemText(0), QStringLiteral("select tic-file"));
        QCOMPARE(combo->itemText(1), QStringLiteral("alpha"));
        QCOMPARE(combo->itemText(2), QStringLiteral("Beta"));
        QCOMPARE(w.ui().cboSwitchTICListPath->itemText(2), beta);
        QCOMPARE(combo->currentIndex(), 0);
        const auto items = w.ui().mnuTIC->actions();
        QCOMPARE(items.size(), 2);
        QVERIFY(!items[0]->isChecked());
        QVERIFY(items[1]->isChecked());
        QCOMPARE(items[1]->data().toString(), beta);
        // Switching loads the chosen file; "select tic-file" does nothing.
        activate(w);
        Q_EMIT combo->activated(0);
        QCOMPARE(names(w), (QStringList{"B1", "B2"}));
        Q_EMIT combo->activated(1);
        QCOMPARE(w.ui().txt_TickerFile->text(), alpha);
        QCOMPARE(names(w), QStringList{"A1"});
        items[0]->setChecked(true);
        items[1]->setChecked(false);
        items[1]->trigger();
        QCOMPARE(names(w), (QStringList{"B1", "B2"}));
        QVERIFY(!items[0]->isChecked());
        QVERIFY(items[1]->isChecked());
    }
    void autoClearAndAutoCheck_data()
    {
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<int>("countAfterSecondLoad");
        QTest::addColumn<bool>("firstChecked");
        QTest::newRow("clear, no check") << QStringList{"AutoClear=1", "AutoCheck=0"} << 2 << false;
        QTest::newRow("append, check") << QStringList{"AutoClear=0", "AutoCheck=1"} << 4 << true;
    }
    void autoClearAndAutoCheck()
    {
        QFETCH(QStringList, settings);
        Started s(kTwoEntries, settings);
        s.w.ui().cmdLoadList->click();
        QTEST(s.w.items().size(), "countAfterSecondLoad");
        QTEST(s.w.items().entry(0).checked, "firstChecked");
        QVERIFY(s.w.items().entry(1).checked); // field 6 says True
        // Appended to the shown entries, the list is no longer its file.
        QCOMPARE(s.w.state().bListChanged, settings.contains(QStringLiteral("AutoClear=0")));
    }
    void oddPathsAreReported_data()
    {
        QTest::addColumn<QString>("path"); // "@" stands for the program directory
        QTest::addColumn<QString>("message");
        const auto row = [](const char* tag, const char* path, const char* message) {
            QTest::newRow(tag) << path << message;
        };
        row("missing", "@/tic/gone.tic", "Die Datei\r\n   @/tic/gone.tic   \r\nwurde nicht gefunden.");
        row("a folder", "@/tic", "wurde nicht gefunden.");
        row("an empty file", "@/tic/empty.tic", "");
        // Reading a process's own memory from its start fails, as root too.
        row("unreadable", "/proc/self/mem", "konnte nicht vollständig gelesen werden");
    }
    void oddPathsAreReported()
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
    void shutdownWritesTheIniFile()
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
    void closeAsksInsteadOfWriting_data()
    {
        QTest::addColumn<QString>("edit"); // tick the first entry, clear the list, or type another path
        QTest::addColumn<DialogAnswer>("answer");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<QByteArray>("written");
        const QByteArray ticked = QByteArray(kTwoEntries).replace("False", "True");
        QTest::newRow("tick, yes") << "tick" << DialogAnswer::Yes << true << ticked;
        QTest::newRow("tick, no") << "tick" << DialogAnswer::No << true << kTwoEntries;
        QTest::newRow("tick, cancel") << "tick" << DialogAnswer::Cancel << false << kTwoEntries;
        QTest::newRow("clear list, no") << "clear" << DialogAnswer::No << true << kTwoEntries;
        QTest::newRow("clear list, yes") << "clear" << DialogAnswer::Yes << true << QByteArray();
        QTest::newRow("typed path, no") << "path" << DialogAnswer::No << true << QByteArray("Other\r\n");
        QTest::newRow("typed path, yes") << "path" << DialogAnswer::Yes << true << kTwoEntries;
    }
    void closeAsksInsteadOfWriting()
    {
        QFETCH(QString, edit);
        QFETCH(DialogAnswer, answer);
        Started s;
        const QString other = s.p.writeFile(QStringLiteral("tic/other.tic"), "Other\r\n");
        if (edit == u"tick")
            s.tickFirst();
        else if (edit == u"clear")
            s.find("cmdClear_0")->click();
        else
            s.pathBox()->setText(other);
        s.p.dialogs.queueAnswer(answer);
        QTEST(s.w.close(), "closed");
        const QString named = edit == u"path" ? other : s.path;
        QCOMPARE(s.p.dialogs.shown.size(), 1);
        QCOMPARE(s.p.dialogs.shown[0].text, closeQuestion(named));
        QCOMPARE(s.p.dialogs.shown[0].buttons, DialogButtons::YesNoCancel);
        QTEST(readAll(named), "written");
        QCOMPARE(readAll(s.path), edit == u"path" ? kTwoEntries : readAll(named));
    }
    void switchWithUnsavedEdits_data()
    {
        QTest::addColumn<DialogAnswer>("answer");
        QTest::newRow("yes saves, then switches") << DialogAnswer::Yes;
        QTest::newRow("no discards, then switches") << DialogAnswer::No;
        QTest::newRow("cancel keeps the list") << DialogAnswer::Cancel;
    }
    void switchWithUnsavedEdits()
    {
        QFETCH(DialogAnswer, answer);
        Started s;
        const QString beta = s.p.writeFile(QStringLiteral("tic/beta.tic"), "B1\r\n");
        s.w.vScanTicFolder();
        s.tickFirst();
        s.p.dialogs.queueAnswer(answer);
        Q_EMIT s.find<QComboBox>("cboSwitchTICList")->activated(1); // beta
        QCOMPARE(s.p.dialogs.shown.size(), 1);
        QCOMPARE(s.p.dialogs.shown[0].text, closeQuestion(s.path));
        const bool cancelled = answer == DialogAnswer::Cancel;
        QCOMPARE(readAll(s.path).startsWith(kAlphaTicked), answer == DialogAnswer::Yes);
        QCOMPARE(s.w.items().size(), cancelled ? 2 : 1);
        QCOMPARE(s.pathBox()->text(), cancelled ? s.path : beta);
        QCOMPARE(s.w.state().bListChanged, cancelled);
    }
    void partList_data()
    {
        QTest::addColumn<bool>("edited");
        QTest::addColumn<DialogAnswer>("answer"); // to "lines would be lost"
        QTest::newRow("unchanged: closes without writing") << false << DialogAnswer::Ok;
        QTest::newRow("edited, yes writes the part") << true << DialogAnswer::Yes;
        QTest::newRow("edited, no keeps the file") << true << DialogAnswer::No;
    }
    void partList()
    {
        QFETCH(bool, edited);
        QFETCH(DialogAnswer, answer);
        QByteArray file;
        for (int i = 0; i < kMaxEntries + 3; ++i)
            file += "E" + QByteArray::number(i) + "\r\n";
        Started s(file);
        QCOMPARE(s.w.items().size(), kMaxEntries);
        QVERIFY(s.p.dialogs.shown.value(0).text.contains(QStringLiteral("3 Zeilen wurden nicht geladen.")));
        if (edited)
            s.tickFirst();
        s.p.dialogs.queueAnswer(DialogAnswer::Yes); // the close question
        s.p.dialogs.queueAnswer(answer);
        QVERIFY(s.w.close());
        QCOMPARE(s.p.dialogs.shown.size(), edited ? 3 : 1);
        if (edited)
            QVERIFY(s.p.dialogs.shown[2].text.contains(QStringLiteral("3 Zeilen der Datei")));
        QCOMPARE(readAll(s.path).count("\r\n"), answer == DialogAnswer::Yes ? kMaxEntries : kMaxEntries + 3);
    }
    void readOnlyFolder_data()
    {
        QTest::addColumn<bool>("writableFile");
        QTest::newRow("writable file: save writes it") << true;
        QTest::newRow("read-only unchanged file: close is quiet") << false;
    }
    void readOnlyFolder()
    {
        QFETCH(bool, writableFile);
        Started s;
        const auto readable = QFile::ReadOwner | QFile::ReadOther;
        const auto folder = readable | QFile::ExeOwner | QFile::ExeOther;
        QFile::setPermissions(s.path,
                              writableFile ? readable | QFile::WriteOwner | QFile::WriteOther : readable);
        QFile::setPermissions(s.p.ticFolder(), folder);
        {
            AsNobody nobody(s.p.programDir.path());
            if (writableFile) {
                s.tickFirst();
                s.find("cmdSaveList")->click();
            } else {
                s.w.close();
            }
        }
        QFile::setPermissions(s.p.ticFolder(), folder | QFile::WriteOwner);
        for (const MessageRequest& box : std::as_const(s.p.dialogs.shown))
            QFAIL(qPrintable(box.text));
        QVERIFY(!s.w.isVisible() || writableFile);
        QCOMPARE(readAll(s.path).startsWith(kAlphaTicked), writableFile);
    }
    void closeWithoutPathAsksForAFile_data()
    {
        QTest::addColumn<bool>("chosen");
        QTest::newRow("a file chosen: saved there") << true;
        QTest::newRow("dialog cancelled: window stays") << false;
    }
    void closeWithoutPathAsksForAFile()
    {
        QFETCH(bool, chosen);
        Started s(kNoFile);
        s.w.items().append(parseTickerLine(QStringLiteral("Neu;NEU;ETR"), false));
        s.w.state().bListChanged = true;
        const QString target = s.p.programDir.filePath(QStringLiteral("saved.tic"));
        s.p.dialogs.queueAnswer(DialogAnswer::Yes);
        s.p.dialogs.queueOpenFile(chosen ? std::optional<QString>(target) : std::nullopt); // the save dialog
        QCOMPARE(s.w.close(), chosen);
        QCOMPARE(s.p.dialogs.fileDialogs.size(), 1);
        QCOMPARE(readAll(target), chosen ? QByteArray("Neu;NEU;ETR;;;False;;;;;;;;;;;0\r\n") : "(missing)");
        QCOMPARE(s.pathBox()->text(), chosen ? target : QString());
    }
    void loadLeavesNoStaleEntry_data()
    {
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<QString>("file"); // below tic/
        QTest::addColumn<int>("entries");
        QTest::newRow("an empty file") << QStringList{"AutoClear=1"} << "empty.tic" << 0;
        QTest::newRow("a missing file, list kept") << QStringList{"AutoClear=0"} << "gone.tic" << 2;
    }
    void loadLeavesNoStaleEntry()
    {
        QFETCH(QStringList, settings);
        QFETCH(QString, file);
        Started s(kTwoEntries, settings);
        s.p.writeFile(QStringLiteral("tic/empty.tic"), QByteArray());
        s.pathBox()->setText(s.p.ticFolder() + u'/' + file);
        s.find("cmdLoadList")->click();
        QTEST(s.w.items().size(), "entries");
        QCOMPARE(s.w.currentRow(), -1);
        QCOMPARE(s.w.state().selection.sSelTicker, QList<QString>{QString()});
        QVERIFY(!s.find("but_ItemRunter")->isEnabled());
        const QString shown = s.p.panes.recording(QStringLiteral("wbrRealTimeQuote"))->addresses.last();
        QVERIFY2(!shown.contains(QStringLiteral("ALP")), qPrintable(shown));
    }
    void numberBoxesRefuseLetters_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("fallback");
        const auto row = [](const char* box, const char* key, const char* fallback) {
            QTest::newRow(box) << box << key << fallback;
        };
        row("txtMaxMinChange", "MaxMinChange", "20");
        row("txtRealTimeRefresh", "RealTimeRefresh", "60000");
        row("txt_ShowAllQuotesHintergrund", "ShowAllQuotesSilent", "20000");
        row("txtAutoReload", "AutoReload", "60000");
    }
    void numberBoxesRefuseLetters()
    {
        QFETCH(QString, box);
        QFETCH(QString, key);
        QFETCH(QString, fallback);
        Started s(kNoFile, {key + QStringLiteral("=abc")});
        auto* edit = s.w.findChild<QLineEdit*>(box);
        QCOMPARE(edit->text(), fallback);
        QTest::keyClicks(edit, QStringLiteral("x-"));
        QCOMPARE(edit->text(), fallback);
        QVERIFY(s.w.close());
        QCOMPARE(s.p.settings.read(key, QString()), fallback);
    }
    void shortcuts_data()
    {
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("button"); // whose tool tip names the keys
        QTest::addColumn<Effect>("effect");
        const auto row = [](const char* keys, const char* focus, const char* button, Effect effect) {
            QTest::addRow("%s in %s", keys, focus)
                << QKeySequence(QLatin1String(keys)) << focus << button << effect;
        };
        row("Ctrl+S", "lstItems", "cmdSaveList", Effect::Saved);
        row("Ctrl+O", "lstItems", "cmdTickerFile", Effect::FileChosen);
        row("F5", "txtName", "cmdRefresh", Effect::Refreshed);
        row("Del", "lstItems", "cmdDelete", Effect::Deleted);
        row("Del", "txtName", "cmdDelete", Effect::Nothing);
        row("Ctrl+Q", "lstItems", "but_Exit", Effect::CloseAsked);
    }
    void shortcuts()
    {
        QFETCH(QKeySequence, keys);
        QFETCH(QString, focus);
        QFETCH(QString, button);
        QFETCH(Effect, effect);
        Started s(kList);
        QVERIFY(
            s.w.findChild<QPushButton*>(button)->toolTip().contains(keys.toString(QKeySequence::NativeText)));
        s.w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&s.w));
        QWidget* target = s.w.findChild<QWidget*>(focus);
        target->setFocus();
        s.w.items().setChecked(1, false); // a change to save
        s.w.state().bListChanged = true;
        const int charts = s.p.panes.recording(QStringLiteral("wbrRealTimeChart"))->addresses.size();
        s.p.dialogs.queueAnswer(DialogAnswer::Cancel);
        QTest::keyClick(target, keys[0].key(), keys[0].keyboardModifiers());
        QCOMPARE(readAll(s.path) != kList, effect == Effect::Saved);
        QCOMPARE(s.p.dialogs.fileDialogs.size(), effect == Effect::FileChosen ? 1 : 0);
        QCOMPARE(s.p.panes.recording(QStringLiteral("wbrRealTimeChart"))->addresses.size() > charts,
                 effect == Effect::Refreshed);
        QCOMPARE(s.w.items().size(), effect == Effect::Deleted ? 1 : 2);
        QCOMPARE(s.p.dialogs.shown.size(), effect == Effect::CloseAsked ? 1 : 0);
        QVERIFY(s.w.isVisible()); // the question was cancelled
    }
    void everyControlHasAName()
    {
        Started s(kList);
        s.w.ui().fraEinstellungen->show();
        QStringList missing = unnamed(&s.w);
        s.w.ui().chkShowToolTip->setChecked(true);
        s.w.ui().lstItems->setCurrentIndex(s.w.items().index(0, 0));
        s.w.infoDisplay().onItemClick(Qt::LeftButton, {});
        QWidget* info = s.w.infoDisplay().infoWindow();
        QVERIFY(info);
        missing << unnamed(info);
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u' ')));
    }
    void controlsStayInsideTheWindow_data()
    {
        QTest::addColumn<QString>("button"); // pressed first
        QTest::newRow("narrow list") << QString();
        QTest::newRow("wide list") << "cmdEnhanceListbox";
        QTest::newRow("options panel") << "cmdOptions";
        QTest::newRow("mobile mode") << "chkMobile_0";
    }
    void controlsStayInsideTheWindow()
    {
        QFETCH(QString, button);
        Started s(kList);
        MainWindow& w = s.w;
        // The widest figures and amounts the list shows, in bold as a fresh quote is.
        for (int c = 0; c < ColumnCount; ++c) {
            if (!isFigureColumn(c))
                continue;
            w.items().setColumn(0, c,
                                isAmountColumn(c) ? QStringLiteral("-10.000,00") : QStringLiteral("-100,00"));
        }
        WatchEntry bold = w.items().entry(0);
        for (auto& style : bold.styles)
            style.bold = true;
        w.items().replace(0, bold);
        if (!button.isEmpty())
            td::test::control<QAbstractButton>(w, button).click();
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        QCOMPARE(w.width(), twipsToPx(15260));
        QCOMPARE(w.height(), twipsToPx(MainWindow::kMinHeightTwips));
        QStringList outside;
        const QList<QWidget*> all = w.findChildren<QWidget*>();
        for (QWidget* child : all) {
            if (child->isWindow() || !child->isVisibleTo(&w))
                continue;
            const QRect at(child->mapTo(&w, QPoint(0, 0)), child->size());
            // Squeezed below its own minimum, a control is cut off inside the window.
            const int wanted = std::min(child->maximumWidth(),
                                        std::max(child->minimumWidth(), child->minimumSizeHint().width()));
            if (!w.rect().contains(at) || (!isPartOfControl(child, &w) && child->width() < wanted))
                outside << child->objectName() + u' ' + QString::fromLatin1(child->metaObject()->className());
        }
        QVERIFY2(outside.isEmpty(), qPrintable(outside.join(u", ")));
        QTreeView* list = w.ui().lstItems;
        const QAbstractItemView* view = list; // the view's own measure is public there
        for (int c = 0; c < ColumnCount; ++c) {
            if (!isFigureColumn(c) || list->isColumnHidden(c) || list->columnWidth(c) <= 1)
                continue;
            QVERIFY2(list->columnWidth(c) >= view->sizeHintForColumn(c), qPrintable(QString::number(c)));
        }
    }
    void fieldsHoldTheirUsualContent_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::newRow("name") << QStringLiteral("txtName") << QStringLiteral("Deutsche Telekom AG.");
        QTest::newRow("ISIN") << QStringLiteral("txtISIN") << QStringLiteral("DE000A0D9PT0");
        QTest::newRow("date") << QStringLiteral("txtDate") << QStringLiteral("28.02.2024");
    }
    void fieldsHoldTheirUsualContent()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        Started s(kList);
        auto* edit = s.w.findChild<QLineEdit*>(field);
        QStyleOptionFrame option;
        option.initFrom(edit);
        option.rect = edit->rect();
        option.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
        option.state |= QStyle::State_Sunken;
        const QRect contents = edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
        const QMargins margins = edit->textMargins();
        // QLineEdit keeps two pixels on each side of the text.
        const int room = contents.width() - margins.left() - margins.right() - 4;
        QVERIFY2(
            room >= edit->fontMetrics().horizontalAdvance(text),
            qPrintable(QStringLiteral("%1 < %2").arg(room).arg(edit->fontMetrics().horizontalAdvance(text))));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
