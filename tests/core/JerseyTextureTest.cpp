// Jersey textures and the thumbnails made from them, against textures written by hand.

#include <gtest/gtest.h>

#include <filesystem>

#include "HandBytes.h"
#include "TempFolder.h"
#include "kits/JerseyTexture.h"
#include "kits/JerseyThumbnails.h"
#include "sample/SampleGame.h"

namespace
{

constexpr std::size_t kPicture = 4128 + 1024;  // pixels, headers and palette of one picture

uint8_t pixelAt(int row, int column) { return uint8_t(row * 3 + column); }

// A texture of 14 directory entries of which entries 2 and 9 are named "mjfr": entry 2 points
// at a decoy picture filled with 0xEE, entry 9 at the real one. The trailer follows.
struct HandTexture
{
    Bytes bytes;
    std::size_t real = 0;
    std::size_t trailer = 0;
};

HandTexture handTexture(uint8_t flag = 1, const std::string& description = "Blue hoops")
{
    HandTexture t;
    Bytes& b = t.bytes;
    addText(b, "SHPI", 4);
    add32(b, 0);  // trailer offset, set below
    add32(b, 14);
    addText(b, "G354", 4);
    const char* names[14] = {"shrt", "sock", "mjfr", "numf", "numb", "logo", "bdge",
                             "trim", "neck", "mjfr", "cuff", "shdw", "mask", "lite"};
    const std::size_t decoy = 128;
    t.real = decoy + kPicture;
    for (int e = 0; e < 14; ++e)
    {
        addText(b, names[e], 4);
        add32(b, uint32_t(e == 2 ? decoy : e == 9 ? t.real : 16));
    }
    b.resize(t.real, 0xEE);
    b.resize(t.real + kPicture, 0);
    for (int r = 0; r < 64; ++r)
        for (int c = 0; c < 64; ++c) b[t.real + 16 + std::size_t(64 * r + c)] = pixelAt(r, c);
    for (int i = 0; i < 256; ++i)
    {
        const std::size_t e = t.real + 4128 + std::size_t(4 * i);
        b[e] = uint8_t(i);             // blue
        b[e + 1] = uint8_t(255 - i);   // green
        b[e + 2] = uint8_t(i ^ 0x55);  // red
        b[e + 3] = 0xAA;               // the game's own byte
    }
    t.trailer = b.size();
    put32(b, 4, uint32_t(t.trailer));
    b.push_back(flag);
    for (uint8_t c : {2, 19, 22, 15, 2, 6, 13}) b.push_back(c);
    for (int i = 0; i < 16; ++i) b.push_back(uint8_t(0xA0 + i));
    addText(b, description, 256);
    return t;
}

}  // namespace

TEST(JerseyThumbnail, IsByteExactFromTheLastMjfrEntry)
{
    const HandTexture t = handTexture();
    const auto bmp = makeJerseyThumbnail(t.bytes);
    ASSERT_TRUE(bmp);
    ASSERT_EQ(bmp->size(), 5174u);
    const Bytes header = {'B', 'M', 0x36, 0x14, 0, 0, 0, 0, 0, 0, 0x36, 0x04, 0, 0,  // file header
                          40, 0, 0, 0, 64, 0, 0, 0, 64, 0, 0, 0, 1, 0, 8, 0,       // size, 64 x 64, planes, bits
                          0, 0, 0, 0, 0, 0x10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,        // no compression, 4096, resolution
                          0, 1, 0, 0, 0, 1, 0, 0};                                 // 256 used, 256 important
    EXPECT_EQ(Bytes(bmp->begin(), bmp->begin() + 54), header);
    for (int i = 0; i < 256; ++i)
    {
        const std::size_t e = 54 + std::size_t(4 * i);
        ASSERT_EQ((*bmp)[e], uint8_t(i)) << i;
        ASSERT_EQ((*bmp)[e + 1], uint8_t(255 - i)) << i;
        ASSERT_EQ((*bmp)[e + 2], uint8_t(i ^ 0x55)) << i;
        ASSERT_EQ((*bmp)[e + 3], 0) << i;
    }
    // Stored bottom row first: the file's first row is the texture's row 63.
    for (int stored = 0; stored < 64; ++stored)
        for (int c = 0; c < 64; ++c)
            ASSERT_EQ((*bmp)[1078 + std::size_t(64 * stored + c)], pixelAt(63 - stored, c)) << stored << "," << c;
}

