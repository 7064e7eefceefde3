#pragma once

#include "platform/dialogs.h"
#include "watchlist/listfile.h"

#include <QObject>
#include <QString>

namespace td {

class WatchListModel;

// What loading needs of the window that shows the list.
class ListDocumentHost
{
public:
    virtual bool autoClear() const = 0;
    virtual bool autoCheck() const = 0;
    // No entry is current any more; `clear` empties the list as the clear command does.
    virtual void startLoad(bool clear) = 0;
    // The file was found: the list's tab comes to the front.
    virtual void showList() = 0;

protected:
    ~ListDocumentHost() = default;
};

// The watch list's file: its path (what the path box shows and the user may
// type), the file the list belongs to, whether the list differs from it, and
// the steps that load and save it under the questions that keep nothing lost.
class ListDocument : public QObject
{
    Q_OBJECT
public:
    enum class SaveResult
    {
        Saved,
        NoPath,
        Declined,
        NotReplaced, // the target is another list's file and stays
        Failed
    };

    ListDocument(ListDocumentHost& host, Dialogs& dialogs, WatchListModel& items, const QString& ticFolder,
                 QObject* parent = nullptr);

    QString path() const { return m_path; }
    void setPath(const QString& path);
    bool isChanged() const { return m_changed; }
    void setChanged(bool changed);
    const ListOrigin& origin() const { return m_origin; }
    QString ticFolder() const { return m_ticFolder; }

    // Loads the file the path names, after settling unsaved changes.
    void load();
    SaveResult save();
    // The path becomes `path` and that file is loaded; false when the user
    // kept the shown list.
    bool open(const QString& path);
    // The "..." chooser: a file of the tic folder, opened.
    void chooseAndOpen();
    // A file handed over from outside: false, after saying so, when it cannot be read.
    bool isReadable(const QString& path);
    // The close question; false keeps the window open.
    bool confirmClose();

signals:
    void pathChanged(const QString& path);
    void changedChanged(bool changed);
    // A load ran; `fileRead` when the file was opened.
    void loaded(bool fileRead);

private:
    // Before a load clears unsaved changes: false when the user keeps them.
    bool settleChangesBeforeLoad();
    void readInto(const QString& pathText, LoadOutcome& load);
    SaveResult saveTo(const QString& path, bool askBeforeCreating);
    SaveResult saveAs();
    bool confirmShrinkingSave();
    void reportFileProblem(const QString& path, const QString& problem);
    DialogAnswer askToSaveChanges(const QString& path);
    DialogAnswer ask(const QString& path, const QString& question, DialogButtons buttons, DialogIcon icon);

    ListDocumentHost& m_host;
    Dialogs& m_dialogs;
    WatchListModel& m_items;
    QString m_ticFolder;
    QString m_path;
    ListOrigin m_origin;
    bool m_changed = false;
};

} // namespace td
