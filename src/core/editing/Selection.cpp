#include "editing/Selection.h"

#include "database/Database.h"
#include "editing/LeagueTreeOrder.h"

#include <algorithm>

namespace
{
bool lists(const CLeague& league, uint32_t teamId)
{
    const std::size_t used = std::min<std::size_t>(league.slotCount, league.teamIds.size());
    return teamId != 0 && std::find(league.teamIds.begin(), league.teamIds.begin() + used, teamId) !=
                              league.teamIds.begin() + used;
}

bool contains(const std::vector<uint32_t>& ids, uint32_t id) { return std::find(ids.begin(), ids.end(), id) != ids.end(); }

// The league's place now: the same position while it holds the same league, else where
// its id went; none when no league has that id any more.
std::size_t placeNow(const CDatabase& db, std::size_t position, const CLeague& was)
{
    const auto& leagues = db.leagues();
    if (position < leagues.size() && leagues[position] && leagues[position]->id == was.id) return position;
    for (std::size_t i = 0; i < leagues.size(); ++i)
        if (leagues[i] && leagues[i]->id == was.id) return i;
    return CSelection::kNoLeague;
}
}  // namespace

uint32_t neighbourAfterRemoval(const std::vector<uint32_t>& before, const std::vector<uint32_t>& after, uint32_t gone)
{
    const auto at = std::find(before.begin(), before.end(), gone);
    if (at == before.end()) return 0;
    for (auto next = at + 1; next != before.end(); ++next)
        if (*next != gone && contains(after, *next)) return *next;
    for (auto previous = at; previous != before.begin();)
    {
        --previous;
        if (*previous != gone && contains(after, *previous)) return *previous;
    }
    return 0;
}

std::vector<uint32_t> leagueTeamOrder(const CDatabase& db, const CLeague& league, CTextEncoding encoding)
{
    std::vector<CTreeNode> nodes;
    const std::size_t used = std::min<std::size_t>(league.slotCount, league.teamIds.size());
    for (std::size_t s = 0; s < used; ++s)
        if (league.teamIds[s] != 0) nodes.push_back(CTreeNode{league.teamIds[s], db.teamLabel(league.teamIds[s]), {}});
    sortNodesByText(nodes, encoding);
    std::vector<uint32_t> order;
    order.reserve(nodes.size());
    for (const CTreeNode& node : nodes) order.push_back(node.value);
    return order;
}

CSelection settleSelection(const CDatabase& db, const CSelection& current, const std::vector<CLeague>* leaguesBefore,
                           CTextEncoding encoding)
{
    const auto& leagues = db.leagues();
    if (current.league == CSelection::kNoLeague) return {};
    const CLeague* was = leaguesBefore && current.league < leaguesBefore->size() ? &(*leaguesBefore)[current.league]
                                                                                 : nullptr;
    CSelection out = current;
    if (was)
        out.league = placeNow(db, current.league, *was);
    else if (current.league >= leagues.size())
        out.league = CSelection::kNoLeague;
    if (out.league == CSelection::kNoLeague)
    {
        // The league itself went: the one that came to its place, else the one above.
        if (leagues.empty()) return {};
        return CSelection{std::min(current.league, leagues.size() - 1), 0, 0};
    }
    if (!leagues[out.league]) return {};
    const CLeague& league = *leagues[out.league];
    if (out.team != 0 && (!lists(league, out.team) || !db.team(out.team)))
    {
        out.team = was ? neighbourAfterRemoval(leagueTeamOrder(db, *was, encoding), leagueTeamOrder(db, league, encoding),
                                               current.team)
                       : 0;
        out.player = 0;
    }
    if (out.team == 0 || (out.player != 0 && !contains(db.listedPlayers(out.team), out.player))) out.player = 0;
    return out;
}
