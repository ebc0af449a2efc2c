#pragma once

#include "database/League.h"
#include "database/Player.h"
#include "database/Team.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The whole game database while the editor runs: players and teams in tables indexed
// by id (slot 0 is never used; the tables grow on demand), leagues in game-file order.
// Records are plain data; every change goes through the functions here or through the
// editing rules built on them.
class CDatabase
{
public:
    static constexpr uint32_t kImportedIdBase = 0x10000;
    static constexpr uint32_t kFirstImportGeneration = 0x30000;
    static constexpr int kNoFileIndex = 511;
    static constexpr uint32_t kLeagueNodeBase = 200000;

    CDatabase() = default;
    CDatabase(const CDatabase&) = delete;
    CDatabase& operator=(const CDatabase&) = delete;
    CDatabase(CDatabase&&) = default;
    CDatabase& operator=(CDatabase&&) = default;

    // Lookups: null for id 0, an id beyond the table, or an empty slot.
    CPlayer* player(uint32_t id);
    const CPlayer* player(uint32_t id) const;
    CTeam* team(uint32_t id);
    const CTeam* team(uint32_t id) const;

    // Stores a record under its id, replacing any record there, and keeps the name
    // index and the highest id up to date.
    CPlayer& addPlayer(std::unique_ptr<CPlayer> player);
    CTeam& addTeam(std::unique_ptr<CTeam> team);
    // The same for a whole file's worth of records at once, kept in one block.
    void addPlayers(std::vector<CPlayer>&& players);
    void addTeams(std::vector<CTeam>&& teams);
    CLeague& addLeague(std::unique_ptr<CLeague> league);

    // Makes room for ids up to highestId, so that a load grows each table once.
    void reservePlayers(uint32_t highestId);
    void reserveTeams(uint32_t highestId);

    std::size_t playerTableSize() const { return m_playerStore.table.size(); }
    std::size_t teamTableSize() const { return m_teamStore.table.size(); }
    std::size_t playerCount() const;
    std::size_t teamCount() const;

    // Visit every record in ascending id order.
    template <class F> void forEachPlayer(F&& f) const
    {
        for (const CPlayer* p : m_playerStore.table)
            if (p) f(*p);
    }
    template <class F> void forEachPlayer(F&& f)
    {
        for (CPlayer* p : m_playerStore.table)
            if (p) f(*p);
    }
    template <class F> void forEachTeam(F&& f) const
    {
        for (const CTeam* t : m_teamStore.table)
            if (t) f(*t);
    }
    template <class F> void forEachTeam(F&& f)
    {
        for (CTeam* t : m_teamStore.table)
            if (t) f(*t);
    }

    std::vector<std::unique_ptr<CLeague>>& leagues() { return m_leagues; }
    const std::vector<std::unique_ptr<CLeague>>& leagues() const { return m_leagues; }
    CLeague* league(std::size_t position);

    // Labels: name, then " *" when imported, then " +" when modified; empty when the
    // record does not exist.
    std::string teamLabel(uint32_t teamId) const;
    std::string playerLabel(uint32_t playerId) const;
    // Name of the player in slot s of a team's players, empty when none.
    std::string playerNameInSlot(uint32_t teamId, int slot) const;
    std::string teamName(uint32_t teamId) const;
    // At most 15 characters.
    std::string playerName(uint32_t playerId) const;

    // kNoFileIndex for CPlayer::kNoTeam, -1 when no such team.
    int fileIndexOfTeam(uint32_t teamId) const;
    // Id of the team stored at that ordinal of the team table, -1 when none.
    int64_t teamIdAtFileIndex(uint32_t fileIndex) const;

    // The first team in id order with the player's country lists the player (in its
    // players with no pending move, or among its incoming players).
    bool isInternational(uint32_t playerId) const;

    // Full team copy: id, attributes, names, the three player lists; the players in the
    // copied incoming list get destinationTeamId = source id.
    void copyTeamFull(CTeam& target, const CTeam& source);

    // The players a team lists now: its players slots whose player has not moved
    // away, then its incoming players.
    std::vector<uint32_t> listedPlayers(uint32_t teamId) const;

    bool modified() const { return m_modified != 0; }
    void setModified(bool on = true) { m_modified = on ? 1 : 0; }

    uint32_t highestPlayerId = 0;
    uint32_t highestTeamId = 0;
    uint32_t teamTableOffset = 0;
    uint32_t playerTableOffset = 0;
    uint32_t importGeneration = 0;
    std::string languageCode = "ENG";
    std::vector<std::string> teamNameIndex;
    std::vector<std::string> playerNameIndex;

private:
    // Records live in blocks (a loaded file's records in one allocation) or on their own
    // (records added later); the tables index them by id. A block is never resized, so
    // a record stays where it is for the life of the database.
    template <class T>
    struct CStore
    {
        std::vector<T*> table;
        std::vector<std::vector<T>> blocks;
        std::vector<std::unique_ptr<T>> singles;
    };
    template <class T> friend struct CStoreOps;

    CStore<CPlayer> m_playerStore;
    CStore<CTeam> m_teamStore;
    std::vector<std::unique_ptr<CLeague>> m_leagues;
    uint32_t m_modified = 0;
};
