#include "editing/Transfers.h"
#include "util/Translatable.h"

#include "database/Change.h"
#include "database/Database.h"

#include <algorithm>
#include <utility>

namespace
{
void removeIncoming(CTransaction& db, uint32_t teamId, uint32_t playerId)
{
    if (CTeam* t = db.team(teamId)) t->removeIncoming(playerId);
}

void addIncoming(CTransaction& db, uint32_t teamId, uint32_t playerId)
{
    if (CTeam* t = db.team(teamId)) t->addIncoming(playerId);
}

void markTeam(CTransaction& db, uint32_t teamId)
{
    if (CTeam* t = db.team(teamId)) t->modified = 1;
}

bool hasFreeIncomingSlot(const CDatabase& db, uint32_t teamId)
{
    const CTeam* t = db.team(teamId);
    return t && std::find(t->incomingPlayers.begin(), t->incomingPlayers.end(), 0u) != t->incomingPlayers.end();
}

// One player's half of a swap: home again when it goes back to the team it was moved
// from, else on to the other team in the place of the player coming the other way.
void swapHalf(CTransaction& db, CPlayer& p, uint32_t from, uint32_t to, uint32_t other)
{
    if (to == p.copyMark)
    {
        p.destinationTeamId = 0;
        p.copyMark = 0;
        removeIncoming(db, from, p.id);
        return;
    }
    p.destinationTeamId = to;
    p.copyMark = from;
    removeIncoming(db, to, other);
    addIncoming(db, to, p.id);
}
}  // namespace

void movePlayer(CTransaction& db, uint32_t playerId, uint32_t fromTeamId, uint32_t toTeamId)
{
    CPlayer* p = db.player(playerId);
    if (!p) return;
    p->destinationTeamId = 0;
    p->copyMark = 0;
    removeIncoming(db, fromTeamId, playerId);
    p->destinationTeamId = toTeamId;
    p->copyMark = fromTeamId;
    addIncoming(db, toTeamId, playerId);
    p->modified = 1;
    markTeam(db, fromTeamId);
    markTeam(db, toTeamId);
    db.setModified();
}

void placePlayer(CTransaction& db, uint32_t playerId, uint32_t fromTeamId, uint32_t toTeamId)
{
    CPlayer* p = db.player(playerId);
    if (!p) return;
    if (toTeamId == p->copyMark)
    {
        p->destinationTeamId = 0;
        p->copyMark = 0;
        removeIncoming(db, fromTeamId, playerId);
    }
    else
    {
        p->destinationTeamId = toTeamId;
        p->copyMark = fromTeamId;
        addIncoming(db, toTeamId, playerId);
    }
    p->modified = 1;
}

void swapPlayers(CTransaction& db, uint32_t p, uint32_t teamOfP, uint32_t q, uint32_t teamOfQ)
{
    CPlayer* a = db.player(p);
    CPlayer* b = db.player(q);
    if (!a || !b || a == b || teamOfP == teamOfQ) return;
    swapHalf(db, *a, teamOfP, teamOfQ, q);
    swapHalf(db, *b, teamOfQ, teamOfP, p);
    // When one half went home and the other did not, the first one's old incoming
    // entry was never taken out; left there it would list the player twice.
    removeIncoming(db, teamOfP, p);
    removeIncoming(db, teamOfQ, q);
    std::swap(a->hasCommentary, b->hasCommentary);
    a->modified = 1;
    b->modified = 1;
    db.setModified();
}

CTransferResult swapTeams(CTransaction& db, uint32_t teamA, uint32_t teamB, const std::vector<uint32_t>& playersOfA,
                          const std::vector<uint32_t>& playersOfB)
{
    CTransferResult result;
    CTeam* a = db.team(teamA);
    CTeam* b = db.team(teamB);
    if (!a || !b || a == b) return result;

    CTeam temporary;
    temporary.copyAttributesFrom(*a);
    a->copyAttributesFrom(*b);
    b->copyAttributesFrom(temporary);
    a->modified = 1;
    b->modified = 1;
    db.setModified();
    result.relabelledTeams = {teamA, teamB};

    a->clearIncoming();
    b->clearIncoming();

    std::size_t i = 0, j = 0;
    for (int step = 0; step < kTeamSwapSteps; ++step)
    {
        const bool fromA = i < playersOfA.size();
        const bool fromB = j < playersOfB.size();
        if (fromA && fromB)
        {
            swapPlayers(db, playersOfA[i], teamA, playersOfB[j], teamB);
            result.swaps.push_back({playersOfA[i], teamA, playersOfB[j], teamB});
            ++i;
            ++j;
        }
        else if (fromA)
        {
            placePlayer(db, playersOfA[i], teamA, teamB);
            result.moves.push_back({playersOfA[i], teamA, teamB});
            ++i;
        }
        else if (fromB)
        {
            placePlayer(db, playersOfB[j], teamB, teamA);
            result.moves.push_back({playersOfB[j], teamB, teamA});
            ++j;
        }
        else
            break;
    }
    db.setModified();
    result.kind = CTransferResult::CKind::SwappedTeams;
    return result;
}

