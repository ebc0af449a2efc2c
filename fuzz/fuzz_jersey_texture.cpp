// Arbitrary bytes as a jersey texture: the reader and the thumbnail maker must stay within
// the bytes, and a thumbnail, when made, must be the picture the directory points at.

#include "kits/JerseyTexture.h"
#include "kits/JerseyThumbnails.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const std::span<const uint8_t> bytes(data, size);
    const CJerseyTexture texture = readJerseyTexture(bytes);
    const auto thumbnail = makeJerseyThumbnail(bytes);

    if (texture.status == CJerseyTextureStatus::NoFile) std::abort();  // only a file system says that
    if (texture.description.size() > 256 || texture.description.find('\0') != std::string::npos) std::abort();
    if (texture.hasPresetColours() && texture.presetFlag != 1) std::abort();
    if (thumbnail.has_value() != texture.pictureOffset.has_value()) std::abort();
    if (!thumbnail) return 0;

    if (thumbnail->size() != kJerseyThumbnailBytes || texture.status != CJerseyTextureStatus::Texture) std::abort();
    const std::size_t p = *texture.pictureOffset;
    if (p > size || size - p < 4128 + 1024) std::abort();
    // The first stored row is the picture's last; every palette entry's fourth byte is 0.
    if (std::memcmp(thumbnail->data() + 1078, data + p + 16 + 63 * 64, 64) != 0) std::abort();
    for (std::size_t i = 0; i < 256; ++i)
        if ((*thumbnail)[54 + 4 * i + 3] != 0) std::abort();
    return 0;
}
