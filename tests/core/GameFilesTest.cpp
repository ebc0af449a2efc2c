#include "TestGate.h"
#include "HandBytes.h"
#include "TempFolder.h"

#include "database/GameFiles.h"
#include "database/NameLanguages.h"

#include <gtest/gtest.h>

#include <cctype>
#include <functional>

namespace
{
// A game folder written by hand in lower case, as a copy of a Windows install on a
// case-sensitive disk may be.
struct HandGame
{
    TempFolder folder;
    Bytes dbi = databaseFile({{7, "Premier", {10, 20}}}, {simpleTeam(10, 500, {1, 2}), simpleTeam(20, 900, {3})},
                             {simplePlayer(1), simplePlayer(2), simplePlayer(3)});
    Bytes names = nameFile({"Premier"}, {{"ABC", "Abbey", "Abbey Rovers"}, {"BRK", "Brook", "Brookside"}});
    Bytes pnames = playerNameFile({"Ann Able", "Ben Baker", "Cy Cole"});

    static constexpr const char* kDbi = "data/cmn/fe/fcdb.dbi";
    static constexpr const char* kNames = "data/cmn/fe/fcdb_eng.dbi";
    static constexpr const char* kPlayerNames = "data/cmn/fe/FCDBPENG.DBI";

    HandGame()
    {
        folder.write(kDbi, dbi);
        folder.write(kNames, names);
        folder.write(kPlayerNames, pnames);
    }
    void expectUntouched() const
    {
        EXPECT_EQ(folder.read(kDbi), dbi);
        EXPECT_EQ(folder.read(kNames), names);
        EXPECT_EQ(folder.read(kPlayerNames), pnames);
        EXPECT_EQ(folder.files(), (std::vector<std::string>{kPlayerNames, kDbi, kNames}));
    }
};

// Fails the n-th durable write or the n-th rename.
class FailingFileSystem : public CFileSystem
{
public:
    int failWrite = -1, failRename = -1, failRead = -1;
    int writes = 0, renames = 0, reads = 0;

    bool readFile(const std::filesystem::path& p, std::vector<uint8_t>& out) override
    {
        if (reads++ == failRead)
        {
            errno = EACCES;
            return false;
        }
        return CFileSystem::readFile(p, out);
    }
    bool viewFile(const std::filesystem::path& p, CFileBytes& out) override
    {
        if (reads++ == failRead)
        {
            errno = EACCES;
            return false;
        }
        return CFileSystem::viewFile(p, out);
    }
    bool createFile(const std::filesystem::path& p, std::span<const uint8_t> bytes, const CFileStatus* like) override
    {
        if (writes++ == failWrite)
        {
            errno = ENOSPC;
            return false;
        }
        return CFileSystem::createFile(p, bytes, like);
    }
    bool renameFile(const std::filesystem::path& from, const std::filesystem::path& to) override
    {
        if (renames++ == failRename)
        {
            errno = EIO;
            return false;
        }
        return CFileSystem::renameFile(from, to);
    }
};
} // namespace

TEST(GameFiles, FindsTheFilesWithoutRegardToCase)
{
    HandGame g;
    CDatabase db;
    const CGameFiles files(g.folder.path());
    ASSERT_FALSE(files.loadAll(db));
    EXPECT_EQ(db.playerCount(), 3u);
    EXPECT_EQ(db.teamCount(), 2u);
    EXPECT_EQ(db.importGeneration(), CDatabase::kFirstImportGeneration);
}

TEST(GameFiles, ReportsWhichFileCannotBeRead)
{
    HandGame g;
    std::filesystem::remove(g.folder.path() / HandGame::kPlayerNames);
    CDatabase db;
    auto e = CGameFiles(g.folder.path()).loadAll(db);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->step, CGameFiles::CLoadStep::Players);
    EXPECT_NE(e->message.find("FCDBPENG.DBI"), std::string::npos) << e->message;

    Bytes bad = g.names;
    put32(bad, 12, 3);  // the team name section inside the header
    g.folder.write(HandGame::kNames, bad);
    g.folder.write(HandGame::kPlayerNames, g.pnames);
    CDatabase db2;
    e = CGameFiles(g.folder.path()).loadAll(db2);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->step, CGameFiles::CLoadStep::Teams);
    EXPECT_NE(e->message.find("FCDB_ENG.DBI"), std::string::npos) << e->message;
}

