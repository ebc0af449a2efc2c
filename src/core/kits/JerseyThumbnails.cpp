#include "kits/JerseyThumbnails.h"
#include "util/Translatable.h"

#include "util/Format.h"

#include <system_error>

#include "kits/JerseyTexture.h"
#include "util/ByteReader.h"
#include "util/GamePath.h"
#include "util/PathText.h"

using namespace jerseytexture;

std::optional<std::vector<uint8_t>> makeJerseyThumbnail(std::span<const uint8_t> texture)
{
    const CJerseyTexture t = readJerseyTexture(texture);
    if (t.status != CJerseyTextureStatus::Texture || !t.pictureOffset) return std::nullopt;
    const std::size_t p = *t.pictureOffset;

    std::vector<uint8_t> out;
    out.reserve(kJerseyThumbnailBytes);
    CByteWriter w(out);
    w.appendBytes(std::span<const uint8_t>(reinterpret_cast<const uint8_t*>("BM"), 2));
    w.appendU32(kJerseyThumbnailBytes);
    w.appendU32(0);     // two reserved 16-bit zeros
    w.appendU32(1078);  // pixel data offset
    w.appendU32(40);
    w.appendU32(kPictureSize);
    w.appendU32(kPictureSize);
    w.putU16(w.size(), 1);
    w.putU16(w.size(), 8);
    w.appendU32(0);  // no compression
    w.appendU32(kPictureSize * kPictureSize);
    w.appendU32(0);
    w.appendU32(0);
    w.appendU32(256);
    w.appendU32(256);

    // The texture's fourth palette byte means something to the game, not to a bitmap.
    const auto palette = texture.subspan(p + kPaletteOffset, 256 * 4);
    for (std::size_t i = 0; i < 256; ++i)
    {
        const uint8_t entry[4] = {palette[4 * i], palette[4 * i + 1], palette[4 * i + 2], 0};
        w.appendBytes(entry);
    }
    for (int row = kPictureSize - 1; row >= 0; --row)
        w.appendBytes(texture.subspan(p + kPixelsOffset + std::size_t(kPictureSize) * std::size_t(row), kPictureSize));
    return out;
}

std::string jerseyThumbnailFileName(int number)
{
    return "mjfr" + std::to_string(number) + ".bmp";
}

int makeJerseyThumbnails(const std::filesystem::path& gameFolder, const std::filesystem::path& jerseysFolder,
                         CFileSystem& fs, std::vector<std::string>* skipped)
{
    auto skip = [&](std::string why) {
        if (skipped) skipped->push_back(std::move(why));
    };
    std::error_code ec;
    std::filesystem::create_directories(jerseysFolder, ec);
    int written = 0;
    for (int number = 1; number <= kModelCount; ++number)
    {
        std::vector<uint8_t> texture;
        const auto source = jerseyTexturePath(gameFolder, number - 1);
        if (!fs.readFile(source, texture))
        {
            skip(fileFailure(source, "read", errno));
            continue;
        }
        const auto thumbnail = makeJerseyThumbnail(texture);
        if (!thumbnail)
        {
            skip(translatedArgs("thumbnailtexts", thumbnailtexts::kNotAPicture, {utf8FromPath(source)}));
            continue;
        }
        // An existing "MJFR1.BMP" is the same picture to the picture lists, so it is
        // replaced rather than joined by a second file.
        const auto target = resolveGamePath(jerseysFolder, jerseyThumbnailFileName(number));
        const auto failed = commitFiles(fs, {{target, *thumbnail, {}}}, "thumbnail");
        if (!failed)
            ++written;
        else
            skip(*failed);
    }
    return written;
}

std::string skippedThumbnailsMessage(const std::vector<std::string>& skipped)
{
    if (skipped.empty()) return {};
    std::string list;
    for (const auto& s : skipped) list += (list.empty() ? "" : "\n") + s;
    return translatedArgs("thumbnailtexts", thumbnailtexts::kSkipped, {std::to_string(int(skipped.size())), list});
}
