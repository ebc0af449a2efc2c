#pragma once

#include <functional>
#include <string>

class CDatabase;
class CTransaction;
class CPacker;
class CPrompts;

// Status bar texts shown while an import or export runs.
using CStatusSink = std::function<void(const std::string&)>;

// The league name proposed for an imported folder: its last component (the text after
// the last backslash or slash, a trailing separator ignored).
std::string proposedLeagueName(const std::string& folder);

// Adds the teams of a folder of exchange files (CUSTOM.DB, CUSPLYR.DB, XFER.DB if there)
// as a new league of the database, with new ids in the next import generation. Messages
// go to prompts, progress to status. All or nothing: on failure the database is exactly
// as it was and the generation is not advanced. The file names are found in the folder
// whatever their case.
bool importDbFiles(CTransaction& db, const std::string& folder, const std::string& leagueName,
                   CPacker& packer, CPrompts& prompts, const CStatusSink& status = {});

// Adds the league of a GLV file, based on the league at position 52. All or nothing.
bool importGlvFile(CTransaction& db, const std::string& path, CPrompts& prompts,
                   const CStatusSink& status = {});

// The league position GLV team blocks are based on.
inline constexpr std::size_t kGlvBaseLeaguePosition = 52;
