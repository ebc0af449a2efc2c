// Arbitrary PLAYERS.OFF bytes against a small database: ids outside the player table,
// negative and oversized counts and truncated files must all be harmless.

#include "database/Database.h"
#include "database/SpokenNames.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

namespace
{
CDatabase smallDatabase()
{
    CDatabase db;
    // Gaps in the ids, and one id at the top of the 14-bit range, so that both empty
    // slots and the end of the table are reachable from a few bytes.
    for (uint32_t id : {1u, 2u, 3u, 7u, 40u, 16383u})
    {
        auto p = std::make_unique<CPlayer>();
        p->id = id;
        p->name = "P" + std::to_string(id);
        CDatabaseBuilder(db).addPlayer(std::move(p));
    }
    return db;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    // Built once: the table up to id 16383 costs more than the marking itself.
    static CDatabase db = smallDatabase();
    CDatabaseBuilder(db).forEachPlayer([](CPlayer& p) { p.hasCommentary = 0; });
    const int marked = markSpokenNames(db, {data, size});
    int flagged = 0;
    db.forEachPlayer([&](const CPlayer& p) { flagged += p.hasCommentary != 0; });
    // Each player is counted once however often the file lists it.
    if (marked != flagged || marked < 0 || std::size_t(marked) > db.playerCount()) std::abort();
    // Marking again finds nothing new.
    if (markSpokenNames(db, {data, size}) != 0) std::abort();
    return 0;
}
