#include "TestGate.h"
#include "database/Database.h"
#include "database/GameFiles.h"
#include "editing/LeagueTreeOrder.h"
#include "exchange/StatsReport.h"
#include "exchange/StatsTexts.h"
#include "util/TextCodec.h"

#include "RunCommand.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace
{
// Three teams and five players:
//   Alpha FC (1, country 10) lists Adams, Berg and Carlsson; Carlsson is also pasted into
//   Beta, United (2, country 20). Dietrich moved from Beta, United to Gamma Town
//   Athletic Club (3, no bankroll), which also lists Eriksen.
class StatsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        addTeam(1, "Alpha FC", 10, 500, {1, 2, 0, 3}, {});
        addTeam(2, "Beta, United", 20, 500, {4}, {3});
        addTeam(3, "Gamma Town Athletic Club", 30, 0, {5}, {4});

        CPlayer& adams = addPlayer(1, "ADAMS", 1, 0, 1200, 10, 1);
        for (int i = 0; i < CPlayer::kSkillCount; ++i) adams.skill(i) = uint8_t(i);  // 1..13 as printed
        setLooks(adams, 0, 0, 6, 0);

        CPlayer& berg = addPlayer(2, "Bo \"Big\", Berg", 5, 4, 800, 99, 1);
        setSkills(berg, 15);
        setLooks(berg, 3, 10, 2, 3);
        berg.modified = 1;

        CPlayer& carlsson = addPlayer(3, "Carlsson", 9, 14, 4500, 20, 1);
        setSkills(carlsson, 7);
        setLooks(carlsson, 1, 5, 7, 1);
        carlsson.imported = 1;
        carlsson.destinationTeamId = 2;
        carlsson.copyMark = CPlayer::kCopyMark;

        CPlayer& dietrich = addPlayer(4, "Dietrich", 23, 8, 300, 20, 2);
        setLooks(dietrich, 2, 3, 0, 2);
        dietrich.destinationTeamId = 3;
        dietrich.copyMark = 0;

        CPlayer& eriksen = addPlayer(5, "Eriksen", 11, 16, 1000, 10, CPlayer::kNoTeam);
        setSkills(eriksen, 3);
        setLooks(eriksen, 0, 12, 6, 0);
    }

    void addTeam(uint32_t id, const std::string& name, uint16_t country, uint32_t bankroll,
                 std::vector<uint32_t> players, std::vector<uint32_t> incoming)
    {
        auto t = std::make_unique<CTeam>();
        t->id = id;
        t->longName = name;
        t->countryId = country;
        t->bankroll = bankroll;
        std::copy(players.begin(), players.end(), t->players.begin());
        std::copy(incoming.begin(), incoming.end(), t->incomingPlayers.begin());
        build(db).addTeam(std::move(t));
    }

    CPlayer& addPlayer(uint32_t id, const std::string& name, int jersey, int position, uint32_t value,
                       uint16_t country, uint32_t teamId)
    {
        auto p = std::make_unique<CPlayer>();
        p->id = id;
        p->name = name;
        p->jerseyNumber = uint8_t(jersey);
        p->position = uint8_t(position);
        p->value = value;
        p->countryId = country;
        p->teamId = teamId;
        return build(db).addPlayer(std::move(p));
    }

    static void setSkills(CPlayer& p, int v)
    {
        for (int i = 0; i < CPlayer::kSkillCount; ++i) p.skill(i) = uint8_t(v);
    }

    static void setLooks(CPlayer& p, int hairColour, int hairStyle, int facialHair, int skin)
    {
        p.hairColour = uint8_t(hairColour);
        p.hairStyle = uint8_t(hairStyle);
        p.facialHair = uint8_t(facialHair);
        p.skinColour = uint8_t(skin);
    }

    std::vector<CStatsRow> rows(const std::vector<uint32_t>& teams = {1, 2, 3}) const
    {
        return contributedRows(db, teams);
    }

    const CStatsRow& row(uint32_t playerId)
    {
        m_rows = rows();
        for (const CStatsRow& r : m_rows)
            if (r.playerId == playerId) return r;
        throw std::runtime_error("player not contributed");
    }

    static std::vector<uint32_t> ids(const std::vector<CStatsRow>& rows)
    {
        std::vector<uint32_t> out;
        for (const auto& r : rows) out.push_back(r.playerId);
        return out;
    }

    std::vector<uint32_t> passing(const CStatsFilters& f, CTextEncoding encoding = CTextEncoding::Windows1252) const
    {
        std::vector<uint32_t> out;
        for (const CStatsRow& r : rows())
            if (passesFilters(r, f, encoding)) out.push_back(r.playerId);
        return out;
    }

    CDatabase db;

