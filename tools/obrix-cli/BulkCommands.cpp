#include "BulkCommands.h"
#include "GameFolderLock.h"

#include "ImportCommands.h"
#include "Json.h"
#include "SaveCommands.h"

#include "database/Backup.h"
#include "database/Change.h"
#include "database/Database.h"
#include "database/GameFiles.h"
#include "editing/DatabaseCheck.h"
#include "editing/DatabaseDiff.h"
#include "editing/TableExchange.h"
#include "exchange/KeptLeagues.h"
#include "util/UserFolders.h"
#include "util/PathText.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <optional>
#include <set>

namespace
{
constexpr const char* kExportUsage =
    "obrix-cli export-table DIR --table players|teams|leagues [--language CODE] [--data-folder D] OUT.csv";
constexpr const char* kImportUsage =
    "obrix-cli import-table DIR FILE.csv [--language CODE] [--data-folder D] [--dry-run] [--no-backup]";
constexpr const char* kCheckUsage = "obrix-cli check DIR [--language CODE] [--data-folder D] [--json]";
constexpr const char* kDiffUsage =
    "obrix-cli diff DIR_A DIR_B [--language CODE] [--data-folder D] [--json]\n"
    "       obrix-cli diff DIR --backup [--data-folder D] [--language CODE] [--json]";
// The spreadsheet and the text people read show skills as the Player page does; the
// JSON is for programs and keeps the files' own numbers, as dump does.
constexpr const char* kTableScale =
    "Skills are written and read 1..16, as the Player page shows them (the files hold 0..15);\n"
    "every other number as the files hold it, as dump prints it.\n";
constexpr const char* kDiffScale =
    "The text shows skills 1..16, as the Player page does; --json gives every value as the\n"
    "files hold it (skills 0..15), as dump does.\n";

// What the four commands accept; each takes the options it names.
struct CBulkArgs
{
    std::vector<std::string> positional;
    std::string language = "ENG";
    std::string table;
    std::filesystem::path dataFolder = userDataFolder();
    bool dryRun = false;
    bool json = false;
    bool backup = false;
    bool noBackup = false;
    bool help = false;
};

std::optional<CBulkArgs> parse(const std::vector<std::string>& args, const std::set<std::string>& allowed,
                               const char* usage)
{
    CBulkArgs a;
    auto fail = [&](const std::string& why) {
        std::cerr << "obrix-cli: " << why << "\nusage: " << usage << "\n";
        return std::nullopt;
    };
    for (std::size_t i = 0; i < args.size(); ++i)
    {
        const std::string& o = args[i];
        if (o == "--help" || o == "-h")
        {
            a.help = true;
            return a;
        }
        if (o.rfind("--", 0) != 0)
        {
            a.positional.push_back(o);
            continue;
        }
        if (!allowed.count(o)) return fail("unknown option " + o);
        if (o == "--dry-run") a.dryRun = true;
        else if (o == "--json") a.json = true;
        else if (o == "--backup") a.backup = true;
        else if (o == "--no-backup") a.noBackup = true;
        else
        {
            if (i + 1 >= args.size()) return fail("option " + o + " needs a value");
            const std::string& v = args[++i];
            if (o == "--language")
            {
                bool known = false;
                for (const char* code : gamepaths::kLanguageCodes) known = known || v == code;
                if (!known) return fail("unknown language code " + v + " (BRP, DUT, ENG, GER, ITA, JAP, SPA, SWE)");
                a.language = v;
            }
            else if (o == "--table")
                a.table = v;
            else if (o == "--data-folder")
                a.dataFolder = pathFromUtf8(v);
        }
    }
    return a;
}

int usageError(const std::string& why, const char* usage)
{
    std::cerr << "obrix-cli: " << why << "\nusage: " << usage << "\n";
    return 2;
}

// The game's database and, from the data folder, the imported leagues the editor keeps
// for that folder, so that the command sees what the editor shows.
bool load(const std::string& folder, const CBulkArgs& a, CDatabase& db, std::unique_ptr<CKeptLeagues>* kept = nullptr)
{
    CDatabaseBuilder(db).setLanguageCode(a.language);
    if (auto e = CGameFiles(pathFromUtf8(folder)).loadAll(db))
    {
        std::cerr << "obrix-cli: cannot read the game database in " << folder << ": " << e->message << "\n";
        return false;
    }
    auto restored = restoreKeptLeagues(db, a.dataFolder, folder);
    if (kept) *kept = std::move(restored);
    return true;
}

// "line L, column C (FIELD): " of the cell of the table file that made the change a later
// refusal names (the row when no cell of it gives the field), with "FILE: " before it when
// given; empty when the file did not touch the record.
std::string placeIn(const tableexchange::CImportPlan& plan, CRecordKind kind, uint32_t id, std::string_view field,
                    const std::string& file = {})
{
    const auto cell = plan.cellOf(kind, id, field);
    if (!cell) return {};
    // Without a reason the description ends in ": ", ready for the refusal's own words.
    return (file.empty() ? std::string() : file + ": ") + tableexchange::describeProblem(*cell);
}

bool writeOut(const std::string& text)
{
    std::fwrite(text.data(), 1, text.size(), stdout);
    return std::fflush(stdout) == 0;
}

void jsonValue(CJson& j, CRecordKind kind, int field, const CFieldValue& v, CTextEncoding enc)
{
    switch (recordfields::fieldType(kind, field))
    {
    case CFieldType::Number: j.num(v.number); break;
    case CFieldType::Text: j.str(toUtf8(v.text, enc)); break;
    case CFieldType::IdList: j.numbers(v.ids); break;
    }
}

std::size_t recordCount(const std::vector<CFieldChange>& changes)
{
    std::set<std::pair<int, uint32_t>> records;
    for (const auto& c : changes) records.emplace(int(c.kind), c.id);
    return records.size();
}
} // namespace

