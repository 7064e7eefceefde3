#pragma once

#include "watchlist/watchentry.h"

#include <QList>
#include <QString>

namespace td {

// What a preview window asks of the main window. Window ids are the
// window's own numbers, the tags of its window-list entry. Everything is
// asked when needed, so the window follows the main window as it is now.
class PreviewHost
{
public:
    virtual ~PreviewHost() = default;
    // The text of txtAutoReload as it stands.
    virtual QString autoReloadText() const = 0;
    // The watch list in list order, for the stock chooser.
    virtual QList<WatchEntry> watchEntries() const = 0;
    // The id of the entry last selected in the main window (iSelectedIndex);
    // 0 for none.
    virtual quint64 lastSelectedEntry() const = 0;
    // Makes the watch-list entry with this id current, selects and scrolls
    // to it, and runs vSelectItem with 1; nothing when it has left the list.
    virtual void selectEntryForPreview(quint64 entryId) = 0;
    // The resources pane's current address (LocationURL).
    virtual QString resourcesAddress() const = 0;
    virtual void addWindowEntry(int windowId, const QString& caption) = 0;
    // Sets the caption, selects the entry and scrolls it into view; nothing
    // when the window has no entry.
    virtual void updateWindowEntry(int windowId, const QString& caption) = 0;
    // Returns how many entries remain.
    virtual int removeWindowEntry(int windowId) = 0;
    // The mobile option from setting "Mobile", once no preview is left.
    virtual void restoreMobileOption() = 0;
};

} // namespace td
