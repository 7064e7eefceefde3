// Loading, saving and switching ticker-list files, and the close question.
#include "platform/busycursor.h"
#include "platform/eventpump.h"
#include "platform/textfile.h"
#include "shell/mainwindow.h"
#include "watchlist/tickerfile.h"
#include "watchlist/watchlistmodel.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeView>

namespace td {

namespace {
const QString kCrLf = QStringLiteral("\r\n");
const QString kThreeBlanks = QStringLiteral("   ");
} // namespace

void MainWindow::connectListFile()
{
    connect(m_ui.cmdLoadList, &QPushButton::clicked, this, &MainWindow::vLoadList);
    connect(m_ui.cmdSaveList, &QPushButton::clicked, this, [this] { vSaveList(); });
    connect(m_ui.cmdTickerFile, &QPushButton::clicked, this, &MainWindow::vChooseFile);
    connect(m_ui.txt_TickerFile, &QLineEdit::textChanged, this, &MainWindow::onPathChanged);
    onPathChanged(m_ui.txt_TickerFile->text());
    connect(m_ui.cboSwitchTICList, &QComboBox::activated, this, &MainWindow::onSwitchListChosen);
    connect(m_ui.cmdSwitchTIC, &QPushButton::clicked, this, [this] {
        const QPoint at = m_ui.cmdSwitchTIC->mapToGlobal(QPoint(0, m_ui.cmdSwitchTIC->height()));
        m_ui.mnuTIC->popup(at);
    });
    connect(m_ui.mnuTIC, &QMenu::triggered, this, &MainWindow::onTicMenuItem);
    connect(m_items, &WatchListModel::checkToggled, this, [this] { m_state.bListChanged = true; });
    // Load clears through cmdClear[0], so the editing commands are wired with the file.
    connectEditing();
}

QString MainWindow::ticFolder() const
{
    return m_platform.programDir + QStringLiteral("/tic");
}

QString MainWindow::defaultTickerFile() const
{
    return ticFolder() + QStringLiteral("/default.tic");
}

int MainWindow::currentRow() const
{
    return m_items->rowOfId(m_session.oCurrentEntry);
}

void MainWindow::setCurrentRow(int row)
{
    m_session.oCurrentEntry = (row >= 0 && row < m_items->size()) ? m_items->entry(row).id : 0;
}

void MainWindow::onPathChanged(const QString& text)
{
    const bool any = !text.isEmpty();
    m_ui.cmdLoadList->setEnabled(any);
    m_ui.cmdSaveList->setEnabled(any);
}

void MainWindow::reportFileProblem(const QString& path, const QString& problem)
{
    m_platform.dialogs.message(
        {kProgramName,
         QStringLiteral("Die Datei") + kCrLf + kThreeBlanks + path + kThreeBlanks + kCrLf + problem,
         DialogButtons::Ok, DialogIcon::Warning});
}

DialogAnswer MainWindow::askToSaveChanges(const QString& path)
{
    return m_platform.dialogs.message(
        {kProgramName,
         QStringLiteral("Änderungen sind an der aktuellen Ansicht vorgenommen worden.") + kCrLf +
             QStringLiteral("Sollen diese Änderungen in der Datei '") + path +
             QStringLiteral("' gespeichert werden?"),
         DialogButtons::YesNoCancel, DialogIcon::Question});
}

bool MainWindow::settleChangesBeforeLoad()
{
    // Only a load that clears the list first can lose what was not saved.
    if (!m_state.bListChanged || !m_ui.chkAutoClear->isChecked())
        return true;
    const QString own = m_state.listOrigin.path;
    const DialogAnswer answer = askToSaveChanges(own);
    if (answer == DialogAnswer::Cancel)
        return false;
    if (answer == DialogAnswer::Yes) {
        const SaveResult saved = own.isEmpty() ? saveListAs() : saveListTo(own, true);
        if (saved == SaveResult::Failed || saved == SaveResult::NoPath)
            return false;
    }
    // Settled: the load that follows clears the list without asking again.
    m_state.bListChanged = false;
    return true;
}

void MainWindow::vLoadList()
{
    if (!settleChangesBeforeLoad())
        return;
    BusyCursor busy;
    m_session.oCurrentEntry = 0;
    LoadOutcome load;
    load.cleared = m_ui.chkAutoClear->isChecked();
    if (load.cleared)
        m_ui.cmdClear[0]->click();
    const bool autoCheck = m_ui.chkAutoCheck->isChecked();
    letEventsRun(2);

    const QString pathText = m_ui.txt_TickerFile->text();
    if (!pathText.isEmpty()) {
        const QString path = pathText.trimmed();
        if (!QFileInfo(path).isFile()) {
            reportFileProblem(pathText, QStringLiteral("wurde nicht gefunden."));
        } else {
            m_ui.tabData->setCurrentIndex(0);
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly)) {
                reportFileProblem(
                    path, QStringLiteral("konnte nicht gelesen werden (%1).").arg(file.errorString()));
            } else {
                const QByteArray bytes = file.readAll();
                load.fileRead = true;
                load.readFailed = file.error() != QFileDevice::NoError;
                load.entriesBefore = m_items->size();
                TickerFileContent content = parseTickerFile(bytes, autoCheck, kMaxEntries - m_items->size());
                load.entriesRead = static_cast<int>(content.entries.size());
                m_items->appendAll(std::move(content.entries));
                load.linesNotLoaded = content.linesOverLimit;
                if (content.linesOverLimit > 0) {
                    reportFileProblem(path,
                                      QStringLiteral("enthält mehr Einträge, als eine Liste fassen kann "
                                                     "(%1). %2 Zeilen wurden nicht geladen.")
                                          .arg(kMaxEntries)
                                          .arg(content.linesOverLimit));
                } else if (load.readFailed) {
                    reportFileProblem(path, QStringLiteral("konnte nicht vollständig gelesen werden (%1).")
                                                .arg(file.errorString()));
                }
            }
        }
    }
    const ListFileState after = stateAfterLoad({m_state.listOrigin, m_state.bListChanged}, pathText, load);
    m_state.listOrigin = after.origin;
    m_state.bListChanged = after.changed;

    // The first entry becomes current only when a file was read; the move
    // buttons, the chart selection and the panes follow even an empty list,
    // so nothing of the previous list stays on show.
    if (load.fileRead && m_items->size() > 0)
        setCurrentRow(0);
    const int row = currentRow();
    applyMoveButtonStates(row < 0 ? MoveButtonStates{} : moveButtonStates(row + 1, m_items->size()));
    const WatchEntry current = row < 0 ? WatchEntry{} : m_items->entry(row);
    m_session.selection.setTexts(current.columns[ColName], current.columns[ColTicker],
                                 current.columns[ColPlace], current.columns[ColWkn],
                                 current.columns[ColIsin]);
    vShowMainChart(m_session.bytHistoryChoice);
    if (!m_state.bFirstActivate && m_ui.chkAutoGetOnlineQuotes->isChecked() && m_items->size() > 0)
        startBatchCheck();
}

