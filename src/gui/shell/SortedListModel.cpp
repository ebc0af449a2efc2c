#include "shell/SortedListModel.h"

#include <algorithm>
#include <numeric>

void CSortedListModel::resetOrder(std::size_t count)
{
    m_order.resize(count);
    std::iota(m_order.begin(), m_order.end(), 0);
}

void CSortedListModel::sortRows(Qt::SortOrder order, const std::function<bool(int, int)>& less)
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    const std::vector<int> oldOrder = m_order;
    std::iota(m_order.begin(), m_order.end(), 0);
    if (order == Qt::AscendingOrder)
        std::stable_sort(m_order.begin(), m_order.end(), less);
    else
        std::stable_sort(m_order.begin(), m_order.end(), [&](int a, int b) { return less(b, a); });
    std::vector<int> rowOf(m_order.size());
    for (std::size_t r = 0; r < m_order.size(); ++r) rowOf[std::size_t(m_order[r])] = int(r);
    QModelIndexList after;
    for (const QModelIndex& i : before) after << index(rowOf[std::size_t(oldOrder[std::size_t(i.row())])], i.column());
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}
