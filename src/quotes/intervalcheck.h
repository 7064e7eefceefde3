#pragma once

#include <QString>

namespace td {

// An interval box's bounds in milliseconds, both accepted.
inline constexpr double kMinIntervalMs = 1000;
inline constexpr double kMaxIntervalMs = 60000;

// What an interval box does with the value read from its text. A refused
// value shows `refusal` and the box takes `replacement`, which passes.
struct IntervalCheck
{
    QString refusal; // empty: accepted
    QString replacement;
    bool accepted() const { return refusal.isEmpty(); }
};

// Over one minute and from just above 0 to below one second are refused: a
// timer that fires every few milliseconds keeps the program busy for
// nothing. 0, which an empty or non-numeric text reads as, stays: it switches
// the refresh and the page reload off. Negative values are taken as read.
IntervalCheck checkInterval(double ms);

} // namespace td
