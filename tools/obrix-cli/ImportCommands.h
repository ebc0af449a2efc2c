#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

class CDatabase;
class CKeptLeagues;

// One import asked for on the command line, run in the order given.
struct CCliImport
{
    bool glv = false;
    std::string path;        // folder of exchange files, or a GLV file
    std::string leagueName;  // DB imports; empty: proposed from the folder
};

// Reads "--import-db FOLDER[:LEAGUE NAME]" or "--import-glv FILE"; false when option is
// neither.
bool parseImportOption(const std::string& option, const std::string& value, CCliImport& out);

// Runs the imports on a loaded database; messages go to stderr. False at the first that
// fails.
bool runImports(CDatabase& db, const std::vector<CCliImport>& imports);

// obrix-cli export DIR [--language CODE] --league POSITION OUTFOLDER
int runExport(const std::vector<std::string>& args);

// The imported leagues the editor keeps for a game folder, read into db as the editor
// reads them at start (what cannot be read is reported on stderr and left alone). Null
// when no data folder is known.
std::unique_ptr<CKeptLeagues> restoreKeptLeagues(CDatabase& db, const std::filesystem::path& dataFolder,
                                                 const std::string& gameFolder);

// Keeps db's imported leagues in place of those restoreKeptLeagues read; false (with the
// message on stderr) when that failed. Nothing to do without a data folder.
bool keepLeagues(CKeptLeagues* kept, const CDatabase& db);

// obrix-cli import DIR (--db FOLDER[:NAME] | --glv FILE) [--data-folder D] [--language CODE]
int runImport(const std::vector<std::string>& args);
