#pragma once

namespace td {

// Window coordinates are twips, 1,440 per inch at the screen's logical DPI.
int twipsToPx(double twips);
double pxToTwips(int px);

} // namespace td
