#pragma once

#include <QAbstractTableModel>
#include <QStringList>

// The statistics grid: column titles and rows of text cells. Rows are numbered from 1 in
// the order they stand, so the numbers stay 1..N after a sort.
class CStatsGridModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    // New columns and no rows.
    void setColumns(const QStringList& titles);
    void setRows(QList<QStringList> rows);
    void clearRows();

    const QStringList& titles() const { return m_titles; }
    const QList<QStringList>& rows() const { return m_rows; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    QStringList m_titles;
    QList<QStringList> m_rows;
};
