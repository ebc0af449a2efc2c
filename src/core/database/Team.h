#pragma once

#include <array>
#include <cstdint>
#include <string>

// One team of the game database.
struct CTeam
{
    static constexpr int kSlots = 26;
    using Slots = std::array<uint32_t, kSlots>;

    uint32_t fileIndex = 0;
    uint32_t id = 0;          // 11 bits in the file
    uint32_t bankroll = 0;    // 17 bits, thousands
    uint8_t teamExtra1 = 0;
    uint8_t homeJerseyStyle = 0;
    uint8_t homeJerseyColour1 = 0;
    uint8_t homeJerseyColour2 = 0;
    uint8_t homeJerseyColour3 = 0;
    uint8_t homeShortsStyle = 0;
    uint8_t homeShortsColour1 = 0;
    uint8_t homeShortsColour2 = 0;
    uint8_t homeSocksStyle = 0;
    uint8_t homeSocksColour1 = 0;
    uint8_t homeSocksColour2 = 0;
    uint8_t awayJerseyStyle = 0;
    uint8_t awayJerseyColour1 = 0;
    uint8_t awayJerseyColour2 = 0;
    uint8_t awayJerseyColour3 = 0;
    uint8_t awayShortsStyle = 0;
    uint8_t awayShortsColour1 = 0;
    uint8_t awayShortsColour2 = 0;
    uint8_t awaySocksStyle = 0;
    uint8_t awaySocksColour1 = 0;
    uint8_t awaySocksColour2 = 0;
    uint8_t teamExtra2 = 0;
    uint8_t teamExtra3 = 0;
    uint8_t teamExtra4 = 0;
    uint8_t teamExtra5 = 0;
    uint8_t teamExtra6 = 0;
    uint8_t teamExtra7 = 0;
    uint8_t teamExtra8 = 0;
    uint8_t teamExtra9 = 0;
    uint16_t teamExtra10 = 0;
    uint8_t teamExtra11 = 0;
    uint8_t teamExtra12 = 0;
    uint8_t teamExtra13 = 0;
    uint8_t teamExtra14 = 0;
    uint8_t playerCount = 0;  // recomputed when written
    uint16_t countryId = 0;   // 12 bits
    int16_t teamExtra15 = 0;
    Slots players{};
    Slots loadedPlayers{};
    Slots incomingPlayers{};
    std::string longName;
    std::string abbreviation; // at most 6 bytes in the file
    std::string shortName;    // at most 11 bytes in the file
    uint32_t modified = 0;
    uint32_t imported = 0;

    static constexpr std::size_t kAbbreviationBytes = 6;
    static constexpr std::size_t kShortNameBytes = 11;

    // Incoming list: add to the first empty slot (nothing when all are used), remove
    // the first equal slot, clear all.
    bool addIncoming(uint32_t playerId);
    bool removeIncoming(uint32_t playerId);
    void clearIncoming();

    int nonEmptySlots() const;

    // Attribute copy: bankroll..teamExtra15, the three names and modified.
    void copyAttributesFrom(const CTeam& other);
    // Compare as the pages do: id, bankroll, teamExtra1, kit, countryId, teamExtra15
    // and longName.
    bool sameAs(const CTeam& other) const;

    // Every field, so that a field added later takes part in every "unchanged?" check.
    friend bool operator==(const CTeam&, const CTeam&) = default;
};
