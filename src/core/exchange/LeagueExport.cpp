#include "exchange/LeagueExport.h"

#include "database/Database.h"
#include "exchange/ExchangeRecords.h"
#include "exchange/ExchangeTexts.h"
#include "exchange/Packer.h"
#include "util/FileCommit.h"
#include "util/Format.h"
#include "util/GamePath.h"
#include "util/PathText.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <optional>
#include <random>
#include <set>
#include <vector>

#ifdef _WIN32
#include <process.h>
#include <windows.h>
#else
#include <cerrno>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace
{
namespace fs = std::filesystem;
using namespace exchangetexts;

// Imported records carry their generation above the 16 bits the game's ids use; other
// users only know the base ids.
uint32_t baseId(uint32_t id)
{
    return id % CDatabase::kImportedIdBase;
}

struct CExportSet
{
    std::vector<CTeam> teams;
    std::vector<CPlayer> players;
    std::vector<exchange::CTransferEntry> transfers;
};

// An import marks moves to and from teams outside it with those teams' ids plus its
// generation, which name no team; the base team of any generation has the same
// fileIndex, so the transfer still names the right team for other users.
int fileIndexOfAnyGeneration(const CDatabase& db, uint32_t teamId)
{
    const int index = db.fileIndexOfTeam(teamId);
    return index >= 0 ? index : db.fileIndexOfTeam(baseId(teamId));
}

uint32_t fileIndexOr511(const CDatabase& db, uint32_t teamId)
{
    const int index = fileIndexOfAnyGeneration(db, teamId);
    return index < 0 ? exchange::kNoTeamFileIndex : uint32_t(index);
}

CExportSet collect(const CDatabase& db, const CLeague& league)
{
    CExportSet set;
    std::set<uint32_t> playersSeen;
    std::set<std::tuple<uint32_t, uint32_t, uint32_t>> transfersSeen;
    auto addTransfer = [&](uint32_t playerId, uint32_t leaving, uint32_t joining) {
        const exchange::CTransferEntry e{baseId(playerId) & 0x3FFF, leaving & 0x1FF, joining & 0x1FF};
        if (transfersSeen.insert({e.playerId, e.leavingFileIndex, e.joiningFileIndex}).second)
            set.transfers.push_back(e);
    };

    const std::size_t used = std::min<std::size_t>(league.slotCount, league.teamIds.size());
    for (std::size_t s = 0; s < used; ++s)
    {
        const CTeam* team = db.team(league.teamIds[s]);
        if (!team) continue;
        CTeam out = *team;
        out.id = baseId(team->id) & 0x7FF;
        set.teams.push_back(std::move(out));

        for (uint32_t id : db.listedPlayers(team->id))
        {
            const CPlayer* p = db.player(id);
            if (!p || !playersSeen.insert(id).second) continue;
            CPlayer copy = *p;
            copy.id = baseId(p->id);
            set.players.push_back(std::move(copy));
        }

        const uint32_t here = fileIndexOr511(db, team->id);
        for (uint32_t id : team->players)
        {
            const CPlayer* p = db.player(id);
            if (!p || p->destinationTeamId == 0) continue;
            const int there = fileIndexOfAnyGeneration(db, p->destinationTeamId);
            if (there < 0) continue;  // the team it went to is gone
            // A copy leaves nobody behind: it comes from no team, as the destination's
            // incoming entry for it says too.
            addTransfer(id, p->copyMark == CPlayer::kCopyMark ? exchange::kNoTeamFileIndex : here, uint32_t(there));
        }
        for (uint32_t id : team->incomingPlayers)
        {
            const CPlayer* p = db.player(id);
            if (!p) continue;
            // A copied player left nobody; his copy mark names no team.
            addTransfer(id, fileIndexOr511(db, p->copyMark), here);
        }
    }
    return set;
}

constexpr const char* kScratchMark = "-export-";

fs::path systemTemporaryFolder()
{
    std::error_code ec;
    fs::path base = fs::temp_directory_path(ec);
    return ec ? fs::path(".") : base;
}

long long currentProcessId()
{
#ifdef _WIN32
    return static_cast<long long>(::_getpid());
#else
    return static_cast<long long>(::getpid());
#endif
}

// The process id is in the name, so that the next export can tell a folder another
// export is working in from one whose program was killed.
fs::path temporaryFolder()
{
    std::random_device rd;
    return systemTemporaryFolder()
           / (std::string(kTempPrefix) + kScratchMark + std::to_string(currentProcessId()) + "-"
              + std::to_string(rd()) + std::to_string(rd()));
}

bool allDigits(const std::string& s)
{
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The id of the export that made a scratch folder: nothing when the name is not one.
std::optional<long long> scratchOwner(const std::string& name)
{
    const std::string lead = std::string(kTempPrefix) + kScratchMark;
    if (name.rfind(lead, 0) != 0) return std::nullopt;
    const std::string rest = name.substr(lead.size());
    const auto dash = rest.find('-');
    if (dash == std::string::npos || dash > 18 || !allDigits(rest.substr(0, dash)) || !allDigits(rest.substr(dash + 1)))
        return std::nullopt;
    return std::stoll(rest.substr(0, dash));
}

bool stillRunning(long long pid)
{
#ifdef _WIN32
    if (pid <= 0 || pid > 0xFFFFFFFFll) return false;
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, DWORD(pid));
    // A process of another user cannot be opened, and still counts as running.
    if (!process) return GetLastError() == ERROR_ACCESS_DENIED;
    const bool running = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    CloseHandle(process);
    return running;
#else
    if (pid <= 1 || pid != static_cast<long long>(static_cast<pid_t>(pid))) return false;
    // Signal 0 only asks; a process of another user still counts as running.
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
#endif
}

// A real folder of this user's (never a link, never someone else's).
bool ownFolder(const fs::path& path)
{
#ifdef _WIN32
    std::error_code ec;
    return fs::is_directory(fs::symlink_status(path, ec));
#else
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid();
#endif
}

bool writeWhole(const fs::path& path, const std::vector<uint8_t>& bytes)
{
    return CFileSystem::real().createFile(path, bytes);
}
}  // namespace

