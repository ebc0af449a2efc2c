#pragma once

// Runs a command line through the shell, as the tests of obrix-cli do: what it printed on
// stdout and stderr together, and its exit status (-1 when it could not run or ended
// without one).

#include <array>
#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#ifdef _WIN32
#include "exchange/Packer.h"
#include "util/WinPath.h"

#include <filesystem>
#include <utility>
#include <vector>
#include <windows.h>

// The command lines of these tests are written for a POSIX shell. Windows has none, so the
// few forms they use are read here: words apart by blanks, '...' taken as it is, "..." with
// \" and \\, NAME=value words in front setting the program's environment. Backslashes
// outside quotes stand for themselves (they are Windows paths). No pipes or redirections.
inline std::vector<std::string> shellWords(const std::string& line)
{
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    for (std::size_t i = 0; i < line.size(); ++i)
    {
        const char c = line[i];
        if (c == ' ' || c == '\t' || c == '\n')
        {
            if (inWord) words.push_back(std::exchange(word, {}));
            inWord = false;
            continue;
        }
        inWord = true;
        if (c == '\'')
        {
            const auto end = line.find('\'', i + 1);
            word += line.substr(i + 1, end - i - 1);
            i = end == std::string::npos ? line.size() : end;
        }
        else if (c == '"')
        {
            for (++i; i < line.size() && line[i] != '"'; ++i)
            {
                if (line[i] == '\\' && i + 1 < line.size() && (line[i + 1] == '"' || line[i + 1] == '\\')) ++i;
                word += line[i];
            }
        }
        else
            word += c;
    }
    if (inWord) words.push_back(word);
    return words;
}

// Runs the program with CreateProcessW (arguments quoted by the Windows rules), stdout and
// stderr together through a pipe.
inline std::string runCommand(const std::string& command, int& status)
{
    status = -1;
    std::vector<std::string> words = shellWords(command);
    std::vector<std::pair<std::wstring, std::wstring>> settings;
    while (!words.empty() && words.front().find('=') != std::string::npos
           && words.front().find_first_of("/\\") > words.front().find('='))
    {
        const auto eq = words.front().find('=');
        settings.emplace_back(wideFromUtf8(words.front().substr(0, eq)), wideFromUtf8(words.front().substr(eq + 1)));
        words.erase(words.begin());
    }
    if (words.empty()) return {};
    // This process's environment with the settings in place.
    std::wstring environment;
    if (wchar_t* block = GetEnvironmentStringsW())
    {
        for (const wchar_t* p = block; *p; p += wcslen(p) + 1)
        {
            const std::wstring entry = p;
            bool replaced = false;
            for (const auto& [name, value] : settings)
                replaced = replaced || (entry.size() > name.size() && entry[name.size()] == L'='
                                        && _wcsnicmp(entry.c_str(), name.c_str(), name.size()) == 0);
            if (!replaced) environment += entry + L'\0';
        }
        FreeEnvironmentStringsW(block);
    }
    for (const auto& [name, value] : settings) environment += name + L"=" + value + L'\0';
    environment += L'\0';

    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return {};
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    HANDLE nul = CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0, nullptr);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = nul;
    startup.hStdOutput = startup.hStdError = writeEnd;
    std::wstring line = wideFromUtf8(windowsCommandLine(words));
    line.push_back(L'\0');
    const std::wstring program = systemPath(std::filesystem::path(wideFromUtf8(words.front())));
    PROCESS_INFORMATION process{};
    const bool started = CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, TRUE,
                                        CREATE_NO_WINDOW | CREATE_UNICODE_ENVIRONMENT, environment.data(), nullptr,
                                        &startup, &process);
    CloseHandle(writeEnd);
    CloseHandle(nul);
    std::string out;
    if (started)
    {
        char buffer[65536];
        DWORD n = 0;
        while (ReadFile(readEnd, buffer, sizeof buffer, &n, nullptr) && n > 0) out.append(buffer, n);
        WaitForSingleObject(process.hProcess, INFINITE);
        DWORD code = 0;
        if (GetExitCodeProcess(process.hProcess, &code)) status = int(code);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(readEnd);
    // The C runtime writes text with Windows line ends; the tests compare with "\n".
    std::string text;
    for (std::size_t i = 0; i < out.size(); ++i)
        if (!(out[i] == '\r' && i + 1 < out.size() && out[i + 1] == '\n')) text += out[i];
    return text;
}
#else
#include <sys/wait.h>

inline std::string runCommand(const std::string& command, int& status)
{
    std::string out;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (!pipe)
    {
        status = -1;
        return out;
    }
    std::array<char, 65536> buf;
    std::size_t n;
    while ((n = std::fread(buf.data(), 1, buf.size(), pipe)) > 0) out.append(buf.data(), n);
    const int rc = pclose(pipe);
    status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
    return out;
}
#endif

