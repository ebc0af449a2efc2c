#include "TestGate.h"
#include "FakePrompts.h"
#include "database/Database.h"
#include "editing/PageTexts.h"
#include "editing/PlayerEditSession.h"
#include "editing/PlayerPresets.h"
#include "util/TextCodec.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>

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
    int changes = 0;  // what the window's views would each follow once
    CDirectRunner runner = [this] {
        CDirectRunner r(db);
        r.onChange = [this](const CChange&) { ++changes; };
        return r;
    }();
    CPlayerEditSession session{runner, prompts, dice.dice()};

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
    EXPECT_EQ(w.session.commitValue(CPlayerField::Position, 9), CCommitResult::Changed);
    EXPECT_EQ(p.position, 0);
    EXPECT_EQ(p.altPosition, 9);

    auto& q = w.player(4);
    q.position = 0;
    q.altPosition = 0;
    w.session.selectPlayer(4);
    EXPECT_FALSE(w.session.editsAltPosition());
    w.session.commitValue(CPlayerField::Position, 2);
    EXPECT_EQ(q.position, 2);
    EXPECT_EQ(q.altPosition, 0);
}

TEST(EditingPlayerSession, LoadsTheControls)
{
    PlayerWorld w;
    auto& p = w.player(2, "Dario");
    p.letterCode = 'K';
    p.jerseyNumber = 0;
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
}

// Each control reaches its field alone, at once, marking the player and the database;
// the same value again changes nothing.
TEST(EditingPlayerSession, EveryControlCommitsItsOwnField)
{
    struct Case
    {
        const char* what;
        std::function<CCommitResult(CPlayerEditSession&)> commit;
        std::function<bool(const CPlayer&)> holds;
    };
    const std::vector<Case> cases = {
        {"name", [](auto& s) { return s.commitText(CPlayerField::Name, "Abcdefghijklmno"); },
         [](const CPlayer& p) { return p.name == "Abcdefghijklmno"; }},
        {"letter", [](auto& s) { return s.commitText(CPlayerField::Letter, "X"); },
         [](const CPlayer& p) { return p.letterCode == 'X'; }},
        {"no letter", [](auto& s) { return s.commitText(CPlayerField::Letter, ""); },
         [](const CPlayer& p) { return p.letterCode == 0; }},
        {"number", [](auto& s) { return s.commitValue(CPlayerField::Number, 62); },
         [](const CPlayer& p) { return p.jerseyNumber == 63; }},
        {"position", [](auto& s) { return s.commitValue(CPlayerField::Position, 14); },
         [](const CPlayer& p) { return p.position == 14; }},
        {"hair", [](auto& s) { return s.commitValue(CPlayerField::HairStyle, 13); },
         [](const CPlayer& p) { return p.hairStyle == 13; }},
        {"face", [](auto& s) { return s.commitValue(CPlayerField::Face, 8); },
         [](const CPlayer& p) { return p.face == 8; }},
        {"facial hair", [](auto& s) { return s.commitValue(CPlayerField::FacialHair, 6); },
         [](const CPlayer& p) { return p.facialHair == 6; }},
        {"skin", [](auto& s) { return s.commitValue(CPlayerField::SkinColour, 3); },
         [](const CPlayer& p) { return p.skinColour == 3; }},
        {"hair colour", [](auto& s) { return s.commitValue(CPlayerField::HairColour, 2); },
         [](const CPlayer& p) { return p.hairColour == 2; }},
        {"skill", [](auto& s) { return s.commitValue(CPlayerField::Skill, 16, 4); },
         [](const CPlayer& p) { return p.creativity == 15; }},
    };
    for (const Case& c : cases)
    {
        PlayerWorld w;
        auto& p = w.player(5);
        p.letterCode = 'K';
        w.session.selectPlayer(5);
        CPlayer expected = p;
        EXPECT_EQ(c.commit(w.session), CCommitResult::Changed) << c.what;
        EXPECT_TRUE(c.holds(p)) << c.what;
        EXPECT_EQ(p.modified, 1u) << c.what;
        EXPECT_TRUE(w.db.modified()) << c.what;
        EXPECT_EQ(w.changes, 1) << c.what;
        EXPECT_EQ(w.session.state().rating, p.skillRating()) << c.what;
        // Nothing but the one field moved.
        p.modified = 0;
        expected.name = p.name, expected.letterCode = p.letterCode, expected.jerseyNumber = p.jerseyNumber;
        expected.position = p.position, expected.hairStyle = p.hairStyle, expected.face = p.face;
        expected.facialHair = p.facialHair, expected.skinColour = p.skinColour, expected.hairColour = p.hairColour;
        expected.creativity = p.creativity;
        EXPECT_TRUE(p.sameAs(expected)) << c.what;
        EXPECT_EQ(c.commit(w.session), CCommitResult::Unchanged) << c.what;
        EXPECT_EQ(p.modified, 0u) << c.what;
    }
}

