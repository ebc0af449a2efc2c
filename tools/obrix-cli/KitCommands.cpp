#include "KitCommands.h"

#include <filesystem>
#include <iostream>
#include <optional>
#include <system_error>

#include "kits/JerseyThumbnails.h"
#include "kits/KitArtwork.h"
#include "kits/KitPicture.h"
#include "util/FileCommit.h"
#include "util/PathText.h"

namespace
{

int usageError(const std::string& problem, const char* usage)
{
    std::cerr << "obrix-cli: " << problem << "\nusage: " << usage << "\n";
    return 2;
}

constexpr const char* kThumbnailsUsage = "obrix-cli thumbnails DIR OUTDIR";
constexpr const char* kKitUsage =
    "obrix-cli kit BMPFILE --colours c1,c2,c3,c4,c5,c6,c7 OUT.bmp\n"
    "  each c is a kit colour 0..22, or - to keep the picture's own colours in that slot";

// "3,-,22,..." into seven slots; nothing when it is not exactly seven valid entries.
std::optional<CKitSlotColours> parseColours(const std::string& text)
{
    CKitSlotColours slots;
    std::size_t start = 0;
    std::size_t slot = 0;
    while (true)
    {
        const std::size_t comma = text.find(',', start);
        const std::string item = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        if (slot >= slots.size() || item.empty()) return std::nullopt;
        if (item != "-")
        {
            if (item.size() > 2 || item.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
            const int value = std::stoi(item);
            if (!isKitColour(value)) return std::nullopt;
            slots[slot] = value;
        }
        ++slot;
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    if (slot != slots.size()) return std::nullopt;
    return slots;
}

}  // namespace

int runThumbnails(const std::vector<std::string>& args)
{
    if (args.size() != 2) return usageError("thumbnails needs a game folder and an output folder", kThumbnailsUsage);
    const std::filesystem::path game = pathFromUtf8(args[0]);
    const std::filesystem::path out = pathFromUtf8(args[1]);
    std::error_code ec;
    if (!std::filesystem::is_directory(game, ec))
    {
        std::cerr << "obrix-cli: " << utf8FromPath(game) << " is not a folder\n";
        return 1;
    }
    std::vector<std::string> skipped;
    const int thumbnails = makeJerseyThumbnails(game, out, CFileSystem::real(), &skipped);
    if (!skipped.empty()) std::cerr << "obrix-cli: " << skippedThumbnailsMessage(skipped) << "\n";
    // A texture that could not be read is a failure of the command, as any unreadable file is.
    const bool texturesRead = skipped.empty();
    const CKitArtworkResult artwork = ensureKitArtwork(out);
    std::cout << "wrote " << thumbnails << " jersey thumbnails and " << artwork.written << " kit pictures to "
              << utf8FromPath(out) << "\n";
    if (!artwork.problem.empty())
    {
        std::cerr << "obrix-cli: " << artwork.problem << "\n";
        return 1;
    }
    return texturesRead ? 0 : 1;
}

int runKit(const std::vector<std::string>& args)
{
    std::vector<std::string> files;
    std::optional<CKitSlotColours> slots;
    for (std::size_t i = 0; i < args.size(); ++i)
    {
        if (args[i] == "--colours")
        {
            if (i + 1 >= args.size()) return usageError("--colours needs seven colours", kKitUsage);
            slots = parseColours(args[++i]);
            if (!slots) return usageError("the colours are seven kit colours 0..22 or -, separated by commas", kKitUsage);
        }
        else if (args[i].size() > 1 && args[i][0] == '-')
            return usageError("unknown option " + args[i], kKitUsage);
        else
            files.push_back(args[i]);
    }
    if (files.size() != 2) return usageError("kit needs a picture and an output file", kKitUsage);
    if (!slots) return usageError("kit needs --colours", kKitUsage);

    const CKitImageResult drawn = drawKitPictureFile(pathFromUtf8(files[0]), *slots, CFileSystem::userChosen());
    if (!drawn.image)
    {
        std::cerr << "obrix-cli: " << files[0] << ": " << drawn.problem << "\n";
        return 1;
    }
    const auto failed = commitFiles(CFileSystem::real(), {{pathFromUtf8(files[1]), writeKitBitmap(*drawn.image), "cannot write " + files[1]}});
    if (failed)
    {
        std::cerr << "obrix-cli: " << *failed << "\n";
        return 1;
    }
    std::cout << "wrote " << files[1] << " (" << drawn.image->width << " x " << drawn.image->height << ")\n";
    return 0;
}
