#include "exchange/KeptLeagues.h"

#include "database/Backup.h"
#include "database/Change.h"
#include "database/Database.h"
#include "exchange/LeagueExport.h"
#include "exchange/LeagueImport.h"
#include "exchange/Packer.h"
#include "settings/Prompts.h"
#include "util/Format.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace
{
fs::path sibling(const fs::path& folder, const std::string& suffix)
{
    return folder.parent_path() / (folder.filename().string() + suffix);
}

bool hasTeams(const CLeague& league) { return league.slotCount > 0 && !league.teamIds.empty(); }

// The numbered league folders in their number order; anything else is not ours.
std::vector<fs::path> leagueFolders(const fs::path& folder)
{
    std::vector<std::pair<unsigned long, fs::path>> numbered;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
    {
        const std::string name = it->path().filename().string();
        const bool number = !name.empty() && name.size() <= 6 &&
                            std::all_of(name.begin(), name.end(), [](unsigned char c) { return std::isdigit(c) != 0; });
        if (!number) continue;
        if (it->is_directory(ec)) numbered.emplace_back(std::stoul(name), it->path());
    }
    std::sort(numbered.begin(), numbered.end());
    std::vector<fs::path> out;
    for (auto& n : numbered) out.push_back(std::move(n.second));
    return out;
}

std::string readName(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}
} // namespace

CKeptLeagues::CKeptLeagues(const fs::path& dataFolder, const fs::path& gameFolder)
    // The same per-game-folder name the backup uses, so both are found side by side.
    : m_folder(dataFolder / "LEAGUES" / CBackup(dataFolder, gameFolder, {}).folder().filename())
{
}

std::optional<std::string> CKeptLeagues::keep(const CDatabase& db) const
{
    std::error_code ec;
    const fs::path staging = sibling(m_folder, ".new");
    const fs::path old = sibling(m_folder, ".old");
    fs::remove_all(staging, ec);
    auto fail = [&](const std::string& why) -> std::optional<std::string> {
        fs::remove_all(staging, ec);
        return formatText(keptleaguetexts::kKeepFailed, m_folder.string().c_str(), why.c_str());
    };

    std::size_t written = 0;
    CInProcessPacker packer;
    for (std::size_t position = 0; position < db.leagues().size(); ++position)
    {
        const CLeague& league = *db.leagues()[position];
        if (!league.importedLeague || !hasTeams(league)) continue;
        const fs::path set = staging / std::to_string(++written);
        const CExportResult result = exportLeague(db, position, set.string(), packer);
        if (!result.ok) return fail(result.message);
        std::ofstream name(set / keptleaguetexts::kNameFile, std::ios::binary | std::ios::trunc);
        name << league.displayName;
        name.flush();
        if (!name) return fail("cannot write " + (set / keptleaguetexts::kNameFile).string());
    }

    // A set left half swapped by an earlier run is complete under one of the two names.
    if (!fs::exists(m_folder, ec) && fs::exists(old, ec)) fs::rename(old, m_folder, ec);
    fs::remove_all(old, ec);
    if (fs::exists(m_folder, ec))
    {
        fs::rename(m_folder, old, ec);
        if (ec) return fail(ec.message());
    }
    if (written > 0)
    {
        fs::rename(staging, m_folder, ec);
        if (ec)
        {
            const std::string why = ec.message();
            fs::rename(old, m_folder, ec);
            return fail(why);
        }
    }
    fs::remove_all(old, ec);
    return std::nullopt;
}

std::size_t CKeptLeagues::restore(CTransaction& db, CPrompts& prompts) const
{
    std::error_code ec;
    const fs::path old = sibling(m_folder, ".old");
    if (!fs::exists(m_folder, ec) && fs::exists(old, ec)) fs::rename(old, m_folder, ec);

    const bool wasModified = db.db().modified();
    std::size_t restored = 0;
    CInProcessPacker packer;
    for (const fs::path& set : leagueFolders(m_folder))
    {
        const std::string name = readName(set / keptleaguetexts::kNameFile);
        if (importDbFiles(db, set.string(), name.empty() ? set.filename().string() : name, packer, prompts))
        {
            ++restored;
            continue;
        }
        fs::path aside;
        for (int n = 1; n < 1000; ++n)
        {
            aside = sibling(m_folder, "-unreadable-" + std::to_string(n));
            if (!fs::exists(aside, ec)) break;
        }
        fs::rename(set, aside, ec);
        prompts.message(formatText(keptleaguetexts::kUnreadable, name.c_str(), (ec ? set : aside).string().c_str()),
                        CPrompts::CIcon::Warning);
    }
    db.setModified(wasModified);
    return restored;
}

bool removeImportedLeague(CTransaction& db, std::size_t position)
{
    auto& leagues = db.leagues();
    if (position >= leagues.size() || !leagues[position]->importedLeague) return false;
    // Nothing of the game's files changes, so there is nothing to save.
    leagues.erase(leagues.begin() + std::ptrdiff_t(position));
    return true;
}

std::string withImportedLeagueNote(const std::string& warning, const CDatabase& db)
{
    const bool any = std::any_of(db.leagues().begin(), db.leagues().end(),
                                 [](const auto& league) { return league->importedLeague != 0; });
    if (!any) return warning;
    const std::string note = std::string(keptleaguetexts::kImportedLeagueNote) + "\n\n";
    const std::size_t question = warning.rfind("\n\n");
    if (question == std::string::npos) return warning + "\n\n" + note;
    return warning.substr(0, question + 2) + note + warning.substr(question + 2);
}
