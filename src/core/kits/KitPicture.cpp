#include "kits/KitPicture.h"

#include <algorithm>
#include <cstring>

#include "util/ByteReader.h"
#include "util/Format.h"
#include "util/GamePath.h"

namespace
{

constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::size_t kInfoHeaderBytes = 40;

CKitImageResult refuse(std::string why)
{
    return {std::nullopt, std::move(why)};
}

}  // namespace

CKitImageResult readKitBitmap(std::span<const uint8_t> bytes)
{
    const CByteReader in(bytes);
    if (!in.has(0, kFileHeaderBytes) || bytes[0] != 'B' || bytes[1] != 'M') return refuse("not a bitmap file");
    if (!in.has(kFileHeaderBytes, kInfoHeaderBytes)) return refuse("the bitmap header is cut short");
    const uint32_t pixelOffset = in.u32(10);
    const uint32_t infoSize = in.u32(14);
    const auto width = int32_t(in.u32(18));
    const auto height = int32_t(in.u32(22));
    const uint16_t planes = in.u16(26);
    const uint16_t bitCount = in.u16(28);
    const uint32_t compression = in.u32(30);
    const uint32_t coloursUsed = in.u32(46);

    if (infoSize < kInfoHeaderBytes) return refuse("the bitmap has an old-style header");
    if (bitCount != 8) return refuse("the bitmap is not 8 bits per pixel (" + std::to_string(bitCount) + ")");
    if (compression != 0) return refuse("the bitmap is compressed");
    if (planes != 1) return refuse("the bitmap has more than one plane");
    // Height is negative for a top-down bitmap. INT32_MIN has no positive counterpart.
    if (width <= 0 || height == 0 || height == INT32_MIN) return refuse("the bitmap has no pixels");
    if (coloursUsed > 256) return refuse("the bitmap's colour table is too long");

    const std::size_t colours = coloursUsed == 0 ? 256 : coloursUsed;
    const uint64_t tableAt = kFileHeaderBytes + uint64_t(infoSize);
    const uint64_t tableEnd = tableAt + 4 * colours;
    if (tableEnd > bytes.size()) return refuse("the bitmap's colour table is cut short");

    const uint64_t rows = uint64_t(height < 0 ? -int64_t(height) : height);
    const uint64_t stride = (uint64_t(width) + 3) & ~uint64_t(3);
    const uint64_t pixelBytes = stride * rows;  // at most about 2^62, no overflow
    // The pixels follow the colour table, unless the header points at a later place that
    // still holds them all (some writers align or pad the pixel data).
    uint64_t pixelsAt = tableEnd;
    if (pixelOffset > tableEnd && pixelOffset <= bytes.size() && pixelBytes <= bytes.size() - pixelOffset)
        pixelsAt = pixelOffset;
    if (pixelsAt > bytes.size() || pixelBytes > bytes.size() - pixelsAt) return refuse("the bitmap's pixels are cut short");

    CKitImage image;
    image.width = width;
    image.height = int(rows);
    for (std::size_t i = 0; i < colours; ++i)
    {
        const std::size_t e = std::size_t(tableAt) + 4 * i;
        image.palette[i] = CRgb{bytes[e + 2], bytes[e + 1], bytes[e]};
    }
    image.pixels.resize(std::size_t(width) * std::size_t(rows));
    for (uint64_t r = 0; r < rows; ++r)
    {
        const uint64_t stored = height < 0 ? r : rows - 1 - r;
        std::memcpy(image.pixels.data() + r * uint64_t(width), bytes.data() + pixelsAt + stored * stride, std::size_t(width));
    }
    return {std::move(image), {}};
}