int runExportTable(const std::vector<std::string>& args)
{
    const auto a = parse(args, {"--table", "--language", "--data-folder"}, kExportUsage);
    if (!a) return 2;
    if (a->help)
    {
        std::cout << "usage: " << kExportUsage << "\n" << kTableScale;
        return 0;
    }
    if (a->positional.size() != 2) return usageError("give the game folder and the file to write", kExportUsage);
    const auto table = tableexchange::tableFromName(a->table);
    if (!table) return usageError("give the table with --table players, teams or leagues", kExportUsage);
    CDatabase db;
    if (!load(a->positional[0], *a, db)) return 1;
    std::string error;
    if (!tableexchange::exportTableFile(db, *table, encodingForLanguage(a->language), pathFromUtf8(a->positional[1]), &error))
    {
        std::cerr << "obrix-cli: " << error << "\n";
        return 1;
    }
    return 0;
}

int runImportTable(const std::vector<std::string>& args)
{
    const auto a = parse(args, {"--language", "--dry-run", "--data-folder", "--no-backup"}, kImportUsage);
    if (!a) return 2;
    if (a->help)
    {
        std::cout << "usage: " << kImportUsage << "\n" << kTableScale;
        return 0;
    }
    if (a->positional.size() != 2) return usageError("give the game folder and the file to read", kImportUsage);
    const auto read = tableexchange::readTableFile(pathFromUtf8(a->positional[1]));
    if (!read)
    {
        std::cerr << "obrix-cli: cannot read " << a->positional[1] << "\n";
        return 1;
    }
    const std::string& text = *read;
    // A dry run writes nothing, but its report must be what the real run would do now.
    CFolderLock lock;
    if (!lockGameFolder(a->positional[0], lock)) return 1;
    CDatabase db;
    std::unique_ptr<CKeptLeagues> kept;
    if (!load(a->positional[0], *a, db, &kept)) return 1;
    const CTextEncoding enc = encodingForLanguage(a->language);
    const auto plan = tableexchange::planImport(db, text, enc);
    if (plan.refused())
    {
        for (const auto& p : plan.problems) std::cerr << a->positional[1] << ": " << tableexchange::describeProblem(p) << "\n";
        if (plan.problemCount > plan.problems.size())
            std::cerr << "... and " << plan.problemCount - plan.problems.size() << " more problems\n";
        std::cerr << "obrix-cli: the file was refused; nothing was changed.\n";
        return 1;
    }
    std::string out;
    for (const auto& c : plan.changes)
    {
        out += describeChange(c, enc);
        out += '\n';
    }
    const std::size_t records = recordCount(plan.changes);
    if (plan.changes.empty())
    {
        out += "No changes.\n";
        return writeOut(out) ? 0 : 1;
    }
    // A dry run goes the whole way but for the writing: the gate, then what the save
    // would say of the result, so that it answers as the real run would.
    try
    {
        CTransaction tx(db);
        applyFieldChanges(tx, plan.changes);
        tx.commit();
    }
    catch (const CChangeRefused& refused)
    {
        writeOut(out);
        for (const auto& p : refused.problems())
            std::cerr << a->positional[1] << ": " << placeIn(plan, p.kind, p.id, p.field) << recordKindName(p.kind) << " "
                      << p.id << " " << p.field << ": " << p.message << "\n";
        std::cerr << "obrix-cli: the file was refused; nothing was changed.\n";
        return 1;
    }
    const auto problems = checkDatabase(db, enc);
    for (const auto& p : problems)
        std::cerr << "obrix-cli: " << (p.wholeDatabase ? std::string() : placeIn(plan, p.kind, p.id, {}, a->positional[1]))
                  << describeProblem(p) << "\n";
    if (hasErrors(problems))
    {
        writeOut(out);
        std::cerr << "obrix-cli: the database could not be saved with these changes; nothing was written.\n";
        return 1;
    }
    if (a->dryRun)
        out += std::to_string(plan.changes.size()) + " changes in " + std::to_string(records)
               + " records; nothing written (dry run).\n";
    else
    {
#ifdef SIGPIPE
        // An output closed by its reader must not end the program between the save and
        // the report of it.
        std::signal(SIGPIPE, SIG_IGN);
#endif
        // The game's files as they were before this import, as the editor's first save keeps them.
        if (!backUpBeforeCommandLineSave(a->positional[0], a->language, a->dataFolder, a->noBackup))
        {
            std::cerr << "obrix-cli: nothing was changed.\n";
            return 1;
        }
        if (auto e = CGameFiles(pathFromUtf8(a->positional[0])).save(db))
        {
            writeOut(out);
            std::cerr << "obrix-cli: " << *e << "\n";
            return 1;
        }
        // Edits of a kept league live where it is kept, not in the game's files.
        if (!keepLeagues(kept.get(), db))
        {
            writeOut(out);
            return 1;
        }
        // The change is in the files: a script that took a failure here for "not applied"
        // would apply it twice, so an output that cannot be written only says so.
        const std::string saved = "Saved " + std::to_string(plan.changes.size()) + " changes in " + std::to_string(records) + " records.";
        out += saved + "\n";
        if (!writeOut(out))
            std::cerr << "obrix-cli: " << saved << " The list of changes could not be written to the output: "
                      << std::strerror(errno) << "\n";
        return 0;
    }
    return writeOut(out) ? 0 : 1;
}

