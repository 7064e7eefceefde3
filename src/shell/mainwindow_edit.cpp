// Editing the watch list by hand: the entry form, the move buttons, marks,
// check all/none, clearing, the entry pop-up menu and sorting by a column.
#include "platform/amount.h"
#include "quotes/batchcheck.h"
#include "quotes/evaluation.h"
#include "shell/mainwindow.h"
#include "watchlist/tickerfile.h"
#include "watchlist/watchlistmodel.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QHeaderView>
#include <QIcon>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeView>
#include <QValidator>

#include <functional>

namespace td {

namespace {

// The list file has no escaping, so the form never takes a ";" or a line break.
class FieldValidator final : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        return isFieldTextAllowed(input) ? Acceptable : Invalid;
    }
};

class HoverWatcher final : public QObject
{
public:
    HoverWatcher(QObject* parent, std::function<void()> onEnter)
        : QObject(parent), m_onEnter(std::move(onEnter))
    {
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Enter)
            m_onEnter();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_onEnter;
};

} // namespace

void MainWindow::connectEditing()
{
    const QList<QLineEdit*> fields = {m_ui.txtName,     m_ui.txtTicker, m_ui.txtPlace,
                                      m_ui.txtDate,     m_ui.txtQuote,  m_ui.txtWaehrung,
                                      m_ui.txtQuantity, m_ui.txtWKN,    m_ui.txtISIN};
    auto* validator = new FieldValidator(this);
    for (QLineEdit* field : fields) {
        field->setValidator(validator);
        // Only typing writes through: filling the form from an entry never does.
        connect(field, &QLineEdit::textEdited, this, &MainWindow::vUpdateEntryFromFields);
        connect(field, &QLineEdit::returnPressed, this, [this] {
            if (m_ui.cmdAdd->isDefault())
                m_ui.cmdAdd->click();
        });
    }
    // Enter adds while the focus is in the fields that name an entry; leaving
    // the place field (or the form) takes that away.
    const QList<QWidget*> naming = {m_ui.txtName, m_ui.txtTicker, m_ui.txtPlace};
    connect(qApp, &QApplication::focusChanged, this,
            [this, naming](QWidget*, QWidget* now) { m_ui.cmdAdd->setDefault(naming.contains(now)); });

    connect(m_ui.cmdAdd, &QPushButton::clicked, this, &MainWindow::vAddEntry);
    connect(m_ui.cmdDelete, &QPushButton::clicked, this, &MainWindow::vDeleteEntry);
    connect(m_ui.chkEdit, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            vEditModeOn();
    });

    const std::pair<QPushButton*, MoveButton> moves[] = {{m_ui.but_ItemRauf, MoveButton::Up},
                                                         {m_ui.but_ItemRunter, MoveButton::Down},
                                                         {m_ui.but_ItemRaufZuerst, MoveButton::ToTop},
                                                         {m_ui.but_ItemRaufZuletzt, MoveButton::ToBottom}};
    auto* hover = new HoverWatcher(this, [this] { hideLabelInfoFrame(); });
    for (const auto& [button, which] : moves) {
        connect(button, &QPushButton::clicked, this, [this, which] { vPressMoveButton(which); });
        button->installEventFilter(hover);
    }

    for (int i = 0; i < m_ui.cmdSelectAll.size(); ++i)
        connect(m_ui.cmdSelectAll[i], &QPushButton::clicked, this, [this, i] { vCheckAll(i); });
    for (int i = 0; i < m_ui.cmdClear.size(); ++i)
        connect(m_ui.cmdClear[i], &QPushButton::clicked, this, [this, i] { vClearList(i); });
    connect(m_ui.cmdRemove, &QPushButton::clicked, this, &MainWindow::vRemoveFromStopList);
    connect(m_ui.cmdQuickGo, &QPushButton::clicked, this, &MainWindow::vQuickGo);

    // The selection flow opens it on a right click into the list.
    m_mnuPop = new QMenu(this);
    m_mnuPop->setObjectName(QStringLiteral("mnuPop"));
    QMenu* mark = m_mnuPop->addMenu(QStringLiteral("Mark Item"));
    QAction* important = mark->addAction(QStringLiteral("Important"));
    important->setObjectName(QStringLiteral("mnuMarkImportant"));
    connect(important, &QAction::triggered, this, [this] { vMarkEntry(true); });
    QAction* none = mark->addAction(QStringLiteral("None"));
    none->setObjectName(QStringLiteral("mnuMarkNone"));
    connect(none, &QAction::triggered, this, [this] { vMarkEntry(false); });
    QAction* copyName = m_mnuPop->addAction(QStringLiteral("Copy Name"));
    copyName->setObjectName(QStringLiteral("mnuCopyName"));
    connect(copyName, &QAction::triggered, this, &MainWindow::vCopyName);

    connect(m_ui.lstItems->header(), &QHeaderView::sectionClicked, this, &MainWindow::vSortByColumn);
}

