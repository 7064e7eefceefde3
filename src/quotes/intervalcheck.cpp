#include "quotes/intervalcheck.h"

namespace td {

IntervalCheck checkInterval(double ms)
{
    if (ms > kMaxIntervalMs)
        return {QStringLiteral("Nicht über 1 Minute (60.000 Millisekunden)"), QStringLiteral("60000")};
    if (ms > 0 && ms < kMinIntervalMs)
        return {QStringLiteral("Nicht unter 1 Sekunde (1.000 Millisekunden)"), QStringLiteral("1000")};
    return {};
}

} // namespace td
