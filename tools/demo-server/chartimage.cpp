#include "chartimage.h"

#include "quotebook.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <QRandomGenerator>

#include <algorithm>

namespace td::demo {

namespace {

constexpr int kWidth = 300;
constexpr int kHeight = 150;
constexpr int kPoints = 60;
constexpr int kMargin = 18;

QByteArray pngBytes(const QImage& image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

} // namespace

QByteArray chartPng(const QString& symbol, double lastPrice)
{
    QRandomGenerator random(stableHash(symbol));
    QList<double> values(kPoints);
    double value = 100.0;
    for (double& v : values) {
        value *= 1.0 + (random.generateDouble() * 2.0 - 1.0) * 0.01;
        v = value;
    }
    if (lastPrice > 0) {
        const double scale = lastPrice / values.last();
        for (double& v : values)
            v *= scale;
    }
    const auto [low, high] = std::minmax_element(values.cbegin(), values.cend());
    const double span = std::max(*high - *low, 1e-9);

    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(0xe0, 0xe0, 0xe0));
    for (int y = kMargin; y < kHeight; y += 30)
        painter.drawLine(0, y, kWidth, y);

    QPolygonF line;
    const double plotHeight = kHeight - 2 * kMargin;
    for (int i = 0; i < kPoints; ++i) {
        const double x = i * (kWidth - 1.0) / (kPoints - 1);
        const double y = kMargin + plotHeight * (*high - values[i]) / span;
        line << QPointF(x, y);
    }
    painter.setPen(QPen(QColor(0x60, 0x60, 0xff), 1.5));
    painter.drawPolyline(line);

    painter.setPen(Qt::black);
    QFont font = painter.font();
    font.setPixelSize(11);
    painter.setFont(font);
    painter.drawText(4, 12, symbol.isEmpty() ? QStringLiteral("demo") : symbol);
    painter.drawText(QRect(0, kHeight - 14, kWidth - 4, 14), Qt::AlignRight, germanPrice(values.last()));
    painter.end();
    return pngBytes(image);
}

QByteArray bannerPng(int number)
{
    QImage image(414, 60, QImage::Format_RGB32);
    image.fill(QColor(0x40, 0x40, 0xaa));
    QPainter painter(&image);
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPixelSize(18);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(image.rect().adjusted(12, 0, -12, 0), Qt::AlignVCenter | Qt::AlignLeft,
                     QStringLiteral("Tickerdeck demo banner ") + QString::number(number));
    painter.end();
    return pngBytes(image);
}

} // namespace td::demo
