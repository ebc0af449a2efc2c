#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <type_traits>
#include <utility>
#include <iterator>
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

// One field, with everything about it known at compile time, so that a record unpacks
// into straight shifts and masks (the loader runs this for every record of the file).
template <const auto& Table, std::size_t I, class T>
inline void unpackField(const uint8_t* bytes, T& record)
{
    constexpr auto& f = Table[I];
    constexpr auto member = std::get<f.member.index()>(f.member);
    using V = std::remove_reference_t<decltype(record.*member)>;
    const uint32_t word = readWord(bytes + f.offset, f.wordBytes);
    record.*member = V((word >> f.firstBit) & f.mask());
}

template <const auto& Table, std::size_t I, class T>
inline void packField(const T& record, uint8_t* bytes)
{
    constexpr auto& f = Table[I];
    constexpr auto member = std::get<f.member.index()>(f.member);
    using V = std::remove_reference_t<decltype(record.*member)>;
    uint32_t value;
    if constexpr (std::is_signed_v<V>)
        value = uint32_t(std::make_unsigned_t<V>(record.*member));
    else
        value = uint32_t(record.*member);
    constexpr uint32_t m = f.mask() << f.firstBit;
    const uint32_t word = (readWord(bytes + f.offset, f.wordBytes) & ~m) | ((value << f.firstBit) & m);
    writeWord(bytes + f.offset, f.wordBytes, word);
}

// Whether every field of record holds a value its bits can (a signed field holds every
// value of its type), with the same compile-time shifts and masks as pack and unpack.
template <const auto& Table, class T>
bool allFit(const T& record)
{
    return [&]<std::size_t... I>(std::index_sequence<I...>) {
        const auto fits = [&record]<std::size_t J>(std::integral_constant<std::size_t, J>) {
            constexpr auto& f = Table[J];
            constexpr auto member = std::get<f.member.index()>(f.member);
            using V = std::remove_cvref_t<decltype(record.*member)>;
            if constexpr (std::is_signed_v<V>) return true;
            else return uint64_t(record.*member) <= uint64_t(f.mask());
        };
        return (fits(std::integral_constant<std::size_t, I>{}) && ...);
    }(std::make_index_sequence<std::size(Table)>{});
}

// Whether two records agree in every field of the table, compared member by member as
// the table names them.
template <const auto& Table, class T>
bool sameFields(const T& a, const T& b)
{
    return [&]<std::size_t... I>(std::index_sequence<I...>) {
        return ((a.*std::get<Table[I].member.index()>(Table[I].member) == b.*std::get<Table[I].member.index()>(Table[I].member)) && ...);
    }(std::make_index_sequence<std::size(Table)>{});
}

// Fills the fields of record from the record bytes. The caller checks the length.
template <const auto& Table, class T>
void unpack(const uint8_t* bytes, T& record)
{
    [&]<std::size_t... I>(std::index_sequence<I...>) {
        (unpackField<Table, I>(bytes, record), ...);
    }(std::make_index_sequence<std::size(Table)>{});
}

// Writes the fields of record into the record bytes; bits the table covers are
// replaced, a value wider than its field is cut to the field's width.
template <const auto& Table, class T>
void pack(const T& record, uint8_t* bytes)
{
    [&]<std::size_t... I>(std::index_sequence<I...>) {
        (packField<Table, I>(record, bytes), ...);
    }(std::make_index_sequence<std::size(Table)>{});
}
} // namespace bitfields