TEST(EditingPlayerSession, EmptyOrUnholdableNameIsRefusedAndTheOldNameShown)
{
    PlayerWorld w;
    auto& p = w.player(5, "Name");
    w.session.selectPlayer(5);
    // A name cleared, or only spaces left, is refused with a word, not put back silently.
    for (const char* blank : {"", "   ", " \t"})
    {
        w.prompts.asked.clear();
        EXPECT_EQ(w.session.commitText(CPlayerField::Name, blank), CCommitResult::Refused) << blank;
        EXPECT_EQ(p.name, "Name");
        EXPECT_EQ(p.modified, 0u);
        EXPECT_EQ(w.session.state().name, "Name");
        ASSERT_EQ(w.prompts.asked.size(), 1u);
        EXPECT_EQ(w.prompts.asked[0].text, pagetexts::kPlayerNameEmpty);
    }
    w.prompts.asked.clear();

    // Windows-1252 holds the euro sign and u-umlaut but no Polish L-stroke or kana.
    EXPECT_EQ(w.session.commitText(CPlayerField::Name, "\xC5\x81\xC3\xBC\xE2\x82\xAC\xE3\x81\x82\xC5\x81"),
              CCommitResult::Refused);
    EXPECT_EQ(p.name, "Name");
    EXPECT_EQ(w.session.state().name, "Name");
    EXPECT_EQ(p.modified, 0u);
    ASSERT_EQ(w.prompts.asked.size(), 1u);
    EXPECT_EQ(w.prompts.asked[0].text,
              "The game's files cannot hold these characters: \xC5\x81, \xE3\x81\x82\nThe name is kept as it was.");

    // A cleared page, or a player deleted meanwhile, takes nothing.
    w.session.clearPage();
    EXPECT_EQ(w.session.commitValue(CPlayerField::Skill, 16, 0), CCommitResult::Unchanged);
    w.session.showPlayer(99);
    EXPECT_EQ(w.session.commitText(CPlayerField::Name, "Other"), CCommitResult::Unchanged);
    EXPECT_EQ(p.acceleration, 0);
    EXPECT_EQ(p.name, "Name");
}

TEST(EditingPlayerSession, ShiftJisNamesAreCountedInBytesAndSingleByteLettersOnly)
{
    PlayerWorld w;
    build(w.db).setLanguageCode("JAP");
    auto& p = w.player(6, "Name");
    w.session.selectPlayer(6);
    // "A" then hiragana "a" (two bytes each): seven of them fill the 15 bytes, eight are
    // refused whole rather than cut.
    std::string typed = "A";
    for (int i = 0; i < 7; ++i) typed += "\xE3\x81\x82";
    EXPECT_EQ(w.session.commitText(CPlayerField::Name, typed + "\xE3\x81\x82"), CCommitResult::Refused);
    EXPECT_EQ(p.name, "Name");
    EXPECT_EQ(w.session.commitText(CPlayerField::Name, typed), CCommitResult::Changed);
    std::string expected = "A";
    for (int i = 0; i < 7; ++i) expected += "\x82\xA0";
    EXPECT_EQ(p.name, expected);
    // Half-width katakana is one byte; a kanji is two and cannot be a letter code.
    EXPECT_EQ(w.session.commitText(CPlayerField::Letter, "\xEF\xBD\xB1"), CCommitResult::Changed);
    EXPECT_EQ(p.letterCode, 0xB1);
    EXPECT_EQ(w.session.commitText(CPlayerField::Letter, "\xE6\x97\xA5"), CCommitResult::Refused);
    EXPECT_EQ(p.letterCode, 0xB1);
    // A stored name is shown cut at a character too.
    p.name = "AB" + expected;
    w.session.showPlayer(6);
    EXPECT_EQ(w.session.state().name, "AB" + expected.substr(0, 13));
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
    EXPECT_EQ(w.changes, 1);
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

    w.session.commitText(CPlayerField::Name, "Typed");
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
        CPlayerEditSession session(runner, prompts,
                                   CPresetDice([] { return int64_t(5000); }, &CPresetDice::standardDraw));
        session.selectPlayer(11);
        session.applyPreset(1);
        return session.state().skills;
    };
    EXPECT_EQ(run(), run());
}

TEST(EditingPlayerSession, NumberChoiceWarnsOfAUsedNumberAndKeepsIt)
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
    w.session.commitValue(CPlayerField::Number, 8);  // no team listed: no check
    EXPECT_TRUE(w.prompts.asked.empty());
    w.session.commitValue(CPlayerField::Number, 0);
    w.session.setListedTeam(40);
    EXPECT_EQ(w.session.commitValue(CPlayerField::Number, 8), CCommitResult::Changed);
    ASSERT_EQ(w.prompts.asked.size(), 1u);
    EXPECT_EQ(w.prompts.asked[0].text, "Number 9 has already been used.");
    EXPECT_EQ(p.jerseyNumber, 9);
    w.session.commitValue(CPlayerField::Number, 9);
    EXPECT_EQ(w.prompts.asked.size(), 1u);
    EXPECT_EQ(p.jerseyNumber, 10);
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
    EXPECT_EQ(w.session.nameToolTip(CTextEncoding::Windows1252), "Originally: Base + from Club");
}

// National sides name the countries; clubs, nameless sides and later sides of a code
// already named do not.
TEST(EditingPlayerSession, NationalityListNamesEachCountryByItsFirstNationalSide)
{
    CDatabase db;
    struct CSide
    {
        uint32_t id;
        uint16_t country;
        uint32_t bankroll;
        const char* name;
    };
    const CSide sides[] = {
        {9, 21, 0, "Germany"},    {3, 14, 0, "England"}, {5, 14, 0, "England B"}, {7, 21, 5000, "Bayern Club"},
        {2, 45, 40000, "Madrid"}, {4, 60, 0, ""},        {8, 3, 0, "\xC9" "cosse"},
    };
    for (const CSide& s : sides)
    {
        auto t = std::make_unique<CTeam>();
        t->id = s.id;
        t->countryId = s.country;
        t->bankroll = s.bankroll;
        t->longName = s.name;
        build(db).addTeam(std::move(t));
    }
    const std::vector<CNationality> list = nationalityList(db);
    std::vector<std::pair<uint16_t, std::string>> got;
    for (const CNationality& n : list) got.emplace_back(n.code, n.name);
    EXPECT_EQ(got, (std::vector<std::pair<uint16_t, std::string>>{
                       {3, "\xC9" "cosse"}, {14, "England"}, {21, "Germany"}}));
    EXPECT_TRUE(nationalityList(CDatabase()).empty());
}
