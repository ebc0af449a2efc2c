#include "editing/StatsChoice.h"

#include "database/Change.h"
#include "database/Database.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>
#include <unordered_map>
#include <unordered_set>

std::vector<std::size_t> leaguesHoldingTeam(const CDatabase& db, uint32_t teamId)
{
    std::vector<std::size_t> out;
    const auto& leagues = db.leagues();
    for (std::size_t position = 0; position < leagues.size(); ++position)
    {
        const CLeague& league = *leagues[position];
        const std::size_t used = std::min<std::size_t>(league.slotCount, league.teamIds.size());
        if (std::find(league.teamIds.begin(), league.teamIds.begin() + std::ptrdiff_t(used), teamId) !=
            league.teamIds.begin() + std::ptrdiff_t(used))
            out.push_back(position);
    }
    return out;
}

std::size_t chooseTeams(std::vector<uint32_t>& chosen, const std::vector<uint32_t>& teamIds)
{
    std::size_t added = 0;
    for (uint32_t id : teamIds)
    {
        if (id == 0 || std::find(chosen.begin(), chosen.end(), id) != chosen.end()) continue;
        chosen.push_back(id);
        ++added;
    }
    return added;
}

namespace
{
std::optional<long long> wholeNumber(const std::string& text)
{
    if (text.empty()) return std::nullopt;
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end) return std::nullopt;
    return value;
}
}  // namespace

bool gridCellLess(const std::string& a, const std::string& b)
{
    const auto na = wholeNumber(a);
    const auto nb = wholeNumber(b);
    if (na && nb) return *na < *nb;
    if (na != std::nullopt || nb != std::nullopt) return na.has_value();
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
    });
}

namespace
{
bool movedAway(const CPlayer& p) { return p.destinationTeamId != 0 && p.copyMark != CPlayer::kCopyMark; }

std::vector<uint32_t> usedTeams(const CLeague& league)
{
    const std::size_t used = std::min<std::size_t>(league.slotCount, league.teamIds.size());
    return {league.teamIds.begin(), league.teamIds.begin() + std::ptrdiff_t(used)};
}

bool sameLeagueTeams(const std::vector<CLeague>& a, const std::vector<CLeague>& b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (usedTeams(a[i]) != usedTeams(b[i])) return false;
    return true;
}

// The players a team lists on one side of a change, as a set: the order of the slots is
// the save's business, not who plays where.
template <class FindPlayer>
std::vector<uint32_t> listedSet(const CTeam& team, FindPlayer&& player)
{
    std::vector<uint32_t> out;
    for (uint32_t id : team.players)
        if (const CPlayer* p = id != 0 ? player(id) : nullptr; p && !movedAway(*p)) out.push_back(id);
    for (uint32_t id : team.incomingPlayers)
        if (id != 0) out.push_back(id);
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}
}  // namespace

bool movesTeamsOrPlayers(const CChange& change, const CDatabase& db)
{
    if (change.addsOrRemovesRecords()) return true;
    if (change.touchesLeagues() && change.leagueImagesBefore() && change.leagueImagesAfter() &&
        !sameLeagueTeams(*change.leagueImagesBefore(), *change.leagueImagesAfter()))
        return true;

    // Players the change holds, by id; the rest read the same from db on either side. Only
    // needed for the teams' lists: a change of fields alone (a global modification of every
    // player) does not pay for it.
    std::unordered_map<uint32_t, const CRecordImage<CPlayer>*> images;
    if (!change.teamImages().empty())
    {
        images.reserve(change.playerImages().size());
        for (const auto& image : change.playerImages()) images.emplace(image.id, &image);
    }
    auto side = [&](bool after) {
        return [&images, &db, after](uint32_t id) -> const CPlayer* {
            const auto found = images.find(id);
            if (found == images.end()) return db.player(id);
            const auto& kept = after ? found->second->after : found->second->before;
            return kept ? &*kept : nullptr;
        };
    };

    std::unordered_set<uint32_t> imagedTeams;
    for (const auto& image : change.teamImages())
    {
        imagedTeams.insert(image.id);
        if (!image.before || !image.after) return true;
        if (listedSet(*image.before, side(false)) != listedSet(*image.after, side(true))) return true;
    }

    // A player who moved away or came back changes the lists of the teams that hold him in
    // their slots, even of a team the change did not touch.
    std::unordered_set<uint32_t> turned;
    for (const auto& image : change.playerImages())
        if (image.before && image.after && movedAway(*image.before) != movedAway(*image.after)) turned.insert(image.id);
    if (turned.empty()) return false;
    bool listedElsewhere = false;
    db.forEachTeam([&](const CTeam& team) {
        if (listedElsewhere || imagedTeams.count(team.id)) return;
        for (uint32_t id : team.players)
            if (id != 0 && turned.count(id)) listedElsewhere = true;
    });
    return listedElsewhere;
}
