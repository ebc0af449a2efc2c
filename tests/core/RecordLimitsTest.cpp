// What the game's files hold, kept at the gate: every road into the database (a page, a
// command, import-table) meets the same limits, the check calls exactly those errors, and
// the save refuses them and reads its own bytes back before anything is written.
#include "DatabaseSnapshot.h"
#include "HandBytes.h"
#include "RunCommand.h"
#include "TempFolder.h"
#include "TestGate.h"

#include "database/Change.h"
#include "database/GameFiles.h"
#include "database/RecordLimits.h"
#include "editing/DatabaseCheck.h"
#include "editing/TableExchange.h"
#include "editing/TeamCommands.h"
#include "sample/SampleGame.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>

namespace
{
CDatabase loadHand(const SmallHandGame& g, const std::string& language = "ENG")
{
    CDatabase db;
    CDatabaseBuilder(db).setLanguageCode(language);
    const Bytes d = g.dbi(), n = g.names(), p = g.pnames();
    EXPECT_FALSE(gameformat::loadPlayers(db, d, p));
    EXPECT_FALSE(gameformat::loadTeams(db, d, n));
    EXPECT_FALSE(gameformat::loadLeagues(db, d, n));
    return db;
}

// The database the save's bytes read back as.
CDatabase readBack(const CDatabase& db, const SmallHandGame& g)
{
    CDatabase back;
    CDatabaseBuilder(back).setLanguageCode(db.languageCode());
    const auto img = gameformat::buildSave(db, g.dbi(), g.names());
    EXPECT_FALSE(gameformat::loadPlayers(back, img.database, img.playerNames));
    EXPECT_FALSE(gameformat::loadTeams(back, img.database, img.names));
    EXPECT_FALSE(gameformat::loadLeagues(back, img.database, img.names));
    return back;
}

struct CLimitCase
{
    const char* what;
    // Run once through the gate, once around it; it writes player 2, team 10 or the leagues.
    std::function<void(CDatabase&)> edit;
    const char* code;                      // nullptr: within the limits
    std::function<bool(const CDatabase&)> readsBack;  // for an accepted edit: the saved bytes say the same
};
} // namespace