namespace
{
CTransferResult refused(const char* text)
{
    CTransferResult r;
    r.kind = CTransferResult::CKind::Refused;
    r.message = translated("transfertexts", text);
    return r;
}

// Whether a player node of `from` may go to the team node `to`: Refused with the text,
// Nothing when there is nothing to do, else MovedPlayer (nothing changed yet).
// targetLimit is the count of listed players at which the target is full.
CTransferResult checkMoveBetween(const CDatabase& db, const CTransferSide& from, const CTransferSide& to,
                                 int targetLimit, const char* fullText)
{
    if (from.teamId == to.teamId) return {};  // already there
    const int targetCount = int(to.teamPlayers.size());
    // The fixed limit is checked as the page always did; a team already beyond a whole
    // list, or with no incoming slot left, would lose the player at the next save.
    if (targetCount == targetLimit) return refused(fullText);
    if (targetCount >= kLeftTeamLimit || !hasFreeIncomingSlot(db, to.teamId)) return refused(transfertexts::kLeftTeamFull);
    if (int(from.teamPlayers.size()) == kMinimumPlayers) return refused(transfertexts::kTooFewPlayers);
    if (!db.player(from.value)) return {};
    CTransferResult r;
    r.kind = CTransferResult::CKind::MovedPlayer;
    r.moves.push_back({from.value, from.teamId, to.teamId});
    r.relabelledTeams = {from.teamId, to.teamId};
    return r;
}

CTransferResult moveBetween(CTransaction& db, const CTransferSide& from, const CTransferSide& to, int targetLimit,
                            const char* fullText)
{
    CTransferResult r = checkMoveBetween(db, from, to, targetLimit, fullText);
    if (r.kind == CTransferResult::CKind::MovedPlayer) movePlayer(db, from.value, from.teamId, to.teamId);
    return r;
}
}  // namespace

CTransferResult checkMoveToRight(const CDatabase& db, const CTransferSide& player, const CTransferSide& team)
{
    if (player.kind != CTransferSide::CKind::Player || team.kind != CTransferSide::CKind::Team) return {};
    return checkMoveBetween(db, player, team, kRightTeamLimit, transfertexts::kRightTeamFull);
}

CTransferResult transfer(CTransaction& db, const CTransferSide& left, const CTransferSide& right)
{
    using K = CTransferSide::CKind;
    if (left.kind == K::None || right.kind == K::None) return {};
    if (left.kind == K::League || right.kind == K::League) return refused(transfertexts::kCantTransferLeague);

    if (left.kind == K::Player && right.kind == K::Team)
        return moveBetween(db, left, right, kRightTeamLimit, transfertexts::kRightTeamFull);
    if (right.kind == K::Player && left.kind == K::Team)
        return moveBetween(db, right, left, kLeftTeamLimit, transfertexts::kLeftTeamFull);

    if (left.kind == K::Player && right.kind == K::Player)
    {
        // Within one team a swap would only hide both players from it.
        if (left.teamId == right.teamId || left.value == right.value) return {};
        if (!db.player(left.value) || !db.player(right.value)) return {};
        swapPlayers(db, left.value, left.teamId, right.value, right.teamId);
        markTeam(db, left.teamId);
        markTeam(db, right.teamId);
        CTransferResult r;
        r.kind = CTransferResult::CKind::SwappedPlayers;
        r.swaps.push_back({left.value, left.teamId, right.value, right.teamId});
        r.relabelledTeams = {left.teamId, right.teamId};
        return r;
    }

    // Both teams.
    return swapTeams(db, left.value, right.value, left.teamPlayers, right.teamPlayers);
}
