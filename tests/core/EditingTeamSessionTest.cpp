#include "TestGate.h"
#include "FakePrompts.h"
#include "HandBytes.h"
#include "TempFolder.h"
#include "database/Database.h"
#include "editing/PageTexts.h"
#include "editing/TeamEditSession.h"
#include "kits/KitPalette.h"

#include <gtest/gtest.h>

using namespace teampage;

namespace
{
// A jersey texture with no pictures, only the trailer: the preset flag, seven colours
// and the description.
Bytes textureWithTrailer(uint8_t flag, std::initializer_list<uint8_t> colours, const std::string& description)
{
    Bytes b;
    addText(b, "SHPI", 4);
    add32(b, 128);
    b.resize(128, 0);
    b.push_back(flag);
    b.insert(b.end(), colours.begin(), colours.end());
    b.resize(128 + 24, 0);
    addText(b, description, 256);
    return b;
}

struct TeamWorld
{
    CDatabase db;
    FakePrompts prompts;
    TempFolder game;
    std::vector<uint32_t> relabelled;  // the teams of each change, as the tree relabels them
    CDirectRunner runner = [this] {
        CDirectRunner r(db);
        r.onChange = [this](const CChange& change) {
            for (uint32_t id : change.teams()) relabelled.push_back(id);
        };
        return r;
    }();
    CTeamEditSession session{runner, prompts, CKitFiles{game.path(), nullptr}};

    CTeam& team(uint32_t id, const std::string& name = "Rovers")
    {
        auto t = std::make_unique<CTeam>();
        t->id = id;
        t->longName = name;
        t->abbreviation = "ROV";
        t->shortName = "Rovers";
        t->bankroll = 5000;
        t->homeJerseyColour1 = 2;
        t->homeShortsColour1 = 19;
        t->awaySocksColour2 = 13;
        return build(db).addTeam(std::move(t));
    }
    void texture(int model, const Bytes& bytes)
    {
        char name[40];
        std::snprintf(name, sizeof name, "Data/Player/Textures/Pk%03d.fsh", model + 1);
        game.write(name, bytes);
    }
    std::vector<std::string> messages() const
    {
        std::vector<std::string> out;
        for (const auto& a : prompts.asked) out.push_back(a.text);
        return out;
    }
};
}  // namespace

TEST(EditingTeamSession, LoadsNamesKitAndTheJerseyModelsTrailer)
{
    TeamWorld w;
    w.texture(3, textureWithTrailer(1, {1, 2, 3, 4, 5, 6, 7}, "Red sash"));
    auto& t = w.team(2);
    t.homeJerseyStyle = 3;
    t.awayJerseyStyle = 9;  // no file: no description, no presets
    t.homeSocksStyle = 2;
    w.session.showTeam(2);
    const auto& s = w.session.state();
    EXPECT_TRUE(s.enabled && s.shortNamesEnabled);
    EXPECT_EQ(s.longName, "Rovers");
    EXPECT_EQ(s.abbreviation, "ROV");
    EXPECT_EQ(s.bankrollText, "5000");
    EXPECT_EQ(s.descriptions[kHome], "Red sash");
    EXPECT_EQ(s.descriptions[kAway], "");
    EXPECT_TRUE(s.presetColoursEnabled[kHome]);
    EXPECT_FALSE(s.presetColoursEnabled[kAway]);
    EXPECT_EQ(s.models[HomeJersey], 3);
    EXPECT_EQ(s.models[HomeSocks], 2);
    EXPECT_EQ(s.colours[0], 2);
    EXPECT_EQ(s.buttonColours[3], kitColourButtonRgb(19));
    // Jerseys are drawn in the whole kit, shorts and socks in their own two colours.
    EXPECT_EQ(s.listSlots[HomeJersey], (std::array<int, 7>{2, 0, 0, 19, 0, 0, 0}));
    EXPECT_EQ(s.listSlots[HomeShorts], (std::array<int, 7>{-1, -1, -1, 19, 0, -1, -1}));
    EXPECT_EQ(s.listSlots[AwaySocks], (std::array<int, 7>{-1, -1, -1, -1, -1, 0, 13}));
}

