#include "editing/TextOrder.h"

#include "util/TextCodec.h"

namespace
{
unsigned char foldUpper(unsigned char c, CTextEncoding encoding)
{
    if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 'a' + 'A');
    if (encoding != CTextEncoding::Windows1252) return c;
    // Latin letters with accents: lower case sits 0x20 above upper case, except the
    // division sign; y with diaeresis and the few Windows-only letters have their own places.
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 0x20);
    if (c == 0xFF) return 0x9F;
    if (c == 0x9A || c == 0x9C || c == 0x9E) return static_cast<unsigned char>(c - 0x10);
    return c;
}
}  // namespace

int compareNoCase(std::string_view a, std::string_view b, CTextEncoding encoding)
{
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i)
    {
        const unsigned char x = foldUpper(static_cast<unsigned char>(a[i]), encoding);
        const unsigned char y = foldUpper(static_cast<unsigned char>(b[i]), encoding);
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    return 0;
}

bool lessNoCase(std::string_view a, std::string_view b, CTextEncoding encoding)
{
    return compareNoCase(a, b, encoding) < 0;
}

std::string upperCase(std::string_view text, CTextEncoding encoding)
{
    std::string out(text);
    if (encoding == CTextEncoding::ShiftJis)
    {
        // Only single-byte characters change; a lead byte takes its trail byte along.
        for (std::size_t i = 0; i < out.size(); ++i)
        {
            const auto c = static_cast<unsigned char>(out[i]);
            if ((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) { ++i; continue; }
            out[i] = static_cast<char>(foldUpper(c, encoding));
        }
        return out;
    }
    for (char& c : out) c = static_cast<char>(foldUpper(static_cast<unsigned char>(c), encoding));
    return out;
}
