// Arbitrary bytes as a GLV file, the first byte giving the number of teams of the league
// it is based on. The reader must refuse or succeed without reading out of bounds, with a
// message exactly when it refuses. Every bit of a GLV file's records belongs to a field,
// so a file that is read and written again must give back the bytes that were read.

#include "exchange/GlvFile.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    const std::size_t maxTeams = data[0];
    const std::span<const uint8_t> bytes(data + 1, size - 1);
    const glv::CGlvReadResult result = glv::readGlvFile(bytes, maxTeams);
    if (result.ok() != result.message.empty()) std::abort();
    if (!result.ok())
    {
        if (!result.file.teams.empty()) std::abort();
        return 0;
    }
    if (result.file.teams.size() > maxTeams) std::abort();
    for (const auto& team : result.file.teams)
        if (team.players.size() > glv::kMaxPlayersPerTeam) std::abort();

    const std::vector<uint8_t> written = glv::writeGlvFile(result.file);
    // Bytes after the last block are ignored, so what is written is the front of the input.
    if (written.size() > bytes.size() || !std::equal(written.begin(), written.end(), bytes.begin())) std::abort();
    const glv::CGlvReadResult again = glv::readGlvFile(written, maxTeams);
    if (!again.ok() || glv::writeGlvFile(again.file) != written) std::abort();
    return 0;
}