TEST(RecordLimits, EveryRoadMeetsTheSameTextAndValueLimits)
{
    const std::string name80(80, 'L'), name79(79, 'L');
    const CLimitCase cases[] = {
        {"a league name of 80 bytes", [&](CDatabase& db) { build(db).leagues()[0]->displayName = name80; },
         limitcodes::kNameTooLong, {}},
        {"a league name of 79 bytes", [&](CDatabase& db) { build(db).leagues()[0]->displayName = name79; }, nullptr,
         [&](const CDatabase& b) { return b.leagues()[0]->displayName == name79; }},
        {"a competition's name of 79 bytes and its mark",
         [&](CDatabase& db) { build(db).leagues()[1]->displayName = "xEC" + std::string(77, 'c'); }, nullptr,
         [&](const CDatabase& b) { return b.leagues()[1]->displayName == "xEC" + std::string(77, 'c'); }},
        {"a league name the user began with x", [](CDatabase& db) { build(db).leagues()[0]->displayName = "xTreme League"; },
         nullptr, [](const CDatabase& b) { return b.leagues()[0]->displayName == "xTreme League"; }},
        {"a league name beginning with EC", [](CDatabase& db) { build(db).leagues()[0]->displayName = "EC Tour"; },
         limitcodes::kLeagueNameReserved, {}},
        {"a NUL in a league name", [](CDatabase& db) { build(db).leagues()[0]->displayName = std::string("Pre\0mier", 8); },
         limitcodes::kNameHasNul, {}},
        {"a NUL in a player name", [](CDatabase& db) { build(db).player(2)->name = std::string("Ten H\0ino", 9); },
         limitcodes::kNameHasNul, {}},
        {"a player name of 16 bytes", [](CDatabase& db) { build(db).player(2)->name = std::string(16, 'p'); },
         limitcodes::kNameTooLong, {}},
        {"a player name of 15 bytes", [](CDatabase& db) { build(db).player(2)->name = std::string(15, 'p'); }, nullptr,
         [](const CDatabase& b) { return b.player(2)->name == std::string(15, 'p'); }},
        {"an abbreviation of 7 bytes", [](CDatabase& db) { build(db).team(10)->abbreviation = "ABCDEFG"; },
         limitcodes::kNameTooLong, {}},
        {"an abbreviation of 6 bytes", [](CDatabase& db) { build(db).team(10)->abbreviation = "ABCDEF"; }, nullptr,
         [](const CDatabase& b) { return b.team(10)->abbreviation == "ABCDEF"; }},
        {"a short name of 12 bytes", [](CDatabase& db) { build(db).team(10)->shortName = std::string(12, 's'); },
         limitcodes::kNameTooLong, {}},
        {"a NUL in a team's long name", [](CDatabase& db) { build(db).team(10)->longName = std::string("Ab\0bey", 6); },
         limitcodes::kNameHasNul, {}},
        {"a long name of 40 bytes", [](CDatabase& db) { build(db).team(10)->longName = std::string(40, 'n'); }, nullptr,
         [](const CDatabase& b) { return b.team(10)->longName == std::string(40, 'n'); }},
        {"shirt number 64 in six bits", [](CDatabase& db) { build(db).player(2)->jerseyNumber = 64; },
         limitcodes::kValueTooLarge, {}},
        {"shirt number 63", [](CDatabase& db) { build(db).player(2)->jerseyNumber = 63; }, nullptr,
         [](const CDatabase& b) { return b.player(2)->jerseyNumber == 63; }},
        {"a value beyond 16 bits", [](CDatabase& db) { build(db).player(2)->value = 70000; }, limitcodes::kValueTooLarge, {}},
        {"a league of 64 slots",
         [](CDatabase& db) {
             auto& l = *build(db).leagues()[0];
             l.teamIds.resize(64), l.slotCount = 64;
         },
         limitcodes::kLeagueTooLarge, {}},
    };
    SmallHandGame g;
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        // Through the gate: refused with the field and the limit named, nothing changed.
        CDatabase db = loadHand(g);
        const std::string before = databaseSnapshot(db);
        CDirectRunner runner(db);
        const auto refusal = runner.run("edit", [&](CTransaction& tx) {
            // The records the cases write, imaged as a rule reaching them would.
            tx.player(2), tx.team(10), tx.leagues();
            c.edit(db);
        });
        if (c.code)
        {
            ASSERT_TRUE(refusal.has_value());
            EXPECT_EQ(databaseSnapshot(db), before);
        }
        else
        {
            EXPECT_FALSE(refusal.has_value()) << *refusal;
            EXPECT_TRUE(c.readsBack(readBack(db, g)));
        }
        // Around the gate (a state loaded from elsewhere): the check calls it an error and
        // the save refuses it before a byte is built.
        CDatabase around = loadHand(g);
        c.edit(around);
        const auto problems = checkDatabase(around, CTextEncoding::Windows1252);
        const bool found = std::any_of(problems.begin(), problems.end(),
                                       [&](const CCheckProblem& p) { return p.error && c.code && p.code == c.code; });
        EXPECT_EQ(found, c.code != nullptr);
        EXPECT_EQ(hasErrors(problems), c.code != nullptr);
        EXPECT_EQ(gameformat::checkWritable(around).has_value(), c.code != nullptr);
    }
}

TEST(RecordLimits, TheRefusalNamesTheRecordTheFieldAndTheLimit)
{
    SmallHandGame g;
    CDatabase db = loadHand(g);
    CDirectRunner runner(db);
    const auto refusal =
        runner.run("rename", [&](CTransaction& tx) { tx.leagues()[0]->displayName = std::string(85, 'N'); });
    ASSERT_TRUE(refusal);
    EXPECT_NE(refusal->find("(id 7)"), std::string::npos) << *refusal;
    EXPECT_NE(refusal->find("name is 85 bytes"), std::string::npos) << *refusal;
    EXPECT_NE(refusal->find("at most 79"), std::string::npos) << *refusal;
    // An edit of something else is never refused for a field it did not touch.
    build(db).player(1)->jerseyNumber = 64;  // as if loaded so
    EXPECT_FALSE(runner.run("speed", [&](CTransaction& tx) { tx.player(1)->speed = 3; }));
}

