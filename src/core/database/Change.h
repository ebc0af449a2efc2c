#pragma once

#include "database/Database.h"
#include "database/RecordLimits.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

// The one road by which the database changes after it is loaded.
//
// A rule runs inside a CTransaction. The first time the rule reaches a player, a team or
// the league list for writing, the transaction keeps that record's before-image (the whole
// record: every field and mark). commit() takes the after-images, drops records that ended
// as they began and yields a CChange, which can put either side back at any later time.
// A transaction that is destroyed without commit() puts everything back, so a rule that
// fails half way leaves nothing behind.
//
// The database-wide state (modified flag, import generation, highest ids, table offsets and
// sizes) is part of every change, so undo restores it exactly.

// The database-wide state a change carries on each side.
struct CDatabaseHeader
{
    bool modified = false;
    uint32_t highestPlayerId = 0;
    uint32_t highestTeamId = 0;
    uint32_t teamTableOffset = 0;
    uint32_t playerTableOffset = 0;
    uint32_t importGeneration = 0;
    std::size_t playerTableSize = 0;
    std::size_t teamTableSize = 0;
    std::size_t playerIndexSize = 0;
    std::size_t teamIndexSize = 0;
    friend bool operator==(const CDatabaseHeader&, const CDatabaseHeader&) = default;
};

// One record's two sides; nullopt where the record does not exist (added or removed).
template <class T>
struct CRecordImage
{
    uint32_t id = 0;
    std::optional<T> before;
    std::optional<T> after;
    std::string indexBefore;  // the name index entry on each side
    std::string indexAfter;
};

// What one step changed, and how to put either side back.
class CChange
{
public:
    bool empty() const;

    // Writes the before-images (undo) or the after-images (redo) into db. The database
    // must be in the state the other side describes for the records this change holds.
    void undo(CDatabase& db) const;
    void redo(CDatabase& db) const;

    // A later change on top of this one becomes part of it: this keeps its own
    // before-images and takes the later after-images. Used to merge repeated edits of one
    // field into one step, and to fold a save's bookkeeping into the step it saved.
    void absorb(CChange&& later);

    // What the change touched, so that each view updates only those rows and nodes.
    std::vector<uint32_t> players() const;
    std::vector<uint32_t> teams() const;
    bool touchesLeagues() const { return m_leaguesBefore.has_value(); }
    // Positions in the league list whose entry differs between the two sides (including
    // entries only one side has).
    std::vector<std::size_t> leagues() const;
    // Players and teams that exist on one side only.
    bool addsOrRemovesRecords() const;
    const CDatabaseHeader& headerBefore() const { return m_headerBefore; }
    const CDatabaseHeader& headerAfter() const { return m_headerAfter; }

    // The images themselves, for the gate.
    const std::vector<CRecordImage<CPlayer>>& playerImages() const { return m_players; }
    const std::vector<CRecordImage<CTeam>>& teamImages() const { return m_teams; }
    const std::optional<std::vector<CLeague>>& leagueImagesBefore() const { return m_leaguesBefore; }
    const std::optional<std::vector<CLeague>>& leagueImagesAfter() const { return m_leaguesAfter; }

    // Bytes this change holds, for the history's memory figure.
    std::size_t memoryBytes() const;

private:
    friend class CTransaction;
    void put(CDatabase& db, bool after) const;

    CDatabaseHeader m_headerBefore;
    CDatabaseHeader m_headerAfter;
    std::vector<CRecordImage<CPlayer>> m_players;
    std::vector<CRecordImage<CTeam>> m_teams;
    std::optional<std::vector<CLeague>> m_leaguesBefore;
    std::optional<std::vector<CLeague>> m_leaguesAfter;
};

// Thrown by CTransaction::commit when the change would leave a record the game's files cannot
// hold (see RecordLimits.h). The database is as it was before the transaction began.
class CChangeRefused : public std::runtime_error
{
public:
    explicit CChangeRefused(std::vector<CLimitProblem> problems);
    const std::vector<CLimitProblem>& problems() const { return m_problems; }

private:
    std::vector<CLimitProblem> m_problems;
};

// The change transaction every rule runs inside. It mirrors the writing half of
// CDatabase; reading goes through db().
class CTransaction
{
public:
    explicit CTransaction(CDatabase& db);
    ~CTransaction();
    CTransaction(const CTransaction&) = delete;
    CTransaction& operator=(const CTransaction&) = delete;

