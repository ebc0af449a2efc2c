#pragma once

// Runs a command line through the shell, as the tests of obrix-cli do: what it printed on
// stdout and stderr together, and its exit status (-1 when it could not run or ended
// without one).

#include <array>
#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#ifdef _WIN32
// The command lines below are written for a POSIX shell (quoting with '...', variables
// set in front of a command); Windows has none. Tests that drive obrix-cli this way skip
// there: the Windows obrix-cli is run with the same commands from this system's shell by
// tests/windows/same-bytes.sh.
#define OBRIX_REQUIRE_POSIX_SHELL() \
    GTEST_SKIP() << "runs programs through a POSIX shell command line, which Windows does not have"
#define popen _popen
#define pclose _pclose
#define WIFEXITED(rc) true
#define WEXITSTATUS(rc) (rc)
#else
#include <sys/wait.h>
#define OBRIX_REQUIRE_POSIX_SHELL() static_cast<void>(0)
#endif

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
