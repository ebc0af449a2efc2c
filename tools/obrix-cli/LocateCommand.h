#pragma once

#include <string>
#include <vector>

// obrix-cli locate: prints the game folder the editor would open: its saved "Path", else
// the game's own registration (Windows registry or Wine prefix). Asks and saves nothing.
// `args` are the words after "locate". Returns 0 with the folder on standard output,
// 1 with the reason on standard error, 2 on wrong usage.
int runLocate(const std::vector<std::string>& args);
