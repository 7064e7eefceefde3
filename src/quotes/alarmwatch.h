#pragma once

#include "quotes/evaluation.h"

#include <QSet>
#include <QString>

#include <optional>

namespace td {

// One desktop notification to send. entryId names the entry a click on it
// selects; 0 for the count at the end of a check.
struct AlarmNotice
{
    quint64 entryId = 0;
    QString summary;
    QString body;
    bool operator==(const AlarmNotice&) const = default;
};

// Remembers per entry whether its last evaluation found it past the alarm
// threshold, so that only the step into the alarm state notifies. The
// stop list has its own rules; this memory is separate and keyed by the
// entry's identity, not its position.
//
// Use: beginCheck() when a batch or background check starts, evaluated()
// after every evaluation (batch, background or selection), endCheck() when
// the check ends or is cancelled. Overlapping checks count as one: the
// limit and the count span until the last of them ends. An evaluation
// outside any check is a check of its own.
class AlarmWatch
{
public:
    static constexpr int kNoticesPerCheck = 5;

    void beginCheck();
    // The notice to send now, if the entry has just entered the alarm state
    // and the check has not used up its notices. The entry is result.entry.id
    // (0, an entry in no list, is never remembered nor notified).
    std::optional<AlarmNotice> evaluated(const EvaluationResult& result, const QString& thresholdText);
    // The count notice when more entries entered the alarm state in this
    // check than got a notice of their own.
    std::optional<AlarmNotice> endCheck();

    bool inAlarm(quint64 entryId) const { return m_inAlarm.contains(entryId); }

private:
    QSet<quint64> m_inAlarm;
    int m_openChecks = 0;
    int m_entered = 0; // entries that entered the alarm state in the open check
};

// "BMW  +7,17 %" and "Kurs 52,30 EUR · Tag +1,20 % · Schwelle ±7 %", the
// figures as the list shows them. Entry texts are escaped, as notification
// servers render a subset of HTML.
AlarmNotice alarmNotice(const WatchEntry& evaluated, const QString& thresholdText);
// "12 Werte haben die Alarmschwelle erreicht".
AlarmNotice alarmCountNotice(int count);

} // namespace td
