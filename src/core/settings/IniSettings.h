#pragma once

#include "settings/SettingsStore.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The editor's settings as the Linux build keeps them: the INI file that QSettings
// writes for organisation "Brannoc" and application "Obrix", values at the top level
// (the [General] section). Read without Qt, so that command-line tools see what the
// program saved. Keys are escaped the QSettings way (a space is "%20"), values are text
// with C-like escapes and optional quotes, numbers are written in decimal.
class CIniSettings : public CSettingsStore
{
public:
    explicit CIniSettings(std::filesystem::path file);

    // $XDG_CONFIG_HOME/Brannoc/Obrix.conf, the XDG default ~/.config when the variable
    // is unset or not absolute; empty when neither is usable.
    static std::filesystem::path defaultFile(const std::optional<std::string>& xdgConfigHome,
                                             const std::optional<std::string>& home);
    static std::filesystem::path defaultFileFromEnvironment();

    const std::filesystem::path& file() const { return m_file; }

    // Loads the file again; false when it does not exist or cannot be read.
    bool open() override;
    bool create() override;
    bool readString(const std::string& name, std::string& out) override;
    bool readNumber(const std::string& name, uint32_t& out) override;
    // Each write rewrites the whole file safely; other sections are kept as they were.
    bool writeString(const std::string& name, const std::string& value) override;
    bool writeNumber(const std::string& name, uint32_t value) override;

    // The escaping itself, exposed so that it can be checked against what Qt writes.
    static std::string escapeKey(std::string_view key);
    static std::string unescapeKey(std::string_view key);
    static std::string escapeValue(std::string_view value);
    // A plain string value; nothing for a list ("a, b") or a typed value ("@Rect(...)").
    static std::optional<std::string> unescapeValue(std::string_view raw);

private:
    void parse(std::string_view text);
    bool load();
    bool save();

    std::filesystem::path m_file;
    bool m_loaded = false;
    // Top-level keys (unescaped) and their values as written in the file, in file order.
    std::vector<std::pair<std::string, std::string>> m_general;
    // Every other section, header included, exactly as it was read.
    std::string m_otherSections;
};
