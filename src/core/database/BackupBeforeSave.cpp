#include "database/BackupBeforeSave.h"
#include "util/Translatable.h"

#include "util/Format.h"

bool backUpBeforeFirstSave(CBackup& backup, CPrompts& prompts)
{
    std::string why;
    if (backup.exists() || backup.adoptEarlierBackup())
    {
        if (backup.addLanguageFiles(&why)) return true;
    }
    else if (backup.make(&why))
        return true;
    const std::string where = backup.folder().string();
    return prompts.askYesNo(translatedArgs("backuptexts", backuptexts::kSaveWithoutBackupBecause, {where, why}),
                            CPrompts::CIcon::Warning);
}
