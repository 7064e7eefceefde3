// The command line, decided before any window, and the built program
// answering --help and --version without a display.
#include "app/commandline.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace td;

namespace {
// The built program without any display; `configHome` holds its settings.
// `output` gets standard output, then standard error after a "|".
int runProgram(const QStringList& arguments, QString& output, const QString& configHome = {})
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        env.remove(QLatin1String(name));
    if (!configHome.isEmpty())
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(TD_PROGRAM), arguments);
    if (!program.waitForFinished(20000) || program.exitStatus() != QProcess::NormalExit)
        return -1;
    output = QString::fromUtf8(program.readAllStandardOutput() + '|' + program.readAllStandardError());
    return program.exitCode();
}
} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void parse_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("exits");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("outputHas");
        const auto row = [](const char* tag, const QStringList& args, bool exits, int code, const char* file,
                            const char* output) {
            QTest::newRow(tag) << (QStringList{QStringLiteral("tickerdeck")} + args) << exits << code << file
                               << output;
        };
        row("nothing", {}, false, 0, "", "");
        row("relative file", {"lists/a b.tic"}, false, 0, "/home/u/lists/a b.tic", "");
        row("absolute file", {"/tmp/../x.tic"}, false, 0, "/x.tic", "");
        row("help", {"--help"}, true, 0, "", "[options] [FILE]");
        row("help beside a file", {"-h", "a.tic"}, true, 0, "", "--version");
        row("version", {"--version"}, true, 0, "", "Tickerdeck " TD_PROJECT_VERSION "\n");
        row("unknown option", {"--frobnicate"}, true, 1, "", "Unknown option 'frobnicate'");
        row("two files", {"a.tic", "b.tic"}, true, 1, "", "Only one file");
    }
    void parse()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, outputHas);
        const CommandLine line = parseCommandLine(arguments, QStringLiteral("/home/u"));
        QTEST(line.mode == CommandLine::Mode::Exit, "exits");
        QTEST(line.exitCode, "exitCode");
        QTEST(line.file, "file");
        QVERIFY2(line.output.contains(outputHas), qPrintable(line.output));
    }

    void withoutDisplay_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("outputHas");
        QTest::newRow("version") << "--version"
                                 << "Tickerdeck " TD_PROJECT_VERSION "\n";
        QTest::newRow("help") << "--help"
                              << "--version";
    }
    void withoutDisplay()
    {
        QFETCH(QString, option);
        QFETCH(QString, outputHas);
        QString output;
        QCOMPARE(runProgram({option}, output), 0);
        QVERIFY2(output.contains(outputHas), qPrintable(output));
        QVERIFY2(output.endsWith(u'|'), qPrintable(output));
    }

    void testSource_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("outputHas");
        QTest::newRow("quote read") << QStringList{"local", "SAP", "ETR"} << 0 << "quote: 12,34";
        QTest::newRow("page without a quote") << QStringList{"local", "NONE"} << 1 << "quote: no match";
        QTest::newRow("unknown source") << QStringList{"nosuch", "SAP"} << 2 << "unknown source 'nosuch'";
        QTest::newRow("broken source") << QStringList{"broken", "SAP"} << 2 << "quotesources.ini:4:";
        QTest::newRow("no ticker") << QStringList{"local"} << 2 << "usage";
    }
    // The source test reads the sources beside the settings, without a display.
    void testSource()
    {
        QFETCH(QStringList, arguments);
        const CommandLine line =
            parseCommandLine(QStringList{"tickerdeck", "--test-source"} + arguments, "/");
        QCOMPARE(line.mode, CommandLine::Mode::TestSource);
        QCOMPARE(line.sourceTest, arguments);

        QTemporaryDir home;
        QVERIFY(QDir(home.path()).mkpath(QStringLiteral("brightmoor")) && QDir(home.path()).mkpath("pages"));
        const auto write = [&home](const QString& name, const QByteArray& bytes) {
            QFile file(home.filePath(name));
            return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
        };
        QVERIFY(write("brightmoor/quotesources.ini",
                      "[local]\nurl=" + QUrl::fromLocalFile(home.filePath("pages")).toEncoded() +
                          "/{symbol}.html\nquote=<b>([0-9,]+)</b>\n[broken]\nurl=x\n"));
        QVERIFY(write("pages/SAP.ETR.html", "<p>SAP <b>12,34</b></p>"));
        QVERIFY(write("pages/NONE.html", "<p>NONE</p>"));
        QString output;
        QTEST(runProgram(QStringList{"--test-source"} + arguments, output, home.path()), "exitCode");
        QFETCH(QString, outputHas);
        QVERIFY2(output.contains(outputHas), qPrintable(output));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
