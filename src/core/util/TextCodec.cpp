#include "util/TextCodec.h"

#include "util/ShiftJisTable.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <utility>

namespace
{

constexpr char32_t kReplacement = 0xFFFD;

// 0x80..0x9F. The five codes Windows-1252 leaves undefined keep their C1 control
// value, so that any byte string survives a trip through UTF-8 unchanged.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, //
};


// Strict: overlong forms, surrogates and values past U+10FFFF are rejected, because
// they would otherwise slip through as characters nobody typed.
bool decodeUtf8(std::string_view text, std::u32string& out)
{
    std::size_t i = 0;
    while (i < text.size())
    {
        const auto b0 = uint8_t(text[i]);
        if (b0 < 0x80)
        {
            out += char32_t(b0);
            ++i;
            continue;
        }
        int extra;
        char32_t c;
        char32_t min;
        if ((b0 & 0xE0) == 0xC0)
        {
            extra = 1, c = b0 & 0x1F, min = 0x80;
        }
        else if ((b0 & 0xF0) == 0xE0)
        {
            extra = 2, c = b0 & 0x0F, min = 0x800;
        }
        else if ((b0 & 0xF8) == 0xF0)
        {
            extra = 3, c = b0 & 0x07, min = 0x10000;
        }
        else
        {
            return false;
        }
        if (text.size() - i <= std::size_t(extra))
            return false;
        for (int k = 1; k <= extra; ++k)
        {
            const auto b = uint8_t(text[i + k]);
            if ((b & 0xC0) != 0x80)
                return false;
            c = (c << 6) | (b & 0x3F);
        }
        if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            return false;
        out += c;
        i += std::size_t(extra) + 1;
    }
    return true;
}

std::string cp1252ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (const char ch : bytes)
    {
        const auto b = uint8_t(ch);
        appendUtf8(out, b >= 0x80 && b < 0xA0 ? char32_t(kCp1252High[b - 0x80]) : char32_t(b));
    }
    return out;
}

bool cp1252FromUnicode(std::u32string_view text, std::string& out)
{
    for (const char32_t c : text)
    {
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        {
            out += char(c);
            continue;
        }
        const auto* it = std::find(std::begin(kCp1252High), std::end(kCp1252High), c);
        if (it == std::end(kCp1252High))
            return false;
        out += char(0x80 + (it - std::begin(kCp1252High)));
    }
    return true;
}

// Code page 932 quirks that sit outside the tables: single bytes 0x80, 0xA0 and
// 0xFD..0xFF, and the user-defined rows 0xF0..0xF9 that map onto the private use area.
constexpr char32_t kSjisUserBase = 0xE000;
constexpr uint8_t kSjisUserFirstLead = 0xF0;
constexpr uint8_t kSjisUserLastLead = 0xF9;

bool isSjisLead(uint8_t b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

int sjisTrailIndex(uint8_t b)
{
    if (b >= 0x40 && b <= 0x7E)
        return b - 0x40;
    if (b >= 0x80 && b <= 0xFC)
        return b - 0x80 + 63;
    return -1;
}

uint8_t sjisTrailByte(int index)
{
    return uint8_t(index < 63 ? 0x40 + index : 0x80 + index - 63);
}

std::string sjisToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() * 3 / 2);
    std::size_t i = 0;
    while (i < bytes.size())
    {
        const auto b = uint8_t(bytes[i]);
        if (b < 0x80)
        {
            out += char(b);
            ++i;
            continue;
        }
        if (b >= 0xA1 && b <= 0xDF)
        {
            appendUtf8(out, char32_t(0xFF61 + (b - 0xA1)));
            ++i;
            continue;
        }
        if (!isSjisLead(b))
        {
            char32_t c = kReplacement;
            if (b == 0x80)
                c = 0x0080;
            else if (b == 0xA0)
                c = 0xF8F0;
            else if (b >= 0xFD)
                c = 0xF8F1 + (b - 0xFD);
            appendUtf8(out, c);
            ++i;
            continue;
        }
        const int trail = i + 1 < bytes.size() ? sjisTrailIndex(uint8_t(bytes[i + 1])) : -1;
        if (trail < 0)
        {
            // A byte that cannot be a trail byte starts the next character (often a
            // plain ASCII letter after a truncated pair), so only the lead is lost.
            appendUtf8(out, kReplacement);
            ++i;
            continue;
        }
        char32_t c = kReplacement;
        if (b >= kSjisUserFirstLead && b <= kSjisUserLastLead)
        {
            c = kSjisUserBase + char32_t((b - kSjisUserFirstLead) * kShiftJisTrailCount + trail);
        }
        else if (const uint8_t row = kShiftJisLeadRow[b]; row != kShiftJisNoRow)
        {
            if (const char16_t mapped = kShiftJisRows[row][trail]; mapped != 0)
                c = mapped;
        }
        appendUtf8(out, c);
        i += 2;
    }
    return out;
}

