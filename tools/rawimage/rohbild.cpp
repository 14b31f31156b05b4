// Build tool: turns a PNG picture into the raw form that the program shows
// without decoding: a header of four 32-bit words in the byte order of the
// build machine ("LRB1", width, height, bytes per line), then the pixels
// as QImage::Format_ARGB32_Premultiplied.
//
//     rohbild <picture.png> <picture.rgba>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QSaveFile>

#include <cstdint>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "rohbild <picture.png> <picture.rgba>\n");
        return 2;
    }
    const QImage bild = QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (bild.isNull()) {
        std::fprintf(stderr, "%s: cannot read\n", argv[1]);
        return 1;
    }
    // Written whole or not at all: two build steps may make the same file.
    const QString ziel = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(QFileInfo(ziel).absolutePath());
    QSaveFile aus(ziel);
    if (!aus.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "%s: cannot write\n", argv[2]);
        return 1;
    }
    const std::uint32_t kopf[4] = {0x3142524cu, std::uint32_t(bild.width()), std::uint32_t(bild.height()),
                                   std::uint32_t(bild.bytesPerLine())};
    aus.write(reinterpret_cast<const char *>(kopf), sizeof kopf);
    aus.write(reinterpret_cast<const char *>(bild.constBits()), bild.sizeInBytes());
    return aus.commit() ? 0 : 1;
}
