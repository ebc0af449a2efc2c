#pragma once

#include "util/Translatable.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

// What the editor learns of a file without opening it (links are not followed).
struct CFileStatus
{
    bool exists = false;
    bool regular = false;  // a plain file, not a link, pipe, device or folder
    uint32_t mode = 0;     // permission bits
    uint32_t owner = 0, group = 0;
    uint64_t size = 0;
};

// A whole file's bytes, read-only, for reading through once. Where the system allows, the
// file is mapped into memory: nothing is copied and no memory is set aside for it, the
// pages come from the system's file cache. Elsewhere, and for a file that cannot be
// mapped, the bytes are read into memory. Keep one only while its bytes are looked at: a
// mapped file cut short by another program meanwhile could not be read to its end (this
// editor never rewrites a file in place; it renames a new one over it).
class CFileBytes
{
public:
    CFileBytes() = default;
    ~CFileBytes();
    CFileBytes(CFileBytes&& other) noexcept;
    CFileBytes& operator=(CFileBytes&& other) noexcept;
    CFileBytes(const CFileBytes&) = delete;
    CFileBytes& operator=(const CFileBytes&) = delete;

    std::span<const uint8_t> bytes() const { return m_mapped ? std::span<const uint8_t>(m_mapped, m_size) : m_read; }

private:
    friend class CFileSystem;
    void release();
    const uint8_t* m_mapped = nullptr;
    std::size_t m_size = 0;
    std::vector<uint8_t> m_read;
};

// The file operations the editor needs, behind an interface so that tests can make any
// step fail. Each returns false on failure with errno set to the system's reason
// (kNotRegularFile when the file is a pipe, device, folder or link).
class CFileSystem
{
public:
    virtual ~CFileSystem() = default;
    // Reads a whole file. Anything but a regular file is refused without ever blocking on
    // it: a pipe or device is not read from, and a link at the name is not followed
    // (folders above it may be reached through links).
    virtual bool readFile(const std::filesystem::path& path, std::vector<uint8_t>& out);
    // The same for a file only read through (the game's files at start-up): mapped
    // rather than copied where the system allows.
    virtual bool viewFile(const std::filesystem::path& path, CFileBytes& out);
    // The file itself, links not followed. A missing file is a success with exists false.
    virtual bool status(const std::filesystem::path& path, CFileStatus& out);
    // Creates a new file (never an existing name, never through a link), writes the bytes
    // and flushes them to the disk. With like, the file gets its permission bits and,
    // where the system allows, its owner.
    virtual bool createFile(const std::filesystem::path& path, std::span<const uint8_t> bytes,
                            const CFileStatus* like = nullptr);
    // Makes the names in a folder (renames, links, removals) durable.
    virtual bool syncFolder(const std::filesystem::path& folder);
    // A second name for a file's contents (a hard link).
    virtual bool linkFile(const std::filesystem::path& from, const std::filesystem::path& to);
    // Renames over an existing file.
    virtual bool renameFile(const std::filesystem::path& from, const std::filesystem::path& to);
    // Removes a file; a missing file is a success.
    virtual bool removeFile(const std::filesystem::path& path);
    // The names in a folder.
    virtual bool listFolder(const std::filesystem::path& folder, std::vector<std::string>& names);

    static CFileSystem& real();
    // For files the program can make again at any time (the kit pictures): replaced by a
    // rename like the others, so no reader ever sees half a file, but never flushed. A
    // flush per file made the first start wait a second for 73 small pictures; after a
    // power cut one of them may be short, which only costs a placeholder until they are
    // made again.
    static CFileSystem& unflushed();
    // For a file the user named himself (a table or GLV file given on the command line or
    // picked in a dialog): a link there is his own choice and is followed, but what it
    // leads to must still be a regular file. Never for files found by name in the game,
    // backup or kept-league folders.
    static CFileSystem& userChosen();
};

// errno value of a file that is not a regular file.
inline constexpr int kNotRegularFile = 0x4F42;
// The system's reason for an errno value, in words.
std::string systemReason(int error);
// "NAME: cannot STEP: REASON" for the last failure (errno).
std::string fileFailure(const std::filesystem::path& path, const std::string& step, int error);

// A 64-bit checksum of a file's bytes, written as 16 hex digits in commit records and
// backup manifests.
std::string checksumText(std::span<const uint8_t> bytes);

// A set of whole-file replacements in one folder that happens completely or not at all,
// even when the program is killed or the machine stops half way:
//  1. every new file is written to a new, uniquely named temporary file beside its
//     target (created exclusively, never through a link, with the target's permissions)
//     and flushed;
//  2. the old files are kept aside under a second name (hard links);
//  3. a commit record naming the targets, their temporary and kept names, sizes and
//     checksums is written and flushed ("OBRIX-COMMIT.TXT" in that folder);
//  4. the temporary files are renamed over the targets;
//  5. the kept copies and the record are removed.
// The folder is flushed before the first rename, after the renames and after the tidying.
// An interruption before the record is complete leaves only temporary files and second
// names (the targets are old); after it, the record lets recoverCommit finish the set. A
// failure is undone before returning.
struct CPendingFile
{
    std::filesystem::path target;
    std::vector<uint8_t> bytes;
    std::string failureMessage;  // leads the message when this file cannot be written
};

