// icon-render: the editor's SVG icon as PNG files for the desktop's icon theme, which
// wants fixed sizes besides the scalable picture.
//   icon-render SOURCE.svg OUTFOLDER SIZE...   writes OUTFOLDER/<SIZE>/<name>.png
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc < 4)
    {
        std::fprintf(stderr, "usage: icon-render SOURCE.svg OUTFOLDER SIZE...\n");
        return 2;
    }
    const QString source = QString::fromLocal8Bit(argv[1]);
    QSvgRenderer renderer(source);
    if (!renderer.isValid())
    {
        std::fprintf(stderr, "icon-render: cannot read %s\n", argv[1]);
        return 1;
    }
    const QString name = QFileInfo(source).completeBaseName() + QStringLiteral(".png");
    for (int i = 3; i < argc; ++i)
    {
        const int size = std::atoi(argv[i]);
        if (size <= 0 || size > 1024)
        {
            std::fprintf(stderr, "icon-render: bad size %s\n", argv[i]);
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            renderer.render(&painter);
        }
        const QString folder = QDir(QString::fromLocal8Bit(argv[2])).filePath(QString::number(size));
        if (!QDir().mkpath(folder) || !image.save(QDir(folder).filePath(name), "PNG"))
        {
            std::fprintf(stderr, "icon-render: cannot write %s\n", qPrintable(QDir(folder).filePath(name)));
            return 1;
        }
    }
    return 0;
}