TEST(JerseyThumbnail, NeedsAWholePictureNamedMjfr)
{
    HandTexture t = handTexture();
    Bytes cut(t.bytes.begin(), t.bytes.begin() + std::ptrdiff_t(t.real + kPicture - 1));
    EXPECT_FALSE(makeJerseyThumbnail(cut));  // the palette's last byte is missing

    // The last entry wins even when it is broken and an earlier one is whole.
    put32(t.bytes, 16 + 8 * 9 + 4, 0xFFFFFF00u);
    EXPECT_FALSE(makeJerseyThumbnail(t.bytes));

    HandTexture none = handTexture();
    none.bytes[16 + 8 * 2] = 'M';  // names are matched exactly
    none.bytes[16 + 8 * 9] = 'x';
    const CJerseyTexture read = readJerseyTexture(none.bytes);
    EXPECT_EQ(read.status, CJerseyTextureStatus::Texture);
    EXPECT_FALSE(read.pictureOffset);
    EXPECT_EQ(read.description, "Blue hoops");  // the trailer does not depend on the picture
    EXPECT_FALSE(makeJerseyThumbnail(none.bytes));
}

TEST(JerseyTexture, ReadsPresetsAndDescription)
{
    const HandTexture t = handTexture();
    const CJerseyTexture read = readJerseyTexture(t.bytes);
    ASSERT_EQ(read.status, CJerseyTextureStatus::Texture);
    EXPECT_EQ(read.pictureOffset, t.real);
    EXPECT_TRUE(read.hasPresetColours());
    EXPECT_EQ(read.presetColours, (std::array<uint8_t, 7>{2, 19, 22, 15, 2, 6, 13}));
    EXPECT_EQ(read.trailerRest[0], 0xA0);
    EXPECT_EQ(read.trailerRest[15], 0xAF);
    EXPECT_EQ(read.description, "Blue hoops");

    for (uint8_t flag : {0, 2, 255})
    {
        const CJerseyTexture other = readJerseyTexture(handTexture(flag).bytes);
        EXPECT_TRUE(other.hasTrailer);
        EXPECT_FALSE(other.hasPresetColours()) << int(flag);
        EXPECT_EQ(other.description, "Blue hoops");
    }
}

TEST(JerseyTexture, TrailerEdges)
{
    // A description without a NUL stops after 256 bytes.
    HandTexture t = handTexture(1, "");
    t.bytes.resize(t.trailer + 24);
    t.bytes.insert(t.bytes.end(), 300, 'z');
    EXPECT_EQ(readJerseyTexture(t.bytes).description, std::string(256, 'z'));

    // Only the low 16 bits of the offset count.
    HandTexture high = handTexture();
    put32(high.bytes, 4, uint32_t(0x30000 + high.trailer));
    EXPECT_EQ(readJerseyTexture(high.bytes).description, "Blue hoops");

    // An offset with no room for the 24-byte preset block means no trailer at all.
    HandTexture past = handTexture();
    past.bytes.resize(past.trailer + 23);
    const CJerseyTexture read = readJerseyTexture(past.bytes);
    EXPECT_EQ(read.status, CJerseyTextureStatus::Texture);
    EXPECT_FALSE(read.hasTrailer);
    EXPECT_FALSE(read.hasPresetColours());
    EXPECT_TRUE(read.description.empty());

    // A description cut by the end of the file keeps what is there.
    HandTexture cut = handTexture();
    cut.bytes.resize(cut.trailer + 24 + 4);
    EXPECT_EQ(readJerseyTexture(cut.bytes).description, "Blue");
}

TEST(JerseyTexture, RefusesWhatIsNotATexture)
{
    Bytes wrongMagic = handTexture().bytes;
    wrongMagic[3] = 'X';
    EXPECT_EQ(readJerseyTexture(wrongMagic).status, CJerseyTextureStatus::NotTexture);
    EXPECT_FALSE(makeJerseyThumbnail(wrongMagic));

    const Bytes full = handTexture().bytes;
    for (std::size_t size : {0, 3, 4, 127})
        EXPECT_EQ(readJerseyTexture(Bytes(full.begin(), full.begin() + std::ptrdiff_t(size))).status,
                  CJerseyTextureStatus::NotTexture)
            << size;
    EXPECT_EQ(readJerseyTexture(Bytes(full.begin(), full.begin() + 128)).status, CJerseyTextureStatus::Texture);
}

