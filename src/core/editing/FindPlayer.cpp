#include "editing/FindPlayer.h"

#include "database/Database.h"
#include "editing/EditingTexts.h"
#include "editing/TextOrder.h"
#include "settings/Prompts.h"
#include "util/TextCodec.h"

namespace
{
bool nameMatches(const CPlayer& p, const std::string& upperText, CTextEncoding encoding)
{
    return upperCase(p.name, encoding).find(upperText) != std::string::npos;
}

// Players still in the team's slots count only while they have not moved at all
// (a pasted copy included); incoming players always count.
uint32_t searchTeam(const CDatabase& db, uint32_t teamId, const std::string& upperText, CTextEncoding encoding)
{
    const CTeam* team = db.team(teamId);
    if (!team) return 0;
    for (uint32_t id : team->players)
        if (const CPlayer* p = db.player(id); p && p->destinationTeamId == 0 && nameMatches(*p, upperText, encoding))
            return id;
    for (uint32_t id : team->incomingPlayers)
        if (const CPlayer* p = db.player(id); p && nameMatches(*p, upperText, encoding)) return id;
    return 0;
}
}  // namespace

std::string findFailedMessage(std::string_view text)
{
    return translatedArgs("editingtexts", editingtexts::kFindFailed, {text});
}

CFindResult findPlayerInTree(const CDatabase& db, const std::vector<CTreeNode>& tree, const CTreePath& selection,
                             std::string_view text, CTextEncoding encoding)
{
    const int leagueCount = static_cast<int>(tree.size());
    if (leagueCount == 0) return {};

    std::string bytes;
    if (!fromUtf8(text, encoding, bytes)) return {};  // no name can hold what the encoding cannot write
    const std::string upperText = upperCase(bytes, encoding);

    CTreePath start = selection;
    start.player = -1;
    const bool startValid = start.league >= 0 && start.league < leagueCount &&
                            (start.team < 0 || start.team < static_cast<int>(tree[start.league].children.size()));
    if (!startValid) start = {};

    // The first node visited.
    int league = 0, team = 0;
    if (start.isTeam())
    {
        if (start.team + 1 < static_cast<int>(tree[start.league].children.size()))
            league = start.league, team = start.team + 1;
        else if (start.league + 1 < leagueCount)
            league = start.league + 1, team = 0;
        else
            return {};
    }
    else if (start.isLeague())
    {
        league = (start.league + 1) % leagueCount;
        team = 0;
    }

    for (;;)
    {
        if (start.isLeague() && league == start.league) return {};
        const auto& teams = tree[league].children;
        for (int t = team; t < static_cast<int>(teams.size()); ++t)
        {
            if (start.isTeam() && league == start.league && t == start.team) return {};
            if (isLeagueValue(teams[t].value)) continue;
            if (const uint32_t id = searchTeam(db, teams[t].value, upperText, encoding))
                return {id, {league, t, -1}};
        }
        team = 0;
        if (++league == leagueCount)
        {
            // With nothing selected the search runs from the first league to the last once.
            if (start.empty()) return {};
            league = 0;
        }
    }
}

CFindResult findPlayer(const CDatabase& db, const std::vector<CTreeNode>& tree, const CTreePath& selection,
                       std::string_view text, CTextEncoding encoding, CPrompts& prompts)
{
    CFindResult result = findPlayerInTree(db, tree, selection, text, encoding);
    if (result.playerId == 0) prompts.message(findFailedMessage(text), CPrompts::CIcon::Information);
    return result;
}
