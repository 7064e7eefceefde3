#pragma once

#include <QPushButton>

namespace td {

// A main-window button under its control name. Return in a text box never
// presses one by default.
inline QPushButton* button(const QString& name, const QString& caption, QWidget* parent,
                           const QString& toolTip = {})
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    if (!toolTip.isEmpty())
        b->setToolTip(toolTip);
    return b;
}

} // namespace td
