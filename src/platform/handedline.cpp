#include "platform/handedline.h"

namespace td {

HandedLine readHandedLine(const QByteArray& received)
{
    const qsizetype end = received.indexOf('\n');
    if (end < 0 || end > kMaxHandedLine)
        return {received.size() > kMaxHandedLine ? HandedLine::State::Refused : HandedLine::State::Incomplete,
                {}};
    return {HandedLine::State::Complete, QString::fromUtf8(received.left(end))};
}

QByteArray handedLineFor(const QString& path)
{
    // A line break inside a path would end the message early.
    return path.toUtf8().replace('\n', QByteArray()) + '\n';
}

} // namespace td
