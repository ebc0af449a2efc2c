#include "GameFolderLock.h"

#include "database/GameFiles.h"
#include "util/Format.h"
#include "util/PathText.h"

#include <iostream>

bool lockGameFolder(const std::string& gameFolder, CFolderLock& lock)
{
    const auto folder = CGameFiles(pathFromUtf8(gameFolder)).databaseFolder();
    const auto refused = lock.refusal(lock.acquire(folder, CFolderLock::defaultWait()), gameFolder);
    if (!refused) return true;
    std::cerr << "obrix-cli: " << *refused << "\n";
    return false;
}