    const CDatabase& db() const { return m_db; }
    operator const CDatabase&() const { return m_db; }
    // The reading helpers rules use most, so that a rule reads the same inside the gate.
    std::string teamLabel(uint32_t id) const { return m_db.teamLabel(id); }
    std::string playerLabel(uint32_t id) const { return m_db.playerLabel(id); }
    std::string teamName(uint32_t id) const { return m_db.teamName(id); }
    std::string playerName(uint32_t id) const { return m_db.playerName(id); }
    std::vector<uint32_t> listedPlayers(uint32_t teamId) const { return m_db.listedPlayers(teamId); }

    // Writing access; the first call for a record keeps its before-image. Null as
    // CDatabase::player() is.
    CPlayer* player(uint32_t id);
    CTeam* team(uint32_t id);
    // Every record, each imaged (global changes); commit() drops the ones left unchanged.
    void forEachPlayer(const std::function<void(CPlayer&)>& f);
    void forEachTeam(const std::function<void(CTeam&)>& f);
    // The league list, imaged whole on first use.
    std::vector<std::unique_ptr<CLeague>>& leagues();
    CLeague* league(std::size_t position);
    CLeague& addLeague(std::unique_ptr<CLeague> league);

    CPlayer& addPlayer(std::unique_ptr<CPlayer> player);
    CTeam& addTeam(std::unique_ptr<CTeam> team);
    void reservePlayers(uint32_t highestId);
    void reserveTeams(uint32_t highestId);
    void copyTeamFull(CTeam& target, const CTeam& source);

    void setModified(bool on = true);
    void setImportGeneration(uint32_t generation);
    void setTableOffsets(uint32_t teamTableOffset, uint32_t playerTableOffset);

    // Ends the transaction: the change (empty when nothing differs). Afterwards the
    // transaction is spent; further writes are an error. A change that breaks the limits of
    // the game's files is put back and refused: CChangeRefused names each record, field and
    // limit.
    CChange commit();
    // Puts everything back now (what the destructor does without commit()).
    void rollback();

private:
    CPlayer* touchPlayer(uint32_t id);
    CTeam* touchTeam(uint32_t id);

    CDatabase& m_db;
    CChange m_change;
    // Ids already imaged (the index of their image in m_change, +1; 0 = not yet).
    // The ids already imaged: by index for the game's ids, by key for imported ones,
    // whose ids run into the millions.
    struct CSeen
    {
        std::vector<uint8_t> low;
        std::unordered_set<uint32_t> high;
        // True the first time id is seen.
        bool insert(uint32_t id)
        {
            if (id >= CDatabase::kImportedIdBase) return high.insert(id).second;
            if (id >= low.size()) low.resize(CDatabase::kImportedIdBase, 0);
            return std::exchange(low[id], uint8_t(1)) == 0;
        }
    };
    CSeen m_playerSeen;
    CSeen m_teamSeen;
    bool m_open = true;
};

// Where the rules of pages and commands send their changes: the GUI's document (which
// keeps the history), or a plain runner that applies and forgets (obrix-cli, tests).
class CChangeRunner
{
public:
    virtual ~CChangeRunner() = default;
    virtual const CDatabase& database() const = 0;
    // Runs rule inside one transaction and records the change (when not empty) as one
    // step called name. Two steps in a row with the same non-zero mergeKey become one.
    // A change the gate refuses leaves nothing behind; the refusal's message (one line per
    // problem) is returned, and nothing on success.
    virtual std::optional<std::string> run(const std::string& name, const std::function<void(CTransaction&)>& rule,
                                           uint64_t mergeKey = 0) = 0;
};

// Applies changes and keeps nothing.
class CDirectRunner : public CChangeRunner
{
public:
    explicit CDirectRunner(CDatabase& db) : m_db(db) {}
    const CDatabase& database() const override { return m_db; }
    std::optional<std::string> run(const std::string& name, const std::function<void(CTransaction&)>& rule,
                                   uint64_t mergeKey = 0) override;

    // Told of every change that is not empty, as the window's views are.
    std::function<void(const CChange&)> onChange;

private:
    CDatabase& m_db;
};

// A merge key for an edit of one field of one record: kind (player/team page), the
// record's id and the field's number.
inline uint64_t fieldMergeKey(uint32_t kind, uint32_t recordId, uint32_t field)
{
    return (uint64_t(kind) << 48) | (uint64_t(recordId) << 16) | field;
}