// What is being written, for the messages: "save", "restore", "backup", "export".
// Returns the message of the failure (naming the file, the step and the system's
// reason), nothing on success. recoveryNote receives the line of recoverCommit when a
// commit interrupted earlier in the same folder was finished first.
// With readBack, every new file is read back from the disk before the first rename and
// compared with the bytes meant for it; a difference or a failed read abandons the set.
// With checkInPlace, the old files are kept aside until it has passed on the new ones in
// their places; the reason it gives puts the old set back and is the failure's message.
std::optional<std::string> commitFiles(CFileSystem& fs, const std::vector<CPendingFile>& files,
                                       const std::string& operation = "save", std::string* recoveryNote = nullptr,
                                       bool readBack = false,
                                       const std::function<std::optional<std::string>()>& checkInPlace = {});

struct CRecovery
{
    enum class CState
    {
        Nothing,    // no interrupted commit in the folder
        Completed,  // the new files were put in place
        Undone,     // the old files are back
        Failed,     // could not be finished either way: the message says what is where
        Skipped,    // left alone: another program holding the folder's lock is in the middle of it
    };
    CState state = CState::Nothing;
    std::string message;  // one line for the user, empty for Nothing
};
// Finds an interrupted commit in the folder and completes it (every new file there and
// intact) or undoes it, so that the set is all old or all new; removes what an
// interrupted commit left behind.
CRecovery recoverCommit(CFileSystem& fs, const std::filesystem::path& folder);

namespace committexts
{
inline constexpr const char* kRecordName = "OBRIX-COMMIT.TXT";
inline constexpr const char* kCompleted = QT_TRANSLATE_NOOP("committexts", "An interrupted %1 was completed: %2 now hold the new contents.");
inline constexpr const char* kUndone = QT_TRANSLATE_NOOP("committexts", "An interrupted %1 was undone: the files are as before it.");
inline constexpr const char* kNotRegular = QT_TRANSLATE_NOOP("committexts", "it is not a regular file (a link, pipe, device or folder is in its place)");
inline constexpr const char* kReadBackDiffers = QT_TRANSLATE_NOOP("committexts", "%1: the new copy read back from the disk differs from what was written (%2 bytes read, %3 written).");
inline constexpr const char* kMixed = QT_TRANSLATE_NOOP("committexts", "The %1 failed and the old files could not all be put back, so the set is mixed: %2. The old contents are kept "
    "beside them (%3); the editor finishes the set at the next load of this folder.");
inline constexpr const char* kRecoveryFailed = QT_TRANSLATE_NOOP("committexts", "An interrupted %1 in %2 could not be finished: %3. The old contents are kept beside the files (names "
    "ending \".obrix-old...\") and the record in %4.");
} // namespace committexts

// errno value of a file larger than any file of its kind can be.
inline constexpr int kFileTooLarge = 0x4F43;
// A file of a kind that holds at most limit bytes, read (or viewed) only when it is no
// larger: a bigger one is refused before any of it is read, with errno kFileTooLarge, so
// that a huge file in its place costs neither time nor memory. The size is asked of what
// the file system at hand would read (a link the user chose is measured at its end).
bool readFileAtMost(CFileSystem& fs, const std::filesystem::path& path, uint64_t limit, std::vector<uint8_t>& out);
bool viewFileAtMost(CFileSystem& fs, const std::filesystem::path& path, uint64_t limit, CFileBytes& out);

// Replaces one file that is no part of a set (a table, a report, a packed file the user
// named) the way a commit replaces the game's: the bytes go to a new file created
// exclusively beside it and flushed, which is then renamed over it. Whatever is at the
// name is never written through: a link, pipe, device or folder there is refused, and the
// other names of a hard-linked file keep their old contents. Returns the failure (file,
// step and the system's reason), nothing on success.
std::optional<std::string> replaceFile(CFileSystem& fs, const std::filesystem::path& target,
                                       std::span<const uint8_t> bytes, const std::string& operation);

namespace committexts
{
inline constexpr const char* kTooLarge = QT_TRANSLATE_NOOP("committexts", "it is larger than any file of its kind can be");
inline constexpr const char* kRecordNotFile = QT_TRANSLATE_NOOP("committexts", "%1 is not a regular file (a link, pipe, device or folder is in its place), so no interrupted save there can be finished or undone and no new one can be made. Remove it and try again.");
} // namespace committexts
