#pragma once

#include <QByteArray>
#include <QImage>

#include <cstdint>
#include <cstring>

// The pictures drawn at build time are kept in the program as raw pixels, ready to be
// shown: decoding PNG files was most of what showing them cost at start-up. A raw picture
// is "OBRXPIC1", the width and the height (32 bits each, in the machine's byte order; the
// tools that write them run on the machine that builds the program), then the rows of
// premultiplied ARGB32 pixels.
namespace rawpicture
{
inline constexpr char kMagic[8] = {'O', 'B', 'R', 'X', 'P', 'I', 'C', '1'};
inline constexpr int kHeaderSize = 16;

inline QByteArray encode(const QImage& picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const uint32_t size[2] = {uint32_t(image.width()), uint32_t(image.height())};
    QByteArray bytes(kMagic, sizeof kMagic);
    bytes.append(reinterpret_cast<const char*>(size), sizeof size);
    for (int y = 0; y < image.height(); ++y)
        bytes.append(reinterpret_cast<const char*>(image.constScanLine(y)), qsizetype(image.width()) * 4);
    return bytes;
}

// The picture in the bytes without copying its pixels: valid only while the bytes are.
// A null image when the bytes are not a whole raw picture.
inline QImage view(const QByteArray& bytes)
{
    if (bytes.size() < kHeaderSize || std::memcmp(bytes.constData(), kMagic, sizeof kMagic) != 0) return {};
    uint32_t size[2];
    std::memcpy(size, bytes.constData() + sizeof kMagic, sizeof size);
    if (size[0] == 0 || size[1] == 0 || size[0] > 4096 || size[1] > 4096) return {};
    if (bytes.size() != kHeaderSize + qsizetype(size[0]) * size[1] * 4) return {};
    return QImage(reinterpret_cast<const uchar*>(bytes.constData()) + kHeaderSize, int(size[0]), int(size[1]),
                  int(size[0]) * 4, QImage::Format_ARGB32_Premultiplied);
}

// The picture with pixels of its own. A null image when the bytes are not a whole raw
// picture.
inline QImage decode(const QByteArray& bytes)
{
    return view(bytes).copy();
}
}  // namespace rawpicture
