#include "database/League.h"

std::string CLeague::displayNameFromStored(const std::string& stored)
{
    if (stored.size() >= 2 && stored[0] == 'E' && stored[1] == 'C') return "x" + stored;
    return stored;
}

std::string CLeague::storedNameFromDisplay(const std::string& display)
{
    // Only the mark of a competition goes: a name the user began with "x" ("xTreme League")
    // is stored as typed and reads back the same.
    if (display.size() >= 3 && display.compare(0, 3, "xEC") == 0) return display.substr(1);
    return display;
}