private:
    std::vector<CStatsRow> m_rows;
};

using V = std::vector<uint32_t>;

TEST_F(StatsTest, ContributedPlayersFollowTheListAndAreTakenOnce)
{
    std::vector<uint32_t> visited;
    const auto r = contributedRows(db, {1, 2, 3}, [&](uint32_t id) { visited.push_back(id); });
    // Carlsson is listed by Alpha FC, taken first; Dietrich is skipped where he moved away
    // from and listed by his incoming team.
    EXPECT_EQ(ids(r), (V{1, 2, 3, 5, 4}));
    EXPECT_EQ(visited, (V{1, 2, 3}));
    std::vector<uint32_t> from;
    for (const auto& x : r) from.push_back(x.teamId);
    EXPECT_EQ(from, (V{1, 1, 1, 3, 3}));

    // The other way round the copy is taken from Beta, United's incoming players.
    const auto back = rows({2, 1});
    EXPECT_EQ(ids(back), (V{3, 1, 2}));
    EXPECT_EQ(back[0].teamId, 2u);

    // The moved player is listed by nobody else, and a run leaves nothing behind for the next.
    EXPECT_EQ(ids(rows({2})), (V{3}));
    EXPECT_EQ(ids(rows({1, 2, 3})), ids(r));
    EXPECT_TRUE(rows({}).empty());
    EXPECT_EQ(ids(rows({77, 3})), (V{5, 4}));
}

TEST_F(StatsTest, RowsCarryTheDerivedValuesAndTheTeamNameRule)
{
    const CStatsRow adams = row(1);
    EXPECT_EQ(adams.label, "ADAMS");
    EXPECT_EQ(adams.teamName, "Alpha FC");
    EXPECT_EQ(adams.rating, 6);          // (4*78 + 507) / 128
    EXPECT_EQ(adams.skillAverage, 63);   // (4*78 + 507) / 13
    EXPECT_EQ(adams.skills[9], 9);       // shot power before shot accuracy
    EXPECT_EQ(adams.skills[10], 10);
    EXPECT_TRUE(adams.international);    // the first team of his country lists him

    const CStatsRow carlsson = row(3);
    EXPECT_EQ(carlsson.label, "Carlsson *");
    EXPECT_EQ(carlsson.teamName, "Beta, United");  // his destination's name
    EXPECT_TRUE(carlsson.international);            // through its incoming players

    const CStatsRow dietrich = row(4);
    EXPECT_EQ(dietrich.teamName, "Gamma Town Athletic Club");
    EXPECT_FALSE(dietrich.international);  // listed by his country's team, but moved away
    EXPECT_EQ(row(5).teamName, "Gamma Town Athletic Club");  // no club: the side that lists him
    EXPECT_FALSE(row(5).international);    // another team comes first for his country
    EXPECT_FALSE(row(2).international);    // no team of his country at all
    EXPECT_EQ(row(2).label, "Bo \"Big\", Berg +");

    for (uint32_t id : {1u, 2u, 3u, 4u, 5u}) EXPECT_EQ(row(id).international, db.isInternational(id)) << id;
}

