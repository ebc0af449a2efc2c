#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Comma-separated tables as spreadsheets write them: fields with a comma, quote or line
// break in quotes, quotes doubled, records ended by CRLF (LF and CR alone are read too).
namespace csv
{
// Appends one field, quoted when it has to be.
void appendField(std::string& out, std::string_view field);
// Appends the fields separated by commas and ends the record with CRLF.
void appendRecord(std::string& out, const std::vector<std::string>& fields);

inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

struct CRecord
{
    std::size_t line = 0;  // 1-based line where the record begins
    std::vector<std::string> fields;
};

struct CError
{
    std::size_t line = 0;
    std::size_t column = 0;  // 1-based field number
    std::string message;
};

// Reads every record; a leading byte order mark is skipped and blank lines between
// records are ignored. Returns the first fault of the form (a quote inside an unquoted
// field, text after a closing quote, a quote never closed).
std::optional<CError> parse(std::string_view text, std::vector<CRecord>& records);
} // namespace csv
