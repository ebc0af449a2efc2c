#include "TestGate.h"
#include "FakePrompts.h"
#include "database/Database.h"
#include "editing/PageTexts.h"
#include "editing/PlayerEditSession.h"
#include "editing/PlayerPresets.h"
#include "util/TextCodec.h"

#include <gtest/gtest.h>

#include <deque>

namespace
{
// A fixed clock and a generator that hands out scripted numbers, recording the seeds.
struct ScriptedDice
{
    int64_t now = 1000;
    std::deque<uint32_t> draws;
    std::vector<int64_t> seeds;

    CPresetDice dice()
    {
        return CPresetDice([this] { return now; },
                           [this](uint32_t seed) {
                               seeds.push_back(int32_t(seed));
                               if (draws.empty()) return uint32_t(1);
                               const uint32_t r = draws.front();
                               draws.pop_front();
                               return r;
                           });
    }
};

struct PlayerWorld
{
    CDatabase db;
    FakePrompts prompts;
    ScriptedDice dice;
    int rosterRefreshes = 0;
    uint32_t listedTeam = 0;
    CDirectRunner runner{db};
    CPlayerEditSession session{runner, prompts,
                               CPlayerPageLinks{[this] { ++rosterRefreshes; }, [this] { return listedTeam; }},
                               dice.dice()};

    CPlayer& player(uint32_t id, const std::string& name = "Keeper")
    {
        auto p = std::make_unique<CPlayer>();
        p->id = id;
        p->name = name;
        p->jerseyNumber = 7;
        for (int i = 0; i < CPlayer::kSkillCount; ++i) p->skill(i) = uint8_t(i);
        return build(db).addPlayer(std::move(p));
    }
};
}  // namespace

TEST(EditingPlayerSession, EditsAltPositionOnlyWhenPositionIsZeroAndAltIsNot)
{
    PlayerWorld w;
    auto& p = w.player(3);
    p.position = 0;
    p.altPosition = 5;
    w.session.selectPlayer(3);
    EXPECT_TRUE(w.session.editsAltPosition());
    EXPECT_EQ(w.session.state().positionIndex, 5);
    EXPECT_STREQ(positionLabel(w.session.state().positionIndex), "LCB");
    w.session.state().positionIndex = 9;
    ASSERT_TRUE(w.session.storePage());
    EXPECT_EQ(p.position, 0);
    EXPECT_EQ(p.altPosition, 9);

    auto& q = w.player(4);
    q.position = 0;
    q.altPosition = 0;
    w.session.selectPlayer(4);
    EXPECT_FALSE(w.session.editsAltPosition());
    w.session.state().positionIndex = 2;
    w.session.storePage();
    EXPECT_EQ(q.position, 2);
    EXPECT_EQ(q.altPosition, 0);
}

TEST(EditingPlayerSession, LoadsTheControlsAndStoresThemBack)
{
    PlayerWorld w;
    auto& p = w.player(2, "Dario");
    p.letterCode = 'K';
    p.jerseyNumber = 0;
    p.hairStyle = 13;
    p.skinColour = 3;
    p.hasCommentary = 1;
    w.session.selectPlayer(2);
    const auto& s = w.session.state();
    EXPECT_TRUE(s.enabled);
    EXPECT_EQ(s.name, "Dario");
    EXPECT_EQ(s.letter, "K");
    EXPECT_EQ(s.numberIndex, CPlayerPageState::kNoChoice);  // number 0 shows no number
    EXPECT_EQ(s.skills[0], 1);
    EXPECT_EQ(s.skills[12], 13);
    EXPECT_EQ(s.rating, p.skillRating());
    EXPECT_TRUE(s.commentary);

    w.session.state().letter.clear();
    ASSERT_TRUE(w.session.storePage());
    EXPECT_EQ(p.jerseyNumber, 0);
    EXPECT_EQ(p.letterCode, 0);
    EXPECT_EQ(p.modified, 1u);  // the letter went

    // The boxes hold 15 characters and 1.
    w.session.state().name = "Abcdefghijklmnopqr";
    w.session.state().letter = "XY";
    w.session.storePage();
    EXPECT_EQ(p.name, "Abcdefghijklmno");
    EXPECT_EQ(p.letterCode, 'X');
    EXPECT_EQ(p.hairStyle, 13);
    EXPECT_EQ(p.skinColour, 3);

    // The number list offers 1..99 although the file keeps six bits.
    w.session.state().numberIndex = 63;
    w.session.storePage();
    EXPECT_EQ(p.jerseyNumber, 64);
}

