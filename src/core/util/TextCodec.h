#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Names in the game's files are 8-bit text: Windows-1252, and Shift-JIS in the
// Japanese files. The database keeps the bytes; these convert for display and editing.
enum class CTextEncoding
{
    Windows1252,
    ShiftJis,
};

// "JAP" names are Shift-JIS, every other language Windows-1252.
CTextEncoding encodingForLanguage(std::string_view languageCode);

// Bytes that cannot be decoded become U+FFFD.
std::string toUtf8(std::string_view bytes, CTextEncoding encoding);

// False (and out unchanged) when the text is not valid UTF-8 or holds a character the
// encoding cannot represent.
bool fromUtf8(std::string_view utf8, CTextEncoding encoding, std::string& out);

// The characters of a UTF-8 text that the encoding cannot hold, each once, in the order
// they first appear, as UTF-8. Empty when the whole text can be held (or is not UTF-8,
// which fromUtf8 refuses on its own).
std::string unrepresentableCharacters(std::string_view utf8, CTextEncoding encoding);

// How many bytes of an 8-bit text fit in maxBytes without splitting a double-byte
// Shift-JIS character: a field of the game's files is cut there, never inside one.
std::size_t fittingLength(std::string_view bytes, std::size_t maxBytes, CTextEncoding encoding);

// True when the text is well-formed UTF-8 (no overlong forms, surrogates or code points
// beyond U+10FFFF).
bool isValidUtf8(std::string_view text);

// Appends one code point as UTF-8.
void appendUtf8(std::string& out, char32_t codePoint);

// The value of a hexadecimal digit, -1 for any other character.
int hexValue(char c);
