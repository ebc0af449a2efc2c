#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>

// Where the game's installer recorded its folder: HKEY_LOCAL_MACHINE, the application
// path key of golvar.exe, value "Path". On Windows that is the registry itself; on Linux
// it is the registry of a Wine prefix the game was installed into.
namespace gameregistration
{
inline constexpr const char* kKeyPath = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\golvar.exe";
// The game and its installer are 32-bit programs: on a 64-bit system their view of the
// key above lives here, and that is the view a 32-bit reader would get.
inline constexpr const char* kWow64KeyPath =
    "Software\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\App Paths\\golvar.exe";
inline constexpr const char* kValueName = "Path";
// The value has always been read into a buffer of this many bytes, terminator included;
// a longer value cannot be read and counts as no registration at all.
inline constexpr std::size_t kBufferBytes = 100;
} // namespace gameregistration

class CGameRegistration
{
public:
    virtual ~CGameRegistration() = default;

    // The game folder as this platform names it, or nothing when the game is not
    // registered or the value cannot be read. Never throws.
    virtual std::optional<std::string> gameFolder() = 0;
    // Where it looks, for messages ("the Windows registry", "the Wine prefix ...").
    virtual std::string describe() const = 0;
};

// The registration of this platform: the registry on Windows, the Wine prefix named by
// $WINEPREFIX (else ~/.wine) elsewhere.
std::unique_ptr<CGameRegistration> makeSystemGameRegistration();