TEST(GameFiles, SaveReplacesTheThreeFilesAndClearsTheMarks)
{
    HandGame g;
    CDatabase db;
    const CGameFiles files(g.folder.path());
    ASSERT_FALSE(files.loadAll(db));
    build(db).player(1)->destinationTeamId = 20;
    build(db).team(20)->addIncoming(1);
    build(db).player(2)->name = "Bea Baker";
    build(db).player(2)->modified = 1;
    build(db).setModified();
    CDatabase saved;
    ASSERT_FALSE(files.save(db, &saved));
    gameformat::applySavedState(gate(db), saved);
    EXPECT_FALSE(db.modified());
    EXPECT_EQ(db.player(2)->modified, 0u);
    // No temporary file stays behind, and the files keep their names.
    EXPECT_EQ(g.folder.files(), (std::vector<std::string>{HandGame::kPlayerNames, HandGame::kDbi, HandGame::kNames}));

    CDatabase again;
    ASSERT_FALSE(files.loadAll(again));
    EXPECT_EQ(again.player(2)->name, "Bea Baker");
    EXPECT_EQ(again.team(10)->players[0], 2u);
    EXPECT_EQ(again.team(10)->players[1], 0u);
    EXPECT_EQ(again.team(20)->players[0], 1u);
    EXPECT_EQ(again.team(20)->players[1], 3u);
    EXPECT_EQ(again.player(1)->teamId, 20u);
    // What the save left in memory is what a fresh load reads.
    EXPECT_EQ(db.player(1)->teamId, 20u);
    EXPECT_EQ(db.team(20)->players, again.team(20)->players);
}

