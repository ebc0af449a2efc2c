// icon-render: draws an SVG picture as PNG files in fixed sizes, for the desktop's icon
// theme and for the editor's own icons, which are read as ready-made pictures so that
// starting the editor does not parse any SVG.
//   icon-render SOURCE.svg OUTFOLDER SIZE...   writes OUTFOLDER/<SIZE>/<name>.png and .raw
// A SIZE is a number for a square picture or WIDTHxHEIGHT. The PNG files are for the
// desktop's icon theme, the raw ones (widgets/RawPicture.h) for the editor's resources.
#include "widgets/RawPicture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>
#include <cstdlib>

namespace
{
bool parseSize(const char* text, int& width, int& height)
{
    char* end = nullptr;
    width = int(std::strtol(text, &end, 10));
    height = width;
    if (*end == 'x') height = int(std::strtol(end + 1, &end, 10));
    return *end == '\0' && width > 0 && height > 0 && width <= 2048 && height <= 2048;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 4)
    {
        std::fprintf(stderr, "usage: icon-render SOURCE.svg OUTFOLDER SIZE...\n");
        return 2;
    }
    // Pictures with text need the fonts, which need an application; no window is opened.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QString source = QString::fromLocal8Bit(argv[1]);
    QSvgRenderer renderer(source);
    if (!renderer.isValid())
    {
        std::fprintf(stderr, "icon-render: cannot read %s\n", argv[1]);
        return 1;
    }
    const QString name = QFileInfo(source).completeBaseName();
    for (int i = 3; i < argc; ++i)
    {
        int width = 0, height = 0;
        if (!parseSize(argv[i], width, height))
        {
            std::fprintf(stderr, "icon-render: bad size %s\n", argv[i]);
            return 2;
        }
        QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            renderer.render(&painter, QRectF(0, 0, width, height));
        }
        const QString folder = QDir(QString::fromLocal8Bit(argv[2])).filePath(QString::fromLocal8Bit(argv[i]));
        QFile raw(QDir(folder).filePath(name + QStringLiteral(".raw")));
        if (!QDir().mkpath(folder) || !image.save(QDir(folder).filePath(name + QStringLiteral(".png")), "PNG") ||
            !raw.open(QIODevice::WriteOnly) || raw.write(rawpicture::encode(image)) < 0)
        {
            std::fprintf(stderr, "icon-render: cannot write the pictures of %s in %s\n", qPrintable(name),
                         qPrintable(folder));
            return 1;
        }
    }
    return 0;
}
