#include "TestGate.h"
#include "FakePrompts.h"
#include "database/Database.h"
#include "editing/Roster.h"
#include "util/TextCodec.h"

#include <gtest/gtest.h>

namespace
{
constexpr CTextEncoding kLatin = CTextEncoding::Windows1252;

struct RosterWorld
{
    CDatabase db;
    FakePrompts prompts;

    CPlayer& player(uint32_t id, const std::string& name, uint8_t number = 0)
    {
        auto p = std::make_unique<CPlayer>();
        p->id = id;
        p->name = name;
        p->jerseyNumber = number;
        return build(db).addPlayer(std::move(p));
    }
    CTeam& team(uint32_t id, std::vector<uint32_t> players)
    {
        auto t = std::make_unique<CTeam>();
        t->id = id;
        t->longName = "Team";
        for (std::size_t i = 0; i < players.size(); ++i) t->players[i] = players[i];
        return build(db).addTeam(std::move(t));
    }
};

std::vector<uint32_t> ids(const std::vector<CRosterRow>& rows)
{
    std::vector<uint32_t> out;
    for (const auto& r : rows) out.push_back(r.playerId);
    return out;
}
}  // namespace

TEST(EditingRoster, ListsStayingAndPastedPlayersThenIncoming)
{
    RosterWorld w;
    w.player(1, "Stays");
    auto& moved = w.player(2, "Moved");
    moved.destinationTeamId = 8;
    moved.copyMark = 3;
    auto& pasted = w.player(3, "Pasted");
    pasted.destinationTeamId = 8;
    pasted.copyMark = CPlayer::kCopyMark;
    w.player(4, "Incoming");
    auto& t = w.team(5, {1, 2, 0, 3, 77});
    t.incomingPlayers[2] = 4;
    t.incomingPlayers[3] = 78;  // no record
    EXPECT_EQ(rosterPlayers(w.db, 5), (std::vector<uint32_t>{1, 3, 4}));
    EXPECT_TRUE(rosterPlayers(w.db, 6).empty());
}

TEST(EditingRoster, CellTexts)
{
    RosterWorld w;
    auto& p = w.player(300, "Keeper", 13);
    p.modified = 1;
    p.imported = 1;
    p.position = 3;
    for (int s = 0; s < CPlayer::kSkillCount; ++s) p.skill(s) = uint8_t(s);
    const auto row = rosterRow(w.db, p);
    EXPECT_EQ(row.playerId, 300u);
    EXPECT_EQ(row.cells[0], "13");
    EXPECT_EQ(row.cells[1], "Keeper * +");
    EXPECT_EQ(row.cells[2], "RCB");
    EXPECT_EQ(row.cells[3], "");
    EXPECT_EQ(row.cells[4], std::to_string(p.skillRating()));
    EXPECT_EQ(row.cells[5], "1");   // acceleration 0 shown as 1
    EXPECT_EQ(row.cells[17], "13"); // tackle 12
    EXPECT_EQ(row.cells[18], "300");
    EXPECT_EQ(roster::columns()[3].width, 0);
    EXPECT_EQ(roster::columns()[18].width, 0);
    EXPECT_STREQ(roster::columns()[15].header, "Sac");
}

TEST(EditingRoster, PositionTextFallsBackToAltPositionAndShowsLargeValuesAsNumbers)
{
    CPlayer p;
    EXPECT_EQ(rosterPositionText(p), "GK");
    p.altPosition = 16;
    EXPECT_EQ(rosterPositionText(p), "LF");
    p.position = 2;
    EXPECT_EQ(rosterPositionText(p), "RB");
    p.position = 0;
    p.altPosition = 25;
    EXPECT_EQ(rosterPositionText(p), "25");
    p.position = 17;
    EXPECT_EQ(rosterPositionText(p), "17");
}

