#pragma once

#include <QString>

namespace td {

// What a preview window asks of the main window. Window ids are the
// window's own numbers, the tags of its window-list entry.
class PreviewHost
{
public:
    virtual ~PreviewHost() = default;
    // Makes the watch-list entry at `position` (from 1) current, selects and
    // scrolls to it, and runs vSelectItem with 1.
    virtual void selectEntryForPreview(int position) = 0;
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
