#pragma once

#include "database/League.h"
#include "database/Player.h"
#include "database/RecordKind.h"
#include "database/Team.h"
#include "util/TextCodec.h"

#include <cstdint>
#include <string>
#include <unordered_set>
#include <vector>

class CDatabase;

// What a database must be for the save to write it and the reader to read the same records
// back: the one statement every road into the database keeps to. The change gate refuses an
// edit that breaks it, the check reports it as an error, and the save refuses it (with the
// odd-slot league, the one state the files could hold but the game's reader would change).
//
// Only records the game's files hold are held to the file's limits: leagues the editor keeps
// for itself and imported teams and players are never written there, and hold whatever their
// own format held. An imported player reaches the files only when the save folds him into a
// game player, so he is held to the game's widths from the moment a game team is to take him.
//
// Anything else the game may dislike but the files hold the same way after a save (a team
// short of a side, a player listed twice, an empty slot) is not a limit: the check warns.
struct CLimitProblem
{
    std::string code;            // stable, as the check's codes
    CRecordKind kind = CRecordKind::Player;
    uint32_t id = 0;
    bool wholeDatabase = false;  // no single record: kind and id say nothing
    std::string field;           // the field as the dump names it; empty for the whole record
    std::string message;         // UTF-8; names the record, the field and the limit
};

namespace limitcodes
{
inline constexpr const char* kNameTooLong = "name-too-long";
inline constexpr const char* kNameHasNul = "name-has-nul";
inline constexpr const char* kLeagueNameReserved = "league-name-reserved";
inline constexpr const char* kValueTooLarge = "value-too-large";
inline constexpr const char* kIdOutOfRange = "id-out-of-range";
inline constexpr const char* kTeamTooMany = "team-too-many-players";
inline constexpr const char* kLeagueTooLarge = "league-too-large";
inline constexpr const char* kLeagueOddSlots = "league-odd-slots";
inline constexpr const char* kTableTooLarge = "table-too-large";
} // namespace limitcodes

namespace recordlimits
{
// In bytes of the game's encoding.
inline constexpr std::size_t kLeagueNameBytes = 79;  // the stored name; the reader refuses 80
inline constexpr std::size_t kPlayerNameBytes = CPlayer::kShownNameLength;
inline constexpr std::size_t kAbbreviationBytes = CTeam::kAbbreviationBytes;
inline constexpr std::size_t kShortNameBytes = CTeam::kShortNameBytes;
inline constexpr uint32_t kLeagueSlots = 63;  // the entry's length byte holds 4 * slots + 2
inline constexpr uint32_t kTableAddressLimit = 0x10000;  // table positions are read from 16 bits

// One record against the limits. With before (the same record before a change), only the
// fields that differ from it are judged, so that an edit is never refused for something it
// did not touch.
// An imported player is judged by the game's widths only when intoGame (a game team is to
// take him at the next save).
void checkPlayer(const CPlayer& p, CTextEncoding encoding, std::vector<CLimitProblem>& out,
                 const CPlayer* before = nullptr, bool intoGame = false);
// The imported players a game team lists among its incoming ones: the save folds each into a
// game player.
std::unordered_set<uint32_t> playersIntoGame(const CDatabase& db);

struct CBeyondGame
{
    const char* field;  // as the dump names it
    int64_t value;
    int64_t limit;
};
// The values of an imported player that the game's fields cannot hold, in field order.
std::vector<CBeyondGame> beyondGame(const CPlayer& p);
void checkTeam(const CTeam& t, const CDatabase& db, CTextEncoding encoding, std::vector<CLimitProblem>& out,
               const CTeam* before = nullptr);
void checkLeague(const CLeague& l, CTextEncoding encoding, std::vector<CLimitProblem>& out,
                 const CLeague* before = nullptr);
// Where the player table would begin: the file addresses it with 16 bits.
void checkTables(const CDatabase& db, std::vector<CLimitProblem>& out);

// Every record of the database, leagues first (list order), then teams and players by id.
std::vector<CLimitProblem> checkDatabase(const CDatabase& db);

// What refuses a save: the limits, and a game league with an odd number of slots, which the
// game's reader would read one slot short. The gate lets an edit leave a league odd (a team
// deleted before its partner is), so the save is where it stops.
std::vector<CLimitProblem> saveBlockers(const CDatabase& db);

// "League "Premier" (id 246), name: ..." and up to four more, one per line.
std::string describe(const std::vector<CLimitProblem>& problems);
} // namespace recordlimits
