#include "FakePrompts.h"
#include "TempFolder.h"
#include "TestGate.h"
#include "database/Change.h"
#include "database/Database.h"
#include "util/FileCommit.h"
#include "database/GameFiles.h"
#include "editing/GlobalModifications.h"
#include "editing/Roster.h"
#include "editing/StatsChoice.h"
#include "editing/TeamCommands.h"
#include "editing/Transfers.h"
#include "exchange/LeagueImport.h"
#include "exchange/Packer.h"
#include "sample/SampleExchange.h"
#include "sample/SampleGame.h"
#include "util/TextCodec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace
{
CDatabase leaguesOf(const std::vector<std::pair<std::vector<uint32_t>, uint32_t>>& leagues)
{
    CDatabase db;
    for (const auto& [teams, slots] : leagues)
    {
        auto l = std::make_unique<CLeague>();
        l->teamIds = teams;
        l->slotCount = slots;
        build(db).addLeague(std::move(l));
    }
    return db;
}
}  // namespace

TEST(StatsChoice, ATeamGoesBackUnderEveryLeagueThatHoldsItWithinItsUsedSlots)
{
    // The third league keeps 7 past its slot count: a stale entry, not a member.
    const CDatabase db = leaguesOf({{{5, 7, 9}, 3}, {{7, 0, 0}, 1}, {{9, 7}, 1}, {{1}, 1}});
    EXPECT_EQ(leaguesHoldingTeam(db, 7), (std::vector<std::size_t>{0, 1}));
    EXPECT_EQ(leaguesHoldingTeam(db, 9), (std::vector<std::size_t>{0, 2}));
    EXPECT_TRUE(leaguesHoldingTeam(db, 4).empty());
}

TEST(StatsChoice, ASlotCountPastTheListIsReadOnlyAsFarAsTheList)
{
    const CDatabase db = leaguesOf({{{3}, 40}});
    EXPECT_EQ(leaguesHoldingTeam(db, 3), (std::vector<std::size_t>{0}));
}

TEST(StatsChoice, ChoosingKeepsOrderAndTakesEachTeamOnce)
{
    std::vector<uint32_t> chosen{4};
    EXPECT_EQ(chooseTeams(chosen, {8, 4, 0, 2, 8}), 2u);
    EXPECT_EQ(chosen, (std::vector<uint32_t>{4, 8, 2}));
}

TEST(StatsChoice, NumbersSortByValueBeforeTextsWhichIgnoreCase)
{
    std::vector<std::string> cells{"12", "b", "9", "", "A", "-3", "100", "7a"};
    std::stable_sort(cells.begin(), cells.end(), gridCellLess);
    EXPECT_EQ(cells, (std::vector<std::string>{"-3", "9", "12", "100", "", "7a", "A", "b"}));
}

