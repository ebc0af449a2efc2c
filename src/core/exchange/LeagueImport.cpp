#include "exchange/LeagueImport.h"

#include "database/Change.h"

#include "database/Database.h"
#include "exchange/ExchangeRecords.h"
#include "exchange/ExchangeTexts.h"
#include "exchange/GlvFile.h"
#include "exchange/PackedCodec.h"
#include "database/RecordLimits.h"
#include "exchange/Packer.h"
#include "settings/Prompts.h"
#include "util/FileCommit.h"
#include "util/Format.h"
#include "util/GamePath.h"
#include "util/PathText.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <new>
#include <optional>
#include <utility>
#include <vector>

namespace
{
namespace fs = std::filesystem;
using namespace exchangetexts;

// Everything an import adds is built here and only handed to the database once the
// whole import has succeeded, so a failure half way leaves the database untouched.
// Lookups see the staged records first, then the database's own.
class CImportStage
{
public:
    CImportStage(CTransaction& db) : m_db(db), m_generation(db.db().importGeneration()) {}

    uint32_t generation() const { return m_generation; }

    CPlayer* stagedPlayer(uint32_t id)
    {
        auto it = m_players.find(id);
        return it == m_players.end() ? nullptr : it->second.get();
    }
    const CPlayer* anyPlayer(uint32_t id)
    {
        if (const CPlayer* p = stagedPlayer(id)) return p;
        return m_db.db().player(id);
    }
    const CPlayer* gamePlayer(uint32_t id) const { return m_db.db().player(id); }
    const CTeam* gameTeam(uint32_t id) const { return m_db.db().team(id); }

    // Team ids by fileIndex, among the database's teams: the staged teams are not in the
    // file the transfers were written against.
    std::optional<uint32_t> teamIdAtFileIndex(uint32_t fileIndex) const
    {
        if (fileIndex == CDatabase::kNoFileIndex) return CPlayer::kNoTeam;
        const int64_t id = m_db.db().teamIdAtFileIndex(fileIndex);
        if (id < 0) return std::nullopt;
        return uint32_t(id);
    }

    CPlayer& stagePlayer(std::unique_ptr<CPlayer> p)
    {
        auto& slot = m_players[p->id];
        slot = std::move(p);
        return *slot;
    }
    CTeam& stageTeam(std::unique_ptr<CTeam> t)
    {
        m_leagueTeams.push_back(t->id);
        auto& slot = m_teams[t->id];
        slot = std::move(t);
        return *slot;
    }

    // teamId of a player the import does not add: remembered and set at commit.
    void setTeamIdOf(uint32_t playerId, uint32_t teamId)
    {
        if (CPlayer* p = stagedPlayer(playerId))
            p->teamId = teamId;
        else if (gamePlayer(playerId))
            m_teamIdsOfExisting[playerId] = teamId;
    }