TEST_F(StatsTest, PlayerStatsPlainReport)
{
    const std::string expected =
        "No     Player Name Pos                  Team Rat ACL AGL AWR BCT CRE FIT HEA PAS RCT SPW SAC SPD TAC Value International\n"
        "\n"
        " 1           ADAMS  GK              Alpha FC   6   1   2   3   4   5   6   7   8   9  10  11  12  13  1200 Yes\n"
        " 5  Bo \"Big\", Berg  CB              Alpha FC  10  16  16  16  16  16  16  16  16  16  16  16  16  16   800 No\n"
        " 9        Carlsson  CF          Beta, United   6   8   8   8   8   8   8   8   8   8   8   8   8   8  4500 Yes\n"
        "11         Eriksen  LF  Gamma Town Athletic Club   5   4   4   4   4   4   4   4   4   4   4   4   4   4  1000 No\n"
        "23        Dietrich RCM  Gamma Town Athletic Club   3   1   1   1   1   1   1   1   1   1   1   1   1   1   300 No\n";
    EXPECT_EQ(writeReport(rows(), CStatsKind::PlayerStats, CReportFormat::Plain), expected);
}

TEST_F(StatsTest, PlayerStatsDelimitedReportQuotesFieldsThatWouldSplit)
{
    const std::string expected =
        "Player Jersey,Player Name,Position,Team,Rating,ACL,AGL,AWR,BCT,CRE,FIT,HEA,PAS,RCT,SPW,SAC,SPD,TAC,"
        "Player Value,International\n"
        "1,ADAMS,GK,Alpha FC,6,1,2,3,4,5,6,7,8,9,10,11,12,13,1200,Yes\n"
        "5,\"Bo \"\"Big\"\", Berg\",CB,Alpha FC,10,16,16,16,16,16,16,16,16,16,16,16,16,16,800,No\n"
        "9,Carlsson,CF,\"Beta, United\",6,8,8,8,8,8,8,8,8,8,8,8,8,8,4500,Yes\n"
        "11,Eriksen,LF,Gamma Town Athletic Club,5,4,4,4,4,4,4,4,4,4,4,4,4,4,1000,No\n"
        "23,Dietrich,RCM,Gamma Town Athletic Club,3,1,1,1,1,1,1,1,1,1,1,1,1,1,300,No\n";
    EXPECT_EQ(writeReport(rows(), CStatsKind::PlayerStats, CReportFormat::Delimited), expected);

    CStatsRow r = row(1);
    r.name = "Line\r\nBreak";
    EXPECT_EQ(reportLine(r, CStatsKind::Characteristics, CReportFormat::Delimited),
              "1,\"Line\r\nBreak\",GK,Blond,Afro,No,White,63\n");
}

TEST_F(StatsTest, CharacteristicsReports)
{
    const std::string plain =
        "No     Player Name Pos     Hair Colour      Hair Style     Facial Hair     Skin Colour Skill Ave.\n"
        "\n"
        " 1           ADAMS  GK           Blond            Afro              No           White  63\n"
        " 5  Bo \"Big\", Berg  CB           Black            Bald             Yes           Black  99\n"
        " 9        Carlsson  CF           Brown            Long                          Tanned  67\n"
        "11         Eriksen  LF           Blond                              No           White  51\n"
        "23        Dietrich RCM             Red           Short             Yes           Brown  39\n";
    EXPECT_EQ(writeReport(rows(), CStatsKind::Characteristics, CReportFormat::Plain), plain);

    const std::string delimited =
        "No,Player Name,Pos,Hair Colour,Hair Style,Facial Hair,Skin Colour,Skill Ave.\n"
        "1,ADAMS,GK,Blond,Afro,No,White,63\n"
        "5,\"Bo \"\"Big\"\", Berg\",CB,Black,Bald,Yes,Black,99\n"
        "9,Carlsson,CF,Brown,Long,,Tanned,67\n"
        "11,Eriksen,LF,Blond,,No,White,51\n"
        "23,Dietrich,RCM,Red,Short,Yes,Brown,39\n";
    EXPECT_EQ(writeReport(rows(), CStatsKind::Characteristics, CReportFormat::Delimited), delimited);
}

