#pragma once

#include <QString>

namespace td {

struct ProgressPaint
{
    int fillWidth = 0; // the box runs from x 1 to this x
    QString text;      // printed at (90, 30); empty for a value of 0 or less
};

// The progress painter's arithmetic: x = floor(value / (maximum / width)).
ProgressPaint progressPaint(int value, int maximum, int surfaceWidth, const QString& caption);

} // namespace td
