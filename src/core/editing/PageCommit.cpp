#include "editing/PageCommit.h"

#include "editing/PageTexts.h"
#include "settings/Prompts.h"
#include "util/Format.h"
#include "util/TextCodec.h"

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
    bytes.resize(fittingLength(bytes, maxBytes, encoding));
    if (bytes.empty() && !utf8.empty())
    {
        // A double-byte character in a one-byte box.
        std::size_t first = 1;
        while (first < utf8.size() && (static_cast<unsigned char>(utf8[first]) & 0xC0) == 0x80) ++first;
        refuse(std::string(utf8.substr(0, first)), prompts);
        return std::nullopt;
    }
    return bytes;
}

bool isBlank(std::string_view utf8)
{
    return utf8.find_first_not_of(" \t") == std::string_view::npos;
}