CExportResult exportLeague(const CDatabase& db, std::size_t leaguePosition, const std::string& folder,
                           CPacker& packer, const CStatusSink& status)
{
    CExportResult result;
    if (leaguePosition >= db.leagues().size())
    {
        result.message = formatText(kExportNoLeague, int(leaguePosition));
        return result;
    }
    const CLeague& league = *db.leagues()[leaguePosition];
    const CExportSet set = collect(db, league);

    struct CPart
    {
        const char* name;
        std::vector<uint8_t> unpacked;
    };
    const CPart parts[] = {
        {kTeamsFile, exchange::writeTeamFile(set.teams)},
        {kPlayersFile, exchange::writePlayerFile(set.players)},
        {kTransfersFile, exchange::writeTransferFile(set.transfers)},
    };

    std::error_code ec;
    const fs::path out = pathFromUtf8(folder);
    fs::create_directories(out, ec);
    if (!fs::is_directory(out, ec))
    {
        result.message = formatText(kExportNoFolder, folder.c_str());
        return result;
    }

    removeExportLeftovers();
    // The packer works on files: each part goes through a scratch folder of its own, and
    // only when all three are packed do they go into the target folder together. The
    // folder must be new: one already there under the name is not ours to write into.
    const fs::path scratch = temporaryFolder();
    if (!fs::create_directory(scratch, ec) || ec)
    {
        result.message = formatText(kExportNoTempFolder, utf8FromPath(scratch).c_str());
        return result;
    }
    std::vector<CPendingFile> pending;
    for (const CPart& part : parts)
    {
        if (status) status(formatText(kExportPacking, part.name));
        const fs::path raw = scratch / (std::string(part.name) + ".raw");
        const fs::path packed = scratch / part.name;
        std::vector<uint8_t> bytes;
        if (!writeWhole(raw, part.unpacked))
            result.message = formatText(kExportTempWriteFailed, utf8FromPath(raw).c_str());
        else if (!packer.packFile(utf8FromPath(raw), utf8FromPath(packed)))
            result.message = formatText(kExportPackFailed, part.name);
        else if (!CFileSystem::real().readFile(packed, bytes) || bytes.empty())
            result.message = formatText(kExportNothingPacked, part.name);
        if (!result.message.empty()) break;
        const fs::path target = resolveGamePath(out, std::string("\\") + part.name);
        pending.push_back({target, std::move(bytes), formatText(kExportWriteFailed, utf8FromPath(target).c_str())});
    }
    fs::remove_all(scratch, ec);
    if (!result.message.empty()) return result;

    if (auto failure = commitFiles(CFileSystem::real(), pending, "export"))
    {
        result.message = *failure;
        return result;
    }
    result.ok = true;
    result.message = formatText(kExportDone, counted(int64_t(set.teams.size()), kTeam, kTeams).c_str(),
                                counted(int64_t(set.players.size()), kPlayer, kPlayers).c_str(),
                                counted(int64_t(set.transfers.size()), kTransfer, kTransfers).c_str(), folder.c_str());
    return result;
}

std::vector<fs::path> removeExportLeftovers(const fs::path& tempFolder)
{
    using namespace std::chrono;
    const fs::path folder = tempFolder.empty() ? systemTemporaryFolder() : tempFolder;
    const auto dayAgo = fs::file_time_type::clock::now() - hours(24);
    std::vector<fs::path> removed;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec))
    {
        const std::string name = utf8FromPath(entry.path().filename());
        const auto owner = scratchOwner(name);
        const bool earlierVersion = name.size() > 4 && name.rfind(std::string(kTempPrefix) + "x", 0) == 0
                                    && allDigits(name.substr(std::strlen(kTempPrefix) + 1));
        if (!owner && !earlierVersion) continue;
        if (!ownFolder(entry.path())) continue;
        std::error_code timeError;
        const bool old = fs::last_write_time(entry.path(), timeError) < dayAgo && !timeError;
        // A folder of a running export is left alone; one of this very program too.
        const bool inUse = owner ? *owner == currentProcessId() || (stillRunning(*owner) && !old) : !old;
        if (inUse) continue;
        std::error_code removeError;
        fs::remove_all(entry.path(), removeError);
        if (!removeError) removed.push_back(entry.path());
    }
    return removed;
}
