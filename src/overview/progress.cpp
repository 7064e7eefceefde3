#include "overview/progress.h"

#include <cmath>

namespace td {

ProgressPaint progressPaint(int value, int maximum, int surfaceWidth, const QString& caption)
{
    ProgressPaint paint;
    if (maximum != 0 && surfaceWidth > 0) {
        const double step = static_cast<double>(maximum) / surfaceWidth;
        paint.fillWidth = static_cast<int>(std::floor(value / step));
    }
    if (value > 0)
        paint.text = QString::number(value) + u'%' + caption;
    return paint;
}

} // namespace td
