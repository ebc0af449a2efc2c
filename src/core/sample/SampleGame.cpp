#include "sample/SampleGame.h"

#include <cstdio>
#include <system_error>
#include <vector>

#include "sample/SampleExchange.h"
#include "sample/SampleFiles.h"
#include "sample/SampleTextures.h"
#include "sample/SampleWorld.h"
#include "util/FileCommit.h"
#include "util/PathText.h"

namespace
{

namespace fs = std::filesystem;

// Replaced as every other file the program writes, never written through what is at the
// name; not flushed, as a sample can always be made again.
std::optional<std::string> writeWhole(const fs::path& path, const std::vector<uint8_t>& bytes)
{
    return replaceFile(CFileSystem::unflushed(), path, bytes, "sample");
}

}  // namespace

std::optional<std::string> writeSampleGame(const std::filesystem::path& folder, const CSampleOptions& options)
{
    const CSampleWorld world = buildSampleWorld(options);

    std::vector<std::pair<fs::path, std::vector<uint8_t>>> files;
    const fs::path fe = folder / "DATA" / "CMN" / "FE";
    files.emplace_back(fe / "FCDB.DBI", makeSampleDatabaseFile(world));
    for (CSampleLanguage language : kSampleLanguages)
        files.emplace_back(fe / (std::string("FCDB_") + sampleLanguageCode(language) + ".DBI"),
                           makeSampleNameFile(world, language));
    files.emplace_back(fe / "FCDBPENG.DBI", makeSamplePlayerNameFile(world, false));
    files.emplace_back(fe / "FCDBPJAP.DBI", makeSamplePlayerNameFile(world, true));
    files.emplace_back(folder / "DATA" / "AUDIO" / "SPEECH" / "PLAYERS.OFF", makeSampleSpeechIndex(world));

    // The textures draw from their own generator so that the database content does not
    // change their colours.
    CSampleRandom textures(options.seed ^ 0x6A657273ull);
    for (int model = 0; model < 64; ++model)
    {
        char name[16];
        std::snprintf(name, sizeof name, "Pk%03d.fsh", model + 1);
        files.emplace_back(folder / "DATA" / "Player" / "Textures" / name, makeSampleJerseyTexture(model, textures));
    }

    // Files to try the imports with, in USER beside DATA as the game lays it out.
    for (auto& [relative, bytes] : makeSampleUserFiles(world, options.seed))
        files.emplace_back(folder / "USER" / pathFromUtf8(relative), std::move(bytes));

    for (const auto& [path, bytes] : files)
    {
        std::error_code error;
        fs::create_directories(path.parent_path(), error);
        if (error)
            return "Cannot create the folder " + utf8FromPath(path.parent_path()) + ": " + error.message();
        if (auto failed = writeWhole(path, bytes))
            return failed;
    }
    return std::nullopt;
}