    void commit(const std::string& leagueName)
    {
        for (auto& [id, p] : m_players) m_db.addPlayer(std::move(p));
        for (auto& [id, t] : m_teams) m_db.addTeam(std::move(t));
        for (const auto& [id, teamId] : m_teamIdsOfExisting)
            if (CPlayer* p = m_db.player(id)) p->teamId = teamId;
        auto league = std::make_unique<CLeague>();
        league->teamIds = m_leagueTeams;
        league->slotCount = uint32_t(m_leagueTeams.size());
        league->displayName = leagueName;
        league->editorOnly = 1;
        league->importedLeague = 1;
        m_db.addLeague(std::move(league));
        m_db.setImportGeneration(m_generation + CDatabase::kImportedIdBase);
        m_db.setModified();
    }

private:
    CTransaction& m_db;
    uint32_t m_generation;
    std::map<uint32_t, std::unique_ptr<CPlayer>> m_players;
    std::map<uint32_t, std::unique_ptr<CTeam>> m_teams;
    std::map<uint32_t, uint32_t> m_teamIdsOfExisting;
    std::vector<uint32_t> m_leagueTeams;
};

void show(const CStatusSink& status, const std::string& text)
{
    if (status) status(text);
}

enum class CReadOutcome
{
    Read,
    CannotOpen,
    NoMemory,
    NothingUnpacked,
};

struct CRead
{
    CReadOutcome outcome = CReadOutcome::Read;
    std::string detail;  // which file and what is wrong with it
};

std::string problem(const std::string& name, std::string what)
{
    while (!what.empty() && what.back() == '.') what.pop_back();
    return formatText(kExchangeFileProblem, name.c_str(), what.c_str());
}

// One packed file of the set: the length its header announces, then the unpacked bytes.
CRead readPacked(const fs::path& path, CPacker& packer, std::vector<uint8_t>& out)
{
    const std::string name = utf8FromPath(path.filename());
    std::vector<uint8_t> packed;
    // Asked first so that a pipe or device in the file's place is never opened. A packed
    // stream takes at most five bytes for four it unpacks to (a literal run), so a file
    // over twice the largest exchange file is none and is not read.
    if (!readFileAtMost(CFileSystem::real(), path, 2 * uint64_t(kMaxExchangeUnpackedLength) + 64, packed))
        return {CReadOutcome::CannotOpen, problem(name, systemReason(errno))};
    // The length of the header form the codec will decode, from the bytes just read.
    const auto length = packedUnpackedLength(packed);
    // No whole header of any form: the codec says whether it is cut short or no packed file.
    if (!length) return {CReadOutcome::NothingUnpacked, problem(name, unpackBytes(packed).message)};
    if (*length > kMaxExchangeUnpackedLength)
        return {CReadOutcome::NothingUnpacked,
                formatText(kExchangeTooLarge, name.c_str(), unsigned(*length), unsigned(kMaxExchangeUnpackedLength))};
    try
    {
        out = packer.unpackFile(utf8FromPath(path), *length);
    }
    catch (const std::bad_alloc&)
    {
        return {CReadOutcome::NoMemory, {}};
    }
    if (!out.empty()) return {};
    // The packer says only that it failed; the codec says why.
    const CUnpackResult why = unpackBytes(packed);
    return {CReadOutcome::NothingUnpacked,
            problem(name, why.ok() ? "it unpacks to nothing" : why.message)};
}

// Reports a failed read; true when the import must stop.
bool failed(const CRead& read, const char* cannotOpenText, CPrompts& prompts)
{
    auto say = [&](const char* text) {
        prompts.message(read.detail.empty() ? std::string(text) : std::string(text) + "\n" + read.detail,
                        CPrompts::CIcon::Error);
        return true;
    };
    switch (read.outcome)
    {
    case CReadOutcome::Read: return false;
    case CReadOutcome::CannotOpen: return say(cannotOpenText);
    case CReadOutcome::NoMemory: return say(kErrorAllocating);
    case CReadOutcome::NothingUnpacked: return say(kErrorImporting);
    }
    return true;
}

struct CPendingTransfer
{
    uint32_t leavingTeamId;  // CPlayer::kNoTeam when the player comes from no team
    uint32_t joiningTeamId;
    uint32_t playerId;       // as in the file, without the generation
};

// A copy of one of the game's players, standing in for him in the import.
CPlayer* stageCopyOfGamePlayer(CImportStage& stage, uint32_t playerId)
{
    const CPlayer* original = stage.gamePlayer(playerId);
    if (!original) return nullptr;
    auto copy = std::make_unique<CPlayer>();
    copy->copyFrom(*original);
    copy->id = playerId + stage.generation();
    copy->imported = 1;
    return &stage.stagePlayer(std::move(copy));
}

void stagePlayers(CImportStage& stage, std::span<const uint8_t> unpacked, const CStatusSink& status)
{
    std::vector<CPlayer> players = exchange::readPlayerFile(unpacked);
    const int n = int(players.size());
    for (int i = 0; i < n; ++i)
    {
        CPlayer& read = players[std::size_t(i)];
        show(status, formatText(kImportingPlayer, i + 1, n, read.name.c_str()));
        // Id 0 means "no player" throughout; such a record has nowhere to go.
        if (read.id == 0) continue;
        auto p = std::make_unique<CPlayer>(std::move(read));
        p->value = 1000;
        p->countryId = 1;
        p->topByte = 160;
        p->extraNibble3 = p->extraNibble4 = p->extraNibble5 = 7;
        p->hasCommentary = p->modified = p->destinationTeamId = p->copyMark = p->teamId = 0;
        p->fileIndex = 0;
        p->imported = 1;
        p->id += stage.generation();
        stage.stagePlayer(std::move(p));
    }
}

std::vector<CPendingTransfer> stageTransfers(CImportStage& stage, std::span<const uint8_t> unpacked,
                                             const CStatusSink& status)
{
    std::vector<CPendingTransfer> pending;
    const auto entries = exchange::readTransferFile(unpacked);
    const int n = int(entries.size());
    const uint32_t g = stage.generation();
    for (int i = 0; i < n; ++i)
    {
        const exchange::CTransferEntry& e = entries[std::size_t(i)];
        show(status, formatText(kImportingXfer, i + 1, n));
        const auto joining = stage.teamIdAtFileIndex(e.joiningFileIndex);
        if (!joining || *joining < 1 || *joining == CPlayer::kNoTeam) continue;
        const uint32_t leaving = stage.teamIdAtFileIndex(e.leavingFileIndex).value_or(CPlayer::kNoTeam);
        pending.push_back({leaving, *joining, e.playerId});

        if (CPlayer* p = stage.stagedPlayer(e.playerId + g))
        {
            p->copyMark = leaving;
            p->destinationTeamId = *joining + g;
        }
        else if (CPlayer* copy = stageCopyOfGamePlayer(stage, e.playerId))
        {
            copy->copyMark = leaving + g;
            copy->destinationTeamId = *joining + g;
        }
    }
    return pending;
}

bool stageTeams(CImportStage& stage, std::span<const uint8_t> unpacked, const std::vector<CPendingTransfer>& pending,
                const CStatusSink& status, CPrompts& prompts)
{
    std::vector<CTeam> records = exchange::readTeamFile(unpacked);
    const int n = int(records.size());
    const uint32_t g = stage.generation();
    for (int k = 0; k < n; ++k)
    {
        const CTeam& record = records[std::size_t(k)];
        show(status, formatText(kImportingTeam, k + 1, n, record.longName.c_str()));
        const CTeam* base = stage.gameTeam(record.id);
        if (!base)
        {
            prompts.message(kTeamsCorrupted, CPrompts::CIcon::Error);
            return false;
        }

        auto team = std::make_unique<CTeam>();
        team->bankroll = record.bankroll;
        team->teamExtra1 = record.teamExtra1;
        team->homeJerseyStyle = record.homeJerseyStyle;
        team->homeJerseyColour1 = record.homeJerseyColour1;
        team->homeJerseyColour2 = record.homeJerseyColour2;
        team->homeJerseyColour3 = record.homeJerseyColour3;
        team->homeShortsStyle = record.homeShortsStyle;
        team->homeShortsColour1 = record.homeShortsColour1;
        team->homeShortsColour2 = record.homeShortsColour2;
        team->homeSocksStyle = record.homeSocksStyle;
        team->homeSocksColour1 = record.homeSocksColour1;
        team->homeSocksColour2 = record.homeSocksColour2;
        team->awayJerseyStyle = record.awayJerseyStyle;
        team->awayJerseyColour1 = record.awayJerseyColour1;
        team->awayJerseyColour2 = record.awayJerseyColour2;
        team->awayJerseyColour3 = record.awayJerseyColour3;
        team->awayShortsStyle = record.awayShortsStyle;
        team->awayShortsColour1 = record.awayShortsColour1;
        team->awayShortsColour2 = record.awayShortsColour2;
        team->awaySocksStyle = record.awaySocksStyle;
        team->awaySocksColour1 = record.awaySocksColour1;
        team->awaySocksColour2 = record.awaySocksColour2;
        team->longName = record.longName;
        // The file's four extra fields are not trusted; every imported team gets the
        // values a fresh team has in the game.
        team->teamExtra2 = 11;
        team->teamExtra3 = 0;
        team->teamExtra4 = 7;
        team->teamExtra5 = 7;
        team->teamExtra6 = 22;
        team->teamExtra7 = 25;
        team->teamExtra8 = 51;
        team->teamExtra9 = 1;
        team->teamExtra10 = 908;
        team->teamExtra11 = 3;
        team->teamExtra12 = 13;
        team->teamExtra13 = 6;
        team->teamExtra14 = 1;
        team->teamExtra15 = 16;
        team->modified = 0;
        team->players = base->players;
        team->loadedPlayers = base->players;
        team->incomingPlayers.fill(0);
        // Transfers name teams by fileIndex; the base team's keeps them pointing at this
        // team when the league is exported again.
        team->fileIndex = base->fileIndex;

        for (int s = 0; s < CTeam::kSlots; ++s)
        {
            const uint32_t id = base->players[std::size_t(s)];
            if (id != 0 && stage.stagedPlayer(id + g)) team->players[std::size_t(s)] = id + g;
        }

        for (const CPendingTransfer& t : pending)
        {
            const uint32_t playerId = t.playerId + g;
            if (t.leavingTeamId == base->id)
            {
                if (CPlayer* p = stage.stagedPlayer(playerId))
                {
                    p->copyMark = t.leavingTeamId + g;
                    p->destinationTeamId = t.joiningTeamId + g;
                }
            }
            else if (t.joiningTeamId == base->id)
            {
                CPlayer* p = stage.stagedPlayer(playerId);
                if (!p) p = stageCopyOfGamePlayer(stage, t.playerId);
                if (!p) continue;  // names nobody here
                if (p->destinationTeamId == 0) p->destinationTeamId = t.joiningTeamId + g;
                if (std::find(team->incomingPlayers.begin(), team->incomingPlayers.end(), playerId)
                    == team->incomingPlayers.end())
                    team->addIncoming(playerId);
                p->copyMark = t.leavingTeamId + g;
            }
        }

        team->id = base->id + g;
        team->imported = 1;
        for (uint32_t id : team->players)
            if (id != 0 && stage.anyPlayer(id)) stage.setTeamIdOf(id, team->id);
        stage.stageTeam(std::move(team));
    }
    return true;
}
}  // namespace

