// Arbitrary bytes as a kit picture: the first byte chooses the slot colours (some of them
// out of range), the rest is the bitmap. A picture that draws must keep its pixels, change
// only the ramps of its set slots, and survive our own writer unchanged.

#include "kits/KitPicture.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    CKitSlotColours slots;
    for (std::size_t s = 0; s < slots.size(); ++s)
        if (data[0] & (1u << s)) slots[s] = int((data[0] * 7 + s * 5) % 34) - 1;  // -1..32
    const std::span<const uint8_t> bytes(data + 1, size - 1);

    const CKitImageResult plain = readKitBitmap(bytes);
    const CKitImageResult drawn = drawKitPicture(bytes, slots);
    if (plain.image.has_value() != drawn.image.has_value()) std::abort();
    if (!drawn.image)
    {
        if (drawn.problem.empty()) std::abort();
        return 0;
    }
    const CKitImage& image = *drawn.image;
    if (image.width <= 0 || image.height <= 0) std::abort();
    if (image.pixels.size() != std::size_t(image.width) * std::size_t(image.height)) std::abort();
    if (image.pixels.size() > bytes.size()) std::abort();  // nothing allocated on the header's word alone
    if (image.pixels != plain.image->pixels) std::abort();
    for (int i = 0; i < 256; ++i)
    {
        const int slot = i >= 32 && i < 144 ? (i - 32) / 16 : -1;
        const bool recoloured = slot >= 0 && slots[std::size_t(slot)] && isKitColour(*slots[std::size_t(slot)]);
        const CRgb expected = recoloured ? kitRamp(*slots[std::size_t(slot)])[std::size_t((i - 32) % 16)]
                                         : plain.image->palette[std::size_t(i)];
        if (!(image.palette[std::size_t(i)] == expected)) std::abort();
    }

    const CKitImageResult again = readKitBitmap(writeKitBitmap(image));
    if (!again.image || again.image->width != image.width || again.image->height != image.height
        || again.image->pixels != image.pixels || again.image->palette != image.palette)
        std::abort();
    return 0;
}
