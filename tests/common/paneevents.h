#pragma once

#include "platform/browserpane.h"

#include <QStringList>
#include <QTest>

namespace td::test {

// A pane's signals in the order they came: "error <code> <url>", "complete <url>".
struct PaneEvents
{
    explicit PaneEvents(BrowserPane& pane)
    {
        QObject::connect(&pane, &BrowserPane::navigateError, &context, [this](const QString& url, int code) {
            events.append(QStringLiteral("error %1 %2").arg(code).arg(url));
            lastCode = code;
        });
        QObject::connect(&pane, &BrowserPane::documentComplete, &context,
                         [this](const QString& url) { events.append(QStringLiteral("complete ") + url); });
    }
    int completions() const { return int(events.filter(QStringLiteral("complete ")).size()); }
    bool waitForCompletion(int count = 1) const
    {
        return QTest::qWaitFor([&] { return completions() >= count; }, 15000);
    }

    QObject context; // ends the connections with the log
    QStringList events;
    int lastCode = 0;
};

inline QString completeEvent(const QString& url)
{
    return QStringLiteral("complete ") + url;
}

} // namespace td::test
