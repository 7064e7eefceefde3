#include "watchlist/listdocument.h"

#include "platform/busycursor.h"
#include "platform/eventpump.h"
#include "platform/programname.h"
#include "platform/textfile.h"
#include "watchlist/tickerfile.h"
#include "watchlist/watchlistmodel.h"

#include <QFile>
#include <QFileInfo>

namespace td {

namespace {
const QString kCrLf = QStringLiteral("\r\n");
const QString kThreeBlanks = QStringLiteral("   ");
const QString kTicFilter = QStringLiteral("Ticker-Dateien (*.tic)|*.tic|Alle Dateien (*.*)|*.*");
} // namespace

ListDocument::ListDocument(ListDocumentHost& host, Dialogs& dialogs, WatchListModel& items,
                           const QString& ticFolder, QObject* parent)
    : QObject(parent), m_host(host), m_dialogs(dialogs), m_items(items), m_ticFolder(ticFolder)
{
    connect(&m_items, &WatchListModel::checkToggled, this, [this] { setChanged(true); });
}

void ListDocument::setPath(const QString& path)
{
    if (path == m_path)
        return;
    m_path = path;
    emit pathChanged(m_path);
}

void ListDocument::setChanged(bool changed)
{
    if (changed == m_changed)
        return;
    m_changed = changed;
    emit changedChanged(m_changed);
}

DialogAnswer ListDocument::ask(const QString& path, const QString& question, DialogButtons buttons,
                               DialogIcon icon)
{
    return m_dialogs.message(
        {kProgramName,
         QStringLiteral("Die Datei") + kCrLf + kThreeBlanks + path + kThreeBlanks + kCrLf + question, buttons,
         icon});
}

void ListDocument::reportFileProblem(const QString& path, const QString& problem)
{
    ask(path, problem, DialogButtons::Ok, DialogIcon::Warning);
}

DialogAnswer ListDocument::askToSaveChanges(const QString& path)
{
    return m_dialogs.message({kProgramName,
                              QStringLiteral("Änderungen sind an der aktuellen Ansicht vorgenommen worden.") +
                                  kCrLf + QStringLiteral("Sollen diese Änderungen in der Datei '") + path +
                                  QStringLiteral("' gespeichert werden?"),
                              DialogButtons::YesNoCancel, DialogIcon::Question});
}

bool ListDocument::settleChangesBeforeLoad()
{
    // Only a load that clears the list first can lose what was not saved.
    if (!m_changed || !m_host.autoClear())
        return true;
    const QString own = m_origin.path;
    const DialogAnswer answer = askToSaveChanges(own);
    if (answer == DialogAnswer::Cancel)
        return false;
    if (answer == DialogAnswer::Yes) {
        const SaveResult saved = own.isEmpty() ? saveAs() : saveTo(own, true);
        if (saved == SaveResult::Failed || saved == SaveResult::NoPath)
            return false;
    }
    // Settled: the load that follows clears the list without asking again.
    setChanged(false);
    return true;
}

bool ListDocument::open(const QString& path)
{
    if (!settleChangesBeforeLoad())
        return false;
    setPath(path);
    load();
    return true;
}

void ListDocument::load()
{
    if (!settleChangesBeforeLoad())
        return;
    BusyCursor busy;
    LoadOutcome load;
    load.cleared = m_host.autoClear();
    m_host.startLoad(load.cleared);
    letEventsRun(2);
    const QString pathText = m_path;
    if (!pathText.isEmpty())
        readInto(pathText, load);
    const ListFileState after = stateAfterLoad({m_origin, m_changed}, pathText, load);
    m_origin = after.origin;
    setChanged(after.changed);
    emit loaded(load.fileRead);
}

void ListDocument::readInto(const QString& pathText, LoadOutcome& load)
{
    const QString path = pathText.trimmed();
    if (!QFileInfo(path).isFile()) {
        reportFileProblem(pathText, QStringLiteral("wurde nicht gefunden."));
        return;
    }
    m_host.showList();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        reportFileProblem(path, QStringLiteral("konnte nicht gelesen werden (%1).").arg(file.errorString()));
        return;
    }
    const QByteArray bytes = file.readAll();
    load.fileRead = true;
    load.readFailed = file.error() != QFileDevice::NoError;
    load.entriesBefore = m_items.size();
    TickerFileContent content = parseTickerFile(bytes, m_host.autoCheck(), kMaxEntries - m_items.size());
    load.entriesRead = static_cast<int>(content.entries.size());
    m_items.appendAll(std::move(content.entries));
    load.linesNotLoaded = content.linesOverLimit;
    if (content.linesOverLimit > 0) {
        reportFileProblem(path, QStringLiteral("enthält mehr Einträge, als eine Liste fassen kann "
                                               "(%1). %2 Zeilen wurden nicht geladen.")
                                    .arg(kMaxEntries)
                                    .arg(content.linesOverLimit));
    } else if (load.readFailed) {
        reportFileProblem(
            path, QStringLiteral("konnte nicht vollständig gelesen werden (%1).").arg(file.errorString()));
    }
}

