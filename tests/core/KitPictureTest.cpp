// Kit colours, kit pictures drawn in a team's colours, and our shorts and socks artwork.

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "HandBytes.h"
#include "TempFolder.h"
#include "kits/KitArtwork.h"
#include "kits/KitPalette.h"
#include "kits/KitPicture.h"

namespace
{

CRgb handColour(int i) { return CRgb{uint8_t(i), uint8_t(255 - i), uint8_t(7)}; }

// An 8-bit bitmap written by hand: width 5 (so every row carries 3 bytes of padding),
// height 52, pixel (x, y) counted from the top = (y * 5 + x) % 256, which uses every index.
Bytes handBitmap(uint32_t coloursUsed = 0, uint32_t compression = 0, uint16_t bits = 8)
{
    const uint32_t colours = coloursUsed ? coloursUsed : 256;
    const uint32_t pixelsAt = 54 + 4 * colours;
    Bytes b = {'B', 'M'};
    add32(b, pixelsAt + 8 * 52);
    add32(b, 0);
    add32(b, pixelsAt);
    add32(b, 40);
    add32(b, 5);
    add32(b, 52);
    add16(b, 1);
    add16(b, bits);
    add32(b, compression);
    add32(b, 8 * 52);
    add32(b, 2835);
    add32(b, 2835);
    add32(b, coloursUsed);
    add32(b, 0);
    for (uint32_t i = 0; i < colours; ++i)
    {
        const CRgb c = handColour(int(i));
        b.insert(b.end(), {c.b, c.g, c.r, 0});
    }
    for (int stored = 0; stored < 52; ++stored)
    {
        const int y = 51 - stored;
        for (int x = 0; x < 5; ++x) b.push_back(uint8_t((y * 5 + x) % 256));
        b.insert(b.end(), {0xDD, 0xDD, 0xDD});
    }
    return b;
}

void expectPixelsAsWritten(const CKitImage& image)
{
    ASSERT_EQ(image.width, 5);
    ASSERT_EQ(image.height, 52);
    ASSERT_EQ(image.pixels.size(), 5u * 52u);
    for (int y = 0; y < 52; ++y)
        for (int x = 0; x < 5; ++x) ASSERT_EQ(image.pixels[std::size_t(y * 5 + x)], (y * 5 + x) % 256) << x << "," << y;
}

// The palette indexes that differ from the hand-written colours.
std::set<int> changedEntries(const CKitImage& image)
{
    std::set<int> changed;
    for (int i = 0; i < 256; ++i)
        if (!(image.palette[std::size_t(i)] == handColour(i))) changed.insert(i);
    return changed;
}

std::set<int> range(int first, int last)
{
    std::set<int> s;
    for (int i = first; i <= last; ++i) s.insert(i);
    return s;
}

}  // namespace

TEST(KitPalette, NamesRampsAndSwatches)
{
    EXPECT_STREQ(kitColourName(0), "Pink");
    EXPECT_STREQ(kitColourName(2), "Red");
    EXPECT_STREQ(kitColourName(19), "White");
    EXPECT_STREQ(kitColourName(22), "Black");
    EXPECT_STREQ(kitColourName(23), "Not Used");
    EXPECT_EQ(kitColourName(24), nullptr);
    EXPECT_EQ(kitColourForPickerEntry(23), 22);
    EXPECT_EQ(kitColourForPickerEntry(19), 19);

    EXPECT_EQ(kitRamp(2)[0], (CRgb{49, 0, 0}));
    EXPECT_EQ(kitRamp(2)[15], (CRgb{107, 33, 16}));
    EXPECT_EQ(kitRamp(15)[10], (CRgb{41, 8, 74}));
    EXPECT_EQ(kitRamp(22)[0], (CRgb{10, 10, 10}));
    // A button shows its ramp's brightest shade, except that White and Light Gray show
    // each other's.
    for (int c = 0; c < 23; ++c)
    {
        const int ramp = c == 19 ? 20 : c == 20 ? 19 : c;
        EXPECT_EQ(kitColourButtonRgb(c), kitRamp(ramp)[15]) << c;
        EXPECT_EQ(swatchColour(c), kitColourButtonRgb(c)) << c;
    }
    EXPECT_EQ(swatchColour(23), (CRgb{40, 40, 40}));
    EXPECT_FALSE(swatchColour(24));
    EXPECT_FALSE(swatchColour(-1));

    EXPECT_EQ(rampFirstIndex(1), 32);
    EXPECT_EQ(rampFirstIndex(4), 80);
    EXPECT_EQ(rampFirstIndex(7), 128);
}

