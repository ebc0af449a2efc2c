#include "settings/IniSettings.h"

#include "util/FileCommit.h"
#include "util/TextCodec.h"
#include "util/PathText.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <system_error>

namespace fs = std::filesystem;

namespace
{

constexpr const char* kHexDigits = "0123456789ABCDEF";

// UTF-8 to UTF-16 code units, as Qt reads the file; malformed bytes become U+FFFD.
void appendUtf16(std::u16string& out, std::string_view utf8)
{
    std::size_t i = 0;
    while (i < utf8.size())
    {
        const auto b = uint8_t(utf8[i]);
        std::size_t len = b < 0x80 ? 1 : (b >= 0xC2 && b <= 0xDF) ? 2 : (b >= 0xE0 && b <= 0xEF) ? 3 : (b >= 0xF0 && b <= 0xF4) ? 4 : 0;
        uint32_t cp = len == 1 ? b : len == 2 ? (b & 0x1F) : len == 3 ? (b & 0x0F) : (b & 0x07);
        bool ok = len != 0 && utf8.size() - i >= len;
        for (std::size_t k = 1; ok && k < len; ++k)
        {
            const auto c = uint8_t(utf8[i + k]);
            ok = (c & 0xC0) == 0x80;
            cp = (cp << 6) | (c & 0x3F);
        }
        ok = ok && !(len == 3 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) && !(len == 4 && (cp < 0x10000 || cp > 0x10FFFF));
        if (!ok)
        {
            out += char16_t(0xFFFD);
            ++i;
            continue;
        }
        if (cp >= 0x10000)
        {
            out += char16_t(0xD800 + ((cp - 0x10000) >> 10));
            out += char16_t(0xDC00 + ((cp - 0x10000) & 0x3FF));
        }
        else
            out += char16_t(cp);
        i += len;
    }
}

std::string toUtf8(const std::u16string& units)
{
    std::string out;
    for (std::size_t i = 0; i < units.size(); ++i)
    {
        uint32_t u = units[i];
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF)
        {
            u = 0x10000 + ((u - 0xD800) << 10) + (units[++i] - 0xDC00);
        }
        else if (u >= 0xD800 && u <= 0xDFFF)
            u = 0xFFFD;
        appendUtf8(out, u);
    }
    return out;
}

