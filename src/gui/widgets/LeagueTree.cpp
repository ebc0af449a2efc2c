#include "widgets/LeagueTree.h"

#include "app/CatalogueText.h"

#include "app/HistoryTexts.h"
#include "app/ObrixApp.h"
#include "database/Change.h"
#include "editing/EditingTexts.h"
#include "editing/TeamCommands.h"
#include "exchange/KeptLeagues.h"
#include "widgets/DragLabel.h"
#include "widgets/LeagueTreeDelegate.h"
#include "widgets/LeagueTreeModel.h"
#include "util/TextCodec.h"

#include <QDragMoveEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QPointer>

#include <algorithm>

namespace
{
// The row a node belongs at among the siblings on show: after each of them that comes
// before it in the order the tree is built in.
int rowInOrder(const CLeagueTreeModel& model, const QModelIndex& parent, const std::vector<uint32_t>& order,
               uint32_t value)
{
    const auto at = std::find(order.begin(), order.end(), value);
    int row = 0;
    for (int r = 0; r < model.rowCount(parent); ++r)
        if (std::find(order.begin(), at, model.value(model.index(r, 0, parent))) != at) row = r + 1;
    return row;
}

// The league node values in the order of the top level of a fresh tree.
std::vector<uint32_t> leagueOrder(const CDatabase& db, CTextEncoding encoding)
{
    std::vector<CTreeNode> leagues;
    for (std::size_t i = 0; i < db.leagues().size(); ++i)
        leagues.push_back(CTreeNode{uint32_t(kLeagueNodeBase + i), leagueNodeText(db, i), {}});
    sortNodesByText(leagues, encoding);
    std::vector<uint32_t> order;
    for (const CTreeNode& league : leagues) order.push_back(league.value);
    return order;
}
}  // namespace

CLeagueTree::CLeagueTree(CObrixApp& app, bool showPlayers, bool notifyOwner, QWidget* parent)
    : QTreeView(parent), m_app(app), m_showPlayers(showPlayers), m_notifyOwner(notifyOwner),
      m_model(new CLeagueTreeModel(this))
{
    setModel(m_model);
    setItemDelegate(new CLeagueTreeDelegate(app, this));
    setHeaderHidden(true);
    setRootIsDecorated(true);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setIconSize(QSize(16, 16));
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    header()->setStretchLastSection(true);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
    setDropIndicatorShown(false);  // a drop lands on a node, never between two

    // Imported leagues are not in the game's files; the tree says so where they are.
    m_model->leagueToolTip = [this](uint32_t value) {
        const auto& leagues = m_app.db().leagues();
        const std::size_t position = value - CDatabase::kLeagueNodeBase;
        if (value < CDatabase::kLeagueNodeBase || position >= leagues.size() || !leagues[position]->importedLeague)
            return QString();
        return catalogueText("keptleaguetexts", keptleaguetexts::kImportedLeagueTip);
    };
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { reportSelection(current); });
    // Every tree follows the document by itself, whichever page it sits on.
    connect(&app.document(), &CDocument::changed, this, &CLeagueTree::followChange);
    connect(this, &QTreeView::doubleClicked, this, [this](const QModelIndex& index) {
        if (m_notifyOwner && index.isValid()) emit nodeDoubleClicked();
    });
}

void CLeagueTree::configure(bool showPlayers, bool notifyOwner, bool fillNow)
{
    m_showPlayers = showPlayers;
    m_notifyOwner = notifyOwner;
    if (fillNow) fill();
}

// The names were read in the database's language, whatever the settings say since.
CTextEncoding CLeagueTree::encoding() const { return encodingForLanguage(m_app.db().languageCode()); }

void CLeagueTree::fill()
{
    m_filling = true;
    setUpdatesEnabled(false);
    m_model->reset(buildLeagueTree(m_app.db(), m_showPlayers, encoding()), encoding());
    setUpdatesEnabled(true);
    viewport()->update();
    m_filling = false;
}

