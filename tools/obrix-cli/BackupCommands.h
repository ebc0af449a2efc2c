#pragma once

#include <string>
#include <vector>

// obrix-cli backup DIR [--language CODE] [--data-folder DIR]
int runBackup(const std::vector<std::string>& args);
// obrix-cli restore DIR [--language CODE] [--data-folder DIR]
int runRestore(const std::vector<std::string>& args);
// obrix-cli recover FOLDER
int runRecover(const std::vector<std::string>& args);
