#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

#include "util/FileCommit.h"

// The game's jersey texture files "\Data\Player\Textures\Pk001.fsh" .. "Pk064.fsh": a texture
// archive whose directory names the jersey picture "mjfr", followed by a trailer that the
// jersey editor writes with the model's preset colours and description. We only read them.

namespace jerseytexture
{
constexpr int kModelCount = 64;
constexpr std::size_t kDirectoryOffset = 16;
constexpr std::size_t kDirectoryEntries = 14;
constexpr std::size_t kHeaderBytes = kDirectoryOffset + kDirectoryEntries * 8;  // 128
constexpr int kPictureSize = 64;
constexpr std::size_t kPixelsOffset = 16;     // from the picture entry
constexpr std::size_t kPaletteOffset = 4128;  // from the picture entry
constexpr std::size_t kPictureBytes = kPaletteOffset + 256 * 4;
constexpr std::size_t kPresetBlockBytes = 24;
constexpr std::size_t kDescriptionOffset = 24;  // from the trailer
constexpr std::size_t kDescriptionBytes = 256;
}  // namespace jerseytexture

enum class CJerseyTextureStatus
{
    NoFile,      // the file is missing or cannot be read
    NotTexture,  // not "SHPI", or too short for its header and directory
    Texture,
};

struct CJerseyTexture
{
    CJerseyTextureStatus status = CJerseyTextureStatus::NoFile;
    std::string problem;  // why the file is not a texture, for messages and logs

    // Offset of the jersey picture: the last directory entry named "mjfr", present only
    // when its pixels and palette lie wholly within the file. A texture without one has
    // nothing to make a thumbnail from.
    std::optional<std::size_t> pictureOffset;

    // The trailer begins at the low 16 bits of bytes 4..7 (as the game's tools read it,
    // so a texture part of 64 KB or more points into the picture data; we read what is
    // there just as they do). An offset whose 24-byte preset block does not fit in the
    // file means there is no trailer: no presets and no description.
    bool hasTrailer = false;
    uint8_t presetFlag = 0;
    std::array<uint8_t, 7> presetColours{};  // jersey 1..3, shorts 1..2, socks 1..2, raw
    std::array<uint8_t, 16> trailerRest{};
    // Up to the NUL, at most 256 bytes, cut short by the end of the file; 8-bit text.
    std::string description;

    // Only a flag of exactly 1 offers presets. The colours are raw bytes and may lie
    // outside 0..22 in a hand-edited file; the caller checks them before use.
    bool hasPresetColours() const { return hasTrailer && presetFlag == 1; }
};

// Reads a texture from its bytes; never reads past their end.
CJerseyTexture readJerseyTexture(std::span<const uint8_t> bytes);

// "\Data\Player\Textures\Pk%03d.fsh" for the file number 1..64 (model + 1).
std::string jerseyTextureGamePath(int number);

// The texture of model 0..63 below the game folder, found without regard to case.
std::filesystem::path jerseyTexturePath(const std::filesystem::path& gameFolder, int model);

// Reads the texture of model 0..63; NoFile when it is missing or unreadable.
CJerseyTexture readJerseyModel(const std::filesystem::path& gameFolder, int model,
                               CFileSystem& fs = CFileSystem::real());
