#include "overview/progressbar.h"

#include "platform/twips.h"
#include "watchlist/watchlistmodel.h"

#include <QPainter>

namespace td {

ProgressBar::ProgressBar(QWidget* parent) : QWidget(parent)
{
    setMinimumHeight(18);
}

void ProgressBar::vDrawProgress(int value, std::uint32_t colour, const QString& caption, int maximum)
{
    m_colour = colour;
    m_paint = progressPaint(value, maximum, width(), caption);
    // Fast pages would repaint the bar more often than anyone sees it; the
    // start and the end are always shown.
    constexpr qint64 kFrameMs = 40;
    if (value <= 0 || value >= maximum || !m_sinceRepaint.isValid() || m_sinceRepaint.elapsed() >= kFrameMs) {
        update();
        m_sinceRepaint.start();
    }
    Q_EMIT progressDrawn(value);
}

void ProgressBar::printText(const QString& text)
{
    m_paint = ProgressPaint{0, text};
    update();
}

QSize ProgressBar::minimumSizeHint() const
{
    return {twipsToPx(90) + fontMetrics().horizontalAdvance(QStringLiteral("100%")) + 2, minimumHeight()};
}

void ProgressBar::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (m_paint.fillWidth > 1)
        p.fillRect(QRect(QPoint(1, 1), QPoint(m_paint.fillWidth, height())), toQColor(m_colour));
    if (!m_paint.text.isEmpty()) {
        p.setPen(Qt::black);
        p.drawText(QPoint(twipsToPx(90), twipsToPx(30) + fontMetrics().ascent()), m_paint.text);
    }
}

} // namespace td
