#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>

// The editor's own settings: named string and 32-bit number values under one key. The
// program backs it with its platform's settings (the registry key
// HKEY_CURRENT_USER\Software\Brannoc\Obrix on Windows); tests use CMemorySettings.
// Every operation reports whether it succeeded, because the rules that use the store
// treat a failed read or write as a fact of its own.
class CSettingsStore
{
public:
    virtual ~CSettingsStore() = default;

    // Whether the key can be opened for reading (it exists).
    virtual bool open() = 0;
    // Creates the key when missing; false when it cannot be created.
    virtual bool create() = 0;

    // False when the key or the value is missing or has the other type.
    virtual bool readString(const std::string& name, std::string& out) = 0;
    virtual bool readNumber(const std::string& name, uint32_t& out) = 0;
    virtual bool writeString(const std::string& name, const std::string& value) = 0;
    virtual bool writeNumber(const std::string& name, uint32_t value) = 0;
};