TEST(KitPicture, RecolouringReplacesExactlyTheSixteenEntriesOfASlot)
{
    const Bytes bmp = handBitmap();
    CKitSlotColours slots;
    slots[0] = 2;  // jersey colour 1: Red
    const CKitImageResult drawn = drawKitPicture(bmp, slots);
    ASSERT_TRUE(drawn.image) << drawn.problem;
    EXPECT_EQ(changedEntries(*drawn.image), range(32, 47));
    for (int s = 0; s < 16; ++s) EXPECT_EQ(drawn.image->palette[std::size_t(32 + s)], kitRamp(2)[std::size_t(s)]);
    expectPixelsAsWritten(*drawn.image);

    // Not a kit colour (a record may hold up to 31): the slot keeps the file's colours.
    for (int odd : {23, 31, -1})
    {
        CKitSlotColours bad;
        bad[6] = odd;
        EXPECT_TRUE(changedEntries(*drawKitPicture(bmp, bad).image).empty()) << odd;
    }
}

TEST(KitPicture, EachListSetsOnlyItsOwnSlots)
{
    const CKitColours kit = {0, 1, 3, 4, 5, 6, 7};
    const Bytes bmp = handBitmap();

    const CKitSlotColours shorts = shortsListSlots(kit);
    EXPECT_EQ(shorts, (CKitSlotColours{std::nullopt, std::nullopt, std::nullopt, 4, 5, std::nullopt, std::nullopt}));
    const CKitImage shortsImage = *drawKitPicture(bmp, shorts).image;
    EXPECT_EQ(changedEntries(shortsImage), range(80, 111));
    EXPECT_EQ(shortsImage.palette[80], kitRamp(4)[0]);
    EXPECT_EQ(shortsImage.palette[111], kitRamp(5)[15]);

    EXPECT_EQ(changedEntries(*drawKitPicture(bmp, socksListSlots(kit)).image), range(112, 143));
    const CKitImage jersey = *drawKitPicture(bmp, jerseyListSlots(kit)).image;
    EXPECT_EQ(changedEntries(jersey), range(32, 143));
    EXPECT_EQ(jersey.palette[64], kitRamp(3)[0]);
}

TEST(KitBitmap, AcceptsTheUsualVariants)
{
    // A short colour table: the pixels follow it, the rest of the palette is black.
    const CKitImageResult small = readKitBitmap(handBitmap(16));
    ASSERT_TRUE(small.image) << small.problem;
    EXPECT_EQ(small.image->palette[15], handColour(15));
    EXPECT_EQ(small.image->palette[16], (CRgb{0, 0, 0}));
    expectPixelsAsWritten(*small.image);

    // A pixel offset past the table is honoured; one that makes no sense is not.
    Bytes gap = handBitmap();
    gap.insert(gap.begin() + 1078, 6, 0x99);
    put32(gap, 10, 1078 + 6);
    expectPixelsAsWritten(*readKitBitmap(gap).image);
    Bytes bogus = handBitmap();
    put32(bogus, 10, 0);
    expectPixelsAsWritten(*readKitBitmap(bogus).image);

    // Top-down rows.
    Bytes topDown = handBitmap();
    put32(topDown, 22, uint32_t(-52));
    for (int r = 0; r < 26; ++r)
        std::swap_ranges(topDown.begin() + 1078 + 8 * r, topDown.begin() + 1078 + 8 * r + 8,
                         topDown.begin() + 1078 + 8 * (51 - r));
    expectPixelsAsWritten(*readKitBitmap(topDown).image);

    // What we write reads back the same, padding and all.
    const CKitImage image = *readKitBitmap(handBitmap()).image;
    const Bytes written = writeKitBitmap(image);
    EXPECT_EQ(written.size(), 1078u + 8 * 52);
    const CKitImage again = *readKitBitmap(written).image;
    EXPECT_EQ(again.palette, image.palette);
    EXPECT_EQ(again.pixels, image.pixels);
}

