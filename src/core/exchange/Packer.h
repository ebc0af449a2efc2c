#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class CPrompts;

// Packs and unpacks the files of an exchange set. The editor runs the separate packer
// program for it; tests and the sample generator may do the work in this process.
class CPacker
{
public:
    virtual ~CPacker() = default;

    // The unpacked bytes of source, at most capacity of them; empty when unpacking
    // failed (the import reports that).
    virtual std::vector<uint8_t> unpackFile(const std::string& source, std::size_t capacity) = 0;
    // Packs source into target; false when that failed.
    virtual bool packFile(const std::string& source, const std::string& target) = 0;
};

// The unpacked length a packed file's header announces, in whichever form the header
// takes (see packedUnpackedLength); nothing when the file cannot be read or holds no
// whole header.
std::optional<std::size_t> announcedUnpackedLength(const std::string& packedFile);

// A Windows command line from a program's name and its arguments, each quoted by the rules
// the C runtime (and CommandLineToArgvW) reads them back with: blanks and quotes inside
// quotes, a quote as \", and backslashes doubled only before a quote.
std::string windowsCommandLine(const std::vector<std::string>& arguments);

// The most an exchange file can hold unpacked. Player ids are kept in 14 bits there, so a
// CUSPLYR.DB names at most 16384 players: 36 + 16384 * 32 = 524,324 bytes; CUSTOM.DB
// (11-bit team ids, 44-byte records) and XFER.DB (4-byte entries, one per player) stay
// far below. Twice the largest, so that no real file is refused while one that
// announces hundreds of megabytes is refused before anything is unpacked.
inline constexpr std::size_t kMaxExchangeUnpackedLength = std::size_t(1) << 20;

// Runs the packer program once per file: "gfxpak -decompress "SOURCE" TEMPFILE" with a
// fresh temporary file named "Obx..." in the system's temporary folder, hidden, waiting
// for it to end, then reads and deletes the temporary file. A program that cannot be
// started is reported with the system's reason and number; one that does not end within the
// time limit is stopped and counts as a failure.
class CExternalPacker : public CPacker
{
public:
    static constexpr std::chrono::seconds kDefaultTimeLimit{60};

    CExternalPacker(std::string program, CPrompts& prompts,
                    std::chrono::milliseconds timeLimit = kDefaultTimeLimit);

    // Where the editor finds the program: beside the running executable (its folder
    // given), then in the current directory, then on PATH. Nothing when not found.
    static std::optional<std::string> findProgram(const std::string& executableFolder);

    std::vector<uint8_t> unpackFile(const std::string& source, std::size_t capacity) override;
    bool packFile(const std::string& source, const std::string& target) override;

    const std::string& program() const { return m_program; }

private:
    std::string m_program;
    CPrompts& m_prompts;
    std::chrono::milliseconds m_timeLimit;
};

// The same work done by the codec in this process.
class CInProcessPacker : public CPacker
{
public:
    std::vector<uint8_t> unpackFile(const std::string& source, std::size_t capacity) override;
    bool packFile(const std::string& source, const std::string& target) override;
};
