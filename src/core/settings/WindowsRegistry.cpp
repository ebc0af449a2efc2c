#ifdef _WIN32

#include "settings/WindowsRegistry.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace
{

std::optional<std::wstring> widen(const std::string& utf8)
{
    if (utf8.empty()) return std::wstring();
    const int n = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), int(utf8.size()), nullptr, 0);
    if (n <= 0) return std::nullopt;
    std::wstring wide(std::size_t(n), L'\0');
    if (MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), int(utf8.size()), wide.data(), n) != n)
        return std::nullopt;
    return wide;
}

std::optional<std::string> narrow(const std::wstring& wide)
{
    if (wide.empty()) return std::string();
    const int n = WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide.data(), int(wide.size()), nullptr, 0, nullptr, nullptr);
    if (n <= 0) return std::nullopt;
    std::string utf8(std::size_t(n), '\0');
    if (WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide.data(), int(wide.size()), utf8.data(), n, nullptr, nullptr) != n)
        return std::nullopt;
    return utf8;
}

HKEY rootKey(CRegistryRoot root)
{
    return root == CRegistryRoot::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

REGSAM viewFlag(CRegistryView view)
{
    return view == CRegistryView::Bits32 ? KEY_WOW64_32KEY : view == CRegistryView::Bits64 ? KEY_WOW64_64KEY : 0;
}

// Closes the key on every path out.
class CKey
{
public:
    CKey() = default;
    CKey(const CKey&) = delete;
    CKey& operator=(const CKey&) = delete;
    ~CKey()
    {
        if (m_key) RegCloseKey(m_key);
    }
    HKEY* out() { return &m_key; }
    HKEY get() const { return m_key; }

private:
    HKEY m_key = nullptr;
};

std::optional<std::string> queryString(HKEY key, const std::string& valueName)
{
    const auto name = widen(valueName);
    if (!name) return std::nullopt;
    DWORD bytes = 0;
    if (RegGetValueW(key, nullptr, name->c_str(), RRF_RT_REG_SZ, nullptr, nullptr, &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    // The size includes the terminator that RegGetValueW guarantees; a value that grew
    // between the two calls simply fails.
    std::wstring buffer(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = DWORD(buffer.size() * sizeof(wchar_t));
    if (RegGetValueW(key, nullptr, name->c_str(), RRF_RT_REG_SZ, nullptr, buffer.data(), &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    buffer.resize(bytes / sizeof(wchar_t));
    while (!buffer.empty() && buffer.back() == L'\0') buffer.pop_back();
    return narrow(buffer);
}

} // namespace

std::optional<std::string> readRegistryString(CRegistryRoot root, const std::string& subKey,
                                              const std::string& valueName, CRegistryView view)
{
    const auto path = widen(subKey);
    if (!path) return std::nullopt;
    CKey key;
    if (RegOpenKeyExW(rootKey(root), path->c_str(), 0, KEY_QUERY_VALUE | viewFlag(view), key.out()) != ERROR_SUCCESS)
        return std::nullopt;
    return queryString(key.get(), valueName);
}

std::optional<std::string> CWindowsGameRegistration::gameFolder()
{
    try
    {
        // The 32-bit view first: that is where the game's installer wrote on 64-bit systems.
        for (const auto view : {CRegistryView::Bits32, CRegistryView::Bits64})
        {
            auto folder = readRegistryString(CRegistryRoot::LocalMachine, gameregistration::kKeyPath,
                                             gameregistration::kValueName, view);
            if (!folder) continue;
            if (folder->size() >= gameregistration::kBufferBytes) return std::nullopt;
            return folder;
        }
    }
    catch (const std::exception&)
    {
    }
    return std::nullopt;
}

bool CRegistrySettings::open()
{
    const auto path = widen(m_subKey);
    CKey key;
    return path && RegOpenKeyExW(HKEY_CURRENT_USER, path->c_str(), 0, KEY_QUERY_VALUE, key.out()) == ERROR_SUCCESS;
}

bool CRegistrySettings::create()
{
    const auto path = widen(m_subKey);
    CKey key;
    return path && RegCreateKeyExW(HKEY_CURRENT_USER, path->c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE,
                                   nullptr, key.out(), nullptr) == ERROR_SUCCESS;
}

bool CRegistrySettings::readString(const std::string& name, std::string& out)
{
    auto value = readRegistryString(CRegistryRoot::CurrentUser, m_subKey, name);
    if (!value) return false;
    out = std::move(*value);
    return true;
}

bool CRegistrySettings::readNumber(const std::string& name, uint32_t& out)
{
    const auto path = widen(m_subKey);
    const auto value = widen(name);
    if (!path || !value) return false;
    DWORD data = 0;
    DWORD bytes = sizeof data;
    if (RegGetValueW(HKEY_CURRENT_USER, path->c_str(), value->c_str(), RRF_RT_REG_DWORD, nullptr, &data, &bytes) != ERROR_SUCCESS)
        return false;
    out = uint32_t(data);
    return true;
}

bool CRegistrySettings::writeString(const std::string& name, const std::string& value)
{
    const auto path = widen(m_subKey);
    const auto valueName = widen(name);
    const auto data = widen(value);
    if (!path || !valueName || !data) return false;
    CKey key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path->c_str(), 0, KEY_SET_VALUE, key.out()) != ERROR_SUCCESS) return false;
    const DWORD bytes = DWORD((data->size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(key.get(), valueName->c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data->c_str()), bytes) ==
           ERROR_SUCCESS;
}

bool CRegistrySettings::writeNumber(const std::string& name, uint32_t value)
{
    const auto path = widen(m_subKey);
    const auto valueName = widen(name);
    if (!path || !valueName) return false;
    CKey key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path->c_str(), 0, KEY_SET_VALUE, key.out()) != ERROR_SUCCESS) return false;
    const DWORD data = value;
    return RegSetValueExW(key.get(), valueName->c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data) ==
           ERROR_SUCCESS;
}

#endif
