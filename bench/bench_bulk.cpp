// The bulk commands' work over the full-size sample game, in process: the table export,
// the import's reading and checking of a file that changes every player's speed, the
// database check and the comparison of two loaded databases. The whole-process figures
// of the same commands (obrix-cli export-table, import-table, check, diff) are measured
// with /usr/bin/time, as bench/README.md shows.
//
//   bench_bulk [--folder=DIR] [benchmark flags]

#include "database/Change.h"
#include "database/Database.h"
#include "database/GameFiles.h"
#include "editing/DatabaseCheck.h"
#include "editing/DatabaseDiff.h"
#include "editing/TableExchange.h"
#include "util/Csv.h"

#include "BenchSample.h"

#include <benchmark/benchmark.h>

#include <iostream>
#include <memory>

namespace
{
const CTextEncoding kEnc = CTextEncoding::Windows1252;
CDatabase* g_db = nullptr;
CDatabase* g_other = nullptr;
std::string g_players;      // the players table as exported
std::string g_everySpeed;   // the same with every player's speed changed

// The exported table with one column rewritten, as a spreadsheet would save it.
std::string withEverySpeedChanged(const std::string& file)
{
    std::vector<csv::CRecord> rows;
    csv::parse(file, rows);
    std::size_t speed = 0;
    while (rows[0].fields[speed] != "speed") ++speed;
    std::string out(csv::kByteOrderMark);
    csv::appendRecord(out, rows[0].fields);
    for (std::size_t r = 1; r < rows.size(); ++r)
    {
        auto& cell = rows[r].fields[speed];
        cell = std::to_string(std::stoi(cell) % 16 + 1);  // skills read 1..16
        csv::appendRecord(out, rows[r].fields);
    }
    return out;
}

void BM_ExportPlayers(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(tableexchange::exportTable(*g_db, CRecordKind::Player, kEnc));
    state.counters["bytes"] = double(g_players.size());
}
BENCHMARK(BM_ExportPlayers)->Unit(benchmark::kMillisecond);

void BM_PlanImportEverySpeed(benchmark::State& state)
{
    std::size_t changes = 0;
    for (auto _ : state)
    {
        const auto plan = tableexchange::planImport(*g_db, g_everySpeed, kEnc);
        changes = plan.changes.size();
    }
    state.counters["changes"] = double(changes);
}
BENCHMARK(BM_PlanImportEverySpeed)->Unit(benchmark::kMillisecond);

void BM_Check(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(checkDatabase(*g_db, kEnc));
}
BENCHMARK(BM_Check)->Unit(benchmark::kMillisecond);

void BM_DiffEverySpeed(benchmark::State& state)
{
    std::size_t found = 0;
    for (auto _ : state) found = diffDatabases(*g_db, *g_other).size();
    state.counters["differences"] = double(found);
}
BENCHMARK(BM_DiffEverySpeed)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    CBenchSample sample(argc, argv, "bench_bulk");
    auto db = std::make_unique<CDatabase>();
    auto other = std::make_unique<CDatabase>();
    if (CGameFiles(sample.folder()).loadAll(*db) || CGameFiles(sample.folder()).loadAll(*other))
    {
        std::cerr << "bench_bulk: cannot load the sample\n";
        return 1;
    }
    g_db = db.get();
    g_other = other.get();
    g_players = tableexchange::exportTable(*db, CRecordKind::Player, kEnc);
    g_everySpeed = withEverySpeedChanged(g_players);
    {
        CTransaction tx(*other);
        applyFieldChanges(tx, tableexchange::planImport(*other, g_everySpeed, kEnc).changes);
        tx.commit();
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
