#include "sample/SampleTextures.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>

#include "util/ByteReader.h"

namespace
{

struct CRgb
{
    uint8_t r, g, b;
};

// The 16 shades, darkest first, of the 23 kit colours as the game's ramps hold them.
const CRgb kShades[23][16] = {
    {{54, 0, 2}, {66, 4, 8}, {79, 10, 16}, {92, 17, 29}, {109, 24, 38}, {115, 33, 45}, {129, 33, 51}, {140, 41, 61},
      {148, 49, 66}, {162, 51, 78}, {173, 57, 86}, {187, 64, 93}, {198, 70, 107}, {214, 74, 111}, {222, 82, 119}, {237, 84, 127}},  // 0
    {{49, 0, 0}, {57, 0, 0}, {66, 0, 0}, {70, 8, 0}, {74, 8, 8}, {82, 8, 8}, {94, 16, 8}, {107, 16, 12},
      {107, 24, 16}, {119, 24, 16}, {132, 33, 16}, {140, 33, 16}, {140, 33, 24}, {150, 38, 24}, {165, 41, 24}, {170, 43, 33}},  // 1
    {{49, 0, 0}, {51, 0, 0}, {53, 0, 0}, {55, 0, 0}, {57, 0, 0}, {57, 8, 0}, {66, 8, 0}, {74, 8, 0},
      {74, 8, 8}, {74, 16, 8}, {82, 16, 8}, {90, 16, 8}, {90, 24, 8}, {99, 24, 8}, {107, 24, 8}, {107, 33, 16}},  // 2
    {{57, 4, 0}, {71, 16, 2}, {84, 21, 8}, {94, 33, 8}, {105, 39, 16}, {119, 49, 16}, {123, 57, 20}, {136, 61, 24},
      {148, 66, 24}, {154, 76, 28}, {169, 82, 33}, {181, 95, 36}, {197, 109, 41}, {210, 115, 49}, {222, 127, 49}, {239, 137, 51}},  // 3
    {{53, 0, 0}, {57, 8, 0}, {71, 10, 0}, {86, 16, 0}, {90, 24, 0}, {105, 30, 6}, {115, 41, 8}, {129, 43, 8},
      {140, 53, 8}, {148, 57, 8}, {160, 63, 10}, {173, 70, 16}, {186, 76, 16}, {198, 86, 16}, {210, 90, 16}, {225, 100, 19}},  // 4
    {{49, 0, 0}, {57, 0, 0}, {66, 0, 0}, {66, 8, 0}, {79, 10, 0}, {90, 16, 0}, {99, 16, 0}, {99, 24, 0},
      {107, 24, 0}, {115, 24, 0}, {119, 33, 0}, {132, 33, 0}, {132, 41, 0}, {145, 43, 0}, {148, 49, 8}, {162, 51, 8}},  // 5
    {{59, 6, 0}, {74, 24, 0}, {82, 37, 0}, {90, 45, 0}, {103, 57, 0}, {117, 71, 0}, {131, 86, 4}, {144, 99, 8},
      {152, 107, 8}, {162, 117, 8}, {177, 131, 8}, {189, 144, 8}, {200, 153, 8}, {214, 169, 8}, {228, 185, 10}, {239, 193, 16}},  // 6
    {{53, 0, 0}, {65, 12, 0}, {79, 27, 0}, {90, 35, 5}, {101, 46, 8}, {107, 57, 8}, {115, 61, 8}, {131, 70, 11},
      {148, 86, 16}, {162, 101, 16}, {175, 112, 16}, {183, 120, 24}, {197, 136, 24}, {210, 148, 24}, {224, 154, 28}, {231, 165, 33}},  // 7
    {{49, 0, 0}, {57, 0, 0}, {57, 8, 0}, {68, 13, 0}, {78, 24, 0}, {86, 35, 6}, {99, 41, 8}, {103, 49, 8},
      {107, 57, 8}, {117, 63, 8}, {126, 74, 13}, {132, 82, 16}, {140, 86, 16}, {153, 93, 16}, {165, 99, 16}, {171, 109, 20}},  // 8
    {{49, 0, 0}, {49, 13, 2}, {49, 24, 8}, {49, 41, 10}, {49, 57, 16}, {51, 72, 20}, {57, 86, 24}, {57, 99, 24},
      {57, 103, 33}, {57, 123, 37}, {57, 140, 41}, {57, 150, 46}, {57, 165, 49}, {63, 173, 51}, {66, 181, 57}, {66, 197, 61}},  // 9
    {{45, 4, 0}, {49, 8, 0}, {41, 16, 0}, {38, 32, 0}, {41, 41, 0}, {33, 49, 0}, {33, 63, 2}, {33, 74, 8},
      {28, 82, 8}, {24, 90, 8}, {24, 99, 8}, {24, 107, 8}, {20, 115, 8}, {16, 127, 8}, {16, 140, 8}, {16, 144, 16}},  // 10
    {{41, 0, 0}, {49, 0, 0}, {41, 12, 0}, {37, 20, 8}, {41, 24, 8}, {33, 35, 13}, {24, 49, 16}, {33, 49, 16},
      {24, 57, 16}, {24, 57, 24}, {16, 74, 33}, {24, 71, 27}, {16, 82, 33}, {16, 90, 33}, {16, 90, 41}, {16, 99, 41}},  // 11
    {{49, 2, 5}, {49, 12, 16}, {49, 16, 28}, {49, 28, 41}, {49, 33, 57}, {49, 43, 63}, {49, 51, 79}, {49, 61, 90},
      {49, 68, 104}, {49, 78, 115}, {49, 86, 131}, {49, 99, 148}, {55, 109, 160}, {57, 115, 173}, {57, 123, 185}, {57, 136, 197}},  // 12
    {{49, 0, 4}, {49, 8, 8}, {49, 10, 21}, {49, 16, 37}, {49, 24, 45}, {49, 24, 57}, {49, 33, 57}, {49, 37, 70},
      {49, 45, 82}, {49, 53, 98}, {49, 61, 115}, {49, 66, 123}, {49, 70, 132}, {49, 76, 145}, {49, 82, 156}, {49, 86, 165}},  // 13
    {{49, 0, 8}, {49, 8, 20}, {49, 8, 33}, {49, 16, 41}, {49, 16, 49}, {49, 20, 57}, {49, 24, 66}, {49, 24, 74},
      {49, 24, 82}, {49, 33, 86}, {49, 38, 101}, {49, 41, 115}, {49, 41, 123}, {49, 49, 123}, {49, 49, 136}, {49, 57, 148}},  // 14
    {{45, 0, 4}, {45, 0, 12}, {41, 0, 24}, {41, 0, 33}, {41, 8, 33}, {41, 8, 41}, {41, 8, 49}, {41, 8, 57},
      {37, 8, 70}, {33, 16, 78}, {41, 8, 74}, {33, 16, 90}, {33, 16, 99}, {33, 16, 107}, {33, 24, 107}, {33, 24, 115}},  // 15
    {{51, 0, 5}, {57, 5, 18}, {66, 8, 24}, {68, 13, 38}, {74, 16, 53}, {84, 22, 61}, {90, 27, 79}, {102, 34, 93},
      {107, 41, 111}, {116, 45, 125}, {126, 54, 145}, {132, 57, 156}, {140, 60, 162}, {146, 67, 181}, {156, 74, 193}, {162, 78, 208}},  // 16
    {{51, 0, 5}, {57, 0, 16}, {66, 0, 24}, {66, 8, 24}, {71, 8, 35}, {78, 8, 49}, {82, 16, 53}, {90, 16, 61},
      {94, 16, 74}, {99, 16, 82}, {99, 24, 86}, {109, 24, 96}, {115, 24, 107}, {117, 30, 115}, {123, 33, 123}, {136, 36, 140}},  // 17
    {{49, 0, 0}, {49, 2, 13}, {57, 8, 24}, {57, 8, 41}, {57, 16, 41}, {61, 16, 49}, {66, 16, 57}, {66, 21, 68},
      {70, 24, 82}, {74, 30, 93}, {74, 33, 107}, {82, 33, 111}, {82, 41, 115}, {82, 41, 123}, {84, 41, 137}, {90, 49, 144}},  // 18
    {{53, 8, 8}, {68, 21, 21}, {78, 33, 33}, {86, 49, 49}, {101, 63, 63}, {107, 74, 74}, {115, 86, 86}, {130, 100, 100},
      {146, 125, 125}, {162, 142, 142}, {175, 158, 158}, {185, 173, 173}, {195, 183, 183}, {208, 199, 199}, {218, 214, 214}, {228, 225, 225}},  // 19
    {{57, 10, 10}, {71, 27, 27}, {84, 43, 43}, {94, 57, 57}, {108, 72, 72}, {123, 90, 90}, {127, 99, 99}, {140, 111, 111},
      {156, 133, 133}, {170, 150, 150}, {181, 160, 160}, {193, 181, 181}, {208, 195, 195}, {222, 216, 216}, {235, 231, 231}, {244, 241, 241}},  // 20
    {{53, 8, 8}, {66, 20, 20}, {66, 33, 33}, {74, 37, 37}, {82, 41, 41}, {82, 53, 53}, {90, 57, 57}, {94, 70, 70},
      {103, 82, 82}, {111, 98, 98}, {123, 107, 107}, {126, 120, 120}, {136, 132, 132}, {142, 145, 145}, {148, 156, 156}, {156, 160, 160}},  // 21
    {{10, 10, 10}, {12, 12, 12}, {14, 14, 14}, {16, 16, 16}, {18, 18, 18}, {20, 20, 20}, {22, 22, 22}, {24, 24, 24},
      {26, 26, 26}, {28, 28, 28}, {30, 30, 30}, {32, 32, 32}, {34, 34, 34}, {36, 36, 36}, {38, 38, 38}, {40, 40, 40}},  // 22
};

const char* const kColourNames[23] = {
    "pink",  "light red", "red",        "light orange", "orange",     "brown",        "yellow", "gold",
    "dark gold", "light green", "green", "dark green", "light blue", "blue",         "dark blue", "navy",
    "light purple", "purple", "dark purple", "white", "light gray", "dark gray", "black",
};

constexpr int kSize = 64;
constexpr int kEntryCount = 14;
constexpr int kPictureBytes = 16 + kSize * kSize + 16 + 256 * 4;
constexpr int kDummyBytes = 16 + 8 * 8;

// Kit ramp slots as the editor recolours them: jersey 1..3, shorts 1..2, socks 1..2.
constexpr int rampBase(int slot) { return 32 + 16 * (slot - 1); }

enum class CRegion
{
    None,
    Body,
    Sleeve,
    Inside,  // the back of the shirt seen through the neck opening
};

struct CShirtShape
{
    std::array<std::array<CRegion, kSize>, kSize> region{};
    std::array<std::array<int, kSize>, kSize> sleeveDepth{};  // distance out from the body
};

// The eight variants of a design differ in neck, cuffs and sleeve length.
bool vNeck(int model) { return (model / 8) % 2 == 1; }
bool hasCuffs(int model) { return (model / 16) % 2 == 1; }
int sleeveLength(int model) { return model / 32 == 1 ? 9 : 14; }

// Integer geometry throughout, so that every compiler draws the same pixels.
CShirtShape shirtShape(int model)
{
    CShirtShape shape;
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
        {
            const int u = x < 18 ? 18 - x : x > 45 ? x - 45 : 0;
            if (u == 0 && y >= 12 && y <= 60)
                shape.region[y][x] = CRegion::Body;
            else if (u > 0 && u <= sleeveLength(model) && 20 * y >= 240 + 17 * u && 2 * y <= 52 + u)
            {
                shape.region[y][x] = CRegion::Sleeve;
                shape.sleeveDepth[y][x] = u;
            }
        }
    for (int y = 12; y < 22; ++y)
        for (int x = 18; x <= 45; ++x)
        {
            const int dx2 = std::abs(2 * x - 63);  // twice the distance from the middle
            const bool open = vNeck(model) ? y < 20 && 2 * dx2 <= 3 * (20 - y)
                                           : dx2 * dx2 * 81 + (y - 11) * (y - 11) * 576 < 11664;
            if (open)
                shape.region[y][x] = CRegion::Inside;
        }
    return shape;
}

bool nearInside(const CShirtShape& shape, int x, int y)
{
    if (y > 24)
        return false;  // far below any neck opening
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
        {
            const int nx = x + dx;
            const int ny = y + dy;
            if (nx >= 0 && ny >= 0 && nx < kSize && ny < kSize && shape.region[ny][nx] == CRegion::Inside)
                return true;
        }
    return false;
}

bool onEdge(const CShirtShape& shape, int x, int y)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
        {
            const int nx = x + dx;
            const int ny = y + dy;
            if (nx < 0 || ny < 0 || nx >= kSize || ny >= kSize || shape.region[ny][nx] == CRegion::None)
                return true;
        }
    return false;
}

