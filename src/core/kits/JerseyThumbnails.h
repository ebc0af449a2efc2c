#pragma once

#include "util/Translatable.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "util/FileCommit.h"

// "Make Jersey Thumbnails": each texture's jersey picture as a 64 x 64, 8-bit bitmap
// "mjfr<n>.bmp" in the jerseys folder, for the team page's picture lists.

constexpr std::size_t kJerseyThumbnailBytes = 54 + 1024 + 4096;  // 5174

// The thumbnail of one texture file, or nothing when the bytes are not a texture with a
// whole jersey picture (see CJerseyTexture::pictureOffset).
std::optional<std::vector<uint8_t>> makeJerseyThumbnail(std::span<const uint8_t> texture);

// "mjfr<number>.bmp", number 1..64.
std::string jerseyThumbnailFileName(int number);

// Writes the thumbnails of textures 1..64 into jerseysFolder, creating the folder when it
// is missing. Each file is written beside its target and renamed over it, so an existing
// thumbnail is never left half written (not flushed: the textures are there to make them
// again). A texture that is missing, unreadable or not a
// whole picture, and a target that cannot be written, are skipped; each gets a line in
// skipped (when given) saying which texture and why. Returns the count written.
int makeJerseyThumbnails(const std::filesystem::path& gameFolder, const std::filesystem::path& jerseysFolder,
                         CFileSystem& fs = CFileSystem::unflushed(), std::vector<std::string>* skipped = nullptr);

// The message after Make Jersey Thumbnails skipped some textures; empty when none were.
std::string skippedThumbnailsMessage(const std::vector<std::string>& skipped);

namespace thumbnailtexts
{
inline constexpr const char* kSkipped = QT_TRANSLATE_NOOP("thumbnailtexts", "%1 of the 64 jersey thumbnails could not be made:\n%2");
inline constexpr const char* kNotAPicture = QT_TRANSLATE_NOOP("thumbnailtexts", "%1: not a texture with a whole jersey picture");
} // namespace thumbnailtexts
