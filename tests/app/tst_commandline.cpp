// The command line, decided before any window, and the built program
// answering --help and --version without a display.
#include "app/commandline.h"

#include <QProcess>
#include <QTest>

using namespace td;

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
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            env.remove(QLatin1String(name));
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(TD_PROGRAM), {option});
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        const QString output = QString::fromUtf8(program.readAllStandardOutput());
        QVERIFY2(output.contains(outputHas), qPrintable(output));
        QCOMPARE(program.readAllStandardError(), QByteArray());
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
