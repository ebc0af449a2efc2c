#include "widgets/AppearanceArt.h"

#include "widgets/RawPicture.h"

#include <QResource>

#include <array>

QPixmap storedAppearancePicture(CAppearanceKind kind, int model)
{
    static const char* const files[] = {"hair", "face", "facialhair"};
    static const int counts[] = {appearance::kHairModels, appearance::kFaceModels, appearance::kFacialHairModels};
    const int k = static_cast<int>(kind);
    constexpr int size = appearance::kPictureSize;
    if (model < 0 || model >= counts[k])
    {
        QPixmap blank(size, size);
        blank.fill(Qt::transparent);
        return blank;
    }
    // Each strip is looked at where the program keeps it (the bytes are kept here when the
    // resource had to be unpacked): only the pictures shown are copied out of it.
    struct CStrip
    {
        QByteArray bytes;
        QImage pixels;
    };
    static std::array<CStrip, 3> strips;
    CStrip& strip = strips[std::size_t(k)];
    if (strip.pixels.isNull())
    {
        strip.bytes = QResource(QStringLiteral(":/appearance/%1.raw").arg(QLatin1String(files[k]))).uncompressedData();
        strip.pixels = rawpicture::view(strip.bytes);
    }
    return QPixmap::fromImage(strip.pixels.copy(model * size, 0, size, size));
}
