#pragma once

#include <QString>

namespace td {

// After this many time-outs in a row from one host a check gives up: every
// further page would only wait out its time-out as well.
inline constexpr int kTimeoutsBeforeGivingUp = 3;

// How many pages a batch check may load at once.
inline constexpr int kMaxParallelPages = 8;

// The time-outs in a row of one check. Any page that did not time out ends
// the streak; a time-out from another host starts a new one.
class TimeoutStreak
{
public:
    // One page's outcome; true once `host` has timed out
    // kTimeoutsBeforeGivingUp times in a row.
    bool record(const QString& host, bool timedOut);
    QString host() const { return m_host; }

private:
    QString m_host;
    int m_count = 0;
};

// The line a check that gave up leaves: "Abbruch: " + host + " antwortet nicht".
QString unansweredHostLine(const QString& host);

} // namespace td
