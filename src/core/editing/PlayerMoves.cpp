#include "editing/PlayerMoves.h"

#include "database/Change.h"
#include "database/Database.h"

#include <algorithm>

CTransferSide playerSide(const CDatabase& db, uint32_t playerId, uint32_t teamId)
{
    CTransferSide side;
    side.kind = CTransferSide::CKind::Player;
    side.value = playerId;
    side.teamId = teamId;
    side.teamPlayers = db.listedPlayers(teamId);
    return side;
}

CTransferSide teamSide(const CDatabase& db, uint32_t teamId)
{
    CTransferSide side;
    side.kind = CTransferSide::CKind::Team;
    side.value = teamId;
    side.teamId = teamId;
    side.teamPlayers = db.listedPlayers(teamId);
    return side;
}

CTransferResult checkPlayerMove(const CDatabase& db, uint32_t playerId, uint32_t fromTeamId, uint32_t toTeamId)
{
    const CTransferSide from = playerSide(db, playerId, fromTeamId);
    // A player cut from a team that has let it go since (a transfer, a delete) is no
    // longer there to move: moving it from there would list it twice.
    if (std::find(from.teamPlayers.begin(), from.teamPlayers.end(), playerId) == from.teamPlayers.end()) return {};
    if (!db.team(toTeamId)) return {};
    return checkMoveToRight(db, from, teamSide(db, toTeamId));
}

CTransferResult movePlayerToTeam(CTransaction& db, uint32_t playerId, uint32_t fromTeamId, uint32_t toTeamId)
{
    const CTransferResult check = checkPlayerMove(db, playerId, fromTeamId, toTeamId);
    if (check.kind != CTransferResult::CKind::MovedPlayer) return check;
    return transfer(db, playerSide(db, playerId, fromTeamId), teamSide(db, toTeamId));
}