TEST(JerseyTexture, ReadsModelsBelowTheGameFolderWithoutRegardToCase)
{
    TempFolder game;
    EXPECT_EQ(readJerseyModel(game.path(), 0).status, CJerseyTextureStatus::NoFile);
    game.write("data/PLAYER/textures/pk002.FSH", handTexture(1, "Second").bytes);
    const CJerseyTexture read = readJerseyModel(game.path(), 1);
    EXPECT_EQ(read.status, CJerseyTextureStatus::Texture);
    EXPECT_EQ(read.description, "Second");
    EXPECT_EQ(readJerseyModel(game.path(), 64).status, CJerseyTextureStatus::NoFile);
    EXPECT_EQ(jerseyTextureGamePath(7), "\\Data\\Player\\Textures\\Pk007.fsh");
}

TEST(JerseyThumbnails, WritesAllSixtyFourFromTheSampleGame)
{
    TempFolder game;
    ASSERT_FALSE(writeSampleGame(game.path(), {}));
    const auto jerseys = game.path() / "out" / "Jerseys";  // created on the way
    EXPECT_EQ(makeJerseyThumbnails(game.path(), jerseys), 64);
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator(jerseys))
    {
        ++files;
        EXPECT_EQ(e.file_size(), 5174u) << e.path();
    }
    EXPECT_EQ(files, 64);
    for (int n : {1, 10, 64}) EXPECT_TRUE(std::filesystem::exists(jerseys / ("mjfr" + std::to_string(n) + ".bmp")));
}

TEST(JerseyThumbnails, SkipsMissingAndShortTexturesAndReplacesOldThumbnails)
{
    TempFolder game;
    const HandTexture t = handTexture();
    for (int n = 1; n <= 6; ++n)
    {
        char name[64];
        std::snprintf(name, sizeof name, "game/DATA/Player/Textures/PK%03d.FSH", n);
        if (n == 3) continue;
        Bytes bytes = t.bytes;
        if (n == 5) bytes.resize(t.real + 100);
        game.write(name, bytes);
    }
    game.write("Jerseys/MJFR1.BMP", Bytes(10, 1));
    std::vector<std::string> skipped;
    EXPECT_EQ(makeJerseyThumbnails(game.path() / "game", game.path() / "Jerseys", CFileSystem::real(), &skipped), 4);
    // Each skipped texture is named, with the reason.
    ASSERT_EQ(skipped.size(), 60u);
    EXPECT_NE(skipped[0].find("003.fsh: cannot read: No such file"), std::string::npos) << skipped[0];
#ifdef _WIN32
    // Windows opens a name whatever its case, so the message spells it as the game does.
    EXPECT_NE(skipped[1].find("Pk005.fsh: not a texture with a whole jersey picture"), std::string::npos) << skipped[1];
#else
    EXPECT_NE(skipped[1].find("PK005.FSH: not a texture with a whole jersey picture"), std::string::npos) << skipped[1];
#endif
    EXPECT_EQ(skippedThumbnailsMessage(skipped).rfind("60 of the 64 jersey thumbnails could not be made:\n", 0), 0u);
    EXPECT_EQ(game.files(), (std::vector<std::string>{"Jerseys/MJFR1.BMP", "Jerseys/mjfr2.bmp", "Jerseys/mjfr4.bmp",
                                                      "Jerseys/mjfr6.bmp", "game/DATA/Player/Textures/PK001.FSH",
                                                      "game/DATA/Player/Textures/PK002.FSH",
                                                      "game/DATA/Player/Textures/PK004.FSH",
                                                      "game/DATA/Player/Textures/PK005.FSH",
                                                      "game/DATA/Player/Textures/PK006.FSH"}));
    EXPECT_EQ(game.read("Jerseys/MJFR1.BMP"), *makeJerseyThumbnail(t.bytes));
}
