#include "exchange/PackedCodec.h"

#include <algorithm>
#include <cstring>
#include <limits>

using namespace packedcodec;

namespace
{
struct CHeader
{
    std::size_t dataOffset = 0;
    std::size_t length = 0;
};

bool readHeader(std::span<const uint8_t> in, CHeader& header)
{
    if (in.size() < 2 || in[1] != 0xFB || (in[0] & ~0x81u) != 0x10) return false;
    const std::size_t fieldBytes = (in[0] & 0x80) ? 4 : 3;
    const std::size_t lengthAt = 2 + ((in[0] & 0x01) ? fieldBytes : 0);
    header.dataOffset = lengthAt + fieldBytes;
    if (in.size() < header.dataOffset) return false;
    header.length = 0;
    for (std::size_t i = 0; i < fieldBytes; ++i) header.length = (header.length << 8) | in[lengthAt + i];
    return true;
}

CUnpackResult refuse(CPackedProblem problem, const char* message)
{
    CUnpackResult result;
    result.problem = problem;
    result.message = message;
    return result;
}

// The output buffer grows with what the stream really produces, so a forged length in a
// ten-byte file costs nothing. A few spare bytes past the end let short copies move whole
// 16-byte blocks instead of their exact length.
constexpr std::size_t kSlack = 16;

class COutput
{
public:
    COutput(std::size_t announced, std::size_t inputSize) : m_announced(announced)
    {
        const std::size_t guess = std::max<std::size_t>(inputSize * 4, 64 * 1024);
        m_bytes.resize(std::min({announced, guess, kMaxUpFront}) + kSlack);
    }

    // False when the bytes would go past the announced length.
    bool make(std::size_t more)
    {
        if (more > m_announced - m_pos) return false;
        const std::size_t need = m_pos + more;
        const std::size_t usable = m_bytes.size() - kSlack;
        if (need > usable) m_bytes.resize(std::min(m_announced, std::max(need, usable * 2)) + kSlack);
        return true;
    }

    uint8_t* end() { return m_bytes.data() + m_pos; }
    std::size_t size() const { return m_pos; }
    void advance(std::size_t n) { m_pos += n; }
    std::vector<uint8_t> take()
    {
        m_bytes.resize(m_pos);
        return std::move(m_bytes);
    }

private:
    std::vector<uint8_t> m_bytes;
    std::size_t m_announced;
    std::size_t m_pos = 0;
};
}  // namespace

bool hasPackedHeader(std::span<const uint8_t> bytes)
{
    CHeader header;
    return readHeader(bytes, header);
}

std::optional<std::size_t> packedUnpackedLength(std::span<const uint8_t> bytes)
{
    CHeader header;
    if (!readHeader(bytes, header)) return std::nullopt;
    return header.length;
}

