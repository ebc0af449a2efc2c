#include "util/TextCodec.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

std::string bytes(std::initializer_list<int> values)
{
    std::string s;
    for (const int v : values)
        s += char(v);
    return s;
}

const std::string kReplacementUtf8 = "\xEF\xBF\xBD";

std::string encodeOrFail(std::string_view utf8, CTextEncoding encoding)
{
    std::string out;
    EXPECT_TRUE(fromUtf8(utf8, encoding, out)) << "could not encode " << utf8;
    return out;
}

} // namespace

TEST(TextCodecLanguage, OnlyJapaneseUsesShiftJis)
{
    EXPECT_EQ(encodingForLanguage("JAP"), CTextEncoding::ShiftJis);
    EXPECT_EQ(encodingForLanguage("ENG"), CTextEncoding::Windows1252);
    EXPECT_EQ(encodingForLanguage("GER"), CTextEncoding::Windows1252);
    EXPECT_EQ(encodingForLanguage(""), CTextEncoding::Windows1252);
}

TEST(TextCodecWindows1252, EveryByteRoundTrips)
{
    for (int b = 0; b < 256; ++b)
    {
        const std::string original(1, char(b));
        const std::string utf8 = toUtf8(original, CTextEncoding::Windows1252);
        std::string back;
        ASSERT_TRUE(fromUtf8(utf8, CTextEncoding::Windows1252, back)) << "byte " << b;
        EXPECT_EQ(back, original) << "byte " << b;
    }
}

TEST(TextCodecWindows1252, KnownCharacters)
{
    EXPECT_EQ(toUtf8("\xE9", CTextEncoding::Windows1252), "\xC3\xA9");     // é
    EXPECT_EQ(toUtf8("\x80", CTextEncoding::Windows1252), "\xE2\x82\xAC"); // €
    EXPECT_EQ(toUtf8("\xDF", CTextEncoding::Windows1252), "\xC3\x9F");     // ß
    EXPECT_EQ(toUtf8("\x9F", CTextEncoding::Windows1252), "\xC5\xB8");     // Ÿ
    EXPECT_EQ(toUtf8("\x8A", CTextEncoding::Windows1252), "\xC5\xA0");     // Š
    // Undefined codes keep their C1 control value.
    EXPECT_EQ(toUtf8("\x81", CTextEncoding::Windows1252), "\xC2\x81");
    EXPECT_EQ(toUtf8("\x9D", CTextEncoding::Windows1252), "\xC2\x9D");

    EXPECT_EQ(encodeOrFail("M\xC3\xBCller \xE2\x82\xAC", CTextEncoding::Windows1252), "M\xFCller \x80");
    EXPECT_EQ(encodeOrFail("Stra\xC3\x9F" "e", CTextEncoding::Windows1252), "Stra\xDF" "e");
}

TEST(TextCodecWindows1252, RejectsUnrepresentableCharacters)
{
    std::string out = "untouched";
    EXPECT_FALSE(fromUtf8("\xE6\x97\xA5", CTextEncoding::Windows1252, out)); // 日
    EXPECT_FALSE(fromUtf8("\xC2\x80", CTextEncoding::Windows1252, out)); // U+0080: 0x80 is the euro sign
    EXPECT_FALSE(fromUtf8("ok\xF0\x9F\x98\x80", CTextEncoding::Windows1252, out)); // emoji after valid text
    EXPECT_EQ(out, "untouched");
}

TEST(TextCodecUtf8, RejectsMalformedInput)
{
    const char* bad[] = {
        "\x80",             // lone continuation byte
        "\xC3",             // truncated pair
        "a\xE2\x82",        // truncated triple
        "\xC0\xAF",         // overlong '/'
        "\xE0\x80\xAF",     // overlong '/'
        "\xED\xA0\x80",     // surrogate
        "\xF4\x90\x80\x80", // past U+10FFFF
        "\xFF",
        "\xC3\x28",         // continuation missing
    };
    for (const char* text : bad)
    {
        for (const CTextEncoding encoding : {CTextEncoding::Windows1252, CTextEncoding::ShiftJis})
        {
            std::string out = "untouched";
            EXPECT_FALSE(fromUtf8(text, encoding, out)) << testing::PrintToString(std::string(text));
            EXPECT_EQ(out, "untouched");
        }
    }
}

TEST(TextCodecUtf8, EmptyStringsConvert)
{
    EXPECT_EQ(toUtf8("", CTextEncoding::ShiftJis), "");
    std::string out = "x";
    EXPECT_TRUE(fromUtf8("", CTextEncoding::Windows1252, out));
    EXPECT_EQ(out, "");
}

