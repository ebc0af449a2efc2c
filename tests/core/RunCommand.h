#pragma once

// Runs a command line through the shell, as the tests of obrix-cli do: what it printed on
// stdout and stderr together, and its exit status (-1 when it could not run or ended
// without one).

#include <array>
#include <cstdio>
#include <string>
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
