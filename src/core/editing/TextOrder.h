#pragma once

#include <string>
#include <string_view>

// Case rules for the 8-bit names the database holds. Windows-1252 has upper and lower
// case letters above 127 too; in Shift-JIS those bytes belong to double-byte characters
// and must be left alone.
enum class CTextEncoding;

// Compares as the tree control's sort does: case ignored, then byte order.
int compareNoCase(std::string_view a, std::string_view b, CTextEncoding encoding);
bool lessNoCase(std::string_view a, std::string_view b, CTextEncoding encoding);

std::string upperCase(std::string_view text, CTextEncoding encoding);