TEST(StatsValueTexts, CodesOutsideTheTablesGiveNoText)
{
    for (int s : {1, 2, 3, 4, 6, 7, 8, 9}) EXPECT_STREQ(hairStyleText(s), "Short") << s;
    EXPECT_STREQ(hairStyleText(11), "");
    EXPECT_STREQ(hairStyleText(15), "");
    for (int f = 0; f <= 5; ++f) EXPECT_STREQ(facialHairText(f), "Yes");
    EXPECT_STREQ(facialHairText(6), "No");
    EXPECT_STREQ(facialHairText(7), "");
    EXPECT_STREQ(hairColourText(4), "");
    EXPECT_STREQ(skinColourText(-1), "");
    EXPECT_STREQ(reportPositionText(16), "LF");
    EXPECT_STREQ(reportPositionText(17), "");
    EXPECT_STREQ(gridPositionText(1), "B-SW");
    EXPECT_STREQ(gridPositionText(7), "M_RM");
    EXPECT_STREQ(gridPositionText(15), "F_LCF");
    EXPECT_STREQ(gridPositionText(31), "");
}

TEST_F(StatsTest, FilterNumberZeroIsOffWhateverTheOperator)
{
    for (int op = -1; op <= 2; ++op)
    {
        CStatsFilters f;
        f.value = {op, 0};
        f.rating = {op, 0};
        for (auto& s : f.skills) s = {op, 0};
        EXPECT_EQ(passing(f), (V{1, 2, 3, 5, 4})) << op;
        EXPECT_EQ(filterSummary(f), "") << op;
    }
    CStatsFilters noOperator;
    noOperator.value = {-1, 1200};
    EXPECT_EQ(passing(noOperator), (V{1, 2, 3, 5, 4}));
}

TEST_F(StatsTest, FilterOperatorsOnValueSkillsAndRating)
{
    CStatsFilters f;
    f.value = {0, 1200};
    EXPECT_EQ(passing(f), (V{1}));
    f.value = {1, 1000};
    EXPECT_EQ(passing(f), (V{1, 3}));
    f.value = {2, 1000};
    EXPECT_EQ(passing(f), (V{2, 4}));

    // Skills are compared as shown, one above what is stored.
    CStatsFilters skill;
    skill.skills[CStatsFilters::Acceleration] = {0, 1};
    EXPECT_EQ(passing(skill), (V{1, 4}));
    skill.skills[CStatsFilters::Acceleration] = {1, 8};
    EXPECT_EQ(passing(skill), (V{2}));
    skill.skills[CStatsFilters::Acceleration] = {2, 4};
    EXPECT_EQ(passing(skill), (V{1, 4}));

    // Adams' skills differ column by column: shot accuracy is stored 10, shot power 9.
    CStatsFilters shot;
    shot.skills[CStatsFilters::ShotAcc] = {0, 11};
    shot.skills[CStatsFilters::ShotPower] = {0, 10};
    shot.skills[CStatsFilters::Tackle] = {0, 13};
    EXPECT_EQ(passing(shot), (V{1}));
    shot.skills[CStatsFilters::ShotAcc] = {0, 10};
    EXPECT_EQ(passing(shot), V{});

    CStatsFilters rating;
    rating.rating = {0, 6};
    EXPECT_EQ(passing(rating), (V{1, 3}));
    rating.rating = {1, 5};
    EXPECT_EQ(passing(rating), (V{1, 2, 3}));
    rating.rating = {2, 5};
    EXPECT_EQ(passing(rating), (V{4}));
}

