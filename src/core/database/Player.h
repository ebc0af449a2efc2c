#pragma once

#include "util/TextCodec.h"

#include <array>
#include <cstdint>
#include <string>

// One player of the game database. Field order follows the game's own record; the
// names are the ones every part of the editor uses.
struct CPlayer
{
    uint32_t id = 0;           // 14 bits in the file
    uint32_t value = 0;        // low 16 bits used
    uint8_t hairColour = 0;    // 2 bits
    uint8_t jerseyNumber = 0;  // 6 bits
    uint8_t position = 0;      // 5 bits, index into the position labels
    uint8_t face = 0;          // 5 bits
    uint8_t skinColour = 0;    // 2 bits
    uint8_t hairStyle = 0;     // 4 bits
    uint8_t facialHair = 0;    // 3 bits
    uint8_t acceleration = 0;  // the 13 skills, 4 bits each, stored 0..15
    uint8_t agility = 0;
    uint8_t awareness = 0;
    uint8_t ballControl = 0;
    uint8_t creativity = 0;
    uint8_t fitness = 0;
    uint8_t heading = 0;
    uint8_t passing = 0;
    uint8_t reaction = 0;
    uint8_t shotPower = 0;
    uint8_t shotAccuracy = 0;
    uint8_t speed = 0;
    uint8_t tackle = 0;
    uint16_t countryId = 0;    // 10 bits
    uint8_t topByte = 0;
    uint8_t extraNibble1 = 0;
    uint8_t extraNibble2 = 0;
    uint8_t extraNibble3 = 0;
    uint8_t extraNibble4 = 0;
    uint8_t letterCode = 0;
    uint8_t extraNibble5 = 0;
    uint8_t altPosition = 0;   // 5 bits
    std::string name;          // 8-bit text as stored in the name file

    uint32_t hasCommentary = 0;
    uint32_t modified = 0;
    uint32_t imported = 0;
    uint32_t destinationTeamId = 0;
    uint32_t copyMark = 0;     // kCopyMark when pasted (copied), anything else is a move
    uint32_t teamId = 0;       // kNoTeam when the listing team is not a club
    uint32_t fileIndex = 0;

    // The whole name as it stood in the player name file when it is longer than the 15
    // characters the editor shows (else empty): an unedited name is written back whole.
    std::string storedName;

    static constexpr uint32_t kCopyMark = 0xFFFF;
    static constexpr uint32_t kNoTeam = 0xFFFF;
    static constexpr int kSkillCount = 13;
    static constexpr std::size_t kShownNameLength = 15;

    uint8_t& skill(int index);
    uint8_t skill(int index) const;
    int skillSum() const;
    // (4*S + 507) / 128: 3..10
    int skillRating() const;
    // (4*S + 507) / 13: 39..99
    int skillAverage() const;

    // Takes a name as a file holds it: the editor shows its first 15 bytes, cut before a
    // double-byte character rather than through it, and keeps a longer name whole in
    // storedName, so that an unedited name is written back byte for byte.
    void setNameAsStored(std::string whole, CTextEncoding encoding);
    // The name to write to the player name file: the stored long name while the shown
    // name is still the part of it setNameAsStored shows, else the name as edited.
    const std::string& nameToWrite(CTextEncoding encoding) const;

    // Full copy: identity, value, appearance, skills, name, marks and teamId.
    void copyFrom(const CPlayer& other);
    // Attribute copy: everything from hairColour to altPosition, name, modified and
    // imported; keeps id, value and teamId.
    void copyAttributesFrom(const CPlayer& other);
    // Field by field, as the pages use it to decide whether an edit changed anything:
    // value, id, hairColour..altPosition except countryId, and name.
    bool sameAs(const CPlayer& other) const;

    // Every field, so that a field added later takes part in every "unchanged?" check.
    friend bool operator==(const CPlayer&, const CPlayer&) = default;
};

// The 17 position labels, index 0 "GK" to 16 "LF".
const char* positionLabel(int position);
inline constexpr int kPositionCount = 17;
