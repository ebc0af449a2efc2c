#include "database/NameLanguages.h"

#include "database/GameFiles.h"
#include "util/GamePath.h"

namespace namelanguages
{
std::optional<std::string> missingFile(const std::filesystem::path& gameFolder, const std::string& code)
{
    for (const std::string& gamePath : {gamepaths::nameFilePath(code), gamepaths::playerNameFilePath(code)})
    {
        std::error_code ec;
        if (!std::filesystem::is_regular_file(resolveGamePath(gameFolder, gamePath), ec)) return gamePath;
    }
    return std::nullopt;
}

std::vector<std::string> available(const std::filesystem::path& gameFolder)
{
    std::vector<std::string> out;
    for (const char* code : gamepaths::kLanguageCodes)
        if (!missingFile(gameFolder, code)) out.emplace_back(code);
    return out;
}

std::vector<std::string> lacking(const std::filesystem::path& gameFolder, const std::vector<std::string>& codes)
{
    std::vector<std::string> out;
    bool any = false;
    for (const std::string& code : codes)
    {
        out.push_back(missingFile(gameFolder, code).value_or(std::string()));
        any = any || out.back().empty();
    }
    if (!any && available(gameFolder).empty()) out.assign(codes.size(), std::string());
    return out;
}

CChoice choose(const std::filesystem::path& gameFolder, const std::string& wanted)
{
    const auto missing = missingFile(gameFolder, wanted);
    if (!missing || missingFile(gameFolder, kFallback)) return {wanted, {}};
    return {kFallback, *missing};
}

std::string missingReason(const std::filesystem::path& gameFolder, const std::string& code,
                          const std::string& gamePath)
{
    std::string has;
    for (const std::string& other : available(gameFolder)) has += (has.empty() ? "" : ", ") + other;
    return gamePath.substr(gamePath.find_last_of('\\') + 1) + ": this game folder has no names in language " + code
           + (has.empty() ? "; it holds the names of no language." : "; the languages it has are " + has + ".");
}
} // namespace namelanguages
