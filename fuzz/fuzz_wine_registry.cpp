// Arbitrary bytes as the text of a Wine system.reg: unterminated sections and strings,
// cut escapes, lone surrogates and binary junk must all give "no value", never a crash.

#include "settings/GameRegistration.h"
#include "settings/WineRegistry.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace
{
bool isUtf8(const std::string& s)
{
    std::size_t i = 0;
    while (i < s.size())
    {
        const auto b = uint8_t(s[i]);
        const std::size_t len = b < 0x80 ? 1 : b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 0;
        if (len == 0 || s.size() - i < len) return false;
        for (std::size_t k = 1; k < len; ++k)
            if ((uint8_t(s[i + k]) & 0xC0) != 0x80) return false;
        i += len;
    }
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const char* key : {gameregistration::kKeyPath, gameregistration::kWow64KeyPath, ""})
    {
        for (const char* value : {gameregistration::kValueName, ""})
        {
            const auto found = findWineRegistryString(text, key, value);
            // Whatever is returned goes on into paths and messages as UTF-8 text.
            if (found && (!isUtf8(*found) || found->find('\0') != std::string::npos)) std::abort();
        }
    }
    return 0;
}
