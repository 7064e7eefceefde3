#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace td {

// The user's link files in the tic folder and the menus they fill.
struct LinkMenuSpec
{
    QString fileName;      // "links.intern"
    QString button;        // cmdBenefits
    QString buttonToolTip; // empty when the button has none
    QString menu;          // mnuLINKS
    QString menuCaption;   // "LINKS"
    QString editItem;      // mnuLINKSEdit, the menu's first item
};

inline const QString kEditMenuCaption = QStringLiteral("{edit menu}");

const LinkMenuSpec& internLinks();
const LinkMenuSpec& ownLinks();

// programDir + "/tic/" + file name, without a doubled "/" at a root folder.
QString linkFilePath(const QString& programDir, const LinkMenuSpec& menu);

// A click on a link item: grow the window as the quick search does
// (grownWindowHeight), set the resources pane silent and navigate it to the
// item's address.
struct LinkItem
{
    QString caption; // field 1, as it stands (double "&" for a QMenu)
    QString address; // field 2, as it stands
    bool valid = false;
};

struct LinkFile
{
    // One item per line in file order. An invalid line's item is there but
    // empty: the menu shows it without caption or action.
    QList<LinkItem> items;
    QList<int> invalidLines; // 1-based, ascending: one message each
};

// windows-1252 bytes, lines ending in CR LF or LF, fields split at ";".
// A line is valid when fields 1 and 2 are not empty and field 2 is an
// address the pane may open (isLinkAddressAllowed); further fields are
// ignored.
LinkFile parseLinkFile(const QByteArray& bytes);

// A web address (http, https), an "about:" document or a local file. Script
// addresses and other schemes are refused: a shared link file must not run
// code in the pane.
bool isLinkAddressAllowed(const QString& address);

// Reads the file afresh; none when it is missing or not a readable file.
std::optional<LinkFile> readLinkFile(const QString& path);

// "Cant find file /tic/links.intern"
QString missingLinkFileMessage(const LinkMenuSpec& menu);
// "Error in file: " + path + CR LF + "Line: 3" + CR LF
QString invalidLinkLineMessage(const QString& path, int line);
// "{edit menu}" opens the file with the desktop's default application for
// it; this is shown when that fails.
QString linkEditorFailedMessage(const QString& path);

} // namespace td
