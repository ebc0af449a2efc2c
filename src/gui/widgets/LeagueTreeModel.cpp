#include "widgets/LeagueTreeModel.h"

#include <algorithm>

#include "widgets/NodeDrag.h"

#include "util/TextCodec.h"
#include "widgets/AppIcons.h"

namespace
{
QString display(const std::string& bytes, CTextEncoding encoding)
{
    return QString::fromStdString(toUtf8(bytes, encoding));
}
}  // namespace

CLeagueTreeModel::CLeagueTreeModel(QObject* parent) : QAbstractItemModel(parent)
{
    m_icons[0] = appIcon("league");
    m_icons[1] = appIcon("team");
    m_icons[2] = appIcon("player");
}

CLeagueTreeModel::~CLeagueTreeModel() = default;

std::unique_ptr<CLeagueTreeModel::CNode> CLeagueTreeModel::build(const CTreeNode& from, CNode* parent, int row,
                                                                 CTextEncoding encoding)
{
    auto node = std::make_unique<CNode>();
    node->value = from.value;
    node->bytes = from.text;
    node->encoding = encoding;
    node->parent = parent;
    node->row = row;
    node->children.reserve(from.children.size());
    for (std::size_t i = 0; i < from.children.size(); ++i)
        node->children.push_back(build(from.children[i], node.get(), static_cast<int>(i), encoding));
    return node;
}

void CLeagueTreeModel::reset(const std::vector<CTreeNode>& tree, CTextEncoding encoding)
{
    beginResetModel();
    m_root.children.clear();
    m_root.children.reserve(tree.size());
    for (std::size_t i = 0; i < tree.size(); ++i)
        m_root.children.push_back(build(tree[i], &m_root, static_cast<int>(i), encoding));
    endResetModel();
}

QModelIndex CLeagueTreeModel::append(const QModelIndex& parent, const CTreeNode& from, CTextEncoding encoding)
{
    return insert(parent, rowCount(parent), from, encoding);
}

QModelIndex CLeagueTreeModel::insert(const QModelIndex& parent, int row, const CTreeNode& from, CTextEncoding encoding)
{
    CNode* p = parent.isValid() ? node(parent) : &m_root;
    row = std::clamp(row, 0, static_cast<int>(p->children.size()));
    beginInsertRows(parent, row, row);
    p->children.insert(p->children.begin() + row, build(from, p, row, encoding));
    for (std::size_t i = std::size_t(row) + 1; i < p->children.size(); ++i) p->children[i]->row = static_cast<int>(i);
    endInsertRows();
    return index(row, 0, parent);
}

void CLeagueTreeModel::remove(const QModelIndex& index)
{
    CNode* n = node(index);
    if (!n) return;
    CNode* p = n->parent;
    const int row = n->row;
    beginRemoveRows(index.parent(), row, row);
    p->children.erase(p->children.begin() + row);
    for (std::size_t i = row; i < p->children.size(); ++i) p->children[i]->row = static_cast<int>(i);
    endRemoveRows();
}

void CLeagueTreeModel::setText(const QModelIndex& index, const QString& text)
{
    if (CNode* n = node(index))
    {
        n->text = text;
        n->bytes.clear();
        emit dataChanged(index, index, {Qt::DisplayRole});
    }
}

void CLeagueTreeModel::relabelChildren(const QModelIndex& parent,
                                       const std::function<std::optional<std::string>(uint32_t value)>& label)
{
    CNode* p = parent.isValid() ? node(parent) : &m_root;
    if (!p) return;
    int first = -1, last = -1;
    for (const auto& child : p->children)
    {
        std::optional<std::string> bytes = label(child->value);
        if (!bytes) continue;
        // A node whose text was set directly has no bytes: compare what it shows.
        if (child->bytes.empty() && child->text ? *child->text == display(*bytes, child->encoding)
                                                : child->bytes == *bytes)
            continue;
        child->bytes = std::move(*bytes);
        child->text.reset();
        if (first < 0) first = child->row;
        last = child->row;
    }
    if (first >= 0) emit dataChanged(index(first, 0, parent), index(last, 0, parent), {Qt::DisplayRole});
}

CLeagueTreeModel::CNode* CLeagueTreeModel::node(const QModelIndex& index) const
{
    return index.isValid() && index.model() == this ? static_cast<CNode*>(index.internalPointer()) : nullptr;
}

QModelIndex CLeagueTreeModel::indexOfNode(CNode* n) const
{
    return (!n || n == &m_root) ? QModelIndex() : createIndex(n->row, 0, n);
}

uint32_t CLeagueTreeModel::value(const QModelIndex& index) const
{
    const CNode* n = node(index);
    return n ? n->value : 0;
}

