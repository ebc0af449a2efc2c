#include "SaveCommands.h"

#include "GameFolderLock.h"

#include "database/Change.h"
#include "database/BackupBeforeSave.h"
#include "database/Database.h"
#include "database/GameFiles.h"
#include "editing/DatabaseCheck.h"
#include "editing/GlobalModifications.h"
#include "util/UserFolders.h"
#include "util/PathText.h"

#include <array>
#include <iostream>
#include <optional>
#include <sstream>

namespace
{
// The skills by the names the dump gives their fields, in the order of CPlayer::skill(i).
constexpr std::array<const char*, 13> kSkillFields = {
    "acceleration", "agility", "awareness", "ballControl", "creativity", "fitness",  "heading",
    "passing",      "reaction", "shotPower", "shotAccuracy", "speed",   "tackle",
};
constexpr std::array<const char*, globalmods::GroupCount> kGroupNames = {"gk", "def", "mid", "fwd"};

struct CSaveArgs
{
    std::string gameFolder;
    std::string language = "ENG";
    std::filesystem::path dataFolder = userDataFolder();
    bool withoutBackup = false;
    // global-mod only
    std::optional<std::string> amount;
    std::optional<std::string> groups;
    std::optional<std::string> skills;
};

// A question nobody is there to answer: it is printed, and answered as --no-backup says.
class CCommandLinePrompts : public CPrompts
{
public:
    explicit CCommandLinePrompts(bool yes) : m_yes(yes) {}
    bool askYesNo(const std::string& text, CIcon) override
    {
        std::cerr << "obrix-cli: " << text << (m_yes ? " Yes (--no-backup)\n" : " No (give --no-backup to save anyway)\n");
        return m_yes;
    }
    CAnswer askYesNoCancel(const std::string& text, CIcon icon) override
    {
        return askYesNo(text, icon) ? CAnswer::Yes : CAnswer::No;
    }
    std::optional<std::string> chooseFolder(const std::string&, const std::string&) override { return std::nullopt; }
    std::optional<std::string> chooseFile(const CFileChoice&) override { return std::nullopt; }
    void message(const std::string& text, CIcon) override { std::cerr << "obrix-cli: " << text << "\n"; }

private:
    bool m_yes;
};

std::optional<CSaveArgs> parse(const char* command, const char* synopsis, const std::vector<std::string>& args)
{
    CSaveArgs a;
    const bool globalMod = std::string(command) == "global-mod";
    auto fail = [&](const std::string& why) {
        std::cerr << "obrix-cli: " << why << "\nusage: obrix-cli " << command << " " << synopsis << "\n";
        return std::nullopt;
    };
    if (args.empty()) return fail("no game folder given");
    a.gameFolder = args[0];
    for (std::size_t i = 1; i < args.size(); ++i)
    {
        const std::string& opt = args[i];
        if (opt == "--no-backup")
        {
            a.withoutBackup = true;
            continue;
        }
        if (i + 1 >= args.size()) return fail("option " + opt + " needs a value");
        const std::string& val = args[++i];
        if (opt == "--language")
        {
            bool known = false;
            for (const char* code : gamepaths::kLanguageCodes) known = known || val == code;
            if (!known) return fail("unknown language code " + val);
            a.language = val;
        }
        else if (opt == "--data-folder")
            a.dataFolder = pathFromUtf8(val);
        else if (globalMod && opt == "--amount")
            a.amount = val;
        else if (globalMod && opt == "--groups")
            a.groups = val;
        else if (globalMod && opt == "--skills")
            a.skills = val;
        else
            return fail("unknown option " + opt);
    }
    if (globalMod && (!a.amount || !a.groups || !a.skills)) return fail("--amount, --groups and --skills are all needed");
    return a;
}

// Ticks the names of a comma-separated list ("all" ticks every one); false on a name
// that is not in names or an empty list.
template <std::size_t N>
bool tickNames(const std::string& list, const std::array<const char*, N>& names, std::array<bool, N>& ticked,
               std::string& unknown)
{
    std::stringstream in(list);
    std::string name;
    bool any = false;
    while (std::getline(in, name, ','))
    {
        if (name == "all")
        {
            ticked.fill(true);
            any = true;
            continue;
        }
        bool found = false;
        for (std::size_t i = 0; i < N; ++i)
            if (name == names[i]) ticked[i] = found = true;
        if (!found)
        {
            unknown = name;
            return false;
        }
        any = true;
    }
    return any;
}

int loadDatabase(const CSaveArgs& a, CDatabase& db)
{
    CDatabaseBuilder(db).setLanguageCode(a.language);
    if (auto e = CGameFiles(pathFromUtf8(a.gameFolder)).loadAll(db))
    {
        std::cerr << "obrix-cli: cannot read the game database: " << e->message << "\n";
        return 1;
    }
    return 0;
}

// As the editor saves: the untouched files backed up first, then the save.
int saveDatabase(const CSaveArgs& a, CDatabase& db)
{
    if (!backUpBeforeCommandLineSave(a.gameFolder, a.language, a.dataFolder, a.withoutBackup)) return 1;
    // The command line has nobody to ask: what the game may dislike is printed, and saved.
    for (const auto& p : checkDatabase(db, encodingForLanguage(a.language)))
        if (!p.error) std::cerr << "obrix-cli: " << describeProblem(p) << "\n";
    if (auto e = CGameFiles(pathFromUtf8(a.gameFolder)).save(db))
    {
        std::cerr << "obrix-cli: " << *e << "\n";
        return 1;
    }
    std::cout << "Saved " << db.leagues().size() << " leagues, " << db.teamCount() << " teams and "
              << db.playerCount() << " players.\n";
    return 0;
}
} // namespace