void CLeagueTree::followChange(const CChange& change)
{
    if (m_model->rowCount() == 0) return;  // never filled: the next fill reads everything
    const CTextEncoding enc = encoding();
    if (change.touchesLeagues() && !change.addsOrRemovesRecords())
    {
        // League entries: a new league goes where a fresh tree would list it, a gone one
        // leaves, a changed one gets its text and team nodes again.
        const auto& leagues = m_app.db().leagues();
        const bool reporting = m_notifyOwner;
        m_notifyOwner = false;
        for (int l = m_model->rowCount() - 1; l >= 0; --l)
            if (m_model->value(m_model->index(l, 0)) - kLeagueNodeBase >= leagues.size())
                m_model->remove(m_model->index(l, 0));
        for (std::size_t position : change.leagues())
        {
            if (position >= leagues.size()) continue;
            const uint32_t value = uint32_t(kLeagueNodeBase + position);
            const CTreeNode fresh = leagueNode(m_app.db(), position, m_showPlayers, enc);
            QModelIndex node;
            for (int l = 0; l < m_model->rowCount() && !node.isValid(); ++l)
                if (m_model->value(m_model->index(l, 0)) == value) node = m_model->index(l, 0);
            if (!node.isValid())
            {
                m_model->insert({}, rowInOrder(*m_model, {}, leagueOrder(m_app.db(), enc), value), fresh, enc);
                continue;
            }
            const uint32_t selected = isTeam(selectedNode()) && m_model->parent(selectedNode()) == node
                                          ? m_model->value(selectedNode())
                                          : 0;
            m_model->setText(node, QString::fromStdString(toUtf8(fresh.text, enc)));
            // Teams that left go, teams that joined (or came back with an undo) take their
            // place in the league's order, the rest stay where the user sees them.
            std::vector<uint32_t> wanted;
            for (const CTreeNode& team : fresh.children) wanted.push_back(team.value);
            for (int t = m_model->rowCount(node) - 1; t >= 0; --t)
            {
                const uint32_t value = m_model->value(m_model->index(t, 0, node));
                auto at = std::find(wanted.begin(), wanted.end(), value);
                if (at == wanted.end())
                    m_model->remove(m_model->index(t, 0, node));
                else
                    wanted.erase(at);
            }
            std::vector<uint32_t> order;
            for (const CTreeNode& team : fresh.children) order.push_back(team.value);
            for (const CTreeNode& team : fresh.children)
                if (auto at = std::find(wanted.begin(), wanted.end(), team.value); at != wanted.end())
                {
                    m_model->insert(node, rowInOrder(*m_model, node, order, team.value), team, enc);
                    wanted.erase(at);
                }
            for (int t = 0; selected != 0 && t < m_model->rowCount(node); ++t)
                if (m_model->value(m_model->index(t, 0, node)) == selected) selectNode(m_model->index(t, 0, node));
        }
        m_notifyOwner = reporting;
        if (change.teams().empty() && change.players().empty()) return;
    }
    if (change.addsOrRemovesRecords())
    {
        std::vector<uint32_t> open;
        for (int l = 0; l < m_model->rowCount(); ++l)
            if (isExpanded(m_model->index(l, 0))) open.push_back(m_model->value(m_model->index(l, 0)));
        const QModelIndex selected = selectedNode();
        const uint32_t value = m_model->value(selected);
        const uint32_t parent = selected.isValid() ? m_model->value(m_model->parent(selected)) : 0;
        const uint32_t league = isPlayer(selected) ? m_model->value(m_model->parent(m_model->parent(selected)))
                                : isTeam(selected) ? parent
                                                   : value;
        // The index dies with the fill: only what it named is kept.
        const bool wasLeague = selected.isValid() && isLeague(selected);
        const bool wasTeam = selected.isValid() && isTeam(selected);
        const bool wasPlayer = selected.isValid() && isPlayer(selected);
        const bool reporting = m_notifyOwner;
        fill();
        for (int l = 0; l < m_model->rowCount(); ++l)
        {
            const QModelIndex node = m_model->index(l, 0);
            if (std::find(open.begin(), open.end(), m_model->value(node)) != open.end()) expand(node);
        }
        // The same node, found by value under the same league; nothing is reported again.
        QModelIndex again;
        for (int l = 0; l < m_model->rowCount() && !again.isValid(); ++l)
        {
            const QModelIndex leagueNode = m_model->index(l, 0);
            if (m_model->value(leagueNode) != league) continue;
            if (wasLeague) again = leagueNode;
            for (int t = 0; t < m_model->rowCount(leagueNode) && !again.isValid(); ++t)
            {
                const QModelIndex team = m_model->index(t, 0, leagueNode);
                if (wasTeam && m_model->value(team) == value) again = team;
                if (wasPlayer && m_model->value(team) == parent)
                    for (int p = 0; p < m_model->rowCount(team); ++p)
                        if (m_model->value(m_model->index(p, 0, team)) == value) again = m_model->index(p, 0, team);
            }
        }
        m_notifyOwner = false;
        if (again.isValid()) selectNode(again);
        m_notifyOwner = reporting;
        return;
    }
    // Looked up once per node, for every node of the tree: a sorted list, not a scan of
    // the change (a global modification names every player).
    std::vector<uint32_t> teams = change.teams();
    std::vector<uint32_t> players = change.players();
    std::sort(teams.begin(), teams.end());
    std::sort(players.begin(), players.end());
    for (int l = 0; l < m_model->rowCount(); ++l)
    {
        const QModelIndex leagueNode = m_model->index(l, 0);
        for (int t = 0; t < m_model->rowCount(leagueNode); ++t)
        {
            const QModelIndex team = m_model->index(t, 0, leagueNode);
            const uint32_t teamId = m_model->value(team);
            const bool touched = std::binary_search(teams.begin(), teams.end(), teamId);
            if (touched)
                m_model->setText(team, QString::fromStdString(toUtf8(m_app.db().teamLabel(teamId), enc)));
            if (!m_showPlayers) continue;
            if (touched)
            {
                // Its list changed: the player nodes follow, the selection stays on its player.
                const QModelIndex selected = selectedNode();
                const bool selectedHere = selected.isValid() && m_model->parent(selected) == team;
                const uint32_t selectedPlayer = selectedHere ? m_model->value(selected) : 0;
                const bool reporting = m_notifyOwner;
                m_notifyOwner = false;
                while (m_model->rowCount(team) > 0) m_model->remove(m_model->index(m_model->rowCount(team) - 1, 0, team));
                for (const CTreeNode& p : playerNodes(m_app.db(), teamId)) m_model->append(team, p, enc);
                if (selectedHere)
                    for (int p = 0; p < m_model->rowCount(team); ++p)
                        if (m_model->value(m_model->index(p, 0, team)) == selectedPlayer)
                            selectNode(m_model->index(p, 0, team));
                m_notifyOwner = reporting;
                continue;
            }
            // The team's player nodes at once: one signal for those whose label changed.
            m_model->relabelChildren(team, [&](uint32_t playerId) -> std::optional<std::string> {
                if (!std::binary_search(players.begin(), players.end(), playerId)) return std::nullopt;
                return m_app.db().playerLabel(playerId);
            });
        }
    }
}

