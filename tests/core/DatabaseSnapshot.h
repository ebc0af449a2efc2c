#pragma once

#include "database/Database.h"

#include <sstream>
#include <string>

// Every field of every record, the indexes and the database-wide state as one text, so
// that "nothing changed" can be checked whole.
inline std::string databaseSnapshot(const CDatabase& db)
{
    std::ostringstream o;
    db.forEachPlayer([&](const CPlayer& p) {
        o << "P " << p.id << ' ' << p.value << ' ' << int(p.hairColour) << ' ' << int(p.jerseyNumber) << ' '
          << int(p.position) << ' ' << int(p.face) << ' ' << int(p.skinColour) << ' ' << int(p.hairStyle) << ' '
          << int(p.facialHair);
        for (int s = 0; s < CPlayer::kSkillCount; ++s) o << ' ' << int(p.skill(s));
        o << ' ' << p.countryId << ' ' << int(p.topByte) << ' ' << int(p.extraNibble1) << ' ' << int(p.extraNibble2)
          << ' ' << int(p.extraNibble3) << ' ' << int(p.extraNibble4) << ' ' << int(p.letterCode) << ' '
          << int(p.extraNibble5) << ' ' << int(p.altPosition) << " [" << p.name << "][" << p.storedName << "] "
          << p.hasCommentary << ' ' << p.modified << ' ' << p.imported << ' ' << p.destinationTeamId << ' '
          << p.copyMark << ' ' << p.teamId << ' ' << p.fileIndex << '\n';
    });
    db.forEachTeam([&](const CTeam& t) {
        o << "T " << t.fileIndex << ' ' << t.id << ' ' << t.bankroll;
        for (int v : {t.teamExtra1, t.homeJerseyStyle, t.homeJerseyColour1, t.homeJerseyColour2, t.homeJerseyColour3,
                      t.homeShortsStyle, t.homeShortsColour1, t.homeShortsColour2, t.homeSocksStyle,
                      t.homeSocksColour1, t.homeSocksColour2, t.awayJerseyStyle, t.awayJerseyColour1,
                      t.awayJerseyColour2, t.awayJerseyColour3, t.awayShortsStyle, t.awayShortsColour1,
                      t.awayShortsColour2, t.awaySocksStyle, t.awaySocksColour1, t.awaySocksColour2, t.teamExtra2,
                      t.teamExtra3, t.teamExtra4, t.teamExtra5, t.teamExtra6, t.teamExtra7, t.teamExtra8,
                      t.teamExtra9, t.teamExtra11, t.teamExtra12, t.teamExtra13, t.teamExtra14, t.playerCount})
            o << ' ' << v;
        o << ' ' << t.teamExtra10 << ' ' << t.countryId << ' ' << t.teamExtra15;
        for (const auto* list : {&t.players, &t.loadedPlayers, &t.incomingPlayers})
        {
            o << " |";
            for (uint32_t id : *list) o << ' ' << id;
        }
        o << " [" << t.longName << "][" << t.abbreviation << "][" << t.shortName << "] " << t.modified << ' '
          << t.imported << '\n';
    });
    for (const auto& l : db.leagues())
    {
        o << "L " << l->editorOnly << ' ' << l->slotCount << " [" << l->displayName << "] " << l->id << ' '
          << l->importedLeague << ' ' << l->modified << " |";
        for (uint32_t id : l->teamIds) o << ' ' << id;
        o << '\n';
    }
    o << "N";
    for (uint32_t id = 0; id < db.playerNameIndex().size(); ++id) o << " [" << db.playerNameIndex()[id] << ']';
    o << "\nM";
    for (uint32_t id = 0; id < db.teamNameIndex().size(); ++id) o << " [" << db.teamNameIndex()[id] << ']';
    o << "\nS " << db.playerTableSize() << ' ' << db.teamTableSize() << ' ' << db.highestPlayerId() << ' '
      << db.highestTeamId() << ' ' << db.importGeneration() << ' ' << db.modified() << '\n';
    return o.str();
}