TEST(RecordLimits, NamesAreKeptWholeAndCutOnlyBetweenCharacters)
{
    // Longer than the 255 bytes a name was once cut to, and a Japanese name whose 15th byte
    // is the first half of a character.
    SmallHandGame g;
    g.playerNames[0] = std::string(300, 'w');
    std::string kana;
    for (int i = 0; i < 8; ++i) kana += "\x82\xA0";  // eight times HIRAGANA LETTER A
    g.playerNames[1] = kana;
    for (const char* language : {"ENG", "JAP"})
    {
        SCOPED_TRACE(language);
        CDatabase db = loadHand(g, language);
        const auto img = gameformat::buildSave(db, g.dbi(), g.names());
        EXPECT_EQ(img.playerNames, g.pnames());  // unedited names written back byte for byte
        if (std::string(language) != "JAP") continue;
        EXPECT_EQ(db.player(2)->name, kana.substr(0, 14));
        // An unchanged table exported and imported again changes nothing.
        const CTextEncoding enc = CTextEncoding::ShiftJis;
        const auto plan = tableexchange::planImport(db, tableexchange::exportTable(db, CRecordKind::Player, enc), enc);
        EXPECT_FALSE(plan.refused()) << (plan.problems.empty() ? "" : tableexchange::describeProblem(plan.problems[0]));
        EXPECT_TRUE(plan.changes.empty());
        // Edited, the shown name is what is written.
        build(db).player(2)->name = kana.substr(0, 12);
        EXPECT_EQ(db.player(2)->nameToWrite(enc), kana.substr(0, 12));
    }
}

TEST(RecordLimits, TheSaveReadsItsBytesBackAndNamesTheFirstDifference)
{
    SmallHandGame g;
    CDatabase db = loadHand(g);
    CDatabase meant;
    const auto img = gameformat::buildSave(db, g.dbi(), g.names(), &meant);
    EXPECT_FALSE(gameformat::verifySave(meant, img));
    build(meant).player(3)->speed = 9;
    const auto difference = gameformat::verifySave(meant, img);
    ASSERT_TRUE(difference);
    EXPECT_NE(difference->find("player 3 would have speed"), std::string::npos) << *difference;
    build(meant).player(3)->speed = db.player(3)->speed;
    build(meant).leagues()[1]->displayName = "xECCup2";
    EXPECT_NE(gameformat::verifySave(meant, img).value_or("").find("league 9 would have name"), std::string::npos);
}

namespace
{
class SaveAnswerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(writeSampleGame(game(), {5, CSampleScale::Small}));
        ASSERT_FALSE(CGameFiles(game()).loadAll(m_db));
    }
    std::filesystem::path game() const { return m_folder.path() / "golvar"; }
    // A club of the sample with its first league.
    const CTeam& club() const
    {
        const CTeam* found = nullptr;
        m_db.forEachTeam([&](const CTeam& t) {
            if (!found && t.bankroll != 0 && t.nonEmptySlots() >= 14) found = &t;
        });
        return *found;
    }
    TempFolder m_folder;
    CDatabase m_db;
};
} // namespace

TEST_F(SaveAnswerTest, WhatTheFilesHoldIsAWarningAndSaves)
{
    struct CCase
    {
        const char* what;
        const char* code;
        bool error;
        std::function<void(CTransaction&, const CTeam&)> edit;
    };
    const CCase cases[] = {
        {"a team of three players", checkcodes::kTeamTooFew, false,
         [](CTransaction& tx, const CTeam& t) { std::fill(tx.team(t.id)->players.begin() + 3, tx.team(t.id)->players.end(), 0u); }},
        {"a player pasted into his own team", checkcodes::kTeamPlayerTwice, false,
         [](CTransaction& tx, const CTeam& t) { tx.team(t.id)->addIncoming(t.players[0]); }},
        {"a league left with an odd number of slots", checkcodes::kLeagueOddSlots, true,
         [](CTransaction& tx, const CTeam&) {
             CLeague& l = *tx.leagues()[0];
             l.teamIds.pop_back();
             --l.slotCount;
         }},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        CDatabase db;
        ASSERT_FALSE(CGameFiles(game()).loadAll(db));
        CDirectRunner runner(db);
        ASSERT_FALSE(runner.run("edit", [&](CTransaction& tx) { c.edit(tx, club()); }));
        const auto problems = checkDatabase(db, CTextEncoding::Windows1252);
        EXPECT_TRUE(std::any_of(problems.begin(), problems.end(),
                                [&](const CCheckProblem& p) { return p.code == c.code && p.error == c.error; }));
        EXPECT_EQ(hasErrors(problems), c.error);
        const auto saved = CGameFiles(game()).save(db);
        EXPECT_EQ(saved.has_value(), c.error) << saved.value_or("");
        if (c.error)
        {
            EXPECT_NE(saved->find("League consist an odd number"), std::string::npos) << *saved;
        }
    }
}

