#include "shell/RosterModel.h"

#include "app/CatalogueText.h"

#include "widgets/NodeDrag.h"

#include "util/TextCodec.h"

#include <QGuiApplication>
#include <QPalette>

void CRosterModel::setRows(const std::vector<CRosterRow>& rows, CTextEncoding encoding, uint32_t teamId)
{
    beginResetModel();
    m_team = teamId;
    m_rows.clear();
    m_rows.reserve(rows.size());
    for (const CRosterRow& from : rows)
    {
        CRow row;
        row.playerId = from.playerId;
        for (int c = 0; c < roster::kColumnCount; ++c)
            row.cells[c] = c == roster::kNameColumn ? QString::fromStdString(toUtf8(from.cells[c], encoding))
                                                    : QString::fromLatin1(from.cells[c]);
        m_rows.push_back(std::move(row));
    }
    endResetModel();
}

void CRosterModel::clear()
{
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

uint32_t CRosterModel::playerAt(int row) const
{
    // The hidden "Index" cell is what ties a row to its player.
    if (row < 0 || row >= static_cast<int>(m_rows.size())) return 0;
    return m_rows[row].cells[roster::kIndexColumn].toUInt();
}

int CRosterModel::rowOf(uint32_t playerId) const
{
    for (std::size_t r = 0; r < m_rows.size(); ++r)
        if (m_rows[r].playerId == playerId) return static_cast<int>(r);
    return -1;
}

int CRosterModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int CRosterModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : roster::kColumnCount; }

namespace
{
Qt::Alignment alignmentOf(roster::CAlign align)
{
    switch (align)
    {
    case roster::CAlign::Right: return Qt::AlignRight | Qt::AlignVCenter;
    case roster::CAlign::Centre: return Qt::AlignCenter;
    case roster::CAlign::Left: break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}
}  // namespace

QVariant CRosterModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= static_cast<int>(m_rows.size())) return {};
    if (role == Qt::DisplayRole) return m_rows[index.row()].cells[index.column()];
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(alignmentOf(roster::columns()[index.column()].align));
    if (role == Qt::ForegroundRole && m_cut != 0 && m_rows[std::size_t(index.row())].playerId == m_cut)
        return QGuiApplication::palette().brush(QPalette::Disabled, QPalette::Text);
    return {};
}

void CRosterModel::setCutPlayer(uint32_t playerId)
{
    if (playerId == m_cut) return;
    const uint32_t before = m_cut;
    m_cut = playerId;
    for (uint32_t id : {before, playerId})
        if (const int row = id ? rowOf(id) : -1; row >= 0)
            emit dataChanged(index(row, 0), index(row, columnCount() - 1), {Qt::ForegroundRole});
}

QVariant CRosterModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= roster::kColumnCount) return {};
    if (role == Qt::DisplayRole) return catalogueText("roster", roster::columns()[section].header);
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(alignmentOf(roster::columns()[section].align));
    return {};
}

Qt::ItemFlags CRosterModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? (Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled) : Qt::NoItemFlags;
}

QStringList CRosterModel::mimeTypes() const { return {CNodeDrag::mimeType()}; }

QMimeData* CRosterModel::mimeData(const QModelIndexList& indexes) const
{
    if (indexes.isEmpty() || m_team == 0) return nullptr;
    const uint32_t playerId = playerAt(indexes.front().row());
    return playerId ? CNodeDrag{2, playerId, m_team}.toMime() : nullptr;
}

Qt::DropActions CRosterModel::supportedDragActions() const { return Qt::MoveAction | Qt::CopyAction; }