// Which jersey colour slot (1..3) the design puts at a pixel of the body or a sleeve.
int designSlot(int model, int x, int y, const CShirtShape& shape)
{
    const int pattern = model % 8;
    const int variant = model / 8;
    const bool sleeve = shape.region[y][x] == CRegion::Sleeve;
    const int depth = shape.sleeveDepth[y][x];
    if (sleeve && hasCuffs(model) && depth >= sleeveLength(model) - 2)
        return 3;
    switch (pattern)
    {
    case 0:
        return 1;
    case 1:
    {
        const int width = 2 + variant % 3;
        return !sleeve && ((x - 18) / width) % 2 == 1 ? 2 : 1;
    }
    case 2:
    {
        const int height = 3 + variant % 3;
        return ((y - 12) / height) % 2 == 1 ? 2 : 1;
    }
    case 3:
        if (sleeve)
            return 2;
        return variant >= 4 && (x <= 20 || x >= 43) ? 3 : 1;
    case 4:
        if (variant % 2 == 1 && y >= 36)
            return x < 32 ? 2 : 1;
        return x < 32 ? 1 : 2;
    case 5:
    {
        const int along = variant % 2 == 0 ? (x - 18) - (y - 12) * 3 / 5 : (45 - x) - (y - 12) * 3 / 5;
        return !sleeve && std::abs(along + 4) <= 3 + variant / 4 ? 2 : 1;
    }
    case 6:
    {
        const int top = 24;
        const int bottom = top + 4 + (variant % 3) * 2;
        if (y >= top && y < bottom)
            return 2;
        return variant >= 4 && y == bottom + 1 ? 3 : 1;
    }
    default:
        if (sleeve)
            return 1;
        if (variant % 2 == 0)
            return (x - 18) % 4 == 0 ? 2 : 1;
        return ((x - 18) / 4 + (y - 12) / 4) % 2 == 0 ? 1 : 2;
    }
}

