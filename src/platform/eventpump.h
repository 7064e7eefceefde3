#pragma once

#include <QCoreApplication>

namespace td {

// Lets pending events run, once per time: long steps hand control back to
// the event loop between their parts, so clicks and completions still come.
inline void letEventsRun(int times = 1)
{
    for (int i = 0; i < times; ++i)
        QCoreApplication::processEvents();
}

} // namespace td
