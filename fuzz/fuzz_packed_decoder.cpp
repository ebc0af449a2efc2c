// Arbitrary bytes as a packed file: the reader must refuse or succeed without reading or
// writing out of bounds, and never hand back more than the header announced. Small inputs
// are also packed by us and must come back unchanged.

#include "exchange/PackedCodec.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const std::span<const uint8_t> bytes(data, size);
    const CUnpackResult result = unpackBytes(bytes);
    if (result.ok() != result.message.empty()) std::abort();
    if (!result.ok() && !result.data.empty()) std::abort();
    if (result.ok() && !hasPackedHeader(bytes)) std::abort();
    // Every output byte needs some input: no command yields more than 1028 + 3 per 4 bytes.
    if (result.data.size() > size * 258) std::abort();

    if (size <= 4096)
    {
        const std::vector<uint8_t> packed = packBytes(bytes);
        const CUnpackResult back = unpackBytes(packed);
        if (!back.ok() || back.data.size() != size) std::abort();
        for (std::size_t i = 0; i < size; ++i)
            if (back.data[i] != data[i]) std::abort();
        // Never much worse than storing the bytes as they are.
        if (packed.size() > 5 + size + size / 112 + 2) std::abort();
    }
    return 0;
}
