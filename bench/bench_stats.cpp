// The statistics page over every team of the full-size sample game: the grid fill (the
// players the teams contribute, then the cells of those that pass the filters) and the
// text reports of both kinds in both formats.
//
//   bench_stats [--folder=DIR] [benchmark flags]
//
// DIR is where the sample game is written (default: the system temporary folder).

#include "database/Database.h"
#include "database/GameFiles.h"
#include "editing/LeagueTreeOrder.h"
#include "exchange/StatsReport.h"
#include "sample/SampleGame.h"
#include "util/TextCodec.h"

#include "BenchSample.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include <unistd.h>

namespace fs = std::filesystem;

namespace
{
fs::path g_folder;
CDatabase g_db;
// The chosen-teams list after "A&dd All": every league's teams in the tree's order (a team
// in several leagues is listed once for each), then the teams no league holds, so that
// every team of the database is chosen.
std::vector<uint32_t> g_teams;

void setCounters(benchmark::State& state, std::size_t players)
{
    state.counters["entries"] = double(g_teams.size());
    state.counters["players"] = double(players);
}

void BM_StatsContributedRows(benchmark::State& state)
{
    std::size_t n = 0;
    for (auto _ : state)
    {
        auto rows = contributedRows(g_db, g_teams);
        n = rows.size();
        benchmark::DoNotOptimize(rows.data());
    }
    setCounters(state, n);
}

void BM_StatsGridRows(benchmark::State& state)
{
    const auto kind = CStatsKind(state.range(0));
    const auto rows = contributedRows(g_db, g_teams);
    for (auto _ : state)
    {
        auto grid = gridRows(rows, kind, {}, CTextEncoding::Windows1252);
        benchmark::DoNotOptimize(grid.data());
    }
    setCounters(state, rows.size());
}

// What "&Update Grid" computes: the snapshot, then the cells.
void BM_StatsFill(benchmark::State& state)
{
    const auto kind = CStatsKind(state.range(0));
    CStatsFilters filters;
    if (state.range(1))
    {
        // A filter set that keeps a fair share of the players and tests every row.
        filters.name = "a";
        filters.position = 11;
        filters.rating = {1, 4};
    }
    std::size_t shown = 0, players = 0;
    for (auto _ : state)
    {
        const auto rows = contributedRows(g_db, g_teams);
        auto grid = gridRows(rows, kind, filters, CTextEncoding::Windows1252);
        shown = grid.size();
        players = rows.size();
        benchmark::DoNotOptimize(grid.data());
    }
    setCounters(state, players);
    state.counters["shown"] = double(shown);
}

void BM_StatsReport(benchmark::State& state)
{
    const auto kind = CStatsKind(state.range(0));
    const auto format = CReportFormat(state.range(1));
    std::size_t bytes = 0, players = 0;
    for (auto _ : state)
    {
        const auto rows = contributedRows(g_db, g_teams);
        const std::string text = writeReport(rows, kind, format);
        bytes = text.size();
        players = rows.size();
        benchmark::DoNotOptimize(text.data());
    }
    setCounters(state, players);
    state.counters["bytes"] = double(bytes);
}

// The report as "&Write to File" does it, file included.
void BM_StatsReportFile(benchmark::State& state)
{
    const fs::path out = g_folder / "REPORT.TXT";
    for (auto _ : state)
    {
        const auto rows = contributedRows(g_db, g_teams);
        if (!writeReportFile(out, writeReport(rows, CStatsKind::PlayerStats, CReportFormat::Plain)))
            state.SkipWithError("cannot write the report");
    }
}
} // namespace

BENCHMARK(BM_StatsContributedRows)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StatsGridRows)->ArgName("kind")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StatsFill)->ArgNames({"kind", "filtered"})->Args({0, 0})->Args({1, 0})->Args({0, 1})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StatsReport)->ArgNames({"kind", "format"})->Args({0, 0})->Args({0, 1})->Args({1, 0})->Args({1, 1})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StatsReportFile)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    const CBenchSample sample(argc, argv, "bench_stats");
    g_folder = sample.folder();
    if (auto e = CGameFiles(g_folder).loadAll(g_db))
    {
        std::cerr << "bench_stats: cannot load the sample: " << e->message << "\n";
        return 1;
    }
    for (const CTreeNode& league : buildLeagueTree(g_db, false, CTextEncoding::Windows1252))
        for (const CTreeNode& team : league.children) g_teams.push_back(team.value);
    std::vector<bool> chosen(g_db.teamTableSize(), false);
    for (uint32_t id : g_teams) chosen[id] = true;
    g_db.forEachTeam([&](const CTeam& t) {
        if (!chosen[t.id]) g_teams.push_back(t.id);
    });
    std::cerr << "bench_stats: " << g_db.teamCount() << " teams, " << g_teams.size() << " list entries, "
              << g_db.playerCount() << " players in the database\n";

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
