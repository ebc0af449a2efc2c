#pragma once

#include "database/Change.h"
#include "database/Database.h"
#include "editing/RecordFields.h"
#include "util/TextCodec.h"

#include <algorithm>
#include <unordered_set>

#include <cstdint>
#include <span>
#include <string>
#include <vector>


// One field of one record from one value to another: what an import applies, what a
// comparison of two databases finds, what a revert puts back.
struct CFieldChange
{
    enum class CSide
    {
        Both,   // the record is on both sides; field says which field differs
        OnlyA,  // the record is only on the old side (field is -1)
        OnlyB,  // the record is only on the new side (field is -1)
    };

    CRecordKind kind = CRecordKind::Player;
    uint32_t id = 0;
    int field = -1;  // index into the kind's field table
    CFieldValue before;
    CFieldValue after;
    CSide side = CSide::Both;
    // Leagues only: which of the leagues with this id (the editor's new and imported
    // leagues may share one), counted in list order from 0.
    uint32_t occurrence = 0;
};

// The league with that id (the occurrence-th of them in list order), null when none.
const CLeague* leagueById(const CDatabase& db, uint32_t id, uint32_t occurrence = 0);
// How many leagues have that id.
std::size_t leaguesWithId(const CDatabase& db, uint32_t id);

// The record exists in the database.
bool recordExists(const CDatabase& db, CRecordKind kind, uint32_t id);

// The value of one field of one record, as the field table reads it.
CFieldValue fieldValue(const CDatabase& db, CRecordKind kind, uint32_t id, int field);

// Sets each change's after value (changes of records that are gone, or of no field, are
// skipped), marks each touched record modified and the database modified, and keeps
// the players' club links as a fresh load would derive them when a team's list changed.
// This is the one place a bulk edit writes the database: an import, a revert and their
// undo all come through here.
void applyFieldChanges(CTransaction& tx, std::span<const CFieldChange> changes);

// The same through any writer with the database's writing calls (player(), team(),
// leagues(), setModified()) that reads as a const database: the change gate's
// transaction, so that an import or a revert becomes one step of the history.
template <class Writer>
void applyFieldChangesWith(Writer& writer, std::span<const CFieldChange> changes)
{
    const CDatabase& db = writer;
    std::unordered_set<uint32_t> relinked;
    bool any = false;
    const int playersField = recordfields::fieldIndex(CRecordKind::Team, "players");
    for (const CFieldChange& c : changes)
    {
        if (c.field < 0 || c.field >= recordfields::fieldCount(c.kind)) continue;
        const std::size_t f = std::size_t(c.field);
        switch (c.kind)
        {
        case CRecordKind::League:
        {
            uint32_t seen = 0;
            for (auto& l : writer.leagues())
                if (l->id == c.id && seen++ == c.occurrence)
                {
                    recordfields::leagues()[f].set(*l, c.after);
                    l->modified = 1;
                    any = true;
                    break;
                }
            break;
        }
        case CRecordKind::Team:
            if (CTeam* t = writer.team(c.id))
            {
                if (c.field == playersField)
                {
                    for (uint32_t id : t->players) relinked.insert(id);
                    for (uint32_t id : c.after.ids) relinked.insert(id);
                }
                recordfields::teams()[f].set(*t, c.after);
                t->modified = 1;
                any = true;
            }
            break;
        default:
            if (CPlayer* p = writer.player(c.id))
            {
                recordfields::players()[f].set(*p, c.after);
                p->modified = 1;
                any = true;
            }
            break;
        }
    }
    relinked.erase(0);
    if (!relinked.empty())
    {
        // As the loader links them: the last team in id order listing a player decides.
        std::vector<std::pair<uint32_t, uint32_t>> links;  // player, team link
        for (uint32_t id : relinked) links.emplace_back(id, 0);
        std::sort(links.begin(), links.end());
        db.forEachTeam([&](const CTeam& t) {
            for (uint32_t id : t.players)
            {
                auto it = std::lower_bound(links.begin(), links.end(), std::pair<uint32_t, uint32_t>(id, 0));
                if (it != links.end() && it->first == id) it->second = t.bankroll != 0 ? t.id : CPlayer::kNoTeam;
            }
        });
        for (const auto& [id, team] : links)
            if (const CPlayer* now = db.player(id); now && now->teamId != team)
                if (CPlayer* p = writer.player(id)) p->teamId = team;
    }
    if (any) writer.setModified();
}

// The same changes the other way round: applying them puts the before values back.
std::vector<CFieldChange> reversedChanges(std::span<const CFieldChange> changes);

// A value for people: numbers in decimal as people read them (skills 1..16), text in
// quotes as UTF-8, lists as ids separated by spaces in brackets (empty slots at the end
// left out).
std::string displayValue(CRecordKind kind, int field, const CFieldValue& value, CTextEncoding encoding);
// A value as a table cell holds it: numbers as people read them, text unquoted, lists as
// every entry separated by single spaces.
std::string cellValue(CRecordKind kind, int field, const CFieldValue& value, CTextEncoding encoding);

// "KIND ID FIELD: OLD -> NEW", or "KIND ID: only in A" / "... only in B".
std::string describeChange(const CFieldChange& change, CTextEncoding encoding);
