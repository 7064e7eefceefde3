// The list file is written only where and when the user means it.
#include "shell/mainwindow.h"
#include "watchlist/tickerfile.h"
#include "watchlist/watchlistmodel.h"
#include "windowharness.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <unistd.h>

#include <memory>

using namespace td;
using td::test::TestPlatform;

namespace {

const QByteArray kTwoEntries = "Alpha;ALP;ETR;;;False;;;;;;;;;;;0\r\n"
                               "Beta;BET;NAS;;;True;;;;;;;;;;;-1\r\n";
const QByteArray kAlphaTicked = "Alpha;ALP;ETR;;;True;";

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

QString closeQuestion(const QString& path)
{
    return QStringLiteral("Änderungen sind an der aktuellen Ansicht vorgenommen worden.\r\n"
                          "Sollen diese Änderungen in der Datei '") +
           path + QStringLiteral("' gespeichert werden?");
}

// A window showing tic/default.tic.
struct Started
{
    explicit Started(const QByteArray& list = kTwoEntries, const QString& autoClear = QStringLiteral("1"))
    {
        path = p.writeFile(QStringLiteral("tic/default.tic"), list);
        p.settings.write(QStringLiteral("AutoClear"), autoClear);
        w = std::make_unique<MainWindow>(p.context);
        td::test::activate(*w);
    }
    template <typename T = QPushButton> T* find(const char* name) const
    {
        return w->findChild<T*>(QLatin1String(name));
    }
    QLineEdit* pathBox() const { return find<QLineEdit>("txt_TickerFile"); }
    void tickFirst() const { w->items().setData(w->items().index(0, 0), Qt::Checked, Qt::CheckStateRole); }

    TestPlatform p;
    QString path;
    std::unique_ptr<MainWindow> w;
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

} // namespace

class TestListFileWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void closeAsksInsteadOfWriting_data();
    void closeAsksInsteadOfWriting();
    void switchWithUnsavedEdits_data();
    void switchWithUnsavedEdits();
    void partList_data();
    void partList();
    void readOnlyFolder_data();
    void readOnlyFolder();
    void closeWithoutPathAsksForAFile_data();
    void closeWithoutPathAsksForAFile();
    void loadLeavesNoStaleEntry_data();
    void loadLeavesNoStaleEntry();
    void numberBoxesRefuseLetters_data();
    void numberBoxesRefuseLetters();
};

void TestListFileWindow::closeAsksInsteadOfWriting_data()
{
    QTest::addColumn<bool>("clear"); // else: another file's path typed
    QTest::addColumn<DialogAnswer>("answer");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("clear list, no") << true << DialogAnswer::No << kTwoEntries;
    QTest::newRow("clear list, yes") << true << DialogAnswer::Yes << QByteArray();
    QTest::newRow("typed path, no") << false << DialogAnswer::No << QByteArray("Other\r\n");
    QTest::newRow("typed path, yes") << false << DialogAnswer::Yes << kTwoEntries;
}

void TestListFileWindow::closeAsksInsteadOfWriting()
{
    QFETCH(bool, clear);
    QFETCH(DialogAnswer, answer);
    Started s;
    const QString other = s.p.writeFile(QStringLiteral("tic/other.tic"), "Other\r\n");
    if (clear)
        s.find("cmdClear_0")->click();
    else
        s.pathBox()->setText(other);
    s.p.dialogs.queueAnswer(answer);
    QVERIFY(s.w->close());
    const QString named = clear ? s.path : other;
    QCOMPARE(s.p.dialogs.shown.size(), 1);
    QCOMPARE(s.p.dialogs.shown[0].text, closeQuestion(named));
    QTEST(readAll(named), "written");
    QCOMPARE(readAll(s.path), clear ? readAll(named) : kTwoEntries);
}

void TestListFileWindow::switchWithUnsavedEdits_data()
{
    QTest::addColumn<DialogAnswer>("answer");
    QTest::newRow("yes saves, then switches") << DialogAnswer::Yes;
    QTest::newRow("no discards, then switches") << DialogAnswer::No;
    QTest::newRow("cancel keeps the list") << DialogAnswer::Cancel;
}

