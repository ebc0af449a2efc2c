#pragma once

#include <QAbstractTableModel>

#include <functional>
#include <vector>

// A table over a list kept in its own order, its rows shown in the order a heading's click
// asks for. Sorting keeps selections on the same items.
class CSortedListModel : public QAbstractTableModel
{
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : int(m_order.size()); }

protected:
    // The list's index of the item shown in that row.
    std::size_t item(int row) const { return std::size_t(m_order[std::size_t(row)]); }
    // Between beginResetModel and endResetModel: a list of count items, in its own order.
    void resetOrder(std::size_t count);
    // The rows ordered by less, which compares two items by their index in the list; equal
    // items keep the list's order.
    void sortRows(Qt::SortOrder order, const std::function<bool(int, int)>& less);

private:
    std::vector<int> m_order;
};
