#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

// Thrown by the bounds-checked reader; format readers catch it at their edge and turn
// it into an error that names the file.
class CReadError : public std::runtime_error
{
public:
    explicit CReadError(const std::string& what, int source = 0) : std::runtime_error(what), m_source(source) {}
    // The tag of the reader that failed, so that a reader of several files can say which.
    int source() const { return m_source; }

private:
    int m_source;
};

// Little-endian reads over a byte span. Every access is checked; nothing reads past
// the end.
class CByteReader
{
public:
    CByteReader() = default;
    explicit CByteReader(std::span<const uint8_t> bytes, int source = 0) : m_bytes(bytes), m_source(source) {}

    int source() const { return m_source; }

    std::size_t size() const { return m_bytes.size(); }
    std::span<const uint8_t> bytes() const { return m_bytes; }

    bool has(std::size_t offset, std::size_t length) const
    {
        return offset <= m_bytes.size() && length <= m_bytes.size() - offset;
    }
    void require(std::size_t offset, std::size_t length, const char* what) const;

    uint8_t u8(std::size_t offset, const char* what = "byte") const;
    uint16_t u16(std::size_t offset, const char* what = "16-bit number") const;
    uint32_t u32(std::size_t offset, const char* what = "32-bit number") const;
    std::span<const uint8_t> slice(std::size_t offset, std::size_t length, const char* what) const;

    // Bytes from offset up to the first NUL, at most maxLength of them; bytes past the
    // end of the data count as NUL, as a zero-filled read buffer would.
    std::string cString(std::size_t offset, std::size_t maxLength) const;

private:
    std::span<const uint8_t> m_bytes;
    int m_source = 0;
};

// Little-endian writes into a growing byte vector, as writes into a file opened for
// update: a write past the end extends it (with zeros in any gap).
class CByteWriter
{
public:
    explicit CByteWriter(std::vector<uint8_t>& bytes) : m_bytes(bytes) {}

    std::size_t size() const { return m_bytes.size(); }
    void putU8(std::size_t offset, uint8_t v);
    void putU16(std::size_t offset, uint16_t v);
    void putU32(std::size_t offset, uint32_t v);
    void putBytes(std::size_t offset, std::span<const uint8_t> bytes);
    void appendU32(uint32_t v) { putU32(m_bytes.size(), v); }
    void appendBytes(std::span<const uint8_t> bytes) { putBytes(m_bytes.size(), bytes); }
    void appendString(const std::string& s, bool withNul);
    void appendPadded(const std::string& s, std::size_t width);

private:
    void ensure(std::size_t end);
    std::vector<uint8_t>& m_bytes;
};

std::string hexOffset(std::size_t offset);