TEST(EditingRoster, SortClicksAndNumberOrTextRule)
{
    RosterWorld w;
    w.player(1, "bravo", 10);
    w.player(2, "Alpha", 9);
    w.player(3, "charlie", 11);
    w.team(1, {1, 2, 3});
    auto rows = rosterRows(w.db, 1);

    CRosterSort sort;
    sortRosterRows(rows, sort, kLatin);  // no column yet: slot order
    EXPECT_EQ(ids(rows), (std::vector<uint32_t>{1, 2, 3}));

    sort.click(roster::kNameColumn);
    sortRosterRows(rows, sort, kLatin);
    EXPECT_EQ(ids(rows), (std::vector<uint32_t>{2, 1, 3}));
    sort.click(roster::kNameColumn);
    EXPECT_FALSE(sort.ascending);
    sortRosterRows(rows, sort, kLatin);
    EXPECT_EQ(ids(rows), (std::vector<uint32_t>{3, 1, 2}));

    // Numbers, not text: "9" < "10" < "11".
    sort.click(0);
    EXPECT_TRUE(sort.ascending);
    sortRosterRows(rows, sort, kLatin);
    EXPECT_EQ(ids(rows), (std::vector<uint32_t>{2, 1, 3}));
}

TEST(EditingRoster, ColumnWhoseFirstCellHoldsALetterSortsAsText)
{
    std::vector<CRosterRow> rows(3);
    rows[0].playerId = 1, rows[0].cells[2] = "x";
    rows[1].playerId = 2, rows[1].cells[2] = "9";
    rows[2].playerId = 3, rows[2].cells[2] = "10";
    CRosterSort sort;
    sort.click(2);
    sortRosterRows(rows, sort, kLatin);
    EXPECT_EQ(ids(rows), (std::vector<uint32_t>{3, 2, 1}));  // "10" < "9" < "x"

    // With a number on top the same column sorts as numbers, a letter counting as 0.
    rows[0].cells[2] = "10";
    rows[1].cells[2] = "9";
    rows[2].cells[2] = "x";
    sortRosterRows(rows, sort, kLatin);
    EXPECT_EQ(rows[0].cells[2], "x");
    EXPECT_EQ(rows[2].cells[2], "10");
}

TEST(EditingRoster, DeleteLimitAndRemoval)
{
    EXPECT_TRUE(rosterCanDelete(12));
    EXPECT_FALSE(rosterCanDelete(11));

    RosterWorld w;
    w.player(1, "Twice");
    auto& t = w.team(2, {3, 1, 1});
    t.incomingPlayers = {0, 1, 1};
    EXPECT_TRUE(removePlayerFromTeam(gate(w.db), 2, 1));
    EXPECT_EQ(t.players[1], 0u);
    EXPECT_EQ(t.players[2], 1u);
    EXPECT_EQ(t.incomingPlayers[1], 0u);
    EXPECT_EQ(t.incomingPlayers[2], 1u);
    EXPECT_NE(w.db.player(1), nullptr);
    EXPECT_TRUE(w.db.modified());
}

TEST(EditingRoster, PasteRefusedAtTwentySixRows)
{
    RosterWorld w;
    w.player(1, "Ace");
    w.team(2, {});
    CPlayer clip = *w.db.player(1);
    EXPECT_FALSE(pastePlayerIntoRoster(gate(w.db), 26, 2, clip, kLatin, w.prompts));
    ASSERT_EQ(w.prompts.asked.size(), 1u);
    EXPECT_EQ(w.prompts.asked[0].text, "Too many players (26) in this team already!");
    EXPECT_EQ(w.db.player(1)->copyMark, 0u);

    EXPECT_TRUE(pastePlayerIntoRoster(gate(w.db), 25, 2, clip, kLatin, w.prompts));
    EXPECT_EQ(w.db.team(2)->incomingPlayers[0], 1u);
}

TEST(EditingRoster, PasteWithAllSlotsInUseDoesNothingSilently)
{
    RosterWorld w;
    w.player(1, "Ace");
    for (uint32_t id = 2; id <= 27; ++id) w.player(id, "Gone").destinationTeamId = 9;
    std::vector<uint32_t> slots;
    for (uint32_t id = 2; id <= 27; ++id) slots.push_back(id);
    w.team(2, slots);
    CPlayer clip = *w.db.player(1);
    EXPECT_EQ(rosterPlayers(w.db, 2).size(), 0u);
    EXPECT_FALSE(pastePlayerIntoRoster(gate(w.db), 0, 2, clip, kLatin, w.prompts));
    EXPECT_TRUE(w.prompts.asked.empty());
}