void TestListFileWindow::switchWithUnsavedEdits()
{
    QFETCH(DialogAnswer, answer);
    Started s;
    const QString beta = s.p.writeFile(QStringLiteral("tic/beta.tic"), "B1\r\n");
    s.w->vScanTicFolder();
    s.tickFirst();
    s.p.dialogs.queueAnswer(answer);
    Q_EMIT s.find<QComboBox>("cboSwitchTICList")->activated(1); // beta
    QCOMPARE(s.p.dialogs.shown.size(), 1);
    QCOMPARE(s.p.dialogs.shown[0].text, closeQuestion(s.path));
    const bool cancelled = answer == DialogAnswer::Cancel;
    QCOMPARE(readAll(s.path).startsWith(kAlphaTicked), answer == DialogAnswer::Yes);
    QCOMPARE(s.w->items().size(), cancelled ? 2 : 1);
    QCOMPARE(s.pathBox()->text(), cancelled ? s.path : beta);
    QCOMPARE(s.w->state().bListChanged, cancelled);
}

void TestListFileWindow::partList_data()
{
    QTest::addColumn<bool>("edited");
    QTest::addColumn<DialogAnswer>("answer"); // to "lines would be lost"
    QTest::newRow("unchanged: closes without writing") << false << DialogAnswer::Ok;
    QTest::newRow("edited, yes writes the part") << true << DialogAnswer::Yes;
    QTest::newRow("edited, no keeps the file") << true << DialogAnswer::No;
}

void TestListFileWindow::partList()
{
    QFETCH(bool, edited);
    QFETCH(DialogAnswer, answer);
    QByteArray file;
    for (int i = 0; i < kMaxEntries + 3; ++i)
        file += "E" + QByteArray::number(i) + "\r\n";
    Started s(file);
    QCOMPARE(s.w->items().size(), kMaxEntries);
    QVERIFY(s.p.dialogs.shown.value(0).text.contains(QStringLiteral("3 Zeilen wurden nicht geladen.")));
    if (edited)
        s.tickFirst();
    s.p.dialogs.queueAnswer(DialogAnswer::Yes); // the close question
    s.p.dialogs.queueAnswer(answer);
    QVERIFY(s.w->close());
    QCOMPARE(s.p.dialogs.shown.size(), edited ? 3 : 1);
    if (edited)
        QVERIFY(s.p.dialogs.shown[2].text.contains(QStringLiteral("3 Zeilen der Datei")));
    QCOMPARE(readAll(s.path).count("\r\n"), answer == DialogAnswer::Yes ? kMaxEntries : kMaxEntries + 3);
}

void TestListFileWindow::readOnlyFolder_data()
{
    QTest::addColumn<bool>("writableFile");
    QTest::newRow("writable file: save writes it") << true;
    QTest::newRow("read-only unchanged file: close is quiet") << false;
}

void TestListFileWindow::readOnlyFolder()
{
    QFETCH(bool, writableFile);
    Started s;
    const auto readable = QFile::ReadOwner | QFile::ReadOther;
    const auto folder = readable | QFile::ExeOwner | QFile::ExeOther;
    QFile::setPermissions(s.path, writableFile ? readable | QFile::WriteOwner | QFile::WriteOther : readable);
    QFile::setPermissions(s.p.ticFolder(), folder);
    {
        AsNobody nobody(s.p.programDir.path());
        if (writableFile) {
            s.tickFirst();
            s.find("cmdSaveList")->click();
        } else {
            s.w->close();
        }
    }
    QFile::setPermissions(s.p.ticFolder(), folder | QFile::WriteOwner);
    for (const MessageRequest& box : std::as_const(s.p.dialogs.shown))
        QFAIL(qPrintable(box.text));
    QVERIFY(!s.w->isVisible() || writableFile);
    QCOMPARE(readAll(s.path).startsWith(kAlphaTicked), writableFile);
}

