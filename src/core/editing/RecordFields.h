#pragma once

#include "database/League.h"
#include "database/Player.h"
#include "database/RecordKind.h"
#include "database/Team.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// Every field of the three records under one name, in one order: the order and names
// the JSON dump, the table export and import, the comparison of two databases and the
// check all share, so that a column written by one is read back by the others.

enum class CFieldType
{
    Number,
    Text,    // 8-bit text as the database holds it
    IdList,  // ids of other records, 0 for an empty slot
};

enum class CFieldRole
{
    Key,          // the record's id: rows are matched by it, it never changes
    Editable,
    Derived,      // follows from other data (the lists, the file order, the speech index)
    Bookkeeping,  // the editor's own state: marks, pending moves, lists as loaded
};

// One value of any type; only the member of the field's type is used.
struct CFieldValue
{
    int64_t number = 0;
    std::string text;
    std::vector<uint32_t> ids;

    bool operator==(const CFieldValue&) const = default;
};

template <class T>
struct CRecordField
{
    const char* name;
    CFieldType type;
    CFieldRole role;
    // False for fields that a save rewrites or that follow from other fields: a
    // comparison of two databases leaves them out.
    bool compared;
    // Number: the range the record can hold. Text: max is the longest name in bytes.
    // IdList: max is the most entries.
    int64_t min;
    int64_t max;
    CFieldValue (*get)(const T&);
    void (*set)(T&, const CFieldValue&);
    // Number: what people read and type is the stored number plus this. The skills are
    // kept 0..15 and shown 1..16, as the Player page spins them; the rest as stored.
    int64_t shownOffset;
};

using CPlayerRecordField = CRecordField<CPlayer>;
using CTeamRecordField = CRecordField<CTeam>;
using CLeagueRecordField = CRecordField<CLeague>;

namespace recordfields
{
std::span<const CPlayerRecordField> players();
std::span<const CTeamRecordField> teams();
std::span<const CLeagueRecordField> leagues();

// The field's name by kind and index into that kind's table.
const char* fieldName(CRecordKind kind, int field);
CFieldType fieldType(CRecordKind kind, int field);
CFieldRole fieldRole(CRecordKind kind, int field);
int fieldCount(CRecordKind kind);
// -1 when the kind has no such field.
int fieldIndex(CRecordKind kind, const std::string& name);

// The one statement of how a stored number reads to people and back: the spreadsheet
// files, the import's messages, the Changes list and the comparison's text all show
// shownNumber, and an import stores storedNumber of what it reads. Only the dump (the
// files' own values) shows stored numbers.
int64_t shownNumber(CRecordKind kind, int field, int64_t stored);
int64_t storedNumber(CRecordKind kind, int field, int64_t shown);
} // namespace recordfields
