#pragma once

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>

namespace td {

// All values are twips. The windows measure the text in pixels and convert.

// Where the info window opens: beside the mouse's last position over the list
// (sngLastX, sngLastY in list coordinates).
QPoint infoWindowAnchor(QPoint mainTopLeft, int listTop, QPointF last);

struct InfoWindowLayout
{
    QRect window;    // on the screen
    QRect dragStrip; // lbl_SourceForm, in the window
    QRect text;      // txt_Info, in the window
};

// The info window sized around its measured text and moved back onto the
// screen where it would pass the right or the bottom edge; a window larger
// than the screen keeps its top left corner visible.
InfoWindowLayout infoWindowLayout(QPoint anchor, QSize textSize, const QRect& screen);

struct HoverBoxLayout
{
    QRect box;         // fraToolTip, in list-parent coordinates
    QRect colourStrip; // picI, in the box
    QRect hiddenLabel; // lblToolTipHidden
    QRect text;        // txttooltip
};

// The hover box below and right of the mouse's last position.
HoverBoxLayout hoverBoxLayout(QPointF last, QSize textSize);

} // namespace td