TEST_F(StatsTest, NameFilterIgnoresCaseAndMatchesTheLabel)
{
    CStatsFilters f;
    f.name = "carl";
    EXPECT_EQ(passing(f), (V{3}));
    f.name = "Adams";
    EXPECT_EQ(passing(f), (V{1}));
    f.name = "*";  // the imported mark is part of the label
    EXPECT_EQ(passing(f), (V{3}));
    f.name = "berg +";
    EXPECT_EQ(passing(f), (V{2}));
    f.name = "e";
    EXPECT_EQ(passing(f), (V{2, 5, 4}));
    f.name = "zz";
    EXPECT_EQ(passing(f), V{});
}

// Accented letters match across case as Find matches them, in the names' own bytes; in
// Shift-JIS those bytes are halves of double-byte characters and stay as they are.
TEST_F(StatsTest, NameFilterFoldsAccentedLettersInTheNamesEncoding)
{
    build(db).player(4)->name = "\xC9mile \xD8" "deg\xE5rd";  // Émile Ødegård in Windows-1252
    build(db).player(5)->name = "\x83\x41\x83\x43";          // two katakana in Shift-JIS
    struct CCase
    {
        const char* text;
        CTextEncoding encoding;
        V passing;
    };
    const CCase cases[] = {
        {"\xE9mile", CTextEncoding::Windows1252, {4}},           // émile
        {"\xC9MILE \xF8" "DEG\xC5RD", CTextEncoding::Windows1252, {4}},  // ÉMILE øDEGÅRD
        {"\xF8", CTextEncoding::Windows1252, {4}},
        {"\xE9mile", CTextEncoding::ShiftJis, V{}},  // no case outside ASCII
        {"\x83\x41", CTextEncoding::ShiftJis, {5}},
        {"\x83\x61", CTextEncoding::ShiftJis, V{}},  // a trail byte is not a letter to fold
    };
    for (const CCase& c : cases)
    {
        CStatsFilters f;
        f.name = c.text;
        EXPECT_EQ(passing(f, c.encoding), c.passing) << c.text;
    }
}

TEST_F(StatsTest, InternationalFilter)
{
    CStatsFilters f;
    f.international = 1;
    EXPECT_EQ(passing(f), (V{1, 3}));
    f.international = 0;
    EXPECT_EQ(passing(f), (V{2, 5, 4}));
}

TEST(StatsPositionFilter, ChoicesMapOntoPositionCodes)
{
    const auto& choices = positionFilterChoices();
    ASSERT_EQ(choices.size(), 14u);
    const std::vector<std::pair<std::string, std::vector<int>>> expected = {
        {"GK", {0}},          {"SW", {1}},          {"LB", {6}},        {"CB", {4}},
        {"RB", {2}},          {"LM", {11}},         {"CM", {9}},        {"RM", {7}},
        {"LF", {16}},         {"CF", {14}},         {"RF", {12}},       {"Defender", {1, 2, 3, 4, 5, 6}},
        {"Midfielder", {7, 8, 9, 10, 11}}, {"Forward", {12, 13, 14, 15, 16}},
    };
    for (std::size_t c = 0; c < expected.size(); ++c)
    {
        EXPECT_EQ(choices[c], expected[c].first);
        std::vector<int> accepted;
        for (int code = 0; code < 32; ++code)
            if (positionMatches(int(c), code)) accepted.push_back(code);
        EXPECT_EQ(accepted, expected[c].second) << choices[c];
    }
    for (int code = 0; code < 32; ++code) EXPECT_TRUE(positionMatches(-1, code));
}

TEST_F(StatsTest, PositionFilterAndItsSummary)
{
    CStatsFilters f;
    f.position = 11;  // Defender
    EXPECT_EQ(passing(f), (V{2}));
    EXPECT_EQ(filterSummary(f), "Defender . ");
    f.position = 12;  // Midfielder
    EXPECT_EQ(passing(f), (V{4}));
    f.position = 9;  // CF
    EXPECT_EQ(passing(f), (V{3}));
    EXPECT_EQ(filterSummary(f), "CF . ");
}

