#include "TestGate.h"
#include "RunCommand.h"
#include "TempFolder.h"

#include "database/GameFiles.h"
#include "database/RecordLayouts.h"
#include "sample/SampleGame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <cstdio>
#include <memory>

namespace
{
const char* const kDatabaseFile = "DATA/CMN/FE/FCDB.DBI";

// The small sample, written once for the whole suite.
class SampleGameTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_folder = std::make_unique<TempFolder>();
        ASSERT_FALSE(writeSampleGame(s_folder->path() / "golvar", {7, CSampleScale::Small}));
    }
    static void TearDownTestSuite() { s_folder.reset(); }

    // A fresh copy of the sample to change.
    std::filesystem::path copyOfSample()
    {
        const auto to = m_own.path() / "golvar";
        std::filesystem::copy(s_folder->path() / "golvar", to, std::filesystem::copy_options::recursive);
        return to;
    }

    static std::unique_ptr<TempFolder> s_folder;
    TempFolder m_own;
};
std::unique_ptr<TempFolder> SampleGameTest::s_folder;

std::vector<uint8_t> readAll(const std::filesystem::path& p)
{
    std::vector<uint8_t> out;
    EXPECT_TRUE(CFileSystem::real().readFile(p, out)) << p;
    return out;
}

void expectSameRecords(const CDatabase& a, const CDatabase& b)
{
    ASSERT_EQ(a.playerCount(), b.playerCount());
    ASSERT_EQ(a.teamCount(), b.teamCount());
    ASSERT_EQ(a.leagues().size(), b.leagues().size());
    a.forEachPlayer([&](const CPlayer& p) {
        const CPlayer* q = b.player(p.id);
        ASSERT_NE(q, nullptr) << p.id;
        uint8_t x[20] = {}, y[20] = {};
        layouts::packPlayer(p, x);
        layouts::packPlayer(*q, y);
        EXPECT_EQ(0, std::memcmp(x, y, 20)) << "player " << p.id;
        EXPECT_EQ(p.name, q->name);
        EXPECT_EQ(p.teamId, q->teamId) << "player " << p.id;
        EXPECT_EQ(p.hasCommentary, q->hasCommentary);
        EXPECT_EQ(p.fileIndex, q->fileIndex);
    });
    a.forEachTeam([&](const CTeam& t) {
        const CTeam* u = b.team(t.id);
        ASSERT_NE(u, nullptr) << t.id;
        uint8_t x[80] = {}, y[80] = {};
        layouts::packTeam(t, x);
        layouts::packTeam(*u, y);
        EXPECT_EQ(0, std::memcmp(x, y, 80)) << "team " << t.id;
        EXPECT_EQ(t.longName, u->longName);
        EXPECT_EQ(t.abbreviation, u->abbreviation);
        EXPECT_EQ(t.shortName, u->shortName);
        EXPECT_EQ(t.fileIndex, u->fileIndex);
    });
    for (std::size_t i = 0; i < a.leagues().size(); ++i)
    {
        EXPECT_EQ(a.leagues()[i]->id, b.leagues()[i]->id);
        EXPECT_EQ(a.leagues()[i]->teamIds, b.leagues()[i]->teamIds);
        EXPECT_EQ(a.leagues()[i]->displayName, b.leagues()[i]->displayName);
    }
}

} // namespace

TEST_F(SampleGameTest, LoadsLikeARealDatabase)
{
    CDatabase db;
    ASSERT_FALSE(CGameFiles(s_folder->path() / "golvar").loadAll(db));
    EXPECT_GE(db.leagues().size(), 60u);
    EXPECT_GE(db.teamCount(), 150u);
    EXPECT_GE(db.playerCount(), 3000u);
    int european = 0, spoken = 0, national = 0;
    for (const auto& l : db.leagues())
    {
        european += l->isEuropeanCompetition();
        EXPECT_EQ(l->slotCount % 2, 0u) << l->displayName;
    }
    EXPECT_GT(european, 0);
    EXPECT_FALSE(db.leagues()[52]->teamIds.empty());
    db.forEachPlayer([&](const CPlayer& p) { spoken += p.hasCommentary != 0; });
    db.forEachTeam([&](const CTeam& t) { national += t.bankroll == 0; });
    EXPECT_GT(spoken, 0);
    EXPECT_GT(national, 0);
}

