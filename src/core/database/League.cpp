#include "database/League.h"

std::string CLeague::displayNameFromStored(const std::string& stored)
{
    if (stored.size() >= 2 && stored[0] == 'E' && stored[1] == 'C') return "x" + stored;
    return stored;
}

std::string CLeague::storedNameFromDisplay(const std::string& display)
{
    // Any leading "x" goes, also one the user typed: the game file cannot tell them apart.
    if (!display.empty() && display[0] == 'x') return display.substr(1);
    return display;
}
