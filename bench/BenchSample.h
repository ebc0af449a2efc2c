#pragma once

// The full-size sample game (seed 1) that the benchmark programs measure, written into a
// fresh folder of its own, and removed again when the program ends.

#include "sample/SampleGame.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <unistd.h>

class CBenchSample
{
public:
    // Reads --folder=DIR (where the sample goes; the system's temporary folder by default)
    // from the arguments benchmark::Initialize left; any other argument, or a sample that
    // cannot be written, ends the program with a message.
    CBenchSample(int argc, char** argv, const std::string& program)
    {
        std::filesystem::path base = std::filesystem::temp_directory_path();
        for (int i = 1; i < argc; ++i)
        {
            if (std::strncmp(argv[i], "--folder=", 9) == 0)
                base = argv[i] + 9;
            else
            {
                std::cerr << program << ": unknown argument " << argv[i] << "\n";
                std::exit(2);
            }
        }
        m_folder = base / ("obrix-" + program + "-" + std::to_string(::getpid()));
        if (auto e = writeSampleGame(m_folder, {1, CSampleScale::Full}))
        {
            std::cerr << program << ": cannot write the sample game: " << *e << "\n";
            std::exit(1);
        }
    }
    ~CBenchSample()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_folder, ec);
    }
    CBenchSample(const CBenchSample&) = delete;
    CBenchSample& operator=(const CBenchSample&) = delete;

    const std::filesystem::path& folder() const { return m_folder; }

private:
    std::filesystem::path m_folder;
};
