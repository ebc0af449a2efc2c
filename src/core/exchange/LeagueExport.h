#pragma once

#include "exchange/LeagueImport.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

class CDatabase;
class CPacker;

struct CExportResult
{
    bool ok = false;
    std::string message;  // what went wrong, or what was written
};

// Writes the league at leaguePosition as an exchange set into folder: its teams
// (CUSTOM.DB), the players they list (CUSPLYR.DB) and the moves into and out of those
// teams (XFER.DB), each packed. The three files are built first and then committed
// together, so a failure leaves no half-written set behind.
CExportResult exportLeague(const CDatabase& db, std::size_t leaguePosition, const std::string& folder,
                           CPacker& packer, const CStatusSink& status = {});

// The scratch folders exports make in the system's temporary folder are named
// "Obx-export-PID-RANDOM". One whose program was killed stays behind; this removes every
// such folder of ours whose program is no longer running (or that is older than a day,
// where that cannot be asked), and those of earlier versions ("Obxx" and digits) older
// than a day. Every export calls it first, and so does `obrix-cli recover`. Returns the
// folders removed. An empty folder means the system's temporary folder.
std::vector<std::filesystem::path> removeExportLeftovers(const std::filesystem::path& tempFolder = {});
