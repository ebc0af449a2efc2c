#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The byte-oriented LZ77 form in which users share the DB exchange files. Other users'
// tools write and read it, so both directions follow it bit for bit.

namespace packedcodec
{
// The window of the longest-reaching copy command.
constexpr std::size_t kMaxDistance = 131072;
constexpr std::size_t kMaxCopyLength = 1028;
// Beyond this the header needs its 4-byte size fields.
constexpr std::size_t kMaxShortLength = 0xFFFFFF;
// Memory set aside up front whatever the header announces; more is taken only as the
// stream actually produces output.
constexpr std::size_t kMaxUpFront = std::size_t(64) << 20;
}  // namespace packedcodec

enum class CPackedProblem
{
    None,
    NotPacked,        // no header of a known type
    ReadsPastInput,   // a header, command or literal run that the input is too short for
    CopyBeforeStart,  // a copy that reaches back before the first byte of the output
    Overrun,          // output beyond the length the header announces
    EndsEarly,        // the stop command comes before the announced length is reached
    TooLarge,         // the header announces more than the caller's limit
};

struct CUnpackResult
{
    CPackedProblem problem = CPackedProblem::None;
    std::string message;  // for the user; empty on success
    std::vector<uint8_t> data;

    bool ok() const { return problem == CPackedProblem::None; }
};

// True when the bytes begin with one of the four header types.
bool hasPackedHeader(std::span<const uint8_t> bytes);

// The unpacked length the header announces, in whichever of its four forms it is;
// nothing when the bytes do not begin with a whole header.
std::optional<std::size_t> packedUnpackedLength(std::span<const uint8_t> bytes);

// A header announcing more than limit bytes is refused (TooLarge) before any of the
// stream is read or any memory is set aside for it.
CUnpackResult unpackBytes(std::span<const uint8_t> packed, std::size_t limit = SIZE_MAX);

// 0x10FB, or 0x90FB when the length needs more than 24 bits.
std::vector<uint8_t> packedHeader(std::size_t unpackedLength);

std::vector<uint8_t> packBytes(std::span<const uint8_t> data);