CUnpackResult unpackBytes(std::span<const uint8_t> packed, std::size_t limit)
{
    const auto truncated = [] { return refuse(CPackedProblem::ReadsPastInput, "The packed file is cut short."); };
    const auto overrun = [] {
        return refuse(CPackedProblem::Overrun, "The packed file holds more than its header announces.");
    };

    CHeader header;
    if (!readHeader(packed, header))
    {
        if (packed.size() >= 2 && packed[1] == 0xFB && (packed[0] & ~0x81u) == 0x10) return truncated();
        return refuse(CPackedProblem::NotPacked, "This is not a packed file.");
    }
    if (header.length > limit)
        return refuse(CPackedProblem::TooLarge, "The packed file announces more unpacked bytes than allowed.");

    COutput out(header.length, packed.size());
    const uint8_t* in = packed.data();
    const std::size_t inSize = packed.size();
    std::size_t pos = header.dataOffset;

    for (;;)
    {
        if (pos >= inSize) return truncated();
        const uint8_t b0 = in[pos];
        std::size_t literals = 0, length = 0, distance = 0, commandBytes = 1;
        bool stop = false;
        if (b0 < 0x80)
        {
            commandBytes = 2;
            if (inSize - pos < 2) return truncated();
            literals = b0 & 3u;
            length = ((b0 & 0x1Cu) >> 2) + 3;
            distance = (std::size_t(b0 & 0x60u) << 3) + in[pos + 1] + 1;
        }
        else if (b0 < 0xC0)
        {
            commandBytes = 3;
            if (inSize - pos < 3) return truncated();
            literals = in[pos + 1] >> 6;
            length = (b0 & 0x3Fu) + 4;
            distance = (std::size_t(in[pos + 1] & 0x3Fu) << 8) + in[pos + 2] + 1;
        }
        else if (b0 < 0xE0)
        {
            commandBytes = 4;
            if (inSize - pos < 4) return truncated();
            literals = b0 & 3u;
            length = (std::size_t(b0 & 0x0Cu) << 6) + in[pos + 3] + 5;
            distance = (std::size_t(b0 & 0x10u) << 12) + (std::size_t(in[pos + 1]) << 8) + in[pos + 2] + 1;
        }
        else if (b0 < 0xFC)
            literals = (std::size_t(b0 & 0x1Fu) << 2) + 4;
        else
        {
            literals = b0 & 3u;
            stop = true;
        }
        pos += commandBytes;

        if (literals)
        {
            if (inSize - pos < literals) return truncated();
            if (!out.make(literals)) return overrun();
            if (literals <= 16 && inSize - pos >= 16)
                std::memcpy(out.end(), in + pos, 16);
            else
                std::memcpy(out.end(), in + pos, literals);
            out.advance(literals);
            pos += literals;
        }
        if (stop) break;
        if (length == 0) continue;

        if (distance > out.size())
            return refuse(CPackedProblem::CopyBeforeStart, "The packed file copies from before its start.");
        if (!out.make(length)) return overrun();
        uint8_t* dst = out.end();
        const uint8_t* src = dst - distance;
        // Block by block, each block reads only bytes already written; the last may spill
        // into the slack.
        if (distance >= 16)
            for (std::size_t i = 0; i < length; i += 16) std::memcpy(dst + i, src + i, 16);
        else if (distance >= 8)
            for (std::size_t i = 0; i < length; i += 8) std::memcpy(dst + i, src + i, 8);
        else
            for (std::size_t i = 0; i < length; ++i) dst[i] = src[i];  // a short repeating pattern
        out.advance(length);
    }

    if (out.size() != header.length)
        return refuse(CPackedProblem::EndsEarly, "The packed file stops before its announced length.");
    CUnpackResult result;
    result.data = out.take();
    return result;
}

std::vector<uint8_t> packedHeader(std::size_t unpackedLength)
{
    if (unpackedLength <= kMaxShortLength)
        return {0x10, 0xFB, uint8_t(unpackedLength >> 16), uint8_t(unpackedLength >> 8), uint8_t(unpackedLength)};
    return {0x90, 0xFB, uint8_t(unpackedLength >> 24), uint8_t(unpackedLength >> 16), uint8_t(unpackedLength >> 8),
            uint8_t(unpackedLength)};
}

namespace
{
constexpr uint32_t kNoPrice = std::numeric_limits<uint32_t>::max() / 2;
constexpr std::size_t kMinMatch = 3;
// A match this long is taken at once: weighing every shorter cut of it gains next to
// nothing and would make long runs quadratic.
constexpr std::size_t kTakeAtOnce = 192;
constexpr int kChainDepth = 256;
// The longest distance of the two-byte command, the only one that carries three bytes.
constexpr std::size_t kShortReach = 1024;
constexpr int kMaxHashBits = 16;
constexpr int kChainBits = 18;  // wider than the window, so a live chain slot is never reused

// Bytes of the cheapest copy command for a match, or kNoPrice when none can carry it.
uint32_t copyCost(std::size_t length, std::size_t distance)
{
    if (length <= 10 && distance <= 1024) return 2;
    if (length >= 4 && length <= 67 && distance <= 16384) return 3;
    if (length >= 5 && length <= kMaxCopyLength && distance <= kMaxDistance) return 4;
    return kNoPrice;
}

// Bytes a run of k literals costs: the multiples of four go in runs of up to 112 behind
// their own command byte, the last 0-3 ride free in the following command.
uint32_t literalRunCost(std::size_t k)
{
    const std::size_t blocked = k & ~std::size_t(3);
    return uint32_t(k + (blocked + 111) / 112);
}

// Two tables: three-byte matches are only worth a copy within the short command's reach,
// and there the nearest one is all that can help, so one slot per hash is enough for
// them. Longer matches are chained by four bytes, which keeps the many positions that
// share just three bytes with this one off the chain and lets it go deeper for the time.
class CMatchFinder
{
public:
    // Small inputs get small tables: the editor packs files of a few kilobytes.
    explicit CMatchFinder(std::span<const uint8_t> data) : m_data(data)
    {
        int bits = 8;
        while (bits < kChainBits && (std::size_t(1) << bits) < data.size()) ++bits;
        m_hashBits = std::min(bits, kMaxHashBits);
        m_chainMask = (std::size_t(1) << bits) - 1;
        m_head3.assign(std::size_t(1) << m_hashBits, -1);
        m_head4.assign(std::size_t(1) << m_hashBits, -1);
        m_prev.assign(m_chainMask + 1, -1);
    }

