#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

// The languages of the game's name files, in the order their files are listed.
enum class CSampleLanguage
{
    BRP,
    DUT,
    ENG,
    GER,
    ITA,
    JAP,
    SPA,
    SWE,
};

inline constexpr std::array<CSampleLanguage, 8> kSampleLanguages = {
    CSampleLanguage::BRP, CSampleLanguage::DUT, CSampleLanguage::ENG, CSampleLanguage::GER,
    CSampleLanguage::ITA, CSampleLanguage::JAP, CSampleLanguage::SPA, CSampleLanguage::SWE,
};

const char* sampleLanguageCode(CSampleLanguage language);

// The generator writes its texts as UTF-8 in the source and turns them into the game's
// 8-bit encodings only when the bytes are laid out.
std::string toWindows1252(std::string_view utf8);
std::string toShiftJis(std::string_view utf8);
// Windows-1252 for every language but Japanese, whose files are Shift-JIS.
std::string encodeFor(CSampleLanguage language, std::string_view utf8);

// Latin letters without their accents, for files whose encoding has none.
std::string foldAccents(std::string_view utf8);

// At most maxBytes bytes of an encoded text, never splitting a Shift-JIS pair.
std::string cutEncoded(const std::string& encoded, std::size_t maxBytes, bool shiftJis);

// True when the text holds anything outside 7-bit ASCII.
bool hasNonAscii(std::string_view text);
