// GLV files built by hand, byte by byte: the parsed result, the writer against the same
// bytes, and every way a short or hostile file must be refused.

#include "exchange/GlvFile.h"

#include "exchange/ExchangeTexts.h"

#include "HandBytes.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

using namespace glv;

namespace
{
void addString(Bytes& b, const std::string& s)
{
    b.push_back(uint8_t(s.size()));
    b.insert(b.end(), s.begin(), s.end());
}

// The fifth word as GLV files hold it: tackle 9, jersey 200, position 16 (LF), letter code
// 0xC3, extra nibble 0xA. Read with the game's layout it would give altPosition 3.
constexpr uint32_t kGlvWord4 = 0xAC310C89;

Bytes firstPlayerRecord()
{
    return playerRecord({1u | 0x155u << 14 | 0xA0u << 24,        // id, countryId, topByte
                         1234u | 2u << 16 | 1u << 18 | 7u << 20,  // value, skin, hair colour, style
                         0x87654321u, 0x0FEDCBA9u, kGlvWord4});
}

// "Premier": Abbey Rovers with two players (the second with a name longer than the
// editor shows), then Brookside with none.
Bytes handFile()
{
    Bytes b = {'G', 'L', 'V'};
    addString(b, "Premier");
    add32(b, 2);

    addString(b, "Abbey Rovers");
    Bytes team1 = simpleTeam(10, 500, {1, 2});
    put16(team1, 26, 0xFFF0);  // teamExtra15, signed
    b.insert(b.end(), team1.begin(), team1.end());
    b.push_back(2);
    addString(b, "Ann Able");
    const Bytes p1 = firstPlayerRecord();
    b.insert(b.end(), p1.begin(), p1.end());
    addString(b, "B. Tussenveld-Aramburu");
    const Bytes p2 = playerRecord({2, 100, 0, 0, 5u << 4 | 3u << 12});
    b.insert(b.end(), p2.begin(), p2.end());

    addString(b, "Brookside");
    const Bytes team2 = simpleTeam(20, 900, {3});
    b.insert(b.end(), team2.begin(), team2.end());
    b.push_back(0);
    return b;
}

// Where team 2's block begins in handFile().
std::size_t secondTeamOffset()
{
    return 3 + 1 + 7 + 4 + (1 + 12) + 80 + 1 + (1 + 8 + 20) + (1 + 22 + 20);
}
}  // namespace

