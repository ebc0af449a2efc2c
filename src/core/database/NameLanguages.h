#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// Which languages of the game's names a game folder holds. A language is there when the
// folder has its team and league names (FCDB_<code>.DBI) and the player names it reads
// with them (FCDBPJAP.DBI for Japanese, FCDBPENG.DBI for every other language): an
// installation carries only the languages it was installed with.
namespace namelanguages
{
// What a run falls back on when the chosen language is not there.
inline constexpr const char* kFallback = "ENG";

// The game path of the first of the language's name files the folder lacks; nothing
// when it has them all.
std::optional<std::string> missingFile(const std::filesystem::path& gameFolder, const std::string& code);

// The codes of gamepaths::kLanguageCodes the folder holds, in that order.
std::vector<std::string> available(const std::filesystem::path& gameFolder);

// For each of codes, the game path of the file the folder lacks, empty when the language
// is there. A folder that holds no language at all (not a game folder, or a path still
// being typed) holds none back: the folder itself is refused when it is opened.
std::vector<std::string> lacking(const std::filesystem::path& gameFolder, const std::vector<std::string>& codes);

struct CChoice
{
    std::string code;         // the language to read
    std::string missingFile;  // the wanted language's file the folder lacks, when code is not the wanted one
};
// The language whose names are read from the folder: the wanted one when the folder has
// it, else English when the folder has that, else the wanted one (whose read then says
// what is missing).
CChoice choose(const std::filesystem::path& gameFolder, const std::string& wanted);

// Why a read in language code stopped at a name file (gamePath) the folder does not have.
std::string missingReason(const std::filesystem::path& gameFolder, const std::string& code,
                          const std::string& gamePath);
} // namespace namelanguages