void CLeagueTree::reportSelection(const QModelIndex& current)
{
    if (m_filling || !m_notifyOwner || !current.isValid()) return;
    const uint32_t value = m_model->value(current);
    if (value == 0) return;
    if (m_model->level(current) == 1) emit teamSelected(value);
}

QModelIndex CLeagueTree::addLastLeague()
{
    const auto& leagues = m_app.db().leagues();
    if (leagues.empty()) return {};
    return m_model->append({}, leagueNode(m_app.db(), leagues.size() - 1, m_showPlayers, encoding()), encoding());
}

QModelIndex CLeagueTree::addLeagueNode(const QString& text, uint32_t value)
{
    std::string bytes;
    fromUtf8(text.toStdString(), encoding(), bytes);
    return m_model->append({}, CTreeNode{value, bytes, {}}, encoding());
}

QModelIndex CLeagueTree::addTeamNode(const QModelIndex& parent, uint32_t teamId)
{
    if (!parent.isValid()) return {};
    CTreeNode node{teamId, m_app.db().teamLabel(teamId), {}};
    if (m_showPlayers) node.children = playerNodes(m_app.db(), teamId);
    return m_model->append(parent, node, encoding());
}

void CLeagueTree::removeNode(const QModelIndex& node) { m_model->remove(node); }

