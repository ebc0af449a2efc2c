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
