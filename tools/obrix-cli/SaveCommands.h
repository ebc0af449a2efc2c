#pragma once

#include <string>
#include <vector>

// obrix-cli save DIR [--language CODE] [--data-folder DIR] [--no-backup]
int runSave(const std::vector<std::string>& args);
// obrix-cli global-mod DIR --amount N --groups gk,def,mid,fwd --skills NAME,...|all
//     [--language CODE] [--data-folder DIR] [--no-backup]
int runGlobalMod(const std::vector<std::string>& args);
