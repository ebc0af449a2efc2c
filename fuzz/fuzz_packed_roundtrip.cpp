// Any bytes, packed by us and unpacked again, must come back unchanged; the packed form
// must carry a header the reader knows and never be much larger than the bytes stored
// as they are.

#include "exchange/PackedCodec.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const std::span<const uint8_t> bytes(data, size);
    const std::vector<uint8_t> packed = packBytes(bytes);
    if (!hasPackedHeader(packed)) std::abort();
    if (packed.size() > 5 + size + size / 112 + 2) std::abort();
    const CUnpackResult back = unpackBytes(packed);
    if (!back.ok() || back.data.size() != size) std::abort();
    for (std::size_t i = 0; i < size; ++i)
        if (back.data[i] != data[i]) std::abort();
    return 0;
}