    // Inserts position pos and lists the matches there: strictly growing lengths, each
    // with the nearest distance that reaches it.
    void find(std::size_t pos, std::vector<std::pair<uint32_t, uint32_t>>& matches)
    {
        matches.clear();
        const std::size_t left = m_data.size() - pos;
        if (left < kMinMatch) return;
        const uint8_t* here = m_data.data() + pos;
        const std::size_t maxLength = std::min(left, kMaxCopyLength);
        std::size_t best = kMinMatch - 1;

        const uint32_t h3 = hash3(here);
        const int64_t nearest = m_head3[h3];
        m_head3[h3] = int64_t(pos);
        if (nearest >= 0 && pos - std::size_t(nearest) <= kShortReach)
        {
            const std::size_t length = matchLength(m_data.data() + nearest, here, maxLength);
            if (length >= kMinMatch)
            {
                best = length;
                matches.emplace_back(uint32_t(length), uint32_t(pos - std::size_t(nearest)));
            }
        }
        if (left < 4) return;

        const uint32_t h4 = hash4(here);
        int64_t candidate = m_head4[h4];
        m_head4[h4] = int64_t(pos);
        m_prev[pos & m_chainMask] = candidate;
        if (best >= maxLength) return;
        for (int depth = kChainDepth; candidate >= 0 && depth > 0; --depth)
        {
            const std::size_t distance = pos - std::size_t(candidate);
            if (distance > kMaxDistance) break;
            const uint8_t* there = m_data.data() + candidate;
            if (there[best] == here[best])
            {
                const std::size_t length = matchLength(there, here, maxLength);
                if (length > best && copyCost(length, distance) != kNoPrice)
                {
                    best = length;
                    matches.emplace_back(uint32_t(length), uint32_t(distance));
                    if (length >= maxLength) break;
                }
            }
            const int64_t next = m_prev[std::size_t(candidate) & m_chainMask];
            if (next >= candidate) break;  // the slot has been reused by a newer position
            candidate = next;
        }
    }

    // Inserts a position without searching, inside a match taken at once.
    void skip(std::size_t pos)
    {
        const std::size_t left = m_data.size() - pos;
        if (left < kMinMatch) return;
        m_head3[hash3(m_data.data() + pos)] = int64_t(pos);
        if (left < 4) return;
        const uint32_t h4 = hash4(m_data.data() + pos);
        m_prev[pos & m_chainMask] = m_head4[h4];
        m_head4[h4] = int64_t(pos);
    }

private:
    static std::size_t matchLength(const uint8_t* there, const uint8_t* here, std::size_t maxLength)
    {
        std::size_t length = 0;
        while (length < maxLength && there[length] == here[length]) ++length;
        return length;
    }
    uint32_t hash3(const uint8_t* p) const
    {
        const uint32_t v = uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16);
        return (v * 2654435761u) >> (32 - m_hashBits);
    }
    uint32_t hash4(const uint8_t* p) const
    {
        const uint32_t v = uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
        return (v * 2654435761u) >> (32 - m_hashBits);
    }

    std::span<const uint8_t> m_data;
    int m_hashBits = 0;
    std::size_t m_chainMask = 0;
    std::vector<int64_t> m_head3;
    std::vector<int64_t> m_head4;
    std::vector<int64_t> m_prev;
};

struct CArrival
{
    uint32_t price = kNoPrice;
    uint32_t literalRun = 0;  // literals since the last copy, when reached by a literal
    uint32_t length = 0;      // of the copy that reaches here; 0 for a literal
    uint32_t distance = 0;
};

void emitLiterals(std::vector<uint8_t>& out, const uint8_t* literals, std::size_t count)
{
    // Everything but the last 0-3 bytes, in blocks of up to 112.
    while (count >= 4)
    {
        const std::size_t block = std::min<std::size_t>(count & ~std::size_t(3), 112);
        out.push_back(uint8_t(0xE0 | ((block - 4) >> 2)));
        out.insert(out.end(), literals, literals + block);
        literals += block;
        count -= block;
    }
}

