#include "kits/KitArtwork.h"
#include "util/PathText.h"

#include <algorithm>
#include <cmath>
#include <system_error>

using namespace kitartwork;

namespace
{

// Which part of the garment a pixel belongs to: 0 outside, else a kit slot 1..7.
struct CCanvas
{
    std::array<std::array<int, kSize>, kSize> slot{};
    std::array<std::array<int, kSize>, kSize> shade{};

    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < kSize && y < kSize && slot[y][x] != 0; }
};

// Until recoloured the pictures show a light grey garment with dark grey trim, so the
// designs read even in a plain file viewer.
CKitImage blankImage()
{
    CKitImage image;
    image.width = kSize;
    image.height = kSize;
    for (int i = 0; i < 256; ++i)
    {
        const auto grey = uint8_t(std::clamp(i, 0, 255));
        image.palette[std::size_t(i)] = CRgb{grey, grey, grey};
    }
    image.palette[kBackground] = CRgb{255, 255, 255};
    const int defaults[kitpalette::kSlotCount] = {20, 21, kitpalette::kBlack, 20, 21, 20, 21};
    for (int slot = 1; slot <= kitpalette::kSlotCount; ++slot)
        for (int s = 0; s < kitpalette::kShadeCount; ++s)
            image.palette[std::size_t(rampFirstIndex(slot) + s)] = kitRamp(defaults[slot - 1])[std::size_t(s)];
    image.pixels.assign(kSize * kSize, kBackground);
    return image;
}

// Brightness of a cylinder across its width (n from -1 at the left edge to 1 at the
// right) lit from the upper left, as a shade 0..15.
int cylinderShade(double n)
{
    n = std::clamp(n, -1.0, 1.0);
    const double facing = std::sqrt(1.0 - n * n);
    const double light = std::max(0.0, 0.93 * facing - 0.37 * n);
    return int(std::lround(5.0 + 10.0 * light));
}

// Darkens the silhouette's rim so that the garment stands off a light background
// whatever its colour, and turns the canvas into pixels.
CKitImage finish(CCanvas& c)
{
    CKitImage image = blankImage();
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
        {
            if (!c.slot[y][x]) continue;
            const bool rim = !c.inside(x - 1, y) || !c.inside(x + 1, y) || !c.inside(x, y - 1) || !c.inside(x, y + 1);
            const int shade = rim ? 2 : std::clamp(c.shade[y][x], 3, 15);
            image.pixels[std::size_t(y * kSize + x)] = uint8_t(rampFirstIndex(c.slot[y][x]) + shade);
        }
    return image;
}

// --- Shorts -------------------------------------------------------------------------

constexpr int kShortsTop = 9;
constexpr int kWaistBottom = 14;
constexpr int kCrotch = 35;
constexpr double kCentre = 31.5;

double shortsHalfWidth(int y) { return 20.0 + 6.5 * double(y - kShortsTop) / 46.0; }
double crotchGap(int y) { return y <= kCrotch ? 0.0 : 0.5 * double(y - kCrotch); }
// The leg openings slope down towards the outside.
double hemAt(double fromCentre, int y) { return 51.0 + 4.5 * std::clamp((fromCentre - crotchGap(y)) / 20.0, 0.0, 1.0); }

