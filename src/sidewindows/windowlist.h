#pragma once

namespace td {

enum class WindowListStep
{
    Previous = 0, // lblHTMWindowNavi(0)
    Next = 1,
};

// The 0-based item a navigation label takes from the selected item (-1 for
// none) among `count` items: previous from none is the first item, next from
// none the last; the ends keep the selection. -1 for an empty list.
int windowListStep(WindowListStep step, int selected, int count);

} // namespace td
