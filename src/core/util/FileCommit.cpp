#include "util/FileCommit.h"

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

bool CFileSystem::readFile(const fs::path& path, std::vector<uint8_t>& out)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::error_code ec;
    const auto size = fs::file_size(path, ec);
    if (ec) return false;
    out.resize(static_cast<std::size_t>(size));
    if (size && !in.read(reinterpret_cast<char*>(out.data()), std::streamsize(size))) return false;
    // A file that grew meanwhile is read whole as well.
    char extra;
    while (in.read(&extra, 1)) out.push_back(uint8_t(extra));
    return true;
}

bool CFileSystem::writeFileDurably(const fs::path& path, std::span<const uint8_t> bytes)
{
#ifdef _WIN32
    std::FILE* f = _wfopen(path.c_str(), L"wbc");  // "c": fflush commits to disk
    if (!f) return false;
    bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = std::fflush(f) == 0 && ok;
    ok = _commit(_fileno(f)) == 0 && ok;
    ok = std::fclose(f) == 0 && ok;
    return ok;
#else
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    std::size_t done = 0;
    bool ok = true;
    while (done < bytes.size())
    {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0)
        {
            if (errno == EINTR) continue;
            ok = false;
            break;
        }
        done += std::size_t(n);
    }
    ok = ok && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    return ok;
#endif
}

bool CFileSystem::replaceFile(const fs::path& from, const fs::path& to)
{
    std::error_code ec;
    fs::rename(from, to, ec);
    if (ec) return false;
#ifndef _WIN32
    // Make the rename itself durable.
    const int dir = ::open(to.parent_path().empty() ? "." : to.parent_path().c_str(), O_RDONLY | O_CLOEXEC);
    if (dir >= 0)
    {
        ::fsync(dir);
        ::close(dir);
    }
#endif
    return true;
}

bool CFileSystem::removeFile(const fs::path& path)
{
    std::error_code ec;
    return fs::remove(path, ec);
}

bool CFileSystem::keepAside(const fs::path& path, const fs::path& aside)
{
    std::error_code ec;
    fs::remove(aside, ec);
    fs::create_hard_link(path, aside, ec);
    if (!ec) return true;
    return fs::copy_file(path, aside, fs::copy_options::overwrite_existing, ec) && !ec;
}

CFileSystem& CFileSystem::real()
{
    static CFileSystem fs;
    return fs;
}

namespace
{
class CUnflushedFileSystem : public CFileSystem
{
public:
    bool writeFileDurably(const fs::path& path, std::span<const uint8_t> bytes) override
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        out.close();
        return !out.fail();
    }
    bool replaceFile(const fs::path& from, const fs::path& to) override
    {
        std::error_code ec;
        fs::rename(from, to, ec);
        return !ec;
    }
};
}  // namespace

CFileSystem& CFileSystem::unflushed()
{
    static CUnflushedFileSystem fs;
    return fs;
}

fs::path temporaryPathFor(const fs::path& target)
{
    fs::path tmp = target;
    tmp += ".obrix-new";
    return tmp;
}

fs::path previousPathFor(const fs::path& target)
{
    fs::path old = target;
    old += ".obrix-old";
    return old;
}

std::optional<std::string> commitFiles(CFileSystem& fs, const std::vector<CPendingFile>& files)
{
    std::vector<fs::path> written;
    std::vector<bool> hadOld(files.size(), false);
    auto discard = [&] {
        for (const auto& p : written) fs.removeFile(p);
        for (std::size_t i = 0; i < files.size(); ++i)
            if (hadOld[i]) fs.removeFile(previousPathFor(files[i].target));
    };
    for (const auto& f : files)
    {
        const fs::path tmp = temporaryPathFor(f.target);
        if (!fs.writeFileDurably(tmp, f.bytes))
        {
            fs.removeFile(tmp);
            discard();
            return f.failureMessage;
        }
        written.push_back(tmp);
    }
    for (std::size_t i = 0; i < files.size(); ++i)
    {
        std::error_code ec;
        if (!fs::exists(files[i].target, ec)) continue;
        if (!fs.keepAside(files[i].target, previousPathFor(files[i].target)))
        {
            discard();
            return files[i].failureMessage;
        }
        hadOld[i] = true;
    }
    for (std::size_t i = 0; i < files.size(); ++i)
    {
        if (fs.replaceFile(written[i], files[i].target)) continue;
        // Put back what was replaced so far; the rest still hold their old contents.
        for (std::size_t j = 0; j < i; ++j)
        {
            if (!hadOld[j])
            {
                fs.removeFile(files[j].target);
                continue;
            }
            // Should even this fail, the old contents stay beside the file, under the name
            // ending ".obrix-old", for the user to recover: they are not discarded below.
            fs.replaceFile(previousPathFor(files[j].target), files[j].target);
            hadOld[j] = false;
        }
        written.erase(written.begin(), written.begin() + long(i));
        discard();
        return files[i].failureMessage;
    }
    for (std::size_t i = 0; i < files.size(); ++i)
        if (hadOld[i]) fs.removeFile(previousPathFor(files[i].target));
    return std::nullopt;
}