bool sjisFromUnicode(std::u32string_view text, std::string& out)
{
    constexpr char32_t userEnd = kSjisUserBase + (kSjisUserLastLead - kSjisUserFirstLead + 1) * kShiftJisTrailCount;
    for (const char32_t c : text)
    {
        if (c < 0x80)
        {
            out += char(c);
        }
        else if (c >= 0xFF61 && c <= 0xFF9F)
        {
            out += char(0xA1 + (c - 0xFF61));
        }
        else if (c == 0x0080)
        {
            out += char(0x80);
        }
        else if (c >= 0xF8F0 && c <= 0xF8F3)
        {
            out += char(c == 0xF8F0 ? 0xA0 : 0xFD + (c - 0xF8F1));
        }
        else if (c >= kSjisUserBase && c < userEnd)
        {
            const auto offset = int(c - kSjisUserBase);
            out += char(kSjisUserFirstLead + offset / kShiftJisTrailCount);
            out += char(sjisTrailByte(offset % kShiftJisTrailCount));
        }
        else
        {
            const auto* end = kShiftJisEncode + kShiftJisEncodeCount;
            const auto* it = std::lower_bound(kShiftJisEncode, end, c, [](const CShiftJisEncodePair& p, char32_t v) {
                return char32_t(p.unicode) < v;
            });
            if (it == end || it->unicode != c)
                return false;
            out += char(it->sjis >> 8);
            out += char(it->sjis & 0xFF);
        }
    }
    return true;
}

} // namespace

CTextEncoding encodingForLanguage(std::string_view languageCode)
{
    return languageCode == "JAP" ? CTextEncoding::ShiftJis : CTextEncoding::Windows1252;
}

std::string toUtf8(std::string_view bytes, CTextEncoding encoding)
{
    return encoding == CTextEncoding::ShiftJis ? sjisToUtf8(bytes) : cp1252ToUtf8(bytes);
}

bool fromUtf8(std::string_view utf8, CTextEncoding encoding, std::string& out)
{
    std::u32string text;
    if (!decodeUtf8(utf8, text))
        return false;
    std::string encoded;
    encoded.reserve(text.size() * 2);
    const bool ok = encoding == CTextEncoding::ShiftJis ? sjisFromUnicode(text, encoded) : cp1252FromUnicode(text, encoded);
    if (!ok)
        return false;
    out = std::move(encoded);
    return true;
}

std::string unrepresentableCharacters(std::string_view utf8, CTextEncoding encoding)
{
    std::u32string text;
    if (!decodeUtf8(utf8, text)) return {};
    std::u32string refused;
    for (const char32_t c : text)
    {
        if (refused.find(c) != std::u32string::npos) continue;
        std::string ignored;
        const std::u32string_view one(&c, 1);
        const bool ok = encoding == CTextEncoding::ShiftJis ? sjisFromUnicode(one, ignored) : cp1252FromUnicode(one, ignored);
        if (!ok) refused += c;
    }
    std::string out;
    for (const char32_t c : refused) appendUtf8(out, c);
    return out;
}

std::size_t fittingLength(std::string_view bytes, std::size_t maxBytes, CTextEncoding encoding)
{
    if (bytes.size() <= maxBytes) return bytes.size();
    if (encoding != CTextEncoding::ShiftJis) return maxBytes;
    // Walked from the start the way the decoder reads it: a lead byte takes the next
    // byte with it only when that byte can be a trail byte.
    std::size_t i = 0;
    while (i < maxBytes)
    {
        const bool pair = isSjisLead(uint8_t(bytes[i])) && i + 1 < bytes.size() && sjisTrailIndex(uint8_t(bytes[i + 1])) >= 0;
        const std::size_t width = pair ? 2 : 1;
        if (i + width > maxBytes) break;
        i += width;
    }
    return i;
}

bool isValidUtf8(std::string_view text)
{
    std::u32string ignored;
    return decodeUtf8(text, ignored);
}

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80)
    {
        out += char(c);
    }
    else if (c < 0x800)
    {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    }
    else if (c < 0x10000)
    {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
    else
    {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}
