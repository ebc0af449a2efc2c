#pragma once

#include "util/Translatable.h"

#include <cstdint>
#include <string>
#include <vector>

class CDatabase;
class CTransaction;

// The Transfer page's rules. A transfer never touches a team's players slots: it is
// recorded in the player's destinationTeamId and copyMark and in the teams' incoming
// lists, which the tree and roster list and the next save merges.

namespace transfertexts
{
inline constexpr const char* kButton = "<---->";
inline constexpr const char* kCreatingTables = QT_TRANSLATE_NOOP("transfertexts", "Creating Transfer Tables...");
inline constexpr const char* kReady = QT_TRANSLATE_NOOP("transfertexts", "Ready");
inline constexpr const char* kCantTransferLeague = QT_TRANSLATE_NOOP("transfertexts", "Can't transfer league.");
// A move into a team on the right (or by Cut and Paste, or a drag) stops at 20; the team
// itself holds 26, which a move into a team on the left may fill.
inline constexpr const char* kRightTeamFull = QT_TRANSLATE_NOOP(
    "transfertexts", "This team already has 20 players. To give it more, up to 26, choose it in the left-hand list of the Transfer page.");
inline constexpr const char* kLeftTeamFull = QT_TRANSLATE_NOOP("transfertexts", "This team is full: a team holds at most 26 players.");
inline constexpr const char* kTooFewPlayers = QT_TRANSLATE_NOOP("transfertexts", "A team cannot have fewer than 11 players.");
}  // namespace transfertexts

// The right-hand team takes fewer players than the left: the game's squad screens show
// 20, while a team's list holds 26.
inline constexpr int kRightTeamLimit = 20;
inline constexpr int kLeftTeamLimit = 26;
inline constexpr int kMinimumPlayers = 11;
inline constexpr int kTeamSwapSteps = 26;

// Move: P leaves A (and A's incoming list, when it was there) for B's incoming list.
void movePlayer(CTransaction& db, uint32_t playerId, uint32_t fromTeamId, uint32_t toTeamId);
// The half of a swap: back home when B is the team P was moved away from, else on to B.
void placePlayer(CTransaction& db, uint32_t playerId, uint32_t fromTeamId, uint32_t toTeamId);
// P of A goes to B and Q of B to A; they exchange their commentary marks too, since the
// spoken name belongs to the record's place in the game's lists.
void swapPlayers(CTransaction& db, uint32_t p, uint32_t teamOfP, uint32_t q, uint32_t teamOfQ);

// What one side of the page had selected: the node's kind and value, and for a team
// or a player node, the team node concerned and the players listed under it in that tree.
struct CTransferSide
{
    enum class CKind { None, League, Team, Player };
    CKind kind = CKind::None;
    uint32_t value = 0;
    uint32_t teamId = 0;               // the team node itself, or the player's parent
    std::vector<uint32_t> teamPlayers; // player nodes under that team node, in order
};

// What changed, so that each tree can update its nodes.
struct CTransferResult
{
    enum class CKind { Nothing, Refused, MovedPlayer, SwappedPlayers, SwappedTeams };
    CKind kind = CKind::Nothing;
    std::string message;  // the refusal's text

    // A player node that leaves one team node for another.
    struct CNodeMove
    {
        uint32_t playerId;
        uint32_t fromTeamId;
        uint32_t toTeamId;
    };
    std::vector<CNodeMove> moves;
    // Pairs of player nodes that exchange text and value, each under its own team node.
    struct CNodeSwap
    {
        uint32_t p;
        uint32_t teamOfP;
        uint32_t q;
        uint32_t teamOfQ;
    };
    std::vector<CNodeSwap> swaps;
    // Teams whose node labels changed (their leagues need sorting again).
    std::vector<uint32_t> relabelledTeams;

    bool changed() const { return kind == CKind::MovedPlayer || kind == CKind::SwappedPlayers || kind == CKind::SwappedTeams; }
};

// Swap teams: attributes and names change places (ids stay), both incoming lists are
// emptied, then the listed players are walked in parallel for at most 26 steps, pairs
// swapped and the longer list's surplus placed into the other team.
CTransferResult swapTeams(CTransaction& db, uint32_t teamA, uint32_t teamB, const std::vector<uint32_t>& playersOfA,
                          const std::vector<uint32_t>& playersOfB);

// What "<---->" answers for a player node on the left and a team node on the right,
// without changing anything: Refused with its text, Nothing, or MovedPlayer.
CTransferResult checkMoveToRight(const CDatabase& db, const CTransferSide& player, const CTransferSide& team);

// The "<---->" button over the two selections, refusals checked in their fixed order.
CTransferResult transfer(CTransaction& db, const CTransferSide& left, const CTransferSide& right);