EntryFields MainWindow::editFields() const
{
    return {m_ui.txtName->text(),     m_ui.txtTicker->text(), m_ui.txtPlace->text(),
            m_ui.txtDate->text(),     m_ui.txtQuote->text(),  m_ui.txtWaehrung->text(),
            m_ui.txtQuantity->text(), m_ui.txtWKN->text(),    m_ui.txtISIN->text()};
}

void MainWindow::fillEditFields(const WatchEntry& entry)
{
    m_ui.txtName->setText(entry.columns[ColName]);
    m_ui.txtTicker->setText(entry.columns[ColTicker]);
    m_ui.txtPlace->setText(entry.columns[ColPlace]);
    m_ui.txtDate->setText(entry.columns[ColDateOfBuying]);
    m_ui.txtQuote->setText(entry.columns[ColBuying]);
    m_ui.txtWKN->setText(entry.columns[ColWkn]);
    m_ui.txtISIN->setText(entry.columns[ColIsin]);
    m_ui.txtQuantity->setText(entry.columns[ColQty]);
    m_ui.txtWaehrung->setText(entry.columns[ColCur]);
}

void MainWindow::moveHighlightTo(int row)
{
    // The model gives the entry that loses the highlight its own colour back,
    // the important mark included.
    m_items->setHighlightRow(row);
}

void MainWindow::applyMoveButtonStates(const MoveButtonStates& states)
{
    m_ui.but_ItemRunter->setEnabled(states.down);
    m_ui.but_ItemRauf->setEnabled(states.up);
    m_ui.but_ItemRaufZuerst->setEnabled(states.toTop);
    m_ui.but_ItemRaufZuletzt->setEnabled(states.toBottom);
}

void MainWindow::vAddEntry()
{
    // Positions are 16-bit; a full list takes no more.
    if (m_items->size() >= kMaxEntries)
        return;
    const int row = m_items->append(withFieldTexts(WatchEntry(), editFields()));
    setCurrentRow(row);
    const QModelIndex index = m_items->index(row, ColName);
    m_ui.lstItems->setCurrentIndex(index);
    m_ui.lstItems->scrollTo(index);
    const WatchEntry& e = m_items->entry(row);
    m_session.selection.setTexts(e.columns[ColName], e.columns[ColTicker], e.columns[ColPlace],
                                 e.columns[ColWkn], e.columns[ColIsin]);
    moveHighlightTo(row);
    vShowMainChart(m_session.bytHistoryChoice);
    m_session.iLastIndex = row + 1;
    m_listDocument->setChanged(true);
}

void MainWindow::vDeleteEntry()
{
    const int row = currentRow();
    if (row < 0)
        return;
    m_items->remove(row);
    m_session.oCurrentEntry = 0;
    moveHighlightTo(-1);
    m_listDocument->setChanged(true);
}

void MainWindow::vEditModeOn()
{
    const int row = currentRow();
    if (row < 0 || !m_ui.chkEdit->isChecked())
        return;
    m_listDocument->setChanged(true);
    m_items->replace(row, withFieldTexts(m_items->entry(row), editFields()));
}