const QString& CLeagueTreeModel::CNode::shownText() const
{
    if (!text) text = display(bytes, encoding);
    return *text;
}

QString CLeagueTreeModel::text(const QModelIndex& index) const
{
    const CNode* n = node(index);
    return n ? n->shownText() : QString();
}

int CLeagueTreeModel::level(const QModelIndex& index) const
{
    const CNode* n = node(index);
    if (!n) return -1;
    int depth = 0;
    for (const CNode* p = n->parent; p && p != &m_root; p = p->parent) ++depth;
    return depth;
}

std::vector<CTreeNode> CLeagueTreeModel::order() const
{
    std::vector<CTreeNode> out;
    out.reserve(m_root.children.size());
    for (const auto& league : m_root.children)
    {
        CTreeNode l{league->value, {}, {}};
        l.children.reserve(league->children.size());
        for (const auto& team : league->children) l.children.push_back({team->value, {}, {}});
        out.push_back(std::move(l));
    }
    return out;
}

CTreePath CLeagueTreeModel::pathOf(const QModelIndex& index) const
{
    CTreePath path;
    const CNode* n = node(index);
    if (!n) return path;
    int rows[3] = {-1, -1, -1};
    const int depth = level(index);
    for (int d = depth; d >= 0 && n; --d, n = n->parent) rows[d] = n->row;
    path.league = rows[0];
    path.team = rows[1];
    path.player = rows[2];
    return path;
}

QModelIndex CLeagueTreeModel::indexOf(const CTreePath& path) const
{
    if (path.league < 0) return {};
    QModelIndex at = index(path.league, 0);
    if (path.team >= 0 && at.isValid()) at = index(path.team, 0, at);
    if (path.player >= 0 && at.isValid()) at = index(path.player, 0, at);
    return at;
}

QModelIndex CLeagueTreeModel::index(int row, int column, const QModelIndex& parent) const
{
    const CNode* p = parent.isValid() ? node(parent) : &m_root;
    if (!p || column != 0 || row < 0 || row >= static_cast<int>(p->children.size())) return {};
    return createIndex(row, 0, p->children[row].get());
}

QModelIndex CLeagueTreeModel::parent(const QModelIndex& child) const
{
    const CNode* n = node(child);
    return n ? indexOfNode(n->parent) : QModelIndex();
}

int CLeagueTreeModel::rowCount(const QModelIndex& parent) const
{
    if (parent.column() > 0) return 0;
    const CNode* p = parent.isValid() ? node(parent) : &m_root;
    return p ? static_cast<int>(p->children.size()) : 0;
}

int CLeagueTreeModel::columnCount(const QModelIndex&) const { return 1; }

QVariant CLeagueTreeModel::data(const QModelIndex& index, int role) const
{
    const CNode* n = node(index);
    if (!n) return {};
    switch (role)
    {
    case Qt::DisplayRole:
        return n->shownText();
    case Qt::DecorationRole:
    {
        const int l = level(index);
        return (l >= 0 && l < 3) ? QVariant(m_icons[l]) : QVariant();
    }
    case ValueRole:
        return QVariant::fromValue(n->value);
    case Qt::ToolTipRole:
        if (level(index) == 0 && leagueToolTip)
        {
            const QString tip = leagueToolTip(n->value);
            if (!tip.isEmpty()) return tip;
        }
        return {};
    default:
        return {};
    }
}

Qt::ItemFlags CLeagueTreeModel::flags(const QModelIndex& index) const
{
    if (!index.isValid()) return Qt::NoItemFlags;
    // Players and teams may be dragged; whether a node takes a drop is the tree owner's
    // rule, asked while the pointer moves.
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDropEnabled;
    if (level(index) > 0) flags |= Qt::ItemIsDragEnabled;
    return flags;
}

QStringList CLeagueTreeModel::mimeTypes() const { return {CNodeDrag::mimeType()}; }

QMimeData* CLeagueTreeModel::mimeData(const QModelIndexList& indexes) const
{
    if (indexes.isEmpty()) return nullptr;
    const QModelIndex node = indexes.front();
    const int nodeLevel = level(node);
    if (nodeLevel <= 0) return nullptr;
    return CNodeDrag{nodeLevel, value(node), nodeLevel == 2 ? value(parent(node)) : value(node)}.toMime();
}

Qt::DropActions CLeagueTreeModel::supportedDragActions() const { return Qt::MoveAction | Qt::CopyAction; }
Qt::DropActions CLeagueTreeModel::supportedDropActions() const { return Qt::MoveAction | Qt::CopyAction; }
