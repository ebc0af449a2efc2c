// Feeds arbitrary bytes to the three database loaders and checks that whatever they
// accept can be saved and read back.
//
// Input layout (what fuzz_make_corpus writes): u32 length of FCDB.DBI, u32 length of the
// name file, the FCDB.DBI bytes, the name file bytes, and the rest is the player name
// file. Lengths larger than what follows are cut, so every input means something.

#include "database/Database.h"
#include "database/GameFiles.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace
{
struct CParts
{
    std::span<const uint8_t> database, names, playerNames;
};

uint32_t readLength(std::span<const uint8_t>& in)
{
    uint32_t v = 0;
    for (int i = 0; i < 4 && !in.empty(); ++i)
    {
        v |= uint32_t(in[0]) << (8 * i);
        in = in.subspan(1);
    }
    return v;
}

CParts split(std::span<const uint8_t> in)
{
    const uint32_t dbLength = readLength(in);
    const uint32_t namesLength = readLength(in);
    CParts p;
    p.database = in.first(std::min<std::size_t>(dbLength, in.size()));
    in = in.subspan(p.database.size());
    p.names = in.first(std::min<std::size_t>(namesLength, in.size()));
    p.playerNames = in.subspan(p.names.size());
    return p;
}

[[noreturn]] void fail(const char* what, const std::string& detail)
{
    std::fprintf(stderr, "fuzz_database_reader: %s: %s\n", what, detail.c_str());
    std::abort();
}

// European competitions are shown with a leading "x", and the writer drops any leading
// "x" because it cannot tell a typed one from its own. A league whose stored name
// begins with "x" therefore loses one letter per save; that is accepted, not a fault.
bool dropsLeadingX(const CDatabase& db)
{
    for (const auto& l : db.leagues())
        if (!l->editorOnly && CLeague::displayNameFromStored(CLeague::storedNameFromDisplay(l->displayName)) != l->displayName)
            return true;
    return false;
}

// The program's order: players, teams, leagues, stopping at the first failure.
std::optional<gameformat::CFormatError> loadAll(CDatabase& db, std::span<const uint8_t> database,
                                                std::span<const uint8_t> names,
                                                std::span<const uint8_t> playerNames)
{
    if (auto e = gameformat::loadPlayers(db, database, playerNames)) return e;
    if (auto e = gameformat::loadTeams(db, database, names)) return e;
    return gameformat::loadLeagues(db, database, names);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const CParts in = split({data, size});
    CDatabase db;
    if (loadAll(db, in.database, in.names, in.playerNames)) return 0;
    if (gameformat::checkWritable(db)) return 0;

    const auto first = gameformat::buildSave(db, in.database, in.names);

    // Whatever the writer produces, the reader has to take back, with every record.
    CDatabase reloaded;
    if (auto e = loadAll(reloaded, first.database, first.names, first.playerNames))
        fail("the saved files do not load", e->message);
    if (reloaded.playerCount() != db.playerCount() || reloaded.teamCount() != db.teamCount()
        || reloaded.leagues().size() != db.leagues().size())
        fail("the saved files lost records",
             std::to_string(db.playerCount()) + "/" + std::to_string(db.teamCount()) + "/"
                 + std::to_string(db.leagues().size()) + " players/teams/leagues saved, "
                 + std::to_string(reloaded.playerCount()) + "/" + std::to_string(reloaded.teamCount()) + "/"
                 + std::to_string(reloaded.leagues().size()) + " read back");

    // A saved database is already in the writer's form: saving it again unchanged has to
    // give the same bytes, or every save would drift the files a little further.
    if (auto e = gameformat::checkWritable(reloaded)) fail("the saved files cannot be saved again", *e);
    const auto second = gameformat::buildSave(reloaded, first.database, first.names);
    if (second.database != first.database) fail("a second save changed", "FCDB.DBI");
    if (second.names != first.names && !dropsLeadingX(reloaded))
        fail("a second save changed", "the name file");
    if (second.playerNames != first.playerNames) fail("a second save changed", "the player name file");
    return 0;
}
