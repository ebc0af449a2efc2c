#include "editing/TransferHint.h"

#include "database/Database.h"
#include "util/TextCodec.h"

#include <initializer_list>

namespace
{
// The text with %1, %2, ... replaced in turn.
std::string fill(const char* text, std::initializer_list<std::string> names)
{
    std::string out = text;
    int n = 1;
    for (const std::string& name : names)
    {
        const std::string mark = "%" + std::to_string(n++);
        if (const auto at = out.find(mark); at != std::string::npos) out.replace(at, mark.size(), name);
    }
    return out;
}
}  // namespace

std::string describeTransfer(const CDatabase& db, const CTransferSide& left, const CTransferSide& right,
                             CTextEncoding encoding)
{
    using namespace transfertexts;
    using K = CTransferSide::CKind;
    const auto team = [&](uint32_t id) { return toUtf8(db.teamName(id), encoding); };
    const auto player = [&](uint32_t id) { return toUtf8(db.playerName(id), encoding); };
    if (left.kind == K::None || right.kind == K::None) return kHintSelect;
    if (left.kind == K::League || right.kind == K::League) return kHintLeague;
    if (left.kind == K::Team && right.kind == K::Team) return fill(kHintSwapTeams, {team(left.value), team(right.value)});
    if (left.kind == K::Player && right.kind == K::Player)
        return fill(kHintSwapPlayers, {player(left.value), team(left.teamId), player(right.value), team(right.teamId)});
    const CTransferSide& from = left.kind == K::Player ? left : right;
    const CTransferSide& to = left.kind == K::Player ? right : left;
    if (from.teamId == to.teamId) return fill(kHintSameTeam, {player(from.value), team(to.teamId)});
    return fill(kHintMove, {player(from.value), team(from.teamId), team(to.teamId)});
}