TEST(GlvFile, HandBuiltFileIsParsed)
{
    const Bytes bytes = handFile();
    const CGlvReadResult r = readGlvFile(bytes, 20);
    ASSERT_TRUE(r.ok()) << r.message;
    EXPECT_TRUE(r.message.empty());
    EXPECT_EQ(r.file.leagueName, "Premier");
    ASSERT_EQ(r.file.teams.size(), 2u);

    const CGlvTeamBlock& abbey = r.file.teams[0];
    EXPECT_EQ(abbey.name, "Abbey Rovers");
    EXPECT_EQ(abbey.team.id, 10u);
    EXPECT_EQ(abbey.team.bankroll, 500u);
    EXPECT_EQ(abbey.team.playerCount, 2);
    EXPECT_EQ(abbey.team.teamExtra15, -16);
    EXPECT_EQ(abbey.team.players[0], 1u);
    EXPECT_EQ(abbey.team.players[1], 2u);
    EXPECT_EQ(abbey.team.players[2], 0u);
    EXPECT_EQ(abbey.team.loadedPlayers, abbey.team.players);
    ASSERT_EQ(abbey.players.size(), 2u);

    const CPlayer& ann = abbey.players[0].player;
    EXPECT_EQ(abbey.players[0].name, "Ann Able");
    EXPECT_EQ(ann.name, "Ann Able");
    EXPECT_TRUE(ann.storedName.empty());
    EXPECT_EQ(ann.id, 1u);
    EXPECT_EQ(ann.countryId, 0x155);
    EXPECT_EQ(ann.topByte, 0xA0);
    EXPECT_EQ(ann.value, 1234u);
    EXPECT_EQ(ann.skinColour, 2);
    EXPECT_EQ(ann.hairColour, 1);
    EXPECT_EQ(ann.hairStyle, 7);
    EXPECT_EQ(ann.acceleration, 1);  // the third and fourth words are the game's nibbles
    EXPECT_EQ(ann.fitness, 8);
    EXPECT_EQ(ann.heading, 9);
    EXPECT_EQ(ann.speed, 0);
    // The fifth word, read the GLV way.
    EXPECT_EQ(ann.tackle, 9);
    EXPECT_EQ(ann.jerseyNumber, 200);
    EXPECT_EQ(ann.position, 16);
    EXPECT_EQ(ann.altPosition, 0);
    EXPECT_EQ(ann.letterCode, 0xC3);
    EXPECT_EQ(ann.extraNibble5, 0xA);

    const CGlvPlayerBlock& tussenveld = abbey.players[1];
    EXPECT_EQ(tussenveld.name, "B. Tussenveld-Aramburu");
    EXPECT_EQ(tussenveld.player.name, "B. Tussenveld-A");
    EXPECT_EQ(tussenveld.player.storedName, "B. Tussenveld-Aramburu");
    EXPECT_EQ(tussenveld.player.jerseyNumber, 5);
    EXPECT_EQ(tussenveld.player.position, 3);

    const CGlvTeamBlock& brook = r.file.teams[1];
    EXPECT_EQ(brook.name, "Brookside");
    EXPECT_EQ(brook.team.id, 20u);
    EXPECT_EQ(brook.team.players[0], 3u);
    EXPECT_TRUE(brook.players.empty());

    // The writer gives the same bytes back.
    EXPECT_EQ(writeGlvFile(r.file), bytes);
}

TEST(GlvFile, PlayerRecordFifthWord)
{
    CPlayer p;
    p.tackle = 9;
    p.jerseyNumber = 200;
    p.position = 16;
    p.letterCode = 0xC3;
    p.extraNibble5 = 0xA;
    p.altPosition = 31;  // has no place in a GLV record
    Bytes b(20, 0xEE);
    packGlvPlayer(p, b.data());
    EXPECT_EQ(get32(b, 16), kGlvWord4);
    EXPECT_EQ(get32(b, 0), 0u);

    CPlayer back;
    back.altPosition = 12;
    unpackGlvPlayer(b.data(), back);
    EXPECT_EQ(back.altPosition, 0);
    EXPECT_EQ(back.jerseyNumber, 200);
    EXPECT_EQ(back.position, 16);
}

TEST(GlvFile, SignatureMustBeExactlyGlv)
{
    for (const Bytes& start : {Bytes{'g', 'l', 'v'}, Bytes{'G', 'l', 'V'}, Bytes{'G', 'L'}, Bytes{}, Bytes{'F', 'C', 'D'}})
    {
        Bytes bytes = handFile();
        bytes.erase(bytes.begin(), bytes.begin() + 3);
        bytes.insert(bytes.begin(), start.begin(), start.end());
        const CGlvReadResult r = readGlvFile(bytes, 20);
        EXPECT_EQ(r.problem, CGlvProblem::NotGlv) << std::string(start.begin(), start.end());
        EXPECT_EQ(r.message, "File is not a GLV file");
        EXPECT_TRUE(r.file.teams.empty());
    }
}

