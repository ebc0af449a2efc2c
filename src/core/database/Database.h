#pragma once

#include "database/IdTable.h"
#include "database/League.h"
#include "database/Player.h"
#include "database/Team.h"

#include <cstdint>
#include <filesystem>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// The whole game database while the editor runs: players and teams in tables indexed
// by id (slot 0 is never used; the tables grow on demand, sized by the records there:
// database/IdTable.h), leagues in game-file order.
// Records are plain data. Readers get a const database; every change after loading runs
// inside a CTransaction (database/Change.h), which keeps what it needs to undo it.
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

    // Reading. Writing goes through a CTransaction (or, while a fresh database is built,
    // a CDatabaseBuilder), so that every change can be undone.
    // Lookups: null for id 0, an id beyond the table, or an empty slot.
    const CPlayer* player(uint32_t id) const;
    const CTeam* team(uint32_t id) const;

    std::size_t playerTableSize() const { return m_playerStore.table.size(); }
    std::size_t teamTableSize() const { return m_teamStore.table.size(); }
    std::size_t playerCount() const;
    std::size_t teamCount() const;

    // Visit every record in ascending id order.
    template <class F> void forEachPlayer(F&& f) const
    {
        m_playerStore.table.forEach([&](const CPlayer* p) { f(*p); });
    }
    template <class F> void forEachTeam(F&& f) const
    {
        m_teamStore.table.forEach([&](const CTeam* t) { f(*t); });
    }

    // The league list, read-only: each entry reads as a const CLeague*.
    class CLeagueList
    {
    public:
        using Store = std::vector<std::unique_ptr<CLeague>>;
        class const_iterator
        {
        public:
            using iterator_category = std::random_access_iterator_tag;
            using value_type = const CLeague*;
            using difference_type = std::ptrdiff_t;
            using pointer = const CLeague* const*;
            using reference = const CLeague*;
            const_iterator() = default;
            explicit const_iterator(Store::const_iterator it) : m_it(it) {}
            const CLeague* operator*() const { return m_it->get(); }
            const CLeague* operator[](difference_type n) const { return m_it[n].get(); }
            const_iterator& operator++() { ++m_it; return *this; }
            const_iterator operator++(int) { auto c = *this; ++m_it; return c; }
            const_iterator& operator--() { --m_it; return *this; }
            const_iterator& operator+=(difference_type n) { m_it += n; return *this; }
            const_iterator operator+(difference_type n) const { return const_iterator(m_it + n); }
            const_iterator operator-(difference_type n) const { return const_iterator(m_it - n); }
            difference_type operator-(const const_iterator& o) const { return m_it - o.m_it; }
            friend bool operator==(const const_iterator&, const const_iterator&) = default;
            auto operator<=>(const const_iterator& o) const { return m_it <=> o.m_it; }

        private:
            Store::const_iterator m_it;
        };
        using iterator = const_iterator;
        explicit CLeagueList(const Store& s) : m_s(&s) {}
        std::size_t size() const { return m_s->size(); }
        bool empty() const { return m_s->empty(); }
        const CLeague* operator[](std::size_t i) const { return (*m_s)[i].get(); }
        const CLeague* at(std::size_t i) const { return m_s->at(i).get(); }
        const CLeague* front() const { return m_s->front().get(); }
        const CLeague* back() const { return m_s->back().get(); }
        const_iterator begin() const { return const_iterator(m_s->begin()); }
        const_iterator end() const { return const_iterator(m_s->end()); }

    private:
        const Store* m_s;
    };
    CLeagueList leagues() const { return CLeagueList(m_leagues); }
    const CLeague* league(std::size_t position) const;

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

    // The players a team lists now: its players slots whose player has not moved
    // away, then its incoming players.
    std::vector<uint32_t> listedPlayers(uint32_t teamId) const;

    bool modified() const { return m_modified != 0; }
    uint32_t highestPlayerId() const { return m_highestPlayerId; }
    uint32_t highestTeamId() const { return m_highestTeamId; }
    uint32_t teamTableOffset() const { return m_teamTableOffset; }
    uint32_t playerTableOffset() const { return m_playerTableOffset; }
    uint32_t importGeneration() const { return m_importGeneration; }
    const std::string& languageCode() const { return m_languageCode; }
    // The game folder whose files this database was read from whole (players, teams and
    // leagues); empty when it was built some other way or its read stopped part way. A
    // save writes only there, so that a database that lacks what the files hold never
    // replaces them.
    const std::filesystem::path& readFrom() const { return m_readFrom; }
    // The names the records had when they were added, by id.
    const CNameIndex& teamNameIndex() const { return m_teamNameIndex; }
    const CNameIndex& playerNameIndex() const { return m_playerNameIndex; }

    // A second database equal to this one, record for record (the save works on one).
    CDatabase copy() const;

