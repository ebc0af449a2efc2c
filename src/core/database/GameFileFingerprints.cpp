#include "database/GameFileFingerprints.h"

#include "database/GameFiles.h"
#include "util/GamePath.h"

namespace fs = std::filesystem;

namespace
{
CGameFileFingerprints::CFingerprint fingerprintOf(CFileSystem& files, const fs::path& gameFolder,
                                                  const std::string& gamePath)
{
    CGameFileFingerprints::CFingerprint f;
    f.gamePath = gamePath;
    const fs::path path = resolveGamePath(gameFolder, gamePath);
    CFileStatus st;
    if (!files.status(path, st))
    {
        f.exists = true;  // there, as far as anyone can tell, but not readable
        return f;
    }
    f.exists = st.exists;
    if (!st.exists) return f;
    CFileBytes bytes;
    if (!files.viewFile(path, bytes)) return f;
    f.size = bytes.bytes().size();
    f.checksum = checksumText(bytes.bytes());
    return f;
}
} // namespace

CGameFileFingerprints CGameFileFingerprints::take(const fs::path& gameFolder, const std::string& languageCode,
                                                  CFileSystem& fs)
{
    CGameFileFingerprints out;
    out.m_gameFolder = gameFolder;
    out.m_languageCode = languageCode;
    for (const std::string& gamePath : {std::string(gamepaths::kDatabaseFile), gamepaths::nameFilePath(languageCode),
                                        gamepaths::playerNameFilePath(languageCode)})
        out.m_files.push_back(fingerprintOf(fs, gameFolder, gamePath));
    return out;
}

std::vector<std::string> CGameFileFingerprints::changedFiles(CFileSystem& fs) const
{
    std::vector<std::string> changed;
    for (const CFingerprint& then : m_files)
    {
        const CFingerprint now = fingerprintOf(fs, m_gameFolder, then.gamePath);
        if (!now.exists) continue;
        // A file unreadable both times is not known to be unchanged either.
        if (!(now == then) || (now.exists && now.checksum.empty())) changed.push_back(then.gamePath);
    }
    return changed;
}
