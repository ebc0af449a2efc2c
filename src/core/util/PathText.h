#pragma once

// This program's text is UTF-8 throughout; a path is the system's own name for a file (bytes
// on Linux, UTF-16 on Windows). These are the one way between the two. On Windows a path
// made from or turned into a narrow string goes through the ANSI code page instead, which
// cannot spell most names (a Japanese folder) and spells others differently, so every name
// the user gives, the environment holds or a message shows passes through here.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

std::filesystem::path pathFromUtf8(std::string_view text);
std::string utf8FromPath(const std::filesystem::path& path);
// With "/" between the parts on every system, as generic_string() spells it.
std::string genericUtf8FromPath(const std::filesystem::path& path);

// An environment variable's value in UTF-8; nothing when it is not set.
std::optional<std::string> environmentText(const char* name);

#ifdef _WIN32
// Runs a program's narrow main with wmain's wide arguments, each made UTF-8 once: a narrow
// main gets them in the ANSI code page, which cannot spell most names (a Japanese folder).
int runWithUtf8Arguments(int argc, wchar_t** argv, int (*run)(int, char**));
#endif
