#include "TestGate.h"
#include "FakePrompts.h"
#include "database/Database.h"
#include "editing/FindPlayer.h"
#include "editing/LeagueTreeOrder.h"
#include "editing/TeamCommands.h"
#include "util/TextCodec.h"

#include <gtest/gtest.h>

namespace
{
constexpr CTextEncoding kLatin = CTextEncoding::Windows1252;

// A small world built by hand: leagues of teams of players, names chosen per test.
struct World
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
    CTeam& team(uint32_t id, const std::string& name, std::vector<uint32_t> players = {})
    {
        auto t = std::make_unique<CTeam>();
        t->id = id;
        t->longName = name;
        for (std::size_t i = 0; i < players.size(); ++i) t->players[i] = players[i];
        return build(db).addTeam(std::move(t));
    }
    CLeague& league(const std::string& name, std::vector<uint32_t> teams, uint32_t id = 0)
    {
        auto l = std::make_unique<CLeague>();
        l->displayName = name;
        l->teamIds = teams;
        l->slotCount = static_cast<uint32_t>(teams.size());
        l->id = id;
        return build(db).addLeague(std::move(l));
    }
    std::vector<CTreeNode> tree(bool players = false) const { return buildLeagueTree(db, players, kLatin); }
    std::vector<std::string> messages() const
    {
        std::vector<std::string> out;
        for (const auto& a : prompts.asked)
            if (a.kind == "message") out.push_back(a.text);
        return out;
    }
};

std::vector<std::string> texts(const std::vector<CTreeNode>& nodes)
{
    std::vector<std::string> out;
    for (const auto& n : nodes) out.push_back(n.text);
    return out;
}
}  // namespace

TEST(EditingTreeOrder, LeaguesAndTeamsSortedByTextIgnoringCaseWithValues)
{
    World w;
    w.team(5, "zebra FC");
    w.team(6, "Alpha");
    w.team(7, "beta");
    w.team(8, "Gamma");
    w.league("serie", {5, 6, 0, 7, 8});
    w.league("Premier", {8});
    build(w.db).leagues()[0]->slotCount = 4;  // team 8 stands beyond the used slots of the first league
    build(w.db).leagues()[1]->modified = 1;

    const auto tree = w.tree();
    ASSERT_EQ(tree.size(), 2u);
    EXPECT_EQ(texts(tree), (std::vector<std::string>{"Premier *", "serie"}));
    EXPECT_EQ(tree[0].value, 200001u);
    EXPECT_EQ(tree[1].value, 200000u);
    EXPECT_EQ(texts(tree[1].children), (std::vector<std::string>{"Alpha", "beta", "zebra FC"}));
    EXPECT_EQ(tree[1].children[0].value, 6u);
    EXPECT_TRUE(tree[1].children[0].children.empty());
}

TEST(EditingTreeOrder, EmptyLeagueListGivesEmptyTree)
{
    World w;
    EXPECT_TRUE(w.tree(true).empty());
}

TEST(EditingTreeOrder, PlayerNodesFollowTheListingRuleAndKeepSlotOrder)
{
    World w;
    w.player(1, "Zed");
    w.player(2, "Moved Away").destinationTeamId = 9;
    auto& pasted = w.player(3, "Pasted");
    pasted.destinationTeamId = 9;
    pasted.copyMark = CPlayer::kCopyMark;
    w.player(4, "");  // no label: not listed
    w.player(5, "Arriving");
    auto& t = w.team(10, "Town", {1, 2, 3, 4, 99});
    t.incomingPlayers[3] = 5;
    w.league("L", {10});

    const auto tree = w.tree(true);
    const auto& players = tree[0].children[0].children;
    EXPECT_EQ(texts(players), (std::vector<std::string>{"Zed", "Pasted", "Arriving"}));
    EXPECT_EQ(players[2].value, 5u);
}

TEST(EditingTreeOrder, SameTeamUnderTwoLeagues)
{
    World w;
    w.team(3, "Shared");
    w.league("A", {3});
    w.league("B", {3});
    const auto tree = w.tree();
    EXPECT_EQ(tree[0].children[0].value, 3u);
    EXPECT_EQ(tree[1].children[0].value, 3u);
}

