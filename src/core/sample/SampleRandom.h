#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

// The sample must come out byte for byte the same on every compiler and standard
// library, so nothing here leans on std:: distributions or std::shuffle, whose results
// are left to the library.
class CSampleRandom
{
public:
    explicit CSampleRandom(uint64_t seed) : m_state(seed * 0x9E3779B97F4A7C15ull + 0x632BE59BD9B4E019ull) {}

    uint64_t next()
    {
        uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // Uniform in lo..hi inclusive; the tiny modulo bias does not matter for sample data.
    int range(int lo, int hi)
    {
        if (hi <= lo)
            return lo;
        const uint64_t span = static_cast<uint64_t>(static_cast<int64_t>(hi) - lo) + 1;
        return static_cast<int>(lo + static_cast<int64_t>(next() % span));
    }

    // True in `percent` cases out of 100.
    bool chance(int percent) { return range(0, 99) < percent; }

    template <class T>
    const T& pick(const std::vector<T>& items)
    {
        return items[static_cast<std::size_t>(range(0, static_cast<int>(items.size()) - 1))];
    }

    template <class T>
    void shuffle(std::vector<T>& items)
    {
        for (std::size_t i = items.size(); i > 1; --i)
        {
            const auto j = static_cast<std::size_t>(range(0, static_cast<int>(i) - 1));
            std::swap(items[i - 1], items[j]);
        }
    }

    // A child generator, so that one part of the sample (say the textures) does not
    // shift when another part draws more numbers.
    CSampleRandom fork(uint64_t salt) { return CSampleRandom(next() ^ (salt * 0xD1B54A32D192ED03ull)); }

private:
    uint64_t m_state;
};
