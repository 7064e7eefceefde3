#include "watchlist/watchlistmodel.h"

#include <QColor>
#include <QFont>
#include <QHash>

namespace td {

QColor toQColor(std::uint32_t bgr)
{
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

QIcon entryIconImage(EntryIcon icon)
{
    static QHash<int, QIcon> cache;
    const int key = static_cast<int>(icon);
    auto it = cache.find(key);
    if (it == cache.end()) {
        const QString name = iconKey(icon);
        it = cache.insert(key, name.isEmpty() ? QIcon() : QIcon(QStringLiteral(":/icons/%1.svg").arg(name)));
    }
    return *it;
}

WatchListModel::WatchListModel(QStringList headers, QObject* parent)
    : QAbstractTableModel(parent), m_headers(std::move(headers))
{
}

QStringList WatchListModel::watchListHeaders()
{
    return {QStringLiteral("Name"),   QStringLiteral("Ticker"),
            QStringLiteral("Place"),  QStringLiteral("DateOfBuying"),
            QStringLiteral("Buying"), QStringLiteral("Quote"),
            QStringLiteral("%"),      QStringLiteral("B-Chg"),
            QStringLiteral("B-%"),    QStringLiteral("Cur"),
            QStringLiteral("Qty"),    QStringLiteral("Value"),
            QStringLiteral("+|-"),    QStringLiteral("WKN"),
            QStringLiteral("ISIN")};
}

QStringList WatchListModel::stopListHeaders()
{
    return {QStringLiteral("Name"),   QStringLiteral("Ticker"),
            QStringLiteral("Place"),  QStringLiteral("DateofBuying"),
            QStringLiteral("Buying"), QStringLiteral("Quote"),
            QStringLiteral("%"),      QStringLiteral("B-Chg"),
            QStringLiteral("B-%"),    QStringLiteral("Cur")};
}

int WatchListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : size();
}

int WatchListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_headers.size());
}

QVariant WatchListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const WatchEntry& e = m_entries.at(index.row());
    const int column = index.column();
    const bool highlighted = column == ColName && index.row() == m_highlightRow;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return e.columns[column];
    case Qt::ForegroundRole:
        if (column == ColName) {
            if (highlighted && !m_highlightShowsMark)
                return toQColor(colour::Blue);
            return m_nameColours.value(e.id, toQColor(e.ownColour()));
        }
        return toQColor(e.styles[column].colour);
    case Qt::FontRole: {
        const bool bold = column == ColName ? highlighted : e.styles[column].bold;
        if (!bold)
            return {};
        QFont font;
        font.setBold(true);
        return font;
    }
    case Qt::DecorationRole:
        if (column == ColName)
            return entryIconImage(e.icon);
        return {};
    case Qt::CheckStateRole:
        if (column == ColName)
            return e.checked ? Qt::Checked : Qt::Unchecked;
        return {};
    default:
        return {};
    }
}

bool WatchListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::CheckStateRole || index.column() != ColName ||
        !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return false;
    setChecked(index.row(), value.value<Qt::CheckState>() == Qt::Checked);
    Q_EMIT checkToggled(index.row());
    return true;
}

QVariant WatchListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < m_headers.size())
        return m_headers.at(section);
    return {};
}

Qt::ItemFlags WatchListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (index.column() == ColName)
        f |= Qt::ItemIsUserCheckable;
    return f;
}

int WatchListModel::rowOfId(quint64 id) const
{
    if (id == 0)
        return -1;
    for (int row = 0; row < size(); ++row) {
        if (m_entries[row].id == id)
            return row;
    }
    return -1;
}

int WatchListModel::append(WatchEntry entry)
{
    return insert(size(), std::move(entry));
}

int WatchListModel::insert(int row, WatchEntry entry)
{
    row = std::clamp(row, 0, size());
    entry.id = m_nextId++;
    beginInsertRows({}, row, row);
    m_entries.insert(row, std::move(entry));
    if (m_highlightRow >= row)
        ++m_highlightRow;
    endInsertRows();
    return row;
}

void WatchListModel::appendAll(QList<WatchEntry> entries)
{
    if (entries.isEmpty())
        return;
    for (WatchEntry& e : entries)
        e.id = m_nextId++;
    beginInsertRows({}, size(), size() + static_cast<int>(entries.size()) - 1);
    // Loading into an empty list takes the entries over instead of moving
    // each one.
    if (m_entries.isEmpty())
        m_entries = std::move(entries);
    else
        m_entries.append(std::move(entries));
    endInsertRows();
}

