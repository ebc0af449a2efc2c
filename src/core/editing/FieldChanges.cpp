#include "editing/FieldChanges.h"

#include "database/Change.h"
#include "database/Database.h"

#include <algorithm>
#include <unordered_set>

const CLeague* leagueById(const CDatabase& db, uint32_t id, uint32_t occurrence)
{
    for (const auto& l : db.leagues())
        if (l->id == id && occurrence-- == 0) return l;
    return nullptr;
}

std::size_t leaguesWithId(const CDatabase& db, uint32_t id)
{
    return std::size_t(std::count_if(db.leagues().begin(), db.leagues().end(), [&](const auto& l) { return l->id == id; }));
}

bool recordExists(const CDatabase& db, CRecordKind kind, uint32_t id)
{
    switch (kind)
    {
    case CRecordKind::League: return leagueById(db, id) != nullptr;
    case CRecordKind::Team: return db.team(id) != nullptr;
    default: return db.player(id) != nullptr;
    }
}

CFieldValue fieldValue(const CDatabase& db, CRecordKind kind, uint32_t id, int field)
{
    if (field < 0 || field >= recordfields::fieldCount(kind)) return {};
    const std::size_t f = std::size_t(field);
    switch (kind)
    {
    case CRecordKind::League:
        if (const CLeague* l = leagueById(db, id)) return recordfields::leagues()[f].get(*l);
        break;
    case CRecordKind::Team:
        if (const CTeam* t = db.team(id)) return recordfields::teams()[f].get(*t);
        break;
    default:
        if (const CPlayer* p = db.player(id)) return recordfields::players()[f].get(*p);
        break;
    }
    return {};
}

void applyFieldChanges(CTransaction& tx, std::span<const CFieldChange> changes)
{
    applyFieldChangesWith(tx, changes);
}

std::vector<CFieldChange> reversedChanges(std::span<const CFieldChange> changes)
{
    std::vector<CFieldChange> out(changes.rbegin(), changes.rend());
    for (CFieldChange& c : out) std::swap(c.before, c.after);
    return out;
}

namespace
{
std::string joinIds(const std::vector<uint32_t>& ids, std::size_t count)
{
    std::string out;
    for (std::size_t i = 0; i < count; ++i)
    {
        if (i) out += ' ';
        out += std::to_string(ids[i]);
    }
    return out;
}
} // namespace

std::string cellValue(CRecordKind kind, int field, const CFieldValue& value, CTextEncoding encoding)
{
    switch (recordfields::fieldType(kind, field))
    {
    case CFieldType::Text: return toUtf8(value.text, encoding);
    case CFieldType::IdList: return joinIds(value.ids, value.ids.size());
    default: return std::to_string(recordfields::shownNumber(kind, field, value.number));
    }
}

std::string displayValue(CRecordKind kind, int field, const CFieldValue& value, CTextEncoding encoding)
{
    switch (recordfields::fieldType(kind, field))
    {
    case CFieldType::Text:
    {
        // Built in place: GCC 12 warns (wrongly) about "\"" + text at -O2.
        std::string quoted(1, '"');
        quoted += toUtf8(value.text, encoding);
        quoted += '"';
        return quoted;
    }
    case CFieldType::IdList:
    {
        std::size_t used = value.ids.size();
        while (used > 0 && value.ids[used - 1] == 0) --used;
        return "[" + joinIds(value.ids, used) + "]";
    }
    default: return std::to_string(recordfields::shownNumber(kind, field, value.number));
    }
}

std::string describeChange(const CFieldChange& c, CTextEncoding encoding)
{
    std::string out = recordKindName(c.kind);
    out += ' ';
    out += std::to_string(c.id);
    if (c.side != CFieldChange::CSide::Both) return out + (c.side == CFieldChange::CSide::OnlyA ? ": only in A" : ": only in B");
    out += ' ';
    out += recordfields::fieldName(c.kind, c.field);
    out += ": ";
    out += displayValue(c.kind, c.field, c.before, encoding);
    out += " -> ";
    out += displayValue(c.kind, c.field, c.after, encoding);
    return out;
}
