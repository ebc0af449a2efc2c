#include "editing/DatabaseDiff.h"

#include "database/Backup.h"
#include "database/Database.h"
#include "database/GameFiles.h"
#include "util/PathText.h"

#include <cerrno>
#include <unordered_map>
#include <iterator>

namespace
{
template <class T>
void diffRecord(std::span<const CRecordField<T>> fields, CRecordKind kind, const T& a, const T& b,
                std::vector<CFieldChange>& out)
{
    for (std::size_t i = 0; i < fields.size(); ++i)
    {
        const auto& f = fields[i];
        if (!f.compared || f.role == CFieldRole::Key) continue;
        CFieldValue va = f.get(a), vb = f.get(b);
        if (va == vb) continue;
        out.push_back({kind, a.id, int(i), std::move(va), std::move(vb), CFieldChange::CSide::Both});
    }
}

template <class T, class Lookup>
void diffTable(const CDatabase& a, const CDatabase& b, std::span<const CRecordField<T>> fields, CRecordKind kind,
               Lookup lookup, std::vector<CFieldChange>& out)
{
    // Both tables are indexed by id: walk the ids of either in one ascending pass.
    const std::size_t size = std::max(kind == CRecordKind::Team ? a.teamTableSize() : a.playerTableSize(),
                                      kind == CRecordKind::Team ? b.teamTableSize() : b.playerTableSize());
    for (std::size_t id = 1; id < size; ++id)
    {
        const T* ra = lookup(a, uint32_t(id));
        const T* rb = lookup(b, uint32_t(id));
        if (!ra && !rb) continue;
        if (ra && rb)
            diffRecord(fields, kind, *ra, *rb, out);
        else
            out.push_back({kind, uint32_t(id), -1, {}, {}, ra ? CFieldChange::CSide::OnlyA : CFieldChange::CSide::OnlyB});
    }
}

} // namespace

std::vector<CFieldChange> diffDatabases(const CDatabase& a, const CDatabase& b)
{
    std::vector<CFieldChange> out;
    // Leagues pair up by id, and leagues sharing an id by their order in the list.
    std::unordered_map<uint32_t, uint32_t> seenA, seenB;
    for (const auto& l : a.leagues())
    {
        const uint32_t n = seenA[l->id]++;
        const std::size_t first = out.size();
        if (const CLeague* other = leagueById(b, l->id, n))
            diffRecord(recordfields::leagues(), CRecordKind::League, *l, *other, out);
        else
            out.push_back({CRecordKind::League, l->id, -1, {}, {}, CFieldChange::CSide::OnlyA});
        for (std::size_t i = first; i < out.size(); ++i) out[i].occurrence = n;
    }
    for (const auto& l : b.leagues())
    {
        const uint32_t n = seenB[l->id]++;
        if (!leagueById(a, l->id, n))
        {
            out.push_back({CRecordKind::League, l->id, -1, {}, {}, CFieldChange::CSide::OnlyB});
            out.back().occurrence = n;
        }
    }
    diffTable(a, b, recordfields::teams(), CRecordKind::Team,
              [](const CDatabase& db, uint32_t id) { return db.team(id); }, out);
    diffTable(a, b, recordfields::players(), CRecordKind::Player,
              [](const CDatabase& db, uint32_t id) { return db.player(id); }, out);
    return out;
}

std::string uncomparedFields()
{
    std::string out;
    auto list = [&](const char* kind, auto fields) {
        out += kind;
        out += ':';
        for (const auto& f : fields)
            if (!f.compared) out += std::string(" ") + f.name;
        out += '\n';
    };
    list("leagues", recordfields::leagues());
    list("teams", recordfields::teams());
    list("players", recordfields::players());
    return out;
}

std::optional<std::string> loadBackupDatabase(const CBackup& backup, const std::string& languageCode, CDatabase& db)
{
    auto base = [](const std::string& gamePath) { return gamePath.substr(gamePath.find_last_of('\\') + 1); };
    const std::filesystem::path folder = backup.folder();
    const std::string files[] = {base(gamepaths::kDatabaseFile), base(gamepaths::playerNameFilePath(languageCode)),
                                 base(gamepaths::nameFilePath(languageCode))};
    std::vector<uint8_t> bytes[3];
    for (int i = 0; i < 3; ++i)
        if (!CFileSystem::real().readFile(folder / files[i], bytes[i]))
            return fileFailure(folder / files[i], "read", errno);
    CDatabaseBuilder(db).setLanguageCode(languageCode);
    auto fail = [&](const gameformat::CFormatError& e) {
        return utf8FromPath(folder / files[e.inNameFile ? 2 : 0]) + ": " + e.message;
    };
    if (auto e = gameformat::loadPlayers(db, bytes[0], bytes[1]))
        return utf8FromPath(folder / files[e->inNameFile ? 1 : 0]) + ": " + e->message;
    if (auto e = gameformat::loadTeams(db, bytes[0], bytes[2])) return fail(*e);
    if (auto e = gameformat::loadLeagues(db, bytes[0], bytes[2])) return fail(*e);
    return std::nullopt;
}