void emitCopy(std::vector<uint8_t>& out, const uint8_t* tail, std::size_t tailCount, std::size_t length,
              std::size_t distance)
{
    const std::size_t d = distance - 1;
    const uint8_t ll = uint8_t(tailCount);
    if (length <= 10 && distance <= 1024)
    {
        out.push_back(uint8_t(((d >> 8) << 5) | ((length - 3) << 2) | ll));
        out.push_back(uint8_t(d));
    }
    else if (length >= 4 && length <= 67 && distance <= 16384)
    {
        out.push_back(uint8_t(0x80 | (length - 4)));
        out.push_back(uint8_t((ll << 6) | (d >> 8)));
        out.push_back(uint8_t(d));
    }
    else
    {
        const std::size_t n = length - 5;
        out.push_back(uint8_t(0xC0 | (((d >> 16) & 1) << 4) | ((n >> 8) << 2) | ll));
        out.push_back(uint8_t(d >> 8));
        out.push_back(uint8_t(d));
        out.push_back(uint8_t(n));
    }
    out.insert(out.end(), tail, tail + tailCount);
}
}  // namespace

std::vector<uint8_t> packBytes(std::span<const uint8_t> data)
{
    const std::size_t n = data.size();

    // Cheapest path through the data, one position at a time: each position is reached
    // either by one more literal or by a copy from an earlier one.
    std::vector<CArrival> arrivals(n + 1);
    arrivals[0].price = 0;
    CMatchFinder finder(data);
    std::vector<std::pair<uint32_t, uint32_t>> matches;
    for (std::size_t i = 0; i < n;)
    {
        const CArrival& at = arrivals[i];
        const uint32_t run = at.literalRun;
        const uint32_t literalPrice = at.price + literalRunCost(run + 1) - literalRunCost(run);
        if (literalPrice < arrivals[i + 1].price)
            arrivals[i + 1] = CArrival{literalPrice, run + 1, 0, 0};

        finder.find(i, matches);
        if (matches.empty())
        {
            ++i;
            continue;
        }
        const auto [longest, longestDistance] = matches.back();
        if (longest >= kTakeAtOnce)
        {
            const uint32_t price = at.price + copyCost(longest, longestDistance);
            if (price < arrivals[i + longest].price) arrivals[i + longest] = CArrival{price, 0, longest, longestDistance};
            // Positions inside the match keep whatever cheaper way reached them, but
            // nothing leaves from them.
            for (std::size_t k = 1; k < longest; ++k) finder.skip(i + k);
            i += longest;
            continue;
        }
        std::size_t length = kMinMatch;
        for (const auto& [reach, distance] : matches)
        {
            for (; length <= reach; ++length)
            {
                const uint32_t cost = copyCost(length, distance);
                if (cost == kNoPrice) continue;
                const uint32_t price = at.price + cost;
                if (price < arrivals[i + length].price)
                    arrivals[i + length] = CArrival{price, 0, uint32_t(length), distance};
            }
        }
        ++i;
    }

    // Walk back from the end to recover the chosen copies.
    struct CStep
    {
        std::size_t start, length, distance;
    };
    std::vector<CStep> steps;
    for (std::size_t i = n; i > 0;)
    {
        const CArrival& at = arrivals[i];
        if (at.length == 0)
        {
            --i;
            continue;
        }
        steps.push_back({i - at.length, at.length, at.distance});
        i -= at.length;
    }

    std::vector<uint8_t> out = packedHeader(n);
    out.reserve(out.size() + n / 2 + 16);
    std::size_t done = 0;
    for (auto step = steps.rbegin(); step != steps.rend(); ++step)
    {
        const std::size_t count = step->start - done;
        emitLiterals(out, data.data() + done, count);
        const std::size_t tail = count & 3;
        emitCopy(out, data.data() + step->start - tail, tail, step->length, step->distance);
        done = step->start + step->length;
    }
    const std::size_t count = n - done;
    emitLiterals(out, data.data() + done, count);
    const std::size_t tail = count & 3;
    out.push_back(uint8_t(0xFC | tail));
    out.insert(out.end(), data.data() + n - tail, data.data() + n);
    return out;
}