TEST(KitBitmap, RefusesWhatItCannotDraw)
{
    const Bytes good = handBitmap();
    const auto refused = [](const Bytes& b) { return !readKitBitmap(b).image; };

    EXPECT_TRUE(refused(Bytes(good.begin(), good.end() - 1)));  // last pixel row cut
    EXPECT_TRUE(refused(Bytes(good.begin(), good.begin() + 13)));
    EXPECT_TRUE(refused(Bytes(good.begin(), good.begin() + 53)));
    EXPECT_TRUE(refused(Bytes(good.begin(), good.begin() + 1000)));  // colour table cut
    EXPECT_TRUE(refused({}));

    Bytes notBm = good;
    notBm[1] = 'A';
    EXPECT_TRUE(refused(notBm));
    EXPECT_TRUE(refused(handBitmap(0, 0, 24)));
    EXPECT_TRUE(refused(handBitmap(0, 0, 4)));
    EXPECT_TRUE(refused(handBitmap(0, 1)));  // RLE8
    Bytes tooManyColours = good;
    put32(tooManyColours, 46, 257);
    EXPECT_TRUE(refused(tooManyColours));
    Bytes huge = good;
    put32(huge, 18, 0x7FFFFFFF);  // must not be allocated on trust
    EXPECT_TRUE(refused(huge));
    Bytes noRows = good;
    put32(noRows, 22, 0);
    EXPECT_TRUE(refused(noRows));

    TempFolder folder;
    EXPECT_FALSE(drawKitPictureFile(folder.path() / "missing.bmp", {}).image);
    EXPECT_EQ(kitPictureFallbackText(12), "Jersey 12");
    EXPECT_EQ(kitPictureFallbackText(2, kSocksPictureFallbackFormat), "Socks 2");
}

TEST(KitArtwork, PicturesUseOnlyTheirOwnRampsOnAPlainBackground)
{
    for (int m = 0; m < kitartwork::kShortsModels + kitartwork::kSocksModels; ++m)
    {
        const bool socks = m >= kitartwork::kShortsModels;
        const CKitImage image = socks ? drawSocksArtwork(m - kitartwork::kShortsModels) : drawShortsArtwork(m);
        ASSERT_EQ(image.width, 64);
        ASSERT_EQ(image.height, 64);
        const int first = socks ? 112 : 80;
        std::set<int> shades1, shades2;
        int background = 0;
        for (uint8_t p : image.pixels)
        {
            if (p == kitartwork::kBackground)
                ++background;
            else if (p >= first && p < first + 16)
                shades1.insert(p);
            else if (p >= first + 16 && p < first + 32)
                shades2.insert(p);
            else
                ADD_FAILURE() << "model " << m << " uses index " << int(p);
        }
        EXPECT_GT(background, 64 * 64 / 4) << m;
        EXPECT_GE(shades1.size(), 5u) << m;  // shaded, not flat
        const bool twoColours = m != 0 && m != kitartwork::kShortsModels;
        EXPECT_EQ(!shades2.empty(), twoColours) << m;
    }
}

TEST(KitArtwork, EnsureWritesTheMissingPicturesOnce)
{
    TempFolder folder;
    const auto jerseys = folder.path() / "Jerseys";
    folder.write("Jerseys/shmd2.bmp", Bytes{1, 2, 3});  // the user's own, in another case

    const CKitArtworkResult first = ensureKitArtwork(jerseys);
    EXPECT_EQ(first.written, 8);
    EXPECT_TRUE(first.problem.empty());
    EXPECT_EQ(folder.files(),
              (std::vector<std::string>{"Jerseys/SHMD1.bmp", "Jerseys/SHMD3.bmp", "Jerseys/SHMD4.bmp", "Jerseys/SHMD5.bmp",
                                        "Jerseys/SKMD1.bmp", "Jerseys/SKMD2.bmp", "Jerseys/SKMD3.bmp", "Jerseys/SKMD4.bmp",
                                        "Jerseys/shmd2.bmp"}));
    EXPECT_EQ(folder.read("Jerseys/shmd2.bmp"), (Bytes{1, 2, 3}));
    const Bytes sock = folder.read("Jerseys/SKMD3.bmp");
    EXPECT_EQ(ensureKitArtwork(jerseys).written, 0);
    EXPECT_EQ(folder.read("Jerseys/SKMD3.bmp"), sock);

    // Drawn through the picture lookup, as the team page does.
    CKitSlotColours slots;
    slots[5] = 13;
    const CKitImageResult drawn = drawKitPictureFile(kitPicturePath(jerseys, "SKMD", 3), slots);
    ASSERT_TRUE(drawn.image) << drawn.problem;
    EXPECT_EQ(drawn.image->palette[127], kitRamp(13)[15]);

    TempFolder fresh;
    EXPECT_EQ(ensureKitArtwork(fresh.path() / "new").written, 9);
}
