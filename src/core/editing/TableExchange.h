#pragma once

#include "editing/FieldChanges.h"
#include "util/TextCodec.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CDatabase;

// A whole table of the database as a spreadsheet file and back: one row per record,
// one column per field in the order and under the names of the JSON dump.
namespace tableexchange
{
// "players", "teams", "leagues"
std::optional<CRecordKind> tableFromName(std::string_view name);

// UTF-8 with a byte order mark, comma separated, CRLF: players and teams by ascending
// id, leagues in list order; a list field is one cell of ids separated by spaces.
std::string exportTable(const CDatabase& db, CRecordKind table, CTextEncoding encoding);
// The same, put in place of the file as a whole (see replaceFile); the number of records
// written, or nothing when the file cannot be written (error, when given, says why).
std::optional<std::size_t> exportTableFile(const CDatabase& db, CRecordKind table, CTextEncoding encoding,
                                           const std::filesystem::path& path, std::string* error = nullptr);
// A table file's text, read whole, or nothing when it cannot be read (errno says why);
// anything but a regular file is refused without being read from.
std::optional<std::string> readTableFile(const std::filesystem::path& path);

struct CProblem
{
    std::size_t line = 0;    // 1-based line of the file
    std::size_t column = 0;  // 1-based column; 0 for the row as a whole
    std::string columnName;
    std::string reason;
};

// What an import would do: the table the columns name, every cell that differs from the
// database, or the reasons the file is refused (then changes is empty).
struct CImportPlan
{
    CRecordKind table = CRecordKind::Player;
    std::vector<CFieldChange> changes;
    std::vector<CProblem> cells;     // where each change is in the file (no reason)
    std::vector<CProblem> problems;  // the first kMaxProblems
    std::size_t problemCount = 0;    // all of them
    bool refused() const { return problemCount > 0; }
    // The cell that changes the record's field (with no field: the record's only changed
    // cell), or else the record's row: for a refusal that comes after the plan (the gate,
    // the check). Nothing when the file does not change the record.
    std::optional<CProblem> cellOf(CRecordKind kind, uint32_t id, std::string_view field) const;
};
inline constexpr std::size_t kMaxProblems = 20;

// Reads the file and checks every cell with the editor's rules; changes nothing.
CImportPlan planImport(const CDatabase& db, std::string_view fileText, CTextEncoding encoding);

// "line L, column C (NAME): REASON"
std::string describeProblem(const CProblem& problem);
} // namespace tableexchange
