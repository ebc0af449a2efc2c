#pragma once

#include "util/FileCommit.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// What the game's database files held when the editor read them (FCDB.DBI, the name
// file and the player name file of the language in use), so that a save can tell
// whether another program changed them since: the editor keeps the database in memory
// for as long as it is open, and a save over someone else's would lose their work.
//
// A file counts as changed when it appeared or holds other bytes (size and checksum). A
// file that went is not: nothing another program saved is lost by writing it again (and
// a save that needs to read it says so itself). The modification time is not used: a
// program that wrote the same bytes again changed nothing a save could lose, and an
// unchanged time (a copying tool sets it back) proves nothing about the bytes. The files
// are small (under a megabyte on the full sample), so reading them again costs little.
class CGameFileFingerprints
{
public:
    struct CFingerprint
    {
        std::string gamePath;  // "\DATA\CMN\FE\FCDB.DBI"
        bool exists = false;
        uint64_t size = 0;
        std::string checksum;
        bool operator==(const CFingerprint& other) const
        {
            return gamePath == other.gamePath && exists == other.exists && size == other.size
                   && checksum == other.checksum;
        }
    };

    CGameFileFingerprints() = default;
    // The files as they are now. A file that cannot be read gets an empty checksum, so
    // that it counts as changed against any fingerprint of it taken while it could be.
    static CGameFileFingerprints take(const std::filesystem::path& gameFolder, const std::string& languageCode,
                                      CFileSystem& fs = CFileSystem::real());

    bool empty() const { return m_files.empty(); }
    const std::vector<CFingerprint>& files() const { return m_files; }
    // The game paths of the files that differ on disk now, in the order taken; empty
    // when none does (or nothing was taken).
    std::vector<std::string> changedFiles(CFileSystem& fs = CFileSystem::real()) const;

private:
    std::filesystem::path m_gameFolder;
    std::string m_languageCode;
    std::vector<CFingerprint> m_files;
};
