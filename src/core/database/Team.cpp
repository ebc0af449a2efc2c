#include "database/Team.h"

bool CTeam::addIncoming(uint32_t playerId)
{
    for (auto& slot : incomingPlayers)
        if (slot == 0)
        {
            slot = playerId;
            return true;
        }
    return false;
}

bool CTeam::removeIncoming(uint32_t playerId)
{
    for (auto& slot : incomingPlayers)
        if (slot == playerId)
        {
            slot = 0;
            return true;
        }
    return false;
}

void CTeam::clearIncoming()
{
    incomingPlayers.fill(0);
}

int CTeam::nonEmptySlots() const
{
    int n = 0;
    for (auto id : players) n += id != 0;
    return n;
}

void CTeam::copyAttributesFrom(const CTeam& o)
{
    // bankroll .. teamExtra15 in declaration order
    bankroll = o.bankroll;
    teamExtra1 = o.teamExtra1;
    homeJerseyStyle = o.homeJerseyStyle;
    homeJerseyColour1 = o.homeJerseyColour1;
    homeJerseyColour2 = o.homeJerseyColour2;
    homeJerseyColour3 = o.homeJerseyColour3;
    homeShortsStyle = o.homeShortsStyle;
    homeShortsColour1 = o.homeShortsColour1;
    homeShortsColour2 = o.homeShortsColour2;
    homeSocksStyle = o.homeSocksStyle;
    homeSocksColour1 = o.homeSocksColour1;
    homeSocksColour2 = o.homeSocksColour2;
    awayJerseyStyle = o.awayJerseyStyle;
    awayJerseyColour1 = o.awayJerseyColour1;
    awayJerseyColour2 = o.awayJerseyColour2;
    awayJerseyColour3 = o.awayJerseyColour3;
    awayShortsStyle = o.awayShortsStyle;
    awayShortsColour1 = o.awayShortsColour1;
    awayShortsColour2 = o.awayShortsColour2;
    awaySocksStyle = o.awaySocksStyle;
    awaySocksColour1 = o.awaySocksColour1;
    awaySocksColour2 = o.awaySocksColour2;
    teamExtra2 = o.teamExtra2;
    teamExtra3 = o.teamExtra3;
    teamExtra4 = o.teamExtra4;
    teamExtra5 = o.teamExtra5;
    teamExtra6 = o.teamExtra6;
    teamExtra7 = o.teamExtra7;
    teamExtra8 = o.teamExtra8;
    teamExtra9 = o.teamExtra9;
    teamExtra10 = o.teamExtra10;
    teamExtra11 = o.teamExtra11;
    teamExtra12 = o.teamExtra12;
    teamExtra13 = o.teamExtra13;
    teamExtra14 = o.teamExtra14;
    playerCount = o.playerCount;
    countryId = o.countryId;
    teamExtra15 = o.teamExtra15;
    longName = o.longName;
    abbreviation = o.abbreviation;
    shortName = o.shortName;
    modified = o.modified;
}

bool CTeam::sameAs(const CTeam& o) const
{
    return id == o.id && bankroll == o.bankroll && teamExtra1 == o.teamExtra1 && homeJerseyStyle == o.homeJerseyStyle
           && homeJerseyColour1 == o.homeJerseyColour1 && homeJerseyColour2 == o.homeJerseyColour2
           && homeJerseyColour3 == o.homeJerseyColour3 && homeShortsStyle == o.homeShortsStyle
           && homeShortsColour1 == o.homeShortsColour1 && homeShortsColour2 == o.homeShortsColour2
           && homeSocksStyle == o.homeSocksStyle && homeSocksColour1 == o.homeSocksColour1
           && homeSocksColour2 == o.homeSocksColour2 && awayJerseyStyle == o.awayJerseyStyle
           && awayJerseyColour1 == o.awayJerseyColour1 && awayJerseyColour2 == o.awayJerseyColour2
           && awayJerseyColour3 == o.awayJerseyColour3 && awayShortsStyle == o.awayShortsStyle
           && awayShortsColour1 == o.awayShortsColour1 && awayShortsColour2 == o.awayShortsColour2
           && awaySocksStyle == o.awaySocksStyle && awaySocksColour1 == o.awaySocksColour1
           && awaySocksColour2 == o.awaySocksColour2 && countryId == o.countryId && teamExtra15 == o.teamExtra15
           && longName == o.longName;
}
