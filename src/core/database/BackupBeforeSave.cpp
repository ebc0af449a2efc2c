#include "database/BackupBeforeSave.h"

#include "util/Format.h"

bool backUpBeforeFirstSave(CBackup& backup, CPrompts& prompts)
{
    if (backup.exists() || backup.adoptEarlierBackup() || backup.make()) return true;
    const std::string where = backup.folder().string();
    return prompts.askYesNo(formatText(backuptexts::kSaveWithoutBackup, where.c_str()), CPrompts::CIcon::Warning);
}