// A bankroll is taken only whole and within 0..100000; a refused one leaves the record
// alone, the message names the range, and the box shows the stored amount again.
TEST(EditingTeamSession, BankrollIsCheckedAtCommitAndARefusedOneIsNotWritten)
{
    struct Case
    {
        const char* typed;
        CCommitResult result;
        uint32_t bankroll;
        const char* message;
    };
    const Case cases[] = {
        {"100001", CCommitResult::Refused, 5000, "Bankroll must be between 0 and 100000"},
        {"-1", CCommitResult::Refused, 5000, "Bankroll must be between 0 and 100000"},
        {"12a", CCommitResult::Refused, 5000, "Bankroll must be a whole number between 0 and 100000"},
        {"", CCommitResult::Refused, 5000, "Bankroll must be a whole number between 0 and 100000"},
        {"99999999999999999999999", CCommitResult::Refused, 5000, "Bankroll must be between 0 and 100000"},
        {" 7000 ", CCommitResult::Changed, 7000, nullptr},
        {"100000", CCommitResult::Changed, 100000, nullptr},
        {"5000", CCommitResult::Unchanged, 5000, nullptr},
    };
    for (const Case& c : cases)
    {
        TeamWorld w;
        auto& t = w.team(2);
        w.session.showTeam(2);
        EXPECT_EQ(w.session.commitBankroll(c.typed), c.result) << c.typed;
        EXPECT_EQ(t.bankroll, c.bankroll) << c.typed;
        const bool changed = c.result == CCommitResult::Changed;
        EXPECT_EQ(t.modified, changed ? 1u : 0u) << c.typed;
        EXPECT_EQ(w.db.modified(), changed) << c.typed;
        EXPECT_EQ(w.relabelled.size(), changed ? 1u : 0u) << c.typed;
        EXPECT_EQ(w.messages(), c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{})
            << c.typed;
        if (c.result == CCommitResult::Refused)
        {
            EXPECT_EQ(w.session.state().bankrollText, "5000") << c.typed;
        }
    }
}

TEST(EditingTeamSession, NamesTakeWhatTheFilesHoldOrAreRefusedWhole)
{
    TeamWorld w;
    auto& t = w.team(2, "First");
    w.session.showTeam(2);
    // Past the limit a name is refused whole with the limit named, never cut.
    EXPECT_EQ(w.session.commitName(CNameBox::LongName, "A name longer than nineteen"), CCommitResult::Refused);
    EXPECT_EQ(w.messages().back(), textTooLongMessage(19));
    EXPECT_EQ(w.session.commitName(CNameBox::LongName, "A name longer than "), CCommitResult::Changed);
    EXPECT_EQ(t.longName, "A name longer than ");
    // The files hold 6 and 11 bytes: the short names take them whole.
    EXPECT_EQ(w.session.commitName(CNameBox::Abbreviation, "ABCDEFG"), CCommitResult::Refused);
    EXPECT_EQ(w.messages().back(), textTooLongMessage(6));
    EXPECT_EQ(w.session.commitName(CNameBox::Abbreviation, "ABCDEF"), CCommitResult::Changed);
    EXPECT_EQ(t.abbreviation, "ABCDEF");
    EXPECT_EQ(w.session.commitName(CNameBox::ShortName, "Falkenbr\xC3\xBC" "ck"), CCommitResult::Changed);
    EXPECT_EQ(t.shortName, "Falkenbr\xFC" "ck");
    // The team compare leaves the short name out; the commit still marks it.
    t.modified = 0;
    EXPECT_EQ(w.session.commitName(CNameBox::ShortName, "Short"), CCommitResult::Changed);
    EXPECT_EQ(t.shortName, "Short");
    EXPECT_EQ(t.modified, 1u);
    EXPECT_EQ(w.relabelled, (std::vector<uint32_t>{2, 2, 2, 2}));

    EXPECT_EQ(w.session.commitName(CNameBox::LongName, "Gda\xC5\x84sk"), CCommitResult::Refused);
    EXPECT_EQ(t.longName, "A name longer than ");
    EXPECT_EQ(w.session.state().longName, "A name longer than ");
    EXPECT_EQ(w.messages().back(),
              "The game's files cannot hold these characters: \xC5\x84\nThe name is kept as it was.");
    // An emptied team name is refused as well; the abbreviation and short name may be empty.
    EXPECT_EQ(w.session.commitName(CNameBox::LongName, "  "), CCommitResult::Refused);
    EXPECT_EQ(t.longName, "A name longer than ");
    EXPECT_EQ(w.messages().back(), pagetexts::kTeamNameEmpty);

    // Shift-JIS: a kanji is two bytes; the abbreviation holds three of them.
    build(w.db).setLanguageCode("JAP");
    std::string kanji;
    for (int i = 0; i < 3; ++i) kanji += "\xE6\x97\xA5";
    EXPECT_EQ(w.session.commitName(CNameBox::Abbreviation, kanji + "A"), CCommitResult::Refused);
    EXPECT_EQ(w.session.commitName(CNameBox::Abbreviation, kanji), CCommitResult::Changed);
    EXPECT_EQ(t.abbreviation, "\x93\xFA\x93\xFA\x93\xFA");
    // A stored name longer than the page takes is shown whole and taken back whole.
    t.longName = "A stored name of twenty-six";
    w.session.showTeam(2);
    EXPECT_EQ(w.session.nameLimit(CNameBox::LongName), t.longName.size());
    EXPECT_EQ(w.session.state().longName, t.longName);
    EXPECT_EQ(w.session.commitName(CNameBox::LongName, t.longName), CCommitResult::Unchanged);
}

