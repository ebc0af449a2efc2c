#include "TestGate.h"
#include "FakePrompts.h"
#include "database/Database.h"
#include "editing/Comparison.h"
#include "util/TextCodec.h"

#include <gtest/gtest.h>

namespace
{
constexpr CTextEncoding kLatin = CTextEncoding::Windows1252;

struct CompareWorld
{
    CDatabase db;
    FakePrompts prompts;

    CPlayer& player(uint32_t id, const std::string& name)
    {
        auto p = std::make_unique<CPlayer>();
        p->id = id;
        p->name = name;
        return build(db).addPlayer(std::move(p));
    }
    CTeam& team(uint32_t id, std::vector<uint32_t> players, std::vector<uint32_t> incoming = {})
    {
        auto t = std::make_unique<CTeam>();
        t->id = id;
        for (std::size_t i = 0; i < players.size(); ++i) t->players[i] = players[i];
        for (std::size_t i = 0; i < incoming.size(); ++i) t->incomingPlayers[i] = incoming[i];
        return build(db).addTeam(std::move(t));
    }
};
}  // namespace

TEST(EditingComparison, NamesMatchWithCaseIgnoredAndListsComeSorted)
{
    CompareWorld w;
    w.player(1, "Zed Zola");
    w.player(2, "ANN ABLE");
    w.player(3, "bob brown");
    w.player(4, "Carl Cole");
    // Windows-1252 letters above 127 have their own upper case.
    w.player(5, "\xC9mile \xC9toile");  // Émile Étoile
    w.player(11, "Ann Able");
    w.player(12, "\xE9mile \xE9toile");  // émile étoile
    w.player(13, "Dan Dunn");
    w.player(14, "al amos");
    w.team(100, {1, 2, 3, 4, 5});
    w.team(200, {11, 12, 13, 14});

    const CTeamComparison c = compareTeams(w.db, 100, 200, kLatin);
    EXPECT_EQ(c.leftOnly, (std::vector<uint32_t>{3, 4, 1}));   // bob, Carl, Zed: case ignored in the order
    EXPECT_EQ(c.rightOnly, (std::vector<uint32_t>{14, 13}));  // al, Dan

    const CTeamComparison self = compareTeams(w.db, 100, 100, kLatin);
    EXPECT_TRUE(self.leftOnly.empty());
    EXPECT_TRUE(self.rightOnly.empty());
}

TEST(EditingComparison, ComparesWhatTheRostersList)
{
    CompareWorld w;
    w.player(1, "Stays");
    auto& moved = w.player(2, "Moved Away");
    moved.destinationTeamId = 200;
    moved.copyMark = 0;
    auto& pasted = w.player(3, "Pasted Here");
    pasted.destinationTeamId = 200;
    pasted.copyMark = CPlayer::kCopyMark;
    w.player(4, "Arrives");
    w.player(5, "Twice");
    // Player 5 sits in both lists of team 100: listed, and so reported, twice.
    w.team(100, {1, 2, 3, 5}, {4, 5});
    // A different record with the same name counts as the same player.
    w.player(20, "stays");
    w.team(200, {20});

    const CTeamComparison c = compareTeams(w.db, 100, 200, kLatin);
    EXPECT_EQ(c.leftOnly, (std::vector<uint32_t>{4, 3, 5, 5}));
    EXPECT_TRUE(c.rightOnly.empty());

    // Against an empty or missing team everything listed is a difference.
    EXPECT_EQ(compareTeams(w.db, 200, 999, kLatin).leftOnly, (std::vector<uint32_t>{20}));
}

TEST(EditingComparison, CompareButtonWantsTwoTeams)
{
    CompareWorld w;
    w.player(1, "One");
    w.player(2, "Two");
    w.team(100, {1});
    w.team(200, {2});
    const uint32_t league = CDatabase::kLeagueNodeBase + 3;

    EXPECT_FALSE(compareSelection(w.db, std::nullopt, 200, kLatin, w.prompts));
    EXPECT_FALSE(compareSelection(w.db, league, std::nullopt, kLatin, w.prompts));
    EXPECT_TRUE(w.prompts.asked.empty());

    EXPECT_FALSE(compareSelection(w.db, 100, league, kLatin, w.prompts));
    EXPECT_FALSE(compareSelection(w.db, league, 200, kLatin, w.prompts));
    ASSERT_EQ(w.prompts.asked.size(), 2u);
    EXPECT_EQ(w.prompts.asked[0].text, "Can only compare teams.");
    EXPECT_EQ(w.prompts.asked[1].text, "Can only compare teams.");

    const auto c = compareSelection(w.db, 100, 200, kLatin, w.prompts);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->leftOnly, (std::vector<uint32_t>{1}));
    EXPECT_EQ(c->rightOnly, (std::vector<uint32_t>{2}));
    EXPECT_EQ(w.prompts.asked.size(), 2u);
}
