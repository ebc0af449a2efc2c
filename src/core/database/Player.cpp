#include "database/Player.h"

namespace
{
constexpr uint8_t CPlayer::*kSkills[CPlayer::kSkillCount] = {
    &CPlayer::acceleration, &CPlayer::agility,  &CPlayer::awareness,    &CPlayer::ballControl, &CPlayer::creativity,
    &CPlayer::fitness,      &CPlayer::heading,  &CPlayer::passing,      &CPlayer::reaction,    &CPlayer::shotPower,
    &CPlayer::shotAccuracy, &CPlayer::speed,    &CPlayer::tackle,
};

const char* const kPositionLabels[kPositionCount] = {"GK", "SW",  "RB", "RCB", "CB", "LCB", "LB",  "RM", "RCM",
                                                     "CM", "LCM", "LM", "RF",  "RCF", "CF", "LCF", "LF"};

// hairColour..altPosition: appearance, skills and the fields carried unchanged. Both
// copies and the compare work on this block.
void copyAppearanceAndSkills(CPlayer& to, const CPlayer& from)
{
    to.hairColour = from.hairColour;
    to.jerseyNumber = from.jerseyNumber;
    to.position = from.position;
    to.face = from.face;
    to.skinColour = from.skinColour;
    to.hairStyle = from.hairStyle;
    to.facialHair = from.facialHair;
    for (auto m : kSkills) to.*m = from.*m;
    to.countryId = from.countryId;
    to.topByte = from.topByte;
    to.extraNibble1 = from.extraNibble1;
    to.extraNibble2 = from.extraNibble2;
    to.extraNibble3 = from.extraNibble3;
    to.extraNibble4 = from.extraNibble4;
    to.letterCode = from.letterCode;
    to.extraNibble5 = from.extraNibble5;
    to.altPosition = from.altPosition;
}
} // namespace

const char* positionLabel(int position)
{
    return position >= 0 && position < kPositionCount ? kPositionLabels[position] : "";
}

uint8_t& CPlayer::skill(int index)
{
    return this->*kSkills[index];
}

uint8_t CPlayer::skill(int index) const
{
    return this->*kSkills[index];
}

int CPlayer::skillSum() const
{
    int s = 0;
    for (auto m : kSkills) s += this->*m;
    return s;
}

int CPlayer::skillRating() const
{
    return (4 * skillSum() + 507) / 128;
}

int CPlayer::skillAverage() const
{
    return (4 * skillSum() + 507) / 13;
}

namespace
{
std::size_t shownLength(const std::string& whole, CTextEncoding encoding)
{
    return fittingLength(whole, CPlayer::kShownNameLength, encoding);
}
} // namespace

void CPlayer::setNameAsStored(std::string whole, CTextEncoding encoding)
{
    if (whole.size() <= kShownNameLength)
    {
        name = std::move(whole);
        storedName.clear();
        return;
    }
    name = whole.substr(0, shownLength(whole, encoding));
    storedName = std::move(whole);
}

const std::string& CPlayer::nameToWrite(CTextEncoding encoding) const
{
    if (storedName.size() > name.size() && storedName.compare(0, name.size(), name) == 0
        && shownLength(storedName, encoding) == name.size())
        return storedName;
    return name;
}

void CPlayer::copyFrom(const CPlayer& other)
{
    id = other.id;
    value = other.value;
    copyAppearanceAndSkills(*this, other);
    name = other.name;
    storedName = other.storedName;
    modified = other.modified;
    imported = other.imported;
    teamId = other.teamId;
}

void CPlayer::copyAttributesFrom(const CPlayer& other)
{
    copyAppearanceAndSkills(*this, other);
    name = other.name;
    storedName = other.storedName;
    modified = other.modified;
    imported = other.imported;
}

bool CPlayer::sameAs(const CPlayer& o) const
{
    if (value != o.value || id != o.id) return false;
    if (hairColour != o.hairColour || jerseyNumber != o.jerseyNumber || position != o.position || face != o.face
        || skinColour != o.skinColour || hairStyle != o.hairStyle || facialHair != o.facialHair)
        return false;
    for (auto m : kSkills)
        if (this->*m != o.*m) return false;
    return topByte == o.topByte && extraNibble1 == o.extraNibble1 && extraNibble2 == o.extraNibble2
           && extraNibble3 == o.extraNibble3 && extraNibble4 == o.extraNibble4 && letterCode == o.letterCode
           && extraNibble5 == o.extraNibble5 && altPosition == o.altPosition && name == o.name;
}