CKitImage shorts(int model)
{
    const int s1 = kitpalette::kShortsSlot1;
    const int s2 = kitpalette::kShortsSlot2;
    CCanvas c;
    for (int y = kShortsTop; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
        {
            const double d = std::abs(double(x) - kCentre);
            const double half = shortsHalfWidth(y);
            const double gap = crotchGap(y);
            if (d > half || (y > kCrotch && d < gap) || double(y) > hemAt(d, y)) continue;

            // Above the crotch the shorts are one round body; below it each leg is its own,
            // with a smooth change between the two.
            const double body = cylinderShade((double(x) - kCentre) / half);
            const double legMid = (half + gap) / 2.0;
            const double legN = (d - legMid) / ((half - gap) / 2.0);
            const double leg = cylinderShade(x < kCentre ? -legN : legN);
            const double toLegs = std::clamp(double(y - (kCrotch - 8)) / 12.0, 0.0, 1.0);
            int shade = int(std::lround(body + (leg - body) * toLegs)) - (y - kShortsTop) / 18;
            if (y > kCrotch - 5 && d < gap + 2.0) shade -= 2;            // shadow between the legs
            if (y > kWaistBottom + 1 && y < 30 && (x == 31 || x == 32)) // front seam
                shade -= x == 31 ? 2 : 0;

            const bool waistband = y <= kWaistBottom;
            if (waistband) shade = y == kWaistBottom ? 5 : shade - 1;
            const bool nearHem = double(y) > hemAt(d, y) - 3.0;
            const double fromSide = half - d;

            int slot = s1;
            switch (model)
            {
            case 1:  // stripes down the sides
                slot = fromSide >= 1.5 && fromSide < 4.5 && !waistband ? s2 : s1;
                break;
            case 2:  // two-tone halves
                slot = x < 32 ? s1 : s2;
                break;
            case 3:  // trim bands at the waist and the leg openings
                slot = waistband || nearHem ? s2 : s1;
                break;
            case 4:  // side panels with the waistband to match
                slot = fromSide < 7.5 || waistband ? s2 : s1;
                break;
            default:
                break;
            }
            c.slot[y][x] = slot;
            c.shade[y][x] = shade;
        }
    return finish(c);
}

// --- Socks --------------------------------------------------------------------------

constexpr int kSockTop = 4;
constexpr int kCuffBottom = 11;
constexpr int kLegBottom = 44;
constexpr int kSole = 57;
constexpr int kSockWidth = 13;
constexpr int kToeEnd = 24;

// Local coordinates of one sock: u across from its left edge, v down from the canvas top.
bool inSock(int u, int v)
{
    if (v < kSockTop || v > kSole) return false;
    if (v <= kCuffBottom) return u >= -1 && u <= kSockWidth;  // the turned-over top stands out
    if (v <= kLegBottom) return u >= 0 && u < kSockWidth;
    // The foot, seen from the side: heel rounded at the bottom left, toe rounded at the right.
    const double top = kLegBottom - 2 + 0.25 * std::max(0, u - kSockWidth);
    if (u < 0 || (double(v) < top && u >= kSockWidth)) return false;
    if (u < 5 && v > kSole - 5 && (u - 5) * (u - 5) + (v - (kSole - 5)) * (v - (kSole - 5)) > 25) return false;
    if (u > kToeEnd - 7)
    {
        const double cy = (top + kSole) / 2.0;
        const double ry = (kSole - top) / 2.0 + 0.5;
        const double dx = (u - (kToeEnd - 7)) / 7.5;
        const double dy = (v - cy) / ry;
        return dx * dx + dy * dy <= 1.0;
    }
    return true;
}

int sockShade(int u, int v)
{
    if (v <= kLegBottom)
    {
        int shade = cylinderShade((double(u) - (kSockWidth - 1) / 2.0) / (kSockWidth / 2.0));
        if (v <= kCuffBottom)
            shade -= (u % 2 == 0 ? 0 : 1) + (v == kCuffBottom ? 3 : 0);  // ribbed, with a fold below
        return shade - (v - kSockTop) / 20;
    }
    // Along the foot the light falls on its upper side.
    const double top = kLegBottom - 2 + 0.25 * std::max(0, u - kSockWidth);
    const double n = (double(v) - (top + kSole) / 2.0) / ((kSole - top) / 2.0);
    int shade = cylinderShade(n) - 1;
    if (u < 5 || u > kToeEnd - 4) shade -= 1;  // reinforced heel and toe
    return shade;
}

CKitImage socks(int model)
{
    const int s1 = kitpalette::kSocksSlot1;
    const int s2 = kitpalette::kSocksSlot2;
    CCanvas c;
    const int lefts[2] = {6, 33};  // a pair, side by side
    for (const int left : lefts)
        for (int v = 0; v < kSize; ++v)
            for (int u = -1; u <= kToeEnd; ++u)
            {
                const int x = left + u;
                if (x < 0 || x >= kSize || !inSock(u, v)) continue;
                int slot = s1;
                switch (model)
                {
                case 1:  // hoops down the leg
                    slot = v > kCuffBottom && v < kLegBottom - 2 && ((v - kCuffBottom - 1) / 5) % 2 == 0 ? s2 : s1;
                    break;
                case 2:  // a band at the top and a thin line below it
                    slot = v <= kCuffBottom || v == kCuffBottom + 3 || v == kCuffBottom + 4 ? s2 : s1;
                    break;
                case 3:  // two-tone: the lower leg and the foot in the second colour
                    slot = v >= 27 ? s2 : s1;
                    break;
                default:
                    break;
                }
                c.slot[v][x] = slot;
                c.shade[v][x] = sockShade(u, v);
            }
    return finish(c);
}

}  // namespace

CKitImage drawShortsArtwork(int model)
{
    return shorts(std::clamp(model, 0, kShortsModels - 1));
}

CKitImage drawSocksArtwork(int model)
{
    return socks(std::clamp(model, 0, kSocksModels - 1));
}

CKitArtworkResult ensureKitArtwork(const std::filesystem::path& jerseysFolder, CFileSystem& fs)
{
    CKitArtworkResult result;
    std::error_code ec;
    std::filesystem::create_directories(jerseysFolder, ec);
    const auto ensure = [&](const char* prefix, int number, const CKitImage& image) {
        const auto path = kitPicturePath(jerseysFolder, prefix, number);
        if (std::filesystem::exists(path, ec)) return;
        const auto failed = commitFiles(fs, {{path, writeKitBitmap(image), "cannot write " + utf8FromPath(path)}});
        if (!failed)
            ++result.written;
        else if (result.problem.empty())
            result.problem = *failed;
    };
    for (int m = 0; m < kShortsModels; ++m) ensure("SHMD", m + 1, drawShortsArtwork(m));
    for (int m = 0; m < kSocksModels; ++m) ensure("SKMD", m + 1, drawSocksArtwork(m));
    return result;
}
