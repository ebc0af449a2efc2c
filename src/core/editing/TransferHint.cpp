#include "editing/TransferHint.h"

#include "database/Database.h"
#include "util/TextCodec.h"
#include "util/Translatable.h"


std::string describeTransfer(const CDatabase& db, const CTransferSide& left, const CTransferSide& right,
                             CTextEncoding encoding)
{
    using namespace transfertexts;
    using K = CTransferSide::CKind;
    const auto team = [&](uint32_t id) { return toUtf8(db.teamName(id), encoding); };
    const auto player = [&](uint32_t id) { return toUtf8(db.playerName(id), encoding); };
    if (left.kind == K::None || right.kind == K::None) return translated("transfertexts", kHintSelect);
    if (left.kind == K::League || right.kind == K::League) return translated("transfertexts", kHintLeague);
    if (left.kind == K::Team && right.kind == K::Team) return translatedArgs("transfertexts", kHintSwapTeams, {team(left.value), team(right.value)});
    if (left.kind == K::Player && right.kind == K::Player)
        return translatedArgs("transfertexts", kHintSwapPlayers, {player(left.value), team(left.teamId), player(right.value), team(right.teamId)});
    const CTransferSide& from = left.kind == K::Player ? left : right;
    const CTransferSide& to = left.kind == K::Player ? right : left;
    if (from.teamId == to.teamId) return translatedArgs("transfertexts", kHintSameTeam, {player(from.value), team(to.teamId)});
    return translatedArgs("transfertexts", kHintMove, {player(from.value), team(from.teamId), team(to.teamId)});
}
