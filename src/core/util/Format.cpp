#include "util/Format.h"

std::string groupedNumber(long long n)
{
    const std::string digits = std::to_string(n < 0 ? -n : n);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i)
    {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return n < 0 ? "-" + out : out;
}

std::string counted(long long n, const char* one, const char* many)
{
    return groupedNumber(n) + " " + (n == 1 ? one : many);
}
