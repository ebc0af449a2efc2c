#pragma once

#include <filesystem>

// The per-user folder where the editor keeps its own files (backups, kit pictures):
// the same place the program's toolkit chooses for organisation "Brannoc" and
// application "Obrix" - $XDG_DATA_HOME/Brannoc/Obrix (default ~/.local/share/...) on
// Linux, %APPDATA%\Brannoc\Obrix on Windows. Empty when no home folder is known.
std::filesystem::path userDataFolder();