TEST(StatsFilterSummary, EveryFilterInItsOrder)
{
    CStatsFilters f;
    f.name = "ab";
    f.position = 3;
    f.international = 0;
    f.value = {1, 500};
    for (int i = 0; i < CStatsFilters::SkillFilterCount; ++i) f.skills[std::size_t(i)] = {i % 3, i + 1};
    f.rating = {2, 7};
    EXPECT_EQ(filterSummary(f), "Name:ab . CB . Int:No . Value>500 . Acl=1 . Agl>2 . Awr<3 . Bct=4 . Cre>5 . "
                                "Fit<6 . Hea=7 . Pas>8 . Rct<9 . Sac=10 . Spw>11 . Spd<12 . Tac=13 . Rat<7 . ");

    f.international = 1;
    EXPECT_EQ(filterSummary(f).find("Int:Yes . "), 15u);

    f.reset();
    EXPECT_EQ(f.name, "ab");
    EXPECT_EQ(filterSummary(f), "Name:ab . ");
    EXPECT_EQ(f.position, -1);
    EXPECT_EQ(f.international, -1);
    EXPECT_FALSE(f.value.active());
    EXPECT_EQ(f.skills[4].op, -1);
    EXPECT_EQ(f.skills[4].number, 0);
    EXPECT_EQ(f.rating.number, 0);
}

TEST_F(StatsTest, GridTitlesAndCells)
{
    EXPECT_EQ(gridColumnTitles(CStatsKind::PlayerStats).size(), 21u);
    EXPECT_EQ(gridColumnTitles(CStatsKind::Characteristics).size(), 8u);
    EXPECT_EQ(gridColumnTitles(CStatsKind::PlayerStats).size(), 21u);
    EXPECT_EQ(gridColumnTitles(CStatsKind::PlayerStats),
              (std::vector<std::string>{"Name", "No.", "Pos", "",    "Team", "Rating", "Acl", "Agl", "Awr", "Bct",
                                        "Cre",  "Fit", "Hea", "Pas", "Rct",  "Spw",    "Sac", "Spd", "Tac", "Value",
                                        "International"}));
    EXPECT_EQ(gridColumnTitles(CStatsKind::Characteristics),
              (std::vector<std::string>{"Name", "No.", "Pos", "Hair Colour", "Hair Type", "Facial Hair",
                                        "Skin Colour", "Skill Ave"}));

    EXPECT_EQ(gridCells(row(1), CStatsKind::PlayerStats),
              (std::vector<std::string>{"ADAMS", "1",  "GK", "",   "Alpha FC", "6",  "1",  "2",    "3",  "4",  "5",
                                        "6",     "7",  "8",  "9",  "10",       "11", "12", "13", "1200", "Yes"}));
    EXPECT_EQ(gridCells(row(2), CStatsKind::Characteristics),
              (std::vector<std::string>{"Bo \"Big\", Berg", "5", "B-CB", "Black", "Bald", "Yes", "Black", "99"}));

    CStatsFilters f;
    f.international = 1;
    const auto grid = gridRows(rows(), CStatsKind::Characteristics, f, CTextEncoding::Windows1252);
    ASSERT_EQ(grid.size(), 2u);
    EXPECT_EQ(grid[0][0], "ADAMS");
    EXPECT_EQ(grid[1][0], "Carlsson");  // the marks are the tree's, not the name's
    EXPECT_EQ(grid[1][2], "F_CF");
    EXPECT_EQ(gridRows(rows(), CStatsKind::PlayerStats, {}, CTextEncoding::Windows1252).size(), 5u);
}

