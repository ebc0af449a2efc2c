#include "GameFolderLock.h"

#include "database/GameFiles.h"
#include "util/Format.h"
#include "util/PathText.h"

#include <iostream>

bool lockGameFolder(const std::string& gameFolder, CFolderLock& lock)
{
    const auto folder = CGameFiles(pathFromUtf8(gameFolder)).databaseFolder();
    if (lock.acquire(folder, CFolderLock::defaultWait()) != CFolderLock::CResult::Busy) return true;
    std::cerr << "obrix-cli: " << translatedArgs("locktexts", locktexts::kInUse, {gameFolder}) << "\n";
    return false;
}