TEST(EditingTreeOrder, SwatchValuesPutTheOddColourInTheMiddle)
{
    CTeam t;
    auto swatch = [&](int jersey2, int shorts1, int jersey1) {
        t.homeJerseyColour2 = uint8_t(jersey2);
        t.homeShortsColour1 = uint8_t(shorts1);
        t.homeJerseyColour1 = uint8_t(jersey1);
        return teamSwatchValues(t);
    };
    EXPECT_EQ(swatch(1, 2, 3), (std::array<int, 3>{1, 2, 3}));
    EXPECT_EQ(swatch(4, 4, 9), (std::array<int, 3>{4, 9, 4}));
    EXPECT_EQ(swatch(9, 4, 4), (std::array<int, 3>{4, 9, 4}));
    EXPECT_EQ(swatch(4, 9, 4), (std::array<int, 3>{4, 9, 4}));
    EXPECT_EQ(swatch(7, 7, 7), (std::array<int, 3>{7, 7, 7}));
    EXPECT_EQ(swatch(30, 30, 2), (std::array<int, 3>{30, 2, 30}));
}

// Three leagues A, B, C (already in sorted order), two teams each, one player per team
// named after where it stands.
class EditingFind : public ::testing::Test
{
protected:
    World w;
    void SetUp() override
    {
        uint32_t id = 1;
        for (const char* league : {"A", "B", "C"})
        {
            std::vector<uint32_t> teams;
            for (int t = 1; t <= 2; ++t)
            {
                const std::string name = std::string(league) + std::to_string(t);
                w.player(id, "player " + name);
                w.team(id, "team " + name, {id});
                teams.push_back(id++);
            }
            w.league(league, teams);
        }
    }
    CFindResult find(const std::string& text, CTreePath selection = {})
    {
        return findPlayer(w.db, w.tree(), selection, text, kLatin, w.prompts);
    }
};

TEST_F(EditingFind, NoSelectionSearchesFirstToLastOnce)
{
    auto r = find("PLAYER");
    EXPECT_EQ(r.playerId, 1u);
    EXPECT_EQ(r.team, (CTreePath{0, 0, -1}));
    EXPECT_EQ(find("c2").playerId, 6u);
    EXPECT_TRUE(w.messages().empty());
    EXPECT_EQ(find("nobody").playerId, 0u);
    EXPECT_EQ(w.messages(), (std::vector<std::string>{"Cannot find 'nobody'"}));
}

TEST_F(EditingFind, StartsAfterTheSelectedTeamAndWrapsToTheTeamsBeforeIt)
{
    EXPECT_EQ(find("player", {1, 0}).playerId, 4u);  // next sibling first
    EXPECT_EQ(find("player", {1, 1}).playerId, 5u);  // then the next league
    EXPECT_EQ(find("a2", {1, 0}).playerId, 2u);      // round past the last league
    auto r = find("b1", {1, 1});                     // the selected league's earlier team
    EXPECT_EQ(r.playerId, 3u);
    EXPECT_EQ(r.team, (CTreePath{1, 0, -1}));
}

TEST_F(EditingFind, OnlyMatchInsideTheSelectedTeamIsNotFound)
{
    EXPECT_EQ(find("b1", {1, 0}).playerId, 0u);
    EXPECT_EQ(w.messages().size(), 1u);
}

TEST_F(EditingFind, LastTeamOfLastLeagueFailsAtOnce)
{
    EXPECT_EQ(find("a1", {2, 1}).playerId, 0u);
    EXPECT_EQ(w.messages(), (std::vector<std::string>{"Cannot find 'a1'"}));
}

TEST_F(EditingFind, SelectedLeagueIsSkippedAndLastLeagueWrapsToFirst)
{
    EXPECT_EQ(find("b2", {1}).playerId, 0u);
    EXPECT_EQ(find("c1", {1}).playerId, 5u);
    EXPECT_EQ(find("b1", {2}).playerId, 3u);
}

TEST_F(EditingFind, CandidatesFollowTheFindRule)
{
    // A player that moved away (even a pasted copy) is no candidate in its slot; an
    // incoming player is, as long as its record exists.
    build(w.db).player(1)->destinationTeamId = 5;
    build(w.db).player(1)->copyMark = CPlayer::kCopyMark;
    EXPECT_EQ(find("a1").playerId, 0u);
    build(w.db).team(6)->incomingPlayers[0] = 1;
    build(w.db).team(6)->incomingPlayers[1] = 4000;  // no record
    EXPECT_EQ(find("a1").playerId, 1u);
}

