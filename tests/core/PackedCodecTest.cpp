#include "exchange/PackedCodec.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace
{
using Bytes = std::vector<uint8_t>;

Bytes bytesOf(const std::string& text) { return Bytes(text.begin(), text.end()); }

Bytes readFile(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), {});
}

// Header 0x10FB for the given length, then the commands.
Bytes stream(std::size_t length, std::initializer_list<uint8_t> commands)
{
    Bytes out = packedHeader(length);
    out.insert(out.end(), commands);
    return out;
}

void expectRoundTrip(const Bytes& data)
{
    const Bytes packed = packBytes(data);
    const CUnpackResult unpacked = unpackBytes(packed);
    ASSERT_TRUE(unpacked.ok()) << unpacked.message << " (length " << data.size() << ")";
    ASSERT_EQ(unpacked.data, data) << "length " << data.size();
}

// How many commands of each kind a stream of ours holds: 2-, 3-, 4-byte copies, literal
// blocks, stops.
std::array<int, 5> commandKinds(const Bytes& packed)
{
    std::array<int, 5> kinds{};
    std::size_t pos = 5;
    while (pos < packed.size())
    {
        const uint8_t b0 = packed[pos];
        if (b0 < 0x80) ++kinds[0], pos += 2 + (b0 & 3);
        else if (b0 < 0xC0) ++kinds[1], pos += 3 + (packed[pos + 1] >> 6);
        else if (b0 < 0xE0) ++kinds[2], pos += 4 + (b0 & 3);
        else if (b0 < 0xFC) ++kinds[3], pos += 1 + ((b0 & 0x1F) << 2) + 4;
        else
        {
            ++kinds[4];
            pos += 1 + (b0 & 3);
            EXPECT_EQ(pos, packed.size()) << "bytes after the stop command";
            break;
        }
    }
    return kinds;
}

Bytes randomBytes(std::size_t n, uint32_t seed, int alphabet = 256)
{
    std::mt19937 random(seed);
    Bytes out(n);
    for (auto& b : out) b = uint8_t(random() % unsigned(alphabet));
    return out;
}
}  // namespace

TEST(PackedCodecDecode, WorkedExamples)
{
    const CUnpackResult abab = unpackBytes(Bytes{0x10, 0xFB, 0x00, 0x00, 0x0A, 0x16, 0x01, 0x61, 0x62, 0xFC});
    ASSERT_TRUE(abab.ok()) << abab.message;
    EXPECT_EQ(abab.data, bytesOf("ababababab"));

    // DC FF FF FF: no literals, 1028 bytes from 131072 back.
    Bytes base = randomBytes(131072, 7);
    Bytes packed = packedHeader(131072 + 1028);
    for (std::size_t i = 0; i < base.size(); i += 112)
    {
        const std::size_t block = std::min<std::size_t>(112, base.size() - i);
        packed.push_back(uint8_t(0xE0 | ((block - 4) >> 2)));
        packed.insert(packed.end(), base.begin() + long(i), base.begin() + long(i + block));
    }
    packed.insert(packed.end(), {0xDC, 0xFF, 0xFF, 0xFF, 0xFC});
    CUnpackResult far = unpackBytes(packed);
    ASSERT_TRUE(far.ok()) << far.message;
    ASSERT_EQ(far.data.size(), 131072u + 1028u);
    EXPECT_TRUE(std::equal(base.begin(), base.begin() + 1028, far.data.begin() + 131072));

    // BF FF FF: 3 literals, then 67 bytes from 16384 back.
    base.resize(16384);
    packed = packedHeader(16384 + 3 + 67);
    for (std::size_t i = 0; i < base.size(); i += 112)
    {
        const std::size_t block = std::min<std::size_t>(112, base.size() - i);
        packed.push_back(uint8_t(0xE0 | ((block - 4) >> 2)));
        packed.insert(packed.end(), base.begin() + long(i), base.begin() + long(i + block));
    }
    packed.insert(packed.end(), {0xBF, 0xFF, 0xFF, 'p', 'q', 'r', 0xFC});
    const CUnpackResult mid = unpackBytes(packed);
    ASSERT_TRUE(mid.ok()) << mid.message;
    ASSERT_EQ(mid.data.size(), 16384u + 3 + 67);
    EXPECT_EQ(mid.data[16384], 'p');
    EXPECT_TRUE(std::equal(mid.data.begin() + 3, mid.data.begin() + 70, mid.data.begin() + 16387));
}

