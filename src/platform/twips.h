#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace td {

// Window coordinates are twips, 1,440 per inch at the screen's logical DPI.
int twipsToPx(double twips);
double pxToTwips(int px);

inline QSize twipsSize(double w, double h)
{
    return {twipsToPx(w), twipsToPx(h)};
}
inline QRect twipsRect(double left, double top, double w, double h)
{
    return {twipsToPx(left), twipsToPx(top), twipsToPx(w), twipsToPx(h)};
}

} // namespace td
