#pragma once

#include <string>
#include <vector>

class CDatabase;

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