TEST(PackedCodecDecode, EveryHeaderType)
{
    const Bytes commands{0x16, 0x01, 'a', 'b', 0xFC};
    const Bytes types[] = {
        {0x10, 0xFB, 0x00, 0x00, 0x0A},
        {0x11, 0xFB, 0xAA, 0xBB, 0xCC, 0x00, 0x00, 0x0A},
        {0x90, 0xFB, 0x00, 0x00, 0x00, 0x0A},
        {0x91, 0xFB, 0xAA, 0xBB, 0xCC, 0xDD, 0x00, 0x00, 0x00, 0x0A},
    };
    for (Bytes packed : types)
    {
        EXPECT_TRUE(hasPackedHeader(packed));
        packed.insert(packed.end(), commands.begin(), commands.end());
        const CUnpackResult result = unpackBytes(packed);
        ASSERT_TRUE(result.ok()) << "type " << int(packed[0]) << ": " << result.message;
        EXPECT_EQ(result.data, bytesOf("ababababab"));
    }
    for (const Bytes& other : {Bytes{0x10, 0xFA, 0, 0, 1}, Bytes{0x12, 0xFB, 0, 0, 1}, Bytes{0x30, 0xFB, 0, 0, 1},
                               Bytes{0x10}, Bytes{}})
    {
        EXPECT_FALSE(hasPackedHeader(other));
        EXPECT_EQ(unpackBytes(other).problem, CPackedProblem::NotPacked);
    }
    // A known type cut short inside its own header.
    EXPECT_EQ(unpackBytes(Bytes{0x91, 0xFB, 0, 0, 0, 0, 0, 0}).problem, CPackedProblem::ReadsPastInput);
}

TEST(PackedCodecDecode, EmptyAndLiteralOnlyStreams)
{
    const CUnpackResult empty = unpackBytes(stream(0, {0xFC}));
    ASSERT_TRUE(empty.ok());
    EXPECT_TRUE(empty.data.empty());
    const CUnpackResult five = unpackBytes(stream(5, {0xE0, '1', '2', '3', '4', 0xFD, '5'}));
    ASSERT_TRUE(five.ok()) << five.message;
    EXPECT_EQ(five.data, bytesOf("12345"));
    // Bytes after the stop command are not looked at.
    EXPECT_TRUE(unpackBytes(stream(1, {0xFD, 'z', 0x00, 0xFF})).ok());
}

