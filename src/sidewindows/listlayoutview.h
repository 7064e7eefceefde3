#pragma once

#include "sidewindows/panelayout.h"

class QPushButton;
class QTreeView;

namespace td {

// Puts the main list into a layout: its width, its columns (figures wide
// enough for "-100,00", amounts for "-10.000,00", in the list's own font and
// in bold too) and the layout button's tag and caption.
void applyListLayout(QTreeView* list, QPushButton* layoutButton, const ListLayout& layout);

} // namespace td
