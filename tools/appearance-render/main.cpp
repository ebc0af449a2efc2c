// appearance-render: the Player page's pictures of hair, faces and facial hair, drawn once
// at build time from the code in AppearanceArt so that opening the window only reads them.
//   appearance-render OUTFOLDER   writes OUTFOLDER/{hair,face,facialhair}.raw
// Each file is one strip of 40 x 40 squares, model 0 at the left, as a raw picture
// (widgets/RawPicture.h).
#include "widgets/AppearanceArt.h"
#include "widgets/RawPicture.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <functional>

namespace
{
bool writeStrip(const QString& file, int count, const std::function<QPixmap(int)>& picture)
{
    constexpr int size = appearance::kPictureSize;
    QImage strip(count * size, size, QImage::Format_ARGB32_Premultiplied);
    strip.fill(Qt::transparent);
    {
        QPainter painter(&strip);
        for (int m = 0; m < count; ++m) painter.drawPixmap(m * size, 0, picture(m));
    }
    QFile out(file);
    return out.open(QIODevice::WriteOnly) && out.write(rawpicture::encode(strip)) >= 0;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: appearance-render OUTFOLDER\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral(".")))
    {
        std::fprintf(stderr, "appearance-render: cannot make %s\n", argv[1]);
        return 1;
    }
    const bool written =
        writeStrip(folder.filePath(QStringLiteral("hair.raw")), appearance::kHairModels,
                   [](int m) { return hairPicture(m); }) &&
        writeStrip(folder.filePath(QStringLiteral("face.raw")), appearance::kFaceModels,
                   [](int m) { return facePicture(m); }) &&
        writeStrip(folder.filePath(QStringLiteral("facialhair.raw")), appearance::kFacialHairModels,
                   [](int m) { return facialHairPicture(m); });
    if (!written)
    {
        std::fprintf(stderr, "appearance-render: cannot write the pictures in %s\n", argv[1]);
        return 1;
    }
    return 0;
}
