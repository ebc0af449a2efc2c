// The packer the editor runs for exchange files:
//
//   gfxpak [--limit BYTES] -decompress "SOURCE" TARGET
//   gfxpak -compress SOURCE TARGET
//
// Words after TARGET are taken as the rest of its name. A packed file whose header
// announces more than BYTES unpacked (16 MiB unless given) is refused before anything is
// unpacked: a few bytes of header must not be able to claim gigabytes.
//
// Exit status 0 when TARGET has been written, 1 with a message on stderr otherwise. TARGET
// is only written once the whole result is known, so a failure leaves no half file.

#include "exchange/PackedCodec.h"
#include "util/FileCommit.h"
#include "util/PathText.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

namespace
{
constexpr std::size_t kDefaultLimit = std::size_t(16) << 20;

int usage()
{
    std::cerr << "usage: gfxpak [--limit BYTES] -decompress SOURCE TARGET\n"
                 "       gfxpak -compress SOURCE TARGET\n";
    return 2;
}

// A whole positive number of bytes, nothing else.
bool parseLimit(const char* text, std::size_t& limit)
{
    if (!*text) return false;
    unsigned long long value = 0;
    for (const char* c = text; *c; ++c)
    {
        if (*c < '0' || *c > '9' || value > (SIZE_MAX - 9) / 10) return false;
        value = value * 10 + unsigned(*c - '0');
    }
    if (value == 0) return false;
    limit = std::size_t(value);
    return true;
}
}  // namespace

int run(int argc, char** argv)
{
    std::size_t limit = kDefaultLimit;
    int first = 1;
    if (argc > 2 && std::strcmp(argv[1], "--limit") == 0)
    {
        if (!parseLimit(argv[2], limit))
        {
            std::cerr << "gfxpak: --limit takes a whole number of bytes above 0\n";
            return usage();
        }
        first = 3;
    }
    if (argc < first + 3) return usage();
    const bool decompress = std::strcmp(argv[first], "-decompress") == 0;
    if (!decompress && std::strcmp(argv[first], "-compress") != 0) return usage();
    const char* sourceName = argv[first + 1];
    // The editor names the temporary target unquoted, so a temporary folder with a blank
    // in its name (a Windows user name with one) arrives as several words.
    std::string target = argv[first + 2];
    for (int i = first + 3; i < argc; ++i) target += std::string(" ") + argv[i];

    // The file named here is read as the user named it (a link to a file is followed);
    // a pipe or device in its place is refused rather than waited on.
    // A packed stream takes at most five bytes for four it unpacks to (a literal run), so a
    // source over twice the limit cannot be a packed file within it and is not read.
    std::vector<uint8_t> source;
    if (decompress ? !readFileAtMost(CFileSystem::userChosen(), pathFromUtf8(sourceName), uint64_t(limit) * 2 + 64, source)
                   : !CFileSystem::userChosen().readFile(pathFromUtf8(sourceName), source))
    {
        std::cerr << "gfxpak: " << fileFailure(pathFromUtf8(sourceName), "read", errno) << "\n";
        return 1;
    }

    std::vector<uint8_t> result;
    if (decompress)
    {
        CUnpackResult unpacked = unpackBytes(source, limit);
        if (unpacked.problem == CPackedProblem::TooLarge)
        {
            std::cerr << "gfxpak: " << sourceName << ": the header announces " << *packedUnpackedLength(source)
                      << " bytes unpacked, more than the limit of " << limit << " (--limit BYTES)\n";
            return 1;
        }
        if (!unpacked.ok())
        {
            std::cerr << "gfxpak: " << sourceName << ": " << unpacked.message << "\n";
            return 1;
        }
        result = std::move(unpacked.data);
    }
    else
        result = packBytes(source);

    if (const auto failed = replaceFile(CFileSystem::real(), pathFromUtf8(target), result, decompress ? "unpack" : "pack"))
    {
        std::cerr << "gfxpak: " << *failed << "\n";
        return 1;
    }
    return 0;
}

#ifdef _WIN32
int wmain(int argc, wchar_t** wideArgv)
{
    return runWithUtf8Arguments(argc, wideArgv, run);
}
#else
int main(int argc, char** argv)
{
    return run(argc, argv);
}
#endif
