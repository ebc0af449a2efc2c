// Start-up with many kept imported leagues: the full-size sample game with 200 imported
// leagues (the sample's exchange league and its GLV league, in turn) kept in the editor's
// data folder, then restored into a freshly loaded database, as the editor does after
// loading the game's files.
//
//   bench_kept [--folder=DIR] [benchmark flags]
//
// BM_RestoreKept times the restore alone (the load of the game's files is not timed);
// BM_DecodeKept reads and checks the kept file without adding its records;
// BM_KeepAll writes the 200 leagues; BM_ReimportExchangeSets times what the start did
// when leagues were kept as exchange sets: importing 200 of them again.

#include "database/Change.h"
#include "database/Database.h"
#include "database/GameFiles.h"
#include "exchange/KeptLeagues.h"
#include "exchange/LeagueExport.h"
#include "exchange/LeagueImport.h"
#include "exchange/Packer.h"
#include "sample/SampleExchange.h"
#include "settings/Prompts.h"
#include "util/FileCommit.h"

#include "BenchSample.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

namespace fs = std::filesystem;

namespace
{
constexpr std::size_t kLeagues = 200;

// Any question would stop a benchmark: each one is counted and answered no.
class CSilentPrompts : public CPrompts
{
public:
    std::size_t messages = 0;
    bool askYesNo(const std::string&, CIcon) override { return ++messages, false; }
    CAnswer askYesNoCancel(const std::string&, CIcon) override { return ++messages, CAnswer::Cancel; }
    std::optional<std::string> chooseFolder(const std::string&, const std::string&) override { return std::nullopt; }
    std::optional<std::string> chooseFile(const CFileChoice&) override { return std::nullopt; }
    void message(const std::string&, CIcon) override { ++messages; }
};

fs::path g_game, g_data, g_keepData, g_sets;
std::unique_ptr<CDatabase> g_source;  // the sample with the 200 imported leagues
std::size_t g_gameLeagues = 0;

std::unique_ptr<CDatabase> loaded()
{
    auto db = std::make_unique<CDatabase>();
    if (auto e = CGameFiles(g_game).loadAll(*db))
    {
        std::cerr << "bench_kept: cannot load the sample: " << e->message << "\n";
        std::exit(1);
    }
    return db;
}

void BM_RestoreKept(benchmark::State& state)
{
    std::size_t restored = 0;
    for (auto _ : state)
    {
        state.PauseTiming();
        auto db = loaded();
        CSilentPrompts prompts;
        CKeptLeagues kept(g_data, g_game);
        state.ResumeTiming();
        {
            CTransaction tx(*db);
            restored = kept.restore(tx, prompts);
            tx.commit();
        }
        state.PauseTiming();
        if (prompts.messages) state.SkipWithError("the restore asked or reported something");
        db.reset();
        state.ResumeTiming();
    }
    state.counters["leagues"] = double(restored);
}
BENCHMARK(BM_RestoreKept)->Unit(benchmark::kMillisecond);

// Reading and checking the file alone, without adding the records to a database.
void BM_DecodeKept(benchmark::State& state)
{
    const fs::path file = CKeptLeagues(g_data, g_game).file();
    for (auto _ : state)
    {
        std::vector<uint8_t> bytes;
        keptformat::CDecoded decoded;
        if (!CFileSystem::real().readFile(file, bytes) || keptformat::decode(bytes, file.string(), decoded))
            state.SkipWithError("the kept file cannot be read");
        benchmark::DoNotOptimize(decoded.players.data());
    }
}
BENCHMARK(BM_DecodeKept)->Unit(benchmark::kMillisecond);

void BM_KeepAll(benchmark::State& state)
{
    // A data folder of its own (the restore's must keep its one file), emptied before
    // each keep so that every keep writes: a keep with nothing changed writes nothing.
    bool failed = false;
    for (auto _ : state)
    {
        state.PauseTiming();
        std::error_code ec;
        fs::remove_all(g_keepData, ec);
        CKeptLeagues kept(g_keepData, g_game);
        state.ResumeTiming();
        kept.keep(*g_source, &failed);
        if (failed) state.SkipWithError("the keep failed");
    }
    std::error_code ec;
    state.counters["bytes"] = double(fs::file_size(CKeptLeagues(g_keepData, g_game).file(), ec));
}
BENCHMARK(BM_KeepAll)->Unit(benchmark::kMillisecond);

void BM_ReimportExchangeSets(benchmark::State& state)
{
    for (auto _ : state)
    {
        state.PauseTiming();
        auto db = loaded();
        CSilentPrompts prompts;
        CInProcessPacker packer;
        state.ResumeTiming();
        {
            CTransaction tx(*db);
            for (std::size_t i = 1; i <= kLeagues; ++i)
                importDbFiles(tx, (g_sets / std::to_string(i)).string(), "Kept", packer, prompts);
            tx.commit();
        }
        state.PauseTiming();
        db.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ReimportExchangeSets)->Unit(benchmark::kMillisecond)->Iterations(1);
} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    CBenchSample sample(argc, argv, "bench_kept");
    g_game = sample.folder();
    g_data = sample.folder() / "obrix-data";
    g_keepData = sample.folder() / "obrix-data-2";
    g_sets = sample.folder() / "exchange-sets";

    g_source = loaded();
    g_gameLeagues = g_source->leagues().size();
    CSilentPrompts prompts;
    CInProcessPacker packer;
    {
        CTransaction tx(*g_source);
        for (std::size_t i = 0; i < kLeagues; ++i)
        {
            const bool ok = i % 2 == 0
                                ? importDbFiles(tx, (g_game / "USER" / kSampleExchangeLeague).string(),
                                                "League " + std::to_string(i + 1), packer, prompts)
                                : importGlvFile(tx, (g_game / "USER" / kSampleGlvFile).string(), prompts);
            if (!ok)
            {
                std::cerr << "bench_kept: import " << i + 1 << " failed\n";
                return 1;
            }
        }
        tx.commit();
    }
    CKeptLeagues kept(g_data, g_game);
    if (const auto error = kept.keep(*g_source))
    {
        std::cerr << "bench_kept: " << *error << "\n";
        return 1;
    }
    for (std::size_t i = 0; i < kLeagues; ++i)
        if (!exportLeague(*g_source, g_gameLeagues + i, (g_sets / std::to_string(i + 1)).string(), packer).ok)
        {
            std::cerr << "bench_kept: export " << i + 1 << " failed\n";
            return 1;
        }

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
