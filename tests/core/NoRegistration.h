#pragma once

#include "settings/GameRegistration.h"

#include <optional>
#include <string>

// The game was never installed on this machine.
class CNoRegistration : public CGameRegistration
{
public:
    std::optional<std::string> gameFolder() override { return std::nullopt; }
    std::string describe() const override { return "no registration"; }
};
