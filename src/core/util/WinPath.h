#pragma once

// Windows only: the one place where this program's UTF-8 text meets the system's UTF-16,
// and where a path becomes the name the wide-character calls are given.
#ifdef _WIN32

#include <filesystem>
#include <string>
#include <string_view>

std::wstring wideFromUtf8(std::string_view text);
std::string utf8FromWide(std::wstring_view text);

// The full name for CreateFileW and its kin: absolute, "\" separators, "." and ".."
// resolved, and in the "\\?\" form (UNC shares as "\\?\UNC\server\share"), so that names
// longer than MAX_PATH work and no component is taken for a device.
std::wstring systemPath(const std::filesystem::path& path);

// errno's counterpart of a Windows error code, so that the file layer reports failures the
// same way on every system.
int errnoFromWindowsError(unsigned long error);

#endif
