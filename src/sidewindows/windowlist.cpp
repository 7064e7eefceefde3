#include "sidewindows/windowlist.h"

namespace td {

int windowListStep(WindowListStep step, int selected, int count)
{
    if (count <= 0)
        return -1;
    const bool previous = step == WindowListStep::Previous;
    if (selected < 0 || selected >= count)
        return previous ? 0 : count - 1;
    if (previous)
        return selected > 0 ? selected - 1 : selected;
    return selected < count - 1 ? selected + 1 : selected;
}

} // namespace td
