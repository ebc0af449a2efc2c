#include "util/ByteReader.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

std::string hexOffset(std::size_t offset)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "0x%zX", offset);
    return buf;
}

void CByteReader::require(std::size_t offset, std::size_t length, const char* what) const
{
    if (!has(offset, length))
        throw CReadError(std::string(what) + " at offset " + hexOffset(offset) + " lies past the end of the file ("
                         + std::to_string(m_bytes.size()) + " bytes)",
                         m_source);
}

uint8_t CByteReader::u8(std::size_t offset, const char* what) const
{
    require(offset, 1, what);
    return m_bytes[offset];
}

uint16_t CByteReader::u16(std::size_t offset, const char* what) const
{
    require(offset, 2, what);
    return uint16_t(m_bytes[offset] | (m_bytes[offset + 1] << 8));
}

uint32_t CByteReader::u32(std::size_t offset, const char* what) const
{
    require(offset, 4, what);
    return uint32_t(m_bytes[offset]) | (uint32_t(m_bytes[offset + 1]) << 8) | (uint32_t(m_bytes[offset + 2]) << 16)
           | (uint32_t(m_bytes[offset + 3]) << 24);
}

std::span<const uint8_t> CByteReader::slice(std::size_t offset, std::size_t length, const char* what) const
{
    require(offset, length, what);
    return m_bytes.subspan(offset, length);
}

std::string CByteReader::cString(std::size_t offset, std::size_t maxLength) const
{
    if (offset >= m_bytes.size()) return {};
    const std::size_t available = std::min(maxLength, m_bytes.size() - offset);
    const auto* start = reinterpret_cast<const char*>(m_bytes.data() + offset);
    const void* nul = std::memchr(start, 0, available);
    return std::string(start, nul ? static_cast<const char*>(nul) - start : available);
}

void CByteWriter::ensure(std::size_t end)
{
    if (m_bytes.size() < end) m_bytes.resize(end, 0);
}

void CByteWriter::putU8(std::size_t offset, uint8_t v)
{
    ensure(offset + 1);
    m_bytes[offset] = v;
}

void CByteWriter::putU16(std::size_t offset, uint16_t v)
{
    ensure(offset + 2);
    m_bytes[offset] = uint8_t(v);
    m_bytes[offset + 1] = uint8_t(v >> 8);
}

void CByteWriter::putU32(std::size_t offset, uint32_t v)
{
    ensure(offset + 4);
    for (int i = 0; i < 4; ++i) m_bytes[offset + i] = uint8_t(v >> (8 * i));
}

void CByteWriter::putBytes(std::size_t offset, std::span<const uint8_t> bytes)
{
    ensure(offset + bytes.size());
    if (!bytes.empty()) std::memcpy(m_bytes.data() + offset, bytes.data(), bytes.size());
}

void CByteWriter::appendString(const std::string& s, bool withNul)
{
    appendBytes({reinterpret_cast<const uint8_t*>(s.data()), s.size()});
    if (withNul) m_bytes.push_back(0);
}

void CByteWriter::appendPadded(const std::string& s, std::size_t width)
{
    const std::size_t n = std::min(s.size(), width);
    appendBytes({reinterpret_cast<const uint8_t*>(s.data()), n});
    m_bytes.resize(m_bytes.size() + (width - n), 0);
}