TEST(TextCodecShiftJis, DecodesKnownCharacters)
{
    EXPECT_EQ(toUtf8("Abc~\\", CTextEncoding::ShiftJis), "Abc~\\");
    EXPECT_EQ(toUtf8("\xB1", CTextEncoding::ShiftJis), "\xEF\xBD\xB1");     // half-width ｱ
    EXPECT_EQ(toUtf8("\xA1", CTextEncoding::ShiftJis), "\xEF\xBD\xA1");     // first half-width: ｡
    EXPECT_EQ(toUtf8("\xDF", CTextEncoding::ShiftJis), "\xEF\xBE\x9F");     // last half-width: ﾟ
    EXPECT_EQ(toUtf8("\x83\x4A", CTextEncoding::ShiftJis), "\xE3\x82\xAB"); // full-width カ
    EXPECT_EQ(toUtf8("\x8A\xBF", CTextEncoding::ShiftJis), "\xE6\xBC\xA2"); // 漢
    EXPECT_EQ(toUtf8("\x87\x40", CTextEncoding::ShiftJis), "\xE2\x91\xA0"); // NEC ①
    EXPECT_EQ(toUtf8("\xFA\x5C", CTextEncoding::ShiftJis), "\xE7\xBA\x8A"); // IBM 纊
    EXPECT_EQ(toUtf8("\xED\x40", CTextEncoding::ShiftJis), "\xE7\xBA\x8A"); // NEC-selected copy of 纊
    EXPECT_EQ(toUtf8("\x81\x60", CTextEncoding::ShiftJis), "\xEF\xBD\x9E"); // wave dash as Windows reads it
    EXPECT_EQ(toUtf8("\xF0\x40", CTextEncoding::ShiftJis), "\xEE\x80\x80"); // user-defined -> U+E000
    EXPECT_EQ(toUtf8("\xF9\xFC", CTextEncoding::ShiftJis), "\xEE\x9D\x97"); // user-defined -> U+E757
    // A trail byte in the ASCII range must not be read as a character of its own.
    EXPECT_EQ(toUtf8("\x83\x5C" "A", CTextEncoding::ShiftJis), "\xE3\x82\xBD" "A"); // ソ
}

TEST(TextCodecShiftJis, InvalidSequencesBecomeReplacementCharacters)
{
    // Lead byte at the end of the text.
    EXPECT_EQ(toUtf8("A\x82", CTextEncoding::ShiftJis), "A" + kReplacementUtf8);
    // Lead byte followed by something that cannot be a trail byte: the next byte survives.
    EXPECT_EQ(toUtf8("\x82" " A", CTextEncoding::ShiftJis), kReplacementUtf8 + " A");
    EXPECT_EQ(toUtf8("\x82\xA0", CTextEncoding::ShiftJis), "\xE3\x81\x82"); // sanity: あ
    EXPECT_EQ(toUtf8("\x82\x7F", CTextEncoding::ShiftJis), kReplacementUtf8 + "\x7F");
    // Well-formed pair with no character: one replacement, both bytes consumed.
    EXPECT_EQ(toUtf8("\x85\x40", CTextEncoding::ShiftJis), kReplacementUtf8);
    EXPECT_EQ(toUtf8("\x82\x40" "B", CTextEncoding::ShiftJis), kReplacementUtf8 + "B");
}

TEST(TextCodecShiftJis, EncodesKnownCharacters)
{
    EXPECT_EQ(encodeOrFail("\xEF\xBD\xB1", CTextEncoding::ShiftJis), "\xB1");
    EXPECT_EQ(encodeOrFail("\xE3\x82\xAB", CTextEncoding::ShiftJis), "\x83\x4A");
    EXPECT_EQ(encodeOrFail("Ab \xE6\xBC\xA2", CTextEncoding::ShiftJis), "Ab \x8A\xBF");
    EXPECT_EQ(encodeOrFail("\xE2\x91\xA0", CTextEncoding::ShiftJis), "\x87\x40");
    EXPECT_EQ(encodeOrFail("\xEE\x9D\x97", CTextEncoding::ShiftJis), "\xF9\xFC");
}

TEST(TextCodecShiftJis, DuplicateCodesEncodeAsWindowsDoes)
{
    // JIS X 0208 before NEC row 13 before the IBM rows; never the 0xED/0xEE copies.
    EXPECT_EQ(encodeOrFail("\xE7\xBA\x8A", CTextEncoding::ShiftJis), "\xFA\x5C"); // 纊
    EXPECT_EQ(encodeOrFail("\xE2\x85\xB0", CTextEncoding::ShiftJis), "\xFA\x40"); // ⅰ
    EXPECT_EQ(encodeOrFail("\xE2\x88\xB5", CTextEncoding::ShiftJis), "\x81\xE6"); // ∵
    EXPECT_EQ(encodeOrFail("\xE2\x85\xA0", CTextEncoding::ShiftJis), "\x87\x54"); // Ⅰ
    EXPECT_EQ(encodeOrFail("\xEF\xBF\xA2", CTextEncoding::ShiftJis), "\x81\xCA"); // ￢
}

