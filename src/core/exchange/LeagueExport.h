#pragma once

#include "exchange/LeagueImport.h"

#include <cstddef>
#include <string>

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