std::string_view trim(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

bool isLineSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
    {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// One logical line as QSettings reads it: quotes may span line breaks, a backslash
// takes the next character with it, and ';' outside quotes starts a comment.
struct CIniLine
{
    std::size_t start = 0;
    std::size_t end = 0;
    std::size_t equals = std::string_view::npos;  // offset in the whole text
};

bool nextLine(std::string_view text, std::size_t& pos, CIniLine& line)
{
    for (;;)
    {
        while (pos < text.size() && isLineSpace(text[pos])) ++pos;
        if (pos >= text.size()) return false;
        if (text[pos] != ';') break;
        while (pos < text.size() && text[pos] != '\n' && text[pos] != '\r') ++pos;
    }
    line = CIniLine{};
    line.start = pos;
    bool inQuotes = false;
    std::size_t i = pos;
    while (i < text.size())
    {
        const char c = text[i];
        if (c == '\\')
        {
            if (i + 1 >= text.size())
            {
                i = text.size();
                break;
            }
            const char escaped = text[i + 1];
            i += 2;
            if ((escaped == '\r' || escaped == '\n') && i < text.size() && (text[i] == '\r' || text[i] == '\n') &&
                text[i] != escaped)
                ++i;
            continue;
        }
        if (c == '"')
            inQuotes = !inQuotes;
        else if (c == '=' && !inQuotes && line.equals == std::string_view::npos)
            line.equals = i;
        else if ((c == '\n' || c == '\r' || c == ';') && !inQuotes)
            break;
        ++i;
    }
    line.end = std::min(i, text.size());
    pos = line.end;
    if (pos < text.size() && text[pos] == ';')
        while (pos < text.size() && text[pos] != '\n' && text[pos] != '\r') ++pos;
    return true;
}

// Typed values are written as "@Type(...)"; a text that itself starts with '@' gets a
// second one.
bool isTypedValue(std::string_view s)
{
    if (s.size() < 2 || s[0] != '@' || s[1] == '@') return false;
    std::size_t i = 1;
    while (i < s.size() && ((s[i] >= 'A' && s[i] <= 'Z') || (s[i] >= 'a' && s[i] <= 'z'))) ++i;
    return i > 1 && i < s.size() && s[i] == '(' && s.back() == ')';
}

// A value kept from a damaged or hand-edited file as it was read, made safe to write
// back above other lines: an unclosed quote is closed and a backslash ending the value
// is dropped, since either would carry the next line into this value and lose it.
std::string sealedValue(std::string_view raw)
{
    std::string out(raw);
    // A line break the value was read with ends it anyway; written back before our own
    // "\n" it could turn a backslash into a continuation.
    while (!out.empty() && (out.back() == '\r' || out.back() == '\n')) out.pop_back();
    bool inQuotes = false;
    for (std::size_t i = 0; i < out.size(); ++i)
    {
        if (out[i] == '\\')
        {
            if (i + 1 == out.size())
            {
                out.pop_back();
                break;
            }
            ++i;
        }
        else if (out[i] == '"')
            inQuotes = !inQuotes;
    }
    if (inQuotes) out += '"';
    return out;
}

} // namespace

CIniSettings::CIniSettings(fs::path file) : m_file(std::move(file)) {}

fs::path CIniSettings::defaultFile(const std::optional<std::string>& xdgConfigHome, const std::optional<std::string>& home)
{
    fs::path config;
    if (xdgConfigHome && !xdgConfigHome->empty() && pathFromUtf8(*xdgConfigHome).is_absolute())
        config = pathFromUtf8(*xdgConfigHome);
    else if (home && !home->empty())
        config = pathFromUtf8(*home) / ".config";
    else
        return {};
    return config / "Brannoc" / "Obrix.conf";
}

fs::path CIniSettings::defaultFileFromEnvironment()
{
    return defaultFile(environmentText("XDG_CONFIG_HOME"), environmentText("HOME"));
}

std::string CIniSettings::escapeKey(std::string_view key)
{
    std::u16string units;
    appendUtf16(units, key);
    std::string out;
    for (const char16_t u : units)
    {
        if (u == '/')
            out += '\\';
        else if ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '_' || u == '-' ||
                 u == '.')
            out += char(u);
        else if (u <= 0xFF)
        {
            out += '%';
            out += kHexDigits[u >> 4];
            out += kHexDigits[u & 0xF];
        }
        else
        {
            out += "%U";
            for (int shift = 12; shift >= 0; shift -= 4) out += kHexDigits[(u >> shift) & 0xF];
        }
    }
    return out;
}

std::string CIniSettings::unescapeKey(std::string_view key)
{
    std::u16string units;
    std::size_t i = 0;
    while (i < key.size())
    {
        const char c = key[i];
        if (c == '\\')
        {
            units += u'/';
            ++i;
            continue;
        }
        if (c == '%' && i + 1 < key.size())
        {
            const bool wide = key[i + 1] == 'U';
            const std::size_t first = i + 1 + (wide ? 1 : 0);
            const std::size_t digits = wide ? 4 : 2;
            uint32_t value = 0;
            bool ok = first + digits <= key.size();
            for (std::size_t k = 0; ok && k < digits; ++k)
            {
                const int h = hexValue(key[first + k]);
                ok = h >= 0;
                value = value * 16 + uint32_t(h < 0 ? 0 : h);
            }
            if (ok)
            {
                units += char16_t(value);
                i = first + digits;
                continue;
            }
        }
        // Runs of plain bytes are UTF-8, like the rest of the file.
        std::size_t j = i + 1;
        while (j < key.size() && key[j] != '\\' && key[j] != '%') ++j;
        appendUtf16(units, key.substr(i, j - i));
        i = j;
    }
    return toUtf8(units);
}

