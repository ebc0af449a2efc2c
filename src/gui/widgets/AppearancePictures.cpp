#include "widgets/AppearanceArt.h"
#include "widgets/AppIcons.h"

#include <QPixmapCache>

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
    const QString key = QStringLiteral("obrix-appearance-%1").arg(QLatin1String(files[k]));
    QPixmap strip;
    if (!QPixmapCache::find(key, &strip))
    {
        strip = resourcePicture(QStringLiteral(":/appearance/%1.raw").arg(QLatin1String(files[k])));
        QPixmapCache::insert(key, strip);
    }
    return strip.copy(model * size, 0, size, size);
}
