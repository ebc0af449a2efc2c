// style-picture: copies a picture the toolkit's styles keep in their own resources into a
// raw picture (widgets/RawPicture.h) for the editor's resources, so that drawing with it
// decodes nothing: reading a PNG at run time looks through every image plugin first.
//   style-picture RESOURCE OUT.raw
#include "widgets/RawPicture.h"

#include <QApplication>
#include <QFile>
#include <QImageReader>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 3)
    {
        std::fprintf(stderr, "usage: style-picture RESOURCE OUT.raw\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);  // the styles' resources come with the widgets library
    QImageReader reader(QString::fromLocal8Bit(argv[1]));
    const QImage image = reader.read();
    // A toolkit without the picture gets an empty file: the editor then finds no picture
    // and leaves the drawing to the style, as it does on any toolkit version but the one
    // its drawing was matched against.
    if (image.isNull())
        std::fprintf(stderr, "style-picture: no %s in this toolkit; the style will draw it\n", argv[1]);
    QFile raw(QString::fromLocal8Bit(argv[2]));
    if (!raw.open(QIODevice::WriteOnly) || (!image.isNull() && raw.write(rawpicture::encode(image)) < 0))
    {
        std::fprintf(stderr, "style-picture: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
