// Load and save of the full-size sample game, each beside the cost of the bare file I/O
// it cannot avoid, plus what the loaded database occupies in memory.
//
//   bench_gamefiles [--folder=DIR] [benchmark flags]
//
// DIR is where the sample game is written (default: the system temporary folder); put
// it on the disk whose flush cost should be measured.

#include "database/Database.h"
#include "database/GameFiles.h"
#include "sample/SampleGame.h"
#include "util/FileCommit.h"

#include "BenchSample.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

namespace
{
fs::path g_folder;

struct CGameBytes
{
    fs::path databasePath, namesPath, playerNamesPath;
    Bytes database, names, playerNames;
};
CGameBytes g_files;

// Measured once at start-up, before any other allocation can leave memory behind for
// a later load to reuse.
std::size_t g_estimatedBytes = 0;
long g_residentGrowth = 0;
std::size_t g_players = 0, g_teams = 0, g_leagues = 0;

void loadOrDie(CDatabase& db)
{
    if (auto e = CGameFiles(g_folder).loadAll(db))
    {
        std::cerr << "bench_gamefiles: cannot load the sample: " << e->message << "\n";
        std::exit(1);
    }
}

long residentBytes()
{
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return resident * ::sysconf(_SC_PAGESIZE);
}

// Heap bytes a string owns beyond its own object; short strings live inside it.
std::size_t heapOf(const std::string& s)
{
    return s.capacity() > std::string().capacity() ? s.capacity() + 1 : 0;
}

std::size_t estimateBytes(const CDatabase& db)
{
    std::size_t n = sizeof(CDatabase);
    n += db.playerTableSize() * sizeof(std::unique_ptr<CPlayer>);
    n += db.teamTableSize() * sizeof(std::unique_ptr<CTeam>);
    db.forEachPlayer([&](const CPlayer& p) { n += sizeof(CPlayer) + heapOf(p.name) + heapOf(p.storedName); });
    db.forEachTeam([&](const CTeam& t) {
        n += sizeof(CTeam) + heapOf(t.longName) + heapOf(t.abbreviation) + heapOf(t.shortName);
    });
    n += db.leagues().size() * sizeof(std::unique_ptr<CLeague>);
    for (const auto& l : db.leagues())
        n += sizeof(CLeague) + l->teamIds.capacity() * sizeof(uint32_t) + heapOf(l->displayName);
    for (const auto* index : {&db.teamNameIndex(), &db.playerNameIndex()})
    {
        n += index->size() * sizeof(std::string);
        for (uint32_t id = 0; id < index->size(); ++id) n += heapOf((*index)[id]);
    }
    return n;
}

void measureMemory()
{
#if defined(__GLIBC__)
    // Hand back what writing the sample freed, or the load would reuse it unseen.
    ::malloc_trim(0);
#endif
    const long before = residentBytes();
    {
        CDatabase db;
        loadOrDie(db);
        g_residentGrowth = residentBytes() - before;
        g_estimatedBytes = estimateBytes(db);
        g_players = db.playerCount();
        g_teams = db.teamCount();
        g_leagues = db.leagues().size();
    }
}

// Evicts the three files from the page cache, so that the next read comes from the
// disk as at the first start of the editor after boot.
void evictFromCache(benchmark::State& state)
{
    for (const auto* path : {&g_files.databasePath, &g_files.namesPath, &g_files.playerNamesPath})
    {
        const int fd = ::open(path->c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0 || ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED) != 0) state.SkipWithError("cannot evict");
        if (fd >= 0) ::close(fd);
    }
}

int64_t fileBytes()
{
    return int64_t(g_files.database.size() + g_files.names.size() + g_files.playerNames.size());
}

void BM_LoadFull(benchmark::State& state)
{
    for (auto _ : state)
    {
        CDatabase db;
        loadOrDie(db);
        benchmark::DoNotOptimize(db.playerTableSize());
    }
    state.SetBytesProcessed(state.iterations() * fileBytes());
}

void BM_ReadRaw(benchmark::State& state)
{
    for (auto _ : state)
    {
        Bytes d, n, p;
        const bool ok = CFileSystem::real().readFile(g_files.databasePath, d)
                        && CFileSystem::real().readFile(g_files.namesPath, n)
                        && CFileSystem::real().readFile(g_files.playerNamesPath, p);
        if (!ok) state.SkipWithError("read failed");
        benchmark::DoNotOptimize(d.data());
    }
    state.SetBytesProcessed(state.iterations() * fileBytes());
}

void BM_LoadFullCold(benchmark::State& state)
{
    for (auto _ : state)
    {
        state.PauseTiming();
        evictFromCache(state);
        state.ResumeTiming();
        CDatabase db;
        loadOrDie(db);
        benchmark::DoNotOptimize(db.playerTableSize());
    }
    state.SetBytesProcessed(state.iterations() * fileBytes());
}

