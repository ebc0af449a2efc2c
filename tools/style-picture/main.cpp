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
    QFile raw(QString::fromLocal8Bit(argv[2]));
    if (image.isNull() || !raw.open(QIODevice::WriteOnly) || raw.write(rawpicture::encode(image)) < 0)
    {
        std::fprintf(stderr, "style-picture: cannot copy %s to %s\n", argv[1], argv[2]);
        return 1;
    }
    return 0;
}
