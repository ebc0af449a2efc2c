#include "exchange/ExchangeRecords.h"

#include "util/BitFields.h"
#include "util/ByteReader.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace exchange
{
namespace
{
// The exchange records pack the same CTeam and CPlayer fields as the game's records, but
// in their own order and widths (the tools that share these files were written against
// their own structures). Bits not named here are zero in the file.
using TF = CBitField<CTeam>;
constexpr TF kTeamFields[] = {
    {"bankroll", 0, 4, 0, 20, &CTeam::bankroll},
    {"teamExtra1", 0, 4, 20, 5, &CTeam::teamExtra1},
    {"awaySocksColour1", 0, 4, 25, 5, &CTeam::awaySocksColour1},
    {"awaySocksStyle", 0, 4, 30, 2, &CTeam::awaySocksStyle},
    {"homeJerseyColour1", 4, 2, 0, 5, &CTeam::homeJerseyColour1},
    {"homeJerseyColour2", 4, 2, 5, 5, &CTeam::homeJerseyColour2},
    {"homeJerseyStyle", 4, 2, 10, 6, &CTeam::homeJerseyStyle},
    {"homeJerseyColour3", 6, 2, 0, 5, &CTeam::homeJerseyColour3},
    {"homeShortsColour1", 6, 2, 5, 5, &CTeam::homeShortsColour1},
    {"teamExtra2", 6, 2, 10, 4, &CTeam::teamExtra2},
    {"homeSocksStyle", 6, 2, 14, 2, &CTeam::homeSocksStyle},
    {"homeShortsColour2", 8, 2, 0, 5, &CTeam::homeShortsColour2},
    {"homeSocksColour1", 8, 2, 5, 5, &CTeam::homeSocksColour1},
    {"teamExtra3", 8, 2, 10, 6, &CTeam::teamExtra3},
    {"homeSocksColour2", 10, 2, 0, 5, &CTeam::homeSocksColour2},
    {"awayShortsColour2", 10, 2, 5, 5, &CTeam::awayShortsColour2},
    {"teamExtra4", 10, 2, 10, 4, &CTeam::teamExtra4},
    {"awayJerseyColour1", 12, 2, 0, 5, &CTeam::awayJerseyColour1},
    {"awayJerseyColour2", 12, 2, 5, 5, &CTeam::awayJerseyColour2},
    {"awayJerseyStyle", 12, 2, 10, 6, &CTeam::awayJerseyStyle},
    {"awayJerseyColour3", 14, 2, 0, 5, &CTeam::awayJerseyColour3},
    {"awayShortsColour1", 14, 2, 5, 5, &CTeam::awayShortsColour1},
    {"teamExtra5", 14, 2, 10, 4, &CTeam::teamExtra5},
    {"id", 16, 2, 0, 11, &CTeam::id},
    {"awaySocksColour2", 16, 2, 11, 5, &CTeam::awaySocksColour2},
    {"awayShortsStyle", 20, 1, 0, 3, &CTeam::awayShortsStyle},
    {"homeShortsStyle", 20, 1, 3, 3, &CTeam::homeShortsStyle},
};
constexpr std::size_t kTeamNameOffset = 24;
constexpr std::size_t kTeamNameBytes = 20;

using PF = CBitField<CPlayer>;
constexpr PF kPlayerFields[] = {
    {"id", 0, 2, 0, 14, &CPlayer::id},
    {"hairColour", 0, 2, 14, 2, &CPlayer::hairColour},
    {"jerseyNumber", 2, 2, 0, 7, &CPlayer::jerseyNumber},
    {"position", 2, 2, 7, 4, &CPlayer::position},
    {"face", 2, 2, 11, 3, &CPlayer::face},
    {"skinColour", 2, 2, 14, 2, &CPlayer::skinColour},
    {"hairStyle", 4, 1, 0, 4, &CPlayer::hairStyle},
    {"facialHair", 4, 1, 4, 4, &CPlayer::facialHair},
    {"speed", 5, 1, 0, 4, &CPlayer::speed},
    {"ballControl", 5, 1, 4, 4, &CPlayer::ballControl},
    {"shotPower", 6, 1, 0, 4, &CPlayer::shotPower},
    {"shotAccuracy", 6, 1, 4, 4, &CPlayer::shotAccuracy},
    {"agility", 7, 1, 0, 4, &CPlayer::agility},
    {"reaction", 7, 1, 4, 4, &CPlayer::reaction},
    {"acceleration", 8, 1, 0, 4, &CPlayer::acceleration},
    {"fitness", 8, 1, 4, 4, &CPlayer::fitness},
    {"tackle", 9, 1, 0, 4, &CPlayer::tackle},
    {"awareness", 9, 1, 4, 4, &CPlayer::awareness},
    {"passing", 10, 1, 0, 4, &CPlayer::passing},
    {"heading", 10, 1, 4, 4, &CPlayer::heading},
    {"creativity", 11, 1, 0, 4, &CPlayer::creativity},
    {"extraNibble1", 12, 1, 0, 4, &CPlayer::extraNibble1},
    {"extraNibble2", 12, 1, 4, 4, &CPlayer::extraNibble2},
    {"altPosition", 13, 1, 0, 8, &CPlayer::altPosition},
    {"letterCode", 31, 1, 0, 8, &CPlayer::letterCode},
};
constexpr std::size_t kPlayerNameOffset = 16;
constexpr std::size_t kPlayerNameBytes = 15;

using XF = CBitField<CTransferEntry>;
constexpr XF kTransferFields[] = {
    {"playerId", 0, 4, 0, 14, &CTransferEntry::playerId},
    {"leavingFileIndex", 0, 4, 14, 9, &CTransferEntry::leavingFileIndex},
    {"joiningFileIndex", 0, 4, 23, 9, &CTransferEntry::joiningFileIndex},
};

// The second size field sits at a different offset in each kind of file.
std::size_t secondSizeOffset(CExchangeKind kind)
{
    switch (kind)
    {
    case CExchangeKind::Teams: return 24;
    case CExchangeKind::Players: return 28;
    case CExchangeKind::Transfers: return 16;
    }
    return 24;
}

// A fixed-width name field: the bytes up to the first zero, all of them when there is none.
std::string readName(const uint8_t* field, std::size_t width)
{
    const auto* start = reinterpret_cast<const char*>(field);
    const void* nul = std::memchr(start, 0, width);
    return std::string(start, nul ? static_cast<const char*>(nul) - start : width);
}

void writeName(const std::string& name, uint8_t* field, std::size_t width)
{
    std::memset(field, 0, width);
    std::memcpy(field, name.data(), std::min(name.size(), width));
}

// Every complete record after the header, in file order.
template <class Record, class ReadOne>
std::vector<Record> readRecords(std::span<const uint8_t> unpacked, CExchangeKind kind, ReadOne readOne)
{
    const std::size_t size = recordBytes(kind);
    const std::size_t count = recordCount(kind, unpacked.size());
    const CByteReader reader(unpacked);
    std::vector<Record> records(count);
    for (std::size_t i = 0; i < count; ++i)
        readOne(reader.slice(kHeaderBytes + i * size, size, "exchange record").data(), records[i]);
    return records;
}

template <class Record, class WriteOne>
std::vector<uint8_t> writeRecords(std::span<const Record> records, CExchangeKind kind, WriteOne writeOne)
{
    const std::size_t size = recordBytes(kind);
    std::vector<uint8_t> bytes = exchangeHeader(kind, records.size());
    bytes.resize(kHeaderBytes + records.size() * size, 0);
    for (std::size_t i = 0; i < records.size(); ++i) writeOne(records[i], bytes.data() + kHeaderBytes + i * size);
    return bytes;
}
}  // namespace

std::size_t recordBytes(CExchangeKind kind)
{
    switch (kind)
    {
    case CExchangeKind::Teams: return kTeamRecordBytes;
    case CExchangeKind::Players: return kPlayerRecordBytes;
    case CExchangeKind::Transfers: return kTransferBytes;
    }
    return kTeamRecordBytes;
}

std::vector<uint8_t> exchangeHeader(CExchangeKind kind, std::size_t count)
{
    const std::size_t recordsSize = count * recordBytes(kind);
    std::vector<uint8_t> header(kHeaderBytes, 0);
    std::memcpy(header.data(), "FCDB", 4);
    header[6] = 0x01;
    bitfields::writeWord(header.data() + 8, 4, uint32_t(recordsSize + kHeaderBytes));
    header[12] = 0x20;
    bitfields::writeWord(header.data() + secondSizeOffset(kind), 4, uint32_t(recordsSize + 4));
    bitfields::writeWord(header.data() + 32, 2, uint32_t(count));
    // The kind is stored high byte first, unlike every other number here.
    header[34] = 0;
    header[35] = uint8_t(kind);
    return header;
}

std::size_t recordCount(CExchangeKind kind, std::size_t unpackedLength)
{
    if (unpackedLength < kHeaderBytes) return 0;
    return (unpackedLength - kHeaderBytes) / recordBytes(kind);
}

void readTeamRecord(std::span<const uint8_t, kTeamRecordBytes> bytes, CTeam& team)
{
    bitfields::unpack<kTeamFields>(bytes.data(), team);
    team.longName = readName(bytes.data() + kTeamNameOffset, kTeamNameBytes);
}

void writeTeamRecord(const CTeam& team, uint32_t baseTeamId, std::span<uint8_t, kTeamRecordBytes> bytes)
{
    std::fill(bytes.begin(), bytes.end(), uint8_t(0));
    CTeam stored = team;
    stored.id = baseTeamId;
    bitfields::pack<kTeamFields>(stored, bytes.data());
    writeName(team.longName, bytes.data() + kTeamNameOffset, kTeamNameBytes);
}

void readPlayerRecord(std::span<const uint8_t, kPlayerRecordBytes> bytes, CPlayer& player)
{
    bitfields::unpack<kPlayerFields>(bytes.data(), player);
    player.name = readName(bytes.data() + kPlayerNameOffset, kPlayerNameBytes);
}

void writePlayerRecord(const CPlayer& player, uint32_t playerId, std::span<uint8_t, kPlayerRecordBytes> bytes)
{
    std::fill(bytes.begin(), bytes.end(), uint8_t(0));
    CPlayer stored = player;
    stored.id = playerId;
    bitfields::pack<kPlayerFields>(stored, bytes.data());
    writeName(player.name, bytes.data() + kPlayerNameOffset, kPlayerNameBytes);
}

CTransferEntry readTransferEntry(std::span<const uint8_t, kTransferBytes> bytes)
{
    CTransferEntry entry;
    bitfields::unpack<kTransferFields>(bytes.data(), entry);
    return entry;
}

void writeTransferEntry(const CTransferEntry& entry, std::span<uint8_t, kTransferBytes> bytes)
{
    std::fill(bytes.begin(), bytes.end(), uint8_t(0));
    bitfields::pack<kTransferFields>(entry, bytes.data());
}

std::vector<CTeam> readTeamFile(std::span<const uint8_t> unpacked)
{
    return readRecords<CTeam>(unpacked, CExchangeKind::Teams, [](const uint8_t* at, CTeam& team) {
        readTeamRecord(std::span<const uint8_t, kTeamRecordBytes>(at, kTeamRecordBytes), team);
    });
}

std::vector<CPlayer> readPlayerFile(std::span<const uint8_t> unpacked)
{
    return readRecords<CPlayer>(unpacked, CExchangeKind::Players, [](const uint8_t* at, CPlayer& player) {
        readPlayerRecord(std::span<const uint8_t, kPlayerRecordBytes>(at, kPlayerRecordBytes), player);
    });
}

std::vector<CTransferEntry> readTransferFile(std::span<const uint8_t> unpacked)
{
    return readRecords<CTransferEntry>(unpacked, CExchangeKind::Transfers,
                                       [](const uint8_t* at, CTransferEntry& entry) {
                                           entry = readTransferEntry(
                                               std::span<const uint8_t, kTransferBytes>(at, kTransferBytes));
                                       });
}

std::vector<uint8_t> writeTeamFile(std::span<const CTeam> teams)
{
    return writeRecords(teams, CExchangeKind::Teams, [](const CTeam& team, uint8_t* at) {
        writeTeamRecord(team, team.id, std::span<uint8_t, kTeamRecordBytes>(at, kTeamRecordBytes));
    });
}

std::vector<uint8_t> writePlayerFile(std::span<const CPlayer> players)
{
    return writeRecords(players, CExchangeKind::Players, [](const CPlayer& player, uint8_t* at) {
        writePlayerRecord(player, player.id, std::span<uint8_t, kPlayerRecordBytes>(at, kPlayerRecordBytes));
    });
}

std::vector<uint8_t> writeTransferFile(std::span<const CTransferEntry> entries)
{
    return writeRecords(entries, CExchangeKind::Transfers, [](const CTransferEntry& entry, uint8_t* at) {
        writeTransferEntry(entry, std::span<uint8_t, kTransferBytes>(at, kTransferBytes));
    });
}
}  // namespace exchange
