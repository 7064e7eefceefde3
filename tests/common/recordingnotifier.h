#pragma once

#include "platform/notifier.h"

#include <QList>

namespace td::test {

// Records the notifications instead of showing them; activate() plays a
// click on one.
class RecordingNotifier final : public Notifier
{
    Q_OBJECT
public:
    struct Call
    {
        quint64 entryId = 0;
        QString summary;
        QString body;
    };

    void notify(quint64 entryId, const QString& summary, const QString& body) override
    {
        calls.append({entryId, summary, body});
    }
    void activate(quint64 entryId) { Q_EMIT activated(entryId); }

    QList<Call> calls;
};

} // namespace td::test
