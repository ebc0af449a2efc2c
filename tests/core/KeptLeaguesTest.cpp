#include "TestGate.h"
#include "FakePrompts.h"
#include "TempFolder.h"

#include "database/Database.h"
#include "database/GameFiles.h"
#include "exchange/KeptLeagues.h"
#include "exchange/LeagueImport.h"
#include "exchange/Packer.h"
#include "sample/SampleExchange.h"
#include "sample/SampleGame.h"

#include <gtest/gtest.h>

namespace
{
class KeptLeaguesTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_FALSE(writeSampleGame(game(), {7, CSampleScale::Small})); }
    std::filesystem::path game() const { return m_root.path() / "golvar"; }
    std::filesystem::path data() const { return m_root.path() / "data"; }
    void load(CDatabase& db) { ASSERT_FALSE(CGameFiles(game()).loadAll(db)); }
    std::vector<const CLeague*> imported(const CDatabase& db)
    {
        std::vector<const CLeague*> out;
        for (const auto& l : db.leagues())
            if (l->importedLeague) out.push_back(l);
        return out;
    }

    TempFolder m_root;
    FakePrompts prompts;
};
}  // namespace

TEST_F(KeptLeaguesTest, ImportedLeaguesComeBackWithTheirEditsUntilRemoved)
{
    const CKeptLeagues kept(data(), game());
    CDatabase db;
    load(db);
    const std::size_t gameLeagues = db.leagues().size();
    CInProcessPacker packer;
    ASSERT_TRUE(importDbFiles(gate(db), (game() / "USER" / kSampleExchangeLeague).string(), "Up North", packer, prompts));
    ASSERT_TRUE(importGlvFile(gate(db), (game() / "USER" / kSampleGlvFile).string(), prompts));
    const CLeague& north = *db.leagues()[gameLeagues];
    CPlayer& edited = *build(db).player(db.team(north.teamIds[0])->players[0]);
    edited.name = "Kept Edit";
    edited.speed = 3;
    ASSERT_FALSE(kept.keep(db));

    // The next run: the game's files as they were, the leagues from the editor's folder.
    CDatabase next;
    load(next);
    EXPECT_EQ(kept.restore(gate(next), prompts), 2u);
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_FALSE(next.modified());
    const auto back = imported(next);
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[0]->displayName, "Up North");
    EXPECT_EQ(back[1]->displayName, db.leagues()[gameLeagues + 1]->displayName);
    EXPECT_EQ(back[0]->slotCount, north.slotCount);
    const CPlayer& again = *next.player(next.team(back[0]->teamIds[0])->players[0]);
    EXPECT_EQ(again.name, "Kept Edit");
    EXPECT_EQ(again.speed, 3);

    // Removing one keeps the other; removing both leaves nothing behind.
    EXPECT_FALSE(removeImportedLeague(gate(next), 0));
    ASSERT_TRUE(removeImportedLeague(gate(next), gameLeagues));
    ASSERT_FALSE(kept.keep(next));
    CDatabase third;
    load(third);
    EXPECT_EQ(kept.restore(gate(third), prompts), 1u);
    ASSERT_TRUE(removeImportedLeague(gate(third), gameLeagues));
    ASSERT_FALSE(kept.keep(third));
    EXPECT_FALSE(std::filesystem::exists(kept.folder()));
    CDatabase fourth;
    load(fourth);
    EXPECT_EQ(kept.restore(gate(fourth), prompts), 0u);
    EXPECT_EQ(fourth.leagues().size(), gameLeagues);
}

TEST_F(KeptLeaguesTest, AnUnreadableKeptLeagueIsMovedAsideAndAHalfSwappedSetIsFound)
{
    const CKeptLeagues kept(data(), game());
    CDatabase db;
    load(db);
    ASSERT_TRUE(importGlvFile(gate(db), (game() / "USER" / kSampleGlvFile).string(), prompts));
    ASSERT_FALSE(kept.keep(db));
    // Interrupted between the two renames of a later keep: only the old name is there.
    const auto old = kept.folder().parent_path() / (kept.folder().filename().string() + ".old");
    std::filesystem::rename(kept.folder(), old);
    CDatabase next;
    load(next);
    EXPECT_EQ(kept.restore(gate(next), prompts), 1u);

    std::filesystem::resize_file(kept.folder() / "1" / "CUSTOM.DB", 3);
    CDatabase broken;
    load(broken);
    const std::size_t leagues = broken.leagues().size();
    EXPECT_EQ(kept.restore(gate(broken), prompts), 0u);
    EXPECT_EQ(broken.leagues().size(), leagues);
    ASSERT_FALSE(prompts.asked.empty());
    EXPECT_NE(prompts.asked.back().text.find("-unreadable-1"), std::string::npos) << prompts.asked.back().text;
    EXPECT_TRUE(std::filesystem::exists(kept.folder().parent_path() /
                                        (kept.folder().filename().string() + "-unreadable-1") / "CUSTOM.DB"));
}
