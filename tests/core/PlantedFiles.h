#pragma once

// Things tests plant where the editor expects a regular file, on systems where they can
// exist. Each returns false with the reason when this system cannot make one, so that a
// case says why it did not run instead of passing.

#include <filesystem>
#include <string>
#include <system_error>

#ifndef _WIN32
#include <sys/stat.h>
#endif

inline bool plantPipe(const std::filesystem::path& at, std::string& why)
{
#ifdef _WIN32
    static_cast<void>(at);
    why = "a named pipe cannot lie among the files of a folder on Windows";
    return false;
#else
    if (::mkfifo(at.c_str(), 0644) == 0) return true;
    why = "mkfifo failed";
    return false;
#endif
}

inline bool plantLink(const std::filesystem::path& to, const std::filesystem::path& at, std::string& why,
                      bool folder = false)
{
    std::error_code ec;
    if (folder)
        std::filesystem::create_directory_symlink(to, at, ec);
    else
        std::filesystem::create_symlink(to, at, ec);
    if (!ec) return true;
    why = "this system will not make a symbolic link here (" + ec.message() + ")";
    return false;
}
