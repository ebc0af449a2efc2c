// The history's costs over the full-size sample game: undo (and redo) of a global
// modification and of a league import, and the memory 1,000 single-field edits hold.
//
//     bench_history [--folder=DIR]

#include "BenchSample.h"

#include "database/Change.h"
#include "database/Database.h"
#include "database/GameFiles.h"
#include "editing/GlobalModifications.h"
#include "exchange/LeagueImport.h"
#include "exchange/Packer.h"
#include "sample/SampleExchange.h"
#include "settings/Prompts.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace
{
CBenchSample* g_sample = nullptr;

class CQuietPrompts : public CPrompts
{
public:
    void message(const std::string&, CIcon) override {}
    bool askYesNo(const std::string&, CIcon) override { return true; }
    CAnswer askYesNoCancel(const std::string&, CIcon) override { return CAnswer::Yes; }
    std::optional<std::string> chooseFolder(const std::string&, const std::string&) override { return {}; }
    std::optional<std::string> chooseFile(const CFileChoice&) override { return {}; }
};

void load(CDatabase& db)
{
    if (CGameFiles(g_sample->folder()).loadAll(db)) std::abort();
}

// One global modification over every player, undone and redone in turn.
// Undo and redo of the step in turn, with the players it touched and the bytes it holds.
void timeUndoRedo(benchmark::State& state, CDatabase& db, const CChange& change)
{
    for (auto _ : state)
    {
        change.undo(db);
        change.redo(db);
    }
    state.counters["players"] = double(change.players().size());
    state.counters["bytes"] = double(change.memoryBytes());
}

void BM_UndoGlobalModification(benchmark::State& state)
{
    CDatabase db;
    load(db);
    CGlobalModification m;
    m.amount = 3;
    m.groups.fill(true);
    m.skills.fill(true);
    CTransaction tx(db);
    applyGlobalModification(tx, m);
    timeUndoRedo(state, db, tx.commit());
}

// A league import (the sample's exchange folder), undone and redone in turn.
void BM_UndoImport(benchmark::State& state)
{
    CDatabase db;
    load(db);
    CQuietPrompts prompts;
    CInProcessPacker packer;
    CTransaction tx(db);
    if (!importDbFiles(tx, (g_sample->folder() / "USER" / kSampleExchangeLeague).string(), "North", packer, prompts))
        std::abort();
    timeUndoRedo(state, db, tx.commit());
}

// 1,000 single-field edits, each its own step: what the history holds.
void BM_ThousandFieldEdits(benchmark::State& state)
{
    CDatabase db;
    load(db);
    std::vector<uint32_t> ids;
    db.forEachPlayer([&](const CPlayer& p) {
        if (ids.size() < 1000) ids.push_back(p.id);
    });
    std::size_t bytes = 0;
    for (auto _ : state)
    {
        std::vector<CChange> history;
        history.reserve(ids.size());
        for (uint32_t id : ids)
        {
            CTransaction edit(db);
            edit.player(id)->speed = uint8_t((edit.db().player(id)->speed + 1) % 16);
            edit.player(id)->modified = 1;
            edit.setModified();
            history.push_back(edit.commit());
        }
        bytes = history.capacity() * sizeof(CChange);
        for (const CChange& c : history) bytes += c.memoryBytes() - sizeof(CChange);
        for (auto it = history.rbegin(); it != history.rend(); ++it) it->undo(db);
    }
    state.counters["history_bytes"] = double(bytes);
}
}  // namespace

BENCHMARK(BM_UndoGlobalModification)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoImport)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ThousandFieldEdits)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    CBenchSample sample(argc, argv, "bench_history");
    g_sample = &sample;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
