#pragma once

#include "editing/LeagueTreeOrder.h"

#include <QAbstractItemModel>
#include <QIcon>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

enum class CTextEncoding;

// The nodes of a league tree. Its own model rather than a QStandardItemModel: a fill
// with every player of a full database makes tens of thousands of nodes, and plain
// structs keep that to a few milliseconds.
class CLeagueTreeModel : public QAbstractItemModel
{
    Q_OBJECT

public:
    static constexpr int ValueRole = Qt::UserRole + 1;

    explicit CLeagueTreeModel(QObject* parent = nullptr);
    ~CLeagueTreeModel() override;

    // Replaces every node.
    void reset(const std::vector<CTreeNode>& tree, CTextEncoding encoding);
    // Adds a node (with its children) at the end of the parent's children, or of the
    // top level for an invalid parent.
    QModelIndex append(const QModelIndex& parent, const CTreeNode& node, CTextEncoding encoding);
    // The same at that row of the parent's children.
    QModelIndex insert(const QModelIndex& parent, int row, const CTreeNode& node, CTextEncoding encoding);
    void remove(const QModelIndex& index);
    void setText(const QModelIndex& index, const QString& text);
    // The children of parent that label() gives a label for (in the database's bytes;
    // nullopt leaves a node as it is): only those whose label differs change, told in one
    // signal for the rows between the first and the last of them. The labels are made into
    // text when next shown.
    void relabelChildren(const QModelIndex& parent,
                         const std::function<std::optional<std::string>(uint32_t value)>& label);

    uint32_t value(const QModelIndex& index) const;
    QString text(const QModelIndex& index) const;
    // 0 league, 1 team, 2 player; -1 for no node.
    int level(const QModelIndex& index) const;
    // The node values as they stand now, for the search.
    std::vector<CTreeNode> order() const;
    CTreePath pathOf(const QModelIndex& index) const;
    QModelIndex indexOf(const CTreePath& path) const;

    // The tool tip of a league node, by its value; none when not set.
    std::function<QString(uint32_t)> leagueToolTip;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDragActions() const override;
    Qt::DropActions supportedDropActions() const override;

private:
    struct CNode
    {
        uint32_t value = 0;
        // The label as the database holds it, made into text the first time it is shown:
        // most nodes of a full tree (teams, players) are never shown in a run.
        std::string bytes;
        CTextEncoding encoding{};
        mutable std::optional<QString> text;
        CNode* parent = nullptr;
        int row = 0;
        std::vector<std::unique_ptr<CNode>> children;

        const QString& shownText() const;
    };

    CNode* node(const QModelIndex& index) const;
    QModelIndex indexOfNode(CNode* node) const;
    static std::unique_ptr<CNode> build(const CTreeNode& from, CNode* parent, int row, CTextEncoding encoding);

    CNode m_root;
    QIcon m_icons[3];  // league, team, player by level
};