TEST(EditingTeamSession, ShowingATeamTakesItsBackupAndWritesNothing)
{
    TeamWorld w;
    auto& first = w.team(2, "First");
    w.team(3, "Second");
    w.session.showTeam(2);
    w.session.state().longName = "Typed";
    w.session.showTeam(3);
    EXPECT_EQ(first.longName, "First");
    EXPECT_EQ(first.modified, 0u);
    EXPECT_EQ(w.session.shownTeam(), 3u);
    EXPECT_EQ(w.session.backup().longName, "Second");

    w.session.showTeam(99);  // no record: nothing happens
    EXPECT_EQ(w.session.shownTeam(), 3u);
}

TEST(EditingTeamSession, KitColourMarksTheTeamAtOnce)
{
    TeamWorld w;
    auto& first = w.team(2);
    w.session.showTeam(2);
    w.session.chooseColour(8, 16);
    EXPECT_EQ(first.awayJerseyColour2, 16);
    EXPECT_EQ(first.modified, 1u);
    EXPECT_TRUE(w.db.modified());
    EXPECT_EQ(w.relabelled, (std::vector<uint32_t>{2}));
}

TEST(EditingTeamSession, NotUsedStoresBlackAndFreeColoursAreIgnored)
{
    TeamWorld w;
    auto& t = w.team(2);
    w.session.showTeam(2);
    w.session.chooseColour(0, kitpalette::kNotUsedEntry);
    EXPECT_EQ(t.homeJerseyColour1, 22);
    EXPECT_EQ(w.session.state().colours[0], 22);
    EXPECT_EQ(w.session.state().buttonColours[0], (CRgb{40, 40, 40}));
    EXPECT_EQ(w.session.state().listSlots[HomeJersey][0], 22);
    w.session.chooseColour(0, 24);
    EXPECT_EQ(t.homeJerseyColour1, 22);
}