namespace
{
class StatsRefill : public ::testing::Test
{
public:
    static void SetUpTestSuite()
    {
        s_game = new TempFolder;
        ASSERT_FALSE(writeSampleGame(s_game->path(), {5, CSampleScale::Small}));
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
TempFolder* StatsRefill::s_game = nullptr;
}  // namespace

// Each rule as one change; the answer is the same read after the change and after its undo
// (the page hears both).
TEST_F(StatsRefill, OnlyAddingMovingOrCopyingTeamsOrPlayersRefillsTheChosenTeams)
{
    CInProcessPacker packer;
    const CPlayer copied = *db.player(player(0, 2));
    CTeam clipboard;
    {
        CTransaction tx(db);
        copyTeamToClipboard(tx, clubs[0], clipboard);
        tx.commit();
    }
    using CRule = std::function<void(StatsRefill&, CTransaction&)>;
    struct CCase
    {
        const char* name;
        bool refills;
        CRule rule;
    };
    const std::vector<CCase> cases = {
        {"team renamed", false, [](StatsRefill& t, CTransaction& tx) { tx.team(t.clubs[0])->longName = "Renamed FC"; }},
        {"kit", false,
         [](StatsRefill& t, CTransaction& tx) {
             CTeam& team = *tx.team(t.clubs[0]);
             team.homeJerseyColour1 = uint8_t(team.homeJerseyColour1 + 1);
             team.modified = 1;
         }},
        {"bankroll", false, [](StatsRefill& t, CTransaction& tx) { tx.team(t.clubs[1])->bankroll += 1000; }},
        {"player skill and mark", false,
         [](StatsRefill& t, CTransaction& tx) {
             CPlayer& p = *tx.player(t.player(0));
             p.speed = uint8_t((p.speed + 1) % 16);
             p.modified = 1;
             tx.setModified();
         }},
        {"global modification", false,
         [](StatsRefill&, CTransaction& tx) {
             CGlobalModification m;
             m.amount = 5;
             m.groups.fill(true);
             m.skills[0] = true;
             applyGlobalModification(tx, m);
         }},
        {"league renamed", false, [](StatsRefill&, CTransaction& tx) { renameLeague(tx, 0, "Renamed"); }},
        {"remembered team applied", false,
         [](StatsRefill& t, CTransaction& tx) { applyRememberedTeam(tx, t.clubs[1], t.clubs[0]); }},
        {"move player", true,
         [](StatsRefill& t, CTransaction& tx) { movePlayer(tx, t.player(0), t.clubs[0], t.clubs[1]); }},
        {"swap players", true,
         [](StatsRefill& t, CTransaction& tx) { swapPlayers(tx, t.player(0), t.clubs[0], t.player(1), t.clubs[1]); }},
        {"swap teams", true,
         [](StatsRefill& t, CTransaction& tx) {
             swapTeams(tx, t.clubs[0], t.clubs[1], t.db.listedPlayers(t.clubs[0]), t.db.listedPlayers(t.clubs[1]));
         }},
        {"paste (copy) player", true,
         [&](StatsRefill& t, CTransaction& tx) {
             pastePlayerIntoTeam(tx, t.clubs[1], copied, CTextEncoding::Windows1252, t.prompts);
         }},
        {"delete player", true,
         [](StatsRefill& t, CTransaction& tx) { removePlayerFromTeam(tx, t.clubs[0], t.player(0)); }},
        {"paste team into league", true,
         [&](StatsRefill&, CTransaction& tx) { pasteTeamIntoLeague(tx, 1, clipboard); }},
        {"delete team", true,
         [](StatsRefill& t, CTransaction& tx) { removeTeamFromLeague(tx, 0, t.db.leagues()[0]->teamIds[0]); }},
        {"new league", true, [](StatsRefill&, CTransaction& tx) { addNewLeague(tx, "Fresh"); }},
        {"import league", true,
         [&](StatsRefill& t, CTransaction& tx) {
             ASSERT_TRUE(importDbFiles(tx, t.folder(kSampleExchangeLeague), "North", packer, t.prompts));
         }},
        // A move recorded in the player alone still changes what his team lists.
        {"moved away, teams untouched", true,
         [](StatsRefill& t, CTransaction& tx) {
             CPlayer& p = *tx.player(t.player(0));
             p.destinationTeamId = t.clubs[1];
             p.copyMark = t.clubs[0];
         }},
    };
    for (const CCase& c : cases)
    {
        SCOPED_TRACE(c.name);
        CTransaction tx(db);
        c.rule(*this, tx);
        const CChange change = tx.commit();
        ASSERT_FALSE(change.empty());
        EXPECT_EQ(movesTeamsOrPlayers(change, db), c.refills);
        change.undo(db);
        EXPECT_EQ(movesTeamsOrPlayers(change, db), c.refills);
    }
}

// A save merges the moved players into their new teams' slots and clears the marks: the
// teams list the same players as before, in another order.
TEST_F(StatsRefill, ASavesMergeOfMovedPlayersIsNoMove)
{
    {
        CTransaction tx(db);
        movePlayer(tx, player(0), clubs[0], clubs[1]);
        const CChange move = tx.commit();
        EXPECT_TRUE(movesTeamsOrPlayers(move, db));
    }
    CDatabase saved;
    std::vector<uint8_t> dbi, names;
    ASSERT_TRUE(CFileSystem::real().readFile(CGameFiles(s_game->path()).resolve(gamepaths::kDatabaseFile), dbi));
    ASSERT_TRUE(CFileSystem::real().readFile(CGameFiles(s_game->path()).resolve(gamepaths::nameFilePath("ENG")), names));
    gameformat::buildSave(db, dbi, names, &saved);
    CTransaction tx(db);
    gameformat::applySavedState(tx, saved);
    const CChange bookkeeping = tx.commit();
    ASSERT_FALSE(bookkeeping.teamImages().empty());  // the lists were merged
    EXPECT_FALSE(movesTeamsOrPlayers(bookkeeping, db));
    bookkeeping.undo(db);
    EXPECT_FALSE(movesTeamsOrPlayers(bookkeeping, db));
}
