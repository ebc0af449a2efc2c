#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One league of the game database.
struct CLeague
{
    uint32_t editorOnly = 0;       // never written to the game file
    std::vector<uint32_t> teamIds; // 16-bit team ids in file order, 0 = empty slot
    uint32_t slotCount = 0;
    std::string displayName;       // a stored name beginning "EC" is held as "x" + name
    uint32_t id = 0;               // 16 bits
    uint32_t importedLeague = 0;   // skipped by the odd-slot check before saving
    uint32_t modified = 0;         // shown as " *" in the tree; never written to the file

    // European competitions (stored names beginning "EC") are shown with a leading "x".
    bool isEuropeanCompetition() const { return displayName.compare(0, 3, "xEC") == 0; }

    static std::string displayNameFromStored(const std::string& stored);
    static std::string storedNameFromDisplay(const std::string& display);

    // Every field, so that a field added later takes part in every "unchanged?" check.
    friend bool operator==(const CLeague&, const CLeague&) = default;
};
