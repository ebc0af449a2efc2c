#pragma once

#include "settings/GameRegistration.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The text of a Wine registry file (system.reg, user.reg): sections "[Key\\Path] stamp"
// followed by value lines such as "Name"="data". Names are escaped the way Wine writes
// them: doubled backslashes, \" and \] inside names and strings, \xHHHH for UTF-16 code
// units above 127, octal and C escapes for control characters.
//
// Returns the plain string value `valueName` of the key `keyPath` (written with single
// backslashes), names compared without regard to ASCII case; when the file holds the
// key or value more than once, the last one wins, as when Wine loads it. Nothing when
// the key or value is missing, the value is any other type (str(2):, hex:, dword:...),
// or its line is malformed. Bounds-safe on any input; throws only std::bad_alloc.
std::optional<std::string> findWineRegistryString(std::string_view regText, std::string_view keyPath,
                                                  std::string_view valueName);

// Maps a Windows path ("C:\Games\Golvar") into a Wine prefix: the drive through the
// prefix's dosdevices links, every component below it matched without regard to case.
// Nothing unless the result is an existing folder; the result has its links resolved.
std::optional<std::filesystem::path> mapWindowsFolderIntoPrefix(const std::filesystem::path& prefix,
                                                                std::string_view windowsPath);

// The game's registration in a Wine prefix: $WINEPREFIX when set, else ~/.wine.
class CWineGameRegistration : public CGameRegistration
{
public:
    // The values of $WINEPREFIX and $HOME, nothing when unset (empty counts as unset).
    CWineGameRegistration(std::optional<std::string> winePrefixVariable, std::optional<std::string> homeFolder);
    static std::unique_ptr<CWineGameRegistration> fromEnvironment();

    // The prefix looked at; nothing when neither variable was usable.
    const std::optional<std::filesystem::path>& prefix() const { return m_prefix; }

    std::optional<std::string> gameFolder() override;
    std::string describe() const override;

private:
    std::optional<std::filesystem::path> m_prefix;
};