// Light from the upper middle; the sides of the body and the sleeve ends fall into shadow.
int shadeAt(int x, int y, const CShirtShape& shape)
{
    int shade = 12;
    if (shape.region[y][x] == CRegion::Sleeve)
        shade = 11 - shape.sleeveDepth[y][x] / 4 - (2 * y > 52 + shape.sleeveDepth[y][x] - 3 ? 2 : 0);
    else
        shade -= std::abs(2 * x - 63) / 8 + (y - 12) / 16;
    // Two folds in the lower body.
    if (shape.region[y][x] == CRegion::Body && y > 40 && (x == 25 || x == 38))
        shade -= 2;
    if (onEdge(shape, x, y))
        shade = 3;
    return std::clamp(shade, 0, 15);
}

std::array<uint8_t, kSize * kSize> drawShirt(int model)
{
    const CShirtShape shape = shirtShape(model);
    std::array<uint8_t, kSize * kSize> pixels{};
    const bool badge = model % 3 != 0;
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
        {
            const CRegion region = shape.region[y][x];
            int index = 0;
            if (region == CRegion::Inside)
                index = rampBase(1) + 2;
            else if (region != CRegion::None)
            {
                int slot = designSlot(model, x, y, shape);
                if (region == CRegion::Body && nearInside(shape, x, y))
                    slot = 3;  // collar
                if (badge && x >= 36 && x <= 39 && y >= 19 && y <= 22)
                    slot = 3;
                index = rampBase(slot) + shadeAt(x, y, shape);
            }
            pixels[static_cast<std::size_t>(y * kSize + x)] = static_cast<uint8_t>(index);
        }
    return pixels;
}

