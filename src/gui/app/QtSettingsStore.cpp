#include "app/QtSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <charconv>
#include <cstdint>
#include <limits>

namespace
{
bool isNumber(const QVariant& v)
{
    switch (v.typeId())
    {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return true;
    default:
        return false;
    }
}
} // namespace

CQtSettingsStore::CQtSettingsStore()
    : m_settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Brannoc"), QStringLiteral("Obrix"))
{
}

CQtSettingsStore::CQtSettingsStore(const QString& iniFile)
    : m_settings(iniFile, QSettings::IniFormat)
{
}

bool CQtSettingsStore::keepsFile() const
{
    return m_settings.format() == QSettings::IniFormat
#ifndef Q_OS_WIN
           || m_settings.format() == QSettings::NativeFormat
#endif
        ;
}

bool CQtSettingsStore::open()
{
    // Another program (obrix-cli, the user's editor) may have changed the file.
    m_settings.sync();
    if (!m_settings.allKeys().isEmpty()) return true;
    return keepsFile() && QFileInfo::exists(m_settings.fileName());
}

bool CQtSettingsStore::create()
{
    if (open()) return true;
    if (!keepsFile()) return true;  // a registry key comes into being with its first value
    const QFileInfo info(m_settings.fileName());
    if (!QDir().mkpath(info.absolutePath())) return false;
    QFile file(info.absoluteFilePath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) return false;
    file.close();
    return true;
}

bool CQtSettingsStore::readString(const std::string& name, std::string& out)
{
    const QVariant v = m_settings.value(QString::fromStdString(name));
    // A number in the registry is not a string; an INI file does not know the difference.
    if (!v.isValid() || isNumber(v) || !v.canConvert<QString>()) return false;
    if (v.typeId() == QMetaType::QStringList) return false;
    out = v.toString().toStdString();
    return true;
}

bool CQtSettingsStore::readNumber(const std::string& name, uint32_t& out)
{
    const QVariant v = m_settings.value(QString::fromStdString(name));
    if (!v.isValid()) return false;
    int64_t value = 0;
    if (isNumber(v))
    {
        bool ok = false;
        value = v.toLongLong(&ok);
        if (!ok) return false;
    }
    else if (v.typeId() == QMetaType::QString)
    {
        const std::string text = v.toString().trimmed().toStdString();
        if (text.empty()) return false;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (ec != std::errc() || end != text.data() + text.size()) return false;
    }
    else
    {
        return false;
    }
    // Negative coordinates may have been saved as signed numbers.
    if (value < std::numeric_limits<int32_t>::min() || value > int64_t(std::numeric_limits<uint32_t>::max())) return false;
    out = uint32_t(value);
    return true;
}

bool CQtSettingsStore::committed()
{
    m_settings.sync();
    return m_settings.status() == QSettings::NoError;
}

bool CQtSettingsStore::writeString(const std::string& name, const std::string& value)
{
    m_settings.setValue(QString::fromStdString(name), QString::fromStdString(value));
    return committed();
}

bool CQtSettingsStore::writeNumber(const std::string& name, uint32_t value)
{
    m_settings.setValue(QString::fromStdString(name), value);
    return committed();
}
