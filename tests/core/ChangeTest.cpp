#include "FakePrompts.h"
#include "TempFolder.h"

#include "database/Change.h"
#include "database/Database.h"
#include "database/GameFiles.h"
#include "editing/GlobalModifications.h"
#include "editing/PlayerEditSession.h"
#include "editing/Roster.h"
#include "editing/TeamCommands.h"
#include "editing/TeamEditSession.h"
#include "editing/Transfers.h"
#include "exchange/KeptLeagues.h"
#include "exchange/LeagueImport.h"
#include "exchange/Packer.h"
#include "sample/SampleExchange.h"
#include "sample/SampleGame.h"
#include "util/TextCodec.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace
{
// Two databases hold the same thing: every record compared whole (a field added to a
// record later takes part by itself), the league list, the name indexes and the
// database-wide state.
::testing::AssertionResult sameDatabase(const CDatabase& a, const CDatabase& b)
{
    const std::size_t players = std::max(a.playerTableSize(), b.playerTableSize());
    for (uint32_t id = 0; id < players; ++id)
    {
        const CPlayer* p = a.player(id);
        const CPlayer* q = b.player(id);
        if (bool(p) != bool(q) || (p && !(*p == *q))) return ::testing::AssertionFailure() << "player " << id;
    }
    const std::size_t teams = std::max(a.teamTableSize(), b.teamTableSize());
    for (uint32_t id = 0; id < teams; ++id)
    {
        const CTeam* t = a.team(id);
        const CTeam* u = b.team(id);
        if (bool(t) != bool(u) || (t && !(*t == *u))) return ::testing::AssertionFailure() << "team " << id;
    }
    if (a.leagues().size() != b.leagues().size()) return ::testing::AssertionFailure() << "league count";
    for (std::size_t i = 0; i < a.leagues().size(); ++i)
        if (!(*a.leagues()[i] == *b.leagues()[i])) return ::testing::AssertionFailure() << "league " << i;
    if (a.playerNameIndex() != b.playerNameIndex() || a.teamNameIndex() != b.teamNameIndex())
        return ::testing::AssertionFailure() << "name index";
    if (a.modified() != b.modified() || a.highestPlayerId() != b.highestPlayerId() ||
        a.highestTeamId() != b.highestTeamId() || a.importGeneration() != b.importGeneration() ||
        a.teamTableOffset() != b.teamTableOffset() || a.playerTableOffset() != b.playerTableOffset() ||
        a.playerTableSize() != b.playerTableSize() || a.teamTableSize() != b.teamTableSize())
        return ::testing::AssertionFailure() << "database state";
    return ::testing::AssertionSuccess();
}

// Keeps the changes the pages' sessions send, as the GUI's history would.
class CRecordingRunner : public CChangeRunner
{
public:
    explicit CRecordingRunner(CDatabase& db) : m_db(db) {}
    const CDatabase& database() const override { return m_db; }
    std::optional<std::string> run(const std::string&, const std::function<void(CTransaction&)>& rule, uint64_t) override
    {
        try
        {
            CTransaction tx(m_db);
            rule(tx);
            changes.push_back(tx.commit());
            return std::nullopt;
        }
        catch (const CChangeRefused& refused)
        {
            return std::string(refused.what());
        }
    }
    std::vector<CChange> changes;

private:
    CDatabase& m_db;
};

class ChangeTest : public ::testing::Test
{
public:
    static void SetUpTestSuite()
    {
        s_game = new TempFolder;
        ASSERT_FALSE(writeSampleGame(s_game->path(), {3, CSampleScale::Small}));
    }
    static void TearDownTestSuite()
    {
        delete s_game;
        s_game = nullptr;
    }
    void SetUp() override
    {
        ASSERT_FALSE(CGameFiles(s_game->path()).loadAll(db));
        db.forEachTeam([&](const CTeam& t) {
            if (t.bankroll != 0 && db.listedPlayers(t.id).size() >= 14 && t.nonEmptySlots() < 24) clubs.push_back(t.id);
        });
        ASSERT_GE(clubs.size(), 2u);
    }
    uint32_t player(std::size_t club, std::size_t row = 0) const { return db.listedPlayers(clubs[club])[row]; }
    std::string folder(const char* name) const { return (s_game->path() / "USER" / name).string(); }

    static TempFolder* s_game;
    CDatabase db;
    std::vector<uint32_t> clubs;
    FakePrompts prompts;
};
TempFolder* ChangeTest::s_game = nullptr;

using CRule = std::function<void(ChangeTest&, CTransaction&)>;
}  // namespace

