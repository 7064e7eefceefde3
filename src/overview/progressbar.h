#pragma once

#include "overview/progress.h"

#include <QElapsedTimer>
#include <QWidget>

#include <cstdint>

namespace td {

// The picture surface the batch check paints its progress on.
class ProgressBar : public QWidget
{
    Q_OBJECT
public:
    explicit ProgressBar(QWidget* parent = nullptr);

    // vDrawProgress: colour is 0xBBGGRR.
    void vDrawProgress(int value, std::uint32_t colour, const QString& caption, int maximum);
    // Clears the surface and prints a text where the percentage goes.
    void printText(const QString& text);
    QString shownText() const { return m_paint.text; }
    // Room for the longest percentage, "100%".
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    void progressDrawn(int value);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ProgressPaint m_paint;
    std::uint32_t m_colour = 0;
    QElapsedTimer m_sinceRepaint;
};

} // namespace td
