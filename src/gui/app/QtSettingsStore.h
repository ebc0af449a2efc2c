#pragma once

#include "settings/SettingsStore.h"

#include <QSettings>
#include <QString>

// The editor's settings kept the platform's way: HKEY_CURRENT_USER\Software\Brannoc\Obrix
// on Windows, ~/.config/Brannoc/Obrix.conf on Linux (which obrix-cli reads too).
class CQtSettingsStore : public CSettingsStore
{
public:
    CQtSettingsStore();
    // An INI file of its own, for tests.
    explicit CQtSettingsStore(const QString& iniFile);

    bool open() override;
    bool create() override;
    bool readString(const std::string& name, std::string& out) override;
    bool readNumber(const std::string& name, uint32_t& out) override;
    bool writeString(const std::string& name, const std::string& value) override;
    bool writeNumber(const std::string& name, uint32_t value) override;

    QString fileName() const { return m_settings.fileName(); }

private:
    bool keepsFile() const;
    bool committed();

    QSettings m_settings;
};