TEST_F(SampleGameTest, SaveWithNothingChangedWritesTheSameBytes)
{
    const auto game = copyOfSample();
    for (const std::string language : {"ENG", "JAP"})
    {
        SCOPED_TRACE(language);
        const std::string files[] = {"DATA/CMN/FE/FCDB.DBI", "DATA/CMN/FE/FCDB_" + language + ".DBI",
                                     language == "JAP" ? "DATA/CMN/FE/FCDBPJAP.DBI" : "DATA/CMN/FE/FCDBPENG.DBI"};
        std::vector<std::vector<uint8_t>> before;
        for (const auto& f : files) before.push_back(readAll(game / f));
        CDatabase db;
        CDatabaseBuilder(db).setLanguageCode(language);
        const CGameFiles gameFiles(game);
        ASSERT_FALSE(gameFiles.loadAll(db));
        ASSERT_FALSE(gameFiles.save(db));
        for (std::size_t i = 0; i < std::size(files); ++i)
            EXPECT_TRUE(readAll(game / files[i]) == before[i]) << files[i] << " changed";

        CDatabase again;
        CDatabaseBuilder(again).setLanguageCode(language);
        ASSERT_FALSE(gameFiles.loadAll(again));
        expectSameRecords(db, again);
    }
}

TEST_F(SampleGameTest, EditsSurviveSaveAndLoad)
{
    const auto game = copyOfSample();
    CDatabase db;
    const CGameFiles files(game);
    ASSERT_FALSE(files.loadAll(db));
    // Move the first player of the first club to the last club, copy another one.
    std::vector<CTeam*> clubs;
    build(db).forEachTeam([&](CTeam& t) {
        if (t.bankroll != 0 && t.nonEmptySlots() < 24) clubs.push_back(&t);
    });
    ASSERT_GE(clubs.size(), 2u);
    CTeam& from = *clubs.front();
    CTeam& to = *clubs.back();
    const uint32_t moved = from.players[0], copied = from.players[1];
    build(db).player(moved)->destinationTeamId = to.id;
    to.addIncoming(moved);
    build(db).player(copied)->destinationTeamId = to.id;
    build(db).player(copied)->copyMark = CPlayer::kCopyMark;
    to.addIncoming(copied);
    build(db).player(moved)->shotPower = 15;
    build(db).player(moved)->name = "Renamed Player";
    build(db).setModified();
    CDatabase saved;
    ASSERT_FALSE(files.save(db, &saved));

    CDatabase again;
    ASSERT_FALSE(files.loadAll(again));
    expectSameRecords(saved, again);
    const auto& fromList = again.team(from.id)->players;
    const auto& toList = again.team(to.id)->players;
    EXPECT_EQ(std::count(fromList.begin(), fromList.end(), moved), 0);
    EXPECT_EQ(std::count(toList.begin(), toList.end(), moved), 1);
    EXPECT_EQ(std::count(fromList.begin(), fromList.end(), copied), 1);
    EXPECT_EQ(std::count(toList.begin(), toList.end(), copied), 1);
    EXPECT_EQ(again.player(moved)->name, "Renamed Player");
    EXPECT_EQ(again.player(moved)->shotPower, 15);
}