MainWindow::SaveResult MainWindow::vSaveList()
{
    const QString path = m_ui.txt_TickerFile->text().trimmed();
    // Without a path there is nothing to write to and nothing to ask.
    if (path.isEmpty())
        return SaveResult::NoPath;
    return saveListTo(path, true);
}

MainWindow::SaveResult MainWindow::saveListTo(const QString& path, bool askBeforeCreating)
{
    BusyCursor busy;
    if (askBeforeCreating && !QFileInfo::exists(path)) {
        const DialogAnswer answer = m_platform.dialogs.message(
            {kProgramName,
             QStringLiteral("Die Datei") + kCrLf + kThreeBlanks + path + kThreeBlanks + kCrLf +
                 QStringLiteral("existiert nicht. Datei anlegen?"),
             DialogButtons::YesNo, DialogIcon::Question});
        if (answer != DialogAnswer::Yes)
            return SaveResult::Declined;
    }
    // A path typed into the box may name another list; a save dialog has
    // already asked before replacing.
    if (askBeforeCreating && replacesOtherFile(m_state.listOrigin, path, QFileInfo(path).isFile())) {
        QFile other(path);
        const int held = other.open(QIODevice::ReadOnly) ? countTickerEntries(other.readAll()) : 0;
        const DialogAnswer answer = m_platform.dialogs.message(
            {kProgramName,
             QStringLiteral("Die Datei") + kCrLf + kThreeBlanks + path + kThreeBlanks + kCrLf +
                 QStringLiteral("gehört nicht zu dieser Liste und enthält %1 Einträge. Datei ersetzen?")
                     .arg(held),
             DialogButtons::YesNoDefaultNo, DialogIcon::Warning});
        if (answer != DialogAnswer::Yes)
            return SaveResult::NotReplaced;
    }
    if (const int lost = linesLostBySave(m_state.listOrigin, path); lost > 0) {
        const DialogAnswer answer = m_platform.dialogs.message(
            {kProgramName,
             QStringLiteral("Die Datei") + kCrLf + kThreeBlanks + path + kThreeBlanks + kCrLf +
                 QStringLiteral("wurde nur zum Teil geladen. Beim Speichern gehen %1 Zeilen der Datei "
                                "verloren. Trotzdem speichern?")
                     .arg(lost),
             DialogButtons::YesNo, DialogIcon::Warning});
        if (answer != DialogAnswer::Yes)
            return SaveResult::Declined;
    }
    const TextFileResult result = writeFileAtomically(path, formatTickerFile(m_items->entries()));
    if (!result.ok) {
        reportFileProblem(path, QStringLiteral("konnte nicht gespeichert werden (%1).").arg(result.error));
        return SaveResult::Failed;
    }
    m_state.listOrigin = {path, 0, false, m_items->size()};
    m_state.bListChanged = false;
    return SaveResult::Saved;
}

