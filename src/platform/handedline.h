#pragma once

#include <QByteArray>
#include <QString>

namespace td {

// What a later start sends the running copy: its file and a line end.
struct HandedLine
{
    enum class State
    {
        Incomplete, // wait for more
        Complete,
        Refused, // too long to be a path
    };
    State state = State::Incomplete;
    QString path; // when complete; empty asks for the window alone
};

inline constexpr qsizetype kMaxHandedLine = 64 * 1024;

HandedLine readHandedLine(const QByteArray& received);
QByteArray handedLineFor(const QString& path);

} // namespace td
