// Arbitrary bytes as the editor's settings file: a damaged or hand-edited file must give
// values or "no value", never a crash, and a value written into it must read back
// unchanged while the rest of the file survives the rewrite.

#include "settings/IniSettings.h"
#include "util/TextCodec.h"

#include <cstdint>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

namespace
{
const std::filesystem::path& scratchFile()
{
    static const std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("obrix-fuzz-ini-" + std::to_string(::getpid())) / "Obrix.conf";
    static const bool made = std::filesystem::create_directories(file.parent_path()) || true;
    (void)made;
    return file;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    // The escaping alone: any text (the editor's names and paths are UTF-8) comes back
    // from escaping then unescaping as it was.
    if (isValidUtf8(text))
    {
        if (CIniSettings::unescapeKey(CIniSettings::escapeKey(text)) != text) std::abort();
        const auto value = CIniSettings::unescapeValue(CIniSettings::escapeValue(text));
        if (!value || *value != text) std::abort();
    }
    (void)CIniSettings::unescapeValue(text);
    (void)CIniSettings::unescapeKey(text);

    // The same bytes as a whole file.
    const std::filesystem::path& file = scratchFile();
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(text.data(), std::streamsize(text.size()));
    }
    CIniSettings settings(file);
    if (!settings.open()) return 0;
    std::string s;
    uint32_t n = 0;
    for (const char* name : {"Path", "Language", "Window Maximised", "Commentary Path"})
    {
        (void)settings.readString(name, s);
        (void)settings.readNumber(name, n);
    }

    // A write keeps what it wrote readable through a fresh reader.
    std::string written(text.substr(0, std::min<std::size_t>(text.size(), 64)));
    if (!isValidUtf8(written)) written = "C:\\Games\\Golvar";
    if (!settings.writeString("Path", written)) return 0;
    if (!settings.writeNumber("Window Width", 1024)) return 0;
    CIniSettings again(file);
    if (!again.open() || !again.readString("Path", s) || s != written) std::abort();
    if (!again.readNumber("Window Width", n) || n != 1024) std::abort();
    return 0;
}
