#pragma once

#include <filesystem>
#include <string>

#include "kits/KitPicture.h"
#include "util/FileCommit.h"

// Our own pictures of the shorts (SHMD1..5) and socks (SKMD1..4) models for the team
// page's picture lists. The game has no such pictures and the editor always expected
// them to be there, so we draw them: 64 x 64, 8-bit, shorts in the ramps of shorts
// colours 1 and 2, socks in those of socks colours 1 and 2, on a plain light background.

namespace kitartwork
{
constexpr int kShortsModels = 5;  // plain, side stripes, two-tone halves, trim bands, side panels
constexpr int kSocksModels = 4;   // plain, hoops, top band, two-tone
constexpr int kSize = 64;
constexpr int kBackground = 0;     // palette index behind the garment, outside the ramps
}  // namespace kitartwork

CKitImage drawShortsArtwork(int model);  // 0..4
CKitImage drawSocksArtwork(int model);   // 0..3

struct CKitArtworkResult
{
    int written = 0;
    std::string problem;  // the first file that could not be written, if any
};

// Writes whichever of SHMD1..5.bmp and SKMD1..4.bmp are missing from the jerseys folder
// (looked up without regard to case), each renamed into place whole (unflushed, as they
// can be drawn again), creating the folder when needed.
// Pictures already there are the user's and are left alone.
CKitArtworkResult ensureKitArtwork(const std::filesystem::path& jerseysFolder, CFileSystem& fs = CFileSystem::unflushed());