void WatchListModel::remove(int row)
{
    if (row < 0 || row >= size())
        return;
    beginRemoveRows({}, row, row);
    m_entries.removeAt(row);
    if (m_highlightRow == row)
        m_highlightRow = -1;
    else if (m_highlightRow > row)
        --m_highlightRow;
    endRemoveRows();
}

void WatchListModel::clear()
{
    if (m_entries.isEmpty())
        return;
    beginResetModel();
    m_entries.clear();
    m_highlightRow = -1;
    endResetModel();
}

void WatchListModel::replace(int row, WatchEntry entry)
{
    if (row < 0 || row >= size())
        return;
    entry.id = m_entries[row].id;
    m_entries[row] = std::move(entry);
    emitRowChanged(row);
}

void WatchListModel::setColumn(int row, int column, const QString& text)
{
    if (row < 0 || row >= size() || column < 0 || column >= ColumnCount)
        return;
    if (m_entries[row].columns[column] == text)
        return;
    m_entries[row].columns[column] = text;
    const QModelIndex i = index(row, column);
    if (column < columnCount())
        Q_EMIT dataChanged(i, i, {Qt::DisplayRole, Qt::EditRole});
}

void WatchListModel::noteQuoteRead(int row, const QDateTime& when, bool read)
{
    if (row >= 0 && row < size())
        m_entries[row].quoteAge.note(when, read);
}

void WatchListModel::setChecked(int row, bool checked)
{
    if (row < 0 || row >= size() || m_entries[row].checked == checked)
        return;
    m_entries[row].checked = checked;
    const QModelIndex i = index(row, ColName);
    Q_EMIT dataChanged(i, i, {Qt::CheckStateRole});
}

void WatchListModel::setAllChecked(bool checked)
{
    if (m_entries.isEmpty())
        return;
    for (WatchEntry& e : m_entries)
        e.checked = checked;
    // One signal for the whole column instead of one per row.
    Q_EMIT dataChanged(index(0, ColName), index(size() - 1, ColName), {Qt::CheckStateRole});
}

void WatchListModel::setImportant(int row, bool important)
{
    if (row < 0 || row >= size())
        return;
    m_entries[row].important = important;
    m_nameColours.remove(m_entries[row].id);
    // Marking the highlighted entry shows its new colour at once; the bold
    // stays until the highlight moves on.
    if (row == m_highlightRow)
        m_highlightShowsMark = true;
    const QModelIndex i = index(row, ColName);
    Q_EMIT dataChanged(i, i, {Qt::ForegroundRole});
}

void WatchListModel::setNameColour(int row, const QColor& colour)
{
    if (row < 0 || row >= size())
        return;
    if (colour.isValid())
        m_nameColours.insert(m_entries[row].id, colour);
    else
        m_nameColours.remove(m_entries[row].id);
    const QModelIndex i = index(row, ColName);
    Q_EMIT dataChanged(i, i, {Qt::ForegroundRole});
}

void WatchListModel::reorder(const QList<int>& newOrderOfOldRows)
{
    if (newOrderOfOldRows.size() != m_entries.size())
        return;
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    QList<int> newRowOfOld(m_entries.size());
    QList<WatchEntry> sorted;
    sorted.reserve(m_entries.size());
    for (int newRow = 0; newRow < newOrderOfOldRows.size(); ++newRow) {
        const int oldRow = newOrderOfOldRows[newRow];
        newRowOfOld[oldRow] = newRow;
        sorted.append(std::move(m_entries[oldRow]));
    }
    m_entries = std::move(sorted);
    if (m_highlightRow >= 0)
        m_highlightRow = newRowOfOld[m_highlightRow];
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& i : before)
        after.append(index(newRowOfOld[i.row()], i.column()));
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void WatchListModel::setHighlightRow(int row)
{
    if (row < -1 || row >= size())
        row = -1;
    const int old = m_highlightRow;
    m_highlightRow = row;
    m_highlightShowsMark = false;
    for (int r : {old, row}) {
        if (r >= 0) {
            const QModelIndex i = index(r, ColName);
            Q_EMIT dataChanged(i, i, {Qt::ForegroundRole, Qt::FontRole});
        }
    }
}

void WatchListModel::emitRowChanged(int row)
{
    Q_EMIT dataChanged(index(row, 0), index(row, columnCount() - 1));
}

} // namespace td
