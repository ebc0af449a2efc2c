#pragma once

#include "database/Player.h"
#include "database/Team.h"
#include "util/BitFields.h"

#include <cstdint>

// The bit layouts of the 20-byte player record and the 80-byte team record of
// FCDB.DBI. Every bit of each record belongs to exactly one field (the team's 26
// player slots are the u16 words at 28..79, handled beside the table).
namespace layouts
{
inline constexpr std::size_t kPlayerRecordSize = 20;
inline constexpr std::size_t kTeamRecordSize = 80;
inline constexpr std::size_t kTeamSlotsOffset = 28;

using PF = CBitField<CPlayer>;
inline constexpr PF kPlayerFields[] = {
    {"id", 0, 4, 0, 14, &CPlayer::id},
    {"countryId", 0, 4, 14, 10, &CPlayer::countryId},
    {"topByte", 0, 4, 24, 8, &CPlayer::topByte},
    {"value", 4, 4, 0, 16, &CPlayer::value},
    {"skinColour", 4, 4, 16, 2, &CPlayer::skinColour},
    {"hairColour", 4, 4, 18, 2, &CPlayer::hairColour},
    {"hairStyle", 4, 4, 20, 4, &CPlayer::hairStyle},
    {"facialHair", 4, 4, 24, 3, &CPlayer::facialHair},
    {"face", 4, 4, 27, 5, &CPlayer::face},
    {"acceleration", 8, 4, 0, 4, &CPlayer::acceleration},
    {"extraNibble1", 8, 4, 4, 4, &CPlayer::extraNibble1},
    {"agility", 8, 4, 8, 4, &CPlayer::agility},
    {"extraNibble2", 8, 4, 12, 4, &CPlayer::extraNibble2},
    {"awareness", 8, 4, 16, 4, &CPlayer::awareness},
    {"ballControl", 8, 4, 20, 4, &CPlayer::ballControl},
    {"creativity", 8, 4, 24, 4, &CPlayer::creativity},
    {"fitness", 8, 4, 28, 4, &CPlayer::fitness},
    {"heading", 12, 4, 0, 4, &CPlayer::heading},
    {"passing", 12, 4, 4, 4, &CPlayer::passing},
    {"extraNibble3", 12, 4, 8, 4, &CPlayer::extraNibble3},
    {"reaction", 12, 4, 12, 4, &CPlayer::reaction},
    {"extraNibble4", 12, 4, 16, 4, &CPlayer::extraNibble4},
    {"shotPower", 12, 4, 20, 4, &CPlayer::shotPower},
    {"shotAccuracy", 12, 4, 24, 4, &CPlayer::shotAccuracy},
    {"speed", 12, 4, 28, 4, &CPlayer::speed},
    {"tackle", 16, 4, 0, 4, &CPlayer::tackle},
    {"jerseyNumber", 16, 4, 4, 6, &CPlayer::jerseyNumber},
    {"altPosition", 16, 4, 10, 5, &CPlayer::altPosition},
    {"position", 16, 4, 15, 5, &CPlayer::position},
    {"letterCode", 16, 4, 20, 8, &CPlayer::letterCode},
    {"extraNibble5", 16, 4, 28, 4, &CPlayer::extraNibble5},
};

using TF = CBitField<CTeam>;
inline constexpr TF kTeamFields[] = {
    {"id", 0, 4, 0, 11, &CTeam::id},
    {"bankroll", 0, 4, 11, 17, &CTeam::bankroll},
    {"teamExtra1", 0, 4, 28, 4, &CTeam::teamExtra1},
    {"homeJerseyColour1", 4, 2, 0, 5, &CTeam::homeJerseyColour1},
    {"homeJerseyColour2", 4, 2, 5, 5, &CTeam::homeJerseyColour2},
    {"homeJerseyStyle", 4, 2, 10, 6, &CTeam::homeJerseyStyle},
    {"homeJerseyColour3", 6, 2, 0, 5, &CTeam::homeJerseyColour3},
    {"homeShortsColour1", 6, 2, 5, 5, &CTeam::homeShortsColour1},
    {"teamExtra2", 6, 2, 10, 6, &CTeam::teamExtra2},
    {"homeShortsColour2", 8, 2, 0, 5, &CTeam::homeShortsColour2},
    {"homeSocksColour1", 8, 2, 5, 5, &CTeam::homeSocksColour1},
    {"teamExtra3", 8, 2, 10, 6, &CTeam::teamExtra3},
    {"homeSocksColour2", 10, 2, 0, 5, &CTeam::homeSocksColour2},
    {"teamExtra6", 10, 2, 5, 5, &CTeam::teamExtra6},
    {"teamExtra4", 10, 2, 10, 4, &CTeam::teamExtra4},
    {"homeSocksStyle", 10, 2, 14, 2, &CTeam::homeSocksStyle},
    {"awayJerseyColour1", 12, 2, 0, 5, &CTeam::awayJerseyColour1},
    {"awayJerseyColour2", 12, 2, 5, 5, &CTeam::awayJerseyColour2},
    {"awayJerseyStyle", 12, 2, 10, 6, &CTeam::awayJerseyStyle},
    {"awayJerseyColour3", 14, 2, 0, 5, &CTeam::awayJerseyColour3},
    {"awayShortsColour1", 14, 2, 5, 5, &CTeam::awayShortsColour1},
    {"teamExtra5", 14, 2, 10, 6, &CTeam::teamExtra5},
    {"awayShortsColour2", 16, 2, 0, 5, &CTeam::awayShortsColour2},
    {"awaySocksColour1", 16, 2, 5, 5, &CTeam::awaySocksColour1},
    {"teamExtra7", 16, 2, 10, 6, &CTeam::teamExtra7},
    {"awaySocksColour2", 18, 2, 0, 5, &CTeam::awaySocksColour2},
    {"teamExtra8", 18, 2, 5, 7, &CTeam::teamExtra8},
    {"awaySocksStyle", 18, 2, 12, 2, &CTeam::awaySocksStyle},
    {"teamExtra9", 18, 2, 14, 2, &CTeam::teamExtra9},
    {"teamExtra11", 20, 4, 0, 4, &CTeam::teamExtra11},
    {"teamExtra12", 20, 4, 4, 4, &CTeam::teamExtra12},
    {"teamExtra13", 20, 4, 8, 4, &CTeam::teamExtra13},
    {"teamExtra14", 20, 4, 12, 3, &CTeam::teamExtra14},
    {"playerCount", 20, 4, 15, 5, &CTeam::playerCount},
    {"countryId", 20, 4, 20, 12, &CTeam::countryId},
    {"homeShortsStyle", 24, 2, 0, 3, &CTeam::homeShortsStyle},
    {"awayShortsStyle", 24, 2, 3, 3, &CTeam::awayShortsStyle},
    {"teamExtra10", 24, 2, 6, 10, &CTeam::teamExtra10},
    {"teamExtra15", 26, 2, 0, 16, &CTeam::teamExtra15},
};

void unpackPlayer(const uint8_t* bytes, CPlayer& player);
void packPlayer(const CPlayer& player, uint8_t* bytes);
// Unpacks into players and loadedPlayers both.
void unpackTeam(const uint8_t* bytes, CTeam& team);
// Packs the team's players slots as they stand; playerCount is taken as it stands.
void packTeam(const CTeam& team, uint8_t* bytes);
} // namespace layouts