// Every rule run inside the gate, undone and redone, compared whole with the state
// before and after.
TEST_F(ChangeTest, EveryRuleIsUndoneAndRedoneExactly)
{
    CInProcessPacker packer;
    const CPlayer copied = *db.player(player(0, 2));
    CTeam clipboard;
    {
        CTransaction tx(db);
        copyTeamToClipboard(tx, clubs[0], clipboard);
        EXPECT_TRUE(tx.commit().empty());  // a copy changes nothing
    }
    struct CCase
    {
        const char* name;
        CRule rule;
    };
    const std::vector<CCase> cases = {
        {"global modification",
         [](ChangeTest&, CTransaction& tx) {
             CGlobalModification m;
             m.amount = 5;
             m.groups.fill(true);
             m.skills[0] = m.skills[11] = true;
             applyGlobalModification(tx, m);
         }},
        {"move player", [](ChangeTest& t, CTransaction& tx) { movePlayer(tx, t.player(0), t.clubs[0], t.clubs[1]); }},
        {"swap players",
         [](ChangeTest& t, CTransaction& tx) { swapPlayers(tx, t.player(0), t.clubs[0], t.player(1), t.clubs[1]); }},
        {"swap teams",
         [](ChangeTest& t, CTransaction& tx) {
             swapTeams(tx, t.clubs[0], t.clubs[1], t.db.listedPlayers(t.clubs[0]), t.db.listedPlayers(t.clubs[1]));
         }},
        {"paste player",
         [&](ChangeTest& t, CTransaction& tx) {
             pastePlayerIntoTeam(tx, t.clubs[1], copied, CTextEncoding::Windows1252, t.prompts);
         }},
        {"delete player", [](ChangeTest& t, CTransaction& tx) { removePlayerFromTeam(tx, t.clubs[0], t.player(0)); }},
        {"paste team", [&](ChangeTest&, CTransaction& tx) { pasteTeamIntoLeague(tx, 1, clipboard); }},
        {"delete team",
         [](ChangeTest& t, CTransaction& tx) { removeTeamFromLeague(tx, 0, t.db.leagues()[0]->teamIds[0]); }},
        {"new league", [](ChangeTest&, CTransaction& tx) { addNewLeague(tx, "Fresh"); }},
        {"league name", [](ChangeTest&, CTransaction& tx) { renameLeague(tx, 0, "Renamed"); }},
        {"apply remembered team",
         [](ChangeTest& t, CTransaction& tx) { applyRememberedTeam(tx, t.clubs[1], t.clubs[0]); }},
        {"import league",
         [&](ChangeTest& t, CTransaction& tx) {
             ASSERT_TRUE(importDbFiles(tx, t.folder(kSampleExchangeLeague), "North", packer, t.prompts));
         }},
        {"import GLV", [](ChangeTest& t, CTransaction& tx) { ASSERT_TRUE(importGlvFile(tx, t.folder(kSampleGlvFile), t.prompts)); }},
        {"save bookkeeping",
         [](ChangeTest& t, CTransaction& tx) {
             movePlayer(tx, t.player(0), t.clubs[0], t.clubs[1]);
             CDatabase saved;
             std::vector<uint8_t> dbi, names;
             ASSERT_TRUE(CFileSystem::real().readFile(
                 CGameFiles(s_game->path()).resolve(gamepaths::kDatabaseFile), dbi));
             ASSERT_TRUE(CFileSystem::real().readFile(
                 CGameFiles(s_game->path()).resolve(gamepaths::nameFilePath("ENG")), names));
             gameformat::buildSave(t.db, dbi, names, &saved);
             gameformat::applySavedState(tx, saved);
         }},
    };
    for (const CCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        const CDatabase before = db.copy();
        CTransaction tx(db);
        c.rule(*this, tx);
        const CChange change = tx.commit();
        EXPECT_FALSE(change.empty());
        const CDatabase after = db.copy();
        change.undo(db);
        EXPECT_TRUE(sameDatabase(db, before));
        change.redo(db);
        EXPECT_TRUE(sameDatabase(db, after));
        change.undo(db);  // the next rule starts from the loaded state
    }
}

// The pages' rules, through their sessions, as the pages send them.
TEST_F(ChangeTest, PageCommitsAreUndoneExactly)
{
    CRecordingRunner runner(db);
    const CDatabase loaded = db.copy();
    CPlayerEditSession players(runner, prompts);
    players.selectPlayer(player(0));
    players.commitText(CPlayerField::Name, "Typed Name");
    players.commitValue(CPlayerField::Skill, 3, 0);
    players.applyPreset(3);
    players.maxAttributes();
    CTeamEditSession teams(runner, prompts);
    teams.showTeam(clubs[0]);
    teams.commitName(teampage::CNameBox::LongName, "Typed Club");
    teams.commitBankroll("1234");
    teams.stepModel(0, 1);
    teams.chooseColour(0, 5);
    ASSERT_GE(runner.changes.size(), 5u);
    const CDatabase edited = db.copy();
    for (auto it = runner.changes.rbegin(); it != runner.changes.rend(); ++it) it->undo(db);
    EXPECT_TRUE(sameDatabase(db, loaded));
    for (const CChange& c : runner.changes) c.redo(db);
    EXPECT_TRUE(sameDatabase(db, edited));
}

// Two edits of one field become one step that undoes both; a rule that stops half way
// leaves nothing behind.
TEST_F(ChangeTest, MergedStepsAndRollback)
{
    const CDatabase loaded = db.copy();
    const uint32_t id = player(0);
    CChange step;
    for (const char* name : {"First", "Second"})
    {
        CTransaction tx(db);
        tx.player(id)->name = name;
        tx.setModified();
        if (step.empty())
            step = tx.commit();
        else
            step.absorb(tx.commit());
    }
    EXPECT_EQ(step.players(), std::vector<uint32_t>{id});
    step.undo(db);
    EXPECT_TRUE(sameDatabase(db, loaded));
    step.redo(db);
    EXPECT_EQ(db.player(id)->name, "Second");
    step.undo(db);
    {
        CTransaction tx(db);
        tx.player(id)->speed = 1;
        addNewLeague(tx, "Abandoned");
    }
    EXPECT_TRUE(sameDatabase(db, loaded));
}