TEST(PackedCodecDecode, RefusesMalformedStreams)
{
    // Copies from before the start: one literal, then 3 from 2 back.
    EXPECT_EQ(unpackBytes(stream(4, {0x01, 0x01, 'a', 0xFC})).problem, CPackedProblem::CopyBeforeStart);
    EXPECT_EQ(unpackBytes(stream(5, {0x80, 0x00, 0xFC})).problem, CPackedProblem::CopyBeforeStart);
    EXPECT_EQ(unpackBytes(stream(5, {0xC0, 0x00, 0x00, 0x00, 0xFC})).problem, CPackedProblem::CopyBeforeStart);

    // Overruns the announced length, by a copy, by literals and by the stop command's own.
    EXPECT_EQ(unpackBytes(stream(9, {0x16, 0x01, 'a', 'b', 0xFC})).problem, CPackedProblem::Overrun);
    EXPECT_EQ(unpackBytes(stream(3, {0xE0, 'a', 'b', 'c', 'd', 0xFC})).problem, CPackedProblem::Overrun);
    EXPECT_EQ(unpackBytes(stream(2, {0xFF, 'a', 'b', 'c'})).problem, CPackedProblem::Overrun);

    // Stops before the announced length.
    EXPECT_EQ(unpackBytes(stream(11, {0x16, 0x01, 'a', 'b', 0xFC})).problem, CPackedProblem::EndsEarly);
    EXPECT_EQ(unpackBytes(stream(0xFFFFFF, {0xFC})).problem, CPackedProblem::EndsEarly);

    // Reads past the input: no stop command, and every command cut at every byte.
    EXPECT_EQ(unpackBytes(stream(10, {0x16, 0x01, 'a', 'b'})).problem, CPackedProblem::ReadsPastInput);
    const Bytes whole = stream(63, {0xE0, 'a', 'b', 'c', 'd', 0x01, 0x00, 'e', 0x80, 0x40, 0x00, 'f',
                                    0xC1, 0x00, 0x03, 0x2A, 'g', 0xFE, 'h', 'i'});
    ASSERT_TRUE(unpackBytes(whole).ok()) << unpackBytes(whole).message;
    for (std::size_t cut = 5; cut < whole.size(); ++cut)
        EXPECT_EQ(unpackBytes(std::span(whole).first(cut)).problem, CPackedProblem::ReadsPastInput) << cut;
}

TEST(PackedCodecDecode, HugeAnnouncedLengthCostsNoMemoryUpFront)
{
    // 4 GiB announced by a ten-byte file: refused as ending early, not as out of memory.
    const Bytes packed{0x90, 0xFB, 0xFF, 0xFF, 0xFF, 0xFF, 0xE0, 1, 2, 3, 4, 0xFC};
    const CUnpackResult result = unpackBytes(packed);
    EXPECT_EQ(result.problem, CPackedProblem::EndsEarly);
    EXPECT_FALSE(result.message.empty());
}

// Whichever form the header takes, the length it announces is the one the limit is held
// against, and more than the limit is refused before a byte of the stream is read: each
// header here is followed by nothing, so a decoder that began would say "cut short".
TEST(PackedCodecDecode, ALimitHoldsForEveryHeaderFormBeforeUnpacking)
{
    constexpr std::size_t kLimit = std::size_t(1) << 20;
    struct Case
    {
        const char* form;
        Bytes header;
        std::size_t announced;
    };
    const Case cases[] = {
        {"0x10FB", {0x10, 0xFB, 0x10, 0x00, 0x01}, 0x100001},
        {"0x11FB, skipped field first", {0x11, 0xFB, 0x00, 0x00, 0x01, 0x10, 0x00, 0x01}, 0x100001},
        {"0x90FB, 4-byte length", {0x90, 0xFB, 0x10, 0x00, 0x00, 0x00}, 0x10000000},
        {"0x91FB, packed size first", {0x91, 0xFB, 0x00, 0x00, 0x00, 0x10, 0x00, 0x10, 0x00, 0x01}, 0x100001},
        {"0x91FB, small field, large length", {0x91, 0xFB, 0x00, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF}, 0xFFFFFFFF},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.form);
        EXPECT_EQ(packedUnpackedLength(c.header), c.announced);
        EXPECT_EQ(unpackBytes(c.header, kLimit).problem, CPackedProblem::TooLarge);
        EXPECT_EQ(unpackBytes(c.header).problem, CPackedProblem::ReadsPastInput);  // no limit: it began
        // At the limit itself the stream is read.
        Bytes atLimit = c.header;
        const std::size_t fieldBytes = (c.header[0] & 0x80) ? 4 : 3;
        for (std::size_t i = 0; i < fieldBytes; ++i)
            atLimit[c.header.size() - 1 - i] = uint8_t(kLimit >> (8 * i));
        EXPECT_EQ(unpackBytes(atLimit, kLimit).problem, CPackedProblem::ReadsPastInput);
    }
    EXPECT_EQ(packedUnpackedLength(Bytes{0x90, 0xFB, 0, 0, 0}), std::nullopt);  // cut inside the length
    EXPECT_EQ(packedUnpackedLength(Bytes{0x12, 0xFB, 0, 0, 1}), std::nullopt);  // no known type
}

