#pragma once

#include <filesystem>
#include <string>
#include <vector>

// The backup every command that saves takes first, as the editor's first save does: kept
// when a valid one is there, made otherwise. False when the save must not go on (the
// backup failed and withoutBackup, --no-backup, does not say to go on); the reason is on
// stderr.
bool backUpBeforeCommandLineSave(const std::string& gameFolder, const std::string& language,
                                 const std::filesystem::path& dataFolder, bool withoutBackup);

// obrix-cli save DIR [--language CODE] [--data-folder DIR] [--no-backup]
int runSave(const std::vector<std::string>& args);
// obrix-cli global-mod DIR --amount N --groups gk,def,mid,fwd --skills NAME,...|all
//     [--language CODE] [--data-folder DIR] [--no-backup]
int runGlobalMod(const std::vector<std::string>& args);