void TestListFileWindow::closeWithoutPathAsksForAFile_data()
{
    QTest::addColumn<bool>("chosen");
    QTest::newRow("a file chosen: saved there") << true;
    QTest::newRow("dialog cancelled: window stays") << false;
}

void TestListFileWindow::closeWithoutPathAsksForAFile()
{
    QFETCH(bool, chosen);
    TestPlatform p;
    MainWindow w(p.context);
    td::test::activate(w);
    w.items().append(parseTickerLine(QStringLiteral("Neu;NEU;ETR"), false));
    w.state().bListChanged = true;
    const QString target = p.programDir.filePath(QStringLiteral("saved.tic"));
    p.dialogs.queueAnswer(DialogAnswer::Yes);
    p.dialogs.queueOpenFile(chosen ? std::optional<QString>(target) : std::nullopt); // the save dialog
    QCOMPARE(w.close(), chosen);
    QCOMPARE(p.dialogs.fileDialogs.size(), 1);
    QCOMPARE(readAll(target), chosen ? QByteArray("Neu;NEU;ETR;;;False;;;;;;;;;;;0\r\n") : "(missing)");
    QCOMPARE(w.findChild<QLineEdit*>(QStringLiteral("txt_TickerFile"))->text(), chosen ? target : QString());
}

void TestListFileWindow::loadLeavesNoStaleEntry_data()
{
    QTest::addColumn<QString>("autoClear");
    QTest::addColumn<QString>("file"); // below tic/
    QTest::addColumn<int>("entries");
    QTest::newRow("an empty file") << QStringLiteral("1") << QStringLiteral("empty.tic") << 0;
    QTest::newRow("a missing file, list kept") << QStringLiteral("0") << QStringLiteral("gone.tic") << 2;
}

void TestListFileWindow::loadLeavesNoStaleEntry()
{
    QFETCH(QString, autoClear);
    QFETCH(QString, file);
    Started s(kTwoEntries, autoClear);
    s.p.writeFile(QStringLiteral("tic/empty.tic"), QByteArray());
    s.pathBox()->setText(s.p.ticFolder() + u'/' + file);
    s.find("cmdLoadList")->click();
    QTEST(s.w->items().size(), "entries");
    QCOMPARE(s.w->currentRow(), -1);
    QCOMPARE(s.w->state().selection.sSelTicker, QList<QString>{QString()});
    QVERIFY(!s.find("but_ItemRunter")->isEnabled());
    const QString shown = s.p.panes.recording(QStringLiteral("wbrRealTimeQuote"))->addresses.last();
    QVERIFY2(!shown.contains(QStringLiteral("ALP")), qPrintable(shown));
}

void TestListFileWindow::numberBoxesRefuseLetters_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("fallback");
    const auto row = [](const char* box, const char* key, const char* fallback) {
        QTest::newRow(box) << QString::fromLatin1(box) << QString::fromLatin1(key)
                           << QString::fromLatin1(fallback);
    };
    row("txtMaxMinChange", "MaxMinChange", "20");
    row("txtRealTimeRefresh", "RealTimeRefresh", "60000");
    row("txt_ShowAllQuotesHintergrund", "ShowAllQuotesSilent", "20000");
    row("txtAutoReload", "AutoReload", "60000");
}

void TestListFileWindow::numberBoxesRefuseLetters()
{
    QFETCH(QString, box);
    QFETCH(QString, key);
    QFETCH(QString, fallback);
    TestPlatform p;
    p.settings.write(key, QStringLiteral("abc"));
    MainWindow w(p.context);
    td::test::activate(w);
    auto* edit = w.findChild<QLineEdit*>(box);
    QCOMPARE(edit->text(), fallback);
    QTest::keyClicks(edit, QStringLiteral("x-"));
    QCOMPARE(edit->text(), fallback);
    QVERIFY(w.close());
    QCOMPARE(p.settings.read(key, QString()), fallback);
}

QTEST_MAIN(TestListFileWindow)
#include "tst_listfilewindow.moc"