TEST(EditingPlayerSession, UnchangedStoreMarksNothingAndAChangeMarksOnce)
{
    PlayerWorld w;
    auto& p = w.player(5);
    w.session.selectPlayer(5);
    EXPECT_TRUE(w.session.storePage());
    EXPECT_EQ(p.modified, 0u);
    EXPECT_FALSE(w.db.modified());
    EXPECT_EQ(w.rosterRefreshes, 0);

    w.session.state().skills[4] = 16;
    w.session.storePage();
    EXPECT_EQ(p.creativity, 15);
    EXPECT_EQ(p.modified, 1u);
    EXPECT_TRUE(w.db.modified());
    EXPECT_EQ(w.rosterRefreshes, 1);
}

TEST(EditingPlayerSession, StoreWritesNothingForAnEmptyNameAClearedPageOrADeletedPlayer)
{
    PlayerWorld w;
    auto& p = w.player(5, "Name");
    w.session.selectPlayer(5);
    w.session.state().name.clear();
    w.session.state().skills.fill(16);
    EXPECT_FALSE(w.session.storePage());
    EXPECT_EQ(p.name, "Name");
    EXPECT_EQ(p.acceleration, 0);

    w.session.showPlayer(5);
    w.session.clearPage();
    EXPECT_FALSE(w.session.state().enabled);
    EXPECT_EQ(w.session.shownPlayer(), 5u);
    EXPECT_FALSE(w.session.storePage());
    EXPECT_EQ(p.tackle, 12);

    w.session.showPlayer(5);
    w.session.showPlayer(99);  // no such record: nothing to edit, nothing to store
    EXPECT_FALSE(w.session.state().enabled);
    EXPECT_FALSE(w.session.storePage());
}

TEST(EditingPlayerSession, MaxAttributesGivesFifteenStoredSixteenShownRatingTen)
{
    PlayerWorld w;
    auto& p = w.player(8);
    p.position = 4;
    p.face = 2;
    w.session.selectPlayer(8);
    w.session.maxAttributes();
    for (int i = 0; i < CPlayer::kSkillCount; ++i)
    {
        EXPECT_EQ(p.skill(i), 15);
        EXPECT_EQ(w.session.state().skills[std::size_t(i)], 16);
    }
    EXPECT_EQ(w.session.state().rating, 10);
    EXPECT_EQ(p.modified, 1u);
    EXPECT_TRUE(w.db.modified());
    EXPECT_EQ(p.position, 4);
    EXPECT_EQ(p.face, 2);
    EXPECT_EQ(w.rosterRefreshes, 1);
}

TEST(EditingPlayerSession, PresetThenResetAllRestoresSkillsPositionAndMark)
{
    PlayerWorld w;
    auto& p = w.player(9, "Name");
    p.position = 0;
    p.altPosition = 12;
    w.session.selectPlayer(9);
    w.session.applyPreset(4);  // Good Defender: RCB
    EXPECT_EQ(p.altPosition, 3);
    EXPECT_EQ(p.position, 0);
    EXPECT_EQ(w.session.state().positionIndex, 3);
    EXPECT_EQ(p.modified, 1u);

    w.session.state().name = "Typed";
    w.session.resetAll();
    EXPECT_EQ(p.altPosition, 12);
    EXPECT_EQ(p.modified, 0u);
    EXPECT_EQ(p.name, "Name");
    for (int i = 0; i < CPlayer::kSkillCount; ++i) EXPECT_EQ(p.skill(i), i);
    EXPECT_EQ(w.session.state().name, "Name");
    EXPECT_EQ(w.session.state().skills[3], 4);
    EXPECT_TRUE(w.db.modified());  // Reset All leaves the database's flag alone
}