MainWindow::SaveResult MainWindow::saveListAs()
{
    const auto chosen =
        m_platform.dialogs.saveFile({tr("Save ticker list"), ticFolder(),
                                     QStringLiteral("Ticker-Dateien (*.tic)|*.tic|Alle Dateien (*.*)|*.*")});
    if (!chosen || chosen->trimmed().isEmpty())
        return SaveResult::NoPath;
    // The dialog itself asked before replacing a file.
    return saveListTo(chosen->trimmed(), false);
}

void MainWindow::vChooseFile()
{
    const auto chosen =
        m_platform.dialogs.openFile({tr("Open ticker list"), ticFolder(),
                                     QStringLiteral("Ticker-Dateien (*.tic)|*.tic|Alle Dateien (*.*)|*.*")});
    if (chosen)
        switchToList(chosen->trimmed());
}

bool MainWindow::switchToList(const QString& path)
{
    if (!settleChangesBeforeLoad())
        return false;
    m_ui.txt_TickerFile->setText(path);
    vLoadList();
    return true;
}

void MainWindow::openListFile(const QString& path)
{
    // A file that cannot be read leaves the shown list, and the list the
    // next start loads, as they are.
    if (!QFileInfo(path).isFile()) {
        reportFileProblem(path, QStringLiteral("wurde nicht gefunden."));
        return;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        reportFileProblem(path, QStringLiteral("konnte nicht gelesen werden (%1).").arg(file.errorString()));
        return;
    }
    file.close();
    if (m_state.bFirstActivate) {
        // Not yet activated: this is the list the activation loads.
        m_ui.txt_TickerFile->setText(path);
        m_state.bLoadOnActivate = true;
        return;
    }
    switchToList(path);
}