TEST(GlvFile, EveryTruncationIsRefused)
{
    const Bytes whole = handFile();
    for (std::size_t n = 0; n < whole.size(); ++n)
    {
        const Bytes prefix(whole.begin(), whole.begin() + std::ptrdiff_t(n));
        const CGlvReadResult r = readGlvFile(prefix, 20);
        ASSERT_FALSE(r.ok()) << "prefix of " << n;
        EXPECT_EQ(r.problem, n < 3 ? CGlvProblem::NotGlv : CGlvProblem::Truncated) << "prefix of " << n;
        EXPECT_FALSE(r.message.empty());
        EXPECT_TRUE(r.file.teams.empty());
    }
    EXPECT_EQ(readGlvFile(Bytes(whole.begin(), whole.begin() + 10), 20).message,
              "The GLV file ends before its list of teams.");
    EXPECT_EQ(readGlvFile(Bytes(whole.begin(), whole.begin() + 20), 20).message,
              "The GLV file ends in the middle of team 1.");
    EXPECT_EQ(readGlvFile(Bytes(whole.begin(), whole.begin() + std::ptrdiff_t(secondTeamOffset()) + 5), 20).message,
              "The GLV file ends in the middle of team 2.");
    // Bytes after the last block are not the import's business.
    Bytes longer = whole;
    longer.insert(longer.end(), {1, 2, 3});
    EXPECT_TRUE(readGlvFile(longer, 20).ok());
}

TEST(GlvFile, TeamCountMustFitTheLeague)
{
    const Bytes bytes = handFile();
    EXPECT_TRUE(readGlvFile(bytes, 2).ok());
    const CGlvReadResult one = readGlvFile(bytes, 1);
    EXPECT_EQ(one.problem, CGlvProblem::TooManyTeams);
    EXPECT_EQ(one.message, "The GLV file holds 2 teams, but the league its teams are based on has only 1.");

    Bytes negative = bytes;
    put32(negative, 11, 0xFFFFFFFF);
    const CGlvReadResult neg = readGlvFile(negative, 20);
    EXPECT_EQ(neg.problem, CGlvProblem::TooManyTeams);
    EXPECT_EQ(neg.message, "The GLV file gives a negative number of teams (-1).");

    // A count the file cannot hold, with no limit from the league, runs out of bytes
    // without reserving room for it first.
    Bytes huge = bytes;
    put32(huge, 11, 0x7FFFFFFF);
    EXPECT_EQ(readGlvFile(huge, std::numeric_limits<std::size_t>::max()).problem, CGlvProblem::Truncated);
}

TEST(GlvFile, AtMost26PlayersPerTeam)
{
    CGlvFile file;
    file.leagueName = "Full";
    CGlvTeamBlock& block = file.teams.emplace_back();
    block.name = "Squad";
    for (int j = 0; j < 26; ++j)
    {
        CGlvPlayerBlock& p = block.players.emplace_back();
        p.name = "P" + std::to_string(j);
        p.player.id = uint32_t(100 + j);
    }
    Bytes bytes = writeGlvFile(file);
    const CGlvReadResult full = readGlvFile(bytes, 1);
    ASSERT_TRUE(full.ok()) << full.message;
    EXPECT_EQ(full.file.teams[0].players.size(), 26u);
    EXPECT_EQ(full.file.teams[0].players[25].player.id, 125u);

    const std::size_t countAt = 3 + 1 + 4 + 4 + 1 + 5 + 80;
    ASSERT_EQ(bytes[countAt], 26);
    bytes[countAt] = 27;
    const CGlvReadResult over = readGlvFile(bytes, 1);
    EXPECT_EQ(over.problem, CGlvProblem::TooManyPlayers);
    EXPECT_EQ(over.message, "Team 1 of the GLV file holds 27 players; a team has at most 26.");
}

TEST(GlvFile, WriterCutsStringsAt255Bytes)
{
    CGlvFile file;
    file.leagueName = std::string(300, 'L');
    file.teams.emplace_back().name = std::string(256, 'T');
    const Bytes bytes = writeGlvFile(file);
    ASSERT_EQ(bytes[3], 255);
    const CGlvReadResult r = readGlvFile(bytes, 1);
    ASSERT_TRUE(r.ok()) << r.message;
    EXPECT_EQ(r.file.leagueName, std::string(255, 'L'));
    EXPECT_EQ(r.file.teams[0].name, std::string(255, 'T'));
}
