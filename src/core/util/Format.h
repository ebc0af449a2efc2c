#pragma once

#include <cstdio>
#include <string>

// printf-style formatting of the program's fixed message texts into a std::string.
template <class... Args>
std::string formatText(const char* format, Args... args)
{
    const int n = std::snprintf(nullptr, 0, format, args...);
    if (n <= 0) return format;
    std::string out(std::size_t(n) + 1, '\0');
    std::snprintf(out.data(), out.size(), format, args...);
    out.resize(std::size_t(n));
    return out;
}

// A count as people read it: thousands grouped with commas ("12,758").
std::string groupedNumber(long long n);

// A count and its noun, the noun in the form the count takes: "1 record", "3 records",
// "4,033 players". one and many are the two forms of the noun.
std::string counted(long long n, const char* one, const char* many);