void BM_ReadRawCold(benchmark::State& state)
{
    for (auto _ : state)
    {
        state.PauseTiming();
        evictFromCache(state);
        state.ResumeTiming();
        Bytes d, n, p;
        const bool ok = CFileSystem::real().readFile(g_files.databasePath, d)
                        && CFileSystem::real().readFile(g_files.namesPath, n)
                        && CFileSystem::real().readFile(g_files.playerNamesPath, p);
        if (!ok) state.SkipWithError("read failed");
        benchmark::DoNotOptimize(d.data());
    }
    state.SetBytesProcessed(state.iterations() * fileBytes());
}

void BM_LoadFromMemory(benchmark::State& state)
{
    for (auto _ : state)
    {
        CDatabase db;
        const bool failed = gameformat::loadPlayers(db, g_files.database, g_files.playerNames)
                            || gameformat::loadTeams(db, g_files.database, g_files.names)
                            || gameformat::loadLeagues(db, g_files.database, g_files.names);
        if (failed) state.SkipWithError("load failed");
        benchmark::DoNotOptimize(db.playerTableSize());
    }
    state.SetBytesProcessed(state.iterations() * fileBytes());
}

void BM_SaveFull(benchmark::State& state)
{
    CDatabase db;
    loadOrDie(db);
    for (auto _ : state)
    {
        if (auto e = CGameFiles(g_folder).save(db)) state.SkipWithError(e->c_str());
    }
    state.SetBytesProcessed(state.iterations() * fileBytes());
}

// What any save has to do at the least: the three files written and flushed beside
// their targets, then renamed over them.
void BM_WriteRaw(benchmark::State& state)
{
    const fs::path dir = g_folder / "raw-write";
    fs::create_directories(dir);
    const fs::path targets[] = {dir / "FCDB.DBI", dir / "FCDB_ENG.DBI", dir / "FCDBPENG.DBI"};
    const Bytes* contents[] = {&g_files.database, &g_files.names, &g_files.playerNames};
    for (auto _ : state)
    {
        bool ok = true;
        fs::path temps[3];
        for (int i = 0; i < 3; ++i) temps[i] = fs::path(targets[i]) += ".new";
        for (int i = 0; i < 3; ++i) ok = ok && CFileSystem::real().createFile(temps[i], *contents[i]);
        for (int i = 0; i < 3; ++i) ok = ok && CFileSystem::real().renameFile(temps[i], targets[i]);
        if (!ok) state.SkipWithError("write failed");
    }
    state.SetBytesProcessed(state.iterations() * fileBytes());
}

void BM_BuildSaveInMemory(benchmark::State& state)
{
    CDatabase db;
    loadOrDie(db);
    for (auto _ : state)
    {
        // The save also hands back the state it leaves in memory; so does this, to time
        // the same work.
        CDatabase saved;
        auto image = gameformat::buildSave(db, g_files.database, g_files.names, &saved);
        benchmark::DoNotOptimize(image.database.data());
    }
    state.SetBytesProcessed(state.iterations() * fileBytes());
}

// What the save adds before it writes: its bytes read back and compared with the records.
void BM_VerifySaveInMemory(benchmark::State& state)
{
    CDatabase db;
    loadOrDie(db);
    CDatabase saved;
    const auto image = gameformat::buildSave(db, g_files.database, g_files.names, &saved);
    for (auto _ : state)
    {
        auto difference = gameformat::verifySave(saved, image);
        if (difference) state.SkipWithError(difference->c_str());
        benchmark::DoNotOptimize(difference);
    }
    state.SetBytesProcessed(state.iterations() * fileBytes());
}

void BM_DatabaseMemory(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(g_estimatedBytes);
    state.counters["bytes"] = double(g_estimatedBytes);
    state.counters["rss_growth"] = double(g_residentGrowth);
    state.counters["players"] = double(g_players);
    state.counters["teams"] = double(g_teams);
    state.counters["leagues"] = double(g_leagues);
}

BENCHMARK(BM_LoadFull)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadRaw)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadFullCold)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadRawCold)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadFromMemory)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveFull)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteRaw)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildSaveInMemory)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VerifySaveInMemory)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DatabaseMemory)->Iterations(1);

Bytes readOrDie(const fs::path& path)
{
    Bytes b;
    if (!CFileSystem::real().readFile(path, b))
    {
        std::cerr << "bench_gamefiles: cannot read " << path << "\n";
        std::exit(1);
    }
    return b;
}
} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    const CBenchSample sample(argc, argv, "bench_gamefiles");
    g_folder = sample.folder();
    measureMemory();

    const CGameFiles files(g_folder);
    g_files.databasePath = files.resolve(gamepaths::kDatabaseFile);
    g_files.namesPath = files.resolve(gamepaths::nameFilePath("ENG"));
    g_files.playerNamesPath = files.resolve(gamepaths::playerNameFilePath("ENG"));
    g_files.database = readOrDie(g_files.databasePath);
    g_files.names = readOrDie(g_files.namesPath);
    g_files.playerNames = readOrDie(g_files.playerNamesPath);

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
