#pragma once

// The registry as the Windows build uses it without Qt: the game's registration, and the
// editor's own key for command-line tools.
#ifdef _WIN32

#include "settings/GameRegistration.h"
#include "settings/SettingsStore.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

enum class CRegistryRoot
{
    CurrentUser,
    LocalMachine,
};

// Which view of the registry a 64-bit process reads; a 32-bit process always gets its own.
enum class CRegistryView
{
    Default,
    Bits32,
    Bits64,
};

// A REG_SZ value as UTF-8; nothing when the key or value is missing, of another type, or
// does not convert.
std::optional<std::string> readRegistryString(CRegistryRoot root, const std::string& subKey,
                                              const std::string& valueName, CRegistryView view = CRegistryView::Default);

class CWindowsGameRegistration : public CGameRegistration
{
public:
    std::optional<std::string> gameFolder() override;
    std::string describe() const override { return "the Windows registry"; }
};

// One key under HKEY_CURRENT_USER, e.g. "Software\Brannoc\Obrix".
class CRegistrySettings : public CSettingsStore
{
public:
    explicit CRegistrySettings(std::string subKey) : m_subKey(std::move(subKey)) {}

    bool open() override;
    bool create() override;
    bool readString(const std::string& name, std::string& out) override;
    bool readNumber(const std::string& name, uint32_t& out) override;
    bool writeString(const std::string& name, const std::string& value) override;
    bool writeNumber(const std::string& name, uint32_t value) override;

private:
    std::string m_subKey;
};

#endif
