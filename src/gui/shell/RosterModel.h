#pragma once

#include "editing/Roster.h"

#include <QAbstractTableModel>
#include <QString>

#include <array>
#include <vector>

enum class CTextEncoding;

// The roster's rows as texts ready to show: built once per fill, so painting converts
// nothing.
class CRosterModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    // teamId: the team the rows are listed under, which a dragged row carries along.
    void setRows(const std::vector<CRosterRow>& rows, CTextEncoding encoding, uint32_t teamId = 0);
    void clear();
    uint32_t playerAt(int row) const;
    // The cut player's row is drawn greyed until the cut is pasted or dropped; 0 for none.
    void setCutPlayer(uint32_t playerId);
    int rowOf(uint32_t playerId) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDragActions() const override;

private:
    struct CRow
    {
        uint32_t playerId = 0;
        std::array<QString, roster::kColumnCount> cells;
    };
    std::vector<CRow> m_rows;
    uint32_t m_team = 0;
    uint32_t m_cut = 0;
};
