#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The few file operations the editor needs, behind an interface so that tests can make
// any step fail.
class CFileSystem
{
public:
    virtual ~CFileSystem() = default;
    // Reads a whole file; false when it cannot be opened or read.
    virtual bool readFile(const std::filesystem::path& path, std::vector<uint8_t>& out);
    // Creates or truncates the file, writes the bytes and flushes them to the disk.
    virtual bool writeFileDurably(const std::filesystem::path& path, std::span<const uint8_t> bytes);
    // Renames over an existing file.
    virtual bool replaceFile(const std::filesystem::path& from, const std::filesystem::path& to);
    virtual bool removeFile(const std::filesystem::path& path);
    // Keeps the current contents of a file under a second name (a hard link where the
    // file system has them, else a copy).
    virtual bool keepAside(const std::filesystem::path& path, const std::filesystem::path& aside);

    static CFileSystem& real();
    // For files the program can make again at any time (the kit pictures): replaced by a
    // rename like the others, so no reader ever sees half a file, but never flushed. A
    // flush per file made the first start wait a second for 73 small pictures; after a
    // power cut one of them may be short, which only costs a placeholder until they are
    // made again.
    static CFileSystem& unflushed();
};

// A set of whole-file replacements made safe against failures: every new file is first
// written and flushed as a temporary file beside its target, and only when all of them
// are in place are they renamed over the targets. A failure at any step leaves every
// target as it was: the old files are kept aside until all renames have succeeded, and
// put back if one fails. Temporary files never stay behind.
struct CPendingFile
{
    std::filesystem::path target;
    std::vector<uint8_t> bytes;
    std::string failureMessage;  // reported when this file cannot be written
};

// Returns the failure message of the file that failed, nothing on success.
std::optional<std::string> commitFiles(CFileSystem& fs, const std::vector<CPendingFile>& files);

// The temporary name used beside a target.
std::filesystem::path temporaryPathFor(const std::filesystem::path& target);