TEST(EditingPlayerSession, PresetValuesFollowTheTableAndAreClamped)
{
    using namespace playerpresets;
    EXPECT_EQ(presetSkillValue(11, 0, +1), 15);  // Star Forward acceleration: 15 + 1, clamped
    EXPECT_EQ(presetSkillValue(11, 0, -1), 14);
    EXPECT_EQ(presetSkillValue(0, 11, -2), 1);   // Ave. Goalie speed: 47 gives 2, minus 2, clamped
    EXPECT_EQ(presetSkillValue(7, 6, 0), 9);     // Good Midfielder heading 76: truncated
    EXPECT_TRUE(isStarPreset(2) && isStarPreset(5) && isStarPreset(8) && isStarPreset(11));
    EXPECT_FALSE(isStarPreset(0) || isStarPreset(4) || isStarPreset(9));
    EXPECT_STREQ(presetName(6), "Ave. Midfielder");
    EXPECT_EQ(presetPosition(7), 6);

    // Every draw 1 gives +1 on a star preset: acceleration shows 15, the record holds 14.
    PlayerWorld w;
    auto& p = w.player(10);
    w.session.selectPlayer(10);
    w.session.applyPreset(11);
    EXPECT_EQ(w.session.state().skills[0], 15);
    EXPECT_EQ(p.acceleration, 14);
    EXPECT_EQ(p.position, 9);
    EXPECT_EQ(w.session.state().rating, p.skillRating());
}

TEST(EditingPlayerSession, DiceSeedsStepBackWithinOneSecondAndMapDrawsToOffsets)
{
    ScriptedDice script;
    script.draws = {0, 1, 2, 3, 4, 0, 1};
    CPresetDice dice = script.dice();
    EXPECT_EQ(dice.offset(false), -2);
    EXPECT_EQ(dice.offset(false), -1);
    EXPECT_EQ(dice.offset(false), 1);
    EXPECT_EQ(dice.offset(false), 2);
    script.now = 1001;
    EXPECT_EQ(dice.offset(false), -2);  // 4 % 4
    EXPECT_EQ(dice.offset(true), -1);
    EXPECT_EQ(dice.offset(true), 1);
    EXPECT_EQ(script.seeds, (std::vector<int64_t>{980, 1000, 980, 1000, 1001, 981, 1001}));
}

TEST(EditingPlayerSession, PresetIsRepeatableWithTheSameClockAndGenerator)
{
    auto run = [] {
        CDatabase db;
        FakePrompts prompts;
        auto p = std::make_unique<CPlayer>();
        p->id = 11;
        p->name = "Same";
        build(db).addPlayer(std::move(p));
        CDirectRunner runner(db);
        CPlayerEditSession session(runner, prompts, {},
                                   CPresetDice([] { return int64_t(5000); }, &CPresetDice::standardDraw));
        session.selectPlayer(11);
        session.applyPreset(1);
        return session.state().skills;
    };
    EXPECT_EQ(run(), run());
}

TEST(EditingPlayerSession, PositionChoiceMarksAtOnceAndNumberChoiceWarnsOfAUsedNumber)
{
    PlayerWorld w;
    auto& p = w.player(12);
    auto& mate = w.player(13);
    mate.jerseyNumber = 9;
    auto team = std::make_unique<CTeam>();
    team->id = 40;
    team->players[0] = 12;
    team->players[1] = 13;
    build(w.db).addTeam(std::move(team));

    w.session.selectPlayer(12);
    w.session.choosePosition(14);
    EXPECT_EQ(p.modified, 1u);
    EXPECT_EQ(p.position, 0);  // the position itself waits for the store
    EXPECT_EQ(w.rosterRefreshes, 1);

    w.session.chooseNumber(8);  // no team listed: no check
    EXPECT_TRUE(w.prompts.asked.empty());
    w.listedTeam = 40;
    w.session.chooseNumber(8);
    ASSERT_EQ(w.prompts.asked.size(), 1u);
    EXPECT_EQ(w.prompts.asked[0].text, "Number 9 has already been used.");
    w.session.chooseNumber(9);
    EXPECT_EQ(w.prompts.asked.size(), 1u);
    EXPECT_EQ(w.session.state().numberIndex, 9);
    w.session.storePage();
    EXPECT_EQ(p.jerseyNumber, 10);
    EXPECT_EQ(p.position, 14);
}

TEST(EditingPlayerSession, NameTipNamesTheOriginalPlayerAndTheTeamOfImportedPlayers)
{
    PlayerWorld w;
    w.player(7, "Base").modified = 1;
    auto& imported = w.player(7 + 2 * 65536, "Copy");
    imported.teamId = 40;
    auto team = std::make_unique<CTeam>();
    team->id = 40;
    team->longName = "Club";
    build(w.db).addTeam(std::move(team));

    w.session.selectPlayer(7);
    EXPECT_EQ(w.session.nameToolTip(CTextEncoding::Windows1252), "");
    w.session.selectPlayer(7 + 2 * 65536);
    EXPECT_EQ(w.session.nameToolTip(CTextEncoding::Windows1252), "Originaly:  Base +  from  Club");
}
