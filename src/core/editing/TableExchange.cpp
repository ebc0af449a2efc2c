#include "editing/TableExchange.h"

#include "database/Database.h"
#include "editing/BulkTexts.h"
#include "util/Csv.h"
#include "util/FileCommit.h"
#include "util/Format.h"

#include <algorithm>
#include <charconv>
#include <functional>
#include <unordered_map>
#include <unordered_set>

namespace tableexchange
{
std::optional<CRecordKind> tableFromName(std::string_view name)
{
    if (name == "players") return CRecordKind::Player;
    if (name == "teams") return CRecordKind::Team;
    if (name == "leagues") return CRecordKind::League;
    return std::nullopt;
}

namespace
{
template <class T>
void appendRow(std::string& out, std::span<const CRecordField<T>> fields, const T& record, CRecordKind kind,
               CTextEncoding encoding)
{
    for (std::size_t i = 0; i < fields.size(); ++i)
    {
        if (i) out += ',';
        csv::appendField(out, cellValue(kind, int(i), fields[i].get(record), encoding));
    }
    out += "\r\n";
}

template <class T> void appendHeader(std::string& out, std::span<const CRecordField<T>> fields)
{
    std::vector<std::string> names;
    for (const auto& f : fields) names.emplace_back(f.name);
    csv::appendRecord(out, names);
}

std::string text(const char* format, auto... args)
{
    return formatText(format, args...);
}

bool parseNumber(std::string_view cell, int64_t& out)
{
    while (!cell.empty() && cell.front() == ' ') cell.remove_prefix(1);
    while (!cell.empty() && cell.back() == ' ') cell.remove_suffix(1);
    if (cell.empty()) return false;
    const auto r = std::from_chars(cell.data(), cell.data() + cell.size(), out);
    return r.ec == std::errc() && r.ptr == cell.data() + cell.size();
}

// Reads one cell into the field's type; the reason when it cannot be read or the
// field cannot hold it.
template <class T>
std::optional<std::string> readCell(const CDatabase& db, CRecordKind kind, const CRecordField<T>& f, const T& record,
                                    const std::string& cell, CTextEncoding encoding, CFieldValue& out)
{
    switch (f.type)
    {
    case CFieldType::Number:
    {
        // The cell holds the number as people read it; the range is said the same way.
        int64_t shown = 0;
        if (!parseNumber(cell, shown)) return text(bulktexts::kNotANumber, cell.c_str());
        const int64_t lowest = f.min + f.shownOffset, highest = f.max + f.shownOffset;
        if (shown < lowest || shown > highest)
            return text(bulktexts::kOutOfRange, (long long)shown, (long long)lowest, (long long)highest);
        out.number = shown - f.shownOffset;
        return std::nullopt;
    }
    case CFieldType::Text:
        if (!isValidUtf8(cell)) return std::string(bulktexts::kNotUtf8);
        if (!fromUtf8(cell, encoding, out.text)) return text(bulktexts::kNotRepresentable, cell.c_str());
        // Names the files hold may be longer than the editor lets anyone type; they pass
        // as long as they are left as they are.
        if (int64_t(out.text.size()) > f.max && out.text != f.get(record).text)
            return text(bulktexts::kTooLong, cell.c_str(), int(out.text.size()), (long long)f.max);
        return std::nullopt;
    case CFieldType::IdList:
    {
        std::size_t i = 0;
        while (i < cell.size())
        {
            if (cell[i] == ' ')
            {
                ++i;
                continue;
            }
            std::size_t end = cell.find(' ', i);
            if (end == std::string::npos) end = cell.size();
            int64_t id = 0;
            const std::string token = cell.substr(i, end - i);
            if (!parseNumber(token, id)) return text(bulktexts::kNotANumber, token.c_str());
            if (id < 0 || id > 0xFFFF) return text(bulktexts::kOutOfRange, (long long)id, 0LL, 65535LL);
            out.ids.push_back(uint32_t(id));
            i = end;
        }
        if (int64_t(out.ids.size()) > f.max)
            return text(bulktexts::kTooManyEntries, int(out.ids.size()), (long long)f.max);
        const bool teams = kind == CRecordKind::League;
        std::unordered_set<uint32_t> seen;
        for (uint32_t id : out.ids)
        {
            if (id == 0) continue;
            if (!seen.insert(id).second) return text(bulktexts::kListedTwice, (long long)id);
            if (teams ? db.team(id) == nullptr : db.player(id) == nullptr)
                return text(bulktexts::kMissingRecord, teams ? "team" : "player", (long long)id);
        }
        return std::nullopt;
    }
    }
    return std::nullopt;
}

struct CColumn
{
    int field;
    std::size_t column;  // 1-based
};

template <class T>
const T* findRecord(const CDatabase& db, uint32_t id)
{
    if constexpr (std::is_same_v<T, CPlayer>)
        return db.player(id);
    else if constexpr (std::is_same_v<T, CTeam>)
        return db.team(id);
    else
        return leagueById(db, id);
}

template <class T>
void planRows(const CDatabase& db, CRecordKind kind, std::span<const CRecordField<T>> fields,
              const std::vector<csv::CRecord>& rows, const std::vector<CColumn>& columns, std::size_t idColumn,
              CTextEncoding encoding, CImportPlan& plan, const std::function<void(CProblem)>& refuse)
{
    std::unordered_map<uint32_t, std::size_t> seenOn;
    const std::size_t width = rows.front().fields.size();
    for (std::size_t r = 1; r < rows.size(); ++r)
    {
        const csv::CRecord& row = rows[r];
        if (row.fields.size() != width)
        {
            refuse({row.line, 0, {}, text(bulktexts::kFieldCount, int(row.fields.size()), int(width))});
            continue;
        }
        int64_t id = 0;
        const std::string& idCell = row.fields[idColumn - 1];
        if (!parseNumber(idCell, id))
        {
            refuse({row.line, idColumn, "id", text(bulktexts::kNotANumber, idCell.c_str())});
            continue;
        }
        const T* record = id >= 0 && id <= 0xFFFFFFFF ? findRecord<T>(db, uint32_t(id)) : nullptr;
        if constexpr (std::is_same_v<T, CLeague>)
            if (record && leaguesWithId(db, uint32_t(id)) > 1)
            {
                refuse({row.line, idColumn, "id", text(bulktexts::kSharedId, (long long)id)});
                continue;
            }
        if (!record)
        {
            refuse({row.line, idColumn, "id", text(bulktexts::kUnknownId, recordKindName(kind), (long long)id)});
            continue;
        }
        if (auto [it, fresh] = seenOn.emplace(uint32_t(id), row.line); !fresh)
        {
            refuse({row.line, idColumn, "id", text(bulktexts::kRepeatedId, (long long)id, int(it->second))});
            continue;
        }
        // The row applied to a copy, so that a derived field is judged against what the
        // row's own changes make of it (a league's slot count follows its list).
        T after = *record;
        std::vector<std::pair<const CColumn*, CFieldValue>> cells;
        bool rowBad = false;
        for (const CColumn& c : columns)
        {
            const auto& f = fields[std::size_t(c.field)];
            if (f.role == CFieldRole::Key) continue;
            CFieldValue v;
            if (auto why = readCell(db, kind, f, *record, row.fields[c.column - 1], encoding, v))
            {
                refuse({row.line, c.column, f.name, *why});
                rowBad = true;
                continue;
            }
            if (f.role == CFieldRole::Editable) f.set(after, v);
            cells.emplace_back(&c, std::move(v));
        }
        if (rowBad) continue;
        for (auto& [c, v] : cells)
        {
            const auto& f = fields[std::size_t(c->field)];
            if (f.role == CFieldRole::Editable) continue;
            // A derived field may also still say what the record held before the row.
            const CFieldValue now = f.get(after);
            T scratch = after;
            f.set(scratch, v);
            const CFieldValue given = f.get(scratch);  // a short list padded as the record holds it
            if (given == now || given == f.get(*record)) continue;
            // A mark the editor sets at every edit and clears at every save (one the
            // comparison leaves out) says nothing about the row: an export read back after
            // an import or a save holds the mark as it was then. Either state is taken.
            if (f.role == CFieldRole::Bookkeeping && !f.compared && f.type == CFieldType::Number &&
                (given.number == 0 || given.number == 1))
                continue;
            refuse({row.line, c->column, f.name,
                    text(f.role == CFieldRole::Derived ? bulktexts::kDerived : bulktexts::kBookkeeping, f.name,
                         cellValue(kind, c->field, now, encoding).c_str())});
        }
        if (plan.problemCount > 0) continue;  // refused anyway: only find the other problems
        for (auto& [c, v] : cells)
        {
            const auto& f = fields[std::size_t(c->field)];
            if (f.role != CFieldRole::Editable) continue;
            CFieldValue before = f.get(*record);
            CFieldValue canonical = f.get(after);  // lists padded to the record's slots
            if (before == canonical) continue;
            plan.changes.push_back(CFieldChange{kind, uint32_t(id), c->field, std::move(before), std::move(canonical)});
            plan.cells.push_back({row.line, c->column, f.name, {}});
        }
    }
}

template <class T> int findField(std::span<const CRecordField<T>> fields, const std::string& name)
{
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (name == fields[i].name) return int(i);
    return -1;
}
} // namespace

std::string exportTable(const CDatabase& db, CRecordKind table, CTextEncoding encoding)
{
    std::string out(csv::kByteOrderMark);
    switch (table)
    {
    case CRecordKind::League:
        appendHeader(out, recordfields::leagues());
        for (const auto& l : db.leagues()) appendRow(out, recordfields::leagues(), *l, table, encoding);
        break;
    case CRecordKind::Team:
        appendHeader(out, recordfields::teams());
        db.forEachTeam([&](const CTeam& t) { appendRow(out, recordfields::teams(), t, table, encoding); });
        break;
    default:
        out.reserve(db.playerCount() * 160);
        appendHeader(out, recordfields::players());
        db.forEachPlayer([&](const CPlayer& p) { appendRow(out, recordfields::players(), p, table, encoding); });
        break;
    }
    return out;
}

std::optional<std::size_t> exportTableFile(const CDatabase& db, CRecordKind table, CTextEncoding encoding,
                                           const std::filesystem::path& path, std::string* error)
{
    const std::string text = exportTable(db, table, encoding);
    if (auto failed = replaceFile(CFileSystem::real(), path, {reinterpret_cast<const uint8_t*>(text.data()), text.size()}, "export"))
    {
        if (error) *error = std::move(*failed);
        return std::nullopt;
    }
    return std::size_t(std::count(text.begin(), text.end(), '\n')) - 1;  // the heading row is not a record
}

std::optional<std::string> readTableFile(const std::filesystem::path& path)
{
    std::vector<uint8_t> bytes;
    if (!CFileSystem::userChosen().readFile(path, bytes)) return std::nullopt;
    return std::string(bytes.begin(), bytes.end());
}

CImportPlan planImport(const CDatabase& db, std::string_view fileText, CTextEncoding encoding)
{
    CImportPlan plan;
    auto refuse = [&](CProblem p) {
        if (plan.problems.size() < kMaxProblems) plan.problems.push_back(std::move(p));
        ++plan.problemCount;
    };
    std::vector<csv::CRecord> rows;
    if (auto e = csv::parse(fileText, rows))
    {
        refuse({e->line, e->column, {}, e->message});
        return plan;
    }
    if (rows.empty())
    {
        refuse({1, 0, {}, bulktexts::kEmptyFile});
        return plan;
    }
    const auto& header = rows.front();

    // The table is the one every column belongs to.
    const CRecordKind kinds[] = {CRecordKind::Player, CRecordKind::Team, CRecordKind::League};
    std::vector<CRecordKind> fitting;
    for (CRecordKind k : kinds)
    {
        bool all = true;
        for (const auto& name : header.fields) all = all && recordfields::fieldIndex(k, name) >= 0;
        if (all) fitting.push_back(k);
    }
    std::unordered_set<std::string> names;
    for (std::size_t c = 0; c < header.fields.size(); ++c)
    {
        const std::string& name = header.fields[c];
        bool known = false;
        for (CRecordKind k : kinds) known = known || recordfields::fieldIndex(k, name) >= 0;
        if (!known) refuse({header.line, c + 1, name, text(bulktexts::kUnknownColumn, name.c_str())});
        else if (!names.insert(name).second) refuse({header.line, c + 1, name, text(bulktexts::kRepeatedColumn, name.c_str())});
    }
    if (!names.count("id")) refuse({header.line, 0, {}, bulktexts::kNoIdColumn});
    if (plan.refused()) return plan;
    if (fitting.empty()) refuse({header.line, 0, {}, bulktexts::kNoSingleTable});
    if (fitting.size() > 1) refuse({header.line, 0, {}, bulktexts::kManyTables});
    if (plan.refused()) return plan;

    plan.table = fitting.front();
    std::vector<CColumn> columns;
    std::size_t idColumn = 0;
    for (std::size_t c = 0; c < header.fields.size(); ++c)
    {
        columns.push_back({recordfields::fieldIndex(plan.table, header.fields[c]), c + 1});
        if (header.fields[c] == "id") idColumn = c + 1;
    }
    const std::function<void(CProblem)> sink = refuse;
    switch (plan.table)
    {
    case CRecordKind::League:
        planRows(db, plan.table, recordfields::leagues(), rows, columns, idColumn, encoding, plan, sink);
        break;
    case CRecordKind::Team:
        planRows(db, plan.table, recordfields::teams(), rows, columns, idColumn, encoding, plan, sink);
        break;
    default:
        planRows(db, plan.table, recordfields::players(), rows, columns, idColumn, encoding, plan, sink);
        break;
    }
    if (plan.refused())
    {
        plan.changes.clear();
        plan.cells.clear();
    }
    return plan;
}

std::optional<CProblem> CImportPlan::cellOf(CRecordKind kind, uint32_t id, std::string_view field) const
{
    const CProblem* row = nullptr;
    int changed = 0;
    for (std::size_t i = 0; i < changes.size() && i < cells.size(); ++i)
    {
        if (changes[i].kind != kind || changes[i].id != id) continue;
        if (!field.empty() && cells[i].columnName == field) return cells[i];
        if (!row) row = &cells[i];
        ++changed;
    }
    if (!row) return std::nullopt;
    // A refusal that names no field points at the record's one changed cell; a field the
    // row did not give (a slot count that follows the list) at the row itself.
    if (field.empty() && changed == 1) return *row;
    return CProblem{row->line, 0, {}, {}};
}

std::string describeProblem(const CProblem& p)
{
    std::string out = "line " + std::to_string(p.line);
    if (p.column > 0)
    {
        out += ", column " + std::to_string(p.column);
        if (!p.columnName.empty()) out += " (" + p.columnName + ")";
    }
    return out + ": " + p.reason;
}
} // namespace tableexchange
