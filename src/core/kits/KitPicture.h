#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "kits/KitPalette.h"
#include "util/FileCommit.h"

// Kit pictures: 8-bit palettised bitmaps whose palette indexes 32..143 hold the seven kit
// colour ramps, drawn in a team's colours by overwriting those ramps.

struct CKitImage
{
    int width = 0;
    int height = 0;
    std::array<CRgb, 256> palette{};  // entries past the file's colour table are black
    std::vector<uint8_t> pixels;      // width * height indexes, top row first
};

struct CKitImageResult
{
    std::optional<CKitImage> image;
    std::string problem;  // set when there is no image
};

// Reads an uncompressed 8-bit bitmap (file header "BM" and an information header of 40
// bytes or more). Anything else, and anything truncated, is refused with a reason.
CKitImageResult readKitBitmap(std::span<const uint8_t> bytes);

// An 8-bit bitmap of the image with all 256 palette entries, bottom row first.
std::vector<uint8_t> writeKitBitmap(const CKitImage& image);

// The colour of each slot 1..7 (index 0..6); an empty slot keeps the file's colours.
using CKitSlotColours = std::array<std::optional<int>, kitpalette::kSlotCount>;

// The seven kit colours in slot order: jersey 1..3, shorts 1..2, socks 1..2.
using CKitColours = std::array<int, kitpalette::kSlotCount>;

// The slots each kind of picture list sets from a kit; the others stay empty.
CKitSlotColours jerseyListSlots(const CKitColours& kit);  // all seven
CKitSlotColours shortsListSlots(const CKitColours& kit);  // slots 4 and 5
CKitSlotColours socksListSlots(const CKitColours& kit);   // slots 6 and 7

// Overwrites the 16 ramp entries of every set slot with its colour's shades, shade 0 at
// the slot's first index. A value that is not a kit colour (a record can hold up to 31;
// the picker's Not Used is stored as Black and never gets here) leaves the slot as the
// file has it: guessing a colour would show a kit the game does not.
void recolourKitImage(CKitImage& image, const CKitSlotColours& slots);

CKitImageResult drawKitPicture(std::span<const uint8_t> bmpBytes, const CKitSlotColours& slots);
CKitImageResult drawKitPictureFile(const std::filesystem::path& file, const CKitSlotColours& slots,
                                   CFileSystem& fs = CFileSystem::real());

// What a picture list shows instead of a picture that cannot be drawn: the list's kind
// and the model number + 1.
constexpr const char* kKitPictureFallbackFormat = "Jersey %d";
constexpr const char* kShortsPictureFallbackFormat = "Shorts %d";
constexpr const char* kSocksPictureFallbackFormat = "Socks %d";
std::string kitPictureFallbackText(int number, const char* format = kKitPictureFallbackFormat);

// "<jerseysFolder>/<prefix><number>.bmp" found without regard to case, with the prefixes
// "MJFR" (1..64), "SHMD" (1..5) and "SKMD" (1..4).
std::filesystem::path kitPicturePath(const std::filesystem::path& jerseysFolder, const std::string& prefix, int number);