void MainWindow::vScanTicFolder()
{
    m_ui.cboSwitchTICList->clear();
    m_ui.cboSwitchTICListPath->clear();
    m_ui.cboSwitchTICList->addItem(QStringLiteral("select tic-file"));
    m_ui.cboSwitchTICListPath->addItem(QStringLiteral("select tic-file"));
    m_ui.mnuTIC->clear();

    const QDir folder(ticFolder());
    const QStringList names = folder.entryList(QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    const QString currentPath = m_ui.txt_TickerFile->text();
    for (const QString& name : names) {
        if (!name.right(3).startsWith(QStringLiteral("tic"), Qt::CaseInsensitive) || name.size() < 3)
            continue;
        const QString display = name.left(name.size() - 4);
        const QString fullPath = folder.path() + u'/' + name;
        QAction* item = m_ui.mnuTIC->addAction(display);
        item->setObjectName(QStringLiteral("mnuTIC1"));
        item->setData(fullPath);
        item->setCheckable(true);
        item->setChecked(fullPath == currentPath);
        m_ui.cboSwitchTICList->addItem(display);
        m_ui.cboSwitchTICListPath->addItem(fullPath);
    }
    m_ui.cboSwitchTICList->setCurrentIndex(0);
    m_ui.cboSwitchTICListPath->setCurrentIndex(0);
}

void MainWindow::onSwitchListChosen(int position)
{
    if (m_state.bFirstActivate || position <= 0)
        return;
    if (!settleChangesBeforeLoad()) {
        m_ui.cboSwitchTICList->setCurrentIndex(0); // the shown list stays
        return;
    }
    m_ui.cboSwitchTICListPath->setCurrentIndex(position);
    m_ui.txt_TickerFile->setText(m_ui.cboSwitchTICListPath->itemText(position).trimmed());
    vLoadList();
}

void MainWindow::onTicMenuItem(QAction* action)
{
    if (!settleChangesBeforeLoad()) {
        action->setChecked(!action->isChecked());
        return;
    }
    m_ui.txt_TickerFile->setText(action->data().toString());
    vLoadList();
    const auto items = m_ui.mnuTIC->actions();
    for (QAction* other : items) {
        if (other != action)
            other->setChecked(false);
    }
}

bool MainWindow::confirmClose()
{
    const QString box = m_ui.txt_TickerFile->text();
    switch (closeStep({m_state.listOrigin, m_state.bListChanged}, m_items->size(), box)) {
    case CloseStep::Close:
        return true;
    case CloseStep::SaveSilently:
        // An unchanged file is not written: a read-only list closes quietly.
        if (!fileHolds(m_state.listOrigin.path, formatTickerFile(m_items->entries())))
            saveListTo(m_state.listOrigin.path, true);
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
        const SaveResult saved = saveListAs();
        if (saved == SaveResult::Saved)
            m_ui.txt_TickerFile->setText(m_state.listOrigin.path);
        // Cancelling the file dialog keeps the window and the list.
        return saved == SaveResult::Saved || saved == SaveResult::Declined;
    }
    // A save that failed keeps the window open, so the changes are not lost;
    // so does keeping another list's file.
    const SaveResult saved = vSaveList();
    return saved != SaveResult::Failed && saved != SaveResult::NotReplaced;
}

bool MainWindow::confirmShrinkingSave()
{
    const ListOrigin& own = m_state.listOrigin;
    const int lost = own.entries - m_items->size();
    const DialogAnswer answer = m_platform.dialogs.message(
        {kProgramName,
         QStringLiteral("Die Datei") + kCrLf + kThreeBlanks + own.path + kThreeBlanks + kCrLf +
             QStringLiteral("enthält %1 Einträge, die Liste nur %2. Beim Speichern gehen %3 Einträge der "
                            "Datei verloren. Trotzdem speichern?")
                 .arg(own.entries)
                 .arg(m_items->size())
                 .arg(lost),
         DialogButtons::YesNo, DialogIcon::Warning});
    // No closes and leaves the file as it is.
    if (answer == DialogAnswer::Yes)
        saveListTo(own.path, true);
    return true;
}

} // namespace td
