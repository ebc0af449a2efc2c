#pragma once

#include <array>
#include <cstdint>
#include <optional>

// The game's kit colours: 23 colours (0..22), each a ramp of 16 shades, darkest first.
// A kit picture holds seven such ramps at fixed palette indexes, one per kit colour slot,
// and is recoloured by overwriting them.

struct CRgb
{
    uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const CRgb&, const CRgb&) = default;
};

namespace kitpalette
{
constexpr int kColourCount = 23;  // kit colour values 0..22
constexpr int kShadeCount = 16;
constexpr int kSlotCount = 7;     // jersey 1..3, shorts 1..2, socks 1..2
constexpr int kFirstRampIndex = 32;
constexpr int kLastRampIndex = kFirstRampIndex + kSlotCount * kShadeCount - 1;  // 143
constexpr int kBlack = 22;

// The colour picker offers one entry more than there are colours: "Not Used", which
// stores Black.
constexpr int kPickerEntryCount = 24;
constexpr int kNotUsedEntry = 23;

// Slots are numbered 1..7 as the kit lists them.
constexpr int kJerseySlot1 = 1, kJerseySlot2 = 2, kJerseySlot3 = 3;
constexpr int kShortsSlot1 = 4, kShortsSlot2 = 5;
constexpr int kSocksSlot1 = 6, kSocksSlot2 = 7;
}  // namespace kitpalette

// True for the values 0..22 that name a kit colour.
constexpr bool isKitColour(int value) { return value >= 0 && value < kitpalette::kColourCount; }

// First palette index of the ramp of slot 1..7.
constexpr int rampFirstIndex(int slot) { return kitpalette::kFirstRampIndex + kitpalette::kShadeCount * (slot - 1); }

// The 16 shades of kit colour 0..22 (darkest first); colour must be a kit colour.
const std::array<CRgb, kitpalette::kShadeCount>& kitRamp(int colour);

// The picker's entries 0..23 by name ("Pink" .. "Black", "Not Used") and the colour its
// button shows; nullptr / black outside the range.
// Marked for translation under "kitpalette"; the picker shows it translated.
const char* kitColourName(int entry);
CRgb kitColourButtonRgb(int entry);

// What a picker entry stores in the team record: Not Used stores Black.
constexpr int kitColourForPickerEntry(int entry) { return entry == kitpalette::kNotUsedEntry ? kitpalette::kBlack : entry; }

// The league tree's swatches: 24 entries indexed by the raw kit colour value. Records can
// hold values up to 31; those have no swatch colour and the caller decides what to show.
std::optional<CRgb> swatchColour(int value);
constexpr int kSwatchCount = 24;
