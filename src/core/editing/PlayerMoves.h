#pragma once

#include "editing/Transfers.h"

#include <cstdint>

class CDatabase;
class CTransaction;

// Moves of one player outside the Transfer page (Cut then Paste, a drag onto a team)
// follow the page's own rules: the player's team stands on the left, the team it goes
// to on the right, so the same limits refuse it with the same messages.

// The player as the Transfer page would see it selected under its team, and the target
// team as a team node of the other tree; both list what a roster lists.
CTransferSide playerSide(const CDatabase& db, uint32_t playerId, uint32_t teamId);
CTransferSide teamSide(const CDatabase& db, uint32_t teamId);

// The refusal a move would meet, without making it: Refused with its message, Nothing
// when there is nothing to do (the same team, a player no longer listed there), else
// MovedPlayer with the database untouched.
CTransferResult checkPlayerMove(const CDatabase& db, uint32_t playerId, uint32_t fromTeamId, uint32_t toTeamId);

// The move itself; the database is changed only when the result says MovedPlayer.
CTransferResult movePlayerToTeam(CTransaction& db, uint32_t playerId, uint32_t fromTeamId, uint32_t toTeamId);
