#include "editing/StepNames.h"

#include "editing/EditingTexts.h"
#include "editing/RecordFields.h"
#include "util/Format.h"

#include <cctype>
#include <cstring>
#include <optional>

namespace
{
// The one editable field that differs between the two sides, or -1 (none, or more than one).
template <class T, class Fields>
int onlyChangedField(const T& before, const T& after, Fields fields)
{
    int found = -1;
    for (std::size_t f = 0; f < fields.size(); ++f)
    {
        if (fields[f].role != CFieldRole::Editable) continue;
        if (fields[f].get(before) == fields[f].get(after)) continue;
        if (found >= 0) return -1;
        found = int(f);
    }
    return found;
}

std::string shownValue(CRecordKind kind, int field, const CFieldValue& value, CTextEncoding encoding)
{
    switch (recordfields::fieldType(kind, field))
    {
    case CFieldType::Number: return std::to_string(recordfields::shownNumber(kind, field, value.number));
    case CFieldType::Text: return "\"" + toUtf8(value.text, encoding) + "\"";
    case CFieldType::IdList: break;
    }
    return {};
}

template <class T, class Fields>
std::string nameOf(const CRecordImage<T>& image, CRecordKind kind, Fields fields, const std::string& recordName,
                   const char* nameField, CTextEncoding encoding)
{
    if (!image.before || !image.after) return {};
    const int field = onlyChangedField(*image.before, *image.after, fields);
    if (field < 0 || recordfields::fieldType(kind, field) == CFieldType::IdList) return {};
    const std::string label = fieldLabel(fields[std::size_t(field)].name);
    const std::string from = shownValue(kind, field, fields[std::size_t(field)].get(*image.before), encoding);
    const std::string to = shownValue(kind, field, fields[std::size_t(field)].get(*image.after), encoding);
    // A renamed record is named by its two names alone.
    if (std::strcmp(fields[std::size_t(field)].name, nameField) == 0)
        return formatText(editingtexts::kRenameStep, label.c_str(), from.c_str(), to.c_str());
    return formatText(editingtexts::kFieldStep, label.c_str(), toUtf8(recordName, encoding).c_str(), from.c_str(),
                      to.c_str());
}
}  // namespace

std::string fieldLabel(const char* fieldName)
{
    struct CSpecial
    {
        const char* field;
        const char* label;
    };
    // Where the table's name is not what the pages call the field.
    static constexpr CSpecial kSpecial[] = {
        {"longName", "Name"},         {"letterCode", "Letter"},       {"jerseyNumber", "Number"},
        {"hairStyle", "Hair"},        {"altPosition", "Position"},    {"shotAccuracy", "Shot acc."},
    };
    for (const CSpecial& s : kSpecial)
        if (std::strcmp(s.field, fieldName) == 0) return s.label;
    std::string out;
    for (const char* c = fieldName; *c; ++c)
    {
        const unsigned char ch = static_cast<unsigned char>(*c);
        const bool wordStarts = c != fieldName && (std::isupper(ch) || (std::isdigit(ch) && !std::isdigit(*(c - 1))));
        if (wordStarts) out += ' ';
        out += out.empty() ? char(std::toupper(ch)) : char(std::tolower(ch));
    }
    return out;
}

std::string fieldStepName(const CChange& change, CTextEncoding encoding)
{
    const auto& players = change.playerImages();
    const auto& teams = change.teamImages();
    if (change.touchesLeagues()) return {};
    if (players.size() == 1 && teams.empty())
    {
        const CRecordImage<CPlayer>& image = players.front();
        return nameOf(image, CRecordKind::Player, recordfields::players(),
                      image.before ? image.before->name : std::string(), "name", encoding);
    }
    if (teams.size() == 1 && players.empty())
    {
        const CRecordImage<CTeam>& image = teams.front();
        return nameOf(image, CRecordKind::Team, recordfields::teams(),
                      image.before ? image.before->longName : std::string(), "longName", encoding);
    }
    return {};
}
