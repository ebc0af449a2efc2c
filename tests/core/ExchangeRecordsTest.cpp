// The exchange records against bytes written out by hand from the record layouts, so that
// a mistake shared by reader and writer cannot hide behind a round trip.

#include "exchange/ExchangeRecords.h"

#include "HandBytes.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

using namespace exchange;

namespace
{
Bytes concat(std::initializer_list<Bytes> parts)
{
    Bytes out;
    for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

Bytes padded(const std::string& text, std::size_t width)
{
    Bytes b(text.begin(), text.end());
    b.resize(width, 0);
    return b;
}

// Every field of the record set to a different value that fills most of its bits.
CTeam handTeam()
{
    CTeam t;
    t.id = 0x30000 + 1234;
    t.bankroll = 0x9ABCD;
    t.teamExtra1 = 21;
    t.awaySocksColour1 = 26;
    t.awaySocksStyle = 2;
    t.homeJerseyColour1 = 3;
    t.homeJerseyColour2 = 17;
    t.homeJerseyStyle = 40;
    t.homeJerseyColour3 = 9;
    t.homeShortsColour1 = 30;
    t.teamExtra2 = 11;
    t.homeSocksStyle = 3;
    t.homeShortsColour2 = 5;
    t.homeSocksColour1 = 6;
    t.teamExtra3 = 63;
    t.homeSocksColour2 = 7;
    t.awayShortsColour2 = 8;
    t.teamExtra4 = 13;
    t.awayJerseyColour1 = 10;
    t.awayJerseyColour2 = 12;
    t.awayJerseyStyle = 33;
    t.awayJerseyColour3 = 14;
    t.awayShortsColour1 = 15;
    t.teamExtra5 = 9;
    t.awaySocksColour2 = 31;
    t.awayShortsStyle = 5;
    t.homeShortsStyle = 6;
    t.longName = "Abbey Rovers";
    return t;
}

Bytes handTeamBytes()
{
    Bytes b;
    add32(b, 0x9ABCDu | 21u << 20 | 26u << 25 | 2u << 30);
    add16(b, 3 | 17 << 5 | 40 << 10);
    add16(b, 9 | 30 << 5 | 11 << 10 | 3 << 14);
    add16(b, 5 | 6 << 5 | 63 << 10);
    add16(b, 7 | 8 << 5 | 13 << 10);
    add16(b, 10 | 12 << 5 | 33 << 10);
    add16(b, 14 | 15 << 5 | 9 << 10);
    add16(b, 1234 | 31 << 11);
    add16(b, 0);
    b.push_back(5 | 6 << 3);
    b.insert(b.end(), {0, 0, 0});
    Bytes name = padded("Abbey Rovers", 20);
    b.insert(b.end(), name.begin(), name.end());
    return b;
}

CPlayer handPlayer()
{
    CPlayer p;
    p.id = 0x2ABC;
    p.hairColour = 3;
    p.jerseyNumber = 99;
    p.position = 11;
    p.face = 5;
    p.skinColour = 2;
    p.hairStyle = 12;
    p.facialHair = 6;
    p.speed = 1;
    p.ballControl = 2;
    p.shotPower = 3;
    p.shotAccuracy = 4;
    p.agility = 5;
    p.reaction = 6;
    p.acceleration = 7;
    p.fitness = 8;
    p.tackle = 9;
    p.awareness = 10;
    p.passing = 11;
    p.heading = 12;
    p.creativity = 13;
    p.extraNibble1 = 14;
    p.extraNibble2 = 15;
    p.altPosition = 0x9C;
    p.name = "Ander Molk";
    p.letterCode = 0xE5;
    return p;
}

Bytes handPlayerBytes()
{
    Bytes b = {0xBC, 0xEA,  // id 0x2ABC, hair colour 3 at bits 14-15
               0xE3, 0xAD,  // jersey 99, position 11, face 5, skin 2
               0x6C, 0x21, 0x43, 0x65, 0x87, 0xA9, 0xCB, 0x0D, 0xFE, 0x9C, 0x00, 0x00};
    Bytes name = padded("Ander Molk", 15);
    b.insert(b.end(), name.begin(), name.end());
    b.push_back(0xE5);
    return b;
}

template <std::size_t N>
std::span<const uint8_t, N> fixed(const Bytes& b, std::size_t at = 0)
{
    return std::span<const uint8_t, N>(b.data() + at, N);
}
}  // namespace

TEST(ExchangeRecords, TeamRecordMatchesHandBytes)
{
    const Bytes expected = handTeamBytes();
    ASSERT_EQ(expected.size(), kTeamRecordBytes);

    std::array<uint8_t, kTeamRecordBytes> written;
    written.fill(0xCC);  // every byte must be written, padding included
    writeTeamRecord(handTeam(), 1234, written);
    EXPECT_EQ(Bytes(written.begin(), written.end()), expected);

    CTeam read;
    read.countryId = 77;  // not in the record: must survive
    read.teamExtra6 = 4;
    readTeamRecord(fixed<kTeamRecordBytes>(expected), read);
    // The writer is pinned to the hand bytes above, so a write of what was read giving
    // them again means every field was read from the right bits.
    EXPECT_EQ(read.id, 1234u);
    EXPECT_EQ(read.bankroll, 0x9ABCDu);
    EXPECT_EQ(read.awaySocksStyle, 2);
    EXPECT_EQ(read.longName, "Abbey Rovers");
    EXPECT_EQ(read.countryId, 77);
    EXPECT_EQ(read.teamExtra6, 4);
    std::array<uint8_t, kTeamRecordBytes> again{};
    writeTeamRecord(read, read.id, again);
    EXPECT_EQ(Bytes(again.begin(), again.end()), expected);
}

TEST(ExchangeRecords, TeamFieldsAreCutToTheirWidthWithoutTouchingNeighbours)
{
    CTeam t;
    t.bankroll = 0x1FFFFF;  // 21 bits into 20
    t.teamExtra2 = 0x3B;    // 6 bits into 4; homeSocksStyle above it stays 0
    t.teamExtra5 = 0xFF;
    t.longName = "Brookside Athletic Football Club";
    std::array<uint8_t, kTeamRecordBytes> b{};
    writeTeamRecord(t, 2048 + 5, b);
    EXPECT_EQ(get32(Bytes(b.begin(), b.end()), 0), 0xFFFFFu);
    EXPECT_EQ(b[6], 0x00);
    EXPECT_EQ(b[7], 0x0B << 2);
    EXPECT_EQ(b[15], 0x0F << 2);
    EXPECT_EQ(b[16], 5);  // the base id modulo 2048
    EXPECT_EQ(b[17], 0);
    EXPECT_EQ(Bytes(b.begin() + 24, b.end()), Bytes(t.longName.begin(), t.longName.begin() + 20));

    // A name filling its 20 bytes has no terminator and reads back whole.
    CTeam read;
    readTeamRecord(b, read);
    EXPECT_EQ(read.longName, "Brookside Athletic F");
}

TEST(ExchangeRecords, PlayerRecordMatchesHandBytes)
{
    const Bytes expected = handPlayerBytes();
    ASSERT_EQ(expected.size(), kPlayerRecordBytes);

    std::array<uint8_t, kPlayerRecordBytes> written;
    written.fill(0xCC);
    CPlayer p = handPlayer();
    p.id = 0x40000 + 0x2ABC;  // an imported id: the caller passes the base id
    writePlayerRecord(p, 0x2ABC, written);
    EXPECT_EQ(Bytes(written.begin(), written.end()), expected);

    CPlayer read;
    read.value = 1000;  // none of these are in the record
    read.countryId = 1;
    read.topByte = 160;
    read.extraNibble3 = read.extraNibble4 = read.extraNibble5 = 7;
    readPlayerRecord(fixed<kPlayerRecordBytes>(expected), read);
    EXPECT_EQ(read.id, 0x2ABCu);
    EXPECT_EQ(read.position, 11);
    EXPECT_EQ(read.altPosition, 0x9C);
    EXPECT_EQ(read.letterCode, 0xE5);
    EXPECT_EQ(read.name, "Ander Molk");
    EXPECT_EQ(read.value, 1000u);
    EXPECT_EQ(read.countryId, 1);
    EXPECT_EQ(read.topByte, 160);
    EXPECT_EQ(read.extraNibble3, 7);
    EXPECT_EQ(read.extraNibble5, 7);
    std::array<uint8_t, kPlayerRecordBytes> again{};
    writePlayerRecord(read, read.id, again);
    EXPECT_EQ(Bytes(again.begin(), again.end()), expected);
}

TEST(ExchangeRecords, PlayerPositionFaceAndNameLoseWhatDoesNotFit)
{
    CPlayer p;
    p.jerseyNumber = 0x7F;
    p.position = 16;  // 4 bits: stored as 0
    p.face = 13;      // 3 bits: stored as 5
    p.skinColour = 3;
    p.name = "B. Tussenveld-Aramburu";
    p.letterCode = 'Q';
    std::array<uint8_t, kPlayerRecordBytes> b{};
    writePlayerRecord(p, 0x4001, b);  // ids are kept modulo 16384
    EXPECT_EQ(b[0], 0x01);
    EXPECT_EQ(b[1], 0x00);
    EXPECT_EQ(b[2], 0x7F);                          // jersey, position bit 7 clear
    EXPECT_EQ(b[3], uint8_t(5 << 3 | 3 << 6));      // position 0, face 5, skin 3
    EXPECT_EQ(std::string(b.begin() + 16, b.begin() + 31), "B. Tussenveld-A");
    EXPECT_EQ(b[31], 'Q');  // the cut name does not run into the letter code

    CPlayer read;
    readPlayerRecord(b, read);
    EXPECT_EQ(read.id, 1u);
    EXPECT_EQ(read.position, 0);
    EXPECT_EQ(read.face, 5);
    EXPECT_EQ(read.jerseyNumber, 0x7F);
    EXPECT_EQ(read.skinColour, 3);
    EXPECT_EQ(read.name, "B. Tussenveld-A");
    EXPECT_EQ(read.letterCode, 'Q');
}

TEST(ExchangeRecords, PlayerNameStopsAtTheFirstZero)
{
    Bytes b = handPlayerBytes();
    b[16 + 3] = 0;  // "And", then "er Molk" behind a zero
    CPlayer read;
    readPlayerRecord(fixed<kPlayerRecordBytes>(b), read);
    EXPECT_EQ(read.name, "And");
}

TEST(ExchangeRecords, TransferEntryMatchesHandBytes)
{
    const Bytes expected = {0x34, 0x12, 0xCB, 0xFF};  // player 0x1234, leaving 300, joining 511
    std::array<uint8_t, kTransferBytes> b{};
    writeTransferEntry({0x1234, 300, kNoTeamFileIndex}, b);
    EXPECT_EQ(Bytes(b.begin(), b.end()), expected);
    EXPECT_EQ(readTransferEntry(fixed<kTransferBytes>(expected)), (CTransferEntry{0x1234, 300, 511}));

    // Each field alone, at the edges of its bits.
    EXPECT_EQ(readTransferEntry(fixed<kTransferBytes>(Bytes{0xFF, 0x3F, 0x00, 0x00})), (CTransferEntry{0x3FFF, 0, 0}));
    EXPECT_EQ(readTransferEntry(fixed<kTransferBytes>(Bytes{0x00, 0xC0, 0x7F, 0x00})), (CTransferEntry{0, 511, 0}));
    EXPECT_EQ(readTransferEntry(fixed<kTransferBytes>(Bytes{0x00, 0x00, 0x80, 0xFF})), (CTransferEntry{0, 0, 511}));

    writeTransferEntry({0x4000 + 7, 512 + 3, 1024 + 9}, b);  // too wide: cut, no spill
    EXPECT_EQ(readTransferEntry(b), (CTransferEntry{7, 3, 9}));
}

TEST(ExchangeRecords, HeadersOfTheThreeKinds)
{
    const Bytes teams = {'F', 'C', 'D', 'B', 0, 0, 1, 0, 124, 0, 0, 0, 0x20, 0, 0, 0, 0, 0, 0, 0,
                         0,   0,   0,   0,   92, 0, 0, 0, 0, 0, 0, 0,    2, 0,    0, 3};
    const Bytes players = {'F', 'C', 'D', 'B', 0, 0, 1, 0, 132, 0, 0, 0, 0x20, 0, 0, 0, 0, 0, 0, 0,
                           0,   0,   0,   0,   0, 0, 0, 0, 100, 0, 0, 0, 3,    0, 0, 4};
    const Bytes transfers = {'F', 'C', 'D', 'B', 0, 0, 1, 0, 56, 0, 0, 0, 0x20, 0, 0, 0, 24, 0, 0, 0,
                             0,   0,   0,   0,   0, 0, 0, 0, 0,  0, 0, 0, 5,    0, 0, 5};
    EXPECT_EQ(exchangeHeader(CExchangeKind::Teams, 2), teams);
    EXPECT_EQ(exchangeHeader(CExchangeKind::Players, 3), players);
    EXPECT_EQ(exchangeHeader(CExchangeKind::Transfers, 5), transfers);

    // The count field is 16 bits; the sizes are 32.
    const Bytes big = exchangeHeader(CExchangeKind::Transfers, 0x10002);
    EXPECT_EQ(get32(big, 8), 0x10002u * 4 + 36);
    EXPECT_EQ(get16(big, 32), 2);
}

TEST(ExchangeRecords, WholeFilesAreHeaderThenRecords)
{
    const Bytes emptyPlayers = {'F', 'C', 'D', 'B', 0, 0, 1, 0, 36, 0, 0, 0, 0x20, 0, 0, 0, 0, 0, 0, 0,
                                0,   0,   0,   0,   0, 0, 0, 0, 4,  0, 0, 0, 0,    0, 0, 4};
    EXPECT_EQ(writePlayerFile({}), emptyPlayers);
    EXPECT_TRUE(readPlayerFile(emptyPlayers).empty());

    CPlayer second = handPlayer();
    second.id = 0x8000 + 0x2ABC;  // written modulo 16384 like the first
    const std::vector<CPlayer> players = {handPlayer(), second};
    EXPECT_EQ(writePlayerFile(players),
              concat({exchangeHeader(CExchangeKind::Players, 2), handPlayerBytes(), handPlayerBytes()}));

    CTeam team = handTeam();
    team.id = 1234;
    EXPECT_EQ(writeTeamFile(std::vector<CTeam>{team}), concat({exchangeHeader(CExchangeKind::Teams, 1), handTeamBytes()}));

    const std::vector<CTransferEntry> entries = {{1, 2, 3}, {0x3FFF, 511, 0}, {42, 0, 511}};
    const Bytes transfers = writeTransferFile(entries);
    ASSERT_EQ(transfers.size(), 36u + 12);
    EXPECT_EQ(get32(transfers, 36), 1u | 2u << 14 | 3u << 23);
    EXPECT_EQ(readTransferFile(transfers), entries);
}

TEST(ExchangeRecords, RecordCountComesFromTheLengthNotTheHeader)
{
    EXPECT_EQ(recordCount(CExchangeKind::Players, 0), 0u);
    EXPECT_EQ(recordCount(CExchangeKind::Players, 35), 0u);
    EXPECT_EQ(recordCount(CExchangeKind::Players, 36), 0u);
    EXPECT_EQ(recordCount(CExchangeKind::Players, 36 + 31), 0u);
    EXPECT_EQ(recordCount(CExchangeKind::Players, 36 + 64 + 31), 2u);
    EXPECT_EQ(recordCount(CExchangeKind::Teams, 36 + 44 * 3), 3u);
    EXPECT_EQ(recordCount(CExchangeKind::Transfers, 36 + 4 * 7 + 3), 7u);

    // A header claiming 99 records over two and a bit: the two are read, the tail ignored.
    Bytes file = concat({exchangeHeader(CExchangeKind::Players, 99), handPlayerBytes(), handPlayerBytes()});
    file.insert(file.end(), 31, 0xEE);
    const std::vector<CPlayer> read = readPlayerFile(file);
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[1].name, "Ander Molk");

    // The second team record is read from its own offset.
    CTeam other = handTeam();
    other.id = 77;
    other.longName = "Brook";
    Bytes teams = writeTeamFile(std::vector<CTeam>{handTeam(), other});
    teams.resize(teams.size() + 43, 0xEE);
    const std::vector<CTeam> readTeams = readTeamFile(teams);
    ASSERT_EQ(readTeams.size(), 2u);
    EXPECT_EQ(readTeams[0].id, 1234u);
    EXPECT_EQ(readTeams[1].id, 77u);
    EXPECT_EQ(readTeams[1].longName, "Brook");

    // Shorter than the header: nothing, and nothing read beyond the data.
    const Bytes stub = {'F', 'C', 'D', 'B', 0, 0, 1};
    EXPECT_TRUE(readTeamFile(stub).empty());
    EXPECT_TRUE(readPlayerFile(stub).empty());
    EXPECT_TRUE(readTransferFile(stub).empty());
    EXPECT_TRUE(readTransferFile({}).empty());
}
