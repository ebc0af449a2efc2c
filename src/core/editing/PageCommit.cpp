#include "editing/PageCommit.h"

#include "editing/PageTexts.h"
#include "settings/Prompts.h"
#include "util/Format.h"
#include "util/TextCodec.h"
#include "util/Translatable.h"

#include <algorithm>

namespace
{
// "Ł, Ż": the characters as the user typed them, so they can be found in the box.
std::string listed(const std::string& characters)
{
    std::string out;
    for (std::size_t i = 0; i < characters.size();)
    {
        std::size_t next = i + 1;
        while (next < characters.size() && (static_cast<unsigned char>(characters[next]) & 0xC0) == 0x80) ++next;
        if (!out.empty()) out += ", ";
        out.append(characters, i, next - i);
        i = next;
    }
    return out;
}

void refuse(const std::string& characters, CPrompts& prompts)
{
    prompts.message(formatText(pagetexts::kCharactersNotHeld, listed(characters).c_str()),
                    CPrompts::CIcon::Information);
}
}  // namespace

std::size_t textBoxLimit(std::size_t fileBytes, std::string_view stored)
{
    return std::max(fileBytes, stored.size());
}

bool fitsTextBox(std::string_view utf8, CTextEncoding encoding, std::size_t maxBytes)
{
    std::size_t bytes = 0;
    for (std::size_t i = 0; i < utf8.size();)
    {
        std::size_t next = i + 1;
        while (next < utf8.size() && (static_cast<unsigned char>(utf8[next]) & 0xC0) == 0x80) ++next;
        std::string one;
        bytes += fromUtf8(utf8.substr(i, next - i), encoding, one) && !one.empty() ? one.size() : 1;
        if (bytes > maxBytes) return false;
        i = next;
    }
    return true;
}

std::string textTooLongMessage(std::size_t maxBytes)
{
    return translatedArgs("pagetexts", pagetexts::kTextTooLong, {std::to_string(maxBytes)});
}

std::optional<std::string> takeTypedText(std::string_view utf8, CTextEncoding encoding, std::size_t maxBytes,
                                         CPrompts& prompts)
{
    if (const std::string refused = unrepresentableCharacters(utf8, encoding); !refused.empty())
    {
        refuse(refused, prompts);
        return std::nullopt;
    }
    std::string bytes;
    // Only malformed UTF-8 fails here, which no text box hands over.
    if (!fromUtf8(utf8, encoding, bytes)) return std::nullopt;
    if (bytes.size() > maxBytes)
    {
        prompts.message(textTooLongMessage(maxBytes), CPrompts::CIcon::Information);
        return std::nullopt;
    }
    return bytes;
}

bool isBlank(std::string_view utf8)
{
    return utf8.find_first_not_of(" \t") == std::string_view::npos;
}
