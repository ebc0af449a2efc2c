#include "util/Csv.h"

namespace csv
{
void appendField(std::string& out, std::string_view field)
{
    // A cell that begins with a byte order mark is quoted: unquoted at the start of a file
    // the reader would take the mark for the file's own and drop it.
    if (field.find_first_of(",\"\r\n") == std::string_view::npos && field.substr(0, kByteOrderMark.size()) != kByteOrderMark)
    {
        out += field;
        return;
    }
    out += '"';
    for (char c : field)
    {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

void appendRecord(std::string& out, const std::vector<std::string>& fields)
{
    // A lone empty field would be a blank line, which holds no record.
    if (fields.size() == 1 && fields[0].empty())
    {
        out += "\"\"\r\n";
        return;
    }
    for (std::size_t i = 0; i < fields.size(); ++i)
    {
        if (i) out += ',';
        appendField(out, fields[i]);
    }
    out += "\r\n";
}

std::optional<CError> parse(std::string_view text, std::vector<CRecord>& records)
{
    records.clear();
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) text.remove_prefix(kByteOrderMark.size());
    std::size_t line = 1;
    std::size_t i = 0;
    const std::size_t n = text.size();
    // Steps over one line break (CRLF, LF or CR) at i, if there is one.
    auto lineBreak = [&]() {
        if (i < n && text[i] == '\r')
        {
            ++i;
            if (i < n && text[i] == '\n') ++i;
        }
        else if (i < n && text[i] == '\n')
            ++i;
        else
            return false;
        ++line;
        return true;
    };
    while (i < n)
    {
        if (lineBreak()) continue;  // a blank line holds no record
        CRecord record;
        record.line = line;
        for (;;)
        {
            std::string field;
            const std::size_t column = record.fields.size() + 1;
            if (i < n && text[i] == '"')
            {
                const std::size_t openedOn = line;
                ++i;
                for (;;)
                {
                    if (i >= n)
                        return CError{openedOn, column, "a quoted field is never closed"};
                    const char c = text[i];
                    if (c == '"')
                    {
                        if (i + 1 < n && text[i + 1] == '"')
                        {
                            field += '"';
                            i += 2;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    if (c == '\n' || (c == '\r' && !(i + 1 < n && text[i + 1] == '\n'))) ++line;
                    field += c;
                    ++i;
                }
                if (i < n && text[i] != ',' && text[i] != '\r' && text[i] != '\n')
                    return CError{line, column, "text follows the closing quote of a field"};
            }
            else
            {
                const std::size_t start = i;
                while (i < n && text[i] != ',' && text[i] != '\r' && text[i] != '\n')
                {
                    if (text[i] == '"') return CError{line, column, "a quote inside a field that is not quoted"};
                    ++i;
                }
                field.assign(text.substr(start, i - start));
            }
            record.fields.push_back(std::move(field));
            if (i < n && text[i] == ',')
            {
                ++i;
                continue;
            }
            break;
        }
        lineBreak();
        records.push_back(std::move(record));
    }
    return std::nullopt;
}
} // namespace csv
