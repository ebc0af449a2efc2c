#include "sample/SampleText.h"

#include <cstdint>
#include <vector>

namespace
{

std::vector<char32_t> decodeUtf8(std::string_view s)
{
    std::vector<char32_t> out;
    for (std::size_t i = 0; i < s.size();)
    {
        const auto c = static_cast<unsigned char>(s[i]);
        int extra = 0;
        char32_t cp = c;
        if (c >= 0xF0)
        {
            extra = 3;
            cp = c & 0x07;
        }
        else if (c >= 0xE0)
        {
            extra = 2;
            cp = c & 0x0F;
        }
        else if (c >= 0xC0)
        {
            extra = 1;
            cp = c & 0x1F;
        }
        ++i;
        for (int k = 0; k < extra && i < s.size(); ++k, ++i)
            cp = (cp << 6) | (static_cast<unsigned char>(s[i]) & 0x3F);
        out.push_back(cp);
    }
    return out;
}

// The plain letter a Latin-1 letter is built on, or 0 when there is none.
const char* foldLetter(char32_t cp)
{
    switch (cp)
    {
    case U'à': case U'á': case U'â': case U'ã': case U'ä': case U'å': return "a";
    case U'À': case U'Á': case U'Â': case U'Ã': case U'Ä': case U'Å': return "A";
    case U'æ': return "ae";
    case U'Æ': return "AE";
    case U'ç': return "c";
    case U'Ç': return "C";
    case U'è': case U'é': case U'ê': case U'ë': return "e";
    case U'È': case U'É': case U'Ê': case U'Ë': return "E";
    case U'ì': case U'í': case U'î': case U'ï': return "i";
    case U'Ì': case U'Í': case U'Î': case U'Ï': return "I";
    case U'ñ': return "n";
    case U'Ñ': return "N";
    case U'ò': case U'ó': case U'ô': case U'õ': case U'ö': case U'ø': return "o";
    case U'Ò': case U'Ó': case U'Ô': case U'Õ': case U'Ö': case U'Ø': return "O";
    case U'ù': case U'ú': case U'û': case U'ü': return "u";
    case U'Ù': case U'Ú': case U'Û': case U'Ü': return "U";
    case U'ý': case U'ÿ': return "y";
    case U'Ý': return "Y";
    case U'ß': return "ss";
    default: return nullptr;
    }
}

}  // namespace

const char* sampleLanguageCode(CSampleLanguage language)
{
    switch (language)
    {
    case CSampleLanguage::BRP: return "BRP";
    case CSampleLanguage::DUT: return "DUT";
    case CSampleLanguage::ENG: return "ENG";
    case CSampleLanguage::GER: return "GER";
    case CSampleLanguage::ITA: return "ITA";
    case CSampleLanguage::JAP: return "JAP";
    case CSampleLanguage::SPA: return "SPA";
    case CSampleLanguage::SWE: return "SWE";
    }
    return "ENG";
}

std::string toWindows1252(std::string_view utf8)
{
    std::string out;
    for (char32_t cp : decodeUtf8(utf8))
    {
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
            out.push_back(static_cast<char>(cp));
        else
            out.push_back('?');
    }
    return out;
}

std::string toShiftJis(std::string_view utf8)
{
    std::string out;
    auto pair = [&out](unsigned lead, unsigned trail) {
        out.push_back(static_cast<char>(lead));
        out.push_back(static_cast<char>(trail));
    };
    for (char32_t cp : decodeUtf8(utf8))
    {
        if (cp < 0x80)
            out.push_back(static_cast<char>(cp));
        else if (cp >= 0x30A1 && cp <= 0x30F6)
        {
            // Full-width katakana run from 83 40 in code point order, skipping the
            // trail byte 7F, which Shift-JIS never uses.
            const unsigned i = cp - 0x30A1;
            pair(0x83, i < 63 ? 0x40 + i : 0x80 + (i - 63));
        }
        else if (cp == 0x30FC)
            pair(0x81, 0x5B);  // long vowel mark
        else if (cp == 0x30FB)
            pair(0x81, 0x45);  // middle dot
        else if (cp == 0x3000)
            pair(0x81, 0x40);  // ideographic space
        else if (const char* plain = foldLetter(cp))
            out += plain;
        else
            out.push_back('?');
    }
    return out;
}

std::string encodeFor(CSampleLanguage language, std::string_view utf8)
{
    return language == CSampleLanguage::JAP ? toShiftJis(utf8) : toWindows1252(utf8);
}

std::string foldAccents(std::string_view utf8)
{
    std::string out;
    for (char32_t cp : decodeUtf8(utf8))
    {
        if (cp < 0x80)
            out.push_back(static_cast<char>(cp));
        else if (const char* plain = foldLetter(cp))
            out += plain;
        else
            out.push_back('?');
    }
    return out;
}

std::string cutEncoded(const std::string& encoded, std::size_t maxBytes, bool shiftJis)
{
    if (encoded.size() <= maxBytes)
        return encoded;
    if (!shiftJis)
        return encoded.substr(0, maxBytes);
    std::size_t end = 0;
    while (end < encoded.size())
    {
        const auto c = static_cast<unsigned char>(encoded[end]);
        const bool lead = (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
        const std::size_t width = lead ? 2 : 1;
        if (end + width > maxBytes)
            break;
        end += width;
    }
    return encoded.substr(0, end);
}

bool hasNonAscii(std::string_view text)
{
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80)
            return true;
    return false;
}