bool backUpBeforeCommandLineSave(const std::string& gameFolder, const std::string& language,
                                 const std::filesystem::path& dataFolder, bool withoutBackup)
{
    CCommandLinePrompts prompts(withoutBackup);
    if (dataFolder.empty())
        return prompts.askYesNo("No data folder is known for the backup (give --data-folder). Save without a backup?",
                                CPrompts::CIcon::Warning);
    CBackup backup(dataFolder, pathFromUtf8(gameFolder), language);
    return backUpBeforeFirstSave(backup, prompts);
}

int runSave(const std::vector<std::string>& args)
{
    const auto a = parse("save", "DIR [--language CODE] [--data-folder DIR] [--no-backup]", args);
    if (!a) return 2;
    // Held from the load to the end of the save: another program's save in between
    // would be overwritten by this one.
    CFolderLock lock;
    if (!lockGameFolder(a->gameFolder, lock)) return 1;
    CDatabase db;
    if (int rc = loadDatabase(*a, db)) return rc;
    return saveDatabase(*a, db);
}

int runGlobalMod(const std::vector<std::string>& args)
{
    const auto a = parse("global-mod",
                         "DIR --amount N --groups gk,def,mid,fwd --skills NAME,...|all\n"
                         "    [--language CODE] [--data-folder DIR] [--no-backup]\n"
                         "  skills: acceleration agility awareness ballControl creativity fitness heading\n"
                         "          passing reaction shotPower shotAccuracy speed tackle",
                         args);
    if (!a) return 2;
    CGlobalModification modification;
    std::string unknown;
    if (!tickNames(*a->groups, kGroupNames, modification.groups, unknown))
    {
        std::cerr << "obrix-cli: unknown group \"" << unknown << "\" (gk, def, mid, fwd or all)\n";
        return 2;
    }
    if (!tickNames(*a->skills, kSkillFields, modification.skills, unknown))
    {
        std::cerr << "obrix-cli: unknown skill \"" << unknown << "\" (see obrix-cli global-mod for the names)\n";
        return 2;
    }
    // The dialog's own check of what was typed; 0 would change nothing and save for no reason.
    const CAmountCheck amount = checkAmountText(*a->amount);
    if (!amount.amount || *amount.amount == 0)
    {
        std::cerr << "obrix-cli: " << (amount.amount ? "an amount of 0 changes nothing" : amount.message) << "\n";
        return 1;
    }
    modification.amount = *amount.amount;
    CFolderLock lock;
    if (!lockGameFolder(a->gameFolder, lock)) return 1;
    CDatabase db;
    if (int rc = loadDatabase(*a, db)) return rc;
    CGlobalModificationCount count;
    try
    {
        CTransaction tx(db);
        count = applyGlobalModificationCounted(tx, modification);
        tx.commit();
    }
    catch (const CChangeRefused& refused)
    {
        std::cerr << "obrix-cli: " << refused.what() << "\n";
        return 1;
    }
    std::cout << "Changed " << count.changed << " players by " << modification.amount << "; " << count.atLimit
              << " were at the limit already.\n";
    return saveDatabase(*a, db);
}