void CLeagueTree::setNodeText(const QModelIndex& node, const QString& text) { m_model->setText(node, text); }

QModelIndex CLeagueTree::findLeagueNode(uint32_t leagueValue) const
{
    for (int l = 0; l < m_model->rowCount(); ++l)
        if (const QModelIndex league = m_model->index(l, 0); m_model->value(league) == leagueValue) return league;
    return {};
}

QModelIndex CLeagueTree::findTeamNode(uint32_t teamId) const
{
    for (int l = 0; l < m_model->rowCount(); ++l)
    {
        const QModelIndex league = m_model->index(l, 0);
        for (int t = 0; t < m_model->rowCount(league); ++t)
        {
            const QModelIndex team = m_model->index(t, 0, league);
            if (m_model->value(team) == teamId) return team;
        }
    }
    return {};
}

QModelIndex CLeagueTree::findTeamNode(uint32_t teamId, uint32_t leagueValue) const
{
    for (int l = 0; l < m_model->rowCount(); ++l)
    {
        const QModelIndex league = m_model->index(l, 0);
        if (m_model->value(league) != leagueValue) continue;
        for (int t = 0; t < m_model->rowCount(league); ++t)
            if (const QModelIndex team = m_model->index(t, 0, league); m_model->value(team) == teamId) return team;
    }
    return findTeamNode(teamId);
}

std::set<uint32_t> CLeagueTree::expandedValues() const
{
    std::set<uint32_t> out;
    for (int l = 0; l < m_model->rowCount(); ++l)
    {
        const QModelIndex league = m_model->index(l, 0);
        if (!isExpanded(league)) continue;
        out.insert(m_model->value(league));
        for (int t = 0; t < m_model->rowCount(league); ++t)
            if (const QModelIndex team = m_model->index(t, 0, league); isExpanded(team)) out.insert(m_model->value(team));
    }
    return out;
}

void CLeagueTree::expandValues(const std::set<uint32_t>& values)
{
    for (int l = 0; l < m_model->rowCount(); ++l)
    {
        const QModelIndex league = m_model->index(l, 0);
        if (!values.count(m_model->value(league))) continue;
        expand(league);
        for (int t = 0; t < m_model->rowCount(league); ++t)
            if (const QModelIndex team = m_model->index(t, 0, league); values.count(m_model->value(team))) expand(team);
    }
}

QModelIndex CLeagueTree::findPlayerNode(uint32_t playerId, uint32_t teamId) const
{
    const QModelIndex team = findTeamNode(teamId);
    for (int p = 0; team.isValid() && p < m_model->rowCount(team); ++p)
    {
        const QModelIndex player = m_model->index(p, 0, team);
        if (m_model->value(player) == playerId) return player;
    }
    return {};
}

int CLeagueTree::countChildren(const QModelIndex& node) const { return m_model->rowCount(node); }
bool CLeagueTree::isLeague(const QModelIndex& node) const { return m_model->level(node) == 0; }
bool CLeagueTree::isTeam(const QModelIndex& node) const { return m_model->level(node) == 1; }
bool CLeagueTree::isPlayer(const QModelIndex& node) const { return m_model->level(node) == 2; }
uint32_t CLeagueTree::nodeValue(const QModelIndex& node) const { return m_model->value(node); }
uint32_t CLeagueTree::parentValue(const QModelIndex& node) const { return m_model->value(m_model->parent(node)); }
QString CLeagueTree::nodeText(const QModelIndex& node) const { return m_model->text(node); }

QModelIndex CLeagueTree::selectedNode() const
{
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? QModelIndex() : rows.front();
}

uint32_t CLeagueTree::selectedValue() const { return m_model->value(selectedNode()); }

CTreePath CLeagueTree::selectedPath() const { return m_model->pathOf(selectedNode()); }

