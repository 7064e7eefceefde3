#pragma once

#include <QByteArray>
#include <QString>

namespace td::demo {

// A small PNG line chart for a symbol. The curve's shape is fixed by the
// symbol; it ends at `lastPrice` when one is known (above 0).
QByteArray chartPng(const QString& symbol, double lastPrice);

// The update box's banner picture of a number.
QByteArray bannerPng(int number);

} // namespace td::demo