TEST_F(StatsTest, ReportFileAndStatusTexts)
{
    TempFolder folder;
    const std::string text = writeReport(rows({3}), CStatsKind::Characteristics, CReportFormat::Delimited);
    ASSERT_TRUE(writeReportFile(folder.path() / "REPORT.TXT", text));
    const auto bytes = folder.read("REPORT.TXT");
    const std::string back(bytes.begin(), bytes.end());
#ifdef _WIN32
    EXPECT_NE(back.find("\r\n"), std::string::npos);
#else
    EXPECT_EQ(back, text);
#endif
    // Written again over a longer file, it is truncated.
    ASSERT_TRUE(writeReportFile(folder.path() / "REPORT.TXT", "x\n"));
#ifdef _WIN32
    EXPECT_EQ(folder.read("REPORT.TXT").size(), 3u);  // "x\r\n": a text file with Windows line ends
#else
    EXPECT_EQ(folder.read("REPORT.TXT").size(), 2u);
#endif
    EXPECT_FALSE(writeReportFile(folder.path() / "missing" / "REPORT.TXT", text));

    EXPECT_EQ(statusText(statstexts::kWritingStatus, db.teamLabel(1)), "Writing data for players of : Alpha FC...");
    EXPECT_EQ(statusText(statstexts::kProcessingStatus, "X"), "Processing data for player of : X...");
}

#ifdef OBRIX_CLI_PATH
std::string readText(const std::filesystem::path& p)
{
#ifdef _WIN32
    // A report is a text file with Windows line ends there; read back as text.
    std::ifstream in(p);
#else
    std::ifstream in(p, std::ios::binary);
#endif
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(StatsCommandLine, ReportOfTheSampleMatchesThePageRules)
{
    TempFolder folder;
    const std::string cli = OBRIX_CLI_PATH;
    const auto game = folder.path() / "game";
    const std::string quoted = "'" + game.string() + "'";
    int status = 0;
    runCommand(cli + " sample " + quoted, status);
    ASSERT_EQ(status, 0);

    CDatabase db;
    ASSERT_FALSE(CGameFiles(game).loadAll(db));
    ASSERT_GE(db.leagues().size(), 2u);
    std::vector<uint32_t> teams;
    for (std::size_t position : {1u, 0u})
        for (const CTreeNode& t : leagueNode(db, position, false, CTextEncoding::Windows1252).children)
            teams.push_back(t.value);
    const auto rows = contributedRows(db, teams);
    ASSERT_FALSE(rows.empty());
    int international = 0;
    for (const CStatsRow& r : rows)
    {
        ASSERT_EQ(r.international, db.isInternational(r.playerId)) << r.playerId;
        international += r.international;
    }
    EXPECT_GT(international, 0);

    const auto out = folder.path() / "out.txt";
    const std::string quotedOut = "'" + out.string() + "'";
    const std::string said =
        runCommand(cli + " report " + quoted + " --leagues 1,0 --kind stats --format plain " + quotedOut, status);
    ASSERT_EQ(status, 0) << said;
    EXPECT_EQ(readText(out), writeReport(rows, CStatsKind::PlayerStats, CReportFormat::Plain));

    std::string idList;
    for (uint32_t id : teams) idList += (idList.empty() ? "" : ",") + std::to_string(id);
    runCommand(cli + " report " + quoted + " --kind characteristics --format delimited --teams " + idList + " " + quotedOut,
        status);
    ASSERT_EQ(status, 0);
    EXPECT_EQ(readText(out), writeReport(rows, CStatsKind::Characteristics, CReportFormat::Delimited));

    runCommand(cli + " report " + quoted + " --teams 1 --kind stats " + quotedOut, status);
    EXPECT_EQ(status, 2);  // no format
    runCommand(cli + " report " + quoted + " --teams 1 --leagues 0 --kind stats --format plain " + quotedOut, status);
    EXPECT_EQ(status, 2);
    runCommand(cli + " report " + quoted + " --teams 1,x --kind stats --format plain " + quotedOut, status);
    EXPECT_EQ(status, 2);
    runCommand(cli + " report " + quoted + " --leagues 9999 --kind stats --format plain " + quotedOut, status);
    EXPECT_EQ(status, 1);
    runCommand(cli + " report '" + (folder.path() / "none").string() + "' --teams 1 --kind stats --format plain " +
            quotedOut,
        status);
    EXPECT_EQ(status, 1);
}
#endif
}  // namespace
