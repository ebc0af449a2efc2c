#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class CDatabase;
struct CLeague;
enum class CTextEncoding;

// What the window has chosen: a league by its position in the league list, a team that
// league lists, a player that team lists. A level left at its empty value chooses nothing
// below it.
struct CSelection
{
    static constexpr std::size_t kNoLeague = static_cast<std::size_t>(-1);

    std::size_t league = kNoLeague;
    uint32_t team = 0;
    uint32_t player = 0;

    friend bool operator==(const CSelection&, const CSelection&) = default;
};

// The entry that takes the place of gone once it has left an ordered list: the first
// entry after it in before that after still holds, else the nearest one before it that
// after still holds, else 0.
uint32_t neighbourAfterRemoval(const std::vector<uint32_t>& before, const std::vector<uint32_t>& after, uint32_t gone);

// A league's teams in the order its tree node lists them.
std::vector<uint32_t> leagueTeamOrder(const CDatabase& db, const CLeague& league, CTextEncoding encoding);

// Where a selection stands after a change to db. Each level is kept while it is still
// there: a league that moved in the list (one before it was removed) is followed by its
// id; a gone league gives way to the one now at its place, else the last one, with no
// team. A team the league no longer lists gives way to its neighbour in the league's
// order before the change (leaguesBefore: the whole list before it, when it changed);
// a player his team no longer lists, or of a team that gave way, to none.
CSelection settleSelection(const CDatabase& db, const CSelection& current,
                           const std::vector<CLeague>* leaguesBefore, CTextEncoding encoding);
