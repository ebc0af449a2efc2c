#include "kits/JerseyTexture.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "util/ByteReader.h"
#include "util/Format.h"
#include "util/GamePath.h"

using namespace jerseytexture;

CJerseyTexture readJerseyTexture(std::span<const uint8_t> bytes)
{
    CJerseyTexture t;
    const CByteReader in(bytes);
    if (!in.has(0, 4) || std::memcmp(bytes.data(), "SHPI", 4) != 0)
    {
        t.status = CJerseyTextureStatus::NotTexture;
        t.problem = "the file does not begin with SHPI";
        return t;
    }
    if (!in.has(0, kHeaderBytes))
    {
        t.status = CJerseyTextureStatus::NotTexture;
        t.problem = "the file is too short for its directory (" + std::to_string(bytes.size()) + " bytes)";
        return t;
    }
    t.status = CJerseyTextureStatus::Texture;

    std::optional<std::size_t> last;
    for (std::size_t e = 0; e < kDirectoryEntries; ++e)
    {
        const std::size_t entry = kDirectoryOffset + 8 * e;
        if (std::memcmp(bytes.data() + entry, "mjfr", 4) == 0)
            last = in.u32(entry + 4);
    }
    if (!last)
        t.problem = "no directory entry is named mjfr";
    else if (!in.has(*last, kPictureBytes))
        t.problem = "the jersey picture at offset " + hexOffset(*last) + " lies past the end of the file";
    else
        t.pictureOffset = last;

    const std::size_t trailer = in.u16(4);
    if (in.has(trailer, kPresetBlockBytes))
    {
        t.hasTrailer = true;
        t.presetFlag = in.u8(trailer);
        const auto colours = in.slice(trailer + 1, 7, "preset colours");
        std::copy(colours.begin(), colours.end(), t.presetColours.begin());
        const auto rest = in.slice(trailer + 8, 16, "trailer");
        std::copy(rest.begin(), rest.end(), t.trailerRest.begin());
        t.description = in.cString(trailer + kDescriptionOffset, kDescriptionBytes);
    }
    return t;
}

std::string jerseyTextureGamePath(int number)
{
    return formatText("\\Data\\Player\\Textures\\Pk%03d.fsh", number);
}

std::filesystem::path jerseyTexturePath(const std::filesystem::path& gameFolder, int model)
{
    return resolveGamePath(gameFolder, jerseyTextureGamePath(model + 1));
}

CJerseyTexture readJerseyModel(const std::filesystem::path& gameFolder, int model, CFileSystem& fs)
{
    if (model < 0 || model >= kModelCount) return {};
    std::vector<uint8_t> bytes;
    if (!fs.readFile(jerseyTexturePath(gameFolder, model), bytes)) return {};
    return readJerseyTexture(bytes);
}
