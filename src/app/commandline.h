#pragma once

#include <QString>
#include <QStringList>

namespace td {

// What the command line asks for, decided before any window exists.
struct CommandLine
{
    // A new mode gets its value here, its options in parseCommandLine and
    // its branch in main().
    enum class Mode
    {
        Run,        // the program, with `file` if one was named
        Exit,       // print `output` and end with `exitCode`
        TestSource, // try the quote source sourceTest[0] for the entry sourceTest[1..]
    };
    Mode mode = Mode::Run;
    QString file; // absolute, empty when none was named
    int exitCode = 0;
    QString output;         // for standard output when exitCode is 0, else for standard error
    QStringList sourceTest; // NAME TICKER [PLACE], as given
};

// `arguments` starts with the program; relative files are taken from `workingDir`.
CommandLine parseCommandLine(const QStringList& arguments, const QString& workingDir);

// "Tickerdeck 1.0.1"
QString versionLine();

} // namespace td
