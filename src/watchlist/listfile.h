#pragma once

#include <QString>

namespace td {

// The file the shown list belongs to: the one it was loaded from or last
// saved to. Only that file is ever written without asking.
struct ListOrigin
{
    QString path;           // empty: the list belongs to no file
    int linesNotLoaded = 0; // lines of that file past the entry limit
    bool readFailed = false;
    int entries = 0; // entries the file held when read or last written
    bool isPartial() const { return linesNotLoaded > 0 || readFailed; }
};

struct ListFileState
{
    ListOrigin origin;
    bool changed = false; // bListChanged
};

// Both texts name the same file, blanks around them and "." steps aside.
bool isSameListFile(const QString& a, const QString& b);

enum class CloseStep
{
    Close,        // nothing to write
    SaveSilently, // write the list back to its own file
    Ask,          // the close question, naming the path box
    AskShrinking, // the silent save would write fewer entries than the file holds
};

// What closing the window does with the list. The silent save writes only
// to the list's own file and only while the path box still names it.
CloseStep closeStep(const ListFileState& list, int entryCount, const QString& pathBox);

// Lines of the list's own file that writing the list to `target` drops.
int linesLostBySave(const ListOrigin& origin, const QString& target);

// Writing to `target` replaces a file the list does not belong to: ask first.
bool replacesOtherFile(const ListOrigin& origin, const QString& target, bool targetIsFile);

struct LoadOutcome
{
    bool cleared = false;  // AutoClear emptied the list first
    bool fileRead = false; // the file was opened (and read whole or in part)
    int entriesBefore = 0; // entries the file's were appended to
    int entriesRead = 0;
    int linesNotLoaded = 0;
    bool readFailed = false;
};

// The list's file and changed flag after loading `path`. A list made of the
// file alone is unchanged; one appended to other entries differs from it.
ListFileState stateAfterLoad(const ListFileState& before, const QString& path, const LoadOutcome& load);

} // namespace td
