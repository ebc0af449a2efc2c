#pragma once

#include "database/RecordLimits.h"
#include "editing/RecordFields.h"
#include "util/TextCodec.h"

#include <cstdint>
#include <string>
#include <vector>

class CDatabase;

// What the game or the editor would stumble on in a database, found before a save.
//
// Errors: exactly what the save refuses (recordlimits::saveBlockers): a record the game's
// files cannot hold as it stands, or a game league with an odd number of slots. Warnings:
// the files hold it and read it back, but the game may not like it (a team short of a side,
// a player or team listed twice, a slot naming nothing) or it is most likely a mistake.
//
// "Values the game uses" are the ranges the editor's own controls offer: the 17 position
// labels (0..16), the 23 kit colours (0..22), the 5 shorts and 4 socks models, shirt
// numbers 1..63 (0 shows no number) and a bankroll of at most 100000 thousand. A field's
// bits hold more; the game has no meaning for the rest. Players the files list in no team
// are free agents, which the game has; only a game player that a game team listed when the
// files were read and none lists after the save (the save's own merge, imported teams left
// out: they are never written) is reported. A player two clubs list after the save is
// reported too (national sides list club players, so they are not counted): a fold of an
// imported player into a game player of another club leaves that player in both. An imported
// player with a value the game's fields cannot hold is reported on his imported team: he
// keeps it there, but no game team may take him until it fits.
struct CCheckProblem
{
    bool error = false;
    std::string code;  // stable: see the codes below
    bool wholeDatabase = false;  // no single record: kind and id say nothing
    CRecordKind kind = CRecordKind::Player;
    uint32_t id = 0;
    int64_t leagueId = -1;  // the league the problem was found in, -1 when none
    std::string message;    // UTF-8
};

namespace checkcodes
{
// The errors: the limits of the game's files (RecordLimits.h), by the same names.
inline constexpr const char* kLeagueOddSlots = limitcodes::kLeagueOddSlots;
inline constexpr const char* kLeagueTooLarge = limitcodes::kLeagueTooLarge;
inline constexpr const char* kTeamTooMany = limitcodes::kTeamTooMany;
inline constexpr const char* kTableTooLarge = limitcodes::kTableTooLarge;
// The warnings.
inline constexpr const char* kLeagueTeamTwice = "league-team-twice";
inline constexpr const char* kLeagueMissingTeam = "league-missing-team";
inline constexpr const char* kTeamTooFew = "team-too-few-players";
inline constexpr const char* kTeamPlayerTwice = "team-player-twice";
inline constexpr const char* kTeamMissingPlayer = "team-missing-player";
inline constexpr const char* kTeamSameNumber = "team-same-number";
inline constexpr const char* kPlayerUnlisted = "player-unlisted";
inline constexpr const char* kPlayerTwoClubs = "player-two-clubs";
inline constexpr const char* kPlayerBeyondGame = "player-beyond-game";
inline constexpr const char* kNameEmpty = "name-empty";
inline constexpr const char* kValueUnused = "value-unused";
} // namespace checkcodes

// Every problem, leagues first (list order), then teams and players by id.
std::vector<CCheckProblem> checkDatabase(const CDatabase& db, CTextEncoding encoding);

// "error CODE KIND ID (league L): MESSAGE", as obrix-cli prints a problem.
std::string describeProblem(const CCheckProblem& problem);

inline bool hasErrors(const std::vector<CCheckProblem>& problems)
{
    for (const auto& p : problems)
        if (p.error) return true;
    return false;
}
