#pragma once

#include "database/Player.h"
#include "database/Team.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// The three files of a league exchange set as they are before packing: a 36-byte header,
// then fixed-size records (teams 44 bytes, players 32, transfer entries 4). Ids are kept
// modulo 2048 (teams) and 16384 (players); teams inside transfer entries are named by
// their fileIndex, 511 standing for no team.
namespace exchange
{
enum class CExchangeKind
{
    Teams = 3,      // CUSTOM.DB
    Players = 4,    // CUSPLYR.DB
    Transfers = 5,  // XFER.DB
};

inline constexpr std::size_t kHeaderBytes = 36;
inline constexpr std::size_t kTeamRecordBytes = 44;
inline constexpr std::size_t kPlayerRecordBytes = 32;
inline constexpr std::size_t kTransferBytes = 4;
inline constexpr uint32_t kNoTeamFileIndex = 511;

std::size_t recordBytes(CExchangeKind kind);

// The header of a file of count records, exactly as other users' tools write it.
std::vector<uint8_t> exchangeHeader(CExchangeKind kind, std::size_t count);

// Records in unpacked data: (length - 36) / record size, rounded down; 0 when the data
// is shorter than the header. The header's own fields are not trusted.
std::size_t recordCount(CExchangeKind kind, std::size_t unpackedLength);

// Team record. Reading fills bankroll, teamExtra1 to teamExtra5, the kit fields and
// longName, and puts the base team id (11 bits) into id; everything else is left alone.
// Writing cuts every field to its width and the name to 20 bytes.
void readTeamRecord(std::span<const uint8_t, kTeamRecordBytes> bytes, CTeam& team);
void writeTeamRecord(const CTeam& team, uint32_t baseTeamId, std::span<uint8_t, kTeamRecordBytes> bytes);

// Player record. Reading fills id (14 bits), appearance, skills, jerseyNumber, position,
// altPosition, extraNibble1/2, name (at most 15 bytes) and letterCode; everything else
// is left alone. Writing cuts every field to its width.
void readPlayerRecord(std::span<const uint8_t, kPlayerRecordBytes> bytes, CPlayer& player);
void writePlayerRecord(const CPlayer& player, uint32_t playerId, std::span<uint8_t, kPlayerRecordBytes> bytes);

struct CTransferEntry
{
    uint32_t playerId = 0;                        // 14 bits
    uint32_t leavingFileIndex = kNoTeamFileIndex;  // 9 bits
    uint32_t joiningFileIndex = kNoTeamFileIndex;  // 9 bits

    bool operator==(const CTransferEntry&) const = default;
};
CTransferEntry readTransferEntry(std::span<const uint8_t, kTransferBytes> bytes);
void writeTransferEntry(const CTransferEntry& entry, std::span<uint8_t, kTransferBytes> bytes);

// Whole unpacked files. Readers take every complete record after the header; writers
// give header and records. A team's id and a player's id are written as the base ids.
std::vector<CTeam> readTeamFile(std::span<const uint8_t> unpacked);
std::vector<CPlayer> readPlayerFile(std::span<const uint8_t> unpacked);
std::vector<CTransferEntry> readTransferFile(std::span<const uint8_t> unpacked);
std::vector<uint8_t> writeTeamFile(std::span<const CTeam> teams);
std::vector<uint8_t> writePlayerFile(std::span<const CPlayer> players);
std::vector<uint8_t> writeTransferFile(std::span<const CTransferEntry> entries);
}  // namespace exchange