#ifdef OBRIX_CLI_PATH
TEST_F(SampleGameTest, CommandLineDumpIsStableAcrossASave)
{
    const std::string cli = OBRIX_CLI_PATH;
    const auto game = m_own.path() / "cli game";
    const std::string quoted = "'" + game.string() + "'";
    int status = 0;
    runCommand(cli + " sample " + quoted + " --seed 3", status);
    ASSERT_EQ(status, 0);
    const std::string first = runCommand(cli + " dump " + quoted, status);
    ASSERT_EQ(status, 0) << first;
    EXPECT_EQ(first.rfind("{\"leagues\":[", 0), 0u);
    EXPECT_NE(first.find("\"teamExtra15\":"), std::string::npos);
    EXPECT_NE(first.find("\"incomingPlayers\":["), std::string::npos);
    const std::string data = " --data-folder '" + (m_own.path() / "data").string() + "'";
    runCommand(cli + " save " + quoted + data, status);
    ASSERT_EQ(status, 0);
    EXPECT_EQ(runCommand(cli + " dump " + quoted, status), first);
    // The save backed the untouched files up first.
    EXPECT_TRUE(std::filesystem::exists(m_own.path() / "data" / "BACKUP"));

    // The same seed gives the same files.
    const auto twin = m_own.path() / "twin";
    runCommand(cli + " sample '" + twin.string() + "' --seed 3", status);
    EXPECT_EQ(readAll(twin / kDatabaseFile), readAll(game / kDatabaseFile));

    runCommand(cli + " dump", status);
    EXPECT_EQ(status, 2);
    runCommand(cli + " frobnicate " + quoted, status);
    EXPECT_EQ(status, 2);
    runCommand(cli + " dump " + quoted + " --language XXX", status);
    EXPECT_EQ(status, 2);
    // A language the installation does not have is named as such, not as a failed read.
    std::filesystem::remove(game / "DATA/CMN/FE/FCDB_GER.DBI");
    const std::string noGerman = runCommand(cli + " dump " + quoted + " --language GER", status);
    EXPECT_EQ(status, 1);
    EXPECT_NE(noGerman.find("FCDB_GER.DBI: this game folder has no names in language GER; the languages it has are "
                            "BRP, DUT, ENG, ITA, JAP, SPA, SWE."),
              std::string::npos)
        << noGerman;
    const std::string missing = runCommand(cli + " dump '" + (m_own.path() / "nothing").string() + "'", status);
    EXPECT_EQ(status, 1);
    EXPECT_NE(missing.find("FCDB.DBI"), std::string::npos) << missing;
}

TEST_F(SampleGameTest, CommandLineGlobalModificationChecksItsArgumentsAndSaves)
{
    const std::string cli = OBRIX_CLI_PATH;
    const std::string game = "'" + (m_own.path() / "gm").string() + "'";
    const std::string data = " --data-folder '" + (m_own.path() / "data").string() + "'";
    int status = 0;
    runCommand(cli + " sample " + game + " --seed 5", status);
    ASSERT_EQ(status, 0);
    const std::string before = runCommand(cli + " dump " + game, status);
    const struct
    {
        const char* options;
        int status;
    } refused[] = {
        {" --amount 61 --groups gk --skills all", 1},
        {" --amount 0 --groups gk --skills all", 1},
        {" --amount x --groups gk --skills all", 1},
        {" --amount 5 --groups keepers --skills all", 2},
        {" --amount 5 --groups gk --skills speed,kicking", 2},
        {" --amount 5 --groups gk", 2},
    };
    for (const auto& r : refused)
    {
        const std::string out = runCommand(cli + " global-mod " + game + data + r.options, status);
        EXPECT_EQ(status, r.status) << r.options << "\n" << out;
    }
    EXPECT_EQ(runCommand(cli + " dump " + game, status), before);

    const std::string out =
        runCommand(cli + " global-mod " + game + data + " --amount -60 --groups gk,def,mid,fwd --skills speed", status);
    ASSERT_EQ(status, 0) << out;
    const std::string after = runCommand(cli + " dump " + game, status);
    EXPECT_EQ(after.find("\"speed\":1,"), std::string::npos);
    EXPECT_NE(after.find("\"speed\":0,"), std::string::npos);
    EXPECT_EQ(after.find("\"agility\":0,") == std::string::npos, before.find("\"agility\":0,") == std::string::npos);
}
#endif