private:
    friend class CTransaction;
    friend class CChange;
    friend class CDatabaseBuilder;

    // The writing half, reached through CTransaction and CDatabaseBuilder only.
    CPlayer* writablePlayer(uint32_t id);
    CTeam* writableTeam(uint32_t id);
    CPlayer& addPlayer(std::unique_ptr<CPlayer> player);
    CTeam& addTeam(std::unique_ptr<CTeam> team);
    void addPlayers(std::vector<CPlayer>&& players);
    void addTeams(std::vector<CTeam>&& teams);
    CLeague& addLeague(std::unique_ptr<CLeague> league);
    void reservePlayers(uint32_t highestId);
    void reserveTeams(uint32_t highestId);
    CLeague* writableLeague(std::size_t position);
    std::vector<std::unique_ptr<CLeague>>& leagueStore() { return m_leagues; }
    template <class F> void forEachWritablePlayer(F&& f)
    {
        m_playerStore.table.forEach([&](CPlayer* p) { f(*p); });
    }
    template <class F> void forEachWritableTeam(F&& f)
    {
        m_teamStore.table.forEach([&](CTeam* t) { f(*t); });
    }
    // Full team copy: id, attributes, names, the three player lists; the players in the
    // copied incoming list get destinationTeamId = source id.
    void copyTeamFull(CTeam& target, const CTeam& source);
    // Undo and redo: a record put back as it was on one side (nullopt: it did not exist),
    // and the tables and name indexes brought to their sizes on that side.
    void putPlayer(uint32_t id, const std::optional<CPlayer>& image, const std::string& indexEntry);
    void putTeam(uint32_t id, const std::optional<CTeam>& image, const std::string& indexEntry);
    void setSizes(std::size_t playerTableSize, std::size_t teamTableSize, std::size_t playerIndexSize,
                  std::size_t teamIndexSize);

    uint32_t m_highestPlayerId = 0;
    uint32_t m_highestTeamId = 0;
    uint32_t m_teamTableOffset = 0;
    uint32_t m_playerTableOffset = 0;
    uint32_t m_importGeneration = 0;
    std::string m_languageCode = "ENG";
    std::filesystem::path m_readFrom;
    CNameIndex m_teamNameIndex;
    CNameIndex m_playerNameIndex;

    // Records live in blocks (a loaded file's records in one allocation) or on their own
    // (records added later); the tables index them by id. A block is never resized, so
    // a record stays where it is for the life of the database.
    template <class T>
    struct CStore
    {
        CIdTable<T> table;
        std::vector<std::vector<T>> blocks;
        std::vector<std::unique_ptr<T>> singles;
    };
    template <class T> friend struct CStoreOps;

    CStore<CPlayer> m_playerStore;
    CStore<CTeam> m_teamStore;
    std::vector<std::unique_ptr<CLeague>> m_leagues;
    uint32_t m_modified = 0;
};

// Writing access for code that builds a fresh database (the file loaders, the sample
// generator, test fixtures): no images are kept, so it is never used on a database the
// user is editing.
class CDatabaseBuilder
{
public:
    explicit CDatabaseBuilder(CDatabase& db) : m_db(db) {}
    CPlayer* player(uint32_t id) { return m_db.writablePlayer(id); }
    CTeam* team(uint32_t id) { return m_db.writableTeam(id); }
    CPlayer& addPlayer(std::unique_ptr<CPlayer> player) { return m_db.addPlayer(std::move(player)); }
    CTeam& addTeam(std::unique_ptr<CTeam> team) { return m_db.addTeam(std::move(team)); }
    void addPlayers(std::vector<CPlayer>&& players) { m_db.addPlayers(std::move(players)); }
    void addTeams(std::vector<CTeam>&& teams) { m_db.addTeams(std::move(teams)); }
    CLeague& addLeague(std::unique_ptr<CLeague> league) { return m_db.addLeague(std::move(league)); }
    CLeague* league(std::size_t position) { return m_db.writableLeague(position); }
    std::vector<std::unique_ptr<CLeague>>& leagues() { return m_db.m_leagues; }
    void reservePlayers(uint32_t highestId) { m_db.reservePlayers(highestId); }
    void reserveTeams(uint32_t highestId) { m_db.reserveTeams(highestId); }
    template <class F> void forEachPlayer(F&& f) { m_db.forEachWritablePlayer(std::forward<F>(f)); }
    template <class F> void forEachTeam(F&& f) { m_db.forEachWritableTeam(std::forward<F>(f)); }
    void copyTeamFull(CTeam& target, const CTeam& source) { m_db.copyTeamFull(target, source); }
    void setModified(bool on = true) { m_db.m_modified = on ? 1 : 0; }
    void setLanguageCode(std::string code) { m_db.m_languageCode = std::move(code); }
    void setReadFrom(std::filesystem::path gameFolder) { m_db.m_readFrom = std::move(gameFolder); }
    void setImportGeneration(uint32_t generation) { m_db.m_importGeneration = generation; }
    void setTeamTableOffset(uint32_t offset) { m_db.m_teamTableOffset = offset; }
    void setPlayerTableOffset(uint32_t offset) { m_db.m_playerTableOffset = offset; }

private:
    CDatabase& m_db;
};
