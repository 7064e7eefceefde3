#include "sidewindows/infolayout.h"

#include <algorithm>
#include <cmath>

namespace td {

namespace {
constexpr int kInfoOffset = 550;
} // namespace

QPoint infoWindowAnchor(QPoint mainTopLeft, int listTop, QPointF last)
{
    return {mainTopLeft.x() + static_cast<int>(std::lround(last.x())) + kInfoOffset,
            mainTopLeft.y() + listTop + static_cast<int>(std::lround(last.y())) + kInfoOffset};
}

InfoWindowLayout infoWindowLayout(QPoint anchor, QSize textSize, const QRect& screen)
{
    const int w = textSize.width() + 340;
    const int h = textSize.height() + 30;
    int left = anchor.x();
    int top = anchor.y();
    // Right and bottom first, then left and top, so an oversized window keeps its start in view.
    left = std::max(std::min(left, screen.x() + screen.width() - w), screen.x());
    top = std::max(std::min(top, screen.y() + screen.height() - h), screen.y());
    return {QRect(left, top, w, h), QRect(0, 0, 190, h), QRect(260, 0, w - 270, h - 10)};
}

HoverBoxLayout hoverBoxLayout(QPointF last, QSize textSize)
{
    const int w = textSize.width() + 30;
    const int h = textSize.height() + 30;
    const QPoint at(static_cast<int>(std::lround(last.x())) + 740,
                    static_cast<int>(std::lround(last.y())) + 1140);
    return {QRect(at, QSize(w + 210, h + 30)), QRect(10, 10, 140, h), QRect(10, 10, w + 180, h),
            QRect(190, 30, w, h - 20)};
}

} // namespace td
