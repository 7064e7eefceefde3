// The list file's controls: the path box and its commands, the switch
// chooser and the tic menu, all views of the list document.
#include "shell/mainwindow.h"
#include "watchlist/listdocument.h"
#include "watchlist/watchlistmodel.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>

namespace td {

void MainWindow::connectListFile()
{
    m_listDocument = new ListDocument(*this, m_platform.dialogs, *m_items, ticFolder(), this);
    m_listDocument->setObjectName(QStringLiteral("listDocument"));
    // The box shows the document's path; a path the user types is the one load and save use.
    connect(m_listDocument, &ListDocument::pathChanged, m_ui.txt_TickerFile, [this](const QString& path) {
        if (m_ui.txt_TickerFile->text() != path) // typing keeps its cursor
            m_ui.txt_TickerFile->setText(path);
    });
    connect(m_ui.txt_TickerFile, &QLineEdit::textChanged, m_listDocument, &ListDocument::setPath);
    connect(m_ui.txt_TickerFile, &QLineEdit::textChanged, this, &MainWindow::onPathChanged);
    onPathChanged(m_ui.txt_TickerFile->text());
    connect(m_listDocument, &ListDocument::loaded, this, &MainWindow::afterLoad);
    connect(m_ui.cmdLoadList, &QPushButton::clicked, m_listDocument, &ListDocument::load);
    connect(m_ui.cmdSaveList, &QPushButton::clicked, m_listDocument, [this] { m_listDocument->save(); });
    connect(m_ui.cmdTickerFile, &QPushButton::clicked, m_listDocument, &ListDocument::chooseAndOpen);
    connect(m_ui.cboSwitchTICList, &QComboBox::activated, this, &MainWindow::onSwitchListChosen);
    connect(m_ui.cmdSwitchTIC, &QPushButton::clicked, this, [this] {
        const QPoint at = m_ui.cmdSwitchTIC->mapToGlobal(QPoint(0, m_ui.cmdSwitchTIC->height()));
        m_ui.mnuTIC->popup(at);
    });
    connect(m_ui.mnuTIC, &QMenu::triggered, this, &MainWindow::onTicMenuItem);
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

bool MainWindow::autoClear() const
{
    return m_ui.chkAutoClear->isChecked();
}

bool MainWindow::autoCheck() const
{
    return m_ui.chkAutoCheck->isChecked();
}

void MainWindow::startLoad(bool clear)
{
    m_session.oCurrentEntry = 0;
    if (clear)
        m_ui.cmdClear[0]->click();
}

void MainWindow::showList()
{
    m_ui.tabData->setCurrentIndex(0);
}

void MainWindow::afterLoad(bool fileRead)
{
    // The first entry becomes current only when a file was read; the move
    // buttons, the chart selection and the panes follow even an empty list,
    // so nothing of the previous list stays on show.
    if (fileRead && m_items->size() > 0)
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

void MainWindow::openListFile(const QString& path)
{
    // A file that cannot be read leaves the shown list, and the list the
    // next start loads, as they are.
    if (!m_listDocument->isReadable(path))
        return;
    if (m_state.bFirstActivate) {
        // Not yet activated: this is the list the activation loads.
        m_listDocument->setPath(path);
        m_loadOnActivate = true;
        return;
    }
    m_listDocument->open(path);
}

void MainWindow::vScanTicFolder()
{
    m_ui.cboSwitchTICList->clear();
    m_ui.cboSwitchTICList->addItem(QStringLiteral("select tic-file"));
    m_ui.mnuTIC->clear();

    const QDir folder(ticFolder());
    const QStringList names = folder.entryList(QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    const QString currentPath = m_listDocument->path();
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
        m_ui.cboSwitchTICList->addItem(display, fullPath);
    }
    m_ui.cboSwitchTICList->setCurrentIndex(0);
}

void MainWindow::onSwitchListChosen(int position)
{
    if (m_state.bFirstActivate || position <= 0)
        return;
    if (!m_listDocument->open(m_ui.cboSwitchTICList->itemData(position).toString().trimmed()))
        m_ui.cboSwitchTICList->setCurrentIndex(0); // the shown list stays
}

void MainWindow::onTicMenuItem(QAction* action)
{
    if (!m_listDocument->open(action->data().toString())) {
        action->setChecked(!action->isChecked());
        return;
    }
    const auto items = m_ui.mnuTIC->actions();
    for (QAction* other : items) {
        if (other != action)
            other->setChecked(false);
    }
}

} // namespace td
