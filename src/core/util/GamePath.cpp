#include "util/GamePath.h"
#include "util/PathText.h"

#include <algorithm>
#include <string>
#include <system_error>
#include <vector>

namespace
{

#ifndef _WIN32
// Windows finds a name whatever its case by itself.
bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}
#endif

std::vector<std::string_view> splitComponents(std::string_view gamePath)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (start <= gamePath.size())
    {
        std::size_t end = gamePath.find_first_of("\\/", start);
        if (end == std::string_view::npos)
            end = gamePath.size();
        if (end > start)
            parts.push_back(gamePath.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

// Name of the entry in folder that matches component: the exact name if there is one,
// else the first (in sorted order, so the choice does not depend on the directory
// order) that differs only in ASCII case. Empty when nothing matches.
std::string findEntry(const std::filesystem::path& folder, std::string_view component)
{
    std::error_code ec;
    const std::filesystem::path exact = folder / pathFromUtf8(component);
    if (std::filesystem::exists(exact, ec))
        return std::string(component);
#ifndef _WIN32
    // Windows already compares names without case, so the exact test has said it all.
    std::vector<std::string> candidates;
    std::filesystem::directory_iterator it(folder, ec);
    for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec))
    {
        std::string name = utf8FromPath(it->path().filename());
        if (equalsIgnoringAsciiCase(name, component))
            candidates.push_back(std::move(name));
    }
    if (!candidates.empty())
        return *std::min_element(candidates.begin(), candidates.end());
#endif
    return {};
}

} // namespace

std::filesystem::path resolveGamePath(const std::filesystem::path& gameFolder, std::string_view gamePath)
{
    std::filesystem::path result = gameFolder;
    bool searching = true;
    for (const std::string_view component : splitComponents(gamePath))
    {
        std::string name;
        if (searching)
        {
            name = findEntry(result, component);
            searching = !name.empty();
        }
        if (!searching)
            name = std::string(component);
        result /= pathFromUtf8(name);
    }
    return result;
}
