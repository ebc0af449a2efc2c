#include "database/Change.h"
#include "database/Database.h"
#include "editing/Selection.h"
#include "editing/TeamCommands.h"
#include "util/TextCodec.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace
{
constexpr CTextEncoding kLatin = CTextEncoding::Windows1252;
constexpr std::size_t kNone = CSelection::kNoLeague;

// Two leagues over teams 1..5 named so that the tree's order (by name) differs from the
// stored one; team 3 is listed by both leagues. Players 10+ belong to team 1.
struct World
{
    CDatabase db;

    World()
    {
        CDatabaseBuilder b(db);
        const char* names[] = {"", "Delta", "Alpha", "Echo", "Charlie", "Bravo"};
        for (uint32_t id = 10; id < 13; ++id)
        {
            auto p = std::make_unique<CPlayer>();
            p->id = id;
            p->name = "P" + std::to_string(id);
            b.addPlayer(std::move(p));
        }
        for (uint32_t id = 1; id <= 5; ++id)
        {
            auto t = std::make_unique<CTeam>();
            t->id = id;
            t->longName = names[id];
            if (id == 1)
                for (std::size_t i = 0; i < 3; ++i) t->players[i] = uint32_t(10 + i);
            b.addTeam(std::move(t));
        }
        league("First", {1, 2, 3, 4, 5}, 7);
        league("Second", {3}, 8);
    }
    void league(const std::string& name, std::vector<uint32_t> teams, uint32_t id)
    {
        auto l = std::make_unique<CLeague>();
        l->displayName = name;
        l->teamIds = teams;
        l->slotCount = uint32_t(teams.size());
        l->id = id;
        CDatabaseBuilder(db).addLeague(std::move(l));
    }
    // Runs rule and settles current against it, as the document does after a change.
    CSelection settleAfter(const CSelection& current, const std::function<void(CTransaction&)>& rule)
    {
        CTransaction tx(db);
        rule(tx);
        const CChange change = tx.commit();
        const auto& before = change.leagueImagesBefore();
        return settleSelection(db, current, before ? &*before : nullptr, kLatin);
    }
};
}  // namespace

TEST(EditingSelection, NeighbourIsTheNextStillThereElseThePreviousElseNone)
{
    struct Case
    {
        const char* name;
        std::vector<uint32_t> before, after;
        uint32_t gone, expected;
    };
    const Case cases[] = {
        {"next", {1, 2, 3}, {1, 3}, 2, 3},
        {"next that stayed", {1, 2, 3, 4}, {1, 4}, 2, 4},
        {"last goes: previous", {1, 2, 3}, {1, 2}, 3, 2},
        {"only one", {5}, {}, 5, 0},
        {"never listed", {1, 2}, {1, 2}, 9, 0},
        {"listed twice, both gone", {1, 2, 1, 3}, {3}, 1, 3},
    };
    for (const Case& c : cases)
        EXPECT_EQ(neighbourAfterRemoval(c.before, c.after, c.gone), c.expected) << c.name;
}

TEST(EditingSelection, LeagueTeamOrderIsTheTreesOrder)
{
    World w;
    EXPECT_EQ(leagueTeamOrder(w.db, *w.db.league(0), kLatin), (std::vector<uint32_t>{2, 5, 4, 1, 3}));
}

// A team deleted from its league gives way to the next one the tree shows (by name, not by
// slot), the last one to the one before, the only one to none; the player goes with it.
TEST(EditingSelection, DeletedTeamGivesWayToItsNeighbourInTheTree)
{
    struct Case
    {
        const char* name;
        std::size_t league;
        uint32_t team;
        CSelection expected;
    };
    const Case cases[] = {
        {"Delta -> Echo", 0, 1, {0, 3, 0}},
        {"Alpha -> Bravo", 0, 2, {0, 5, 0}},
        {"Echo, last -> Delta", 0, 3, {0, 1, 0}},
        {"only team of Second", 1, 3, {1, 0, 0}},
    };
    for (const Case& c : cases)
    {
        World w;
        const CSelection settled = w.settleAfter(CSelection{c.league, c.team, c.team == 1 ? 11u : 0u},
                                                 [&](CTransaction& tx) { removeTeamFromLeague(tx, c.league, c.team); });
        EXPECT_EQ(settled, c.expected) << c.name;
    }
}

TEST(EditingSelection, WhatStillStandsIsKept)
{
    World w;
    // Another team of the league goes: the selection stays, its player too.
    EXPECT_EQ(w.settleAfter({0, 1, 11}, [](CTransaction& tx) { removeTeamFromLeague(tx, 0, 2); }),
              (CSelection{0, 1, 11}));
    // The team leaves one league but is still listed by the chosen one.
    EXPECT_EQ(w.settleAfter({1, 3, 0}, [](CTransaction& tx) { removeTeamFromLeague(tx, 0, 3); }),
              (CSelection{1, 3, 0}));
    // A player who left his team: the team stays, no player.
    EXPECT_EQ(w.settleAfter({0, 1, 12}, [](CTransaction& tx) { tx.team(1)->players[2] = 0; }), (CSelection{0, 1, 0}));
    // Nothing chosen stays nothing.
    EXPECT_EQ(w.settleAfter({}, [](CTransaction& tx) { removeTeamFromLeague(tx, 0, 1); }), CSelection{});
}

TEST(EditingSelection, UndoAndRedoSettleFromTheSideLeft)
{
    World w;
    CChange change;
    {
        CTransaction tx(w.db);
        pasteTeamIntoLeague(tx, 1, *w.db.team(4));
        change = tx.commit();
    }
    // The pasted team was chosen; undo takes it out of Second again: Echo, its neighbour.
    change.undo(w.db);
    EXPECT_EQ(settleSelection(w.db, {1, 4, 0}, &*change.leagueImagesAfter(), kLatin), (CSelection{1, 3, 0}));
    change.redo(w.db);
    EXPECT_EQ(settleSelection(w.db, {1, 3, 0}, &*change.leagueImagesBefore(), kLatin), (CSelection{1, 3, 0}));
}

TEST(EditingSelection, RemovedLeagueIsFollowedOrGivesWay)
{
    World w;
    w.league("Third", {2}, 9);
    const auto removeFirst = [](CTransaction& tx) { tx.leagues().erase(tx.leagues().begin()); };
    // Third moved up a place: still chosen, with its team.
    EXPECT_EQ(w.settleAfter({2, 2, 0}, removeFirst), (CSelection{1, 2, 0}));
    // The chosen league itself went: the one now at its place, nothing under it.
    for (const CSelection& chosen : {CSelection{0, 1, 10}, CSelection{0, 3, 0}, CSelection{0, 0, 0}})
    {
        World v;
        EXPECT_EQ(v.settleAfter(chosen, removeFirst), (CSelection{0, 0, 0}));
    }
    // The last league goes: nothing is left to choose.
    World v;
    v.settleAfter({}, removeFirst);
    EXPECT_EQ(v.settleAfter({0, 3, 0}, removeFirst), CSelection{});
    // Without the list before (a reload), a position past the end is nothing.
    EXPECT_EQ(settleSelection(v.db, {5, 1, 0}, nullptr, kLatin), (CSelection{}));
    EXPECT_EQ(settleSelection(v.db, {kNone, 1, 0}, nullptr, kLatin), (CSelection{}));
}