std::string describe(int model, bool hasPresets, const std::array<uint8_t, 7>& presets)
{
    static const char* const patterns[8] = {"plain shirt", "vertical stripes", "hoops", "contrasting sleeves",
                                            "halves", "sash", "chest band", "pinstripes"};
    std::string pattern = patterns[model % 8];
    if (model % 8 == 7 && (model / 8) % 2 == 1)
        pattern = "checks";
    std::string text = "Model " + std::to_string(model + 1) + ": ";
    if (hasPresets)
        text += std::string(kColourNames[presets[0]]) + " and " + kColourNames[presets[1]] + " ";
    text += pattern + (vNeck(model) ? ", V-neck" : ", round collar");
    if (sleeveLength(model) < 14)
        text += ", short sleeves";
    if (hasCuffs(model))
        text += ", trimmed cuffs";
    return text;
}

void putPictureHeader(CByteWriter& out, std::size_t at, uint8_t type, uint32_t blockLength, uint16_t width,
                      uint16_t height)
{
    out.putU32(at, type | (blockLength << 8));
    out.putU16(at + 4, width);
    out.putU16(at + 6, height);
    out.putU32(at + 8, 0);
    out.putU32(at + 12, 0);
}

}  // namespace

std::vector<uint8_t> makeSampleJerseyTexture(int model, CSampleRandom& random)
{
    static const char* const otherNames[kEntryCount - 1] = {"shrt", "sock", "numf", "numb", "logo", "bdge", "trim",
                                                            "neck", "cuff", "shdw", "mask", "lite", "back"};
    const int pictureEntry = (model * 5 + 3) % kEntryCount;

    std::array<uint8_t, 7> presets{};
    for (uint8_t& c : presets)
        c = static_cast<uint8_t>(random.range(0, 22));
    while (presets[1] == presets[0])
        presets[1] = static_cast<uint8_t>(random.range(0, 22));
    const bool hasPresets = random.chance(50);

    std::vector<uint8_t> bytes;
    CByteWriter out(bytes);
    out.putBytes(0, std::span<const uint8_t>(reinterpret_cast<const uint8_t*>("SHPI"), 4));
    out.putU32(8, kEntryCount);
    out.putBytes(12, std::span<const uint8_t>(reinterpret_cast<const uint8_t*>("GIMX"), 4));
    std::size_t at = 16 + 8 * kEntryCount;
    int other = 0;
    for (int e = 0; e < kEntryCount; ++e)
    {
        const char* name = e == pictureEntry ? "mjfr" : otherNames[other++];
        out.putBytes(16 + 8 * static_cast<std::size_t>(e), std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(name), 4));
        out.putU32(16 + 8 * static_cast<std::size_t>(e) + 4, static_cast<uint32_t>(at));
        if (e == pictureEntry)
        {
            putPictureHeader(out, at, 0x7B, 16 + kSize * kSize, kSize, kSize);
            const auto pixels = drawShirt(model);
            out.putBytes(at + 16, pixels);
            const std::size_t palette = at + 16 + kSize * kSize;
            putPictureHeader(out, palette, 0x2A, 0, 256, 1);
            // Outside the kit ramps: white behind the shirt, then plain greys.
            for (int i = 0; i < 256; ++i)
            {
                CRgb c{};
                if (i == 0)
                    c = {255, 255, 255};
                else if (i >= 32 && i < 144)
                    c = kShades[presets[static_cast<std::size_t>((i - 32) / 16)]][(i - 32) % 16];
                else
                {
                    const auto grey = static_cast<uint8_t>(i < 32 ? i * 8 : i - 16);
                    c = {grey, grey, grey};
                }
                const std::size_t entry = palette + 16 + 4 * static_cast<std::size_t>(i);
                out.putU8(entry, c.b);
                out.putU8(entry + 1, c.g);
                out.putU8(entry + 2, c.r);
                out.putU8(entry + 3, 0);
            }
            at += kPictureBytes;
        }
        else
        {
            // Small stand-ins for the game's other pictures of the kit.
            putPictureHeader(out, at, 0x7B, kDummyBytes, 8, 8);
            for (int p = 0; p < 64; ++p)
                out.putU8(at + 16 + static_cast<std::size_t>(p), static_cast<uint8_t>(rampBase(1 + (e + p / 8) % 7) + p % 16));
            at += kDummyBytes;
        }
    }
    out.putU32(4, static_cast<uint32_t>(at));

    out.putU8(at, hasPresets ? 1 : 0);
    out.putBytes(at + 1, presets);
    out.putU32(at + 8, 1);  // trailer version
    out.putU32(at + 12, static_cast<uint32_t>(model + 1));
    out.putU32(at + 16, 0);
    out.putU32(at + 20, 0);
    std::string text = describe(model, hasPresets, presets);
    text.resize(256, '\0');
    out.putBytes(at + 24, std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
    return bytes;
}
