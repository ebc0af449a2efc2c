#pragma once

#include <string>
#include <vector>

// obrix-cli export-table DIR --table players|teams|leagues [--language CODE] OUT.csv
int runExportTable(const std::vector<std::string>& args);
// obrix-cli import-table DIR FILE.csv [--language CODE] [--dry-run]
int runImportTable(const std::vector<std::string>& args);
// obrix-cli check DIR [--language CODE] [--json]
int runCheck(const std::vector<std::string>& args);
// obrix-cli diff DIR_A DIR_B [--language CODE] [--json]
// obrix-cli diff DIR --backup [--data-folder D] [--language CODE] [--json]
int runDiff(const std::vector<std::string>& args);