TEST(EditingFindEdge, EmptyTreeFailsWithMessage)
{
    World w;
    EXPECT_EQ(findPlayer(w.db, {}, {}, "x", kLatin, w.prompts).playerId, 0u);
    EXPECT_EQ(w.messages(), (std::vector<std::string>{"Cannot find 'x'"}));
}

TEST(EditingFindEdge, MatchesAccentedNamesIgnoringCase)
{
    World w;
    std::string name;
    ASSERT_TRUE(fromUtf8("Jörg Müller", kLatin, name));
    w.player(1, name);
    w.team(1, "T", {1});
    w.league("L", {1});
    EXPECT_EQ(findPlayerInTree(w.db, w.tree(), {}, "MÜLL", kLatin).playerId, 1u);
}

TEST(EditingTeamCommands, CopyThenPasteTeamIntoLeague)
{
    World w;
    w.player(1, "In");
    auto& t = w.team(4, "Rovers");
    t.incomingPlayers[0] = 1;
    w.league("A", {4});
    auto& b = w.league("B", {7, 0, 0});
    b.slotCount = 1;

    CTeam clip;
    EXPECT_FALSE(pasteTeamIntoLeague(gate(w.db), 1, clip));
    ASSERT_TRUE(copyTeamToClipboard(gate(w.db), 4, clip));
    EXPECT_EQ(clip.id, 4u);
    EXPECT_EQ(clip.longName, "Rovers");
    EXPECT_EQ(w.db.player(1)->destinationTeamId, 4u);

    ASSERT_TRUE(pasteTeamIntoLeague(gate(w.db), 1, clip));
    EXPECT_EQ(b.slotCount, 2u);
    EXPECT_EQ(b.teamIds, (std::vector<uint32_t>{7, 4, 0}));
    EXPECT_TRUE(w.db.modified());
    ASSERT_TRUE(pasteTeamIntoLeague(gate(w.db), 1, clip));
    ASSERT_TRUE(pasteTeamIntoLeague(gate(w.db), 1, clip));
    EXPECT_EQ(b.teamIds, (std::vector<uint32_t>{7, 4, 4, 4}));
    EXPECT_EQ(b.slotCount, 4u);
}

TEST(EditingTeamCommands, PastePlayerMarksTheCopyAndNamesTheTeam)
{
    World w;
    w.player(1, "Ace");
    w.team(2, "From", {1});
    auto& to = w.team(3, "To", {0});
    to.modified = 1;
    CPlayer clip = *w.db.player(1);

    ASSERT_TRUE(pastePlayerIntoTeam(gate(w.db), 3, clip, kLatin, w.prompts));
    const CPlayer& p = *w.db.player(1);
    EXPECT_EQ(p.destinationTeamId, 3u);
    EXPECT_EQ(p.copyMark, CPlayer::kCopyMark);
    EXPECT_EQ(p.modified, 1u);
    EXPECT_EQ(to.incomingPlayers[0], 1u);
    EXPECT_TRUE(w.db.modified());
    EXPECT_EQ(w.messages(), (std::vector<std::string>{"Ace has been duplicated to To +"}));
}

TEST(EditingTeamCommands, PastePlayerIntoFullTeamOrMissingTeamDoesNothing)
{
    World w;
    w.player(1, "Ace");
    std::vector<uint32_t> full(26, 1);
    w.team(3, "Full", full);
    CPlayer clip = *w.db.player(1);
    EXPECT_FALSE(pastePlayerIntoTeam(gate(w.db), 3, clip, kLatin, w.prompts));
    EXPECT_FALSE(pastePlayerIntoTeam(gate(w.db), 44, clip, kLatin, w.prompts));
    EXPECT_EQ(w.db.player(1)->copyMark, 0u);
    EXPECT_FALSE(w.db.modified());
    EXPECT_TRUE(w.prompts.asked.empty());
}

TEST(EditingTeamCommands, DeleteTeamShiftsTheUsedSlotsOfThatLeagueOnly)
{
    World w;
    auto& a = w.league("A", {1, 2, 3, 2, 9});
    a.slotCount = 4;
    auto& b = w.league("B", {2});
    EXPECT_FALSE(removeTeamFromLeague(gate(w.db), 0, 9));  // beyond the used slots
    ASSERT_TRUE(removeTeamFromLeague(gate(w.db), 0, 2));
    EXPECT_EQ(a.teamIds, (std::vector<uint32_t>{1, 3, 2, 0, 9}));
    EXPECT_EQ(a.slotCount, 3u);
    EXPECT_EQ(b.teamIds, (std::vector<uint32_t>{2}));
    EXPECT_TRUE(w.db.modified());
}

