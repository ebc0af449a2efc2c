#include "pages/StatsGridModel.h"

#include "editing/StatsChoice.h"

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

void CStatsGridModel::setColumns(const QStringList& titles)
{
    beginResetModel();
    m_titles = titles;
    m_rows.clear();
    endResetModel();
}

void CStatsGridModel::setRows(QList<QStringList> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void CStatsGridModel::clearRows() { setRows({}); }

int CStatsGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(m_rows.size()); }

int CStatsGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_titles.size());
}

QVariant CStatsGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size()) return {};
    const QStringList& row = m_rows[index.row()];
    if (role == Qt::DisplayRole) return index.column() < row.size() ? row[index.column()] : QString();
    return {};
}

QVariant CStatsGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::InitialSortOrderRole) return int(Qt::AscendingOrder);
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    return section >= 0 && section < m_titles.size() ? m_titles[section] : QVariant();
}

void CStatsGridModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= m_titles.size() || m_rows.size() < 2) return;
    std::vector<std::string> keys;
    keys.reserve(std::size_t(m_rows.size()));
    for (const QStringList& row : m_rows) keys.push_back(column < row.size() ? row[column].toStdString() : std::string());
    std::vector<int> order_(keys.size());
    std::iota(order_.begin(), order_.end(), 0);
    // Stable, so a second click on another column keeps the first column's order within ties.
    std::stable_sort(order_.begin(), order_.end(), [&](int a, int b) {
        return order == Qt::AscendingOrder ? gridCellLess(keys[a], keys[b]) : gridCellLess(keys[b], keys[a]);
    });
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    QList<QStringList> sorted;
    sorted.reserve(m_rows.size());
    for (int r : order_) sorted.push_back(std::move(m_rows[r]));
    m_rows = std::move(sorted);
    // The current cell and the selection follow their rows.
    std::vector<int> newRow(order_.size());
    for (std::size_t i = 0; i < order_.size(); ++i) newRow[std::size_t(order_[i])] = int(i);
    const QModelIndexList from = persistentIndexList();
    QModelIndexList to;
    for (const QModelIndex& old : from) to.push_back(index(newRow[std::size_t(old.row())], old.column()));
    changePersistentIndexList(from, to);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}
