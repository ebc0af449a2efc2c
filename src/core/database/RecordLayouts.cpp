#include "database/RecordLayouts.h"

namespace layouts
{
void unpackPlayer(const uint8_t* bytes, CPlayer& player)
{
    bitfields::unpack<kPlayerFields>(bytes, player);
}

void packPlayer(const CPlayer& player, uint8_t* bytes)
{
    bitfields::pack<kPlayerFields>(player, bytes);
}

void unpackTeam(const uint8_t* bytes, CTeam& team)
{
    bitfields::unpack<kTeamFields>(bytes, team);
    for (int s = 0; s < CTeam::kSlots; ++s)
        team.players[s] = bitfields::readWord(bytes + kTeamSlotsOffset + 2 * s, 2);
    team.loadedPlayers = team.players;
}

void packTeam(const CTeam& team, uint8_t* bytes)
{
    bitfields::pack<kTeamFields>(team, bytes);
    for (int s = 0; s < CTeam::kSlots; ++s)
        bitfields::writeWord(bytes + kTeamSlotsOffset + 2 * s, 2, team.players[s] & 0xFFFF);
}
} // namespace layouts