int runCheck(const std::vector<std::string>& args)
{
    const auto a = parse(args, {"--language", "--json", "--data-folder"}, kCheckUsage);
    if (!a) return 2;
    if (a->help)
    {
        std::cout << "usage: " << kCheckUsage << "\n";
        return 0;
    }
    if (a->positional.size() != 1) return usageError("give the game folder", kCheckUsage);
    CDatabase db;
    if (!load(a->positional[0], *a, db)) return 1;
    const auto problems = checkDatabase(db, encodingForLanguage(a->language));
    std::string out;
    int errors = 0;
    for (const auto& p : problems) errors += p.error;
    if (a->json)
    {
        CJson j(out);
        j.open('{');
        j.key("problems");
        j.open('[');
        for (const auto& p : problems)
        {
            j.newline();
            j.open('{');
            j.key("severity");
            j.str(p.error ? "error" : "warning");
            j.key("code");
            j.str(p.code);
            j.key("kind");
            j.str(p.wholeDatabase ? "database" : recordKindName(p.kind));
            j.key("id");
            j.num(p.id);
            if (p.leagueId >= 0)
            {
                j.key("league");
                j.num(p.leagueId);
            }
            j.key("message");
            j.str(p.message);
            j.close('}');
        }
        j.close(']');
        j.close('}');
        j.newline();
    }
    else
    {
        for (const auto& p : problems) out += describeProblem(p) + "\n";
        out += std::to_string(errors) + " errors, " + std::to_string(problems.size() - std::size_t(errors)) + " warnings.\n";
    }
    if (!writeOut(out)) return 1;
    return errors > 0 ? 1 : 0;
}

