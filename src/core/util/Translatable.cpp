#include "util/Translatable.h"

namespace
{
CTextLookup g_lookup = nullptr;
}

void setTextLookup(CTextLookup lookup)
{
    g_lookup = lookup;
}

std::string translated(const char* scope, const char* text)
{
    return g_lookup ? g_lookup(scope, text) : std::string(text);
}

std::string translatedArgs(const char* scope, const char* text, std::initializer_list<std::string_view> args)
{
    const std::string format = translated(scope, text);
    std::string out;
    out.reserve(format.size());
    for (std::size_t i = 0; i < format.size(); ++i)
    {
        const char next = i + 1 < format.size() ? format[i + 1] : '\0';
        const std::size_t index = std::size_t(next - '1');
        if (format[i] == '%' && next >= '1' && next <= '9' && index < args.size())
        {
            out += *(args.begin() + index);
            ++i;
        }
        else
            out += format[i];
    }
    return out;
}
