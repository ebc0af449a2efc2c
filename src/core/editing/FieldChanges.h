#pragma once

#include "editing/RecordFields.h"
#include "util/TextCodec.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

class CDatabase;
struct CLeague;

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
};

// The first league with that id, null when none.
const CLeague* leagueById(const CDatabase& db, uint32_t id);
CLeague* leagueById(CDatabase& db, uint32_t id);

// The record exists in the database.
bool recordExists(const CDatabase& db, CRecordKind kind, uint32_t id);

// The value of one field of one record, as the field table reads it.
CFieldValue fieldValue(const CDatabase& db, CRecordKind kind, uint32_t id, int field);

// Sets each change's after value (changes of records that are gone, or of no field, are
// skipped), marks each touched record modified and the database modified, and keeps
// the players' club links as a fresh load would derive them when a team's list changed.
// This is the one place a bulk edit writes the database: an import, a revert and their
// undo all come through here.
void applyFieldChanges(CDatabase& db, std::span<const CFieldChange> changes);

// The same changes the other way round: applying them puts the before values back.
std::vector<CFieldChange> reversedChanges(std::span<const CFieldChange> changes);

// A value for people: numbers in decimal, text in quotes as UTF-8, lists as ids
// separated by spaces in brackets (empty slots at the end left out).
std::string displayValue(CRecordKind kind, int field, const CFieldValue& value, CTextEncoding encoding);
// A value as a table cell holds it: text unquoted, lists as every entry separated by
// single spaces.
std::string cellValue(CRecordKind kind, int field, const CFieldValue& value, CTextEncoding encoding);

// "KIND ID FIELD: OLD -> NEW", or "KIND ID: only in A" / "... only in B".
std::string describeChange(const CFieldChange& change, CTextEncoding encoding);