TEST(EditingTeamSession, PresetColoursFillTheKitAndKeepTheBackup)
{
    TeamWorld w;
    w.texture(0, textureWithTrailer(1, {9, 10, 11, 12, 40, 14, 15}, "Hoops"));
    auto& t = w.team(2);
    t.homeShortsColour2 = 3;
    w.session.showTeam(2);
    w.session.usePresetColours(kHome);
    EXPECT_EQ(t.homeJerseyColour1, 9);
    EXPECT_EQ(t.homeShortsColour1, 12);
    EXPECT_EQ(t.homeShortsColour2, 3);  // 40 is no kit colour
    EXPECT_EQ(t.homeSocksColour2, 15);
    EXPECT_EQ(w.session.state().colours[6], 15);
    EXPECT_EQ(w.session.backup().homeJerseyColour1, 2);
    EXPECT_EQ(t.modified, 1u);

    // A model whose flag is not 1 offers nothing.
    TeamWorld v;
    v.texture(0, textureWithTrailer(2, {9, 10, 11, 12, 13, 14, 15}, "Plain"));
    auto& u = v.team(2);
    v.session.showTeam(2);
    EXPECT_FALSE(v.session.state().presetColoursEnabled[kHome]);
    v.session.usePresetColours(kHome);
    EXPECT_EQ(u.homeJerseyColour1, 2);
}

TEST(EditingTeamSession, ModelStepsWriteAtOnceAndReadTheNewJersey)
{
    TeamWorld w;
    w.texture(1, textureWithTrailer(1, {1, 1, 1, 1, 1, 1, 1}, "Second model"));
    auto& t = w.team(2);
    w.session.showTeam(2);
    w.session.stepModel(HomeJersey, -1);
    EXPECT_EQ(t.homeJerseyStyle, 0);  // clamped at the first model
    w.session.stepModel(HomeJersey, +1);
    EXPECT_EQ(t.homeJerseyStyle, 1);
    EXPECT_EQ(w.session.state().descriptions[kHome], "Second model");
    EXPECT_TRUE(w.session.state().presetColoursEnabled[kHome]);
    for (int i = 0; i < 6; ++i) w.session.stepModel(AwaySocks, +1);
    EXPECT_EQ(t.awaySocksStyle, 3);
    EXPECT_EQ(w.relabelled.size(), 4u);  // the steps that moved the model

    w.session.chooseModel(HomeShorts, 4);
    EXPECT_EQ(t.homeShortsStyle, 4);
    EXPECT_EQ(t.modified, 1u);
}

TEST(EditingTeamSession, ImportedTeamsHaveNoAbbreviationOrShortName)
{
    TeamWorld w;
    auto& t = w.team(65537);
    w.session.showTeam(65537);
    EXPECT_FALSE(w.session.state().shortNamesEnabled);
    EXPECT_EQ(w.session.state().abbreviation, "");
    EXPECT_EQ(w.session.state().shortName, "");
    EXPECT_EQ(w.session.commitName(CNameBox::Abbreviation, "NEW"), CCommitResult::Unchanged);
    EXPECT_EQ(t.abbreviation, "ROV");

    w.team(65536);
    w.session.showTeam(65536);
    EXPECT_TRUE(w.session.state().shortNamesEnabled);
}

TEST(EditingTeamSession, WeftorOpensTheKitsTextureByNumber)
{
    CDatabase db;
    FakePrompts prompts;
    CDirectRunner runner(db);
    CTeamEditSession session(runner, prompts, CKitFiles{"C:\\Games\\Golvar", nullptr});
    auto t = std::make_unique<CTeam>();
    t->id = 4;
    t->awayJerseyStyle = 41;
    build(db).addTeam(std::move(t));
    EXPECT_FALSE(session.weftorLaunch(kHome));
    session.showTeam(4);
    const auto home = session.weftorLaunch(kHome);
    ASSERT_TRUE(home);
    EXPECT_EQ(home->commandLine, "Weftor \"C:\\Games\\Golvar\\Data\\Player\\Textures\\Pk001.fsh\" /j1");
    EXPECT_EQ(home->textureNumber, 1);
    EXPECT_EQ(session.weftorLaunch(kAway)->commandLine,
              "Weftor \"C:\\Games\\Golvar\\Data\\Player\\Textures\\Pk042.fsh\" /j42");
    session.weftorFailed();
    ASSERT_EQ(prompts.asked.size(), 1u);
    EXPECT_EQ(prompts.asked[0].text,
              "The jersey editor Weftor was found but could not be started.");
}
