#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

// A small JSON writer for the commands' output: keys and values in the order given,
// strings escaped, no pretty printing.
class CJson
{
public:
    explicit CJson(std::string& out) : m_out(out) {}
    void key(const char* k)
    {
        sep();
        m_out += '"';
        m_out += k;
        m_out += "\":";
        m_first = true;
    }
    void num(int64_t v)
    {
        sep();
        m_out += std::to_string(v);
    }
    void str(const std::string& utf8)
    {
        sep();
        m_out += '"';
        for (unsigned char c : utf8)
        {
            if (c == '"' || c == '\\')
            {
                m_out += '\\';
                m_out += char(c);
            }
            else if (c < 0x20)
            {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                m_out += buf;
            }
            else
                m_out += char(c);
        }
        m_out += '"';
    }
    template <class Range> void numbers(const Range& r)
    {
        open('[');
        for (auto v : r) num(int64_t(v));
        close(']');
    }
    void open(char c)
    {
        sep();
        m_out += c;
        m_first = true;
    }
    void close(char c)
    {
        m_out += c;
        m_first = false;
    }
    void newline() { m_out += '\n'; }

private:
    void sep()
    {
        if (!m_first) m_out += ',';
        m_first = false;
    }
    std::string& m_out;
    bool m_first = true;
};