TEST(PackedCodecDecode, OverlappingCopyRepeatsItsPattern)
{
    // "abc" then 1028 bytes from 3 back, through a 4-byte command.
    const CUnpackResult result = unpackBytes(stream(1031, {0xCF, 0x00, 0x02, 0xFF, 'a', 'b', 'c', 0xFC}));
    ASSERT_TRUE(result.ok()) << result.message;
    for (std::size_t i = 0; i < result.data.size(); ++i) ASSERT_EQ(result.data[i], "abc"[i % 3]) << i;
}

TEST(PackedCodecEncode, HeaderSwitchesToFourBytesAboveTwentyFourBits)
{
    EXPECT_EQ(packedHeader(0), (Bytes{0x10, 0xFB, 0, 0, 0}));
    EXPECT_EQ(packedHeader(0xFFFFFF), (Bytes{0x10, 0xFB, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(packedHeader(0x1000000), (Bytes{0x90, 0xFB, 0x01, 0x00, 0x00, 0x00}));
    EXPECT_EQ(packedHeader(0x12345678), (Bytes{0x90, 0xFB, 0x12, 0x34, 0x56, 0x78}));
    EXPECT_EQ(packBytes(bytesOf("hello"))[0], 0x10);
}

TEST(PackedCodecEncode, LiteralRunsAroundTheBlockSize)
{
    // Incompressible data: the literals go in blocks of up to 112 with the 0-3 left over
    // carried by the stop command.
    for (std::size_t n : {0, 1, 2, 3, 4, 5, 7, 8, 111, 112, 113, 114, 115, 116, 223, 224, 225, 227, 228, 1000})
    {
        const Bytes data = randomBytes(n, uint32_t(n) + 1);
        expectRoundTrip(data);
        const Bytes packed = packBytes(data);
        EXPECT_EQ(packed.size(), 5 + n + (n / 4 * 4 + 111) / 112 + 1) << n;
        EXPECT_EQ(packed[packed.size() - 1 - n % 4], 0xFC | (n % 4)) << n;
    }
}

TEST(PackedCodecEncode, RoundTripsRandomAndStructuredData)
{
    for (uint32_t seed = 1; seed <= 6; ++seed)
    {
        expectRoundTrip(randomBytes(3000 + seed * 517, seed, 256));
        expectRoundTrip(randomBytes(5000, seed, 2));  // short matches everywhere
        expectRoundTrip(randomBytes(4000, seed, 16));
    }
    expectRoundTrip(Bytes(70000, 0));
    expectRoundTrip(Bytes(1029, 'q'));

    // Repeats at the distances where each command kind stops reaching.
    for (std::size_t distance : {1, 2, 3, 1024, 1025, 16384, 16385, 131072, 131073})
    {
        Bytes data = randomBytes(distance, uint32_t(distance));
        const Bytes again(data.begin(), data.begin() + long(std::min<std::size_t>(distance, 2100)));
        data.insert(data.end(), again.begin(), again.end());
        data.push_back(7);
        expectRoundTrip(data);
        // The repeat costs a few command bytes when a copy can reach it, its own length when not.
        const std::size_t literalsOnly = 5 + distance + distance / 112 + 2 + 1 + 1;
        const std::size_t repeatCost = distance <= 131072 ? (again.size() / 1028 + 1) * 4 : again.size() + 25;
        EXPECT_LE(packBytes(data).size(), literalsOnly + repeatCost) << distance;
    }

    // Text-like records with small edits, as the exchange files hold.
    Bytes records;
    std::mt19937 random(99);
    for (int i = 0; i < 400; ++i)
    {
        const std::string line = "PLAYER;" + std::to_string(random() % 5000) + ";Name" + std::to_string(i % 37)
                                 + ";Team" + std::to_string(random() % 20) + ";0x0A0B0C\n";
        records.insert(records.end(), line.begin(), line.end());
    }
    expectRoundTrip(records);
    EXPECT_LT(packBytes(records).size(), records.size() / 2);
}

TEST(PackedCodecEncode, ThreeByteRepeatsAreCopiedWithinTheShortCommandsReach)
{
    // The same three bytes again 1024 bytes on fit a two-byte copy; one byte further they
    // fit no copy at all and go as literals. In a long literal run such a copy saves
    // nothing, so count the short copies rather than bytes.
    const auto shortCopiesWithRepeatAt = [](std::size_t distance) {
        Bytes data = randomBytes(3000, 11);
        const Bytes three{0xA5, 0x5A, 0xC3};
        std::copy(three.begin(), three.end(), data.begin() + 1000);
        std::copy(three.begin(), three.end(), data.begin() + long(1000 + distance));
        expectRoundTrip(data);
        return commandKinds(packBytes(data))[0];
    };
    const int atTheLimit = shortCopiesWithRepeatAt(1024);
    EXPECT_EQ(atTheLimit, shortCopiesWithRepeatAt(1025) + 1);
    EXPECT_EQ(atTheLimit, shortCopiesWithRepeatAt(7));
}

TEST(PackedCodecEncode, UsesEveryCopyKind)
{
    // A near short repeat, a middle-distance one and a far long one in random data.
    Bytes data = randomBytes(20000, 5);
    const Bytes nearRepeat(data.begin() + 19990, data.begin() + 19996);
    data.insert(data.end(), nearRepeat.begin(), nearRepeat.end());
    data.insert(data.end(), {1, 2});
    const Bytes middle(data.begin() + 10000, data.begin() + 10040);
    data.insert(data.end(), middle.begin(), middle.end());
    data.insert(data.end(), {3, 4, 5, 6, 7});
    const Bytes far(data.begin() + 100, data.begin() + 900);
    data.insert(data.end(), far.begin(), far.end());
    data.push_back(8);

    const Bytes packed = packBytes(data);
    ASSERT_EQ(unpackBytes(packed).data, data);
    const std::array<int, 5> kinds = commandKinds(packed);
    EXPECT_GE(kinds[0], 1);  // random data has a few chance 3-byte repeats of its own
    EXPECT_GE(kinds[1], 1);
    EXPECT_GE(kinds[2], 1);
    EXPECT_EQ(kinds[4], 1);
    // The 2, 5 and 1 literals between the copies ride in LL bits or one block, never alone.
    EXPECT_LE(packed.size(), 5 + 20000 + (20000 + 111) / 112 + 2 + (3 + 2) + (1 + 4 + 4 + 1) + (1 + 1));
}

TEST(PackedCodecFile, UnpacksAnotherToolsFileByteForByte)
{
    const std::filesystem::path folder = OBRIX_TESTDATA_DIR "/packed";
    if (!std::filesystem::exists(folder / "texture.packed") || !std::filesystem::exists(folder / "texture.unpacked"))
        GTEST_SKIP() << "no packed test data in " << folder;
    const Bytes packed = readFile(folder / "texture.packed");
    const Bytes expected = readFile(folder / "texture.unpacked");
    const CUnpackResult result = unpackBytes(packed);
    ASSERT_TRUE(result.ok()) << result.message;
    ASSERT_EQ(result.data.size(), expected.size());
    EXPECT_TRUE(result.data == expected);

    // And ours reads back the same and is smaller than theirs.
    const Bytes ours = packBytes(expected);
    EXPECT_LT(ours.size(), packed.size());
    EXPECT_TRUE(unpackBytes(ours).data == expected);
}