TEST(TextCodecShiftJis, RejectsUnencodableCharacters)
{
    std::string out = "untouched";
    EXPECT_FALSE(fromUtf8("caf\xC3\xA9", CTextEncoding::ShiftJis, out)); // é
    EXPECT_FALSE(fromUtf8("\xF0\x9F\x98\x80", CTextEncoding::ShiftJis, out)); // emoji
    EXPECT_FALSE(fromUtf8("\xE3\x80\x9C", CTextEncoding::ShiftJis, out)); // U+301C: Windows uses U+FF5E
    EXPECT_FALSE(fromUtf8(kReplacementUtf8, CTextEncoding::ShiftJis, out));
    EXPECT_EQ(out, "untouched");
}

TEST(TextCodecShiftJis, EverySingleByteDecodesToOneCharacterAndBack)
{
    for (int b = 0; b < 256; ++b)
    {
        const bool lead = (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
        if (lead)
            continue;
        const std::string original(1, char(b));
        const std::string utf8 = toUtf8(original, CTextEncoding::ShiftJis);
        ASSERT_NE(utf8, kReplacementUtf8) << "byte " << b;
        std::string back;
        ASSERT_TRUE(fromUtf8(utf8, CTextEncoding::ShiftJis, back)) << "byte " << b;
        EXPECT_EQ(back, original) << "byte " << b;
    }
}

TEST(TextCodecShiftJis, EveryDoubleByteCharacterSurvivesAnEdit)
{
    // Decoding then encoding may pick another code for a duplicated character, but the
    // result must read back as the same character; codes without a character do not count.
    int characters = 0;
    int sameCode = 0;
    for (int lead = 0x81; lead <= 0xFC; ++lead)
    {
        if (lead >= 0xA0 && lead < 0xE0)
            continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail)
        {
            if (trail == 0x7F)
                continue;
            const std::string original = bytes({lead, trail});
            const std::string utf8 = toUtf8(original, CTextEncoding::ShiftJis);
            if (utf8 == kReplacementUtf8)
                continue;
            ++characters;
            std::string back;
            ASSERT_TRUE(fromUtf8(utf8, CTextEncoding::ShiftJis, back)) << std::hex << lead << ' ' << trail;
            ASSERT_EQ(back.size(), 2u) << std::hex << lead << ' ' << trail;
            EXPECT_EQ(toUtf8(back, CTextEncoding::ShiftJis), utf8) << std::hex << lead << ' ' << trail;
            sameCode += back == original;
        }
    }
    // JIS X 0208, the NEC and IBM rows and the ten user-defined rows.
    EXPECT_EQ(characters, 9604);
    // Only the 398 duplicate codes move.
    EXPECT_EQ(characters - sameCode, 398);
}

TEST(TextCodecFit, UnrepresentableCharactersAreListedOnceInOrder)
{
    const struct
    {
        const char* utf8;
        CTextEncoding encoding;
        const char* refused;
    } cases[] = {
        {"M\xC3\xBCller \xE2\x82\xAC", CTextEncoding::Windows1252, ""},
        {"\xC5\x81\xC3\xB3\xC5\x81\xC5\xBA", CTextEncoding::Windows1252, "\xC5\x81\xC5\xBA"},   // Ł ó Ł ź
        {"\xE6\x97\xA5\xEF\xBD\xB1", CTextEncoding::ShiftJis, ""},                             // 日 ｱ
        {"\xC3\xBC\xE6\x97\xA5", CTextEncoding::ShiftJis, "\xC3\xBC"},                          // ü 日
        {"ok\xF0\x9F\x98\x80", CTextEncoding::ShiftJis, "\xF0\x9F\x98\x80"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(unrepresentableCharacters(c.utf8, c.encoding), c.refused) << c.utf8;
}

TEST(TextCodecFit, ShiftJisIsNeverCutInsideACharacter)
{
    const struct
    {
        std::string bytes;
        std::size_t max;
        CTextEncoding encoding;
        std::size_t fits;
    } cases[] = {
        {"Abcdef", 4, CTextEncoding::Windows1252, 4},
        {"\x93\xFA\x93\xFA", 4, CTextEncoding::ShiftJis, 4},
        {"A\x93\xFA\x93\xFA", 4, CTextEncoding::ShiftJis, 3},
        {"\xB1\x93\xFA", 2, CTextEncoding::ShiftJis, 1},   // half-width kana is one byte
        {"\x93 \x93\xFA", 2, CTextEncoding::ShiftJis, 2},   // a lead without its trail stands alone
        {"\x93\xFA", 1, CTextEncoding::ShiftJis, 0},
        {"Ab", 15, CTextEncoding::ShiftJis, 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fittingLength(c.bytes, c.max, c.encoding), c.fits) << testing::PrintToString(c.bytes);
}
