#include "quotes/checkstop.h"

namespace td {

bool TimeoutStreak::record(const QString& host, bool timedOut)
{
    if (!timedOut) {
        m_host.clear();
        m_count = 0;
        return false;
    }
    if (host != m_host || m_count == 0) {
        m_host = host;
        m_count = 0;
    }
    return ++m_count >= kTimeoutsBeforeGivingUp;
}

QString unansweredHostLine(const QString& host)
{
    return QStringLiteral("Abbruch: ") + host + QStringLiteral(" antwortet nicht");
}

} // namespace td
