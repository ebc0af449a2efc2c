#include "settings/WineRegistry.h"

#include "util/GamePath.h"
#include "util/TextCodec.h"
#include "util/PathText.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <new>
#include <system_error>

namespace fs = std::filesystem;

namespace
{

// system.reg of a busy prefix is tens of megabytes; anything far beyond that is not a
// registry file and is not worth the memory.
constexpr std::uintmax_t kMaxRegistryFileBytes = 256u << 20;

char lowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
    return true;
}

// Raw bytes in the file are taken as UTF-8 (Wine itself only writes ASCII); anything
// that is not well-formed UTF-8 could not have come from a registry string.
bool isValidUtf8(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size())
    {
        const auto b = uint8_t(s[i]);
        std::size_t len;
        uint32_t cp;
        if (b < 0x80)
        {
            ++i;
            continue;
        }
        if (b >= 0xC2 && b <= 0xDF)
            len = 2, cp = b & 0x1F;
        else if (b >= 0xE0 && b <= 0xEF)
            len = 3, cp = b & 0x0F;
        else if (b >= 0xF0 && b <= 0xF4)
            len = 4, cp = b & 0x07;
        else
            return false;
        if (s.size() - i < len) return false;
        for (std::size_t k = 1; k < len; ++k)
        {
            const auto c = uint8_t(s[i + k]);
            if ((c & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (c & 0x3F);
        }
        if ((len == 3 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) || (len == 4 && (cp < 0x10000 || cp > 0x10FFFF)))
            return false;
        i += len;
    }
    return true;
}

// Decodes an escaped name or string starting at pos (just after its opening delimiter)
// up to the unescaped `close`, leaving pos just after it. Nothing when the close is
// missing, an escape is cut short, a surrogate is unpaired, a NUL appears (no folder or
// name we look for holds one) or raw bytes are not UTF-8.
std::optional<std::string> decodeEscaped(std::string_view line, std::size_t& pos, char close)
{
    std::string out;
    uint32_t pendingHigh = 0;
    const auto takeUnit = [&](uint32_t unit) -> bool {
        if (unit >= 0xD800 && unit <= 0xDBFF)
        {
            if (pendingHigh) return false;
            pendingHigh = unit;
            return true;
        }
        if (unit >= 0xDC00 && unit <= 0xDFFF)
        {
            if (!pendingHigh) return false;
            appendUtf8(out, 0x10000 + ((pendingHigh - 0xD800) << 10) + (unit - 0xDC00));
            pendingHigh = 0;
            return true;
        }
        if (pendingHigh || unit == 0) return false;
        appendUtf8(out, unit);
        return true;
    };

    std::size_t i = pos;
    while (i < line.size())
    {
        const char c = line[i];
        if (c == close)
        {
            if (pendingHigh || !isValidUtf8(out)) return std::nullopt;
            pos = i + 1;
            return out;
        }
        if (c != '\\')
        {
            if (pendingHigh || c == '\0') return std::nullopt;
            out += c;
            ++i;
            continue;
        }
        if (++i >= line.size()) return std::nullopt;
        const char e = line[i++];
        uint32_t unit = 0;
        switch (e)
        {
        case 'x':
        {
            int digits = 0;
            for (; digits < 4 && i < line.size() && hexValue(line[i]) >= 0; ++digits, ++i)
                unit = unit * 16 + uint32_t(hexValue(line[i]));
            if (digits == 0) return std::nullopt;
            break;
        }
        case '0': case '1': case '2': case '3': case '4': case '5': case '6': case '7':
            unit = uint32_t(e - '0');
            for (int digits = 1; digits < 3 && i < line.size() && line[i] >= '0' && line[i] <= '7'; ++digits, ++i)
                unit = unit * 8 + uint32_t(line[i] - '0');
            break;
        case 'a': unit = '\a'; break;
        case 'b': unit = '\b'; break;
        case 'e': unit = 0x1B; break;
        case 'f': unit = '\f'; break;
        case 'n': unit = '\n'; break;
        case 'r': unit = '\r'; break;
        case 't': unit = '\t'; break;
        case 'v': unit = '\v'; break;
        default:
            // \\, \", \[ and \] stand for themselves, and so does any other character.
            if (pendingHigh || e == '\0') return std::nullopt;
            out += e;
            continue;
        }
        if (!takeUnit(unit)) return std::nullopt;
    }
    return std::nullopt;
}

bool isBlank(std::string_view s)
{
    for (char c : s)
        if (c != ' ' && c != '\t') return false;
    return true;
}

std::size_t skipBlanks(std::string_view s, std::size_t pos)
{
    while (pos < s.size() && (s[pos] == ' ' || s[pos] == '\t')) ++pos;
    return pos;
}

// The data of a value line whose name is wanted: a plain string, else nothing.
std::optional<std::string> plainStringData(std::string_view line, std::size_t pos)
{
    pos = skipBlanks(line, pos);
    if (pos >= line.size() || line[pos] != '=') return std::nullopt;
    pos = skipBlanks(line, pos + 1);
    if (pos >= line.size() || line[pos] != '"') return std::nullopt;
    ++pos;
    auto data = decodeEscaped(line, pos, '"');
    if (!data || !isBlank(line.substr(pos))) return std::nullopt;
    return data;
}

std::optional<std::string> readSmallFile(const fs::path& path)
{
    std::error_code ec;
    const auto size = fs::file_size(path, ec);
    if (ec || size > kMaxRegistryFileBytes) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) return std::nullopt;
    return text;
}

} // namespace