void CLeagueTree::selectNode(const QModelIndex& node)
{
    if (!node.isValid())
    {
        selectionModel()->clear();
        return;
    }
    selectionModel()->setCurrentIndex(node, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(node);
}

std::vector<CTreeNode> CLeagueTree::currentOrder() const { return m_model->order(); }

QModelIndex CLeagueTree::nodeAt(const CTreePath& path) const { return m_model->indexOf(path); }

void CLeagueTree::copyPlayer()
{
    const QModelIndex node = selectedNode();
    const CPlayer* player = isPlayer(node) ? m_app.db().player(nodeValue(node)) : nullptr;
    if (!player)
    {
        m_app.prompts().message(catalogueUtf8("editingtexts", editingtexts::kCopyPlayerOnly), CPrompts::CIcon::Information);
        return;
    }
    m_app.document().clipboardPlayer.copyFrom(*player);
}

bool CLeagueTree::canPastePlayer() const { return m_app.document().clipboardPlayer.id != 0; }

void CLeagueTree::pastePlayer()
{
    if (!canPastePlayer()) return;
    const QModelIndex node = selectedNode();
    if (!isTeam(node))
    {
        m_app.prompts().message(catalogueUtf8("editingtexts", editingtexts::kPastePlayerOnly), CPrompts::CIcon::Information);
        return;
    }
    const uint32_t teamId = nodeValue(node);
    const CPlayer player = m_app.document().clipboardPlayer;
    bool pasted = false;
    m_app.document().run(
        historytexts::step(historytexts::kPastePlayer, QString::fromStdString(toUtf8(player.name, encoding()))),
        [&](CTransaction& tx) { pasted = pastePlayerIntoTeam(tx, teamId, player, encoding(), m_app.prompts()); });
    if (pasted) emit playerPasted(player.id, teamId);
}

void CLeagueTree::setDropHandler(CNodeDropHandler handler)
{
    m_dropHandler = std::move(handler);
    setAcceptDrops(bool(m_dropHandler));
}

bool CLeagueTree::handleDrop(QDropEvent* event, bool perform)
{
    const std::optional<CNodeDrag> drag = CNodeDrag::from(event->mimeData());
    const QModelIndex target = indexAt(event->position().toPoint());
    if (!drag || !target.isValid() || !m_dropHandler) return false;
    const bool copying = event->modifiers().testFlag(Qt::ControlModifier);
    return m_dropHandler(*drag, event->source(), target, copying, perform);
}

void CLeagueTree::startDrag(Qt::DropActions supported)
{
    startLabelledDrag(this, supported, nodeText(currentIndex()));
}

void CLeagueTree::dragEnterEvent(QDragEnterEvent* event)
{
    if (!m_dropHandler || !CNodeDrag::from(event->mimeData()))
    {
        event->ignore();
        return;
    }
    QTreeView::dragEnterEvent(event);
    event->acceptProposedAction();
}

void CLeagueTree::dragMoveEvent(QDragMoveEvent* event)
{
    // The base scrolls and opens nodes under a resting pointer; the answer is ours, and
    // the pointer shows it.
    QTreeView::dragMoveEvent(event);
    if (handleDrop(event, false))
    {
        event->setDropAction(event->modifiers().testFlag(Qt::ControlModifier) ? Qt::CopyAction : Qt::MoveAction);
        event->accept();
    }
    else
        event->ignore();
}

void CLeagueTree::dropEvent(QDropEvent* event)
{
    stopAutoScroll();
    setState(NoState);
    viewport()->update();
    if (!handleDrop(event, false))
    {
        event->ignore();
        return;
    }
    // The source must not read the drag as a move it has to carry out itself, and the
    // work, which may show a message, runs once the drag's own loop has ended.
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
    const CNodeDrag drag = *CNodeDrag::from(event->mimeData());
    const QPersistentModelIndex target(indexAt(event->position().toPoint()));
    const QPointer<QObject> source(event->source());
    const bool copying = event->modifiers().testFlag(Qt::ControlModifier);
    QMetaObject::invokeMethod(
        this,
        [this, drag, target, source, copying] {
            if (target.isValid() && m_dropHandler) m_dropHandler(drag, source.data(), target, copying, true);
        },
        Qt::QueuedConnection);
}