ListDocument::SaveResult ListDocument::save()
{
    const QString path = m_path.trimmed();
    // Without a path there is nothing to write to and nothing to ask.
    if (path.isEmpty())
        return SaveResult::NoPath;
    return saveTo(path, true);
}

ListDocument::SaveResult ListDocument::saveTo(const QString& path, bool askBeforeCreating)
{
    BusyCursor busy;
    if (askBeforeCreating && !QFileInfo::exists(path) &&
        ask(path, QStringLiteral("existiert nicht. Datei anlegen?"), DialogButtons::YesNo,
            DialogIcon::Question) != DialogAnswer::Yes)
        return SaveResult::Declined;
    // A typed path may name another list; a save dialog has already asked before replacing.
    if (askBeforeCreating && replacesOtherFile(m_origin, path, QFileInfo(path).isFile())) {
        QFile other(path);
        const int held = other.open(QIODevice::ReadOnly) ? countTickerEntries(other.readAll()) : 0;
        const DialogAnswer answer = ask(
            path,
            QStringLiteral("gehört nicht zu dieser Liste und enthält %1 Einträge. Datei ersetzen?").arg(held),
            DialogButtons::YesNoDefaultNo, DialogIcon::Warning);
        if (answer != DialogAnswer::Yes)
            return SaveResult::NotReplaced;
    }
    if (const int lost = linesLostBySave(m_origin, path); lost > 0) {
        const DialogAnswer answer =
            ask(path,
                QStringLiteral("wurde nur zum Teil geladen. Beim Speichern gehen %1 Zeilen "
                               "der Datei verloren. Trotzdem speichern?")
                    .arg(lost),
                DialogButtons::YesNo, DialogIcon::Warning);
        if (answer != DialogAnswer::Yes)
            return SaveResult::Declined;
    }
    const TextFileResult result = writeFileAtomically(path, formatTickerFile(m_items.entries()));
    if (!result.ok) {
        reportFileProblem(path, QStringLiteral("konnte nicht gespeichert werden (%1).").arg(result.error));
        return SaveResult::Failed;
    }
    m_origin = {path, 0, false, m_items.size()};
    setChanged(false);
    return SaveResult::Saved;
}

ListDocument::SaveResult ListDocument::saveAs()
{
    const auto chosen = m_dialogs.saveFile({tr("Save ticker list"), m_ticFolder, kTicFilter});
    if (!chosen || chosen->trimmed().isEmpty())
        return SaveResult::NoPath;
    // The dialog itself asked before replacing a file.
    return saveTo(chosen->trimmed(), false);
}

void ListDocument::chooseAndOpen()
{
    const auto chosen = m_dialogs.openFile({tr("Open ticker list"), m_ticFolder, kTicFilter});
    if (chosen)
        open(chosen->trimmed());
}

bool ListDocument::isReadable(const QString& path)
{
    if (!QFileInfo(path).isFile()) {
        reportFileProblem(path, QStringLiteral("wurde nicht gefunden."));
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        reportFileProblem(path, QStringLiteral("konnte nicht gelesen werden (%1).").arg(file.errorString()));
        return false;
    }
    return true;
}

bool ListDocument::confirmClose()
{
    const QString box = m_path;
    switch (closeStep({m_origin, m_changed}, m_items.size(), box)) {
    case CloseStep::Close:
        return true;
    case CloseStep::SaveSilently:
        // An unchanged file is not written: a read-only list closes quietly.
        if (!fileHolds(m_origin.path, formatTickerFile(m_items.entries())))
            saveTo(m_origin.path, true);
        return true;
    case CloseStep::AskShrinking:
        return confirmShrinkingSave();
    case CloseStep::Ask:
        break;
    }
    const DialogAnswer answer = askToSaveChanges(box);
    if (answer != DialogAnswer::Yes)
        return answer == DialogAnswer::No;
    if (box.trimmed().isEmpty()) {
        const SaveResult saved = saveAs();
        if (saved == SaveResult::Saved)
            setPath(m_origin.path);
        // Cancelling the file dialog keeps the window and the list.
        return saved == SaveResult::Saved || saved == SaveResult::Declined;
    }
    // A save that failed keeps the window open, so the changes are not lost;
    // so does keeping another list's file.
    const SaveResult saved = save();
    return saved != SaveResult::Failed && saved != SaveResult::NotReplaced;
}

bool ListDocument::confirmShrinkingSave()
{
    const int lost = m_origin.entries - m_items.size();
    const DialogAnswer answer =
        ask(m_origin.path,
            QStringLiteral("enthält %1 Einträge, die Liste nur %2. Beim Speichern gehen %3 "
                           "Einträge der Datei verloren. Trotzdem speichern?")
                .arg(m_origin.entries)
                .arg(m_items.size())
                .arg(lost),
            DialogButtons::YesNo, DialogIcon::Warning);
    // No closes and leaves the file as it is.
    if (answer == DialogAnswer::Yes)
        saveTo(m_origin.path, true);
    return true;
}

} // namespace td
