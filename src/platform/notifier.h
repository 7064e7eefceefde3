#pragma once

#include <QObject>
#include <QString>

namespace td {

// Desktop notifications. Sending never waits; when nothing can show them
// the notification is dropped.
class Notifier : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    // summary and body are plain text with markup already escaped. A click
    // on the notification reports entryId back through activated().
    virtual void notify(quint64 entryId, const QString& summary, const QString& body) = 0;

Q_SIGNALS:
    void activated(quint64 entryId);
};

} // namespace td
