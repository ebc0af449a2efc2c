// Unpacking and packing of a real packed file from another tool (a 503,029-byte texture),
// and packing of the three exchange files of the whole full-size sample game.
//
//   bench_packer [--file=UNPACKED] [benchmark flags]
//
// UNPACKED defaults to the shared test data's texture.unpacked. Counters: packed_bytes
// (ours), gzip6_bytes (what "gzip -6" makes of the same bytes, as a yardstick) and
// vs_gzip6 (ours divided by that).

#include "database/Database.h"
#include "database/GameFiles.h"
#include "exchange/ExchangeRecords.h"
#include "exchange/PackedCodec.h"
#include "sample/SampleGame.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

namespace fs = std::filesystem;

namespace
{
using Bytes = std::vector<uint8_t>;

// The size gzip -6 packs the bytes to, or 0 when gzip cannot be run.
std::size_t gzipSize(const Bytes& bytes)
{
    const fs::path file = fs::temp_directory_path() / ("obrix-bench-gzip-" + std::to_string(::getpid()));
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    std::size_t size = 0;
    const std::string command = "gzip -6 -c -n '" + file.string() + "' | wc -c";
    if (std::FILE* pipe = ::popen(command.c_str(), "r"))
    {
        unsigned long n = 0;
        if (std::fscanf(pipe, "%lu", &n) == 1) size = n;
        ::pclose(pipe);
    }
    fs::remove(file);
    return size;
}

void sizeCounters(benchmark::State& state, std::size_t packed, std::size_t gzip)
{
    state.counters["packed_bytes"] = double(packed);
    state.counters["gzip6_bytes"] = double(gzip);
    if (gzip) state.counters["vs_gzip6"] = double(packed) / double(gzip);
}

// The unpacked CUSTOM.DB, CUSPLYR.DB and XFER.DB of every team and player of the full
// sample, as an export of all of it would make them.
struct CExchangeSet
{
    Bytes files[3];
    std::size_t gzip[3] = {};
};

const CExchangeSet& exchangeSet()
{
    static const CExchangeSet set = [] {
        CExchangeSet out;
        const fs::path folder = fs::temp_directory_path() / ("obrix-bench-packer-" + std::to_string(::getpid()));
        CSampleOptions options;
        options.seed = 1;
        options.scale = CSampleScale::Full;
        CDatabase db;
        if (auto e = writeSampleGame(folder, options))
        {
            std::cerr << "bench_packer: cannot write the sample game: " << *e << "\n";
            std::exit(1);
        }
        if (auto e = CGameFiles(folder).loadAll(db))
        {
            std::cerr << "bench_packer: cannot load the sample game: " << e->message << "\n";
            std::exit(1);
        }
        fs::remove_all(folder);

        std::vector<CTeam> teams;
        std::vector<CPlayer> players;
        std::vector<exchange::CTransferEntry> transfers;
        db.forEachTeam([&](const CTeam& t) { teams.push_back(t); });
        db.forEachPlayer([&](const CPlayer& p) { players.push_back(p); });
        db.forEachTeam([&](const CTeam& t) {
            for (const uint32_t id : t.incomingPlayers)
            {
                const CPlayer* p = id ? db.player(id) : nullptr;
                if (!p) continue;
                const int from = db.fileIndexOfTeam(p->teamId);
                const int to = db.fileIndexOfTeam(t.id);
                transfers.push_back({id % 16384, uint32_t(from < 0 ? CDatabase::kNoFileIndex : from),
                                     uint32_t(to < 0 ? CDatabase::kNoFileIndex : to)});
            }
        });
        // The sample has no pending transfers; one player in ten moving to the next team
        // in file order stands in for a busy transfer window.
        if (transfers.empty())
            for (std::size_t i = 0; i < players.size(); i += 10)
            {
                const int from = db.fileIndexOfTeam(players[i].teamId);
                if (from < 0 || from == CDatabase::kNoFileIndex) continue;
                transfers.push_back({players[i].id % 16384, uint32_t(from), uint32_t((from + 1) % teams.size())});
            }
        out.files[0] = exchange::writeTeamFile(teams);
        out.files[1] = exchange::writePlayerFile(players);
        out.files[2] = exchange::writeTransferFile(transfers);
        for (int i = 0; i < 3; ++i) out.gzip[i] = gzipSize(out.files[i]);
        return out;
    }();
    return set;
}

std::string g_unpackedPath = OBRIX_TESTDATA_DIR "/packed/texture.unpacked";

Bytes readFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), {});
}

const Bytes& original()
{
    static const Bytes bytes = readFile(g_unpackedPath);
    return bytes;
}

void BM_Unpack(benchmark::State& state)
{
    const Bytes packed = packBytes(original());
    for (auto _ : state)
    {
        CUnpackResult result = unpackBytes(packed);
        if (!result.ok() || result.data.size() != original().size()) state.SkipWithError("unpack failed");
        benchmark::DoNotOptimize(result.data.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(original().size()));
    state.counters["packed_bytes"] = double(packed.size());
}

void BM_Pack(benchmark::State& state)
{
    std::size_t size = 0;
    for (auto _ : state)
    {
        const Bytes packed = packBytes(original());
        size = packed.size();
        benchmark::DoNotOptimize(packed.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(original().size()));
    sizeCounters(state, size, gzipSize(original()));
}

// Argument: 0 CUSTOM.DB, 1 CUSPLYR.DB, 2 XFER.DB.
void BM_PackExchange(benchmark::State& state)
{
    const CExchangeSet& set = exchangeSet();
    const Bytes& data = set.files[state.range(0)];
    std::size_t size = 0;
    for (auto _ : state)
    {
        const Bytes packed = packBytes(data);
        size = packed.size();
        benchmark::DoNotOptimize(packed.data());
    }
    state.SetLabel(state.range(0) == 0 ? "CUSTOM.DB" : state.range(0) == 1 ? "CUSPLYR.DB" : "XFER.DB");
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(data.size()));
    state.counters["unpacked_bytes"] = double(data.size());
    sizeCounters(state, size, set.gzip[state.range(0)]);
}

void BM_UnpackExchange(benchmark::State& state)
{
    const Bytes& data = exchangeSet().files[state.range(0)];
    const Bytes packed = packBytes(data);
    if (unpackBytes(packed).data != data) state.SkipWithError("the round trip changed the bytes");
    for (auto _ : state)
    {
        CUnpackResult result = unpackBytes(packed);
        if (!result.ok()) state.SkipWithError("unpack failed");
        benchmark::DoNotOptimize(result.data.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(data.size()));
}

BENCHMARK(BM_Unpack)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Pack)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PackExchange)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UnpackExchange)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
}  // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--file=", 7) == 0)
        {
            g_unpackedPath = argv[i] + 7;
            for (int j = i; j + 1 < argc; ++j) argv[j] = argv[j + 1];
            --argc;
            break;
        }
    if (original().empty())
    {
        std::cerr << "bench_packer: cannot read " << g_unpackedPath << "\n";
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