TEST(GameFiles, AFailedSaveChangesNothing)
{
    struct Case
    {
        const char* what;
        int failRead, failWrite, failRename;
        const char* message;
        const char* file;    // named in the message
        const char* reason;  // the system's
    };
    const Case cases[] = {
        {"database unreadable", 0, -1, -1, "Error writing to Team Data File.", "fcdb.dbi", "Permission denied"},
        {"name file unreadable", 1, -1, -1, "Error writing to Team Name File.", "fcdb_eng.dbi", "Permission denied"},
        {"database write", -1, 0, -1, "Error writing to Team Data File.", "fcdb.dbi", "No space left"},
        {"name file write", -1, 1, -1, "Error writing to Team Name File.", "fcdb_eng.dbi", "No space left"},
        {"player name file write", -1, 2, -1, "Error writing to Player Name File.", "FCDBPENG.DBI", "No space left"},
        {"commit record write", -1, 3, -1, "Error writing to Team Data File.", "OBRIX-COMMIT.TXT", "No space left"},
        {"first rename", -1, -1, 0, "Error writing to Team Data File.", "fcdb.dbi", "Input/output error"},
        {"second rename", -1, -1, 1, "Error writing to Team Name File.", "fcdb_eng.dbi", "Input/output error"},
        {"last rename", -1, -1, 2, "Error writing to Player Name File.", "FCDBPENG.DBI", "Input/output error"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        HandGame g;
        FailingFileSystem fs;
        const CGameFiles files(g.folder.path(), fs);
        CDatabase db;
        ASSERT_FALSE(files.loadAll(db));
        fs.failRead = c.failRead < 0 ? -1 : fs.reads + c.failRead;
        fs.failWrite = c.failWrite;
        fs.failRename = c.failRename;
        build(db).player(1)->destinationTeamId = 20;
        build(db).team(20)->addIncoming(1);
        build(db).player(3)->speed = 9;
        build(db).player(3)->modified = 1;
        build(db).setModified();

        auto e = files.save(db);
        ASSERT_TRUE(e);
        EXPECT_EQ(e->rfind(c.message, 0), 0u) << *e;
#ifdef _WIN32
        // Windows opens a name whatever its case, so the message spells it as the game does.
        auto upper = [](std::string t) {
            for (auto& ch : t) ch = char(std::toupper(static_cast<unsigned char>(ch)));
            return t;
        };
        EXPECT_NE(upper(*e).find(upper(c.file)), std::string::npos) << *e;
#else
        EXPECT_NE(e->find(c.file), std::string::npos) << *e;
#endif
        EXPECT_NE(e->find(c.reason), std::string::npos) << *e;
        g.expectUntouched();
        // The database still holds the unsaved edits, ready for another try.
        EXPECT_TRUE(db.modified());
        EXPECT_EQ(db.player(1)->destinationTeamId, 20u);
        EXPECT_EQ(db.team(20)->incomingPlayers[0], 1u);
        EXPECT_EQ(db.team(10)->players[0], 1u);
        EXPECT_EQ(db.player(3)->modified, 1u);
    }
}

TEST(GameFiles, RefusedSaveWritesNothing)
{
    HandGame g;
    CDatabase db;
    const CGameFiles files(g.folder.path());
    ASSERT_FALSE(files.loadAll(db));
    build(db).leagues()[0]->slotCount = 3;
    build(db).leagues()[0]->teamIds.push_back(0);
    build(db).setModified();
    auto e = files.save(db);
    ASSERT_TRUE(e);
    EXPECT_NE(e->find("odd number (3)"), std::string::npos);
    g.expectUntouched();
    EXPECT_TRUE(db.modified());
}

TEST(GameFiles, AFailedSaveUndoesTheTakeOverOfImportedPlayers)
{
    HandGame g;
    FailingFileSystem fs;
    const CGameFiles files(g.folder.path(), fs);
    CDatabase db;
    ASSERT_FALSE(files.loadAll(db));
    auto newcomer = std::make_unique<CPlayer>();
    newcomer->id = 0x30002;
    newcomer->name = "Newcomer";
    newcomer->teamId = 0x30001;
    newcomer->imported = 1;
    build(db).addPlayer(std::move(newcomer));
    build(db).player(1)->destinationTeamId = 0x30001;
    build(db).team(10)->addIncoming(0x30002);
    build(db).setModified();
    fs.failRename = 2;  // the last of the three renames

    ASSERT_TRUE(files.save(db));
    g.expectUntouched();
    EXPECT_EQ(db.player(1)->name, "Ann Able");
    EXPECT_EQ(db.player(1)->imported, 0u);
    EXPECT_EQ(db.player(1)->destinationTeamId, 0x30001u);
    EXPECT_EQ(db.team(10)->incomingPlayers[0], 0x30002u);
    EXPECT_TRUE(db.modified());

    // A second try with a working disk folds the newcomer in.
    fs.failRename = -1;
    ASSERT_FALSE(files.save(db));
    CDatabase again;
    ASSERT_FALSE(CGameFiles(g.folder.path()).loadAll(again));
    EXPECT_EQ(again.player(1)->name, "Newcomer");
}

TEST(GameFiles, ADamagedLeagueCountIsBlamedOnTheDatabaseFile)
{
    HandGame g;
    Bytes dbi = g.dbi;
    put32(dbi, 20, 50);  // one league in both files; FCDB.DBI now claims fifty
    g.folder.write(HandGame::kDbi, dbi);
    CDatabase db;
    const auto e = CGameFiles(g.folder.path()).loadLeagues(db);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->message.rfind("FCDB.DBI: league count 50 at offset 0x14", 0), 0u) << e->message;
}

