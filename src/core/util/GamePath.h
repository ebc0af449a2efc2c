#pragma once

#include <filesystem>
#include <string_view>

// A game path as the game writes it ("\DATA\CMN\FE\FCDB.DBI", backslashes, upper case)
// resolved below the game folder. Each component is matched without regard to case
// (ASCII letters), preferring an exact match, so that "data/cmn/fe/fcdb.dbi" is found
// on a case-sensitive file system. Components that do not exist are appended as
// written, so the result can also name a file that is about to be created.
std::filesystem::path resolveGamePath(const std::filesystem::path& gameFolder, std::string_view gamePath);