std::string CIniSettings::escapeValue(std::string_view value)
{
    std::string out;
    if (!value.empty() && value[0] == '@') out += '@';
    bool needsQuotes = false;
    bool escapeNextIfHexDigit = false;
    for (const char c : value)
    {
        const auto u = uint8_t(c);
        if (c == ';' || c == ',' || c == '=') needsQuotes = true;
        // A digit after a \x escape would be read as part of it.
        if (escapeNextIfHexDigit && hexValue(c) >= 0)
        {
            out += "\\x";
            out += kHexDigits[u >> 4];
            out += kHexDigits[u & 0xF];
            continue;
        }
        escapeNextIfHexDigit = false;
        switch (c)
        {
        case '\0': out += "\\0"; escapeNextIfHexDigit = true; break;
        case '\a': out += "\\a"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\v': out += "\\v"; break;
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        default:
            if (u <= 0x1F)
            {
                out += "\\x";
                out += kHexDigits[u >> 4];
                out += kHexDigits[u & 0xF];
                escapeNextIfHexDigit = true;
            }
            else
                out += c;  // UTF-8 goes out as it is
        }
    }
    if (needsQuotes || (!out.empty() && (out.front() == ' ' || out.back() == ' '))) out = '"' + out + '"';
    return out;
}

std::optional<std::string> CIniSettings::unescapeValue(std::string_view raw)
{
    std::u16string result;
    bool inQuotes = false;
    bool quoted = false;
    std::size_t chopLimit = 0;  // trailing spaces before this came from escapes or quotes
    std::size_t i = 0;
    const auto skipSpaces = [&] {
        while (i < raw.size() && (raw[i] == ' ' || raw[i] == '\t')) ++i;
    };
    skipSpaces();
    while (i < raw.size())
    {
        const char c = raw[i];
        if (c == '\\')
        {
            if (++i >= raw.size()) break;
            const char e = raw[i++];
            switch (e)
            {
            case 'a': result += u'\a'; break;
            case 'b': result += u'\b'; break;
            case 'f': result += u'\f'; break;
            case 'n': result += u'\n'; break;
            case 'r': result += u'\r'; break;
            case 't': result += u'\t'; break;
            case 'v': result += u'\v'; break;
            case '"': case '?': case '\'': case '\\': result += char16_t(e); break;
            case 'x':
            {
                // As many digits as follow, wrapping at 16 bits as Qt does.
                if (i >= raw.size() || hexValue(raw[i]) < 0) break;
                uint16_t v = 0;
                while (i < raw.size() && hexValue(raw[i]) >= 0) v = uint16_t((v << 4) + hexValue(raw[i++]));
                result += char16_t(v);
                break;
            }
            case '0': case '1': case '2': case '3': case '4': case '5': case '6': case '7':
            {
                uint16_t v = uint16_t(e - '0');
                while (i < raw.size() && raw[i] >= '0' && raw[i] <= '7') v = uint16_t((v << 3) + (raw[i++] - '0'));
                result += char16_t(v);
                break;
            }
            case '\n':
            case '\r':
                // A continued line; \r\n and \n\r count as one break.
                if (i < raw.size() && (raw[i] == '\n' || raw[i] == '\r') && raw[i] != e) ++i;
                break;
            default:
                break;  // an unknown escape drops the character
            }
            chopLimit = result.size();
            continue;
        }
        if (c == '"')
        {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) skipSpaces();
            chopLimit = result.size();
            continue;
        }
        if (c == ',' && !inQuotes) return std::nullopt;  // a list of strings, not one
        std::size_t j = i + 1;
        while (j < raw.size() && raw[j] != '\\' && raw[j] != '"' && raw[j] != ',') ++j;
        appendUtf16(result, raw.substr(i, j - i));
        i = j;
    }
    if (!quoted)
        while (result.size() > chopLimit && (result.back() == u' ' || result.back() == u'\t')) result.pop_back();
    std::string text = toUtf8(result);
    if (isTypedValue(text)) return std::nullopt;
    if (text.size() >= 2 && text[0] == '@' && text[1] == '@') text.erase(0, 1);
    return text;
}

