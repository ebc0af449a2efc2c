// The packer the editor runs for exchange files:
//
//   gfxpak -decompress "SOURCE" TARGET
//   gfxpak -compress SOURCE TARGET
//
// Words after TARGET are taken as the rest of its name.
//
// Exit status 0 when TARGET has been written, 1 with a message on stderr otherwise. TARGET
// is only written once the whole result is known, so a failure leaves no half file.

#include "exchange/PackedCodec.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

namespace
{
bool readAll(const char* path, std::vector<uint8_t>& bytes)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    file.seekg(0, std::ios::end);
    const std::streamoff size = file.tellg();
    if (size < 0) return false;
    file.seekg(0, std::ios::beg);
    bytes.resize(std::size_t(size));
    return bool(file.read(reinterpret_cast<char*>(bytes.data()), size)) || size == 0;
}

bool writeAll(const char* path, const std::vector<uint8_t>& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) return false;
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    file.close();
    return bool(file);
}

int usage()
{
    std::cerr << "usage: gfxpak -decompress SOURCE TARGET\n"
                 "       gfxpak -compress SOURCE TARGET\n";
    return 2;
}
}  // namespace

int main(int argc, char** argv)
{
    if (argc < 4) return usage();
    const bool decompress = std::strcmp(argv[1], "-decompress") == 0;
    if (!decompress && std::strcmp(argv[1], "-compress") != 0) return usage();
    // The editor names the temporary target unquoted, so a temporary folder with a blank
    // in its name (a Windows user name with one) arrives as several words.
    std::string target = argv[3];
    for (int i = 4; i < argc; ++i) target += std::string(" ") + argv[i];

    std::vector<uint8_t> source;
    if (!readAll(argv[2], source))
    {
        std::cerr << "gfxpak: cannot read " << argv[2] << ": " << std::strerror(errno) << "\n";
        return 1;
    }

    std::vector<uint8_t> result;
    if (decompress)
    {
        CUnpackResult unpacked = unpackBytes(source);
        if (!unpacked.ok())
        {
            std::cerr << "gfxpak: " << argv[2] << ": " << unpacked.message << "\n";
            return 1;
        }
        result = std::move(unpacked.data);
    }
    else
        result = packBytes(source);

    if (!writeAll(target.c_str(), result))
    {
        std::cerr << "gfxpak: cannot write " << target << "\n";
        return 1;
    }
    return 0;
}