void MainWindow::vUpdateEntryFromFields()
{
    const int row = currentRow();
    if (row < 0 || !m_ui.chkEdit->isChecked())
        return;
    m_listDocument->setChanged(true);
    // The change since buying follows the buying price at once, not only the next quote.
    m_items->replace(row, withBuyingChange(writeThrough(m_items->entry(row), editFields())));
}

void MainWindow::vMoveEntry(int iTarget)
{
    const int row = currentRow();
    if (row < 0)
        return;
    const int count = m_items->size();
    WatchEntry moved = movedEntry(m_items->entry(row));
    m_items->remove(row);
    const int newRow = m_items->insert(clampedMoveTarget(iTarget, count) - 1, std::move(moved));
    setCurrentRow(newRow);
    const QModelIndex index = m_items->index(newRow, ColName);
    m_ui.lstItems->setCurrentIndex(index);
    m_ui.lstItems->scrollTo(index);
    moveHighlightTo(newRow);
    m_listDocument->setChanged(true);
}

void MainWindow::vPressMoveButton(MoveButton button)
{
    if (currentRow() < 0)
        return;
    const int target = moveTarget(button, currentRow() + 1, m_items->size());
    if (target > 0)
        vMoveEntry(target);
    applyMoveButtonStates(moveButtonStatesAfter(button, currentRow() + 1, m_items->size()));
}

void MainWindow::vCheckAll(int iButton)
{
    QPushButton* button = m_ui.cmdSelectAll.value(iButton);
    if (!button)
        return;
    WatchListModel* list = iButton == 0 ? m_items : m_stop;
    const bool check = parseBoolean(button->property("tag").toString()).value_or(false);
    button->setProperty("tag", check ? QStringLiteral("False") : QStringLiteral("True"));
    if (list->size() == 0)
        return;
    list->setAllChecked(check);
    if (iButton == 0)
        m_listDocument->setChanged(true);
}

void MainWindow::vClearList(int iButton)
{
    if (iButton == 0) {
        // Emptying the list is a change: closing must not write it silently.
        if (m_items->size() > 0)
            m_listDocument->setChanged(true);
        m_items->clear();
        m_session.oCurrentEntry = 0;
        return;
    }
    m_stop->clear();
    m_ui.tabData->setTabIcon(kStopTab, QIcon());
    m_ui.tabData->setCurrentIndex(0);
}

void MainWindow::vRemoveFromStopList()
{
    if (m_stop->size() < 1)
        return;
    const QModelIndexList selected = m_ui.lstStop->selectionModel()->selectedRows();
    if (!selected.isEmpty())
        m_stop->remove(selected.first().row());
}

void MainWindow::vMarkEntry(bool important)
{
    const int row = currentRow();
    if (row >= 0)
        m_items->setImportant(row, important);
}

void MainWindow::vCopyName()
{
    const QModelIndexList selected = m_ui.lstItems->selectionModel()->selectedRows();
    m_platform.clipboard.setText(selected.isEmpty() ? QString()
                                                    : m_items->entry(selected.first().row()).name());
}

void MainWindow::vQuickGo()
{
    if (currentRow() < 0)
        return;
    const EntryFields f = editFields();
    m_session.selection.setTexts(f.name, f.ticker, f.place, f.wkn, f.isin);
    openPreviewWindow();
}

void MainWindow::vSortByColumn(int column)
{
    if (m_batchCheck->isRunning())
        return;
    closeInfoWindow();
    m_ui.lstItems->hide();
    m_sortOrder = m_sortOrder == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    // The highlight and the current entry travel with their entries.
    m_items->reorder(sortedRows(m_items->entries(), column, m_sortOrder));
    m_ui.lstItems->header()->setSortIndicatorShown(true);
    m_ui.lstItems->header()->setSortIndicator(column, m_sortOrder);
    m_ui.lstItems->show();
    m_listDocument->setChanged(true);
}

} // namespace td