std::string proposedLeagueName(const std::string& folder)
{
    std::string f = folder;
    while (!f.empty() && (f.back() == '\\' || f.back() == '/')) f.pop_back();
    const auto at = f.find_last_of("\\/");
    return at == std::string::npos ? f : f.substr(at + 1);
}

namespace
{
// Runs an import; one that runs out of memory is refused as the reader refuses a damaged
// file, never ends the program.
template <class Import>
bool guarded(CPrompts& prompts, Import&& import)
{
    try
    {
        return import();
    }
    catch (const std::bad_alloc&)
    {
        prompts.message(kErrorAllocating, CPrompts::CIcon::Error);
        return false;
    }
}

bool importDbFilesAsRead(CTransaction& db, const std::string& folder, const std::string& leagueName, CPacker& packer,
                         CPrompts& prompts, const CStatusSink& status)
{
    // A set whose export was interrupted is finished or undone before it is read.
    const fs::path set = pathFromUtf8(folder);
    const CRecovery recovery = recoverCommit(CFileSystem::real(), set);
    if (recovery.state != CRecovery::CState::Nothing)
        prompts.message(recovery.message, recovery.state == CRecovery::CState::Failed ? CPrompts::CIcon::Error
                                                                                       : CPrompts::CIcon::Information);
    if (recovery.state == CRecovery::CState::Failed) return false;

    CImportStage stage(db);
    std::vector<uint8_t> data;

    if (failed(readPacked(resolveGamePath(set, std::string("\\") + kPlayersFile), packer, data),
               kErrorReadingPlayers, prompts))
        return false;
    stagePlayers(stage, data, status);

    std::vector<CPendingTransfer> pending;
    const fs::path transfers = resolveGamePath(set, std::string("\\") + kTransfersFile);
    // Whatever is at the name is read (and refused unless it is a regular file): a link
    // or pipe there must not pass for a set without transfers.
    CFileStatus transfersStatus;
    if (CFileSystem::real().status(transfers, transfersStatus) && transfersStatus.exists)
    {
        if (failed(readPacked(transfers, packer, data), kErrorImporting, prompts)) return false;
        pending = stageTransfers(stage, data, status);
    }

    if (failed(readPacked(resolveGamePath(set, std::string("\\") + kTeamsFile), packer, data), kErrorReadingTeams,
               prompts))
        return false;
    if (!stageTeams(stage, data, pending, status, prompts)) return false;

    stage.commit(leagueName);
    return true;
}

bool importGlvFileAsRead(CTransaction& db, const std::string& path, CPrompts& prompts, const CStatusSink& status)
{
    std::vector<uint8_t> bytes;
    // The user named this file: a link to one is followed. No league holds more teams
    // than its slots, so no GLV file is larger than that many whole team blocks.
    if (!readFileAtMost(CFileSystem::userChosen(), pathFromUtf8(path), glv::maxGlvFileBytes(recordlimits::kLeagueSlots), bytes))
    {
        prompts.message(errno == kFileTooLarge ? formatText(kGlvTooLarge, unsigned(glv::maxGlvFileBytes(recordlimits::kLeagueSlots)))
                                               : std::string(kCannotOpenGlv),
                        CPrompts::CIcon::Error);
        return false;
    }

    const CLeague* baseLeague = db.db().league(kGlvBaseLeaguePosition);
    std::vector<uint32_t> baseTeams;
    if (baseLeague)
        for (std::size_t s = 0; s < std::min<std::size_t>(baseLeague->slotCount, baseLeague->teamIds.size()); ++s)
            baseTeams.push_back(baseLeague->teamIds[s]);

    // Without a base league the file is read whole first, so that a damaged file is
    // reported as such and a sound one as having nothing to be based on.
    glv::CGlvReadResult read = glv::readGlvFile(bytes, baseLeague ? baseTeams.size() : SIZE_MAX);
    if (!read.ok())
    {
        prompts.message(read.message, CPrompts::CIcon::Error);
        return false;
    }
    if (read.file.teams.size() > baseTeams.size())
    {
        prompts.message(formatText(kGlvNoBaseLeague, int(kGlvBaseLeaguePosition)), CPrompts::CIcon::Error);
        return false;
    }

    CImportStage stage(db);
    const uint32_t g = stage.generation();
    const int n = int(read.file.teams.size());
    for (int i = 0; i < n; ++i)
    {
        glv::CGlvTeamBlock& block = read.file.teams[std::size_t(i)];
        const CTeam* base = stage.gameTeam(baseTeams[std::size_t(i)]);
        if (!base)
        {
            prompts.message(formatText(kGlvNoBaseTeam, i + 1, int(kGlvBaseLeaguePosition)), CPrompts::CIcon::Error);
            return false;
        }
        show(status, formatText(kImportingTeam, i + 1, n, block.name.c_str()));

        auto team = std::make_unique<CTeam>(std::move(block.team));
        team->imported = 1;
        team->incomingPlayers.fill(0);
        const std::size_t count = block.players.size();
        for (std::size_t j = 0; j < count && j < CTeam::Slots().size(); ++j)
        {
            const uint32_t baseSlot = base->players[j];
            if (baseSlot == 0) continue;
            glv::CGlvPlayerBlock& pb = block.players[j];
            auto p = std::make_unique<CPlayer>(std::move(pb.player));
            p->altPosition = 0;
            p->hasCommentary = p->modified = p->destinationTeamId = p->copyMark = 0;
            p->imported = 1;
            p->setNameAsStored(pb.name, encodingForLanguage(db.db().languageCode()));
            p->teamId = base->id;
            p->id = baseSlot + g;
            team->players[j] = p->id;
            stage.stagePlayer(std::move(p));
        }
        for (std::size_t j = count; j < CTeam::Slots().size(); ++j) team->players[j] = 0;
        team->fileIndex = base->fileIndex;
        team->longName = block.name;
        team->id = base->id + g;
        stage.stageTeam(std::move(team));
    }

    stage.commit(read.file.leagueName);
    return true;
}
} // namespace

bool importDbFiles(CTransaction& db, const std::string& folder, const std::string& leagueName, CPacker& packer,
                   CPrompts& prompts, const CStatusSink& status)
{
    return guarded(prompts, [&] { return importDbFilesAsRead(db, folder, leagueName, packer, prompts, status); });
}

bool importGlvFile(CTransaction& db, const std::string& path, CPrompts& prompts, const CStatusSink& status)
{
    return guarded(prompts, [&] { return importGlvFileAsRead(db, path, prompts, status); });
}
