#pragma once

#include "watchlist/watchentry.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QHash>
#include <QIcon>
#include <QList>

namespace td {

QColor toQColor(std::uint32_t bgr);
QIcon entryIconImage(EntryIcon icon);

// The watch list (fifteen columns) or the stop list (first ten) as a flat
// item model. The entries are the data; the highlight is view state laid
// over them, so the important mark is never overwritten by a colour.
class WatchListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit WatchListModel(QStringList headers, QObject* parent = nullptr);

    static QStringList watchListHeaders();
    static QStringList stopListHeaders();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    const QList<WatchEntry>& entries() const { return m_entries; }
    const WatchEntry& entry(int row) const { return m_entries.at(row); }
    int size() const { return static_cast<int>(m_entries.size()); }
    // Row of the entry with this id, -1 when it is gone.
    int rowOfId(quint64 id) const;
    // Id of the entry at `row`, 0 when there is none.
    quint64 idAt(int row) const { return row >= 0 && row < size() ? m_entries[row].id : 0; }

    // Each returns the row it touched; ids are given on insertion.
    int append(WatchEntry entry);
    int insert(int row, WatchEntry entry);
    void appendAll(QList<WatchEntry> entries);
    void remove(int row);
    void clear();
    void replace(int row, WatchEntry entry);
    void setColumn(int row, int column, const QString& text);
    // Not shown in the list: no row changes.
    void noteQuoteRead(int row, const QDateTime& when, bool read);
    void setChecked(int row, bool checked);
    void setAllChecked(bool checked);
    void setImportant(int row, bool important);
    // A name colour over the entry's own (the value-only view); an invalid
    // colour removes it.
    void setNameColour(int row, const QColor& colour);
    // Reorders the entries (ids travel with them).
    void reorder(const QList<int>& newOrderOfOldRows);

    // The selection highlight: bold blue on the entry's name; -1 for none.
    int highlightRow() const { return m_highlightRow; }
    void setHighlightRow(int row);

Q_SIGNALS:
    // The user ticked or unticked one entry in the view.
    void checkToggled(int row);

private:
    void emitRowChanged(int row);

    QStringList m_headers;
    QList<WatchEntry> m_entries;
    int m_highlightRow = -1;
    QHash<quint64, QColor> m_nameColours; // by entry id
    bool m_highlightShowsMark = false;
    quint64 m_nextId = 1;
};

} // namespace td