std::optional<std::string> findWineRegistryString(std::string_view regText, std::string_view keyPath,
                                                  std::string_view valueName)
{
    std::optional<std::string> result;
    bool inKey = false;
    std::size_t start = 0;
    while (start < regText.size())
    {
        std::size_t end = regText.find('\n', start);
        if (end == std::string_view::npos) end = regText.size();
        std::string_view line = regText.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty()) continue;

        if (line[0] == '[')
        {
            // A section we cannot read ends the one before it all the same.
            std::size_t pos = 1;
            const auto name = decodeEscaped(line, pos, ']');
            inKey = name && equalsIgnoringAsciiCase(*name, keyPath);
            continue;
        }
        if (!inKey) continue;

        std::size_t pos;
        std::string name;
        if (line[0] == '@')
            pos = 1;  // the key's default value, which has no name
        else if (line[0] == '"')
        {
            pos = 1;
            auto decoded = decodeEscaped(line, pos, '"');
            if (!decoded) continue;
            name = std::move(*decoded);
        }
        else
            continue;  // comments, #time= lines, continuations of hex data
        if (!equalsIgnoringAsciiCase(name, valueName)) continue;
        result = plainStringData(line, pos);
    }
    return result;
}

std::optional<fs::path> mapWindowsFolderIntoPrefix(const fs::path& prefix, std::string_view windowsPath)
{
    const bool hasDrive = windowsPath.size() >= 2 && windowsPath[1] == ':' &&
                          ((windowsPath[0] >= 'a' && windowsPath[0] <= 'z') || (windowsPath[0] >= 'A' && windowsPath[0] <= 'Z'));
    if (!hasDrive || (windowsPath.size() > 2 && windowsPath[2] != '\\' && windowsPath[2] != '/'))
        return std::nullopt;  // relative to a drive's current folder, or a network path
    if (windowsPath.find('\0') != std::string_view::npos) return std::nullopt;

    std::error_code ec;
    // The drive links are named "c:", but a user may have made "C:" by hand.
    const fs::path drive = resolveGamePath(prefix / "dosdevices", std::string{lowerAscii(windowsPath[0]), ':'});
    if (!fs::is_directory(drive, ec)) return std::nullopt;
    const fs::path folder = resolveGamePath(drive, windowsPath.substr(2));
    if (!fs::is_directory(folder, ec)) return std::nullopt;
    fs::path real = fs::canonical(folder, ec);
    if (ec) return std::nullopt;
    return real;
}

CWineGameRegistration::CWineGameRegistration(std::optional<std::string> winePrefixVariable,
                                             std::optional<std::string> homeFolder)
{
    if (winePrefixVariable && !winePrefixVariable->empty())
        m_prefix = pathFromUtf8(*winePrefixVariable);
    else if (homeFolder && !homeFolder->empty())
        m_prefix = pathFromUtf8(*homeFolder) / ".wine";
}

std::unique_ptr<CWineGameRegistration> CWineGameRegistration::fromEnvironment()
{
    return std::make_unique<CWineGameRegistration>(environmentText("WINEPREFIX"), environmentText("HOME"));
}

std::optional<std::string> CWineGameRegistration::gameFolder()
{
    if (!m_prefix) return std::nullopt;
    try
    {
        const auto text = readSmallFile(*m_prefix / "system.reg");
        if (!text) return std::nullopt;
        for (const char* key : {gameregistration::kWow64KeyPath, gameregistration::kKeyPath})
        {
            const auto value = findWineRegistryString(*text, key, gameregistration::kValueName);
            if (!value) continue;
            if (value->size() >= gameregistration::kBufferBytes) return std::nullopt;
            const auto folder = mapWindowsFolderIntoPrefix(*m_prefix, *value);
            if (!folder) return std::nullopt;
            return utf8FromPath(*folder);
        }
    }
    catch (const std::exception&)
    {
        // Out of memory on a hostile file is one more way of not being registered.
    }
    return std::nullopt;
}

std::string CWineGameRegistration::describe() const
{
    if (!m_prefix) return "no Wine prefix (neither WINEPREFIX nor HOME is set)";
    return "the Wine prefix " + utf8FromPath(*m_prefix);
}
