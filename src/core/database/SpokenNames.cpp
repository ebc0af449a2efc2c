#include "database/SpokenNames.h"

#include "util/ByteReader.h"

int markSpokenNames(CDatabase& db, std::span<const uint8_t> bytes)
{
    const CByteReader r(bytes);
    if (!r.has(0, 4)) return 0;
    const int32_t announced = int32_t(r.u32(0));
    if (announced <= 0) return 0;
    const std::size_t count = std::min<std::size_t>(std::size_t(announced), (r.size() - 4) / 4);
    CDatabaseBuilder b(db);
    int marked = 0;
    for (std::size_t i = 0; i < count; ++i)
        if (CPlayer* p = b.player(r.u32(4 + 4 * i)); p && !p->hasCommentary)
        {
            p->hasCommentary = 1;
            ++marked;
        }
    return marked;
}
