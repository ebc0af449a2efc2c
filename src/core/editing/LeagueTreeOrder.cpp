#include "editing/LeagueTreeOrder.h"

#include "database/Database.h"
#include "editing/TextOrder.h"

#include <algorithm>

std::string leagueNodeText(const CDatabase& db, std::size_t position)
{
    const auto& leagues = db.leagues();
    if (position >= leagues.size() || !leagues[position]) return {};
    const CLeague& league = *leagues[position];
    return league.modified ? league.displayName + " *" : league.displayName;
}

std::vector<CTreeNode> playerNodes(const CDatabase& db, uint32_t teamId)
{
    std::vector<CTreeNode> out;
    const CTeam* team = db.team(teamId);
    if (!team) return out;
    for (uint32_t id : team->players)
    {
        const CPlayer* p = db.player(id);
        if (!p || (p->destinationTeamId != 0 && p->copyMark != CPlayer::kCopyMark)) continue;
        std::string label = db.playerLabel(id);
        if (!label.empty()) out.push_back({id, std::move(label), {}});
    }
    for (uint32_t id : team->incomingPlayers)
    {
        if (id == 0) continue;
        std::string label = db.playerLabel(id);
        if (!label.empty()) out.push_back({id, std::move(label), {}});
    }
    return out;
}

CTreeNode leagueNode(const CDatabase& db, std::size_t position, bool showPlayers, CTextEncoding encoding)
{
    CTreeNode node{static_cast<uint32_t>(kLeagueNodeBase + position), leagueNodeText(db, position), {}};
    const auto& leagues = db.leagues();
    if (position >= leagues.size() || !leagues[position]) return node;
    const CLeague& league = *leagues[position];
    const std::size_t slots = std::min<std::size_t>(league.slotCount, league.teamIds.size());
    node.children.reserve(slots);
    for (std::size_t s = 0; s < slots; ++s)
    {
        const uint32_t teamId = league.teamIds[s];
        if (teamId == 0) continue;
        CTreeNode team{teamId, db.teamLabel(teamId), {}};
        if (showPlayers) team.children = playerNodes(db, teamId);
        node.children.push_back(std::move(team));
    }
    sortNodesByText(node.children, encoding);
    return node;
}

std::vector<CTreeNode> buildLeagueTree(const CDatabase& db, bool showPlayers, CTextEncoding encoding)
{
    std::vector<CTreeNode> tree;
    tree.reserve(db.leagues().size());
    for (std::size_t i = 0; i < db.leagues().size(); ++i) tree.push_back(leagueNode(db, i, showPlayers, encoding));
    sortNodesByText(tree, encoding);
    return tree;
}

void sortNodesByText(std::vector<CTreeNode>& nodes, CTextEncoding encoding)
{
    std::stable_sort(nodes.begin(), nodes.end(), [encoding](const CTreeNode& a, const CTreeNode& b) {
        return lessNoCase(a.text, b.text, encoding);
    });
}

std::array<int, 3> teamSwatchValues(const CTeam& team)
{
    const int a = team.homeJerseyColour2, b = team.homeShortsColour1, c = team.homeJerseyColour1;
    if (a == b && b != c) return {a, c, a};
    if (b == c && a != b) return {b, a, b};
    // a == c (odd one already in the middle), all equal, or all different.
    return {a, b, c};
}
