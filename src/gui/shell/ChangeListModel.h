#pragma once

#include "editing/FieldChanges.h"

#include "shell/SortedListModel.h"

#include <vector>

class CDatabase;

// Field changes as a table (record, field, old, new) for the import preview and the
// Changes list. Texts are made when a row is shown, so a list of every player's change
// costs nothing until it is scrolled; sorting orders a permutation of the rows.
class CChangeListModel : public CSortedListModel
{
    Q_OBJECT

public:
    enum CColumn
    {
        RecordColumn,
        FieldColumn,
        OldColumn,
        NewColumn,
        ColumnCount
    };

    CChangeListModel(const CDatabase& db, QObject* parent = nullptr);

    void setChanges(std::vector<CFieldChange> changes);
    const std::vector<CFieldChange>& changes() const { return m_changes; }
    // The change shown in that row.
    const CFieldChange& changeAt(int row) const { return m_changes[item(row)]; }

    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    QString recordText(const CFieldChange& change) const;
    QString valueText(const CFieldChange& change, bool after) const;

    const CDatabase& m_db;
    std::vector<CFieldChange> m_changes;
};

// "player 123 Name": the kind, the id and the record's name in the database now.
QString recordLabel(const CDatabase& db, CRecordKind kind, uint32_t id);
