#pragma once

#include "database/Change.h"
#include "util/TextCodec.h"

#include <string>

// The history's name for a step that changed one field of one player or team, as people
// read it: "Speed of Frank van den B 7 -> 9", skills on their 1..16 scale, the record
// named as it was before the step. A step merged from several edits of the field names its
// first old value and its last new one. Empty when the change is anything else (several
// fields or records, a record added or removed, the league list): the caller keeps the
// name it had.
std::string fieldStepName(const CChange& change, CTextEncoding encoding);

// How a field of the record tables reads in such a name: "ballControl" as "Ball control",
// "longName" as "Name".
std::string fieldLabel(const char* fieldName);