void CIniSettings::parse(std::string_view text)
{
    m_general.clear();
    m_otherSections.clear();
    bool inGeneral = true;  // keys before any section are top-level too
    std::size_t otherStart = std::string_view::npos;
    std::size_t pos = 0;
    CIniLine line;
    while (nextLine(text, pos, line))
    {
        const std::string_view content = text.substr(line.start, line.end - line.start);
        if (content[0] == '[')
        {
            if (otherStart != std::string_view::npos) m_otherSections.append(text.substr(otherStart, line.start - otherStart));
            const std::size_t close = content.find(']');
            const std::string name = unescapeKey(trim(content.substr(1, close == std::string_view::npos ? content.npos : close - 1)));
            inGeneral = equalsIgnoringAsciiCase(name, "General");
            otherStart = inGeneral ? std::string_view::npos : line.start;
            continue;
        }
        if (!inGeneral || line.equals == std::string_view::npos) continue;
        const std::string key = unescapeKey(trim(text.substr(line.start, line.equals - line.start)));
        const std::string value(text.substr(line.equals + 1, line.end - line.equals - 1));
        bool replaced = false;
        for (auto& [k, v] : m_general)
            if (k == key) v = value, replaced = true;
        if (!replaced) m_general.emplace_back(key, value);
    }
    if (otherStart != std::string_view::npos) m_otherSections.append(text.substr(otherStart));
    if (!m_otherSections.empty() && m_otherSections.back() != '\n') m_otherSections += '\n';
}

bool CIniSettings::load()
{
    std::vector<uint8_t> bytes;
    if (m_file.empty() || !CFileSystem::userChosen().readFile(m_file, bytes))
    {
        m_loaded = false;
        m_general.clear();
        m_otherSections.clear();
        return false;
    }
    try
    {
        parse(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    }
    catch (const std::exception&)
    {
        m_loaded = false;
        return false;
    }
    m_loaded = true;
    return true;
}

bool CIniSettings::save()
{
    std::string text;
    if (!m_general.empty())
    {
        text += "[General]\n";
        for (const auto& [key, value] : m_general) text += escapeKey(key) + "=" + sealedValue(value) + "\n";
        if (!m_otherSections.empty()) text += "\n";
    }
    text += m_otherSections;
    const std::vector<uint8_t> bytes(text.begin(), text.end());
    return !commitFiles(CFileSystem::real(), {{m_file, bytes, "cannot write the settings"}});
}

bool CIniSettings::open()
{
    return load();
}

bool CIniSettings::create()
{
    if (m_file.empty()) return false;
    std::error_code ec;
    if (fs::exists(m_file, ec)) return m_loaded || load();
    fs::create_directories(m_file.parent_path(), ec);
    m_general.clear();
    m_otherSections.clear();
    m_loaded = save();
    return m_loaded;
}

bool CIniSettings::readString(const std::string& name, std::string& out)
{
    if (!m_loaded && !load()) return false;
    for (const auto& [key, value] : m_general)
    {
        if (key != name) continue;
        auto text = unescapeValue(value);
        if (!text) return false;
        out = std::move(*text);
        return true;
    }
    return false;
}

bool CIniSettings::readNumber(const std::string& name, uint32_t& out)
{
    std::string text;
    if (!readString(name, text)) return false;
    const std::string_view t = trim(text);
    if (t.empty()) return false;
    // Negative coordinates may have been saved as signed numbers.
    int64_t v = 0;
    const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (ec != std::errc() || end != t.data() + t.size() || v < INT32_MIN || v > int64_t(UINT32_MAX)) return false;
    out = uint32_t(v);
    return true;
}

bool CIniSettings::writeString(const std::string& name, const std::string& value)
{
    if (!m_loaded && !load()) return false;
    const auto before = m_general;
    const std::string escaped = escapeValue(value);
    bool replaced = false;
    for (auto& [k, v] : m_general)
        if (k == name) v = escaped, replaced = true;
    if (!replaced) m_general.emplace_back(name, escaped);
    if (save()) return true;
    m_general = before;  // what is held stays what the file says
    return false;
}

bool CIniSettings::writeNumber(const std::string& name, uint32_t value)
{
    return writeString(name, std::to_string(value));
}