int runDiff(const std::vector<std::string>& args)
{
    const auto a = parse(args, {"--language", "--json", "--backup", "--data-folder"}, kDiffUsage);
    if (!a) return 2;
    if (a->help)
    {
        std::cout << "usage: " << kDiffUsage << "\n"
                  << kDiffScale
                  << "Left out of the comparison (a save rewrites them, or they follow from other fields):\n"
                  << uncomparedFields();
        return 0;
    }
    if (a->backup ? a->positional.size() != 1 : a->positional.size() != 2)
        return usageError(a->backup ? "give the game folder" : "give the two game folders", kDiffUsage);
    CDatabase da, dbB;
    if (a->backup)
    {
        if (a->dataFolder.empty()) return usageError("no data folder known: give --data-folder", kDiffUsage);
        const CBackup backup(a->dataFolder, pathFromUtf8(a->positional[0]), a->language);
        if (const auto wrong = backup.verify())
        {
            std::error_code ec;
            if (std::filesystem::exists(backup.folder(), ec))
                std::cerr << "obrix-cli: the backup of " << a->positional[0] << " in " << utf8FromPath(backup.folder())
                          << " cannot be used: " << *wrong << "\n";
            else
                std::cerr << "obrix-cli: there is no backup of " << a->positional[0] << " in " << utf8FromPath(backup.folder())
                          << "\n";
            return 1;
        }
        if (auto e = loadBackupDatabase(backup, a->language, da))
        {
            std::cerr << "obrix-cli: cannot read the backup: " << *e << "\n";
            return 1;
        }
        // After a restore the editor shows the backup with the leagues it keeps, so both
        // sides carry them and only the game's own records differ.
        restoreKeptLeagues(da, a->dataFolder, a->positional[0]);
        if (!load(a->positional[0], *a, dbB)) return 1;
    }
    else if (!load(a->positional[0], *a, da) || !load(a->positional[1], *a, dbB))
        return 1;
    const CTextEncoding enc = encodingForLanguage(a->language);
    const auto diffs = diffDatabases(da, dbB);
    std::string out;
    if (a->json)
    {
        CJson j(out);
        j.open('{');
        j.key("differences");
        j.open('[');
        for (const auto& d : diffs)
        {
            j.newline();
            j.open('{');
            j.key("kind");
            j.str(recordKindName(d.kind));
            j.key("id");
            j.num(d.id);
            if (d.side == CFieldChange::CSide::Both)
            {
                j.key("field");
                j.str(recordfields::fieldName(d.kind, d.field));
                j.key("old");
                jsonValue(j, d.kind, d.field, d.before, enc);
                j.key("new");
                jsonValue(j, d.kind, d.field, d.after, enc);
            }
            else
            {
                j.key("side");
                j.str(d.side == CFieldChange::CSide::OnlyA ? "A" : "B");
            }
            j.close('}');
        }
        j.close(']');
        j.close('}');
        j.newline();
    }
    else
        for (const auto& d : diffs) out += describeChange(d, enc) + "\n";
    if (!writeOut(out)) return 1;
    return diffs.empty() ? 0 : 1;
}
