#pragma once

#include "database/Player.h"
#include "database/Team.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// A GLV league patch: "GLV", the league name, then one block per team with the game's
// own 80-byte team record and up to 26 player blocks of a 20-byte record. Strings are a
// length byte followed by that many bytes. The player record is the game's except in
// its fifth 32-bit word (offset 16): there bits 4-11 hold jerseyNumber and bits 12-19
// position, and no altPosition is stored.
namespace glv
{
inline constexpr std::size_t kMaxPlayersPerTeam = 26;

struct CGlvPlayerBlock
{
    std::string name;
    CPlayer player;  // altPosition 0; name and storedName as read
};

struct CGlvTeamBlock
{
    std::string name;
    CTeam team;  // the 80-byte record unpacked as the game file's (players and loadedPlayers)
    std::vector<CGlvPlayerBlock> players;
};

struct CGlvFile
{
    std::string leagueName;
    std::vector<CGlvTeamBlock> teams;
};

enum class CGlvProblem
{
    None,
    NotGlv,          // the first three bytes are not "GLV" (case matters)
    TooManyTeams,    // more teams than the league they are based on holds (or a negative count)
    TooManyPlayers,  // a team block announcing more than 26 players
    Truncated,       // a string, record or count running past the end of the file
};

struct CGlvReadResult
{
    CGlvProblem problem = CGlvProblem::None;
    std::string message;  // for the user; empty on success
    CGlvFile file;

    bool ok() const { return problem == CGlvProblem::None; }
};

// maxTeams is the number of teams of the league the file's teams are based on.
CGlvReadResult readGlvFile(std::span<const uint8_t> bytes, std::size_t maxTeams);

// The most bytes a file of maxTeams team blocks can hold: every string at its longest and
// every team with all its player blocks. A larger file is no GLV file of that league.
std::size_t maxGlvFileBytes(std::size_t maxTeams);

// The writer exists for the sample game and for tests; strings longer than 255 bytes
// are cut.
std::vector<uint8_t> writeGlvFile(const CGlvFile& file);

void unpackGlvPlayer(const uint8_t* bytes, CPlayer& player);
void packGlvPlayer(const CPlayer& player, uint8_t* bytes);
}  // namespace glv
