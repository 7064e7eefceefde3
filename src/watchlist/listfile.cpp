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
    if (list.origin.isPartial())
        return CloseStep::Close;
    // Clearing the list is no change that asks, so an unasked save could
    // otherwise empty the file.
    return entryCount < list.origin.entries ? CloseStep::AskShrinking : CloseStep::SaveSilently;
}

int linesLostBySave(const ListOrigin& origin, const QString& target)
{
    return isSameListFile(target, origin.path) ? origin.linesNotLoaded : 0;
}

bool replacesOtherFile(const ListOrigin& origin, const QString& target, bool targetIsFile)
{
    return targetIsFile && !isSameListFile(target, origin.path);
}

ListFileState stateAfterLoad(const ListFileState& before, const QString& path, const LoadOutcome& load)
{
    if (!load.fileRead)
        return load.cleared ? ListFileState{} : before;
    return {{path.trimmed(), load.linesNotLoaded, load.readFailed, load.entriesRead}, load.entriesBefore > 0};
}

} // namespace td
