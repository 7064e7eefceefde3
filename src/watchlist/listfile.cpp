#include "watchlist/listfile.h"

#include <QDir>

namespace td {

bool isSameListFile(const QString& a, const QString& b)
{
    const QString left = a.trimmed();
    const QString right = b.trimmed();
    return !left.isEmpty() && QDir::cleanPath(left) == QDir::cleanPath(right);
}

CloseStep closeStep(const ListFileState& list, int entryCount, const QString& pathBox)
{
    if (list.changed)
        return CloseStep::Ask;
    if (pathBox.trimmed().isEmpty())
        return CloseStep::Close;
    if (!isSameListFile(pathBox, list.origin.path))
        return entryCount > 0 ? CloseStep::Ask : CloseStep::Close;
    // Writing part of a file back would drop the rest.
    return list.origin.isPartial() ? CloseStep::Close : CloseStep::SaveSilently;
}

int linesLostBySave(const ListOrigin& origin, const QString& target)
{
    return isSameListFile(target, origin.path) ? origin.linesNotLoaded : 0;
}

ListFileState stateAfterLoad(const ListFileState& before, const QString& path, const LoadOutcome& load)
{
    if (!load.fileRead)
        return load.cleared ? ListFileState{} : before;
    return {{path.trimmed(), load.linesNotLoaded, load.readFailed}, load.entriesBefore > 0};
}

} // namespace td