TEST(EditingTeamCommands, NewLeagueIdRule)
{
    World w;
    EXPECT_EQ(newLeagueId(w.db), 1u);
    w.league("First", {}, 1);
    EXPECT_EQ(newLeagueId(w.db), 1u);  // the first league is not looked at
    w.league("Two", {}, 2);
    w.league("One", {}, 1);
    w.league("Four", {}, 4);
    EXPECT_EQ(newLeagueId(w.db), 3u);

    World full;
    full.league("First", {}, 7);
    for (uint32_t id = 1; id <= 254; ++id) full.league("L", {}, id);
    EXPECT_EQ(newLeagueId(full.db), 0u);
}

TEST(EditingTeamCommands, NewLeagueAppends)
{
    World w;
    w.league("Zeta", {}, 1);
    const auto position = addNewLeague(gate(w.db), "New League");
    EXPECT_EQ(position, 1u);
    const CLeague& l = *w.db.leagues()[1];
    EXPECT_EQ(l.displayName, "New League");
    EXPECT_EQ(l.slotCount, 0u);
    EXPECT_EQ(l.id, 1u);
    EXPECT_TRUE(w.db.modified());
    EXPECT_EQ(texts(w.tree()), (std::vector<std::string>{"New League", "Zeta"}));
}

TEST(EditingTeamCommands, LeagueNameRefusesEuropeanFixtures)
{
    World w;
    w.league("xEC Cup", {});
    w.league("Old *", {});
    EXPECT_FALSE(leagueNameEditable("xEC Cup", w.prompts));
    EXPECT_EQ(w.messages(), (std::vector<std::string>{"Cannot edit European Competition Fixtures."}));
    EXPECT_TRUE(leagueNameEditable("Old *", w.prompts));
    ASSERT_TRUE(renameLeague(gate(w.db), 1, "Old *"));
    EXPECT_EQ(w.db.leagues()[1]->displayName, "Old *");
    EXPECT_TRUE(w.db.modified());
}

TEST(EditingTeamCommands, RememberTeamMessage)
{
    World w;
    w.team(2, "Harbour").imported = 1;
    EXPECT_EQ(rememberTeam(w.db, 2, kLatin, w.prompts), 2u);
    EXPECT_EQ(rememberTeam(w.db, 3, kLatin, w.prompts), 0u);
    EXPECT_EQ(w.messages(), (std::vector<std::string>{"Copied Harbour *"}));
}

TEST(EditingTeamCommands, ApplyRememberedTeamCopiesAsManyPlayersAsTheCurrentTeamHolds)
{
    World w;
    for (uint32_t id = 1; id <= 4; ++id) w.player(id, "source" + std::to_string(id)).speed = uint8_t(id);
    build(w.db).player(2)->destinationTeamId = 7;  // moved away: not listed, so not given
    auto& source = w.team(1, "Source", {1, 2, 3});
    source.incomingPlayers[0] = 4;
    source.bankroll = 900;
    source.homeJerseyColour1 = 5;
    for (uint32_t id = 11; id <= 12; ++id) w.player(id, "target" + std::to_string(id));
    auto& target = w.team(2, "Target", {11, 12, 0, 13});

    EXPECT_EQ(applyRememberedTeam(gate(w.db), 1, 2), 2);
    EXPECT_EQ(target.longName, "Source");
    EXPECT_EQ(target.bankroll, 900u);
    EXPECT_EQ(target.homeJerseyColour1, 5);
    EXPECT_EQ(target.modified, 1u);
    EXPECT_EQ(target.players[0], 11u);
    const CPlayer& first = *w.db.player(11);
    EXPECT_EQ(first.name, "source1");
    EXPECT_EQ(first.id, 11u);
    EXPECT_EQ(first.modified, 1u);
    EXPECT_EQ(w.db.player(12)->name, "source3");
    EXPECT_EQ(w.db.player(12)->speed, 3);
    EXPECT_EQ(w.db.player(4)->modified, 0u);
    EXPECT_TRUE(w.db.modified());
    EXPECT_FALSE(applyRememberedTeam(gate(w.db), 1, 99).has_value());
}
