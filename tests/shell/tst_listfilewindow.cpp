// The list file behind the window: loading, switching, saving, and the
// questions that keep a list from being lost.
#include "startedwindow.h"
#include "watchlist/tickerfile.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QTest>

#include <unistd.h>

using namespace td;
using namespace td::test;

namespace {

const QByteArray kAlphaTicked = "Alpha;ALP;ETR;;;True;";

QString closeQuestion(const QString& path)
{
    return QStringLiteral("Änderungen sind an der aktuellen Ansicht vorgenommen worden.\r\n"
                          "Sollen diese Änderungen in der Datei '") +
           path + QStringLiteral("' gespeichert werden?");
}

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

} // namespace

// The list file is written only where and when the user means it.
class TestListFileWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
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
        listDocument(s.w).setChanged(true);
        QDir().mkpath(s.p.ticFolder());
        const QString path = s.p.ticFolder() + QStringLiteral("/new.tic");
        widget<QLineEdit>(s.w, "txt_TickerFile")->setText(QStringLiteral("  ") + path + QStringLiteral(" "));
        s.p.dialogs.queueAnswer(answer);
        widget<QPushButton>(s.w, "cmdSaveList")->click();
        QCOMPARE(s.p.dialogs.shown.size(), 1);
        QCOMPARE(s.p.dialogs.shown[0].text, QStringLiteral("Die Datei\r\n   ") + path +
                                                QStringLiteral("   \r\nexistiert nicht. Datei anlegen?"));
        QCOMPARE(s.p.dialogs.shown[0].buttons, DialogButtons::YesNo);
        QCOMPARE(QFile::exists(path), created);
        QCOMPARE(listDocument(s.w).isChanged(), !created);
        if (created)
            QCOMPARE(readAll(path), QByteArray("Neu;NEU;ETR;;;False;;;;;;;;;;;0\r\n"));
    }
    void failedSaveKeepsChangesAndWindow()
    {
        Started s(kNoFile);
        const QString folder = s.p.programDir.path() + QStringLiteral("/tic/afolder.tic");
        QDir().mkpath(folder);
        widget<QLineEdit>(s.w, "txt_TickerFile")->setText(folder);
        s.w.items().append(parseTickerLine(QStringLiteral("X"), false));
        listDocument(s.w).setChanged(true);
        s.p.dialogs.queueAnswer(DialogAnswer::Yes);
        QVERIFY(!s.w.close());
        QCOMPARE(s.p.dialogs.shown.size(), 2);
        QVERIFY(s.p.dialogs.shown[1].text.startsWith(QStringLiteral("Die Datei\r\n   ") + folder));
        QVERIFY(s.p.dialogs.shown[1].text.contains(QStringLiteral("konnte nicht gespeichert werden")));
        QVERIFY(listDocument(s.w).isChanged());
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
        QComboBox* combo = widget<QComboBox>(w, "cboSwitchTICList");
        QCOMPARE(combo->count(), 3);
        QCOMPARE(combo->itemText(0), QStringLiteral("select tic-file"));
        QCOMPARE(combo->itemText(1), QStringLiteral("alpha"));
        QCOMPARE(combo->itemText(2), QStringLiteral("Beta"));
        QCOMPARE(combo->itemData(2).toString(), beta);
        QCOMPARE(combo->currentIndex(), 0);
        const auto items = widget<QMenu>(w, "mnuTIC")->actions();
        QCOMPARE(items.size(), 2);
        QVERIFY(!items[0]->isChecked());
        QVERIFY(items[1]->isChecked());
        QCOMPARE(items[1]->data().toString(), beta);
        // Switching loads the chosen file; "select tic-file" does nothing.
        activate(w);
        Q_EMIT combo->activated(0);
        QCOMPARE(names(w), (QStringList{"B1", "B2"}));
        Q_EMIT combo->activated(1);
        QCOMPARE(widget<QLineEdit>(w, "txt_TickerFile")->text(), alpha);
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
        widget<QPushButton>(s.w, "cmdLoadList")->click();
        QTEST(s.w.items().size(), "countAfterSecondLoad");
        QTEST(s.w.items().entry(0).checked, "firstChecked");
        QVERIFY(s.w.items().entry(1).checked); // field 6 says True
        // Appended to the shown entries, the list is no longer its file.
        QCOMPARE(listDocument(s.w).isChanged(), settings.contains(QStringLiteral("AutoClear=0")));
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
    void typedPathAsksBeforeReplacing_data()
    {
        QTest::addColumn<DialogAnswer>("answer"); // to "replace?"
        QTest::newRow("yes replaces, closes") << DialogAnswer::Yes;
        QTest::newRow("no keeps the file and the window") << DialogAnswer::No;
    }
    void typedPathAsksBeforeReplacing()
    {
        QFETCH(DialogAnswer, answer);
        Started s;
        const QByteArray otherList = "O1\r\nO2\r";
        const QString other = s.p.writeFile(QStringLiteral("tic/other.tic"), otherList);
        s.pathBox()->setText(other);
        s.p.dialogs.queueAnswer(DialogAnswer::Yes); // the close question
        s.p.dialogs.queueAnswer(answer);
        const bool replaced = answer == DialogAnswer::Yes;
        QCOMPARE(s.w.close(), replaced);
        QCOMPARE(s.p.dialogs.shown.size(), 2);
        const MessageRequest& asked = s.p.dialogs.shown[1];
        QCOMPARE(asked.text, QStringLiteral("Die Datei\r\n   ") + other +
                                 QStringLiteral("   \r\ngehört nicht zu dieser Liste und enthält 2 Einträge. "
                                                "Datei ersetzen?"));
        QCOMPARE(asked.buttons, DialogButtons::YesNoDefaultNo);
        QCOMPARE(readAll(other), replaced ? kTwoEntries : otherList);
        QCOMPARE(readAll(s.path), kTwoEntries);
    }
    void silentSaveKeepsEveryEntry_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("dropped"); // entries gone from the list without a change mark
        QTest::addColumn<DialogAnswer>("answer");
        QTest::addColumn<QByteArray>("written");
        const QByteArray a = "A;;;;;False;;;;;;;;;;;0\r\n";
        const QByteArray b = "B;;;;;False;;;;;;;;;;;0\r\n";
        QTest::newRow("bare CR, LF and CR LF")
            << QByteArray("A\rB\nA\r\nB") << 0 << DialogAnswer::Ok << a + b + a + b;
        QTest::newRow("one entry fewer than read, no") << a + b << 1 << DialogAnswer::No << a + b;
        QTest::newRow("one entry fewer than read, yes") << a + b << 1 << DialogAnswer::Yes << b;
    }
    void silentSaveKeepsEveryEntry()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, dropped);
        QFETCH(DialogAnswer, answer);
        Started s(file);
        for (int i = 0; i < dropped; ++i)
            s.w.items().remove(0);
        s.p.dialogs.queueAnswer(answer);
        QVERIFY(s.w.close());
        QCOMPARE(s.p.dialogs.shown.size(), dropped > 0 ? 1 : 0);
        if (dropped > 0)
            QCOMPARE(s.p.dialogs.shown[0].text,
                     QStringLiteral("Die Datei\r\n   ") + s.path +
                         QStringLiteral("   \r\nenthält 2 Einträge, die Liste nur 1. Beim Speichern gehen 1 "
                                        "Einträge der Datei verloren. Trotzdem speichern?"));
        QTEST(readAll(s.path), "written");
    }
    void switchWithUnsavedEdits_data()
    {
        QTest::addColumn<DialogAnswer>("answer");
        QTest::addColumn<bool>("chooser"); // else the document opens the file itself
        QTest::newRow("yes saves, then switches") << DialogAnswer::Yes << true;
        QTest::newRow("no discards, then switches") << DialogAnswer::No << true;
        QTest::newRow("cancel keeps the list") << DialogAnswer::Cancel << true;
        QTest::newRow("open, cancel keeps the list") << DialogAnswer::Cancel << false;
    }
    void switchWithUnsavedEdits()
    {
        QFETCH(DialogAnswer, answer);
        QFETCH(bool, chooser);
        Started s;
        const QString beta = s.p.writeFile(QStringLiteral("tic/beta.tic"), "B1\r\n");
        s.w.vScanTicFolder();
        s.tickFirst();
        s.p.dialogs.queueAnswer(answer);
        if (chooser)
            Q_EMIT s.find<QComboBox>("cboSwitchTICList")->activated(1); // beta
        else
            QCOMPARE(listDocument(s.w).open(beta), answer != DialogAnswer::Cancel);
        QCOMPARE(s.p.dialogs.shown.size(), 1);
        QCOMPARE(s.p.dialogs.shown[0].text, closeQuestion(s.path));
        const bool cancelled = answer == DialogAnswer::Cancel;
        QCOMPARE(readAll(s.path).startsWith(kAlphaTicked), answer == DialogAnswer::Yes);
        QCOMPARE(s.w.items().size(), cancelled ? 2 : 1);
        QCOMPARE(s.pathBox()->text(), cancelled ? s.path : beta);
        QCOMPARE(listDocument(s.w).isChanged(), cancelled);
    }
    // A file from the command line or a later start: as if chosen with "...".
    void handedFile_data()
    {
        QTest::addColumn<bool>("beforeActivation");
        QTest::addColumn<QString>("file");
        QTest::addColumn<DialogAnswer>("answer"); // to the question about unsaved edits
        QTest::addColumn<QString>("message");     // the one box shown, empty for none
        QTest::addColumn<QStringList>("shown");
        const QStringList kept{QStringLiteral("Alpha"), QStringLiteral("Beta")};
        const QString asks = QStringLiteral("Änderungen sind");
        const QString missing = QStringLiteral("@/tic/gone.tic   \r\nwurde nicht gefunden.");
        QTest::newRow("at start") << true << "beta.tic" << DialogAnswer::Yes << "" << QStringList{"B1"};
        QTest::newRow("at start, missing") << true << "gone.tic" << DialogAnswer::Yes << missing << kept;
        QTest::newRow("edited, cancel") << false << "beta.tic" << DialogAnswer::Cancel << asks << kept;
        QTest::newRow("edited, no") << false << "beta.tic" << DialogAnswer::No << asks << QStringList{"B1"};
        QTest::newRow("edited, missing") << false << "gone.tic" << DialogAnswer::No << missing << kept;
    }
    void handedFile()
    {
        QFETCH(bool, beforeActivation);
        QFETCH(QString, file);
        QFETCH(DialogAnswer, answer);
        QFETCH(QString, message);
        TestPlatform p;
        p.settings.write(QStringLiteral("AutoClear"), QStringLiteral("1"));
        const QString stored = p.writeFile(QStringLiteral("tic/default.tic"), kTwoEntries);
        p.writeFile(QStringLiteral("tic/beta.tic"), "B1\r\n");
        const QString path = p.ticFolder() + u'/' + file;
        message.replace(u'@', p.programDir.path());
        MainWindow w(p.context);
        if (beforeActivation) {
            w.openListFile(path);
            activate(w);
        } else {
            activate(w);
            w.items().setData(w.items().index(0, 0), Qt::Checked, Qt::CheckStateRole);
            p.dialogs.queueAnswer(answer);
            w.openListFile(path);
        }
        QCOMPARE(p.dialogs.shown.size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty())
            QVERIFY2(p.dialogs.shown[0].text.contains(message), qPrintable(p.dialogs.shown[0].text));
        QTEST(names(w), "shown");
        const bool switched = names(w).first() == u"B1";
        QCOMPARE(control<QLineEdit>(w, QStringLiteral("txt_TickerFile")).text(), switched ? path : stored);
        QCOMPARE(readAll(stored), kTwoEntries); // nothing written unasked
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
        listDocument(s.w).setChanged(true);
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
        QCOMPARE(td::test::selection(s.w).session().selection.sSelTicker, QList<QString>{QString()});
        QVERIFY(!s.find("but_ItemRunter")->isEnabled());
        const QString shown = s.p.panes.recording(QStringLiteral("wbrRealTimeQuote"))->addresses.last();
        QVERIFY2(!shown.contains(QStringLiteral("ALP")), qPrintable(shown));
    }
};

QTEST_MAIN(TestListFileWindow)
#include "tst_listfilewindow.moc"
