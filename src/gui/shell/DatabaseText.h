#pragma once

#include "util/TextCodec.h"

#include <QString>

#include <string>

// Text the user typed, as the 8-bit bytes the database keeps; a character the game's
// encoding cannot hold becomes "?", as the game's own tools write it.
inline std::string toDatabaseText(const QString& text, CTextEncoding encoding)
{
    std::string bytes;
    if (fromUtf8(text.toStdString(), encoding, bytes)) return bytes;
    bytes.clear();
    for (const char32_t codePoint : text.toUcs4())
    {
        std::string one, converted;
        appendUtf8(one, codePoint);
        bytes += fromUtf8(one, encoding, converted) ? converted : std::string("?");
    }
    return bytes;
}
