#pragma once

#include "editing/LeagueTreeOrder.h"
#include "widgets/NodeDrag.h"

#include <QTreeView>

#include <cstdint>
#include <set>
#include <vector>

class CObrixApp;
class CChange;
class CLeagueTreeModel;
enum class CTextEncoding;

// Leagues at the top level, their teams below and, when asked, each team's players
// below the team; team rows carry three kit swatches before the name. The main window's
// left pane and the Transfer, Compare and Stats pages each own trees of their own.
class CLeagueTree : public QTreeView
{
    Q_OBJECT

public:
    // showPlayers: team nodes get player children. notifyOwner: selections and double
    // clicks are reported through teamSelected and nodeDoubleClicked.
    CLeagueTree(CObrixApp& app, bool showPlayers, bool notifyOwner, QWidget* parent = nullptr);

    void configure(bool showPlayers, bool notifyOwner, bool fillNow);
    bool showsPlayers() const { return m_showPlayers; }
    bool notifiesOwner() const { return m_notifyOwner; }

    // Rebuilds every node from the database; no selection is reported meanwhile.
    void fill();
    // Brings the nodes a change touched up to date in place: the labels of its teams and
    // players and the player nodes under its teams. A change of the league list or of
    // which records exist rebuilds the tree, keeping the selection and open leagues.
    void followChange(const CChange& change);
    bool filling() const { return m_filling; }
    // A node for the last league of the list, with its teams, at the end of the top level.
    QModelIndex addLastLeague();
    // A top-level node with the given text and value at the end of the top level.
    QModelIndex addLeagueNode(const QString& text, uint32_t value);
    // A team node (with its players when shown) at the end of the parent's children.
    QModelIndex addTeamNode(const QModelIndex& parent, uint32_t teamId);
    void removeNode(const QModelIndex& node);
    void setNodeText(const QModelIndex& node, const QString& text);

    QModelIndex findLeagueNode(uint32_t leagueValue) const;
    QModelIndex findTeamNode(uint32_t teamId) const;
    // The team's node under the league node of that value; any of its nodes when that
    // league does not list it.
    QModelIndex findTeamNode(uint32_t teamId, uint32_t leagueValue) const;
    // Values of the league and team nodes that are open, and opening them again after a fill.
    std::set<uint32_t> expandedValues() const;
    void expandValues(const std::set<uint32_t>& values);
    QModelIndex findPlayerNode(uint32_t playerId, uint32_t teamId) const;
    int countChildren(const QModelIndex& node) const;
    bool isLeague(const QModelIndex& node) const;
    bool isTeam(const QModelIndex& node) const;
    bool isPlayer(const QModelIndex& node) const;
    uint32_t nodeValue(const QModelIndex& node) const;
    uint32_t parentValue(const QModelIndex& node) const;
    QString nodeText(const QModelIndex& node) const;

    QModelIndex selectedNode() const;
    uint32_t selectedValue() const;
    CTreePath selectedPath() const;
    // Selects the node and scrolls it into view (an invalid node clears the selection).
    void selectNode(const QModelIndex& node);
    // Leagues and teams as the tree orders them now, values only.
    std::vector<CTreeNode> currentOrder() const;
    QModelIndex nodeAt(const CTreePath& path) const;

    // Copy: the selected player node into the clipboard player. Paste: the clipboard
    // player onto the selected team node. Each says so when the node is of the wrong kind.
    void copyPlayer();
    bool canPastePlayer() const;
    void pastePlayer();

    CTextEncoding encoding() const;
    CLeagueTreeModel* treeModel() const { return m_model; }

    // Nodes may be dragged out; drops are taken only once the owner says which.
    void setDropHandler(CNodeDropHandler handler);
    const CNodeDropHandler& dropHandler() const { return m_dropHandler; }

signals:
    void teamSelected(uint32_t teamId);
    void nodeDoubleClicked();
    // After a paste of a player onto a team node of this tree.
    void playerPasted(uint32_t playerId, uint32_t teamId);

protected:
    void startDrag(Qt::DropActions supported) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void reportSelection(const QModelIndex& current);
    // Whether the drop under the pointer would be taken; performs it when asked.
    bool handleDrop(QDropEvent* event, bool perform);

    CObrixApp& m_app;
    bool m_showPlayers;
    bool m_notifyOwner;
    bool m_filling = false;
    CLeagueTreeModel* m_model;
    CNodeDropHandler m_dropHandler;
};