TEST(GameFiles, LoadStepsNamesEachStepAndStopsAtTheOneThatFails)
{
    using CStep = CGameFiles::CLoadStep;
    HandGame g;
    std::vector<CStep> seen;
    CDatabase db;
    ASSERT_FALSE(CGameFiles(g.folder.path()).loadSteps(db, [&](CStep s) { seen.push_back(s); }));
    EXPECT_EQ(seen, (std::vector<CStep>{CStep::Players, CStep::Teams, CStep::Leagues}));
    EXPECT_EQ(db.player(1)->name, "Ann Able");

    // A damaged league count: the players and teams are read, the leagues step fails.
    Bytes dbi = g.dbi;
    put32(dbi, 20, 50);
    g.folder.write(HandGame::kDbi, dbi);
    seen.clear();
    CDatabase damaged;
    const auto e = CGameFiles(g.folder.path()).loadSteps(damaged, [&](CStep s) { seen.push_back(s); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->step, CStep::Leagues);
    EXPECT_EQ(seen.back(), CStep::Leagues);
}

// What the save writes replaces every record of the files: a database that lacks some of
// them (a read that stopped part way, one never read, another folder's) must not.
TEST(GameFiles, SavesOnlyADatabaseReadWholeFromThatFolder)
{
    HandGame g, other;
    const CGameFiles files(g.folder.path());
    const std::string here = g.folder.path().string();
    struct Case
    {
        const char* what;
        std::function<void(CDatabase&)> read;
        std::string refusal;  // empty: saved
    };
    const std::vector<Case> cases = {
        {"read whole", [&](CDatabase& db) { ASSERT_FALSE(files.loadAll(db)); }, ""},
        {"read whole through another spelling of the folder",
         [&](CDatabase& db) { ASSERT_FALSE(CGameFiles(g.folder.path() / "data" / "..").loadAll(db)); }, ""},
        {"never read", [](CDatabase&) {}, "was not read whole from the game's files in " + here},
        {"read stopped after the teams",
         [&](CDatabase& db) {
             ASSERT_FALSE(files.loadPlayers(db));
             ASSERT_FALSE(files.loadTeams(db));
         },
         "was not read whole from the game's files in " + here},
        {"read from another folder", [&](CDatabase& db) { ASSERT_FALSE(CGameFiles(other.folder.path()).loadAll(db)); },
         "was read from " + other.folder.path().string() + ", not from " + here},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        CDatabase db;
        c.read(db);
        build(db).setModified();
        const auto e = files.save(db);
        if (c.refusal.empty())
        {
            EXPECT_FALSE(e) << *e;
            continue;
        }
        ASSERT_TRUE(e);
        EXPECT_EQ(e->rfind("The save was refused and nothing was written: ", 0), 0u) << *e;
        EXPECT_NE(e->find(c.refusal), std::string::npos) << *e;
        g.expectUntouched();
    }
}

// An installation holds only some of the languages of the names: which it holds, what a
// start falls back on, and what a read in a missing language says.
TEST(GameFiles, NameLanguagesAreThoseTheFolderHolds)
{
    HandGame g;
    g.folder.write("data/cmn/fe/fcdb_ger.dbi", g.names);
    g.folder.write("data/cmn/fe/FCDB_JAP.DBI", g.names);  // without FCDBPJAP.DBI
    EXPECT_EQ(namelanguages::available(g.folder.path()), (std::vector<std::string>{"ENG", "GER"}));
    EXPECT_EQ(namelanguages::lacking(g.folder.path(), {"ENG", "FRE", "JAP"}),
              (std::vector<std::string>{"", "\\DATA\\CMN\\FE\\FCDB_FRE.DBI", "\\DATA\\CMN\\FE\\FCDBPJAP.DBI"}));
    // Not a game folder (or one being typed): nothing is held back.
    EXPECT_EQ(namelanguages::lacking(g.folder.path() / "data", {"ENG", "FRE"}), (std::vector<std::string>{"", ""}));

    struct Case
    {
        const char* wanted;
        const char* read;
        const char* missing;
    };
    for (const Case& c : {Case{"GER", "GER", ""}, Case{"FRE", "ENG", "\\DATA\\CMN\\FE\\FCDB_FRE.DBI"},
                          Case{"JAP", "ENG", "\\DATA\\CMN\\FE\\FCDBPJAP.DBI"}})
    {
        SCOPED_TRACE(c.wanted);
        const auto choice = namelanguages::choose(g.folder.path(), c.wanted);
        EXPECT_EQ(choice.code, c.read);
        EXPECT_EQ(choice.missingFile, c.missing);
    }
    // Without English to fall back on, the wanted language is read and the read says why not.
    std::filesystem::remove(g.folder.path() / HandGame::kNames);
    EXPECT_EQ(namelanguages::choose(g.folder.path(), "FRE").code, "FRE");
    CDatabase db;
    build(db).setLanguageCode("FRE");
    const auto e = CGameFiles(g.folder.path()).loadAll(db);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->message, "FCDB_FRE.DBI: this game folder has no names in language FRE; the languages it has are GER.");
}
