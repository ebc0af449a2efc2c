#pragma once

#include "settings/SettingsStore.h"

#include <cstdint>
#include <map>
#include <set>
#include <string>

// Settings held in memory. Reads and writes of chosen names can be made to fail, and
// the key can be made missing, so that every failure path can be tested.
class CMemorySettings : public CSettingsStore
{
public:
    bool keyExists = true;
    bool canCreate = true;
    std::set<std::string> failingReads;
    std::set<std::string> failingWrites;
    std::map<std::string, std::string> strings;
    std::map<std::string, uint32_t> numbers;

    bool open() override { return keyExists; }
    bool create() override
    {
        if (!keyExists && canCreate) keyExists = true;
        return keyExists;
    }
    bool readString(const std::string& name, std::string& out) override
    {
        if (!keyExists || failingReads.count(name)) return false;
        auto it = strings.find(name);
        if (it == strings.end()) return false;
        out = it->second;
        return true;
    }
    bool readNumber(const std::string& name, uint32_t& out) override
    {
        if (!keyExists || failingReads.count(name)) return false;
        auto it = numbers.find(name);
        if (it == numbers.end()) return false;
        out = it->second;
        return true;
    }
    bool writeString(const std::string& name, const std::string& value) override
    {
        if (!keyExists || failingWrites.count(name)) return false;
        numbers.erase(name);
        strings[name] = value;
        return true;
    }
    bool writeNumber(const std::string& name, uint32_t value) override
    {
        if (!keyExists || failingWrites.count(name)) return false;
        strings.erase(name);
        numbers[name] = value;
        return true;
    }
};
