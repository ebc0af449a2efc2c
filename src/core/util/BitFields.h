#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <type_traits>
#include <variant>

// A bit-packed record described once as a table: each field names the little-endian
// word it lives in (byte offset and width of the word), its first bit and its width.
// The same table drives unpacking and packing, so packing is the inverse by
// construction.
template <class T>
struct CBitField
{
    using Member = std::variant<uint32_t T::*, uint16_t T::*, uint8_t T::*, int16_t T::*>;

    const char* name;
    uint16_t offset;    // byte offset of the word in the record
    uint8_t wordBytes;  // 2 or 4
    uint8_t firstBit;
    uint8_t width;
    Member member;

    constexpr uint32_t mask() const { return width >= 32 ? 0xFFFFFFFFu : ((1u << width) - 1u); }
};

namespace bitfields
{
inline uint32_t readWord(const uint8_t* p, unsigned bytes)
{
    uint32_t v = 0;
    for (unsigned i = 0; i < bytes; ++i) v |= uint32_t(p[i]) << (8 * i);
    return v;
}

inline void writeWord(uint8_t* p, unsigned bytes, uint32_t v)
{
    for (unsigned i = 0; i < bytes; ++i) p[i] = uint8_t(v >> (8 * i));
}

template <class T>
uint32_t get(const T& record, const typename CBitField<T>::Member& member)
{
    return std::visit([&](auto m) -> uint32_t {
        if constexpr (std::is_same_v<decltype(m), int16_t T::*>)
            return uint16_t(record.*m);
        else
            return uint32_t(record.*m);
    }, member);
}

template <class T>
void set(T& record, const typename CBitField<T>::Member& member, uint32_t value)
{
    std::visit([&](auto m) {
        using V = std::remove_reference_t<decltype(record.*m)>;
        record.*m = V(value);
    }, member);
}

// Fills the fields of record from the record bytes. The caller checks the length.
template <class T, std::size_t N>
void unpack(const CBitField<T> (&table)[N], const uint8_t* bytes, T& record)
{
    for (const auto& f : table)
    {
        const uint32_t word = readWord(bytes + f.offset, f.wordBytes);
        set(record, f.member, (word >> f.firstBit) & f.mask());
    }
}

// Writes the fields of record into the record bytes; bits the table covers are
// replaced, a value wider than its field is cut to the field's width.
template <class T, std::size_t N>
void pack(const CBitField<T> (&table)[N], const T& record, uint8_t* bytes)
{
    for (const auto& f : table)
    {
        uint32_t word = readWord(bytes + f.offset, f.wordBytes);
        const uint32_t m = f.mask() << f.firstBit;
        word = (word & ~m) | ((get(record, f.member) << f.firstBit) & m);
        writeWord(bytes + f.offset, f.wordBytes, word);
    }
}
} // namespace bitfields