#ifdef OBRIX_CLI_PATH
TEST_F(SaveAnswerTest, ImportTableAndItsDryRunGiveTheSaveSAnswer)
{
    const std::string cli = OBRIX_CLI_PATH;
    const auto q = [](const std::filesystem::path& p) { return "'" + p.string() + "'"; };
    const std::string data = " --data-folder " + q(m_folder.path() / "data");
    // A roster cut to three players: saved, with the warning printed.
    const auto teamsCsv = m_folder.path() / "teams.csv";
    const CTeam& t = club();
    std::ofstream(teamsCsv) << "id,players\n"
                            << t.id << "," << t.players[0] << " " << t.players[1] << " " << t.players[2] << "\n";
    int status = 0;
    std::string out = runCommand(cli + " import-table " + q(game()) + " " + q(teamsCsv) + data, status);
    EXPECT_EQ(status, 0) << out;
    EXPECT_NE(out.find("warning team-too-few-players"), std::string::npos) << out;
    out = runCommand(cli + " check " + q(game()), status);
    EXPECT_EQ(status, 0) << out;

    // A league made odd: the dry run refuses as the real run does, with the same words.
    const CLeague& l = *m_db.leagues()[0];
    const auto leaguesCsv = m_folder.path() / "leagues.csv";
    std::string ids;
    for (std::size_t s = 0; s + 1 < l.slotCount; ++s) ids += (s ? " " : "") + std::to_string(l.teamIds[s]);
    std::ofstream(leaguesCsv) << "id,teamIds\n" << l.id << "," << ids << "\n";
    int dryStatus = 0;
    const std::string dry = runCommand(cli + " import-table " + q(game()) + " " + q(leaguesCsv) + " --dry-run" + data, dryStatus);
    const std::string real = runCommand(cli + " import-table " + q(game()) + " " + q(leaguesCsv) + data, status);
    EXPECT_EQ(dryStatus, 1) << dry;
    EXPECT_EQ(status, 1) << real;
    EXPECT_EQ(dry, real);
    EXPECT_NE(real.find("error league-odd-slots league " + std::to_string(l.id)), std::string::npos) << real;
}
#endif

TEST(RecordLimits, AnImportedTeamIsRefusedByAGameLeagueWithTheWayThatWorks)
{
    SmallHandGame g;
    CDatabase db = loadHand(g);
    CTeam imported = *db.team(10);
    imported.id = 0x30000 + 10;
    imported.imported = 1;
    {
        CDatabaseBuilder b(db);
        b.reserveTeams(imported.id);
        b.addTeam(std::make_unique<CTeam>(imported));
        auto kept = std::make_unique<CLeague>();
        kept->editorOnly = kept->importedLeague = 1;
        kept->displayName = "Kept";
        b.addLeague(std::move(kept));
    }
    CDirectRunner runner(db);
    const auto refusal = runner.run("paste", [&](CTransaction& tx) { pasteTeamIntoLeague(tx, 0, imported); });
    ASSERT_TRUE(refusal);
    EXPECT_NE(refusal->find("move or copy them onto game teams"), std::string::npos) << *refusal;
    EXPECT_EQ(db.leagues()[0]->slotCount, 2u);
    // Among the imported leagues, which the game never reads, it may go anywhere.
    EXPECT_FALSE(runner.run("paste", [&](CTransaction& tx) { pasteTeamIntoLeague(tx, 2, imported); }));
    EXPECT_EQ(db.leagues()[2]->slotCount, 1u);
}
