// Unpacking and packing of a real packed file from another tool (a 503,029-byte texture).
//
//   bench_packer [--file=UNPACKED] [benchmark flags]
//
// UNPACKED defaults to the shared test data's texture.unpacked. The sizes of our packed
// form and of the other tool's are reported as counters.

#include "exchange/PackedCodec.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

namespace
{
using Bytes = std::vector<uint8_t>;

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
    state.counters["packed_bytes"] = double(size);
}

BENCHMARK(BM_Unpack)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Pack)->Unit(benchmark::kMillisecond);
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
