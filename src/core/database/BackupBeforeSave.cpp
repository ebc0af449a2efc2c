#include "database/BackupBeforeSave.h"
#include "util/Translatable.h"

#include "util/Format.h"
#include "util/PathText.h"

bool backUpBeforeFirstSave(CBackup& backup, CPrompts& prompts)
{
    std::string why;
    if (backup.exists() || backup.adoptEarlierBackup())
    {
        if (backup.addLanguageFiles(&why)) return true;
    }
    else if (backup.make(&why))
        return true;
    const std::string where = utf8FromPath(backup.folder());
    return prompts.askYesNo(translatedArgs("backuptexts", backuptexts::kSaveWithoutBackupBecause, {where, why}),
                            CPrompts::CIcon::Warning);
}
