#include "overview/previewsettings.h"

#include "platform/amount.h"

#include <cmath>

namespace td {

namespace {

struct GeometryKeys
{
    QString prefix;
    double width;
    double height;
};

GeometryKeys keysFor(bool indexWindow)
{
    if (indexWindow)
        return {QStringLiteral("HTMPreviewSmall_"), 2820, 2800};
    return {QStringLiteral("HTMPreview_"), 7215, 8145};
}

double coordinate(const SettingsStore& store, const QString& key, double fallback)
{
    const auto value = parseGerman(store.read(key, QString::number(fallback)));
    return value ? std::fabs(value->toDouble()) : fallback;
}

double extent(const SettingsStore& store, const QString& key, double fallback)
{
    const auto value = parseGerman(store.read(key, QString::number(fallback)));
    return value && !value->isNegative() && !value->isZero() ? value->toDouble() : fallback;
}

QString wholeTwips(double value)
{
    return QString::number(std::lround(value));
}

} // namespace

QString loadBoxKey(int tab)
{
    return QStringLiteral("chkLoad") + QString::number(tab);
}

LoadBoxes readLoadBoxes(const SettingsStore& store)
{
    LoadBoxes checked{};
    for (int k = 0; k < kTabCount; ++k) {
        const auto value = parseGerman(store.read(loadBoxKey(k), QStringLiteral("0")));
        checked[k] = value && *value == Amount::fromInt(1);
    }
    return checked;
}

void writeLoadBoxes(SettingsStore& store, const LoadBoxes& checked)
{
    for (int k = 0; k < kTabCount; ++k)
        store.write(loadBoxKey(k), checked[k] ? QStringLiteral("1") : QStringLiteral("0"));
}

TwipsRect readPreviewGeometry(const SettingsStore& store, bool indexWindow)
{
    const GeometryKeys keys = keysFor(indexWindow);
    return {coordinate(store, keys.prefix + QStringLiteral("left"), 0),
            coordinate(store, keys.prefix + QStringLiteral("top"), 0),
            extent(store, keys.prefix + QStringLiteral("width"), keys.width),
            extent(store, keys.prefix + QStringLiteral("height"), keys.height)};
}

void writePreviewGeometry(SettingsStore& store, bool indexWindow, const TwipsRect& geometry)
{
    const GeometryKeys keys = keysFor(indexWindow);
    store.write(keys.prefix + QStringLiteral("left"), wholeTwips(geometry.left));
    store.write(keys.prefix + QStringLiteral("top"), wholeTwips(geometry.top));
    store.write(keys.prefix + QStringLiteral("width"),
                indexWindow ? QStringLiteral("2825") : wholeTwips(geometry.width));
    store.write(keys.prefix + QStringLiteral("height"),
                indexWindow ? QStringLiteral("2800") : wholeTwips(geometry.height));
}

QRect placedOnScreen(const QRect& window, const QList<QRect>& screens)
{
    if (screens.isEmpty())
        return window;
    for (const QRect& screen : screens) {
        if (screen.contains(window.topLeft()))
            return window;
    }
    const QRect& screen = screens.first();
    QRect placed(window.topLeft(), window.size().boundedTo(screen.size()));
    placed.moveLeft(qBound(screen.left(), placed.left(), screen.right() - placed.width() + 1));
    placed.moveTop(qBound(screen.top(), placed.top(), screen.bottom() - placed.height() + 1));
    return placed;
}

RollStep rollStep(const QString& tag)
{
    if (tag == kRollDownTag)
        return {QStringLiteral("-1"), kIndexRolledUpTwips, false, false};
    return {kRollDownTag, kIndexRolledDownTwips, true, true};
}

} // namespace td
