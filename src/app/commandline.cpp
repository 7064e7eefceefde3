#include "app/commandline.h"

#include <QCommandLineParser>
#include <QDir>

namespace td {

QString versionLine()
{
    return QStringLiteral("Tickerdeck %1.%2.%3")
        .arg(TICKERDECK_VERSION_MAJOR)
        .arg(TICKERDECK_VERSION_MINOR)
        .arg(TICKERDECK_VERSION_PATCH);
}

CommandLine parseCommandLine(const QStringList& arguments, const QString& workingDir)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Follow stocks and watch lists during the trading day."));
    // Not addHelpOption: its --help-all would promise Qt's options, which
    // this parser never sees.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays help on commandline options."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption testSource(
        QStringLiteral("test-source"),
        QStringLiteral("Loads the quote source NAME's page for TICKER [PLACE] and prints what it read."),
        QStringLiteral("NAME"));
    parser.addOption(testSource);
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("Ticker list to open (*.tic)."),
                                 QStringLiteral("[FILE]"));

    CommandLine result;
    const auto fail = [&result](const QString& problem) {
        result.mode = CommandLine::Mode::Exit;
        result.exitCode = 1;
        result.output = problem + QStringLiteral("\nTry 'tickerdeck --help'.\n");
        return result;
    };
    if (!parser.parse(arguments))
        return fail(parser.errorText());
    if (parser.isSet(help)) {
        result.mode = CommandLine::Mode::Exit;
        result.output = parser.helpText();
        return result;
    }
    if (parser.isSet(version)) {
        result.mode = CommandLine::Mode::Exit;
        result.output = versionLine() + u'\n';
        return result;
    }
    if (parser.isSet(testSource)) {
        // The argument count is the source test's to judge, with its own exit code.
        result.mode = CommandLine::Mode::TestSource;
        result.sourceTest = QStringList{parser.value(testSource)} + parser.positionalArguments();
        return result;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return fail(QStringLiteral("Only one file can be opened at a time."));
    if (!files.isEmpty())
        result.file = QDir::cleanPath(QDir(workingDir).absoluteFilePath(files.first()));
    return result;
}

} // namespace td
