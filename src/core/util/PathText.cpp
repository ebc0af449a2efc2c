#include "util/PathText.h"

#include <cstdlib>

#ifdef _WIN32
#include "util/WinPath.h"

#include <cwchar>
#endif

std::filesystem::path pathFromUtf8(std::string_view text)
{
#ifdef _WIN32
    return std::filesystem::path(wideFromUtf8(text));
#else
    return std::filesystem::path(std::string(text));
#endif
}

std::string utf8FromPath(const std::filesystem::path& path)
{
#ifdef _WIN32
    return utf8FromWide(path.native());
#else
    return path.native();
#endif
}

std::string genericUtf8FromPath(const std::filesystem::path& path)
{
#ifdef _WIN32
    return utf8FromWide(path.generic_wstring());
#else
    return path.generic_string();
#endif
}

std::optional<std::string> environmentText(const char* name)
{
#ifdef _WIN32
    const wchar_t* value = _wgetenv(wideFromUtf8(name).c_str());
    if (!value) return std::nullopt;
    return utf8FromWide(value);
#else
    const char* value = std::getenv(name);
    if (!value) return std::nullopt;
    return std::string(value);
#endif
}

#ifdef _WIN32
int runWithUtf8Arguments(int argc, wchar_t** argv, int (*run)(int, char**))
{
    std::vector<std::string> arguments;
    arguments.reserve(std::size_t(argc > 0 ? argc : 0));
    for (int i = 0; i < argc; ++i) arguments.push_back(utf8FromWide(argv[i]));
    std::vector<char*> narrow;
    for (auto& a : arguments) narrow.push_back(a.data());
    narrow.push_back(nullptr);
    return run(argc, narrow.data());
}
#endif
