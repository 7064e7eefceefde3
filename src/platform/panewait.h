#pragma once

#include <QObject>

#include <functional>

namespace td {

class BrowserPane;

// Wakes every running waitForPane so it tests its condition again. Callers use
// it after changing something a stop condition looks at (the batch caption).
class PaneWait : public QObject
{
    Q_OBJECT

public:
    static PaneWait& instance();
    static void wakeAll();

signals:
    void woken();
};

// Lets events run until the pane's tag is "" or stop() returns true. The
// condition is tested at the start, whenever the tag changes and on
// PaneWait::wakeAll(); between those the thread sleeps in the event loop.
// Waits nest: a wait started from inside another one's events returns first,
// and both end when the tag turns "". Also returns when the pane is destroyed
// or the application quits. A read-back pane ends every transfer within its
// page time-out, so a wait on one always ends.
void waitForPane(BrowserPane& pane, const std::function<bool()>& stop = {});

} // namespace td
