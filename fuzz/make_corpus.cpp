// Writes the seed corpora of the fuzz targets into OUT/database, OUT/spoken, OUT/exchange,
// OUT/glv and OUT/packed:
//   tiny.bin     a hand-built database of a few records, written by the editor's writer
//   trimmed.bin  the first leagues of the small sample game with their teams and players
//   sample.bin   the whole small sample game (a few hundred KB; slow to mutate, so it is
//                only written with --whole)
// Each database seed is u32 length of FCDB.DBI, u32 length of the name file, then the
// three files one after the other, as fuzz_database_reader splits them.

#include "database/Database.h"
#include "database/GameFiles.h"
#include "exchange/ExchangeRecords.h"
#include "exchange/GlvFile.h"
#include "sample/SampleGame.h"
#include "util/FileCommit.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include <unistd.h>

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

namespace
{
void appendU32(Bytes& b, uint32_t v)
{
    for (int i = 0; i < 4; ++i) b.push_back(uint8_t(v >> (8 * i)));
}

Bytes pack(const Bytes& database, const Bytes& names, const Bytes& playerNames)
{
    Bytes out;
    appendU32(out, uint32_t(database.size()));
    appendU32(out, uint32_t(names.size()));
    out.insert(out.end(), database.begin(), database.end());
    out.insert(out.end(), names.begin(), names.end());
    out.insert(out.end(), playerNames.begin(), playerNames.end());
    return out;
}

bool writeFile(const fs::path& path, const Bytes& bytes)
{
    std::ofstream f(path, std::ios::binary);
    f.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(f);
}

// The writer keeps the header bytes it does not own; these stand in for them.
Bytes headerOf(const char* tag, std::size_t size)
{
    Bytes b(size, 0);
    std::memcpy(b.data(), tag, std::min(std::strlen(tag), size));
    return b;
}

Bytes save(CDatabase& db, const Bytes& database, const Bytes& names)
{
    auto img = gameformat::buildSave(db, database, names);
    return pack(img.database, img.names, img.playerNames);
}

// A few of each record, covering what the loaders treat specially: an "EC" league, an
// empty league slot, a team without bankroll, a slot naming no player, a player name
// longer than the editor shows, names at their full width.
Bytes tinyDatabase()
{
    CDatabase db;
    const char* names[] = {"Ander Molk", "B. Tussenveld-Aramburu", "Cee", "Dorin Vasko", "Emil", "Fynn Rauhaar",
                           "Gil", "Hektor Brannsvik", "Ivo", "Jules"};
    for (uint32_t i = 0; i < 10; ++i)
    {
        auto p = std::make_unique<CPlayer>();
        p->id = 1 + i * 3;
        p->value = 100 * (i + 1);
        p->position = uint8_t(i % 17);
        p->jerseyNumber = uint8_t(i + 1);
        p->countryId = uint16_t(i % 3);
        p->acceleration = p->speed = uint8_t(i);
        p->storedName = names[i];
        p->name = p->storedName.substr(0, CPlayer::kShownNameLength);
        CDatabaseBuilder(db).addPlayer(std::move(p));
    }
    struct TeamSeed { uint32_t id, bankroll; std::vector<uint32_t> players; const char *abbr, *shortName, *longName; };
    const TeamSeed teams[] = {
        {1, 500, {1, 4, 7}, "ABCDEF", "Abcdefghijk", "Athletic Abcdef"},
        {2, 0, {10, 13, 999}, "NAT", "Nation", "National Side"},
        {5, 1200, {16, 19, 22, 25, 28}, "FCR", "Rauhaar", "FC Rauhaar 1899"},
        {9, 3, {}, "E", "", ""},
    };
    for (const auto& s : teams)
    {
        auto t = std::make_unique<CTeam>();
        t->id = s.id;
        t->bankroll = s.bankroll;
        t->countryId = uint16_t(s.id);
        for (std::size_t k = 0; k < s.players.size(); ++k) t->players[k] = t->loadedPlayers[k] = s.players[k];
        t->abbreviation = s.abbr;
        t->shortName = s.shortName;
        t->longName = s.longName;
        CDatabaseBuilder(db).addTeam(std::move(t));
    }
    auto league = [&](uint32_t id, const char* name, std::vector<uint32_t> ids) {
        auto l = std::make_unique<CLeague>();
        l->id = id;
        l->displayName = CLeague::displayNameFromStored(name);
        l->teamIds = std::move(ids);
        l->slotCount = uint32_t(l->teamIds.size());
        CDatabaseBuilder(db).addLeague(std::move(l));
    };
    league(3, "First Division", {1, 5});
    league(40, "EC Champions Cup", {1, 5, 9, 0});
    league(41, "", {});
    return save(db, headerOf("FCDB-HEADER-", 28), headerOf("FCDB-NAMES--", 32));
}

// The leagues in front, their teams and those teams' players: a realistic database
// small enough to mutate quickly.
Bytes trimmedSample(const fs::path& folder, std::size_t leagueCount)
{
    CDatabase full;
    CGameFiles files(folder);
    if (auto e = files.loadAll(full))
    {
        std::cerr << "cannot load the sample: " << e->message << "\n";
        return {};
    }
    CDatabase small;
    std::set<uint32_t> teamIds, playerIds;
    for (std::size_t i = 0; i < full.leagues().size() && i < leagueCount; ++i)
    {
        const CLeague& l = *full.leagues()[i];
        for (auto id : l.teamIds) teamIds.insert(id);
        CDatabaseBuilder(small).addLeague(std::make_unique<CLeague>(l));
    }
    for (auto id : teamIds)
        if (const CTeam* t = full.team(id))
        {
            for (auto p : t->players) playerIds.insert(p);
            CDatabaseBuilder(small).addTeam(std::make_unique<CTeam>(*t));
        }
    for (auto id : playerIds)
        if (const CPlayer* p = full.player(id)) CDatabaseBuilder(small).addPlayer(std::make_unique<CPlayer>(*p));
    if (gameformat::checkWritable(small)) return {};
    Bytes database, names;
    CFileSystem::real().readFile(files.resolve(gamepaths::kDatabaseFile), database);
    CFileSystem::real().readFile(files.resolve(gamepaths::nameFilePath("ENG")), names);
    database.resize(28);
    names.resize(32);
    return save(small, database, names);
}

Bytes readAll(const fs::path& folder, const std::string& gamePath)
{
    Bytes b;
    CFileSystem::real().readFile(CGameFiles(folder).resolve(gamePath), b);
    return b;
}

Bytes speechIndex(int32_t count, std::vector<uint32_t> ids)
{
    Bytes b;
    appendU32(b, uint32_t(count));
    for (auto id : ids) appendU32(b, id);
    return b;
}
// The first league of the sample as a user would export it: its teams, their players and
// a few transfers between them, and the same league as a GLV file. The GLV seeds start
// with the team count of the league they are based on, as fuzz_glv_reader reads it.
struct CExchangeSeeds
{
    Bytes teams, players, transfers, glv;
};

CExchangeSeeds exchangeSeeds(const fs::path& folder)
{
    CDatabase db;
    if (auto e = CGameFiles(folder).loadAll(db))
    {
        std::cerr << "cannot load the sample: " << e->message << "\n";
        return {};
    }
    if (db.leagues().empty()) return {};
    const CLeague& league = *db.leagues()[0];
    std::vector<CTeam> teams;
    std::vector<CPlayer> players;
    std::vector<exchange::CTransferEntry> transfers;
    glv::CGlvFile glvFile;
    glvFile.leagueName = league.displayName;
    for (auto id : league.teamIds)
    {
        const CTeam* t = db.team(id);
        if (!t) continue;
        teams.push_back(*t);
        glv::CGlvTeamBlock& block = glvFile.teams.emplace_back();
        block.name = t->longName;
        block.team = *t;
        for (auto pid : t->players)
            if (const CPlayer* p = db.player(pid))
            {
                players.push_back(*p);
                block.players.push_back({p->name, *p});
                if (transfers.size() < 6)
                    transfers.push_back({p->id, t->fileIndex,
                                         transfers.size() % 3 ? exchange::kNoTeamFileIndex : t->fileIndex + 1});
            }
    }
    CExchangeSeeds seeds;
    seeds.teams = exchange::writeTeamFile(teams);
    seeds.players = exchange::writePlayerFile(players);
    seeds.transfers = exchange::writeTransferFile(transfers);
    seeds.glv = glv::writeGlvFile(glvFile);
    seeds.glv.insert(seeds.glv.begin(), uint8_t(std::min<std::size_t>(league.teamIds.size(), 255)));
    return seeds;
}

// One team of no players and one of a single player with a long name: small enough for
// the mutator to reach every length field quickly.
Bytes tinyGlv()
{
    glv::CGlvFile file;
    file.leagueName = "Tiny";
    file.teams.emplace_back().name = "Empty";
    glv::CGlvTeamBlock& one = file.teams.emplace_back();
    one.name = "One";
    one.team.id = 12;
    one.team.players[0] = 7;
    glv::CGlvPlayerBlock& p = one.players.emplace_back();
    p.name = "Hektor Brannsvik-Aalto";
    p.player.id = 7;
    p.player.jerseyNumber = 200;
    p.player.position = 16;
    Bytes b = glv::writeGlvFile(file);
    b.insert(b.begin(), 4);
    return b;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
    {
        std::cerr << "usage: fuzz_make_corpus OUT [--whole]\n";
        return 2;
    }
    const fs::path out = argv[1];
    const bool whole = argc > 2 && std::string(argv[2]) == "--whole";
    fs::create_directories(out / "database");
    fs::create_directories(out / "spoken");
    for (const char* dir : {"exchange", "glv", "packed", "ini", "table"}) fs::create_directories(out / dir);

    bool ok = writeFile(out / "database" / "tiny.bin", tinyDatabase());
    ok = ok && writeFile(out / "spoken" / "few.off", speechIndex(4, {1, 7, 7, 16383}));
    ok = ok && writeFile(out / "spoken" / "short.off", speechIndex(100, {2, 3}));
    ok = ok && writeFile(out / "spoken" / "negative.off", speechIndex(-1, {1}));

    const fs::path game = fs::temp_directory_path() / ("obrix-fuzz-sample-" + std::to_string(::getpid()));
    CSampleOptions options;
    options.scale = CSampleScale::Small;
    if (auto e = writeSampleGame(game, options))
    {
        std::cerr << "cannot write the sample game: " << *e << "\n";
        return 1;
    }
    const Bytes trimmed = trimmedSample(game, 2);
    ok = ok && !trimmed.empty() && writeFile(out / "database" / "trimmed.bin", trimmed);
    if (whole)
        ok = ok
             && writeFile(out / "database" / "sample.bin",
                          pack(readAll(game, gamepaths::kDatabaseFile), readAll(game, gamepaths::nameFilePath("ENG")),
                               readAll(game, gamepaths::playerNameFilePath("ENG"))));

    ok = ok && writeFile(out / "spoken" / "players.off", readAll(game, gamepaths::kSpeechIndexFile));

    const CExchangeSeeds seeds = exchangeSeeds(game);
    ok = ok && !seeds.teams.empty() && writeFile(out / "exchange" / "custom.bin", seeds.teams);
    ok = ok && writeFile(out / "exchange" / "cusplyr.bin", seeds.players);
    ok = ok && writeFile(out / "exchange" / "xfer.bin", seeds.transfers);
    ok = ok && writeFile(out / "exchange" / "header.bin", exchange::exchangeHeader(exchange::CExchangeKind::Players, 0));
    Bytes ragged = seeds.players;
    ragged.resize(std::min<std::size_t>(ragged.size(), 36 + 2 * 32 + 17));
    ok = ok && writeFile(out / "exchange" / "ragged.bin", ragged);
    ok = ok && writeFile(out / "glv" / "league.bin", seeds.glv);
    ok = ok && writeFile(out / "glv" / "tiny.bin", tinyGlv());
    ok = ok && writeFile(out / "packed" / "custom.bin", seeds.teams);
    ok = ok && writeFile(out / "packed" / "xfer.bin", seeds.transfers);
    ok = ok && writeFile(out / "packed" / "zeros.bin", Bytes(3000, 0));
    Bytes text;
    for (char c : std::string("the quick brown fox jumps over the lazy dog, the quick brown cat, the lazy dog again"))
        text.push_back(uint8_t(c));
    ok = ok && writeFile(out / "packed" / "text.bin", text);
    // Settings files: what the editor writes, with another program's section, and ones
    // left damaged by hand.
    const auto textBytes = [](const std::string& t) { return Bytes(t.begin(), t.end()); };
    ok = ok && writeFile(out / "ini" / "editor.conf",
                         textBytes("[General]\nPath=/home/user/.wine/drive_c/Games/Golvar\nLanguage=ENG\n"
                                   "Commentary%20Path=\"C:\\\\Golvar, Audio\"\nWindow%20Maximised=1\n"
                                   "Window%20X=4294967288\n\n[Other]\nKey=@Rect(0 0 10 10)\n"));
    ok = ok && writeFile(out / "ini" / "damaged.conf", textBytes("Path=\"open\nName=a\\\n\\x41\\u00e9\n[Gen"));
    // Spreadsheet files for the tiny database of fuzz_table_import: an edit of each table,
    // quotes, accents and line breaks, and a broken one.
    ok = ok && writeFile(out / "table" / "players.csv",
                         textBytes("\xEF\xBB\xBFid,speed,name\r\n7,3,\"M\xC3\xBCller, \"\"J\"\"\"\r\n1,15,Player\r\n"));
    ok = ok && writeFile(out / "table" / "teams.csv",
                         textBytes("longName,id,players,playerCount\r\n\"Two\r\nLines\",3,7 1 16383,2\r\n"));
    ok = ok && writeFile(out / "table" / "leagues.csv", textBytes("id,teamIds,slotCount,displayName\n12,2047 3 0 0,4,xEC\n"));
    ok = ok && writeFile(out / "table" / "broken.csv", textBytes("id,speed\n7,\"16\n1,x\"y\n"));
    std::error_code ec;
    fs::remove_all(game, ec);
    if (!ok) std::cerr << "fuzz_make_corpus: could not write every seed\n";
    return ok ? 0 : 1;
}