std::vector<uint8_t> writeKitBitmap(const CKitImage& image)
{
    const std::size_t width = std::size_t(std::max(image.width, 0));
    const std::size_t height = std::size_t(std::max(image.height, 0));
    const std::size_t stride = (width + 3) & ~std::size_t(3);
    const std::size_t pixelBytes = stride * height;
    const std::size_t pixelsAt = 54 + 256 * 4;
    std::vector<uint8_t> out;
    out.reserve(pixelsAt + pixelBytes);
    CByteWriter w(out);
    w.appendBytes(std::span<const uint8_t>(reinterpret_cast<const uint8_t*>("BM"), 2));
    w.appendU32(uint32_t(pixelsAt + pixelBytes));
    w.appendU32(0);
    w.appendU32(uint32_t(pixelsAt));
    w.appendU32(40);
    w.appendU32(uint32_t(width));
    w.appendU32(uint32_t(height));
    w.putU16(w.size(), 1);
    w.putU16(w.size(), 8);
    w.appendU32(0);
    w.appendU32(uint32_t(pixelBytes));
    w.appendU32(0);
    w.appendU32(0);
    w.appendU32(256);
    w.appendU32(256);
    for (const CRgb& c : image.palette)
    {
        const uint8_t entry[4] = {c.b, c.g, c.r, 0};
        w.appendBytes(entry);
    }
    out.resize(pixelsAt + pixelBytes, 0);
    for (std::size_t r = 0; r < height; ++r)
    {
        // An image short of pixels is written with index 0 for the missing ones.
        const std::size_t from = r * width;
        if (from >= image.pixels.size()) break;
        const std::size_t stored = height - 1 - r;
        std::memcpy(out.data() + pixelsAt + stored * stride, image.pixels.data() + from,
                    std::min(width, image.pixels.size() - from));
    }
    return out;
}

CKitSlotColours jerseyListSlots(const CKitColours& kit)
{
    CKitSlotColours slots;
    for (std::size_t i = 0; i < slots.size(); ++i) slots[i] = kit[i];
    return slots;
}

CKitSlotColours shortsListSlots(const CKitColours& kit)
{
    CKitSlotColours slots;
    slots[kitpalette::kShortsSlot1 - 1] = kit[kitpalette::kShortsSlot1 - 1];
    slots[kitpalette::kShortsSlot2 - 1] = kit[kitpalette::kShortsSlot2 - 1];
    return slots;
}

CKitSlotColours socksListSlots(const CKitColours& kit)
{
    CKitSlotColours slots;
    slots[kitpalette::kSocksSlot1 - 1] = kit[kitpalette::kSocksSlot1 - 1];
    slots[kitpalette::kSocksSlot2 - 1] = kit[kitpalette::kSocksSlot2 - 1];
    return slots;
}

void recolourKitImage(CKitImage& image, const CKitSlotColours& slots)
{
    for (int slot = 1; slot <= kitpalette::kSlotCount; ++slot)
    {
        const auto& colour = slots[std::size_t(slot - 1)];
        if (!colour || !isKitColour(*colour)) continue;
        const auto& ramp = kitRamp(*colour);
        for (int s = 0; s < kitpalette::kShadeCount; ++s) image.palette[std::size_t(rampFirstIndex(slot) + s)] = ramp[std::size_t(s)];
    }
}

CKitImageResult drawKitPicture(std::span<const uint8_t> bmpBytes, const CKitSlotColours& slots)
{
    CKitImageResult result = readKitBitmap(bmpBytes);
    if (result.image) recolourKitImage(*result.image, slots);
    return result;
}

CKitImageResult drawKitPictureFile(const std::filesystem::path& file, const CKitSlotColours& slots, CFileSystem& fs)
{
    std::vector<uint8_t> bytes;
    if (!fs.readFile(file, bytes)) return refuse("the file cannot be read");
    return drawKitPicture(bytes, slots);
}

std::string kitPictureFallbackText(int number, const char* format)
{
    return formatText(format, number);
}

std::filesystem::path kitPicturePath(const std::filesystem::path& jerseysFolder, const std::string& prefix, int number)
{
    return resolveGamePath(jerseysFolder, prefix + std::to_string(number) + ".bmp");
}
