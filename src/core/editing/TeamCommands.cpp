#include "editing/TeamCommands.h"

#include "database/Change.h"
#include "database/Database.h"
#include "editing/EditingTexts.h"
#include "editing/Roster.h"
#include "settings/Prompts.h"
#include "util/TextCodec.h"
#include "util/Translatable.h"

#include <algorithm>
#include <array>
#include <vector>

bool copyTeamToClipboard(CTransaction& db, uint32_t teamId, CTeam& clipboardTeam)
{
    const CTeam* team = db.team(teamId);
    if (!team) return false;
    db.copyTeamFull(clipboardTeam, *team);
    return true;
}

bool pasteTeamIntoLeague(CTransaction& db, std::size_t leaguePosition, const CTeam& clipboardTeam)
{
    if (clipboardTeam.id == 0) return false;
    CLeague* league = db.league(leaguePosition);
    if (!league) return false;
    // Entries beyond the used slots are leftovers of earlier deletes; the new team takes
    // the first of them so that it is within the slots the tree and the file read.
    if (league->teamIds.size() > league->slotCount)
        league->teamIds[league->slotCount] = clipboardTeam.id;
    else
        league->teamIds.push_back(clipboardTeam.id);
    ++league->slotCount;
    db.setModified();
    return true;
}

bool pastePlayerIntoTeam(CTransaction& db, uint32_t teamId, const CPlayer& clipboardPlayer, CTextEncoding encoding,
                         CPrompts& prompts)
{
    CTeam* team = db.team(teamId);
    CPlayer* player = db.player(clipboardPlayer.id);
    if (!team || !player) return false;
    if (std::find(team->players.begin(), team->players.end(), 0u) == team->players.end()) return false;

    player->destinationTeamId = team->id;
    player->copyMark = CPlayer::kCopyMark;
    team->addIncoming(player->id);
    player->modified = 1;
    team->modified = 1;
    db.setModified();
    prompts.message(translatedArgs("editingtexts", editingtexts::kDuplicatedTo,
                                   {toUtf8(clipboardPlayer.name, encoding), toUtf8(db.teamLabel(teamId), encoding)}),
                    CPrompts::CIcon::Information);
    return true;
}

bool removeTeamFromLeague(CTransaction& db, std::size_t leaguePosition, uint32_t teamId)
{
    CLeague* league = db.league(leaguePosition);
    if (!league || teamId == 0) return false;
    const std::size_t used = std::min<std::size_t>(league->slotCount, league->teamIds.size());
    auto begin = league->teamIds.begin();
    auto it = std::find(begin, begin + used, teamId);
    if (it == begin + used) return false;
    std::copy(it + 1, begin + used, it);
    league->teamIds[used - 1] = 0;
    league->slotCount = static_cast<uint32_t>(used - 1);
    db.setModified();
    return true;
}

uint32_t newLeagueId(const CDatabase& db)
{
    std::array<bool, 255> used{};
    const auto& leagues = db.leagues();
    for (std::size_t i = 1; i < leagues.size(); ++i)
        if (leagues[i] && leagues[i]->id < used.size()) used[leagues[i]->id] = true;
    for (uint32_t id = 1; id <= 254; ++id)
        if (!used[id]) return id;
    return 0;
}

std::size_t addNewLeague(CTransaction& db, const std::string& name)
{
    auto league = std::make_unique<CLeague>();
    league->displayName = name;
    league->id = newLeagueId(db);
    db.addLeague(std::move(league));
    db.setModified();
    return db.leagues().size() - 1;
}

bool leagueNameEditable(std::string_view nodeText, CPrompts& prompts)
{
    if (!nodeText.empty() && nodeText.front() == 'x')
    {
        prompts.message(translated("editingtexts", editingtexts::kEuropeanFixtures), CPrompts::CIcon::Information);
        return false;
    }
    return true;
}

bool renameLeague(CTransaction& db, std::size_t leaguePosition, const std::string& name)
{
    CLeague* league = db.league(leaguePosition);
    if (!league) return false;
    league->displayName = name;
    db.setModified();
    return true;
}

uint32_t rememberTeam(const CDatabase& db, uint32_t teamId, CTextEncoding encoding, CPrompts& prompts)
{
    if (!db.team(teamId)) return 0;
    prompts.message(translatedArgs("editingtexts", editingtexts::kRememberedTeam, {toUtf8(db.teamLabel(teamId), encoding)}),
                    CPrompts::CIcon::Information);
    return teamId;
}

std::optional<int> applyRememberedTeam(CTransaction& db, uint32_t rememberedTeamId, uint32_t currentTeamId)
{
    const CTeam* source = db.team(rememberedTeamId);
    CTeam* target = db.team(currentTeamId);
    if (!source || !target) return std::nullopt;

    // Copies first: with the same player in both teams a copy in place would hand on
    // fields already overwritten.
    std::vector<CPlayer> givers;
    for (uint32_t id : rosterPlayers(db, rememberedTeamId))
        if (const CPlayer* p = db.player(id)) givers.push_back(*p);

    target->copyAttributesFrom(*source);
    target->modified = 1;

    int copied = 0;
    for (std::size_t slot = 0; slot < target->players.size() && copied < static_cast<int>(givers.size()); ++slot)
    {
        CPlayer* receiver = db.player(target->players[slot]);
        if (!receiver) break;
        receiver->copyAttributesFrom(givers[copied]);
        receiver->modified = 1;
        ++copied;
    }
    // The marks alone would leave Save Data disabled.
    db.setModified();
    return copied;
}
