#include "platform/twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace td {

namespace {
double logicalDpi()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return screen->logicalDotsPerInch();
    return 96.0;
}
} // namespace

int twipsToPx(double twips)
{
    return static_cast<int>(std::lround(twips * logicalDpi() / 1440.0));
}

double pxToTwips(int px)
{
    return px * 1440.0 / logicalDpi();
}

} // namespace td
