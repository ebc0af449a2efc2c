// The league tree and the roster filled from the full-size sample game: the tree with
// every player as the Transfer page shows it, without players as the left pane shows it,
// the tree order alone (no widget), and one team's roster.
//
//   bench_views [benchmark flags]

#include "app/ObrixApp.h"
#include "app/Resources.h"
#include "database/GameFiles.h"
#include "editing/LeagueTreeOrder.h"
#include "editing/Roster.h"
#include "sample/SampleGame.h"
#include "settings/GameRegistration.h"
#include "settings/Prompts.h"
#include "MemorySettings.h"
#include "NoRegistration.h"
#include "settings/SettingsStore.h"
#include "widgets/LeagueTree.h"
#include "shell/RosterView.h"
#include "util/TextCodec.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>

namespace fs = std::filesystem;

namespace
{
class CSilentPrompts : public CPrompts
{
public:
    bool askYesNo(const std::string&, CIcon) override { return false; }
    CAnswer askYesNoCancel(const std::string&, CIcon) override { return CAnswer::Cancel; }
    std::optional<std::string> chooseFolder(const std::string&, const std::string&) override { return std::nullopt; }
    std::optional<std::string> chooseFile(const CFileChoice&) override { return std::nullopt; }
    void message(const std::string&, CIcon) override {}
};

CMemorySettings g_settings;
CSilentPrompts g_prompts;
CNoRegistration g_registration;
CObrixApp* g_app = nullptr;

// The team with the most listed players, as the heaviest roster.
uint32_t biggestTeam(const CDatabase& db)
{
    uint32_t best = 0;
    std::size_t most = 0;
    db.forEachTeam([&](const CTeam& t) {
        const std::size_t n = rosterPlayers(db, t.id).size();
        if (n > most) most = n, best = t.id;
    });
    return best;
}

void treeFill(benchmark::State& state, bool players)
{
    CLeagueTree tree(*g_app, players, false);
    tree.resize(300, 600);
    for (auto _ : state)
    {
        tree.fill();
        benchmark::DoNotOptimize(tree.model()->rowCount());
    }
}

void BM_TreeFillWithPlayers(benchmark::State& state) { treeFill(state, true); }
void BM_TreeFillTeamsOnly(benchmark::State& state) { treeFill(state, false); }

void BM_TreeOrderOnly(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(buildLeagueTree(g_app->db(), true, CTextEncoding::Windows1252).size());
}

void BM_RosterShowTeam(benchmark::State& state)
{
    CRosterView roster(*g_app);
    roster.resize(760, 300);
    const uint32_t team = biggestTeam(g_app->db());
    state.counters["rows"] = double(rosterPlayers(g_app->db(), team).size());
    for (auto _ : state)
    {
        roster.showTeam(team);
        benchmark::DoNotOptimize(roster.rowCount());
    }
}

BENCHMARK(BM_TreeFillWithPlayers)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TreeFillTeamsOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TreeOrderOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RosterShowTeam)->Unit(benchmark::kMicrosecond);
}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qtApp(argc, argv);
    initObrixResources();

    const fs::path folder = fs::temp_directory_path() / "obrix-bench-views";
    fs::remove_all(folder);
    if (auto problem = writeSampleGame(folder, {1, CSampleScale::Full}))
    {
        std::cerr << "bench_views: cannot write the sample: " << *problem << "\n";
        return 1;
    }
    auto app = std::make_unique<CObrixApp>(g_settings, g_prompts, g_registration, folder / "data");
    if (!app->document().load([&](CDatabase& db) { return !CGameFiles(folder).loadAll(db); }))
    {
        std::cerr << "bench_views: cannot load the sample\n";
        return 1;
    }
    g_app = app.get();
    std::size_t players = app->db().playerCount();
    std::cout << "full sample: " << players << " players, " << app->db().teamCount() << " teams, "
              << app->db().leagues().size() << " leagues\n";

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_app = nullptr;
    app.reset();
    fs::remove_all(folder);
    return 0;
}
