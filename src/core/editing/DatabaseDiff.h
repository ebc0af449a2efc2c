#pragma once

#include "editing/FieldChanges.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

class CDatabase;
class CBackup;

// Every difference between two databases, record by record: leagues (matched by id, in
// A's list order, then those only in B), then teams and players by ascending id. Fields
// a save rewrites or that follow from other fields (the table's compared flag) are left
// out. A change's before is A's value, after is B's.
std::vector<CFieldChange> diffDatabases(const CDatabase& a, const CDatabase& b);

// The names of the fields the comparison leaves out, kind by kind, for help texts.
std::string uncomparedFields();

// Loads the database kept in a game folder's backup (its database file, the player name
// file and the name file of the language). The message says which file failed.
std::optional<std::string> loadBackupDatabase(const CBackup& backup, const std::string& languageCode, CDatabase& db);
