#include "editing/Comparison.h"
#include "util/Translatable.h"

#include "database/Database.h"
#include "editing/Roster.h"
#include "editing/TextOrder.h"
#include "settings/Prompts.h"

#include <algorithm>

namespace
{
// Names of the other side are gathered once; rosters hold at most 52 entries, so a
// plain scan is cheaper than any index.
std::vector<uint32_t> missingFrom(const CDatabase& db, const std::vector<uint32_t>& mine,
                                  const std::vector<uint32_t>& theirs, CTextEncoding encoding)
{
    std::vector<const std::string*> theirNames;
    theirNames.reserve(theirs.size());
    for (uint32_t id : theirs) theirNames.push_back(&db.player(id)->name);

    std::vector<uint32_t> out;
    for (uint32_t id : mine)
    {
        const std::string& name = db.player(id)->name;
        const bool found = std::any_of(theirNames.begin(), theirNames.end(), [&](const std::string* other) {
            return compareNoCase(name, *other, encoding) == 0;
        });
        if (!found) out.push_back(id);
    }
    std::stable_sort(out.begin(), out.end(), [&](uint32_t a, uint32_t b) {
        return lessNoCase(db.player(a)->name, db.player(b)->name, encoding);
    });
    return out;
}
}  // namespace

CTeamComparison compareTeams(const CDatabase& db, uint32_t leftTeam, uint32_t rightTeam, CTextEncoding encoding)
{
    // rosterPlayers gives only ids whose record exists, so every name lookup holds.
    const std::vector<uint32_t> left = rosterPlayers(db, leftTeam);
    const std::vector<uint32_t> right = rosterPlayers(db, rightTeam);
    return {missingFrom(db, left, right, encoding), missingFrom(db, right, left, encoding)};
}

std::optional<CTeamComparison> compareSelection(const CDatabase& db, std::optional<uint32_t> leftNode,
                                                std::optional<uint32_t> rightNode, CTextEncoding encoding,
                                                CPrompts& prompts)
{
    if (!leftNode || !rightNode) return std::nullopt;
    if (*leftNode >= CDatabase::kLeagueNodeBase || *rightNode >= CDatabase::kLeagueNodeBase)
    {
        prompts.message(translated("comparisontexts", comparisontexts::kTeamsOnly));
        return std::nullopt;
    }
    return compareTeams(db, *leftNode, *rightNode, encoding);
}
